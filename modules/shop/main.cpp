// Bartlow, the shop wizard.
#include "module_placeholder.h"

int main(int argc, char *argv[])
{
    return RunModulePlaceholder(argc, argv, QStringLiteral("Bartlow"),
                                QStringLiteral("Builds the definition line of a shop."));
}
