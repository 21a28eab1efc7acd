// Tests of the outline in the NPC selection list: its entries, following the caret, going to an entry.
#include <QtTest>

#include "combo_items.h"

#include <QComboBox>

#include "analysis_service.h"
#include "edit_control.h"
#include "outline_list.h"
#include "script_outline.h"

class TestScriptOutline : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        EditControl editor;
        AnalysisService *analysis = new AnalysisService(editor, LoadScriptResources(QStringLiteral(QUILL_SCRIPT_DEFINITION)));
        ScriptOutline *outline = new ScriptOutline(editor, *analysis);
        QComboBox list;
        OutlineList wiring{*outline, list};

        Fixture()
        {
            list.addItem(QStringLiteral("NPC Selection List.."));
            editor.setText(QStringLiteral(
                "// Town\n"                                         // 0
                "prontera,150,150,4\tscript\tKafra\t100,{\n"        // 1
                "\tmes \"Hi\";\n"                                   // 2
                "L_End:\n"                                          // 3
                "\tclose;\n"                                        // 4
                "OnInit:\n"                                         // 5
                "\tend;\n"                                          // 6
                "}\n"                                               // 7
                "\n"                                                // 8
                "prontera,100,100,4\tshop\tTool Dealer\t83,501:50\n")); // 9
            outline->setActive(true);
            // The caret's moves are reported as the text area updates its view: it has to be shown.
            editor.show();
        }
        QStringList items() const { return comboItems(list); }
    };

private Q_SLOTS:
    void entries()
    {
        Fixture f;
        QTRY_COMPARE(f.list.count(), 5);
        QCOMPARE(f.items(), (QStringList{"NPC Selection List..", "Kafra (NPC)", "    L_End", "    OnInit",
                                         "Tool Dealer (shop)"}));
        QVERIFY(f.list.isEnabled());
        f.editor.setText(QStringLiteral("mes \"no blocks\";\n"));
        QTRY_COMPARE(f.list.count(), 1);
        QVERIFY(!f.list.isEnabled());
    }

    void followsTheCaret_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("index");
        QTest::newRow("before every block") << 0 << 0;
        QTest::newRow("header") << 1 << 1;
        QTest::newRow("inside, before a label") << 2 << 1;
        QTest::newRow("under a label") << 4 << 2;
        QTest::newRow("closing brace") << 7 << 3;
        QTest::newRow("between blocks") << 8 << 0;
        QTest::newRow("one-line block") << 9 << 4;
    }

    void followsTheCaret()
    {
        QFETCH(int, line);
        QFETCH(int, index);
        Fixture f;
        QTRY_COMPARE(f.list.count(), 5);
        f.editor.setCursorPosition(line == 0 ? 1 : 0, 0);
        f.editor.setCursorPosition(line, 0);
        QTRY_COMPARE(f.list.currentIndex(), index);
    }

    void choosingGoesThere()
    {
        Fixture f;
        f.editor.resize(400, 60);
        QTRY_COMPARE(f.list.count(), 5);
        f.list.activated(3);
        int line = -1;
        int column = -1;
        f.editor.getCursorPosition(&line, &column);
        QCOMPARE(line, 5);
        QCOMPARE(column, 0);
        QCOMPARE(f.editor.firstVisibleLine(), 4);
        QTRY_COMPARE(f.list.currentIndex(), 3);
    }
};

QTEST_MAIN(TestScriptOutline)
#include "test_script_outline.moc"
