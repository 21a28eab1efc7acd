// The shop line byte for byte, the price edit's rule and where the item database is looked for.
#include "item_database.h"
#include "shop_script.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QString>)

class TestShopScript : public QObject
{
    Q_OBJECT

private slots:
    void shopLine_data()
    {
        QTest::addColumn<QStringList>("fields");   // name, sprite, map, x, y
        QTest::addColumn<int>("facing");
        QTest::addColumn<QStringList>("items");    // id:price
        QTest::addColumn<QString>("expected");
        const QStringList dealer{"Tool Dealer", "83", "town01", "150", "120"};
        QTest::newRow("worked example") << dealer << 0 << QStringList{"501:50", "502:200"}
                                        << "town01.gat,150,120,0\tshop\tTool Dealer\t83,501:50,502:200\r\n";
        QTest::newRow("one row") << dealer << 0 << QStringList{"501:50"}
                                 << "town01.gat,150,120,0\tshop\tTool Dealer\t83,501:50\r\n";
        QTest::newRow("same item twice") << dealer << 0 << QStringList{"501:50", "501:50"}
                                         << "town01.gat,150,120,0\tshop\tTool Dealer\t83,501:50,501:50\r\n";
        QTest::newRow("price kept as given") << dealer << 3 << QStringList{"501:12abc"}
                                             << "town01.gat,150,120,3\tshop\tTool Dealer\t83,501:12abc\r\n";
        QTest::newRow("blank before ID kept") << dealer << 7 << QStringList{" 501:-5"}
                                              << "town01.gat,150,120,7\tshop\tTool Dealer\t83, 501:-5\r\n";
        QTest::newRow("empty fields") << QStringList{"", "", "", "", ""} << 0 << QStringList{":"}
                                      << ".gat,,,0\tshop\t\t,:\r\n";
        QTest::newRow("upper-case map kept") << QStringList{"S", "1", "TOWN01.GAT", "2", "3"} << 1
                                             << QStringList{"7:1"} << "TOWN01.GAT,2,3,1\tshop\tS\t1,7:1\r\n";
        QTest::newRow("items placeholder in the name") << QStringList{"%ITEMS%", "1", "m", "2", "3"} << 0
                                                       << QStringList{"7:1"} << "m.gat,2,3,0\tshop\t7:1\r\n\t1,7:1\r\n";
    }
    void shopLine()
    {
        QFETCH(QStringList, fields);
        QFETCH(int, facing);
        QFETCH(QStringList, items);
        QFETCH(QString, expected);
        QList<ShopItem> rows;
        for (const QString &item : items) {
            const qsizetype colon = item.indexOf(QLatin1Char(':'));
            rows.append(ShopItem{item.left(colon), QStringLiteral("name"), item.mid(colon + 1)});
        }
        const HeaderInputs inputs{fields[0], fields[1], fields[2], fields[3], fields[4], Facing(facing)};
        const std::optional<QString> line = BuildShopScript(inputs, rows);
        QVERIFY(line.has_value());
        QCOMPARE(*line, expected);
    }

    void emptyShopRefused()
    {
        const HeaderInputs inputs{"Tool Dealer", "83", "town01", "150", "120"};
        QVERIFY(!BuildShopScript(inputs, {}).has_value());
    }

    void editedPrice_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<std::optional<QString>>("expected");
        // Whole numbers of 0 or more, or -1 for the item's own price; nothing else reaches the shop line.
        QTest::newRow("number") << std::optional<QString>("75") << std::optional<QString>("75");
        QTest::newRow("zero, free") << std::optional<QString>("0") << std::optional<QString>("0");
        QTest::newRow("own price") << std::optional<QString>("-1") << std::optional<QString>("-1");
        QTest::newRow("other negative") << std::optional<QString>("-5") << std::optional<QString>();
        QTest::newRow("text") << std::optional<QString>("cheap") << std::optional<QString>();
        QTest::newRow("number then text") << std::optional<QString>("12abc") << std::optional<QString>();
        QTest::newRow("empty") << std::optional<QString>("") << std::optional<QString>();
        QTest::newRow("cancelled") << std::optional<QString>() << std::optional<QString>();
        QTest::newRow("blanks around, dropped") << std::optional<QString>(" 30 ") << std::optional<QString>("30");
        QTest::newRow("fraction") << std::optional<QString>("0.4") << std::optional<QString>();
        QTest::newRow("plus sign") << std::optional<QString>("+5") << std::optional<QString>();
        QTest::newRow("blank inside") << std::optional<QString>("1 000") << std::optional<QString>();
    }
    void editedPrice()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(std::optional<QString>, expected);
        QCOMPARE(EditedPrice(answer), expected);
    }

    void pricePrompt()
    {
        QCOMPARE(EditPricePrompt(" Red Potion"), QString("Edit the sale price of the  Red Potion item."));
        QCOMPARE(EditPriceTitle(), QString("Edit Item Price.."));
    }

    void databasePath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "/opt/quill/Modules" << "/opt/quill/Modules/item_db2.txt";
        QTest::newRow("trailing slash") << "/opt/quill/Modules/" << "/opt/quill/Modules/item_db2.txt";
        QTest::newRow("root") << "/" << "/item_db2.txt";
        QTest::newRow("doubled inside") << "/opt//quill" << "/opt/quill/item_db2.txt";
    }
    void databasePath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(ItemDatabasePath(folder), expected);
    }

    // Our sample offers something under every filter, and some types only "All" shows.
    void sampleDatabase()
    {
        const ItemDatabaseLoad load = LoadItemDatabase(QStringLiteral(QUILL_SAMPLE_ITEM_DATABASE));
        QVERIFY(load.ok);
        QVERIFY(load.table.rows.size() >= 50 && load.table.rows.size() <= 70);
        QCOMPARE(FilteredItemRows(load.table, FilterAll).size(), load.table.rows.size());
        for (const ItemFilter &filter : ItemFilters())
            QVERIFY2(!FilteredItemRows(load.table, filter.value).isEmpty(), qPrintable(filter.caption));
        int unfiltered = 0;
        for (const ItemRecord &record : load.table.rows)
            unfiltered += (record.type == 1 || record.type > 8) ? 1 : 0;
        QVERIFY(unfiltered >= 2);
    }
};

QTEST_APPLESS_MAIN(TestShopScript)
#include "test_shop_script.moc"
