// wProject: its layout, the enabling rule, Add File, Remove Selected and Clear All.
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "project_settings_dialog.h"
#include "scripted_dialogs.h"
#include "twips.h"

class TestProjectSettings : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        ScriptedDialogs dialogs;
        ProjectSettingsDialog dialog{dialogs};
        QTreeWidget *files = dialog.findChild<QTreeWidget *>("lvwFiles");

        QPushButton *button(const char *name) const { return dialog.findChild<QPushButton *>(name); }
        void click(const char *name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    };

private Q_SLOTS:
    void layout()
    {
        Fixture f;
        QCOMPARE(f.dialog.objectName(), QStringLiteral("wProject"));
        QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Project Settings"));
        QCOMPARE(f.dialog.size(), QSize(432, 374));
        QCOMPARE(f.files->geometry(), QRect(4, 73, 425, 229));
        QCOMPARE(f.button("cmdCancelChanges")->geometry(), QRect(321, 345, 105, 24));
        QCOMPARE(f.files->headerItem()->text(0), QStringLiteral("Project Files"));
        const QString header = f.dialog.findChild<QLabel *>("labHeader")->text();
        QVERIFY(header.startsWith(QStringLiteral("The scripts of this project.")));
        QVERIFY(!header.contains(QLatin1Char('[')));
        QCOMPARE(f.dialog.findChild<QLabel *>("imgHeader")->pixmap().size(), QSize(48, 48));
        // Heard by caption, reached by Tab in reading order.
        const QStringList heard = {"Project files", "Add File", "Remove Selected", "Clear All", "Save Changes",
                                   "Cancel Changes"};
        f.dialog.load({"/s/a"});
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.files->setFocus();
        for (const QString &name : heard) {
            QWidget *focus = QApplication::focusWidget();
            QCOMPARE(QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name), name);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
    }

    void editing_data()
    {
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("after");
        const QStringList four = {"/s/a", "/s/b", "/s/c", "/s/d"};
        QTest::newRow("empty list, nothing to remove") << QStringList() << QList<int>() << "cmdClearAll" << "" << QStringList();
        QTest::newRow("remove first and third") << four << QList<int>{0, 2} << "cmdRemoveSelected" << ""
                                                << QStringList{"/s/b", "/s/d"};
        QTest::newRow("remove the last ones") << four << QList<int>{1, 2, 3} << "cmdRemoveSelected" << "" << QStringList{"/s/a"};
        QTest::newRow("remove every item") << four << QList<int>{0, 1, 2, 3} << "cmdRemoveSelected" << "" << QStringList();
        QTest::newRow("remove, none selected") << four << QList<int>() << "cmdRemoveSelected" << "" << four;
        QTest::newRow("clear all") << four << QList<int>{1} << "cmdClearAll" << "" << QStringList();
        QTest::newRow("add to an empty list") << QStringList() << QList<int>() << "cmdAddFile" << "/s/x y.txt"
                                              << QStringList{"/s/x y.txt"};
        QTest::newRow("add a file twice") << QStringList{"/s/a"} << QList<int>() << "cmdAddFile" << "/s/a"
                                          << QStringList{"/s/a", "/s/a"};
        QTest::newRow("add cancelled") << QStringList() << QList<int>() << "cmdAddFile" << "" << QStringList();
    }

    // Real clicks, so a button the enabling rule switched off does nothing.
    void editing()
    {
        QFETCH(QStringList, loaded);
        QFETCH(QList<int>, selected);
        QFETCH(QString, button);
        QFETCH(QString, chosen);
        QFETCH(QStringList, after);
        Fixture f;
        f.dialog.load(loaded);
        for (int i : selected)
            f.files->topLevelItem(i)->setSelected(true);
        if (!chosen.isEmpty())
            f.dialogs.fileNames.enqueue(chosen);
        f.dialog.show();
        f.click(qPrintable(button));
        QCOMPARE(f.dialog.fileNames(), after);
        QCOMPARE(f.button("cmdRemoveSelected")->isEnabled(), !after.isEmpty());
        QCOMPARE(f.button("cmdClearAll")->isEnabled(), !after.isEmpty());
        if (button == QLatin1String("cmdAddFile")) {
            QCOMPARE(f.dialogs.fileRequests.size(), 1);
            QCOMPARE(f.dialogs.fileRequests.first().title, QStringLiteral("Select file to include into this project.."));
            QVERIFY(!f.dialogs.fileRequests.first().save);
        }
    }
};

QTEST_MAIN(TestProjectSettings)
#include "test_project_settings.moc"
