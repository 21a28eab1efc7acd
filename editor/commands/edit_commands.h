// The Edit, Search, Options and View commands, and the find, replace and go-to-line dialogs.
#pragma once

#include <QObject>
#include <QString>

#include "finder.h"

class DialogSeam;
class EditControl;
class FindDialog;
class GoToLineDialog;
class QWidget;
class ReplaceDialog;

class EditCommands : public QObject
{
    Q_OBJECT

public:
    EditCommands(EditControl &control, DialogSeam &dialogs, QWidget *owner, QObject *parent = nullptr);

    // Named apart from the text area's own undo, copy, ...: these are the menu's commands,
    // which check first and report what cannot be done.
    void undoEdit();
    void redoEdit();
    void cutSelection();
    void copySelection();
    void pasteClipboard();
    void selectWholeText();
    // The dialogs stand beside the window without blocking it; one of each is kept.
    void showFind();
    // Repeat the last search; with nothing to look for yet they open the find dialog.
    void repeatFindForward();
    void repeatFindBackward();
    void showReplace();
    void showGoToLine();
    Finder &finder();
    // The check state is the menu item's; the control follows it.
    void setTextReadOnly(bool readOnly);
    void showWhitespace(bool visible);
    // Asks for a font starting from the editor's; true when one was chosen and applied.
    bool chooseFont();

Q_SIGNALS:
    void statusText(const QString &text);

private:
    EditControl &m_control;
    DialogSeam &m_dialogs;
    QWidget *m_owner;
    Finder m_finder;
    FindDialog *m_findDialog = nullptr;
    ReplaceDialog *m_replaceDialog = nullptr;
    GoToLineDialog *m_goToLineDialog = nullptr;
};
