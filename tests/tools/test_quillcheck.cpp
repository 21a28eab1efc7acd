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
    // é in Windows-1252 is one byte, in the UTF-8 the editor holds two: the column shows which.
    write("sub/latin.txt", "-\tscript\tLatin\t-1,{\n\tmes \"\xe9\"; goto L_No;\n}\n");
    write("sub/unknown.txt", "-\tscript\tOdd\t-1,{\n\tfrobnicate;\n}\n");
    write("notes.md", "{{{");
    // A link to nothing cannot be read, whoever runs the test.
    QVERIFY(QFile::link(m_folder.filePath("missing/none.txt"), m_folder.filePath("unreadable.txt")));
}

void TestQuillcheck::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("output");   // "@" stands for the folder
    QTest::addColumn<QStringList>("errors");   // the start of each line on stderr
    QTest::newRow("folder") << QStringList{"@"} << 2
        << QStringList{"@/bad.txt:2:6: ';' is missing after this",
                       "@/sub/latin.txt:2:17: Label 'L_No' is not defined in this block",
                       "@/sub/unknown.txt:2:2: Unknown command 'frobnicate'"}
        << QStringList{"@/unreadable.txt: "};
    QTest::newRow("good file") << QStringList{"@/good.txt"} << 0 << QStringList{} << QStringList{};
    QTest::newRow("bad file") << QStringList{"@/bad.txt", "@/good.txt"} << 1
        << QStringList{"@/bad.txt:2:6: ';' is missing after this"} << QStringList{};
    QTest::newRow("no unknown commands") << QStringList{"--no-unknown", "@/sub/unknown.txt"} << 0
        << QStringList{} << QStringList{};
    QTest::newRow("no files") << QStringList{} << 2 << QStringList{} << QStringList{"usage: quillcheck"};
    QTest::newRow("unknown option") << QStringList{"--fast", "@/good.txt"} << 2 << QStringList{}
        << QStringList{"quillcheck: unknown option --fast", "usage: quillcheck"};
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
