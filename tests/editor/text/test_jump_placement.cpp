// Where a jump leaves the view: the rule in display lines, and each way of jumping on a real view.
#include <QtTest>

#include "analysis_service.h"
#include "edit_control.h"
#include "jump_placement.h"
#include "script_analyser.h"
#include "script_checker.h"
#include "script_outline.h"

namespace {
enum class Jump { GoToLine, SearchHit, OutlineEntry, Problem };
}

Q_DECLARE_METATYPE(Jump)

class TestJumpPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstVisibleLine_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("firstVisible");
        QTest::addColumn<int>("linesOnScreen");
        QTest::addColumn<int>("expected");
        QTest::newRow("already in the upper third") << 12 << 10 << 30 << 10;
        QTest::newRow("on the top row") << 10 << 10 << 30 << 5;
        QTest::newRow("first row below the upper third") << 20 << 10 << 30 << 15;
        QTest::newRow("on the bottom edge") << 39 << 10 << 30 << 34;
        QTest::newRow("above, near the start") << 3 << 50 << 30 << 0;
        QTest::newRow("six lines on screen") << 9 << 0 << 6 << 8;
        QTest::newRow("two lines on screen") << 7 << 0 << 2 << 7;
    }

    void firstVisibleLine()
    {
        QFETCH(int, target);
        QFETCH(int, firstVisible);
        QFETCH(int, linesOnScreen);
        QFETCH(int, expected);
        QCOMPARE(JumpFirstVisibleLine(target, firstVisible, linesOnScreen), expected);
    }

    void jumpLandsInTheUpperThird_data()
    {
        QTest::addColumn<Jump>("jump");
        QTest::addColumn<int>("line");   // counted from 0, in a text of 300 lines
        for (const auto &[jump, name] : {std::pair{Jump::GoToLine, "Go to Line"}, {Jump::SearchHit, "search hit"},
                                         {Jump::OutlineEntry, "outline entry"}, {Jump::Problem, "problem"}}) {
            QTest::addRow("%s, far down", name) << jump << 150;
            QTest::addRow("%s, the last line", name) << jump << 299;
            QTest::addRow("%s, back up", name) << jump << 40;
        }
    }

    void jumpLandsInTheUpperThird()
    {
        QFETCH(Jump, jump);
        QFETCH(int, line);
        EditControl control;
        for (int i = 0; i < 300; ++i)
            control.replaceSelectedText(QStringLiteral("mes \"line %1\";\n").arg(i));
        control.resize(400, 300);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        const int linesOnScreen = int(control.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN));
        QVERIFY(linesOnScreen >= 6);
        control.setFirstVisibleLine(line > 100 ? 0 : 200);   // from the other end: every jump scrolls

        auto *analysis = new AnalysisService(control, LoadScriptResources(QString()));
        auto *outline = new ScriptOutline(control, *analysis);
        auto *checker = new ScriptChecker(control, *analysis);
        int length = 0;
        const int found = control.findInRange(QStringLiteral("line %1\"").arg(line), 0, control.textLength(),
                                              FindOptions{}, &length);
        switch (jump) {
        case Jump::GoToLine: control.goToLine(line + 1); break;
        case Jump::SearchHit: control.selectRange(found, found + length); break;
        case Jump::OutlineEntry: outline->goToLine(line); break;
        case Jump::Problem: checker->goTo(ScriptProblem{ProblemKind::Pairing, line, 4, 1, "problem"}); break;
        }
        int caretLine = 0;
        int column = 0;
        control.getCursorPosition(&caretLine, &column);
        QCOMPARE(caretLine, line);
        const int row = line - control.firstVisibleLine();
        QVERIFY2(row >= 1 && row < linesOnScreen / 3, qPrintable(QStringLiteral("row %1 of %2").arg(row).arg(linesOnScreen)));
    }
};

QTEST_MAIN(TestJumpPlacement)
#include "test_jump_placement.moc"
