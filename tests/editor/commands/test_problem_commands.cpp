// The Problems panel's commands: the check that follows typing, Check Project, and going to a
// problem in the open script or in another project file.
#include <QTreeView>
#include <QtTest>

#include "analysis_service.h"
#include "document.h"
#include "edit_control.h"
#include "problem_commands.h"
#include "problem_list.h"
#include "problems_panel.h"
#include "script_checker.h"
#include "scripted_dialogs.h"
#include "temp_tree.h"
#include "test_profile.h"

namespace {

const QString Head = QStringLiteral("-\tscript\tA\t-1,{\n");
// Another NPC's name: two files with the same NPC are a problem of their own.
const QString HeadB = QStringLiteral("-\tscript\tB\t-1,{\n");

// "file line severity" for every row: the panel's order and grouping, without the wording.
QStringList shownRows(const ProblemList &list)
{
    QStringList rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        const auto cell = [&list, row](int column) { return list.data(list.index(row, column)).toString(); };
        rows << QStringLiteral("%1 %2 %3").arg(cell(ProblemList::FileColumn), cell(ProblemList::LineColumn),
                                               cell(ProblemList::SeverityColumn));
    }
    return rows;
}

// The column headers as the panel's list shows them, and as screen readers hear them.
QStringList shownHeaders(const QTreeView &view)
{
    QStringList headers;
    for (int column = 0; column < view.model()->columnCount(); ++column)
        headers << view.model()->headerData(column, Qt::Horizontal).toString();
    return headers;
}

} // namespace

Q_DECLARE_METATYPE(MsgBoxAnswer)

class TestProblemCommands : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TempTree folder;
        ScriptedDialogs dialogs;
        EditControl editor;
        AnalysisService *analysis = new AnalysisService(editor, LoadScriptResources(QString(), testProfile()));
        ScriptChecker *checker = new ScriptChecker(editor, *analysis);
        Document document{editor, dialogs, nullptr};
        ProblemsPanel panel{folder.paths().SettingsIniFile};
        ProblemCommands commands{*checker, editor, document, panel};
        QString status;

        Fixture()
        {
            document.resetScript();
            QObject::connect(&commands, &ProblemCommands::statusText, &panel, [this](const QString &text) { status = text; });
        }
        QString write(const QString &name, const QString &text) const { return folder.write(name, text.toUtf8()); }
        QStringList rows() const { return shownRows(panel.problems()); }
    };

