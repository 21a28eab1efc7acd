// Insert menu commands: the modules, catalogue entries, colour codes and the blank message template.
#include "insert_commands.h"

#include "caret_insertion.h"
#include "command_catalogue.h"
#include "common_dialogs.h"
#include "dialog_seam.h"
#include "send_command.h"
#include "shell_helpers.h"

#include <QColor>

QString colourToHex(quint32 colour)
{
    // BBGGRR with leading zeros first, then the byte pairs turned round: the padding must
    // come before the swap, or a small red value would lose its leading zero.
    const QString bgr = QString::number(colour, 16).toUpper().rightJustified(6, QLatin1Char('0')).right(6);
    return bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}

QString blankMessageTemplateName()
{
    return QStringLiteral("Blank Message NPC.txt");
}

InsertCommands::InsertCommands(CaretInsertion &insertion, DialogSeam &dialogs, QWidget *owner,
                               const AppPaths &paths, qint32 channelNumber, QObject *parent)
    : QObject(parent)
    , m_insertion(insertion)
    , m_dialogs(dialogs)
    , m_owner(owner)
    , m_paths(paths)
    , m_channelNumber(channelNumber)
{
}

void InsertCommands::launchModule(ModuleType type)
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

void InsertCommands::insertCatalogueEntry(const CatalogueEntry &entry)
{
    m_insertion.insertTextAtCaret(entry.text, false, -1, entry.caretOffset);
    Q_EMIT statusText(entry.help);
}

void InsertCommands::insertColourCode()
{
    QColor chosen;
    if (!ShowColourDialog(m_dialogs, m_owner, chosen, QColor(Qt::black)))
        return;
    m_insertion.insertTextAtCaret(QLatin1Char('^') + colourToHex(ColourToBgr(chosen)), true);
}

void InsertCommands::insertBlankMessageTemplate()
{
    m_insertion.insertTextAtCaret(readWholeFile(m_paths.TemplatesPath + blankMessageTemplateName()), true);
}
