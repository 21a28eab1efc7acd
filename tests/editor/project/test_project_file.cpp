// Project files without a window: entries, the written bytes, round trips and damaged files.
#include <QFile>
#include <QtTest>

#include "ini.h"
#include "project_file.h"
#include "temp_tree.h"

namespace {
const ProgramVersion ThisBuild{0, 10, 26};

QStringList numberedPaths(int count)
{
    QStringList paths;
    for (int i = 1; i <= count; ++i)
        paths.append(QStringLiteral("/s/%1.txt").arg(i));
    return paths;
}
} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entry_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("entry");
        QTest::newRow("Linux path") << "/home/ann/shop.txt" << "FILENAME=/home/ann/shop.txt\u00ACFILEPART=shop.txt";
        QTest::newRow("Windows path") << "C:\\scripts\\shop.txt" << "FILENAME=C:\\scripts\\shop.txt\u00ACFILEPART=shop.txt";
        QTest::newRow("\"/\" wins over \"\\\"") << "/mnt/a\\b.txt" << "FILENAME=/mnt/a\\b.txt\u00ACFILEPART=a\\b.txt";
        QTest::newRow("no separator") << "shop.txt" << "FILENAME=shop.txt\u00ACFILEPART=";
    }

    void entry()
    {
        QFETCH(QString, path);
        QFETCH(QString, entry);
        QCOMPARE(projectEntryText(projectEntry(path)), entry);
        QCOMPARE(projectEntry(path).fileName, path);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QByteArray>("line");   // one line the file must hold
        QTest::newRow("0") << QStringList() << QByteArray("]\r\nEditor Version=0100026\r\nTotal Files=0\r\n");
        QTest::newRow("1") << numberedPaths(1) << QByteArray("\r\n001-File=FILENAME=/s/1.txt\xC2\xAC" "FILEPART=1.txt\r\n");
        QTest::newRow("12") << numberedPaths(12) << QByteArray("\r\n012-File=FILENAME=/s/12.txt\xC2\xAC" "FILEPART=12.txt\r\n");
        QTest::newRow("1000") << numberedPaths(1000) << QByteArray("\r\n1000-File=FILENAME=/s/1000.txt\xC2\xAC" "FILEPART=1000.txt\r\n");
        QTest::newRow("odd names") << QStringList{"shop.txt", " /a b/c d.txt ", "/\u00FCber/\u00E9t\u00E9 \u4E2D.txt", "/x/a=b=c", ""}
                                   << QByteArray("\r\n002-File=FILENAME= /a b/c d.txt \xC2\xAC" "FILEPART=c d.txt \r\n");
    }

    // Written whole, read back through the INI layer; the same bytes as key by key.
    void roundTrip()
    {
        QFETCH(QStringList, paths);
        QFETCH(QByteArray, line);
        TempTree tree;
        QList<ProjectEntry> entries;
        for (const QString &path : paths)
            entries.append(projectEntry(path));
        QVERIFY(saveProjectFile(tree.path("p.prj"), entries, ThisBuild));
        QVERIFY(tree.read("p.prj").contains(line));
        QCOMPARE(tree.read("p.prj").contains("[Project Files]"), !paths.isEmpty());
        const auto contents = readProjectFile(tree.path("p.prj"));
        QVERIFY(contents);
        QCOMPARE(contents->totalFiles, paths.size());
        QCOMPARE(contents->fileNames, paths);

        const QString byKeys = tree.path("keys.prj");
        WriteIni("Project Information", "Editor Version", "0100026", byKeys);
        WriteIni("Project Information", "Total Files", QString::number(paths.size()), byKeys);
        for (int i = 0; i < entries.size(); ++i)
            WriteIni("Project Files", projectEntryKey(i + 1), projectEntryText(entries.at(i)), byKeys);
        QCOMPARE(tree.read("p.prj"), tree.read("keys.prj"));
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("total");
        QTest::addColumn<QStringList>("fileNames");
        const QByteArray info = "[Project Information]\r\nEditor Version=0100026\r\n";
        QTest::newRow("Windows-1252, CR LF") << info + "Total Files=2\r\n\r\n[Project Files]\r\n"
            "001-File=FILENAME=C:\\Scripts\\Caf\xE9.txt\xAC" "FILEPART=Caf\xE9.txt\r\n"
            "002-File=FILENAME=D:\\npc\\shop.txt\xAC" "FILEPART=stale.txt\r\n"
            << true << 2 << QStringList{"C:\\Scripts\\Caf\u00E9.txt", "D:\\npc\\shop.txt"};
        QTest::newRow("LF only, keys in other case, first of two wins") << QByteArray(
            "[project information]\neditor version=7\ntotal files=1\n[PROJECT FILES]\n001-FILE=FILENAME=/a\n001-File=FILENAME=/b\n")
            << true << 1 << QStringList{"/a"};
        QTest::newRow("missing entry key") << info + "Total Files=3\r\n[Project Files]\r\n001-File=FILENAME=/a\r\n003-File=FILENAME=/c\r\n"
            << true << 3 << QStringList{"/a", "", "/c"};
        QTest::newRow("Total Files not a number") << info + "Total Files=many\r\n[Project Files]\r\n001-File=FILENAME=/a\r\n"
            << true << 0 << QStringList();
        QTest::newRow("Total Files negative") << info + "Total Files=-2\r\n" << true << 0 << QStringList();
        QTest::newRow("no Editor Version") << QByteArray("[Project Information]\r\nTotal Files=1\r\n") << false << 0 << QStringList();
        QTest::newRow("Editor Version 0") << QByteArray("[Project Information]\r\nEditor Version=0\r\n") << false << 0 << QStringList();
        QTest::newRow("Editor Version letters") << QByteArray("[Project Information]\r\nEditor Version=v1\r\n") << false << 0 << QStringList();
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(int, total);
        QFETCH(QStringList, fileNames);
        TempTree tree;
        const auto contents = readProjectFile(tree.write("p.prj", bytes));
        QCOMPARE(bool(contents), valid);
        if (contents) {
            QCOMPARE(contents->totalFiles, total);
            QCOMPARE(contents->fileNames, fileNames);
        }
    }

    void refusedWrites_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        QTest::newRow("line break") << "/a\nb" << "A file name holds a line break, which a project file cannot keep: /a\nb";
        QTest::newRow("separator in name") << "/a\u00ACb" << "A file name holds \u00AC, which a project file cannot keep: /a\u00ACb";
    }

    void refusedWrites()
    {
        QFETCH(QString, path);
        QFETCH(QString, error);
        TempTree tree;
        const FileResult result = saveProjectFile(tree.path("p.prj"), {projectEntry(path)}, ThisBuild);
        QCOMPARE(result.error, error);
        QVERIFY(!QFile::exists(tree.path("p.prj")));
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "test_project_file.moc"
