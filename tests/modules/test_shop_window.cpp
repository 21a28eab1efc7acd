// Bartlow's window and item picker: pages, the item list and its questions, inserting, the picker's ticks.
#include "item_picker.h"
#include "scripted_dialogs.h"
#include "send_command.h"
#include "shop_window.h"

#include <QAccessible>
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
        rows << model->index(row, 0).data().toString() + QLatin1Char(' ') + model->index(row, 1).data().toString()
                + QLatin1Char(' ') + model->index(row, 2).data().toString();
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
        const ItemPickerRunner pick = [this](const ItemTable &table, QWidget *owner) {
            ItemPicker picker(table, owner);
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
        QTest::newRow("0 keeps") << std::optional<QString>("0") << "200";
        QTest::newRow("text keeps") << std::optional<QString>("cheap") << "200";
        QTest::newRow("-5") << std::optional<QString>("-5") << "-5";
        QTest::newRow("12abc as typed") << std::optional<QString>("12abc") << "12abc";
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
                                        + "town01.gat,150,120,1\tshop\tTool Dealer\t83,501:50,502:200\r\n"});
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
        ItemPicker picker(table);
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
        ItemPicker picker(sampleTable());
        auto *filter = picker.findChild<QComboBox *>("cboFilter");
        QCOMPARE(filter->count(), 10);
        QCOMPARE(filter->currentText(), QString("All"));
        filter->setCurrentIndex(entry);
        QCOMPARE(listed(picker), rows);
    }

    void pickerLooks()
    {
        ItemPicker picker(sampleTable());
        QCOMPARE(picker.objectName(), QString("wItemsList"));
        QCOMPARE(picker.windowTitle(), QString("Items"));
        QCOMPARE(picker.model()->headerData(2, Qt::Horizontal).toString(), QString("Price"));
        QCOMPARE(picker.findChild<QPushButton *>("cmdAddSelectedItems")->text(), QString("Add selected items"));
        QCOMPARE(picker.findChild<QPushButton *>("cmdDeselectItems")->text(), QString("Deselect selected items"));
        QCOMPARE(heard(picker.findChild<QTreeView *>("lvwItems")), QString("Items"));
        QVERIFY(picker.findChild<QLabel *>("labHeader")->text().startsWith("Select any items you would like"));
        QCOMPARE(picker.model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    }

    void ticksLostOnFilterChange()
    {
        ItemPicker picker(sampleTable());
        tick(picker, {"501", "1201"});
        auto *filter = picker.findChild<QComboBox *>("cboFilter");
        filter->setCurrentIndex(3);   // General
        tick(picker, {"601"});
        picker.findChild<QPushButton *>("cmdAddSelectedItems")->click();
        QCOMPARE(described(picker.chosenItems()), QStringList{"601|Fly Wing|60"});
        QCOMPARE(picker.result(), int(QDialog::Accepted));
    }

    void deselectAndClose()
    {
        ItemPicker picker(sampleTable());
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
        ItemPicker picker(sampleTable());
        picker.show();
        auto *view = picker.findChild<QTreeView *>("lvwItems");
        view->setFocus();
        view->setCurrentIndex(picker.model()->index(1, 0));
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(described(picker.model()->tickedItems()), QStringList{"502|Orange Potion|200"});
    }
};

QTEST_MAIN(TestShopWindow)
#include "test_shop_window.moc"
