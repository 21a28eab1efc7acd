// Laying out Folkmint's window and reading it for the block.
#include "npc_window.h"

#include "input_frames.h"
#include "module_pictures.h"
#include "npc_script.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

ModuleLook npcLook()
{
    return ModuleLook{QStringLiteral("Create Folkmint"), QStringLiteral("Image1"), characterPicture(),
                      QStringLiteral("How may I help you?  ^.^"), QStringLiteral("cmdInsertNPC"),
                      QStringLiteral("Insert NPC"), QStringLiteral("Insert the NPC into the editor"),
                      QStringLiteral("Folkmint: writes the definition of a talking NPC into the script")};
}

} // namespace

NpcWindow::NpcWindow(const ModuleContext &context, DialogSeam &dialogs, CommandSender send, QWidget *parent)
    : ModuleWindow(npcLook(), context, dialogs, std::move(send), parent)
{
    m_inputs = std::make_unique<SharedInputs>(
        InputCaptions{QStringLiteral("Name of this NPC"), QStringLiteral("Location of this NPC - Map Name")},
        context, dialogs, this);
    body()->addWidget(m_inputs->placement());

    QGroupBox *greetingFrame = inputFrame(QStringLiteral("fraInitalMessages"),
                                          QStringLiteral("Enter an initial (eg. greeting) message"), this);
    m_greeting = frameMultiLineBox(QStringLiteral("txtInitialMessage"), greetingFrame);
    auto *lower = new QHBoxLayout;
    lower->addWidget(m_inputs->lookDirection());
    lower->addWidget(greetingFrame, 1);
    body()->addLayout(lower, 1);

    setInputOrder(m_inputs->focusOrder() << m_greeting);
    // Without an editor there is nowhere to insert.
    insertButton()->setEnabled(context.EditorHwnd != 0);
    resize(620, 460);
}

std::optional<QString> NpcWindow::buildScript()
{
    const std::optional<HeaderInputs> inputs = m_inputs->inputsForInsert();
    if (!inputs)
        return std::nullopt;
    return BuildNPCScript(*inputs, TextWithHardLineBreaks(*m_greeting));
}

bool NpcWindow::hasInput() const
{
    return m_inputs->hasInput() || !m_greeting->document()->isEmpty();
}
