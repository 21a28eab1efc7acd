// The Edit, Search, Options and View commands, handed to the edit control.
#pragma once

#include <QObject>
#include <QString>

class DialogSeam;
class EditControl;
class QWidget;

class EditCommands : public QObject
{
    Q_OBJECT

public:
    EditCommands(EditControl &control, DialogSeam &dialogs, QWidget *owner, QObject *parent = nullptr);

    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void selectAll();
    void find();
    void findNext();
    void findPrevious();
    void replace();
    void goToLine();
    // The check state is the menu item's; the control follows it.
    void setReadOnly(bool readOnly);
    void setWhitespaceVisible(bool visible);
    // Asks for a font starting from the editor's; true when one was chosen and applied.
    bool setFont();

Q_SIGNALS:
    void statusText(const QString &text);

private:
    EditControl &m_control;
    DialogSeam &m_dialogs;
    QWidget *m_owner;
};
