// Tests of the Recent Files list: order, limit, repeats, storage in Settings.ini, and the pane.
#include <QComboBox>
#include <QFile>
#include <QTreeWidget>
#include <QtTest>

#include "document.h"
#include "edit_control.h"
#include "ini.h"
#include "main_window.h"
#include "project_commands.h"
#include "recent_files.h"
#include "scripted_dialogs.h"
#include "status_bar.h"
#include "temp_tree.h"

namespace {

// "/s/f<n>.txt" for n from first to last, counting down when last is smaller.
QStringList numbered(int first, int last)
{
    QStringList names;
    for (int n = first, step = first <= last ? 1 : -1; n != last + step; n += step)
        names.append(QStringLiteral("/s/f%1.txt").arg(n));
    return names;
}

QStringList paneTexts(const QTreeWidget *pane)
{
    QStringList texts;
    for (int i = 0; i < pane->topLevelItemCount(); ++i)
        texts.append(pane->topLevelItem(i)->text(0));
    return texts;
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void order_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("newest first") << QStringList{"/s/a.txt"} << "/s/b.txt" << QStringList{"/s/b.txt", "/s/a.txt"};
        QTest::newRow("duplicate moves to the top") << QStringList{"/s/a.txt", "/s/b.txt", "/s/c.txt"} << "/s/c.txt"
                                                    << QStringList{"/s/c.txt", "/s/a.txt", "/s/b.txt"};
        QTest::newRow("eleventh drops the oldest") << numbered(10, 1) << "/s/f11.txt" << numbered(11, 2);
        QTest::newRow("duplicate in a full list keeps ten")
            << numbered(10, 1) << "/s/f1.txt" << (QStringList{"/s/f1.txt"} + numbered(10, 2));
    }

    void order()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, path);
        QFETCH(QStringList, expected);
        QCOMPARE(WithRecentFile(list, path), expected);
    }

    void storage_data()
    {
        // Settings.ini as written by hand, the list read from it; then saved and read back.
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no section") << QByteArray("[Window Metrics]\nLeft=5\n") << QStringList{};
        QTest::newRow("by number, gaps and repeats skipped")
            << QByteArray("[Window Metrics]\nLeft=5\n[Recent Files]\nFile2=/s/b c.txt\nFile1=/s/a.txt\nFile3=\nFile4=/s/a.txt\n")
            << QStringList{"/s/a.txt", "/s/b c.txt"};
        QByteArray eleven("[Window Metrics]\nLeft=5\n[Recent Files]\n");
        for (int n = 1; n <= 11; ++n)
            eleven += "File" + QByteArray::number(n) + "=/s/f" + QByteArray::number(n) + ".txt\n";
        QTest::newRow("File11 is not read") << eleven << numbered(1, 10);
    }

    void storage()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, expected);
        TempTree tree;
        const QString file = tree.write("Data/Settings.ini", ini);
        QCOMPARE(LoadRecentFiles(file), expected);
        // A longer list first, so a shorter one must clear what it leaves behind.
        QVERIFY(SaveRecentFiles(numbered(21, 30), file));
        QVERIFY(SaveRecentFiles(expected, file));
        QCOMPARE(LoadRecentFiles(file), expected);
        QCOMPARE(ReadIni("Window Metrics", "Left", "", file), QStringLiteral("5"));
    }

    // Opening and saving fill the list; the selector switches the pane between both lists.
    void paneFollowsTheSelector()
    {
        TempTree tree;
        const QString a = tree.write("a.txt", "A");
        tree.write("one.prj", "[Project Information]\nEditor Version=1\nTotal Files=1\n[Project Files]\n001-File=FILENAME=/s/one.txt\n");
        ScriptedDialogs dialogs;
        MainWindow window(tree.paths(), dialogs);
        auto *pane = window.findChild<QTreeWidget *>("lvwProject");
        QVERIFY(window.projectCommands()->openProject(tree.path("one.prj")));
        QVERIFY(window.document()->openScriptFile(a, false));
        QVERIFY(!window.document()->openScriptFile(tree.path("gone.txt"), false));
        window.findChild<QComboBox *>("cboProject")->setCurrentIndex(0);
        QCOMPARE(paneTexts(pane), QStringList{"a.txt"});
        dialogs.fileNames.enqueue(tree.path("b.txt"));
        QVERIFY(window.document()->saveScriptAs());
        QCOMPARE(paneTexts(pane), QStringList({"b.txt", "a.txt"}));
        QCOMPARE(LoadRecentFiles(tree.paths().SettingsIniFile), QStringList({tree.path("b.txt"), a}));
        window.findChild<QComboBox *>("cboProject")->setCurrentIndex(1);
        QCOMPARE(paneTexts(pane), QStringList{"one.txt"});
    }

    void click_data()
    {
        // Unsaved changes or not, the answer, whether the clicked b.txt still exists; then the
        // questions asked, the text shown, the list after and the status text.
        QTest::addColumn<bool>("modified");
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("status");
        const QString loaded = "The selected script has been loaded successfully.";
        const QString removed = "b.txt no longer exists: removed from Recent Files.";
        QTest::newRow("opens") << false << MsgBoxAnswer::None << true << 0 << "B" << QStringList{"b.txt", "a.txt"} << loaded;
        QTest::newRow("unsaved, closed: stays") << true << MsgBoxAnswer::None << true << 1 << "Atyped"
                                                << QStringList{"a.txt", "b.txt"} << "";
        QTest::newRow("missing: removed, no question") << true << MsgBoxAnswer::No << false << 0 << "Atyped"
                                                       << QStringList{"a.txt"} << removed;
    }

    void click()
    {
        QFETCH(bool, modified);
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(bool, exists);
        QFETCH(int, questions);
        QFETCH(QString, text);
        QFETCH(QStringList, after);
        QFETCH(QString, status);
        TempTree tree;
        ScriptedDialogs dialogs;
        MainWindow window(tree.paths(), dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *pane = window.findChild<QTreeWidget *>("lvwProject");
        const QString b = tree.write("b.txt", "B");
        QVERIFY(window.document()->openScriptFile(b, false));
        QVERIFY(window.document()->openScriptFile(tree.write("a.txt", "A"), false));
        if (modified) {
            window.editControl()->insertAt("typed", 0, 1);
            window.document()->setScriptModified(true);
        }
        if (!exists)
            QVERIFY(QFile::remove(b));
        window.findChild<QComboBox *>("cboProject")->setCurrentIndex(0);
        dialogs.msgBoxAnswers.enqueue(answer);
        window.setStatusText(QString());

        QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->visualItemRect(pane->topLevelItem(1)).center());
        QCOMPARE(dialogs.msgBoxRequests.size(), questions);
        QCOMPARE(window.editControl()->text(), text);
        QCOMPARE(paneTexts(pane), after);
        QCOMPARE(LoadRecentFiles(tree.paths().SettingsIniFile).size(), after.size());
        QCOMPARE(window.statusPanels()->generalText(), status);
    }
};

QTEST_MAIN(TestRecentFiles)
#include "test_recent_files.moc"
