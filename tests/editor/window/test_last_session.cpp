// Options > Restore Last Session: what one run leaves open comes back in the next, or not.
#include <QAction>
#include <QFile>
#include <QtTest>

#include "document.h"
#include "edit_control.h"
#include "ini.h"
#include "last_session.h"
#include "main_window.h"
#include "menu_items.h"
#include "project_commands.h"
#include "scripted_dialogs.h"
#include "status_bar.h"
#include "temp_tree.h"

class TestLastSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextStart_data();
    void nextStart();
};

void TestLastSession::nextStart_data()
{
    // The first run: the switch, and whether a project and a script are open (the script's
    // caret on line 7). Between the runs a file may go. The second run: whether the command
    // line names a script, then what is open.
    QTest::addColumn<bool>("restore");
    QTest::addColumn<bool>("withProject");
    QTest::addColumn<bool>("withScript");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<bool>("scriptNamed");
    QTest::addColumn<bool>("projectBack");
    QTest::addColumn<bool>("scriptBack");
    QTest::addColumn<int>("line");

    QTest::newRow("off: the start is a fresh one") << false << true << true << "" << false << false << false << 1;
    QTest::newRow("on: project, script and line") << true << true << true << "" << false << true << true << 7;
    QTest::newRow("on: a script without a project") << true << false << true << "" << false << false << true << 7;
    QTest::newRow("on: the script is gone") << true << true << true << "scripts/guard.txt" << false << true << false << 1;
    QTest::newRow("on: the project is gone") << true << true << true << "town.prj" << false << false << true << 7;
    QTest::newRow("on: the command line names a script") << true << true << true << "" << true << true << false << 1;
    QTest::newRow("on: nothing was open") << true << false << false << "" << false << false << false << 1;
}

void TestLastSession::nextStart()
{
    QFETCH(bool, restore);
    QFETCH(bool, withProject);
    QFETCH(bool, withScript);
    QFETCH(QString, removed);
    QFETCH(bool, scriptNamed);
    QFETCH(bool, projectBack);
    QFETCH(bool, scriptBack);
    QFETCH(int, line);

    TempTree tree;
    QVERIFY(tree.isValid());
    QByteArray lines;
    for (int i = 1; i <= 40; ++i)
        lines += "mes \"line " + QByteArray::number(i) + "\";\n";
    const QString script = tree.write(QStringLiteral("scripts/guard.txt"), lines);
    const QString project = tree.write(QStringLiteral("town.prj"),
                                       "[Project Information]\nEditor Version=1\nTotal Files=1\n[Project Files]\n"
                                       "001-File=FILENAME=" + script.toUtf8() + "\n");
    ScriptedDialogs dialogs;
    {
        MainWindow first(tree.paths(), dialogs);
        QAction *item = menuItem(first, QStringLiteral("mOPTIONSRESTORESESSION"));
        QVERIFY(item->isCheckable());
        QVERIFY(!item->isChecked());
        if (restore)
            item->trigger();
        if (withProject)
            QVERIFY(first.projectCommands()->openProject(project));
        if (withScript) {
            QVERIFY(first.document()->openScriptFile(script, false));
            first.editControl()->goToLine(7);
        }
        QVERIFY(first.close());
    }
    if (!removed.isEmpty())
        QVERIFY(QFile::remove(tree.path(removed)));

    MainWindow second(tree.paths(), dialogs);
    QCOMPARE(menuItem(second, QStringLiteral("mOPTIONSRESTORESESSION"))->isChecked(), restore);
    second.lastSession()->restore(scriptNamed);
    QCOMPARE(second.projectCommands()->projectPath(), projectBack ? project : QString());
    QCOMPARE(second.document()->scriptFileName(), scriptBack ? script : QString());
    int caretLine = 0;
    int column = 0;
    second.editControl()->getCursorPosition(&caretLine, &column);
    QCOMPARE(caretLine + 1, line);
    // A file that is gone is passed over without an error.
    QVERIFY(!second.statusPanels()->generalText().contains(QStringLiteral("error")));
}

QTEST_MAIN(TestLastSession)
#include "test_last_session.moc"
