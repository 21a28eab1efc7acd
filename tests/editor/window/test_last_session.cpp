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
    // The first run: the switch, whether a project is open, and the script: "guard.txt" opened
    // with its caret on line 7, "" for none, or "new.txt" for an untitled script typed into and
    // saved under that name when the window closes. Between the runs a file may go. The second
    // run: whether the command line names a script, then what is open.
    QTest::addColumn<bool>("restore");
    QTest::addColumn<bool>("withProject");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<bool>("scriptNamed");
    QTest::addColumn<bool>("projectBack");
    QTest::addColumn<QString>("scriptBack");
    QTest::addColumn<int>("line");

    const QString guard = QStringLiteral("guard.txt");
    QTest::newRow("off: the start is a fresh one") << false << true << guard << "" << false << false << "" << 1;
    QTest::newRow("on: project, script and line") << true << true << guard << "" << false << true << guard << 7;
    QTest::newRow("on: a script without a project") << true << false << guard << "" << false << false << guard << 7;
    QTest::newRow("on: the script is gone") << true << true << guard << "scripts/guard.txt" << false << true << "" << 1;
    QTest::newRow("on: the project is gone") << true << true << guard << "town.prj" << false << false << guard << 7;
    QTest::newRow("on: the command line names a script") << true << true << guard << "" << true << true << "" << 1;
    QTest::newRow("on: nothing was open") << true << false << "" << "" << false << false << "" << 1;
    QTest::newRow("on: saved under a new name on closing") << true << false << "new.txt" << "" << false << false
                                                           << "new.txt" << 2;
}

void TestLastSession::nextStart()
{
    QFETCH(bool, restore);
    QFETCH(bool, withProject);
    QFETCH(QString, script);
    QFETCH(QString, removed);
    QFETCH(bool, scriptNamed);
    QFETCH(bool, projectBack);
    QFETCH(QString, scriptBack);
    QFETCH(int, line);

    TempTree tree;
    QVERIFY(tree.isValid());
    QByteArray lines;
    for (int i = 1; i <= 40; ++i)
        lines += "mes \"line " + QByteArray::number(i) + "\";\n";
    const QString guard = tree.write(QStringLiteral("scripts/guard.txt"), lines);
    const QString project = tree.write(QStringLiteral("town.prj"),
                                       "[Project Information]\nEditor Version=1\nTotal Files=1\n[Project Files]\n"
                                       "001-File=FILENAME=" + guard.toUtf8() + "\n");
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
        if (script == QLatin1String("guard.txt")) {
            QVERIFY(first.document()->openScriptFile(guard, false));
            first.editControl()->goToLine(7);
        } else if (!script.isEmpty()) {
            QTest::keyClicks(first.editControl(), QStringLiteral("mes \"hi\";"));
            QTest::keyClick(first.editControl(), Qt::Key_Return);
            dialogs.msgBoxAnswers.enqueue(MsgBoxAnswer::Yes);
            dialogs.fileNames.enqueue(tree.path(QStringLiteral("scripts/") + script));
        }
        QVERIFY(first.close());
    }
    if (!removed.isEmpty())
        QVERIFY(QFile::remove(tree.path(removed)));

    MainWindow second(tree.paths(), dialogs);
    QCOMPARE(menuItem(second, QStringLiteral("mOPTIONSRESTORESESSION"))->isChecked(), restore);
    second.lastSession()->restore(scriptNamed);
    QCOMPARE(second.projectCommands()->projectPath(), projectBack ? project : QString());
    QCOMPARE(second.document()->scriptFileName(),
             scriptBack.isEmpty() ? QString() : tree.path(QStringLiteral("scripts/") + scriptBack));
    int caretLine = 0;
    int column = 0;
    second.editControl()->getCursorPosition(&caretLine, &column);
    QCOMPARE(caretLine + 1, line);
    // A file that is gone is passed over without an error.
    QVERIFY(!second.statusPanels()->generalText().contains(QStringLiteral("error")));
}

QTEST_MAIN(TestLastSession)
#include "test_last_session.moc"
