// Tests of quillcheck as a user runs it: its output lines and exit statuses.
#include <QtTest>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class TestQuillcheck : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    void write(const QString &name, const QByteArray &bytes)
    {
        QDir(m_folder.path()).mkpath(QFileInfo(name).path());
        QFile file(m_folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private Q_SLOTS:
    void initTestCase();
    void run_data();
    void run();
};

void TestQuillcheck::initTestCase()
{
    QVERIFY(m_folder.isValid());
    write("good.txt", "-\tscript\tGood\t-1,{\n\tmes \"Hi\";\nL_A:\n\tgoto L_A;\n}\n");
    write("bad.txt", "-\tscript\tBad\t-1,{\n\tmes \"Hi\"\n\tclose;\n}\n");
    // é in Windows-1252 is one byte, in the UTF-8 the editor holds two, and one character.
    write("sub/latin.txt", "-\tscript\tLatin\t-1,{\n\tmes \"\xe9\"; goto L_No;\n}\n");
    write("sub/unknown.txt", "-\tscript\tOdd\t-1,{\n\tfrobnicate;\n}\n");
    write("sub/readme.txt", "Change log\n{{{ not a script\n");
    write("notes.md", "{{{");
    write("calls/caller.txt", "-\tscript\tCaller\t-1,{\n\tcallfunc \"F_There\";\n\tEnd;\n}\n");
    write("calls/callee.txt", "function\tscript\tF_There\t{\n\treturn;\n}\n");
    write("mine.profile", "name = Mine\n[headers]\nscript script body\n[commands]\nfrobnicate -\n");
    write("athena.conf", "// the server's list\nnpc: sub/unknown.txt\nnpc: good.txt\ndelnpc: good.txt\nnpc: gone.txt\nnpc: gone.txt\n"
                         "npc: big.script\n");
    write("lists/main.conf", "npc_global_list: (\n\t\"calls/caller.txt\",\n@include \"lists/more.conf\"\n)\n"
                             "npc_removed_list: (\n\t\"good.txt\",\n)\n");
    write("lists/more.conf", "\"calls/callee.txt\",\n//\"bad.txt\",\n\"good.txt\",\n");
    // Several MB, for a set that fills much of the heap quillcheck takes in large pages: the fault
    // on its last line is still found. Not named .txt, which a folder's check would take.
    write("big.script", "-\tscript\tBig\t-1,{\n" + QByteArray("\tmes \"Hi\";\n").repeated(800000) + "\tfrobnicate;\n}\n");
    // A link to nothing cannot be read, whoever runs the test.
    QVERIFY(QFile::link(m_folder.filePath("missing/none.txt"), m_folder.filePath("unreadable.txt")));
}

void TestQuillcheck::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("output");   // "@" stands for the folder, where quillcheck runs
    QTest::addColumn<QStringList>("errors");   // the start of each line on stderr
    const QString noLabel = "@/sub/latin.txt:2:16: warning: Label 'L_No' is not defined in this block [no-label]";
    const QString unknown = "@/sub/unknown.txt:2:2: error: Unknown command 'frobnicate' [unknown-command]";
    QTest::newRow("folder") << QStringList{"@"} << 2
        << QStringList{"@/bad.txt:2:6: error: ';' is missing after this [no-semicolon]", noLabel, unknown}
        << QStringList{"@/unreadable.txt: "};
    QTest::newRow("verbose names the files skipped") << QStringList{"--verbose", "@/sub"} << 1 << QStringList{noLabel, unknown}
        << QStringList{"@/sub/readme.txt: skipped, no header line", "2 files, 6 lines checked"};
    QTest::newRow("good file") << QStringList{"@/good.txt"} << 0 << QStringList{} << QStringList{};
    QTest::newRow("files checked as one set") << QStringList{"@/calls/caller.txt"} << 1
        << QStringList{"@/calls/caller.txt:2:11: warning: No checked file defines the function 'F_There' [no-function]"}
        << QStringList{};
    QTest::newRow("server whose names ignore case") << QStringList{"--server", "eathena", "@/calls"} << 0
        << QStringList{} << QStringList{};
    QTest::newRow("no such server") << QStringList{"--server", "mine", "@/good.txt"} << 2 << QStringList{}
        << QStringList{"quillcheck: no profile for server 'mine'"};
    QTest::newRow("own profile") << QStringList{"--profile", "@/mine.profile", "@/sub/unknown.txt"} << 0
        << QStringList{} << QStringList{};
    QTest::newRow("json") << QStringList{"--format", "json", "@/bad.txt"} << 1
        << QStringList{"[", "{\"path\":\"@/bad.txt\",\"line\":2,\"column\":6,\"endColumn\":10,\"severity\":\"error\","
                            "\"code\":\"no-semicolon\",\"message\":\"';' is missing after this\"}", "]"}
        << QStringList{};
    QTest::newRow("json of nothing") << QStringList{"--format", "json", "@/good.txt"} << 0 << QStringList{"[]"}
        << QStringList{};
    QTest::newRow("athena load list") << QStringList{"--load-list", "athena.conf"} << 2
        << QStringList{"sub/unknown.txt:2:2: error: Unknown command 'frobnicate' [unknown-command]",
                       "big.script:800002:2: error: Unknown command 'frobnicate' [unknown-command]"}
        << QStringList{"gone.txt: listed but not found"};
    QTest::newRow("hercules load list") << QStringList{"--server", "hercules", "--load-list", "lists/main.conf"} << 1
        << QStringList{"calls/caller.txt:3:2: error: Unknown command 'End' [unknown-command]"} << QStringList{};
    QTest::newRow("no unknown commands") << QStringList{"--no-unknown", "@/sub/unknown.txt"} << 0
        << QStringList{} << QStringList{};
    QTest::newRow("no files") << QStringList{} << 2 << QStringList{} << QStringList{"usage: quillcheck", " "};
    QTest::newRow("help") << QStringList{"--help", "@/bad.txt"} << 0
        << QStringList{"usage: quillcheck [--server eathena|rathena|hercules] [--profile FILE] [--load-list FILE]",
                       "                  [--format text|json] [--no-unknown] [--verbose] [--jobs N] [FILE_OR_FOLDER...]"}
        << QStringList{};
    QTest::newRow("unknown option") << QStringList{"--fast", "@/good.txt"} << 2 << QStringList{}
        << QStringList{"quillcheck: unknown option --fast", "usage: quillcheck", " "};
}

void TestQuillcheck::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, output);
    QFETCH(QStringList, errors);
    arguments.replaceInStrings(QStringLiteral("@"), m_folder.path());
    output.replaceInStrings(QStringLiteral("@"), m_folder.path());
    errors.replaceInStrings(QStringLiteral("@"), m_folder.path());

    QProcess process;
    process.setWorkingDirectory(m_folder.path());
    process.start(QStringLiteral(QUILLCHECK_PATH), arguments);
    QVERIFY(process.waitForFinished(30000));
    const QStringList printed = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    const QStringList complaints = QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(printed, output);
    QCOMPARE(complaints.size(), errors.size());
    for (int i = 0; i < errors.size(); ++i)
        QVERIFY2(complaints[i].startsWith(errors[i]), qPrintable(complaints[i]));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
}

QTEST_GUILESS_MAIN(TestQuillcheck)
#include "test_quillcheck.moc"
