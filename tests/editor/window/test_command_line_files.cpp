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
    void opening_data();
    void opening();
};

void TestCommandLineFiles::opening_data()
{
    // Files named on the command line ("missing" ones are not written), the script then open
    // ("" for none), its text, and the start of the status text.
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("status");

    QTest::newRow("no file") << QStringList{} << "" << "" << "Welcome to the Quillmere ...";
    QTest::newRow("relative path") << QStringList{"./guard.txt"} << "guard.txt" << "guard script"
                                   << "The selected script has been loaded successfully.";
    QTest::newRow("one file") << QStringList{"guard.txt"} << "guard.txt" << "guard script"
                              << "The selected script has been loaded successfully.";
    QTest::newRow("a missing file") << QStringList{"missing.txt"} << "" << ""
                                    << "There was an error trying to open the selected file: ";
    QTest::newRow("two files") << QStringList{"guard.txt", "shop.txt"} << "guard.txt" << "guard script"
                               << "Only one script is open at a time: 1 more file(s) not opened.";
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
    // Given as a file manager does, and from a terminal in the scripts' folder.
    QStringList arguments{"Quillmere"};
    for (const QString &name : names)
        arguments.append(name.startsWith("./") ? name : "file://" + tree.path("scripts/" + name));
    const QString working = QDir::currentPath();
    QDir::setCurrent(tree.path("scripts"));
    const QStringList files = CommandLineFiles(arguments);
    QDir::setCurrent(working);

    const bool result = OpenCommandLineFiles(*window.document(), files,
                                             [&window](const QString &line) { window.setStatusText(line); });
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
