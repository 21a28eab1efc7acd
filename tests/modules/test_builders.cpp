// The text the modules build: message lines, the NPC block and the definition header, byte for byte.
// The ".gat" rule is seen in the blocks: town01, TOWN01.GAT, x.Gat and an empty map name.
#include "header_substitution.h"
#include "message_script.h"
#include "npc_script.h"
#include "script_text.h"

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
        QTest::newRow("quotes escaped, tab, blanks and colour kept") << " say \"hi\"\t^FF0000 "
                                                                      << "\tmes \" say \\\"hi\\\"\t^FF0000 \";";
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
        QTest::addColumn<int>("facing");
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QString>("expected");
        const QStringList guide{"Guide", "105", "town01", "150", "120"};
        QTest::newRow("worked example") << guide << 0 << "Hello.\r\nWelcome!"
            << "town01.gat,150,120,0\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n\tmes \"Hello.\";\r\n"
               "\tmes \"Welcome!\";\r\n}";
        QTest::newRow("empty greeting") << guide << 0 << ""
            << "town01.gat,150,120,0\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n}";
        QTest::newRow("greeting ends in a line break") << guide << 0 << "Hi\r\n"
            << "town01.gat,150,120,0\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n\tmes \"Hi\";\r\n\tmes \"\";\r\n}";
        QTest::newRow("greeting with placeholder and lone LF") << guide << 0 << "I am %NAME%\nhere"
            << "town01.gat,150,120,0\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n\tmes \"I am %NAME%\nhere\";\r\n}";
        QTest::newRow("empty fields") << QStringList{"", "", "", "", ""} << 0 << ""
            << ".gat,,,0\tscript\t\t,{\r\n\tmes \"[]\";\r\n}";
        QTest::newRow("north-west, upper-case map") << QStringList{"Guide", "105", "TOWN01.GAT", "150", "120"} << 1 << ""
            << "TOWN01.GAT,150,120,1\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n}";
        QTest::newRow("tab and comma in name") << QStringList{"a\tb,c", "1", "x.Gat", "2", "3"} << 6 << ""
            << "x.Gat,2,3,6\tscript\ta\tb,c\t1,{\r\n\tmes \"[a\tb,c]\";\r\n}";
        QTest::newRow("later placeholders in earlier fields") << QStringList{"%XPOS%/%LOOK%", "%MAPNAME%", "m", "7", "8"} << 7 << ""
            << "m.gat,7,8,7\tscript\t7/7\tm.gat,{\r\n\tmes \"[7/7]\";\r\n}";
        QTest::newRow("earlier placeholders in later fields") << QStringList{"N", "S", "%NAME%", "%SCRIPT%", "%SPRITE%"} << 0 << ""
            << "%NAME%.gat,%SCRIPT%,%SPRITE%,0\tscript\tN\tS,{\r\n\tmes \"[N]\";\r\n}";
        // Inside the strings quotes and backslashes are escaped; the definition line keeps the name.
        QTest::newRow("quoted name and greeting") << QStringList{"\"Bo\" \\o/", "105", "town01", "1", "2"} << 4
            << "Say \"hi\" to ^0000FFBo^000000\r\nC:\\dir\\"
            << "town01.gat,1,2,4\tscript\t\"Bo\" \\o/\t105,{\r\n\tmes \"[\\\"Bo\\\" \\\\o/]\";\r\n"
               "\tmes \"Say \\\"hi\\\" to ^0000FFBo^000000\";\r\n\tmes \"C:\\\\dir\\\\\";\r\n}";
        QTest::newRow("placeholder brings a quote into the name message") << QStringList{"%XPOS%", "1", "m", "\"", "2"} << 0 << ""
            << "m.gat,\",2,0\tscript\t\"\t1,{\r\n\tmes \"[\\\"]\";\r\n}";
    }
    void npcScript()
    {
        QFETCH(QStringList, fields);
        QFETCH(int, facing);
        QFETCH(QString, greeting);
        QFETCH(QString, expected);
        const HeaderInputs inputs{fields[0], fields[1], fields[2], fields[3], fields[4], Facing(facing)};
        QCOMPARE(BuildNPCScript(inputs, greeting), expected);
    }

    void scriptStringText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "Hello there." << "Hello there.";
        QTest::newRow("quotes") << "My \"Red Potions\" are the best." << "My \\\"Red Potions\\\" are the best.";
        QTest::newRow("lone quote at the end") << "12\"" << "12\\\"";
        QTest::newRow("backslash") << "C:\\npc" << "C:\\\\npc";
        QTest::newRow("backslash before a quote") << "\\\"" << "\\\\\\\"";
        QTest::newRow("escape the user typed is escaped too") << "line\\nbreak" << "line\\\\nbreak";
        QTest::newRow("colour codes kept") << "^FF0000Red^000000 and ^0000ffblue" << "^FF0000Red^000000 and ^0000ffblue";
        QTest::newRow("colour code and quote") << "^00FF00\"Go\"" << "^00FF00\\\"Go\\\"";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Grüße, «Held» – 勇者 ¬") << QString::fromUtf8("Grüße, «Held» – 勇者 ¬");
        QTest::newRow("curly quotes are not the script's") << QString::fromUtf8("“hi”") << QString::fromUtf8("“hi”");
        QTest::newRow("empty") << "" << "";
    }
    void scriptStringText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QCOMPARE(ScriptStringText(typed), written);
        // Every message line is one statement holding the same text.
        QCOMPARE(BuildMessageScript(typed + "\r\n" + typed),
                 "\tmes \"" + written + "\";\r\n\tmes \"" + written + "\";");
    }

    void shopHeader()
    {
        const HeaderInputs inputs{"Bob", "47", "prontera", "1", "2", Facing::South};
        const HeaderSubstitution done = ApplyHeaderSubstitution(HeaderTemplateStart() + "%SPRITE%", "shop", inputs);
        QCOMPARE(done.text, QString("prontera.gat,1,2,4\tshop\tBob\t47"));
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
