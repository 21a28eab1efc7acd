// Laying out Saymark's window and reading its text.
#include "message_window.h"

#include "input_frames.h"
#include "message_script.h"
#include "module_pictures.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

ModuleLook messageLook()
{
    return ModuleLook{QStringLiteral("Saymark"), QStringLiteral("imgLogo"), messagePicture(),
                      QStringLiteral("What would you like this NPC to say, hmm?"), QStringLiteral("cmdSaymark"),
                      QStringLiteral("Saymark"), QStringLiteral("Insert the message into the editor"),
                      QStringLiteral("Saymark: turns the text you type into message lines of the script")};
}

} // namespace

MessageWindow::MessageWindow(const ModuleContext &context, DialogSeam &dialogs, CommandSender send,
                             QWidget *parent)
    : ModuleWindow(messageLook(), context, dialogs, std::move(send), parent)
{
    QGroupBox *frame = inputFrame(QStringLiteral("fraInitalMessages"), QStringLiteral("Enter your message below"), this);
    m_message = frameMultiLineBox(QStringLiteral("txtMessage"), frame);
    body()->addWidget(frame, 1);
    // The insert button stays enabled without an editor: the text can still go to the clipboard.
    setInputOrder({m_message});
    resize(480, 360);
}

bool MessageWindow::hasInput() const
{
    return !m_message->document()->isEmpty();
}

std::optional<QString> MessageWindow::buildScript()
{
    return BuildMessageScript(TextWithHardLineBreaks(*m_message));
}
