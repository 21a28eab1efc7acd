// Bartlow, the shop wizard.
#include "run_module.h"
#include "shop_window.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    return RunModule(argc, argv, QStringLiteral("Bartlow"), [](const ModuleContext &context, DialogSeam &dialogs) {
        // Loaded once, before the window opens; a missing file has been told about and lists nothing.
        const ItemTable items = LoadItems(ItemDatabasePath(QCoreApplication::applicationDirPath()), dialogs);
        return std::make_unique<ShopWindow>(context, dialogs, items);
    });
}
