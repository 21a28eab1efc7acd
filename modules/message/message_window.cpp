// Laying out Saymark's window and reading its text.
#include "message_window.h"

#include "input_frames.h"
#include "message_script.h"
#include "module_pictures.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

ModuleLook messageLook()
{
    return ModuleLook{QStringLiteral("Saymark"), QStringLiteral("imgLogo"), messagePicture(),
                      QStringLiteral("What would you like this NPC to say, hmm?"), QStringLiteral("cmdSaymark"),
                      QStringLiteral("Saymark")};
}

} // namespace

MessageWindow::MessageWindow(const ModuleContext &context, DialogSeam &dialogs, CommandSender send,
                             QWidget *parent)
    : ModuleWindow(messageLook(), context, dialogs, std::move(send), parent)
{
    QGroupBox *frame = inputFrame(QStringLiteral("fraInitalMessages"), QStringLiteral("Enter your message below"), this);
    m_message = frameMultiLineBox(QStringLiteral("txtMessage"), frame);
    body()->addWidget(frame, 1);
    // The insert button stays enabled without an editor: a failed send is reported, not hidden.
    setInputOrder({m_message});
    resize(480, 360);
}

std::optional<QString> MessageWindow::buildScript()
{
    return BuildMessageScript(TextWithHardLineBreaks(*m_message));
}
