// Saymark, the message wizard.
#include "module_placeholder.h"

int main(int argc, char *argv[])
{
    return RunModulePlaceholder(argc, argv, QStringLiteral("Saymark"),
                                QStringLiteral("Turns free text into message lines."));
}