private Q_SLOTS:
    // Each edit is followed by a check once typing pauses: the panel shows the text as it is now.
    void typingRefillsThePanel_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("the label written") << 2 << "L_No:\n\tend;\n" << QStringList{};
        QTest::newRow("an error above") << 1 << "\twarp \"x\",1;\n" << QStringList{"(untitled) 2 Error", "(untitled) 3 Warning"};
        QTest::newRow("lines moved down") << 1 << "\n\n" << QStringList{"(untitled) 4 Warning"};
    }

    void typingRefillsThePanel()
    {
        QFETCH(int, line);
        QFETCH(QString, typed);
        QFETCH(QStringList, rows);
        Fixture f;
        f.editor.insertAt(Head + "\tgoto L_No;\n}\n", 0, 0);
        QTRY_COMPARE(f.rows(), QStringList{"(untitled) 2 Warning"});
        f.editor.insertAt(typed, line, 0);
        QTRY_COMPARE(f.rows(), rows);
        QCOMPARE(shownHeaders(f.panel.view()), (QStringList{"Severity", "Line", "Column", "Message"}));
        // New empties the list at once; the empty script then has nothing to list.
        f.dialogs.msgBoxAnswers.enqueue(MsgBoxAnswer::No);
        QVERIFY(f.document.newScript());
        QCOMPARE(f.panel.problems().rowCount(), 0);
    }

    // Every project file is checked against the others; the open one as it is being edited.
    void checkProjectGroupsByFile_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("typedInA");   // the open a.txt's unsaved text; empty: a.txt is not open
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("status");
        const QString bad = Head + "\twarp \"x\",1;\n\tgoto L_No;\n}\n";
        const QString clean = Head + "\tend;\n}\n";
        const QString cleanB = HeadB + "\tend;\n}\n";
        const QString calls = Head + "\tcallfunc \"F_Pay\";\n\tend;\n}\n";
        const QString defines = QStringLiteral("function\tscript\tF_Pay\t{\n\tend;\n}\n");
        QTest::newRow("both files") << bad << HeadB + "\tgoto L_Gone;\n}\n" << QString()
                                    << QStringList{"a.txt 2 Error", "a.txt 3 Warning", "b.txt 2 Warning"}
                                    << "Check Project: 1 error, 2 warnings found.";
        QTest::newRow("function in the other file") << calls << defines << QString() << QStringList{}
                                                    << "Check Project: No problems found.";
        QTest::newRow("function nowhere") << calls << cleanB << QString() << QStringList{"a.txt 2 Warning"}
                                          << "Check Project: 1 warning found.";
        QTest::newRow("open text, not the saved one") << clean << QString(bad).replace(Head, HeadB) << bad
                                                      << QStringList{"a.txt 2 Error", "a.txt 3 Warning", "b.txt 2 Error",
                                                                     "b.txt 3 Warning"}
                                                      << "Check Project: 2 errors, 2 warnings found.";
        QTest::newRow("a note in the project") << clean << "Remember to add the shop." << QString() << QStringList{}
                                               << "Check Project: No problems found.";
    }

    void checkProjectGroupsByFile()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, typedInA);
        QFETCH(QStringList, rows);
        QFETCH(QString, status);
        Fixture f;
        const QString aPath = f.write(QStringLiteral("a.txt"), a);
        const QString bPath = f.write(QStringLiteral("b.txt"), b);
        if (!typedInA.isEmpty()) {
            QVERIFY(f.document.openScriptFile(aPath, true));
            f.editor.setText(typedInA);
        }
        // Listed in another order than the panel's: it sorts by file.
        f.commands.checkProject(f.write(QStringLiteral("p.prj"), QString()), {bPath, aPath}, testProfile(), true);
        QVERIFY(!f.panel.isHidden());   // Check Project shows its list
        QTRY_COMPARE(f.status, status);
        QCOMPARE(f.rows(), rows);
        QVERIFY(f.panel.problems().groupsFiles());
        QCOMPARE(shownHeaders(f.panel.view()), (QStringList{"File", "Severity", "Line", "Column", "Message"}));
    }

    // A row of another file opens it the way Open does, after the question about the open
    // script's changes; the caret lands on the problem.
    void goingToAnotherFile_data()
    {
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("save first") << MsgBoxAnswer::Yes << true;
        QTest::newRow("drop the changes") << MsgBoxAnswer::No << true;
        QTest::newRow("question closed") << MsgBoxAnswer::None << false;
    }

    void goingToAnotherFile()
    {
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(bool, opened);
        Fixture f;
        const QString aPath = f.write(QStringLiteral("a.txt"), Head + "\tend;\n}\n");
        const QString bPath = f.write(QStringLiteral("b.txt"), HeadB + "\tend;\n\n\tgoto L_No;\n}\n");
        QVERIFY(f.document.openScriptFile(aPath, true));
        f.commands.checkProject(f.write(QStringLiteral("p.prj"), QString()), {aPath, bPath}, testProfile(), true);
        QTRY_COMPARE(f.rows(), QStringList{"b.txt 4 Warning"});
        f.editor.insertAt(QStringLiteral("// edited\n"), 0, 0);
        QVERIFY(f.document.scriptModified());
        f.dialogs.msgBoxAnswers.enqueue(answer);

        f.panel.view().clicked(f.panel.problems().index(0, ProblemList::MessageColumn));
        QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
        QCOMPARE(f.document.scriptFileName(), opened ? bPath : aPath);
        int line = -1;
        int column = -1;
        f.editor.getCursorPosition(&line, &column);
        QCOMPARE(line, opened ? 3 : 0);
        // The project's list stays, so that its other rows can still be followed.
        QCOMPARE(f.rows(), QStringList{"b.txt 4 Warning"});
    }
};

QTEST_MAIN(TestProblemCommands)
#include "test_problem_commands.moc"
