// Tests of Check Script: the marks and tips in the text, the problem list and the status text.
#include <QtTest>

#include "combo_items.h"

#include <QComboBox>
#include <QTemporaryDir>

#include "check_commands.h"
#include "edit_control.h"
#include "analysis_service.h"
#include "script_checker.h"
#include "test_profile.h"

class TestScriptChecker : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        EditControl editor;
        AnalysisService *analysis = new AnalysisService(editor, LoadScriptResources(QStringLiteral(QUILL_SCRIPT_DEFINITION), testProfile()));
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
    void countText_data()
    {
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << 0 << "No problems found.";
        QTest::newRow("one error") << 1 << 0 << "1 error found.";
        QTest::newRow("warnings alone") << 0 << 3 << "3 warnings found.";
        QTest::newRow("both") << 2 << 1 << "2 errors, 1 warning found.";
    }

    void countText()
    {
        QFETCH(int, errors);
        QFETCH(int, warnings);
        QFETCH(QString, text);
        std::vector<ScriptProblem> problems(size_t(errors + warnings));
        // A warning first, as the checks may hand them over in text order.
        for (int i = 0; i < warnings; ++i)
            problems[size_t(i == 0 ? 0 : errors + i)].severity = Severity::Warning;
        QCOMPARE(ProblemCountText(problems), text);
    }

    // Errors and warnings are counted apart, and each list entry says which it is.
    void check_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<QString>("status");
        QTest::newRow("clean") << "-\tscript\tA\t-1,{\n\tmes \"Hi\";\n\tclose;\n}\n" << QStringList{}
                               << "No problems found.";
        QTest::newRow("one warning") << "-\tscript\tA\t-1,{\n\tgoto L_No;\n}\n"
                                     << QStringList{"Line 2: warning: Label 'L_No' is not defined in this block [no-label]"} << "1 warning found.";
        QTest::newRow("two errors") << "-\tscript\tA\t-1,{\n\tmes \"a\"\n\tclose;\n\tmes (1;\n}\n"
                                    << QStringList{"Line 2: error: ';' is missing after this [no-semicolon]", "Line 4: error: '(' is not closed [unclosed]"} << "2 errors found.";
        QTest::newRow("an error and a warning")
            << "-\tscript\tA\t-1,{\n\twarp \"prontera\",150;\n\tgoto L_No;\n}\n"
            << QStringList{"Line 2: error: 'warp' takes 3 to 4 arguments, not 2 [arg-count]", "Line 3: warning: Label 'L_No' is not defined in this block [no-label]"} << "1 error, 1 warning found.";
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

    // Each problem is underlined with its severity's mark, from its character column on, also
    // after characters of several bytes.
    void marks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");    // characters
        QTest::addColumn<int>("severity");
        const QString head = QStringLiteral("-\tscript\tA\t-1,{\n");
        QTest::newRow("error") << head + "\twarp \"prontera\",150;\n}\n" << 1 << 1 << int(Severity::Error);
        QTest::newRow("warning") << head + "\tgoto L_No;\n}\n" << 1 << 6 << int(Severity::Warning);
        QTest::newRow("after accented letters") << head + "\tmes \"caf\u00e9 \u00e0\"; goto L_No;\n}\n" << 1 << 20
                                                << int(Severity::Warning);
    }

    void marks()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(int, severity);
        Fixture f;
        f.editor.setText(text);
        f.commands.checkScript();
        QTRY_VERIFY(!f.status.isEmpty());
        const int start = f.editor.positionFromLineIndex(line, column);
        const auto marksAt = [&f](int position) {
            return f.editor.SendScintilla(QsciScintillaBase::SCI_INDICATORALLONFOR, static_cast<unsigned long>(position));
        };
        const long mine = 1L << f.checker->indicator(Severity(severity));
        const long other = 1L << f.checker->indicator(Severity(severity) == Severity::Error ? Severity::Warning : Severity::Error);
        QVERIFY2(marksAt(start) & mine, qPrintable(f.items().join('|')));
        QVERIFY(!(marksAt(start) & other));
        QVERIFY(!(marksAt(start - 1) & mine));
        QVERIFY(!f.checker->messageAt(start).isEmpty());
    }

    void unknownCommandsCanBeLeftOut()
    {
        Fixture f;
        f.editor.setText(QStringLiteral("-\tscript\tA\t-1,{\n\tfrobnicate;\n}\n"));
        f.commands.checkScript();
        QTRY_COMPARE(f.status, QStringLiteral("1 error found."));
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
