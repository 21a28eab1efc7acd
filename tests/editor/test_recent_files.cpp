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

// "/s/f1.txt" ... for the numbers first to last, in that order.
QStringList numbered(int first, int last)
{
    QStringList names;
    for (int n = first; first <= last ? n <= last : n >= last; n += first <= last ? 1 : -1)
        names.append(QStringLiteral("/s/f%1.txt").arg(n));
    return names;
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        TempTree tree;
        ScriptedDialogs dialogs;
        MainWindow window{tree.paths(), dialogs, ProgramVersion{0, 10, 26}};
        QComboBox *selector = window.findChild<QComboBox *>("cboProject");
        QTreeWidget *pane = window.findChild<QTreeWidget *>("lvwProject");

        QStringList paneTexts() const
        {
            QStringList texts;
            for (int i = 0; i < pane->topLevelItemCount(); ++i)
                texts.append(pane->topLevelItem(i)->text(0));
            return texts;
        }
        QString general() const { return window.statusPanels()->generalText(); }
        QStringList stored() const { return LoadRecentFiles(tree.paths().SettingsIniFile); }
    };

private Q_SLOTS:
    void withRecentFile_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("first file") << QStringList{} << "/s/a.txt" << QStringList{"/s/a.txt"};
        QTest::newRow("newest first") << QStringList{"/s/a.txt"} << "/s/b.txt" << QStringList{"/s/b.txt", "/s/a.txt"};
        QTest::newRow("duplicate moves to the top") << QStringList{"/s/a.txt", "/s/b.txt", "/s/c.txt"} << "/s/c.txt"
                                                    << QStringList{"/s/c.txt", "/s/a.txt", "/s/b.txt"};
        QTest::newRow("top stays the top") << QStringList{"/s/a.txt", "/s/b.txt"} << "/s/a.txt"
                                           << QStringList{"/s/a.txt", "/s/b.txt"};
        QTest::newRow("names differing in case are two files")
            << QStringList{"/s/A.txt"} << "/s/a.txt" << QStringList{"/s/a.txt", "/s/A.txt"};
        QTest::newRow("eleventh drops the oldest") << numbered(10, 1) << "/s/f11.txt" << numbered(11, 2);
        QTest::newRow("duplicate in a full list keeps ten")
            << numbered(10, 1) << "/s/f1.txt" << (QStringList{"/s/f1.txt"} + numbered(10, 2));
    }

    void withRecentFile()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, path);
        QFETCH(QStringList, expected);
        QCOMPARE(WithRecentFile(list, path), expected);
    }

    void load_data()
    {
        // Settings.ini as written by hand (no file when null) and the list read from it.
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("no file") << QByteArray() << QStringList{};
        QTest::newRow("no section") << QByteArray("[Window Metrics]\nLeft=1\n") << QStringList{};
        QTest::newRow("keys in order") << QByteArray("[Recent Files]\nFile1=/s/a.txt\nFile2=/s/b.txt\nFile3=/s/c.txt\n")
                                       << QStringList{"/s/a.txt", "/s/b.txt", "/s/c.txt"};
        QTest::newRow("numbers, not line order") << QByteArray("[Recent Files]\r\nFile2=/s/b.txt\r\nFile1=/s/a.txt\r\n")
                                                 << QStringList{"/s/a.txt", "/s/b.txt"};
        QTest::newRow("gaps and blanks skipped")
            << QByteArray("[Recent Files]\nFile1=/s/a.txt\nFile2=\nFile4=/s/d.txt\n") << QStringList{"/s/a.txt", "/s/d.txt"};
        QTest::newRow("a repeat read once")
            << QByteArray("[Recent Files]\nFile1=/s/a.txt\nFile2=/s/a.txt\nFile3=/s/b.txt\n") << QStringList{"/s/a.txt", "/s/b.txt"};
        QTest::newRow("blanks inside a path kept")
            << QByteArray("[Recent Files]\nFile1 = /home/u/NPC Tools/my shop.txt \n") << QStringList{"/home/u/NPC Tools/my shop.txt"};
        QByteArray eleven("[Recent Files]\n");
        for (int n = 1; n <= 11; ++n)
            eleven += "File" + QByteArray::number(n) + "=/s/f" + QByteArray::number(n) + ".txt\n";
        QTest::newRow("File11 is not read") << eleven << numbered(1, 10);
    }

    void load()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, expected);
        TempTree tree;
        if (!ini.isNull())
            tree.write("Data/Settings.ini", ini);
        QCOMPARE(LoadRecentFiles(tree.path("Data/Settings.ini")), expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::newRow("empty") << QStringList{};
        QTest::newRow("one") << QStringList{"/s/a.txt"};
        QTest::newRow("ten") << numbered(1, 10);
        QTest::newRow("blanks and accents") << QStringList{"/home/u/NPC Tools/café shop.txt", "/s/b.txt"};
    }

    // A saved list reads back the same, a shorter list leaves no old entries behind, and the
    // file's other sections stay.
    void roundTrip()
    {
        QFETCH(QStringList, files);
        TempTree tree;
        const QString ini = tree.write("Data/Settings.ini", "[Window Metrics]\nLeft=5\n");
        QVERIFY(SaveRecentFiles(numbered(21, 30), ini));
        QVERIFY(SaveRecentFiles(files, ini));
        QCOMPARE(LoadRecentFiles(ini), files);
        QCOMPARE(ReadIni("Window Metrics", "Left", "", ini), QStringLiteral("5"));
        QVERIFY(QFile::exists(ini));
        QCOMPARE(ReadIni("Recent Files", "File10", "default", ini), files.value(9));
    }

    void openAndSaveFillTheList()
    {
        Fixture f;
        const QString a = f.tree.write("a.txt", "A");
        const QString b = f.tree.write("b.txt", "B");
        QVERIFY(f.window.document()->OpenScriptFile(a, false));
        QVERIFY(f.window.document()->OpenScriptFile(b, false));
        QCOMPARE(f.stored(), QStringList({b, a}));
        // Saving the older one puts it back on top.
        f.dialogs.fileNames.enqueue(a);
        QVERIFY(f.window.document()->SaveScriptAs());
        QCOMPARE(f.stored(), QStringList({a, b}));
        // A failed open adds nothing.
        QVERIFY(!f.window.document()->OpenScriptFile(f.tree.path("gone.txt"), false));
        QCOMPARE(f.stored(), QStringList({a, b}));
    }

    void paneFollowsTheSelector()
    {
        TempTree tree;
        const QString a = tree.write("a.txt", "A");
        const QString b = tree.write("b.txt", "B");
        tree.write("Data/Settings.ini", "[Recent Files]\nFile1=" + b.toUtf8() + "\nFile2=" + a.toUtf8() + "\n");
        tree.write("one.prj", "[Project Information]\nEditor Version=1\nTotal Files=1\n[Project Files]\n001-File=FILENAME=/s/one.txt\n");
        ScriptedDialogs dialogs;
        MainWindow window(tree.paths(), dialogs);
        auto *selector = window.findChild<QComboBox *>("cboProject");
        auto *pane = window.findChild<QTreeWidget *>("lvwProject");
        const auto texts = [pane] {
            QStringList list;
            for (int i = 0; i < pane->topLevelItemCount(); ++i)
                list.append(pane->topLevelItem(i)->text(0));
            return list;
        };
        QVERIFY(window.projectCommands()->OpenProject(tree.path("one.prj")));
        QCOMPARE(texts(), QStringList{"one.txt"});

        selector->setCurrentIndex(0);
        QCOMPARE(selector->currentText(), QStringLiteral("Recent Files"));
        QCOMPARE(pane->headerItem()->text(0), QStringLiteral("Recent Files"));
        QCOMPARE(texts(), QStringList({"b.txt", "a.txt"}));
        QCOMPARE(pane->topLevelItem(0)->toolTip(0), b);
        // Opening a script while the list is shown puts it on top at once.
        QVERIFY(window.document()->OpenScriptFile(a, false));
        QCOMPARE(texts(), QStringList({"a.txt", "b.txt"}));

        selector->setCurrentIndex(1);
        QCOMPARE(pane->headerItem()->text(0), QStringLiteral("Project Files"));
        QCOMPARE(texts(), QStringList{"one.txt"});
    }

    void click_data()
    {
        // Whether the open script has unsaved changes, the answer to the question, whether the
        // clicked file still exists; then the questions asked, the text shown, the list after
        // ("*" for the clicked file), and the status text.
        QTest::addColumn<bool>("modified");
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("status");

        QTest::newRow("opens") << false << MsgBoxAnswer::None << true << 0 << "B" << QStringList{"*", "a.txt"}
                               << "The selected script has been loaded successfully.";
        QTest::newRow("unsaved, No: opens") << true << MsgBoxAnswer::No << true << 1 << "B" << QStringList{"*", "a.txt"}
                                            << "The selected script has been loaded successfully.";
        QTest::newRow("unsaved, closed: stays") << true << MsgBoxAnswer::None << true << 1 << "Atyped"
                                                << QStringList{"a.txt", "*"} << "";
        QTest::newRow("missing: removed") << false << MsgBoxAnswer::None << false << 0 << "A" << QStringList{"a.txt"}
                                          << "The file * no longer exists and has been removed from Recent Files.";
        QTest::newRow("missing, unsaved: no question") << true << MsgBoxAnswer::No << false << 0 << "Atyped"
                                                       << QStringList{"a.txt"}
                                                       << "The file * no longer exists and has been removed from Recent Files.";
    }

    // The list holds a.txt (open) and then b.txt; b.txt is clicked.
    void click()
    {
        QFETCH(bool, modified);
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(bool, exists);
        QFETCH(int, questions);
        QFETCH(QString, text);
        QFETCH(QStringList, after);
        QFETCH(QString, status);

        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QString a = f.tree.write("a.txt", "A");
        const QString b = f.tree.write("b.txt", "B");
        QVERIFY(f.window.document()->OpenScriptFile(b, false));
        QVERIFY(f.window.document()->OpenScriptFile(a, false));
        if (modified) {
            f.window.editControl()->setCursorPosition(0, 1);
            f.window.editControl()->insert("typed");
            f.window.document()->SetModified(true);
        }
        if (!exists)
            QVERIFY(QFile::remove(b));
        f.selector->setCurrentIndex(0);
        QCOMPARE(f.paneTexts(), QStringList({"a.txt", "b.txt"}));
        f.dialogs.msgBoxAnswers.enqueue(answer);
        f.window.SetStatusText(QString());

        QTreeWidgetItem *item = f.pane->topLevelItem(1);
        QTest::mouseClick(f.pane->viewport(), Qt::LeftButton, {}, f.pane->visualItemRect(item).center());

        QCOMPARE(f.dialogs.msgBoxRequests.size(), questions);
        QCOMPARE(f.window.editControl()->text(), text);
        QStringList expected = after;
        expected.replaceInStrings("*", "b.txt");
        QCOMPARE(f.paneTexts(), expected);
        QStringList stored = after;
        for (QString &name : stored)
            name = f.tree.path(name == "*" ? "b.txt" : name);
        QCOMPARE(f.stored(), stored);
        QCOMPARE(f.general(), QString(status).replace("*", b));
    }
};

QTEST_MAIN(TestRecentFiles)
#include "test_recent_files.moc"
