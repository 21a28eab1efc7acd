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

void EditCommands::undo()
{
    if (m_control.canUndo())
        m_control.undo();
    else
        Q_EMIT statusText(QStringLiteral("Cannot Undo; currently at end of undo buffer."));
}

void EditCommands::redo()
{
    if (m_control.canRedo())
        m_control.redo();
    else
        Q_EMIT statusText(QStringLiteral("Cannot Redo; currently at end of redo buffer."));
}

void EditCommands::cut()
{
    if (m_control.canCut())
        m_control.cut();
}

void EditCommands::copy()
{
    if (m_control.canCopy())
        m_control.copy();
}

void EditCommands::paste()
{
    if (m_control.canPaste())
        m_control.paste();
}

void EditCommands::selectAll()
{
    m_control.selectAll(true);
}

void EditCommands::find()
{
    if (!m_findDialog)
        m_findDialog = new FindDialog(m_finder, m_control, m_owner);
    m_findDialog->start();
}

void EditCommands::findNext()
{
    if (m_finder.searchText().isEmpty())
        find();
    else
        m_finder.findNext();
}

void EditCommands::findPrevious()
{
    if (m_finder.searchText().isEmpty())
        find();
    else
        m_finder.findPrevious();
}

void EditCommands::replace()
{
    if (!m_replaceDialog)
        m_replaceDialog = new ReplaceDialog(m_finder, m_control, m_owner);
    m_replaceDialog->start();
}

void EditCommands::goToLine()
{
    if (!m_goToLineDialog)
        m_goToLineDialog = new GoToLineDialog(m_control, m_owner);
    m_goToLineDialog->start();
}

Finder &EditCommands::finder()
{
    return m_finder;
}

void EditCommands::setReadOnly(bool readOnly)
{
    m_control.setReadOnly(readOnly);
}

void EditCommands::setWhitespaceVisible(bool visible)
{
    m_control.setWhitespaceVisible(visible);
}

bool EditCommands::setFont()
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
