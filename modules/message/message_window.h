// Saymark's window: the message text box.
#pragma once

#include "module_window.h"

class QPlainTextEdit;

class MessageWindow : public ModuleWindow
{
    Q_OBJECT

public:
    MessageWindow(const ModuleContext &context, DialogSeam &dialogs, CommandSender send = SendToEditor,
                  QWidget *parent = nullptr);

    bool hasInput() const override;

protected:
    std::optional<QString> buildScript() override;

private:
    QPlainTextEdit *m_message = nullptr;
};
