// Bartlow's window and item picker: pages, the item list and its questions, inserting, the picker's ticks.
#include "item_picker.h"
#include "scripted_dialogs.h"
#include "send_command.h"
#include "shop_window.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

namespace {

const QByteArray sampleItems = "// ID,Name,Label,Type,Price\r\n"
                               "501,Red Potion,x,0,50\r\n"
                               "502,Orange Potion,x,0,200\r\n"
                               "601,Fly Wing,x,2,60\r\n"
                               "1201,Knife,x,4,50\r\n"
                               "2301,Cotton Shirt,x,5,10\r\n"
                               "9001,Egg,x,7,20\r\n"
                               "10001,Collar,x,8,30\r\n";

ItemTable sampleTable()
{
    return ReadItemTable(sampleItems);
}

// Ticks the picker rows with the given IDs, as a click on their tick boxes would.
void tick(ItemPicker &picker, const QStringList &ids)
{
    ItemListModel *model = picker.model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (ids.contains(model->index(row, 0).data().toString()))
            model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole);
    }
}

QStringList listed(const ItemPicker &picker)
{
    QStringList rows;
    ItemListModel *model = picker.model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, ItemListModel::IdColumn).data().toString() + QLatin1Char(' ')
                + model->index(row, ItemListModel::NameColumn).data().toString() + QLatin1Char(' ')
                + model->index(row, ItemListModel::PriceColumn).data().toString();
    return rows;
}

QStringList described(const QList<ShopItem> &items)
{
    QStringList rows;
    for (const ShopItem &item : items)
        rows << item.id + QLatin1Char('|') + item.name + QLatin1Char('|') + item.price;
    return rows;
}

// A shop window whose picker ticks the IDs queued in picks and adds them, without showing.
struct Harness
{
    ScriptedDialogs dialogs;
    QStringList sent;
    QList<QStringList> picks;
    std::unique_ptr<ShopWindow> window;

    explicit Harness(qint32 editorHwnd = 7)
    {
        const ModuleContext context{editorHwnd, QStringLiteral("/q/Data/images/NPC List.jpg")};
        const CommandSender send = [this](const QString &text, qint32) {
            sent << text;
            return true;
        };
        const ItemPickerRunner pick = [this](const ItemTable &table, QWidget *owner, DialogSeam &seam,
                                             const QString &settingsPath) {
            ItemPicker picker(table, seam, settingsPath, owner);
            tick(picker, picks.isEmpty() ? QStringList() : picks.takeFirst());
            picker.findChild<QPushButton *>("cmdAddSelectedItems")->click();
            return picker.chosenItems();
        };
        window = std::make_unique<ShopWindow>(context, dialogs, sampleTable(), send, pick);
        window->show();
    }
    template <typename T = QWidget>
    T *child(const QString &name) const { return window->findChild<T *>(name); }
    QTreeWidget *list() const { return child<QTreeWidget>("lvwItems"); }
    void add(const QStringList &ids)
    {
        picks << ids;
        child<QPushButton>("cmdAddNewItems")->click();
    }
    QStringList rows() const { return described(window->shopItems()); }
    bool listButtonsEnabled() const
    {
        return child("cmdEditSelected")->isEnabled() && child("cmdRemoveSelected")->isEnabled()
            && child("cmdClearAll")->isEnabled();
    }
    bool listButtonsDisabled() const
    {
        return !child("cmdEditSelected")->isEnabled() && !child("cmdRemoveSelected")->isEnabled()
            && !child("cmdClearAll")->isEnabled();
    }
};

