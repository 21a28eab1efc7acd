// The Problems panel's rows: their order, what each column says, and a project's list kept
// while the open script is checked again.
#include <QtTest>

#include "problem_list.h"

namespace {

// "file line:column severity message" for every row, as the view shows them.
QStringList shownRows(const ProblemList &list)
{
    QStringList rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < ProblemList::ColumnCount; ++column)
            cells << list.data(list.index(row, column)).toString();
        rows << QStringLiteral("%1 %2:%3 %4 %5").arg(cells[0], cells[2], cells[3], cells[1], cells[4]);
    }
    return rows;
}

// Problems given as "line:column:W|E:message", lines and columns counted from 0.
std::vector<ScriptProblem> problems(const QStringList &written)
{
    std::vector<ScriptProblem> list;
    for (const QString &entry : written) {
        const QStringList parts = entry.split(QLatin1Char(':'));
        ScriptProblem problem;
        problem.line = parts[0].toInt();
        problem.column = parts[1].toInt();
        problem.severity = parts[2] == QLatin1String("W") ? Severity::Warning : Severity::Error;
        problem.message = parts[3].toStdString();
        list.push_back(problem);
    }
    return list;
}

} // namespace

class TestProblemList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A project's problems are grouped by file, by line and column within it, counted from 1;
    // a check of the open script afterwards replaces that file's rows and keeps the others'.
    void projectRowsByFile_data()
    {
        QTest::addColumn<QString>("openFile");
        QTest::addColumn<QStringList>("openProblems");
        QTest::addColumn<QStringList>("shown");
        const QStringList project = {"a.txt 1:1 Error a1", "a.txt 4:1 Warning a4", "a.txt 4:6 Error a4b", "b.txt 2:1 Error b2",
                                     "c.txt 1:1 Error The file could not be read: gone"};
        QTest::newRow("as checked") << QString() << QStringList{} << project;
        QTest::newRow("open file fixed") << "/p/a.txt" << QStringList{}
                                         << QStringList{project[3], project[4]};
        QTest::newRow("open file has new problems")
            << "/p/b.txt" << QStringList{"7:0:W:new", "0:2:E:top"}
            << QStringList{project[0], project[1], project[2], "b.txt 1:3 Error top", "b.txt 8:1 Warning new", project[4]};
        QTest::newRow("a file outside the project")
            << "/q/z.txt" << QStringList{"0:0:E:z"} << project + QStringList{"z.txt 1:1 Error z"};
    }

    void projectRowsByFile()
    {
        QFETCH(QString, openFile);
        QFETCH(QStringList, openProblems);
        QFETCH(QStringList, shown);
        ProblemList list;
        QSignalSpy groups(&list, &ProblemList::groupsFilesChanged);
        // Given out of path order: the list sorts the files as well.
        list.showProject({{QStringLiteral("/p/b.txt"), problems({"1:0:E:b2"}), {}},
                          {QStringLiteral("/p/c.txt"), {}, QStringLiteral("The file could not be read: gone")},
                          {QStringLiteral("/p/a.txt"), problems({"3:5:E:a4b", "3:0:W:a4", "0:0:E:a1"}), {}},
                          {QStringLiteral("/p/d.txt"), {}, {}}});
        if (!openFile.isEmpty())
            list.showScript(openFile, problems(openProblems));
        QCOMPARE(shownRows(list), shown);
        QVERIFY(list.groupsFiles());
        QCOMPARE(groups.size(), 1);
        // The column shows the bare name; its tip the whole path.
        QCOMPARE(list.data(list.index(0, ProblemList::FileColumn), Qt::ToolTipRole).toString(),
                 QStringLiteral("/p/") + shown.first().section(QLatin1Char(' '), 0, 0));

        list.clear();
        QCOMPARE(list.rowCount(), 0);
        QVERIFY(!list.groupsFiles());
        QCOMPARE(groups.last().first().toBool(), false);
        QVERIFY(!list.problemAt(0));
    }
};

QTEST_MAIN(TestProblemList)
#include "test_problem_list.moc"
