// The text the modules build: message lines, the NPC block and the definition header, byte for byte.
// The ".gat" rule is seen in the blocks: town01, TOWN01.GAT, x.Gat and an empty map name.
#include "header_substitution.h"
#include "message_script.h"
#include "npc_script.h"

#include <QTest>

class TestBuilders : public QObject
{
    Q_OBJECT

private slots:
    void messageScript_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("worked example") << "Hello there\r\nWelcome!" << "\tmes \"Hello there\";\r\n\tmes \"Welcome!\";";
        QTest::newRow("empty") << "" << "\tmes \"\";\r\n";
        QTest::newRow("trailing line break") << "Hi\r\n" << "\tmes \"Hi\";\r\n\tmes \"\";";
        QTest::newRow("only a line break") << "\r\n" << "\tmes \"\";\r\n\tmes \"\";";
        QTest::newRow("blank line between") << "A\r\n\r\nB" << "\tmes \"A\";\r\n\tmes \"\";\r\n\tmes \"B\";";
        QTest::newRow("lone LF and CR") << "A\nB\rC" << "\tmes \"A\nB\rC\";";
        QTest::newRow("CR before CR LF") << "A\r\r\nB" << "\tmes \"A\r\";\r\n\tmes \"B\";";
        QTest::newRow("kept as typed") << " say \"hi\"\t^FF0000 " << "\tmes \" say \"hi\"\t^FF0000 \";";
    }
    void messageScript()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(BuildMessageScript(text), expected);
    }

    void npcScript_data()
    {
        QTest::addColumn<QStringList>("fields");   // name, sprite, map, x, y
        QTest::addColumn<int>("lookIndex");
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QString>("expected");
        const QStringList guide{"Guide", "105", "town01", "150", "120"};
        QTest::newRow("worked example") << guide << 0 << "Hello.\r\nWelcome!"
            << "town01.gat,150,120,1\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n\tmes \"Hello.\";\r\n"
               "\tmes \"Welcome!\";\r\n}";
        QTest::newRow("empty greeting") << guide << 0 << ""
            << "town01.gat,150,120,1\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n}";
        QTest::newRow("greeting ends in a line break") << guide << 0 << "Hi\r\n"
            << "town01.gat,150,120,1\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n\tmes \"Hi\";\r\n\tmes \"\";\r\n}";
        QTest::newRow("greeting with placeholder and lone LF") << guide << 0 << "I am %NAME%\nhere"
            << "town01.gat,150,120,1\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n\tmes \"I am %NAME%\nhere\";\r\n}";
        QTest::newRow("empty fields") << QStringList{"", "", "", "", ""} << 0 << ""
            << ".gat,,,1\tscript\t\t,{\r\n\tmes \"[]\";\r\n}";
        QTest::newRow("top-left, upper-case map") << QStringList{"Guide", "105", "TOWN01.GAT", "150", "120"} << 7 << ""
            << "TOWN01.GAT,150,120,8\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n}";
        QTest::newRow("tab and comma in name") << QStringList{"a\tb,c", "1", "x.Gat", "2", "3"} << 2 << ""
            << "x.Gat,2,3,3\tscript\ta\tb,c\t1,{\r\n\tmes \"[a\tb,c]\";\r\n}";
        QTest::newRow("later placeholders in earlier fields") << QStringList{"%XPOS%/%LOOK%", "%MAPNAME%", "m", "7", "8"} << 1 << ""
            << "m.gat,7,8,2\tscript\t7/2\tm.gat,{\r\n\tmes \"[7/2]\";\r\n}";
        QTest::newRow("earlier placeholders in later fields") << QStringList{"N", "S", "%NAME%", "%SCRIPT%", "%SPRITE%"} << 0 << ""
            << "%NAME%.gat,%SCRIPT%,%SPRITE%,1\tscript\tN\tS,{\r\n\tmes \"[N]\";\r\n}";
    }
    void npcScript()
    {
        QFETCH(QStringList, fields);
        QFETCH(int, lookIndex);
        QFETCH(QString, greeting);
        QFETCH(QString, expected);
        const HeaderInputs inputs{fields[0], fields[1], fields[2], fields[3], fields[4], lookIndex};
        QCOMPARE(BuildNPCScript(inputs, greeting), expected);
    }

    void shopHeader()
    {
        const HeaderInputs inputs{"Bob", "47", "prontera", "1", "2", 4};
        const HeaderSubstitution done = ApplyHeaderSubstitution(HeaderTemplateStart() + "%SPRITE%", "shop", inputs);
        QCOMPARE(done.text, QString("prontera.gat,1,2,5\tshop\tBob\t47"));
        QCOMPARE(done.mapName, QString("prontera.gat"));
    }

    void selectedOptionIndex_data()
    {
        QTest::addColumn<QList<bool>>("values");
        QTest::addColumn<int>("expected");
        QTest::newRow("no options") << QList<bool>{} << 5;
        QTest::newRow("none set") << QList<bool>{false, false, false} << 5;
        QTest::newRow("first") << QList<bool>{true, false} << 0;
        QTest::newRow("last of eight") << QList<bool>{false, false, false, false, false, false, false, true} << 7;
        QTest::newRow("two set: the first wins") << QList<bool>{false, false, true, true} << 2;
    }
    void selectedOptionIndex()
    {
        QFETCH(QList<bool>, values);
        QFETCH(int, expected);
        QCOMPARE(SelectedOptionIndex(values, 5), expected);
    }
};

QTEST_APPLESS_MAIN(TestBuilders)
#include "test_builders.moc"
