// Saymark, the message wizard.
#include "message_window.h"
#include "run_module.h"

int main(int argc, char *argv[])
{
    return RunModule(argc, argv, QStringLiteral("Saymark"), [](const ModuleContext &context, DialogSeam &dialogs) {
        return std::make_unique<MessageWindow>(context, dialogs);
    });
}
