// Folkmint, the NPC wizard.
#include "module_placeholder.h"

int main(int argc, char *argv[])
{
    return RunModulePlaceholder(argc, argv, QStringLiteral("Folkmint"),
                                QStringLiteral("Builds the definition block of a talking NPC."));
}
