// Insert menu commands: catalogue entries, colour codes and the blank message template.
#include "insert_commands.h"

#include "caret_insertion.h"
#include "common_dialogs.h"
#include "parse.h"
#include "shell_helpers.h"

#include <QColor>

QString ColourToHex(quint32 colour)
{
    // BBGGRR with leading zeros first, then the byte pairs turned round: the padding must
    // come before the swap, or a small red value would lose its leading zero.
    const QString bgr = QString::number(colour, 16).toUpper().rightJustified(6, QLatin1Char('0')).right(6);
    return bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}

QString BlankMessageTemplateName()
{
    return QStringLiteral("Blank Message NPC.txt");
}

InsertCommands::InsertCommands(CaretInsertion &insertion, DialogSeam &dialogs, QWidget *owner,
                               const QString &templatesPath, QObject *parent)
    : QObject(parent)
    , m_insertion(insertion)
    , m_dialogs(dialogs)
    , m_owner(owner)
    , m_templatesPath(templatesPath)
{
}

void InsertCommands::catalogueEntryChosen(const QString &tag)
{
    const QString text = GetParameter(tag, QStringLiteral("CMD"));
    const int caretOffset = GetParameter(tag, QStringLiteral("CURPOS")).toInt();
    m_insertion.InsertTextAtCaret(text, false, -1, caretOffset);
    Q_EMIT statusText(GetParameter(tag, QStringLiteral("HELP")));
}

void InsertCommands::InsertColourCode()
{
    QColor chosen;
    if (!ShowColourDialog(m_dialogs, m_owner, chosen, QColor(Qt::black)))
        return;
    m_insertion.InsertTextAtCaret(QLatin1Char('^') + ColourToHex(ColourToBgr(chosen)), true);
}

void InsertCommands::insertBlankMessageTemplate()
{
    m_insertion.InsertTextAtCaret(ReadWholeFile(m_templatesPath + BlankMessageTemplateName()), true);
}
