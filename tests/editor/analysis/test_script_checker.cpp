// Tests of Check Script: the marks and tips in the text, the problem list and the status text.
#include <QtTest>

#include "combo_items.h"

#include <QComboBox>
#include <QTemporaryDir>

#include "check_commands.h"
#include "edit_control.h"
#include "analysis_service.h"
#include "script_checker.h"

class TestScriptChecker : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        EditControl editor;
        AnalysisService *analysis = new AnalysisService(editor, LoadScriptResources(QStringLiteral(QUILL_SCRIPT_DEFINITION)));
        ScriptChecker *checker = new ScriptChecker(editor, *analysis);
        QComboBox list;
        QTemporaryDir folder;
        CheckCommands commands{*checker, list, folder.filePath(QStringLiteral("settings.ini"))};
        QString status;

        Fixture()
        {
            list.addItem(QStringLiteral("Unused Selection List.."));
            list.setEnabled(false);
            QObject::connect(&commands, &CheckCommands::statusText, &list, [this](const QString &text) { status = text; });
        }
        QStringList items() const { return comboItems(list); }
    };

private Q_SLOTS:
    void check_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<QString>("status");
        QTest::newRow("clean") << "-\tscript\tA\t-1,{\n\tmes \"Hi\";\n\tclose;\n}\n" << QStringList{}
                               << "No problems found.";
        QTest::newRow("one") << "-\tscript\tA\t-1,{\n\tgoto L_No;\n}\n"
                             << QStringList{"Line 2: Label 'L_No' is not defined in this block"} << "1 problem found.";
        QTest::newRow("two") << "-\tscript\tA\t-1,{\n\tmes \"a\"\n\tclose;\n\tmes (1;\n}\n"
                             << QStringList{"Line 2: ';' is missing after this", "Line 4: '(' is not closed"}
                             << "2 problems found.";
    }

    void check()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, problems);
        QFETCH(QString, status);
        Fixture f;
        f.editor.setText(text);
        f.commands.checkScript();
        QTRY_COMPARE(f.status, status);
        QCOMPARE(f.items(), QStringList{"Unused Selection List.."} + problems);
        QCOMPARE(f.list.currentIndex(), 0);
        QCOMPARE(f.list.isEnabled(), !problems.isEmpty());
    }

    void unknownCommandsCanBeLeftOut()
    {
        Fixture f;
        f.editor.setText(QStringLiteral("-\tscript\tA\t-1,{\n\tfrobnicate;\n}\n"));
        f.commands.checkScript();
        QTRY_COMPARE(f.status, QStringLiteral("1 problem found."));
        f.commands.setReportUnknownCommands(false);
        f.commands.checkScript();
        QTRY_COMPARE(f.status, QStringLiteral("No problems found."));
        // The choice is kept for the next start.
        ScriptChecker *other = new ScriptChecker(f.editor, *f.analysis);
        CheckCommands next(*other, f.list, f.folder.filePath(QStringLiteral("settings.ini")));
        QVERIFY(!next.reportsUnknownCommands());
    }

    void marksTipsAndGoing()
    {
        Fixture f;
        f.editor.setText(QStringLiteral("-\tscript\tA\t-1,{\n\tmes \"Hi\";\n\tgoto L_No;\n}\n"));
        f.commands.checkScript();
        QTRY_VERIFY(!f.status.isEmpty());
        const int target = f.editor.positionFromLineIndex(2, 6);
        QCOMPARE(f.checker->messageAt(target + 3), QStringLiteral("Label 'L_No' is not defined in this block"));
        QCOMPARE(f.checker->messageAt(target - 1), QString());
        QCOMPARE(f.checker->messageAt(target + 4), QString());
        // The mark moves with the text typed before it.
        f.editor.insertAt(QStringLiteral("// note\n"), 0, 0);
        QVERIFY(!f.checker->messageAt(f.editor.positionFromLineIndex(3, 6)).isEmpty());

        f.list.activated(1);
        int line = -1;
        int column = -1;
        f.editor.getCursorPosition(&line, &column);
        QCOMPARE(line, 2);
        QCOMPARE(column, 6);

        f.checker->setActive(false);
        QCOMPARE(f.checker->messageAt(f.editor.positionFromLineIndex(3, 6)), QString());
    }
};

QTEST_MAIN(TestScriptChecker)
#include "test_script_checker.moc"
