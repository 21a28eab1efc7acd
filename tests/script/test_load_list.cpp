// Tests of reading the lists of script files a server loads, in both families' formats.
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "load_list.h"

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestLoadList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void read_data();
    void read();
};

// Entries as "kind path@line": + added, - removed, * all removed, < included.
void TestLoadList::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("entries");
    const int athena = int(LoadListFormat::Athena);
    const int hercules = int(LoadListFormat::Hercules);
    const int guess = int(LoadListFormat::Guess);
    QTest::newRow("athena lines") << QByteArray("// scripts\nnpc: npc/a.txt\r\nNPC : npc/b.txt // why\ndelnpc: npc/a.txt\n"
                                                "import: conf/more.txt\ndelnpc: all\nmap: prontera\n")
        << athena << QStringList{"+npc/a.txt@2", "+npc/b.txt@3", "-npc/a.txt@4", "<conf/more.txt@5", "*all@6"};
    QTest::newRow("athena commented out") << QByteArray("//npc: npc/a.txt\nnpc:\n") << athena << QStringList{};
    QTest::newRow("hercules lists") << QByteArray(
        "// the list\n@include \"npc/removed.conf\"\nnpc_global_list: (\n\t\"npc/a.txt\",\n\t//\"npc/off.txt\",\n"
        "/* \"npc/gone.txt\",\n*/\t\"npc/b.txt\"\n) // end\nnpc_removed_list: (\n\t\"npc/a.txt\",\n\t\"all\"\n)\n"
        "other_list: ( \"npc/not.txt\" )\n")
        << hercules
        << QStringList{"<npc/removed.conf@2", "+npc/a.txt@4", "+npc/b.txt@7", "-npc/a.txt@10", "*all@11"};
    QTest::newRow("guessed hercules") << QByteArray("npc_global_list: ( \"x.txt\" )\n") << guess << QStringList{"+x.txt@1"};
    QTest::newRow("guessed athena") << QByteArray("npc: x.txt\n") << guess << QStringList{"+x.txt@1"};
}

void TestLoadList::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(int, format);
    QFETCH(QStringList, entries);
    QStringList found;
    for (const LoadListEntry &entry : ParseLoadList(text.toStdString(), LoadListFormat(format))) {
        const char *kind = entry.kind == LoadListEntry::Add ? "+" : entry.kind == LoadListEntry::Remove ? "-"
            : entry.kind == LoadListEntry::RemoveAll ? "*" : "<";
        found << QStringLiteral("%1%2@%3").arg(QLatin1String(kind), entry.path).arg(entry.line);
    }
    QCOMPARE(found, entries);
}

void TestLoadList::read_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("missing");
    QTest::newRow("athena with an import") << "conf/main.txt" << QStringList{"npc/b.txt", "npc/c.txt"}
                                           << QStringList{"npc/none.txt"};
    // An included file's paths belong to the list open where it is included.
    QTest::newRow("hercules includes inside a list") << "npc/main.conf" << QStringList{"npc/c.txt", "npc/b.txt"}
                                                     << QStringList{};
    QTest::newRow("includes that loop") << "npc/loop.conf" << QStringList{"npc/a.txt"} << QStringList{};
}

void TestLoadList::read()
{
    QFETCH(QString, list);
    QFETCH(QStringList, files);
    QFETCH(QStringList, missing);
    QTemporaryDir base;
    for (const char *name : {"npc/a.txt", "npc/b.txt", "npc/c.txt"})
        write(base.filePath(name), "-\tscript\tX\t-1,{ end; }\n");
    write(base.filePath("conf/main.txt"), "npc: npc/a.txt\nnpc: npc/b.txt\nimport: conf/more.txt\ndelnpc: npc/a.txt\n"
                                          "npc: npc/none.txt\nnpc: npc/none.txt\n");
    write(base.filePath("conf/more.txt"), "npc: npc/c.txt\n");
    write(base.filePath("npc/main.conf"), "@include \"npc/removed.conf\"\nnpc_global_list: (\n\"npc/a.txt\",\n"
                                          "@include \"npc/more.conf\"\n)\n");
    write(base.filePath("npc/more.conf"), "\"npc/c.txt\",\n\"npc/b.txt\",\n");
    write(base.filePath("npc/removed.conf"), "npc_removed_list: (\n\"npc/a.txt\",\n)\n");
    write(base.filePath("npc/loop.conf"), "npc_global_list: (\n\"npc/a.txt\",\n@include \"npc/loop.conf\"\n)\n");

    const LoadList read = ReadLoadList(list, LoadListFormat::Guess, base.path());
    QStringList relative;
    for (const QString &file : read.files)
        relative << QDir(base.path()).relativeFilePath(file);
    QCOMPARE(relative, files);
    QCOMPARE(read.missing, missing);
    QVERIFY(read.errors.isEmpty());
}

QTEST_GUILESS_MAIN(TestLoadList)
#include "test_load_list.moc"
