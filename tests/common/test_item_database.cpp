// Reading item_db2.txt into the item table, the type filter and a missing or malformed file.
#include "item_database.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A row as "text|type|price|listable" (listable as L or -), for comparing whole tables at once.
QStringList described(const ItemTable &table)
{
    QStringList rows;
    for (const ItemRecord &record : table.rows)
        rows << QStringLiteral("%1|%2|%3|%4").arg(record.text).arg(record.type).arg(record.price)
                    .arg(record.listable ? QStringLiteral("L") : QStringLiteral("-"));
    return rows;
}

// A literal's bytes, NULs included.
template <size_t N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, qsizetype(N - 1));
}

// Every type from -1 to 11 once, ID 100 + type + 1.
QByteArray everyType()
{
    QByteArray text;
    for (int type = -1; type <= 11; ++type)
        text += QByteArray::number(101 + type) + ",Item" + QByteArray::number(type) + ",x,"
            + QByteArray::number(type) + ",10\r\n";
    return text;
}

} // namespace

class TestItemDatabase : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("full line") << QByteArray("501,Red Potion,Red_Potion,0,50,10\r\n")
                                   << QStringList{"501,Red Potion,Red_Potion,0,50,10|0|50|L"};
        QTest::newRow("only comments") << QByteArray("// ID,Name\r\n\r\n//501,Red Potion,x,0,50\r\n")
                                       << QStringList{};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("two fields") << QByteArray("501,Red Potion\n") << QStringList{"501,Red Potion|3|0|L"};
        QTest::newRow("three fields") << QByteArray("501,Red Potion,x\n") << QStringList{"501,Red Potion,x|3|0|L"};
        QTest::newRow("four fields") << QByteArray("501,Red Potion,x,5\n") << QStringList{"501,Red Potion,x,5|5|0|L"};
        QTest::newRow("one field") << QByteArray("501\n") << QStringList{"501|3|0|L"};
        QTest::newRow("text ID") << QByteArray("ID,Name,Label,Type,Price\n") << QStringList{"ID,Name,Label,Type,Price|0|0|-"};
        QTest::newRow("ID 0") << QByteArray("0,Nothing,x,0,5\n") << QStringList{"0,Nothing,x,0,5|0|5|-"};
        QTest::newRow("ID 0.4 and 0.6") << QByteArray("0.4,A,x,0,5\n0.6,B,x,0,5\n")
                                        << QStringList{"0.4,A,x,0,5|0|5|-", "0.6,B,x,0,5|0|5|L"};
        QTest::newRow("negative ID") << QByteArray("-3,A,x,0,5\n") << QStringList{"-3,A,x,0,5|0|5|L"};
        QTest::newRow("tab after comma") << QByteArray("501,\tRed Potion\n") << QStringList{"501,Red Potion|3|0|L"};
        QTest::newRow("tabs anywhere") << QByteArray("\t5\t01,Red\tPotion,x,\t4,1\t0\t\n")
                                       << QStringList{"501,RedPotion,x,4,10|4|10|L"};
        QTest::newRow("only a tab") << QByteArray("\t\n") << QStringList{"|3|0|-"};
        QTest::newRow("leading blank kept") << QByteArray("501, Red Potion\n") << QStringList{"501, Red Potion|3|0|L"};
        QTest::newRow("blank before ID") << QByteArray(" 501,A\n") << QStringList{" 501,A|3|0|L"};
        QTest::newRow("blank before comment mark") << QByteArray(" //501,A\n") << QStringList{" //501,A|3|0|-"};
        QTest::newRow("price 2.5") << QByteArray("1,A,x,0,2.5\n") << QStringList{"1,A,x,0,2.5|0|2|L"};
        QTest::newRow("price 3.5") << QByteArray("1,A,x,0,3.5\n") << QStringList{"1,A,x,0,3.5|0|4|L"};
        QTest::newRow("type 4.5") << QByteArray("1,A,x,4.5,1\n") << QStringList{"1,A,x,4.5,1|4|1|L"};
        QTest::newRow("price with text") << QByteArray("1,A,x,0,12zeny\n") << QStringList{"1,A,x,0,12zeny|0|12|L"};
        QTest::newRow("price text") << QByteArray("1,A,x,0,free\n") << QStringList{"1,A,x,0,free|0|0|L"};
        QTest::newRow("empty type") << QByteArray("1,A,x,,7\n") << QStringList{"1,A,x,,7|0|7|L"};
        QTest::newRow("price beyond 32 bits") << QByteArray("1,A,x,4,2147483648\n") << QStringList{"1,A,x,4,2147483648|4|0|L"};
        QTest::newRow("largest price") << QByteArray("1,A,x,4,2147483647\n") << QStringList{"1,A,x,4,2147483647|4|2147483647|L"};
        QTest::newRow("type beyond 32 bits") << QByteArray("1,A,x,99999999999,3\n") << QStringList{"1,A,x,99999999999,3|0|3|L"};
        QTest::newRow("ID beyond 32 bits") << QByteArray("4294967297,Big\n") << QStringList{"4294967297,Big|3|0|L"};
        QTest::newRow("script commas are fields") << QByteArray("1,A,x,5,20,{ bonus bStr,1; },{},{}\n")
                                                  << QStringList{"1,A,x,5,20,{ bonus bStr,1; },{},{}|5|20|L"};
        QTest::newRow("no line break at the end") << QByteArray("1,A\r\n2,B") << QStringList{"1,A|3|0|L", "2,B|3|0|L"};
        QTest::newRow("LF, CR and CR LF") << QByteArray("1,A\n2,B\r3,C\r\n\r\n4,D")
                                          << QStringList{"1,A|3|0|L", "2,B|3|0|L", "3,C|3|0|L", "4,D|3|0|L"};
        QTest::newRow("NUL bytes") << bytes("1,A\0B,x,0,9\n\0\n")
                                   << QStringList{QStringLiteral("1,A") + QChar(0) + "B,x,0,9|0|9|L", QString(QChar(0)) + "|3|0|-"};
        QTest::newRow("Windows-1252 name") << QByteArray("1,Caf\xE9 \x80,x,0,9\n")
                                           << QStringList{QStringLiteral("1,Caf\u00E9 \u20AC,x,0,9|0|9|L")};
        QTest::newRow("UTF-8 name") << QByteArray("1,Caf\xC3\xA9,x,0,9\n") << QStringList{QStringLiteral("1,Caf\u00E9,x,0,9|0|9|L")};
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF//c\n1,A\n") << QStringList{"1,A|3|0|L"};
        QTest::newRow("garbage") << QByteArray("\xFF\xFE,,,\n,,\n") << QStringList{QStringLiteral("\u00FF\u00FE,,,|0|0|-"), ",,|3|0|-"};
    }
    void read()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        QCOMPARE(described(ReadItemTable(file)), expected);
    }

    void fieldsKept()
    {
        QByteArray line = "1";
        for (int i = 1; i <= 45; ++i)
            line += "," + QByteArray::number(i);
        const ItemTable table = ReadItemTable(line + "\n");
        QCOMPARE(table.rows.size(), 1);
        const QStringList fields = table.rows.first().fields();
        QCOMPARE(fields.size(), 38);
        QCOMPARE(fields.first(), QString("1"));
        QCOMPARE(fields.last(), QString("37"));
        QCOMPARE(table.rows.first().field(37).toString(), QString("37"));
        QCOMPARE(table.rows.first().field(38).toString(), QString());
        QCOMPARE(table.rows.first().type, 3);
        QCOMPARE(table.rows.first().price, 4);
    }

    void fieldAccess_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "501,Red Potion,x" << "501" << "Red Potion";
        QTest::newRow("blank kept") << "501, Red Potion " << "501" << " Red Potion ";
        QTest::newRow("one field") << "501" << "501" << "";
        QTest::newRow("empty name") << "501,,x" << "501" << "";
    }
    void fieldAccess()
    {
        QFETCH(QString, line);
        QFETCH(QString, id);
        QFETCH(QString, name);
        const ItemTable table = ReadItemTable(QStringView(line));
        QCOMPARE(table.rows.size(), 1);
        QCOMPARE(table.rows.first().id(), id);
        QCOMPARE(table.rows.first().name(), name);
    }

    void veryLongLine()
    {
        const QByteArray name(300000, 'n');
        const ItemTable table = ReadItemTable("7," + name + ",x,4,12\n8,B");
        QCOMPARE(table.rows.size(), 2);
        QCOMPARE(table.rows.first().name().size(), 300000);
        QCOMPARE(table.rows.first().price, 12);
        QCOMPARE(table.rows.last().id(), QString("8"));
    }

    void filter_data()
    {
        QTest::addColumn<int>("filterValue");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("All") << -2 << QStringList{"Item-1", "Item0", "Item1", "Item2", "Item3", "Item4", "Item5",
                                                  "Item6", "Item7", "Item8", "Item9", "Item10", "Item11"};
        QTest::newRow("Consumable") << 0 << QStringList{"Item0"};
        QTest::newRow("Consumable2") << 2 << QStringList{"Item2"};
        QTest::newRow("General") << 3 << QStringList{"Item0", "Item2", "Item3"};
        QTest::newRow("Weapon") << 4 << QStringList{"Item4"};
        QTest::newRow("Wearable") << 5 << QStringList{"Item5"};
        QTest::newRow("Card") << 6 << QStringList{"Item6"};
        QTest::newRow("Egg") << 7 << QStringList{"Item7"};
        QTest::newRow("Pet Item - Wearable") << 8 << QStringList{"Item8"};
        QTest::newRow("Pet Item - All") << -1 << QStringList{"Item7", "Item8"};
    }
    void filter()
    {
        QFETCH(int, filterValue);
        QFETCH(QStringList, names);
        // An unlistable row of every filter's type shows that the ID decides first.
        const ItemTable table = ReadItemTable(everyType() + "0,Hidden,x,3,1\nID,Header,x,8,1\n");
        QStringList listed;
        for (qsizetype row : FilteredItemRows(table, filterValue))
            listed << table.rows.at(row).name();
        QCOMPARE(listed, names);
    }

    void filterEntries()
    {
        QStringList entries;
        for (const ItemFilter &filter : ItemFilters())
            entries << QStringLiteral("%1=%2").arg(filter.caption).arg(filter.value);
        QCOMPARE(entries, (QStringList{"All=-2", "Consumable=0", "Consumable2=2", "General=3", "Weapon=4", "Wearable=5",
                                       "Card=6", "Egg=7", "Pet Item - Wearable=8", "Pet Item - All=-1"}));
    }

    void onlyCommentsListNothing()
    {
        const ItemTable table = ReadItemTable(QByteArray("// a\r\n//b\r\n\r\n"));
        for (const ItemFilter &filter : ItemFilters())
            QVERIFY(FilteredItemRows(table, filter.value).isEmpty());
    }

    void missingFile()
    {
        QTemporaryDir dir;
        const ItemDatabaseLoad load = LoadItemDatabase(dir.filePath("item_db2.txt"));
        QVERIFY(!load.ok);
        QCOMPARE(load.error, QString("The file does not exist."));
        QVERIFY(load.table.rows.isEmpty());
    }

    void malformedFileLoads()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("item_db2.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes("\x00\x01\xFF,,\r\n501,Red Potion,x,0,50\r\n,,,,,,,,\r\nabc\r\n502,B"));
        file.close();
        const ItemDatabaseLoad load = LoadItemDatabase(file.fileName());
        QVERIFY(load.ok);
        QCOMPARE(load.table.rows.size(), 5);
        QCOMPARE(FilteredItemRows(load.table, -2), (QList<qsizetype>{1, 4}));
        QCOMPARE(load.table.rows.at(1).price, 50);
    }
};

QTEST_APPLESS_MAIN(TestItemDatabase)
#include "test_item_database.moc"
