// The window every module shows: header, rule lines, the module's own inputs, insert and Close.
#pragma once

#include "module_context.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

class DialogSeam;
class QLabel;
class QPushButton;
class QVBoxLayout;

// Hands commandText to the editor numbered editorHwnd; true when the editor confirmed it.
using CommandSender = std::function<bool(const QString &commandText, qint32 editorHwnd)>;

// SendCommand, waiting up to ten seconds for the editor's confirmation.
bool SendToEditor(const QString &commandText, qint32 editorHwnd);

// The question when the editor did not take the script text: copy it to the clipboard instead?
QString SendFailedTitle();
QString SendFailedText();
// What the window shows once its editor has ended.
QString EditorGoneText();
// The question before Escape throws away what was typed.
QString CloseUnsentTitle();
QString CloseUnsentText();

// Where a window of size should stand to be centred over the rectangle over, kept within
// available; over empty: centred in available.
QPoint CentredPosition(const QSize &size, const QRect &over, const QRect &available);

// What sets one module's window apart from another's.
struct ModuleLook
{
    QString header;          // labHeader
    QString pictureName;     // the header picture's objectName
    QPixmap picture;
    QString pictureHint;
    QString insertName;      // the insert button's objectName
    QString insertCaption;
    QString insertDescription;   // what the insert button does, for a screen reader
    QString windowDescription;   // what the module is for, for a screen reader
};

class ModuleWindow : public QWidget
{
    Q_OBJECT

public:
    ModuleWindow(const ModuleLook &look, const ModuleContext &context, DialogSeam &dialogs,
                 CommandSender send, QWidget *parent = nullptr);

    // Follows the editor of the context: when it ends, the window closes if nothing was typed,
    // or says that the editor has gone.
    void watchEditor();
    // The editor has ended (as watchEditor finds out).
    void editorGone();
    bool isEditorGone() const;

    // Whether the user has typed or chosen anything that an unasked close would lose.
    virtual bool hasInput() const = 0;

    // Sized to fit the screen and centred over the editor's window (or the screen), shown,
    // in front and with the keyboard focus.
    void showOverEditor();
    // Brings the shown window to the front with the keyboard focus.
    void bringToFront();

protected:
    // The module's own inputs go here, between the two rule lines.
    QVBoxLayout *body() const;
    QPushButton *insertButton() const;
    const ModuleContext &context() const;
    DialogSeam &dialogs() const;

    // Pictures shown from the window close with it.
    void closeEvent(QCloseEvent *event) override;

    // Tab order: inputs as given, then the insert button and Close.
    void setInputOrder(const QList<QWidget *> &inputs);

    // The script text from the inputs; it may update an input, as the ".gat" rule does.
    // Nothing: the builder refused and has told the user why, so the window stays open.
    virtual std::optional<QString> buildScript() = 0;

private:
    void insertScript();
    void offerClipboard(const QString &text);
    void closeOnEscape();

    ModuleContext m_context;
    DialogSeam &m_dialogs;
    CommandSender m_send;
    QVBoxLayout *m_body = nullptr;
    QLabel *m_goneNote = nullptr;
    QPushButton *m_insert = nullptr;
    QPushButton *m_close = nullptr;
    bool m_editorGone = false;
};
