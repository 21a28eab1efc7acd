// The Project menu in the main window: new, open, close, the settings dialog and the project pane.
#include <QFile>
#include <QTreeWidget>
#include <QtTest>

#include "edit_control.h"
#include "main_window.h"
#include "menu_items.h"
#include "project_commands.h"
#include "project_settings_dialog.h"
#include "scripted_dialogs.h"
#include "status_bar.h"
#include "temp_tree.h"

class TestProjectCommands : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        TempTree tree;
        ScriptedDialogs dialogs;
        MainWindow window{tree.paths(), dialogs, ProgramVersion{0, 10, 26}};
        ProjectCommands &projects = *window.projectCommands();
        QTreeWidget *pane = window.findChild<QTreeWidget *>("lvwProject");

        // A project of three: two scripts in the tree (one listed with a stale FILEPART) and a
        // Windows path; and a project of one.
        Fixture()
        {
            tree.write("a.txt", "mes \"A\";");
            tree.write("b.txt", "mes \"B\";");
            tree.write("three.prj", "[Project Information]\r\nEditor Version=0100026\r\nTotal Files=3\r\n[Project Files]\r\n"
                                    "001-File=FILENAME=" + tree.path("a.txt").toUtf8() + "\xAC" "FILEPART=stale\r\n"
                                    "002-File=FILENAME=" + tree.path("b.txt").toUtf8() + "\xAC" "FILEPART=\r\n"
                                    "003-File=FILENAME=C:\\npc\\shop.txt\xAC" "FILEPART=\r\n");
            tree.write("one.prj", "[Project Information]\nEditor Version=1\nTotal Files=1\n[Project Files]\n001-File=FILENAME=/s/one.txt\n");
            tree.write("script.txt", "prontera,150,150,4\tscript\tKafra\t117,{\r\n");
        }
        QString general() const { return window.statusPanels()->generalText(); }
        void trigger(const char *name) const { menuItem(window, name)->trigger(); }
        bool menusEnabled() const
        {
            return menuItem(window, "mCLOSEPROJECT")->isEnabled() && menuItem(window, "mPROJECTPROPERTIES")->isEnabled();
        }
        void open(const char *file)
        {
            dialogs.fileNames.enqueue(tree.path(file));
            trigger("mOPENPROJECT");
        }
        QStringList paneTexts() const
        {
            QStringList texts;
            for (int i = 0; i < pane->topLevelItemCount(); ++i)
                texts.append(pane->topLevelItem(i)->text(0));
            return texts;
        }
        void click(const char *button) const
        {
            QTest::mouseClick(projects.settingsDialog()->findChild<QWidget *>(button), Qt::LeftButton);
        }
    };

