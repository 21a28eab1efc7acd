// The window every module shows: header, rule lines, the module's own inputs, insert and Close.
#pragma once

#include "module_context.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

class DialogSeam;
class QPushButton;
class QVBoxLayout;

// Hands commandText to the editor numbered editorHwnd; true when the editor confirmed it.
using CommandSender = std::function<bool(const QString &commandText, qint32 editorHwnd)>;

// SendCommand, waiting up to ten seconds for the editor's confirmation.
bool SendToEditor(const QString &commandText, qint32 editorHwnd);

// The message shown when the editor did not confirm a command.
QString SendFailedTitle();
QString SendFailedText();

// What sets one module's window apart from another's.
struct ModuleLook
{
    QString header;          // labHeader
    QString pictureName;     // the header picture's objectName
    QPixmap picture;
    QString pictureHint;
    QString insertName;      // the insert button's objectName
    QString insertCaption;
};

class ModuleWindow : public QWidget
{
    Q_OBJECT

public:
    ModuleWindow(const ModuleLook &look, const ModuleContext &context, DialogSeam &dialogs,
                 CommandSender send, QWidget *parent = nullptr);

protected:
    // The module's own inputs go here, between the two rule lines.
    QVBoxLayout *body() const;
    QPushButton *insertButton() const;
    const ModuleContext &context() const;
    DialogSeam &dialogs() const;

    // Tab order: inputs as given, then the insert button and Close.
    void setInputOrder(const QList<QWidget *> &inputs);

    // The script text from the inputs; it may update an input, as the ".gat" rule does.
    // Nothing: the builder refused and has told the user why, so the window stays open.
    virtual std::optional<QString> buildScript() = 0;

private:
    void insertScript();

    ModuleContext m_context;
    DialogSeam &m_dialogs;
    CommandSender m_send;
    QVBoxLayout *m_body = nullptr;
    QPushButton *m_insert = nullptr;
    QPushButton *m_close = nullptr;
};
