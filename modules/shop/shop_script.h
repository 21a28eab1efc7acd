// The shop line that Bartlow builds, and the pure rules behind the shop window's list.
#pragma once

#include "header_substitution.h"

#include <QList>
#include <QString>

#include <optional>

// One row of the shop's item list: texts as shown and as written into the line.
struct ShopItem
{
    QString id;
    QString name;
    QString price;
};

// The header template with the shop's tail: sprite, a comma and the items.
QString ShopHeaderTemplate();

// The message when Insert is pressed with an empty item list.
QString NoItemsTitle();
QString NoItemsText();

// The shop line ending in CR LF: the header for kind "shop" and the items as id:price joined by
// ",", in list order. Nothing when items is empty: a shop must sell something.
std::optional<QString> BuildShopScript(const HeaderInputs &inputs, const QList<ShopItem> &items);

// The price edit's question for the item called name.
QString EditPriceTitle();
QString EditPricePrompt(const QString &name);

// The new price text from the price box's answer, without blanks around it, when it is a price
// the server reads (a whole number of 0 or more, or -1); nothing (the price stays) otherwise.
std::optional<QString> EditedPrice(const std::optional<QString> &answer);

// The item database beside the module program: folder + "/item_db2.txt", no doubled "/"; in a
// system install, share/quillmere/item_db2.txt.
QString ItemDatabasePath(const QString &moduleFolder);