private Q_SLOTS:
    void newProject_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("Test") << "Test" << "Test.prj";
        QTest::newRow("Test.PRJ") << "Test.PRJ" << "Test.PRJ";
        QTest::newRow("cancelled") << "" << "";
    }

    // Always over an open project and a modified script; the new project is then left unsaved.
    void newProject()
    {
        QFETCH(QString, name);
        QFETCH(QString, path);
        Fixture f;
        f.open("three.prj");
        f.window.editControl()->replaceSelectedText("typed");
        f.dialogs.fileNames.enqueue(name.isEmpty() ? name : f.tree.path(name));
        f.dialogs.msgBoxAnswers.enqueue(MsgBoxAnswer::No);
        f.trigger("mNEWPROJECT");
        QCOMPARE(f.dialogs.fileRequests.last().title, QStringLiteral("Enter filename for new Project file.."));
        QVERIFY(f.dialogs.fileRequests.last().save);
        QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
        QVERIFY(f.window.editControl()->text().isEmpty());
        QCOMPARE(f.projects.projectPath(), path.isEmpty() ? path : f.tree.path(path));
        QCOMPARE(f.menusEnabled(), !path.isEmpty());
        QCOMPARE(f.pane->topLevelItemCount(), 0);
        QCOMPARE(f.projects.settingsDialog() != nullptr, !path.isEmpty());
        if (path.isEmpty()) {
            QCOMPARE(f.general(), QStringLiteral("The current project has been closed."));
            return;
        }
        QVERIFY(f.projects.settingsDialog()->isVisible());
        f.click("cmdCancelChanges");
        f.trigger("mCLOSEPROJECT");
        QVERIFY(!f.menusEnabled());
        QVERIFY(!QFile::exists(f.tree.path(path)));
    }

    void unsavedChanges_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<QString>("pathAfter");
        QTest::addColumn<QString>("textAfter");
        for (const char *command : {"mCLOSEPROJECT", "mNEWPROJECT", "mOPENPROJECT", "click"})
            QTest::newRow(qPrintable(QStringLiteral("%1, not saved").arg(command)))
                << command << MsgBoxAnswer::Yes << "three.prj" << "typed";
        QTest::newRow("mCLOSEPROJECT, no") << "mCLOSEPROJECT" << MsgBoxAnswer::No << "" << "";
        QTest::newRow("mNEWPROJECT, no") << "mNEWPROJECT" << MsgBoxAnswer::No << "new.prj" << "";
        QTest::newRow("mOPENPROJECT, no") << "mOPENPROJECT" << MsgBoxAnswer::No << "one.prj" << "";
        QTest::newRow("click, no") << "click" << MsgBoxAnswer::No << "three.prj" << "mes \"B\";";
        QTest::newRow("Enter key, no") << "enter" << MsgBoxAnswer::No << "three.prj" << "mes \"B\";";
    }

    // Yes with a cancelled name leaves the changes unsaved, which stops the command.
    void unsavedChanges()
    {
        QFETCH(QString, command);
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(QString, pathAfter);
        QFETCH(QString, textAfter);
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.open("three.prj");
        QCOMPARE(f.general(), QStringLiteral("The selected project file contained 3 files."));
        QCOMPARE(f.paneTexts(), QStringList({"a.txt", "b.txt", "shop.txt"}));
        f.window.editControl()->replaceSelectedText("typed");
        f.dialogs.msgBoxAnswers.enqueue(answer);
        QTreeWidgetItem *second = f.pane->topLevelItem(1);
        if (command == QLatin1String("click")) {
            QTest::mouseClick(f.pane->viewport(), Qt::LeftButton, {}, f.pane->visualItemRect(second).center());
        } else if (command == QLatin1String("enter")) {
            f.pane->setCurrentItem(second);
            f.pane->setFocus();
            QTest::keyClick(f.pane, Qt::Key_Return);
        } else {
            if (command != QLatin1String("mCLOSEPROJECT"))
                f.dialogs.fileNames.enqueue(f.tree.path(command == QLatin1String("mNEWPROJECT") ? "new" : "one.prj"));
            f.trigger(qPrintable(command));
        }
        QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
        QCOMPARE(f.projects.projectPath(), pathAfter.isEmpty() ? pathAfter : f.tree.path(pathAfter));
        QCOMPARE(f.window.editControl()->text(), textAfter);
        if (textAfter.startsWith(QLatin1String("mes")))
            QCOMPARE(f.general(), QStringLiteral("The selected script has been loaded successfully."));
    }

    void saveCancelAndReopen()
    {
        Fixture f;
        f.dialogs.fileNames << f.tree.path("game") << "/s/a.txt" << "C:\\npc\\b.txt" << "/s/c d.txt";
        f.trigger("mNEWPROJECT");
        for (int i = 0; i < 3; ++i)
            f.click("cmdAddFile");
        f.click("cmdSaveChanges");
        const QByteArray saved = "[Project Information]\r\nEditor Version=0100026\r\nTotal Files=3\r\n\r\n[Project Files]\r\n"
                                 "001-File=FILENAME=/s/a.txt\xC2\xAC" "FILEPART=a.txt\r\n"
                                 "002-File=FILENAME=C:\\npc\\b.txt\xC2\xAC" "FILEPART=b.txt\r\n"
                                 "003-File=FILENAME=/s/c d.txt\xC2\xAC" "FILEPART=c d.txt\r\n";
        QCOMPARE(f.tree.read("game.prj"), saved);
        QCOMPARE(f.paneTexts(), QStringList({"a.txt", "b.txt", "c d.txt"}));
        QTRY_VERIFY(!f.projects.settingsDialog());

        // Cancel takes back a file added in the dialog.
        f.dialogs.fileNames << "/s/extra.txt";
        f.trigger("mPROJECTPROPERTIES");
        f.click("cmdAddFile");
        f.click("cmdCancelChanges");
        QCOMPARE(f.projects.projectFiles().size(), 3);
        f.trigger("mPROJECTPROPERTIES");
        QCOMPARE(f.projects.settingsDialog()->fileNames(), QStringList({"/s/a.txt", "C:\\npc\\b.txt", "/s/c d.txt"}));
        f.click("cmdCancelChanges");
        QCOMPARE(f.tree.read("game.prj"), saved);

        f.trigger("mCLOSEPROJECT");
        f.open("game.prj");
        QCOMPARE(f.general(), QStringLiteral("The selected project file contained 3 files."));
        QCOMPARE(f.paneTexts(), QStringList({"a.txt", "b.txt", "c d.txt"}));
        QCOMPARE(f.dialogs.fileRequests.last().title, QStringLiteral("Select project file to open.."));

        // Not a project file: refused, and the open project stays.
        f.open("script.txt");
        QCOMPARE(f.general(), QStringLiteral("The selected file was not a valid Quillmere project file."));
        QCOMPARE(f.projects.projectPath(), f.tree.path("game.prj"));
        QCOMPARE(f.paneTexts(), QStringList({"a.txt", "b.txt", "c d.txt"}));
    }

    void failedSaveIsReported()
    {
        Fixture f;
        f.dialogs.fileNames << f.tree.path("missing/game") << "/s/a.txt";
        f.trigger("mNEWPROJECT");
        f.click("cmdAddFile");
        f.click("cmdSaveChanges");
        const QString text = QStringLiteral("The project file could not be saved: The folder for the file does not exist.");
        QCOMPARE(f.general(), text);
        QCOMPARE(f.dialogs.msgBoxRequests.last().text, text);
        QCOMPARE(f.dialogs.msgBoxRequests.last().title, QStringLiteral("Project not saved.."));
        QVERIFY(f.projects.settingsDialog()->isVisible());
        QVERIFY(f.projects.projectFiles().isEmpty());
        QCOMPARE(f.pane->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(TestProjectCommands)
#include "test_project_commands.moc"
