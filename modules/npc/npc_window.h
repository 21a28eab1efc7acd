// Folkmint's window: the shared inputs and the greeting.
#pragma once

#include "module_window.h"
#include "shared_inputs.h"

#include <memory>

class QPlainTextEdit;

class NpcWindow : public ModuleWindow
{
    Q_OBJECT

public:
    NpcWindow(const ModuleContext &context, DialogSeam &dialogs, CommandSender send = SendToEditor,
              QWidget *parent = nullptr);

    bool hasInput() const override;

protected:
    std::optional<QString> buildScript() override;

private:
    std::unique_ptr<SharedInputs> m_inputs;
    QPlainTextEdit *m_greeting = nullptr;
};
