// Tests of the scripts named on the editor's command line: none, one, a missing one, several.
#include "command_line_files.h"
#include "document.h"
#include "edit_control.h"
#include "main_window.h"
#include "scripted_dialogs.h"
#include "status_bar.h"
#include "temp_tree.h"

#include <QDir>
#include <QtTest>

class TestCommandLineFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void arguments_data();
    void arguments();
    void opening_data();
    void opening();
};

void TestCommandLineFiles::arguments_data()
{
    // "W/" stands for the working folder.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("program only") << QStringList{"Quillmere"} << QStringList{};
    QTest::newRow("absolute path") << QStringList{"Quillmere", "/srv/npc/shop.txt"} << QStringList{"/srv/npc/shop.txt"};
    QTest::newRow("relative path") << QStringList{"Quillmere", "npc/guard.txt"} << QStringList{"W/npc/guard.txt"};
    QTest::newRow("file URL with a blank") << QStringList{"Quillmere", "file:///srv/my%20npc.txt"}
                                           << QStringList{"/srv/my npc.txt"};
    QTest::newRow("two files, empty argument skipped")
        << QStringList{"Quillmere", "/a.txt", "", "/b.txt"} << QStringList{"/a.txt", "/b.txt"};
}

void TestCommandLineFiles::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    for (QString &file : files)
        if (file.startsWith("W/"))
            file = QDir::currentPath() + "/" + file.mid(2);
    QCOMPARE(CommandLineFiles(arguments), files);
}

void TestCommandLineFiles::opening_data()
{
    // Files named on the command line ("missing" ones are not written), the script then open
    // ("" for none), its text, and the start of the status text.
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("status");

    QTest::newRow("no file") << QStringList{} << "" << "" << "Welcome to the Quillmere ...";
    QTest::newRow("one file") << QStringList{"guard.txt"} << "guard.txt" << "guard script"
                              << "The selected script has been loaded successfully.";
    QTest::newRow("a missing file") << QStringList{"missing.txt"} << "" << ""
                                    << "There was an error trying to open the selected file: ";
    QTest::newRow("two files") << QStringList{"guard.txt", "shop.txt"} << "guard.txt" << "guard script"
                               << "Only one script is open at a time: guard.txt was opened, 1 other file(s) were not.";
    QTest::newRow("three files") << QStringList{"shop.txt", "guard.txt", "missing.txt"} << "shop.txt" << "shop script"
                                 << "Only one script is open at a time: shop.txt was opened, 2 other file(s) were not.";
    QTest::newRow("two files, the first missing") << QStringList{"missing.txt", "guard.txt"} << "" << ""
                                                  << "There was an error trying to open the selected file: ";
}

void TestCommandLineFiles::opening()
{
    QFETCH(QStringList, names);
    QFETCH(QString, opened);
    QFETCH(QString, text);
    QFETCH(QString, status);

    TempTree tree;
    QVERIFY(tree.isValid());
    tree.write("scripts/guard.txt", "guard script");
    tree.write("scripts/shop.txt", "shop script");
    ScriptedDialogs dialogs;
    MainWindow window(tree.paths(), dialogs);
    QStringList arguments{"Quillmere"};
    for (const QString &name : names)
        arguments.append(tree.path("scripts/" + name));

    const bool result = OpenCommandLineFiles(*window.document(), CommandLineFiles(arguments),
                                             [&window](const QString &line) { window.SetStatusText(line); });
    QCOMPARE(result, !opened.isEmpty());
    QCOMPARE(window.document()->scriptFileName(), opened.isEmpty() ? QString() : tree.path("scripts/" + opened));
    QCOMPARE(window.editControl()->text(), text);
    QVERIFY(!window.document()->scriptModified());
    const QString shown = window.statusPanels()->generalText();
    QVERIFY2(shown.startsWith(status), qPrintable(shown));
    // No question was asked: the editor starts without a dialog.
    QVERIFY(dialogs.msgBoxRequests.isEmpty());
    QVERIFY(dialogs.fileRequests.isEmpty());
}

QTEST_MAIN(TestCommandLineFiles)
#include "test_command_line_files.moc"