QString heard(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

class TestShopWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensOnBasicSettings()
    {
        Harness shop;
        QCOMPARE(shop.child<QLabel>("labHeader")->text(), QString("Create Bartlow"));
        QCOMPARE(shop.child<QPushButton>("cmdInsertShop")->text(), QString("Insert Shop"));
        QVERIFY(shop.child("cmdInsertShop")->isEnabled());
        QCOMPARE(shop.child<QToolButton>("tbrMain0")->text(), QString("Basic Settings"));
        QCOMPARE(shop.child<QToolButton>("tbrMain1")->text(), QString("Items In Shop"));
        QVERIFY(shop.child<QToolButton>("tbrMain0")->isChecked());
        QVERIFY(!shop.child<QToolButton>("tbrMain1")->isChecked());
        QVERIFY(shop.child("txtName")->isVisible());
        QVERIFY(!shop.list()->isVisible());
        QVERIFY(shop.listButtonsDisabled());
        QVERIFY(shop.child("cmdAddNewItems")->isEnabled());
        QCOMPARE(shop.list()->headerItem()->text(0), QString("Item ID"));
        QCOMPARE(shop.list()->headerItem()->text(1), QString("Item Name"));
        QCOMPARE(shop.list()->headerItem()->text(2), QString("Sale Price"));
    }

    void tabBarSwitchesPages()
    {
        Harness shop;
        shop.child<QToolButton>("tbrMain1")->click();
        QVERIFY(shop.list()->isVisible());
        QVERIFY(!shop.child("txtName")->isVisible());
        QVERIFY(shop.child<QToolButton>("tbrMain1")->isChecked());
        QVERIFY(!shop.child<QToolButton>("tbrMain0")->isChecked());
        shop.child<QToolButton>("tbrMain0")->click();
        QVERIFY(shop.child("txtName")->isVisible());
        QVERIFY(shop.child<QToolButton>("tbrMain0")->isChecked());
        // Clicking the pressed button keeps it pressed.
        shop.child<QToolButton>("tbrMain0")->click();
        QVERIFY(shop.child<QToolButton>("tbrMain0")->isChecked());
    }

    void withoutEditorInsertIsOff()
    {
        Harness shop(0);
        QVERIFY(!shop.child("cmdInsertShop")->isEnabled());
    }

    void spokenNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("list") << "lvwItems" << "Items in shop";
        QTest::newRow("basic page button") << "tbrMain0" << "Basic Settings";
        QTest::newRow("items page button") << "tbrMain1" << "Items In Shop";
        QTest::newRow("add") << "cmdAddNewItems" << "Add New Items";
        QTest::newRow("edit") << "cmdEditSelected" << "Edit Item Price";
        QTest::newRow("remove") << "cmdRemoveSelected" << "Remove Selected";
        QTest::newRow("clear") << "cmdClearAll" << "Clear All";
        QTest::newRow("name box") << "txtName" << "Name of this NPC Shop";
        QTest::newRow("map box") << "txtMapName" << "Location of this NPC Shop - Map Name";
    }
    void spokenNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        Harness shop;
        QCOMPARE(heard(shop.child(name)), spoken);
        QVERIFY(shop.child(name)->focusPolicy() & Qt::TabFocus);
    }

    void addedInListOrder()
    {
        Harness shop;
        shop.add({"1201", "501"});
        QCOMPARE(shop.rows(), (QStringList{"501|Red Potion|50", "1201|Knife|50"}));
        QVERIFY(shop.listButtonsEnabled());
        // A second opening adds the same item again.
        shop.add({"501"});
        QCOMPARE(shop.rows(), (QStringList{"501|Red Potion|50", "1201|Knife|50", "501|Red Potion|50"}));
        shop.add({});
        QCOMPARE(shop.rows().size(), 3);
    }

    void editPrice_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("price");
        QTest::newRow("new price") << std::optional<QString>("75") << "75";
        QTest::newRow("0, free") << std::optional<QString>("0") << "0";
        QTest::newRow("-1, the item's own") << std::optional<QString>("-1") << "-1";
        QTest::newRow("text keeps") << std::optional<QString>("cheap") << "200";
        QTest::newRow("-5 keeps") << std::optional<QString>("-5") << "200";
        QTest::newRow("12abc keeps") << std::optional<QString>("12abc") << "200";
        QTest::newRow("cancel keeps") << std::optional<QString>() << "200";
    }
    void editPrice()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, price);
        Harness shop;
        shop.add({"501", "502"});
        shop.list()->setCurrentItem(shop.list()->topLevelItem(1));
        shop.dialogs.inputs.enqueue(answer);
        shop.child<QPushButton>("cmdEditSelected")->click();
        QCOMPARE(shop.dialogs.inputPrompts, QStringList{"Edit the sale price of the Orange Potion item."});
        QCOMPARE(shop.dialogs.inputTitles, QStringList{"Edit Item Price.."});
        QCOMPARE(shop.dialogs.inputInitials, QStringList{"200"});
        QCOMPARE(shop.rows(), (QStringList{"501|Red Potion|50", "502|Orange Potion|" + price}));
        // A price the server cannot read is refused with a reason.
        const bool refused = answer && price == "200";
        QCOMPARE(shop.dialogs.msgBoxRequests.size(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(shop.dialogs.msgBoxRequests[0].text,
                     QString("The sale price of Orange Potion must be a whole number of 0 or more, or -1 for the "
                             "item's own price."));
    }

    void editWithoutSelectionAsksNothing()
    {
        Harness shop;
        shop.add({"501"});
        shop.list()->clearSelection();
        shop.child<QPushButton>("cmdEditSelected")->click();
        QVERIFY(shop.dialogs.inputPrompts.isEmpty());
    }

    void removeSelected_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("two of four, Yes") << QList<int>{1, 3} << MsgBoxAnswer::Yes << QStringList{"501", "1201"};
        QTest::newRow("first and third, Yes") << QList<int>{0, 2} << MsgBoxAnswer::Yes << QStringList{"502", "2301"};
        QTest::newRow("No keeps all") << QList<int>{1, 3} << MsgBoxAnswer::No << QStringList{"501", "502", "1201", "2301"};
        QTest::newRow("closed keeps all") << QList<int>{0} << MsgBoxAnswer::None
                                          << QStringList{"501", "502", "1201", "2301"};
        QTest::newRow("all, Yes") << QList<int>{0, 1, 2, 3} << MsgBoxAnswer::Yes << QStringList{};
    }
    void removeSelected()
    {
        QFETCH(QList<int>, selected);
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(QStringList, left);
        Harness shop;
        shop.add({"501", "502", "1201", "2301"});
        for (int row : selected)
            shop.list()->topLevelItem(row)->setSelected(true);
        shop.dialogs.msgBoxAnswers.enqueue(answer);
        shop.child<QPushButton>("cmdRemoveSelected")->click();
        QCOMPARE(shop.dialogs.msgBoxRequests.size(), 1);
        const MsgBoxExRequest &asked = shop.dialogs.msgBoxRequests.first();
        QCOMPARE(asked.text, QString("Remove all of the selected items from the list?"));
        QCOMPARE(asked.title, QString("Remove Selected.."));
        QCOMPARE(asked.icon, MsgBoxIcon::Question);
        QCOMPARE(asked.buttons, MsgBoxButtons::YesNo);
        QStringList ids;
        for (const ShopItem &item : shop.window->shopItems())
            ids << item.id;
        QCOMPARE(ids, left);
        QCOMPARE(shop.listButtonsEnabled(), !left.isEmpty());
        QCOMPARE(shop.listButtonsDisabled(), left.isEmpty());
    }

    void clearAll_data()
    {
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<int>("left");
        QTest::newRow("Yes") << MsgBoxAnswer::Yes << 0;
        QTest::newRow("No") << MsgBoxAnswer::No << 2;
    }
    void clearAll()
    {
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(int, left);
        Harness shop;
        shop.add({"501", "502"});
        shop.dialogs.msgBoxAnswers.enqueue(answer);
        shop.child<QPushButton>("cmdClearAll")->click();
        const MsgBoxExRequest &asked = shop.dialogs.msgBoxRequests.first();
        QCOMPARE(asked.text, QString("Clear all of the items from the list?"));
        QCOMPARE(asked.title, QString("Clear All.."));
        QCOMPARE(asked.icon, MsgBoxIcon::Question);
        QCOMPARE(asked.buttons, MsgBoxButtons::YesNo);
        QCOMPARE(shop.list()->topLevelItemCount(), left);
        QCOMPARE(shop.listButtonsDisabled(), left == 0);
    }

    void insertWorkedExample()
    {
        Harness shop;
        QTest::keyClicks(shop.child("txtName"), "Tool Dealer");
        QTest::keyClicks(shop.child("txtNPCSprite"), "83");
        QTest::keyClicks(shop.child("txtMapName"), "town01");
        QTest::keyClicks(shop.child("txtMapX"), "150");
        QTest::keyClicks(shop.child("txtMapY"), "120");
        shop.add({"501", "502"});
        shop.child<QPushButton>("cmdInsertShop")->click();
        QCOMPARE(shop.sent, QStringList{InsertTextCommandPrefix()
                                        + "town01.gat,150,120,0\tshop\tTool Dealer\t83,501:50,502:200\r\n"});
        QVERIFY(shop.dialogs.msgBoxRequests.isEmpty());
        QVERIFY(!shop.window->isVisible());
    }

    void insertEmptyShopRefused()
    {
        Harness shop;
        QTest::keyClicks(shop.child("txtMapName"), "town01");
        shop.child<QPushButton>("cmdInsertShop")->click();
        QVERIFY(shop.sent.isEmpty());
        QCOMPARE(shop.dialogs.msgBoxRequests.size(), 1);
        const MsgBoxExRequest &warned = shop.dialogs.msgBoxRequests.first();
        QCOMPARE(warned.text, QString("You need to add at least one item to your shop!"));
        QCOMPARE(warned.title, QString("No items in shop.."));
        QCOMPARE(warned.icon, MsgBoxIcon::Warning);
        QCOMPARE(warned.buttons, MsgBoxButtons::Okay);
        QCOMPARE(shop.child<QLineEdit>("txtMapName")->text(), QString("town01"));
        QVERIFY(shop.window->isVisible());
    }

    void missingDatabase()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        const ItemTable table = LoadItems(dir.filePath("item_db2.txt"), dialogs);
        QVERIFY(table.rows.isEmpty());
        QCOMPARE(dialogs.msgBoxRequests.size(), 1);
        const MsgBoxExRequest &box = dialogs.msgBoxRequests.first();
        QCOMPARE(box.title, QString("CountsLinesInFile() Error!"));
        QCOMPARE(box.icon, MsgBoxIcon::Error);
        QCOMPARE(box.buttons, MsgBoxButtons::Okay);
        QCOMPARE(box.text,
                 QString("There was an error while trying to load the items database file! In this version of the "
                         "Quillmere, you will need to copy Tamrin's Item_DB2.txt file to the Quillmere\\Modules\\ "
                         "directory, otherwise you will not be able to use the Bartlow.\n\nError Description: "
                         "The file does not exist."));
        // The module still opens, and its picker lists nothing.
        ItemPicker picker(table, dialogs);
        QCOMPARE(picker.model()->rowCount(), 0);
    }

    void pickerFilter_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("All") << 0 << QStringList{"501 Red Potion 50", "502 Orange Potion 200", "601 Fly Wing 60",
                                                 "1201 Knife 50", "2301 Cotton Shirt 10", "9001 Egg 20",
                                                 "10001 Collar 30"};
        QTest::newRow("Consumable") << 1 << QStringList{"501 Red Potion 50", "502 Orange Potion 200"};
        QTest::newRow("Consumable2") << 2 << QStringList{"601 Fly Wing 60"};
        QTest::newRow("General") << 3 << QStringList{"501 Red Potion 50", "502 Orange Potion 200", "601 Fly Wing 60"};
        QTest::newRow("Weapon") << 4 << QStringList{"1201 Knife 50"};
        QTest::newRow("Card") << 6 << QStringList{};
        QTest::newRow("Pet Item - All") << 9 << QStringList{"9001 Egg 20", "10001 Collar 30"};
    }
    void pickerFilter()
    {
        QFETCH(int, entry);
        QFETCH(QStringList, rows);
        ScriptedDialogs dialogs;
        ItemPicker picker(sampleTable(), dialogs);
        auto *filter = picker.findChild<QComboBox *>("cboFilter");
        QCOMPARE(filter->count(), 10);
        QCOMPARE(filter->currentText(), QString("All"));
        filter->setCurrentIndex(entry);
        QCOMPARE(listed(picker), rows);
    }

    void pickerLooks()
    {
        ScriptedDialogs dialogs;
        ItemPicker picker(sampleTable(), dialogs);
        QCOMPARE(picker.objectName(), QString("wItemsList"));
        QCOMPARE(picker.windowTitle(), QString("Items"));
        QCOMPARE(picker.model()->headerData(2, Qt::Horizontal).toString(), QString("Display Name"));
        QCOMPARE(picker.model()->headerData(3, Qt::Horizontal).toString(), QString("Price"));
        QCOMPARE(picker.findChild<QPushButton *>("cmdAddSelectedItems")->text(), QString("Add selected items"));
        QCOMPARE(picker.findChild<QPushButton *>("cmdDeselectItems")->text(), QString("Deselect selected items"));
        QCOMPARE(heard(picker.findChild<QTreeView *>("lvwItems")), QString("Items"));
        QVERIFY(picker.findChild<QLabel *>("labHeader")->text().startsWith("Select any items you would like"));
        QCOMPARE(picker.model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    }

    // Ticks belong to the items: a change of filter or search hides them, it does not drop them.
    void ticksAcrossFilters_data()
    {
        QTest::addColumn<QStringList>("steps");    // "filter=<entry>", "search=<text>", "tick=<id>", "untick=<id>"
        QTest::addColumn<QStringList>("chosen");
        QTest::newRow("ticked under All, then General") << QStringList{"tick=501", "tick=1201", "filter=3", "tick=601"}
            << QStringList{"501|Red Potion|50", "601|Fly Wing|60", "1201|Knife|50"};
        QTest::newRow("ticked while searching") << QStringList{"search=pot", "tick=502", "search=", "tick=9001"}
            << QStringList{"502|Orange Potion|200", "9001|Egg|20"};
        QTest::newRow("untick after a filter round") << QStringList{"tick=501", "filter=4", "filter=1", "untick=501"}
            << QStringList{};
        QTest::newRow("hidden by the search, still added") << QStringList{"tick=2301", "search=knife", "tick=1201"}
            << QStringList{"1201|Knife|50", "2301|Cotton Shirt|10"};
    }
    void ticksAcrossFilters()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, chosen);
        ScriptedDialogs dialogs;
        ItemPicker picker(sampleTable(), dialogs);
        for (const QString &step : steps) {
            const QString what = step.section('=', 0, 0);
            const QString value = step.section('=', 1);
            if (what == "filter")
                picker.findChild<QComboBox *>("cboFilter")->setCurrentIndex(value.toInt());
            else if (what == "search")
                picker.findChild<QLineEdit *>("txtSearch")->setText(value);
            else if (what == "tick")
                tick(picker, {value});
            else {
                ItemListModel *model = picker.model();
                for (int row = 0; row < model->rowCount(); ++row) {
                    if (model->index(row, 0).data().toString() == value)
                        model->setData(model->index(row, 0), Qt::Unchecked, Qt::CheckStateRole);
                }
            }
        }
        picker.findChild<QPushButton *>("cmdAddSelectedItems")->click();
        QCOMPARE(described(picker.chosenItems()), chosen);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
    }

    // The search box lists by ID (from its start) or by name or display name (anywhere, any case).
    void pickerSearch_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("empty") << 0 << "" << QStringList{"501", "502", "601", "1201", "2301", "9001", "10001"};
        QTest::newRow("ID start") << 0 << "50" << QStringList{"501", "502"};
        QTest::newRow("ID not from the middle") << 0 << "01" << QStringList{};
        QTest::newRow("name, any case") << 0 << "POTION" << QStringList{"501", "502"};
        QTest::newRow("name inside") << 0 << "ing" << QStringList{"601"};
        QTest::newRow("display name") << 0 << "wolf" << QStringList{"10001"};
        QTest::newRow("blanks around") << 0 << "  knife " << QStringList{"1201"};
        QTest::newRow("with a filter") << 3 << "o" << QStringList{"501", "502"};
        QTest::newRow("nothing found") << 0 << "sword" << QStringList{};
    }
    void pickerSearch()
    {
        QFETCH(int, entry);
        QFETCH(QString, search);
        QFETCH(QStringList, rows);
        ScriptedDialogs dialogs;
        ItemPicker picker(ReadItemTable(QByteArray(sampleItems).replace("10001,Collar,x", "10001,Collar,Wolf Collar")),
                          dialogs);
        picker.show();
        picker.findChild<QComboBox *>("cboFilter")->setCurrentIndex(entry);
        QTest::keyClicks(picker.findChild<QLineEdit *>("txtSearch"), search);
        QStringList ids;
        for (const QString &row : listed(picker))
            ids << row.section(' ', 0, 0);
        QCOMPARE(ids, rows);
        QCOMPARE(picker.findChild<QLabel *>("labCount")->text(), QString("%1 items listed, 0 ticked").arg(rows.size()));
    }

    // The display name has its column only when the database has display names; the shop line keeps the ID.
    void displayNameColumn_data()
    {
        QTest::addColumn<QByteArray>("items");
        QTest::addColumn<bool>("shown");
        QTest::newRow("with display names") << QByteArray("501,Red_Potion,Red Potion,0,50\n") << true;
        QTest::newRow("field empty") << QByteArray("501,Red_Potion,,0,50\n") << false;
        QTest::newRow("only two fields") << QByteArray("501,Red_Potion\n") << false;
    }
    void displayNameColumn()
    {
        QFETCH(QByteArray, items);
        QFETCH(bool, shown);
        ScriptedDialogs dialogs;
        ItemPicker picker(ReadItemTable(items), dialogs);
        auto *view = picker.findChild<QTreeView *>("lvwItems");
        QCOMPARE(!view->isColumnHidden(ItemListModel::DisplayNameColumn), shown);
        tick(picker, {"501"});
        picker.findChild<QPushButton *>("cmdAddSelectedItems")->click();
        QCOMPARE(picker.chosenItems().first().id, QString("501"));
        QCOMPARE(picker.chosenItems().first().name, QString("Red_Potion"));
    }

    // A double-click asks for the price the item goes into the shop with.
    void pickerPrice_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("price");
        QTest::addColumn<int>("messages");
        QTest::newRow("new price") << std::optional<QString>("75") << "75" << 0;
        QTest::newRow("own price") << std::optional<QString>("-1") << "-1" << 0;
        QTest::newRow("wrong") << std::optional<QString>("7x") << "200" << 1;
        QTest::newRow("cancelled") << std::optional<QString>() << "200" << 0;
    }
    void pickerPrice()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, price);
        QFETCH(int, messages);
        ScriptedDialogs dialogs;
        ItemPicker picker(sampleTable(), dialogs);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        auto *view = picker.findChild<QTreeView *>("lvwItems");
        dialogs.inputs.enqueue(answer);
        const QRect cell = view->visualRect(picker.model()->index(1, ItemListModel::NameColumn));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(dialogs.inputPrompts, QStringList{"Edit the sale price of the Orange Potion item."});
        QCOMPARE(dialogs.inputInitials, QStringList{"200"});
        QCOMPARE(dialogs.msgBoxRequests.size(), messages);
        // The price stays with the item through a filter change, and goes into the shop.
        picker.findChild<QComboBox *>("cboFilter")->setCurrentIndex(1);
        tick(picker, {"502"});
        QCOMPARE(described(picker.model()->tickedItems()), QStringList{"502|Orange Potion|" + price});
    }

    // The filter chosen last is where the next picker starts.
    void lastFilterKept()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath("Modules.ini");
        ScriptedDialogs dialogs;
        {
            ItemPicker picker(sampleTable(), dialogs, settings);
            QCOMPARE(picker.findChild<QComboBox *>("cboFilter")->currentText(), QString("All"));
            picker.findChild<QComboBox *>("cboFilter")->setCurrentIndex(4);
        }
        ItemPicker picker(sampleTable(), dialogs, settings);
        QCOMPARE(picker.findChild<QComboBox *>("cboFilter")->currentText(), QString("Weapon"));
        QCOMPARE(listed(picker), QStringList{"1201 Knife 50"});
    }

    // A price from the database that the server cannot read is shown on the items page before sending.
    void insertChecksPrices()
    {
        Harness shop;
        for (const auto &[name, text] : {std::pair{"txtName", "Tool Dealer"}, {"txtNPCSprite", "83"},
                                         {"txtMapName", "town01"}, {"txtMapX", "150"}, {"txtMapY", "120"}})
            QTest::keyClicks(shop.child(name), text);
        shop.window->appendItems({ShopItem{"501", "Red Potion", "50"}, ShopItem{"502", "Orange Potion", "-7"}});
        shop.child<QPushButton>("cmdInsertShop")->click();
        QVERIFY(shop.sent.isEmpty());
        QCOMPARE(shop.dialogs.msgBoxRequests.size(), 1);
        QCOMPARE(shop.dialogs.msgBoxRequests[0].text,
                 QString("The sale price of Orange Potion must be a whole number of 0 or more, or -1 for the item's "
                         "own price."));
        QVERIFY(shop.child<QToolButton>("tbrMain1")->isChecked());
        QCOMPARE(shop.list()->currentItem()->text(0), QString("502"));
    }

    // A field to mend brings the Basic Settings page back, with the focus on the field.
    void insertChecksFields()
    {
        Harness shop;
        QVERIFY(QTest::qWaitForWindowActive(shop.window.get()));
        QTest::keyClicks(shop.child("txtName"), "Tool Dealer");
        shop.add({"501"});
        shop.child<QToolButton>("tbrMain1")->click();
        shop.child<QPushButton>("cmdInsertShop")->click();
        QVERIFY(shop.sent.isEmpty());
        QCOMPARE(shop.dialogs.msgBoxRequests.size(), 1);
        QCOMPARE(shop.dialogs.msgBoxRequests[0].text, QString("Please fill in \"NPC Sprite\"."));
        QVERIFY(shop.child<QToolButton>("tbrMain0")->isChecked());
        QCOMPARE(QApplication::focusWidget(), shop.child("txtNPCSprite"));
    }

    void deselectAndClose()
    {
        ScriptedDialogs dialogs;
        ItemPicker picker(sampleTable(), dialogs);
        tick(picker, {"501", "502"});
        picker.findChild<QPushButton *>("cmdDeselectItems")->click();
        tick(picker, {"9001"});
        QCOMPARE(described(picker.model()->tickedItems()), QStringList{"9001|Egg|20"});
        picker.show();
        picker.close();
        QVERIFY(picker.chosenItems().isEmpty());
    }

    void tickWithKeyboard()
    {
        ScriptedDialogs dialogs;
        ItemPicker picker(sampleTable(), dialogs);
        picker.show();
        auto *view = picker.findChild<QTreeView *>("lvwItems");
        view->setFocus();
        view->setCurrentIndex(picker.model()->index(1, 0));
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(described(picker.model()->tickedItems()), QStringList{"502|Orange Potion|200"});
        // Whichever column has the focus, and a second Space unticks.
        view->setCurrentIndex(picker.model()->index(3, ItemListModel::PriceColumn));
        QTest::keyClick(view, Qt::Key_Space);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Space);
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(described(picker.model()->tickedItems()), (QStringList{"502|Orange Potion|200", "1201|Knife|50"}));
    }
};

QTEST_MAIN(TestShopWindow)
#include "test_shop_window.moc"
