// Folkmint, the NPC wizard.
#include "npc_window.h"
#include "run_module.h"

int main(int argc, char *argv[])
{
    return RunModule(argc, argv, QStringLiteral("Folkmint"), [](const ModuleContext &context, DialogSeam &dialogs) {
        return std::make_unique<NpcWindow>(context, dialogs);
    });
}
