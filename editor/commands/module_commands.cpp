// LaunchModule and the reception of a module's command.
#include "module_commands.h"

#include "caret_insertion.h"
#include "dialog_seam.h"
#include "parse.h"
#include "send_command.h"

#include <QPlainTextEdit>

ModuleCommands::ModuleCommands(CaretInsertion &insertion, DialogSeam &dialogs, QWidget *owner,
                               const AppPaths &paths, QPlainTextEdit &commandBox, qint32 channelNumber,
                               QObject *parent)
    : QObject(parent)
    , m_insertion(insertion)
    , m_dialogs(dialogs)
    , m_owner(owner)
    , m_paths(paths)
    , m_commandBox(commandBox)
    , m_channelNumber(channelNumber)
{
}

void ModuleCommands::LaunchModule(ModuleType type)
{
    QString program;
    switch (type) {
    case ModuleType::Npc:
        program = m_paths.NpcModuleFile;
        break;
    case ModuleType::Shop:
        program = m_paths.ShopModuleFile;
        break;
    case ModuleType::Message:
        program = m_paths.MessageModuleFile;
        break;
    }
    if (program.isEmpty()) {
        Q_EMIT statusText(QStringLiteral("Invalid LaunchModule parameter! ModuleType = ")
                          + QString::number(static_cast<int>(type)));
        return;
    }
    // A missing program is reported by the seam itself.
    m_dialogs.launch(m_owner, program, LaunchArgument(m_channelNumber));
}

void ModuleCommands::commandReceived(const QString &text)
{
    m_commandBox.setPlainText(text);
    const QString command = GetParameter(text, QStringLiteral("COMMAND"));
    // Script text may hold "¬" itself, so DATA runs to the end rather than to the next separator.
    const QString dataMarker = ParameterSeparator + QStringLiteral("DATA=");
    const qsizetype dataAt = text.indexOf(dataMarker);
    const QString data = dataAt < 0 ? QString() : text.mid(dataAt + dataMarker.size());

    if (command == QLatin1String("INSERTTEXTATCURSOR"))
        m_insertion.InsertTextAtCaret(data, true, -1, -1);
    else
        Q_EMIT statusText(QStringLiteral("Received an unknown command from a module! sCmd = ") + command
                          + QStringLiteral(", sData = ") + data);
}
