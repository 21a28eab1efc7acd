// Tests of the item lookup: a whole number known to the item database gives its item as a tip.
#include <QtTest>

#include <QTemporaryDir>

#include "analysis_service.h"
#include "edit_control.h"
#include "item_lookup.h"

class TestItemLookup : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_database;

private Q_SLOTS:
    void initTestCase()
    {
        m_database = m_folder.filePath(QStringLiteral("item_db2.txt"));
        QFile file(m_database);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("// items\n4100,Mossberry Tonic,MossberryTonic,0,12\n501,Old Sword,OldSword,4,900\n77,Odd,Odd,1,5\n410000,Clash,Clash,3,1\n");
    }

    void tips_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("tip");
        // 0         1         2         3         4
        // 0123456789012345678901234567890123456789012345
        // getitem 4100,1; L_501 x501 ^410000 501 77 9999
        QTest::newRow("first digit") << 8 << "4100: Mossberry Tonic (Consumable, 12)";
        QTest::newRow("last digit") << 11 << "4100: Mossberry Tonic (Consumable, 12)";
        QTest::newRow("unknown ID") << 13 << "";
        QTest::newRow("in a label") << 19 << "";
        QTest::newRow("in a word") << 24 << "";
        QTest::newRow("colour code") << 28 << "";
        QTest::newRow("weapon") << 36 << "501: Old Sword (Weapon, 900)";
        QTest::newRow("type without a name") << 39 << "77: Odd (1, 5)";
        QTest::newRow("not in the database") << 43 << "";
        QTest::newRow("keyword") << 2 << "";
    }

    void tips()
    {
        QFETCH(int, position);
        QFETCH(QString, tip);
        EditControl editor;
        auto *lookup = new ItemLookup(editor, *new AnalysisService(editor, LoadScriptResources(QString())), m_database);
        editor.setText(QStringLiteral("getitem 4100,1; L_501 x501 ^410000 501 77 9999"));
        QTRY_VERIFY(lookup->isLoaded());
        QCOMPARE(lookup->tipAt(position), tip);
    }

    void missingDatabase()
    {
        EditControl editor;
        auto *lookup = new ItemLookup(editor, *new AnalysisService(editor, LoadScriptResources(QString())), m_folder.filePath(QStringLiteral("none.txt")));
        editor.setText(QStringLiteral("getitem 4100,1;"));
        QTRY_VERIFY(lookup->isLoaded());
        QCOMPARE(lookup->tipAt(9), QString());
    }
};

QTEST_MAIN(TestItemLookup)
#include "test_item_lookup.moc"
