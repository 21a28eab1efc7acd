// MsgBoxEx: the editor's own message box with icons, button sets, positions and auto close.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "dialog_seam.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QFrame;

// What the placeholders of a message stand for.
struct MsgBoxExContext
{
    int major = 0;
    int minor = 0;
    int revision = 0;
    QString path;   // the program's folder
    QString title;  // the program's title
    QString exe;    // the program's file name without extension

    static MsgBoxExContext forRunningProgram();
};

namespace MsgBoxExRules {
// Index of the button frame for a button set (3 Okay, 0 Okay/Cancel, 2 Retry/Cancel, 1 Yes/No);
// a set outside the four gets Okay/Cancel.
int frameForButtons(MsgBoxButtons buttons);
// "|" becomes a line break, then %maj%, %min%, %rev%, %path%, %title%, %exe% (case-sensitive).
QString expandText(const QString &text, const MsgBoxExContext &context);
// More than 7 "|" or forceScrollingText selects the scrolling text box.
bool usesScrollingText(const QString &text, bool forceScrollingText);
int clampAutoClose(int seconds);
// Top-left corner of a box of that size at the position.
QPoint boxTopLeft(MsgBoxPosition where, const QRect &screen, const QSize &box, const QPoint &own, const QPoint &previous);
}

// The form itself (objectName "wMsgBoxEx"). Tests drive it without exec().
class MsgBoxExDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MsgBoxExDialog(QWidget *parent = nullptr);

    // Sets icon, buttons, text, caption, position and timer for the request.
    void prepare(const MsgBoxExRequest &request, const MsgBoxExContext &context,
                 const QPoint &previousPosition = QPoint());

    // The button that closed the box, None when closed without one.
    MsgBoxAnswer answer() const;
    QPoint boxPosition() const;
    bool usingScrollingText() const;
    QPlainTextEdit *textBox() const;
    QTimer *autoCloseTimer() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void finishWith(MsgBoxAnswer answer);
    void layOut(int textIndex, int frameIndex);
    bool copySelectionToClipboard(QPlainTextEdit *box);

    MsgBoxAnswer m_answer = MsgBoxAnswer::None;
    MsgBoxPosition m_placement = MsgBoxPosition::Centred;
    QPoint m_position;
    QLabel *m_icon = nullptr;
    QPlainTextEdit *m_text[2] = {nullptr, nullptr};
    QFrame *m_frames[4] = {nullptr, nullptr, nullptr, nullptr};
    QTimer *m_timer = nullptr;
};
