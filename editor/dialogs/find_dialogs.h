// The find, replace and go-to-line dialogs over the text area; they drive Finder and never block.
#pragma once

#include <QDialog>

class EditControl;
class Finder;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// What the find and replace dialogs share: search text, switches, direction and a status line.
class SearchDialog : public QDialog
{
    Q_OBJECT

public:
    // Fills the fields from the selection or the last search and shows the dialog.
    void start();
    // The line that reports "not found" and counts; empty after a successful find.
    QString statusText() const;

protected:
    SearchDialog(Finder &finder, EditControl &control, bool withReplace, QWidget *parent);

private:
    void findNext();
    void replace();
    void replaceAll();
    void passToFinder();
    void updateButtons();
    QString notFoundText() const;

    Finder &m_finder;
    EditControl &m_control;
    QLineEdit *m_findText = nullptr;
    QLineEdit *m_replaceText = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QCheckBox *m_wrapAround = nullptr;
    QCheckBox *m_regularExpression = nullptr;
    QCheckBox *m_inSelection = nullptr;     // the replace dialog only
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_replace = nullptr;
    QPushButton *m_replaceAll = nullptr;
    QLabel *m_status = nullptr;
};

class FindDialog : public SearchDialog
{
    Q_OBJECT

public:
    FindDialog(Finder &finder, EditControl &control, QWidget *parent = nullptr);
};

class ReplaceDialog : public SearchDialog
{
    Q_OBJECT

public:
    ReplaceDialog(Finder &finder, EditControl &control, QWidget *parent = nullptr);
};

class GoToLineDialog : public QDialog
{
    Q_OBJECT

public:
    GoToLineDialog(EditControl &control, QWidget *parent = nullptr);

    // Limits the line number to the current line count, proposes the caret's line and opens.
    void start();

private:
    void goToLine();

    EditControl &m_control;
    QLabel *m_prompt = nullptr;
    QSpinBox *m_line = nullptr;
};
