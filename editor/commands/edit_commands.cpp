// Edit, Search, Options and View commands.
#include "edit_commands.h"

#include "common_dialogs.h"
#include "edit_control.h"
#include "find_dialogs.h"

#include <QFontInfo>

EditCommands::EditCommands(EditControl &control, DialogSeam &dialogs, QWidget *owner, QObject *parent)
    : QObject(parent)
    , m_control(control)
    , m_dialogs(dialogs)
    , m_owner(owner)
    , m_finder(control)
{
}

void EditCommands::undoEdit()
{
    if (m_control.canUndo())
        m_control.undo();
    else
        Q_EMIT statusText(QStringLiteral("Cannot Undo; currently at end of undo buffer."));
}

void EditCommands::redoEdit()
{
    if (m_control.canRedo())
        m_control.redo();
    else
        Q_EMIT statusText(QStringLiteral("Cannot Redo; currently at end of redo buffer."));
}

void EditCommands::cutSelection()
{
    if (m_control.canCut())
        m_control.cut();
}

void EditCommands::copySelection()
{
    if (m_control.canCopy())
        m_control.copy();
}

void EditCommands::pasteClipboard()
{
    if (m_control.canPaste())
        m_control.paste();
}

void EditCommands::selectWholeText()
{
    m_control.selectAll(true);
}

void EditCommands::showFind()
{
    if (!m_findDialog)
        m_findDialog = new FindDialog(m_finder, m_control, m_owner);
    m_findDialog->start();
}

void EditCommands::repeatFindForward()
{
    if (m_finder.searchText().isEmpty())
        showFind();
    else
        m_finder.findNext();
}

void EditCommands::repeatFindBackward()
{
    if (m_finder.searchText().isEmpty())
        showFind();
    else
        m_finder.findPrevious();
}

void EditCommands::showReplace()
{
    if (!m_replaceDialog)
        m_replaceDialog = new ReplaceDialog(m_finder, m_control, m_owner);
    m_replaceDialog->start();
}

void EditCommands::showGoToLine()
{
    if (!m_goToLineDialog)
        m_goToLineDialog = new GoToLineDialog(m_control, m_owner);
    m_goToLineDialog->start();
}

Finder &EditCommands::finder()
{
    return m_finder;
}

void EditCommands::setTextReadOnly(bool readOnly)
{
    m_control.setReadOnly(readOnly);
}

void EditCommands::showWhitespace(bool visible)
{
    m_control.setWhitespaceVisible(visible);
}

bool EditCommands::chooseFont()
{
    QFont font = m_control.editorFont();
    // The dialog opens on the face the text is drawn in: where the desktop lacks the face asked
    // for, another stands in, and the dialog would otherwise select some unrelated entry.
    font.setFamily(QFontInfo(font).family());
    if (!ShowFontDialog(m_dialogs, m_owner, font))
        return false;
    m_control.setEditorFont(font);
    return true;
}
