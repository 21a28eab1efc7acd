// Building the shop line and the rules of the price edit.
#include "shop_script.h"

#include "install_layout.h"
#include "input_checks.h"

QString ShopHeaderTemplate()
{
    return HeaderTemplateStart() + QStringLiteral("%SPRITE%,%ITEMS%");
}

QString NoItemsTitle()
{
    return QStringLiteral("No items in shop..");
}

QString NoItemsText()
{
    return QStringLiteral("You need to add at least one item to your shop!");
}

std::optional<QString> BuildShopScript(const HeaderInputs &inputs, const QList<ShopItem> &items)
{
    if (items.isEmpty())
        return std::nullopt;
    QString line = ApplyHeaderSubstitution(ShopHeaderTemplate(), QStringLiteral("shop"), inputs).text;
    QString itemText;
    for (const ShopItem &item : items)
        itemText += item.id + QLatin1Char(':') + item.price + QLatin1Char(',');
    itemText.chop(1);
    itemText += QStringLiteral("\r\n");
    return line.replace(QStringLiteral("%ITEMS%"), itemText);
}

QString EditPriceTitle()
{
    return QStringLiteral("Edit Item Price..");
}

QString EditPricePrompt(const QString &name)
{
    return QStringLiteral("Edit the sale price of the ") + name + QStringLiteral(" item.");
}

std::optional<QString> EditedPrice(const std::optional<QString> &answer)
{
    if (!answer)
        return std::nullopt;
    const QString price = answer->trimmed();
    if (!IsValidPrice(price))
        return std::nullopt;
    return price;
}

QString ItemDatabasePath(const QString &moduleFolder)
{
    // A system install keeps the item database with the other shipped files.
    const QString share = SystemShareFolderFor(moduleFolder);
    if (!share.isEmpty())
        return share + QStringLiteral("item_db2.txt");
    QString path = moduleFolder + QStringLiteral("/item_db2.txt");
    while (path.contains(QLatin1String("//")))
        path.replace(QLatin1String("//"), QLatin1String("/"));
    return path;
}
