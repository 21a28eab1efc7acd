// Tests of ReadIni and WriteIni on files written by hand and on files they write themselves.
#include "ini.h"

#include "temp_tree.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <unistd.h>

namespace {

const QByteArray HandWritten =
    "Orphan=before any section\r\n"
    "; a comment line\r\n"
    "[Window Metrics]\r\n"
    "wMain X=1200\r\n"
    "  wMain Y   =   -60  \r\n"
    "wMain Width=\"9315\"\r\n"
    "wMain Height='6405'\r\n"
    "this line is malformed\r\n"
    "[Broken\r\n"
    "Quote=\"half\r\n"
    "Empty=\r\n"
    "Mixed=\"a'\r\n"
    "Inner=\"a\" b\"\r\n"
    "Dup=first\r\n"
    "dup=second\r\n"
    "Spaced = \" padded \" \r\n"
    ";Commented=yes\r\n"
    "\r\n"
    "[ Other ]\r\n"
    "wMain X=99\r\n"
    "[window metrics]\r\n"
    "Later=found in the repeated section\r\n";

} // namespace

class TestIni : public QObject
{
    Q_OBJECT

private slots:
    void readHandWritten_data();
    void readHandWritten();
    void readMissingFile();
    void readEncodings_data();
    void readEncodings();
    void readCutsLongValue();
    void readLineBreakStyles_data();
    void readLineBreakStyles();
    void writeReplacesInPlace();
    void writeEdits_data();
    void writeEdits();
    void writeKeepsLineBreaks_data();
    void writeKeepsLineBreaks();
    void writeCreatesFile();
    void writeWindows1252AsUtf8();
    void writeRoundTrip_data();
    void writeRoundTrip();
    void writeFailures();
    void writeRefusals_data();
    void writeRefusals();
    void writeReadOnlyFolder();
};

void TestIni::readHandWritten_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "Window Metrics" << "wMain X" << "1200";
    QTest::newRow("blanks around = and value") << "Window Metrics" << "wMain Y" << "-60";
    QTest::newRow("double quotes") << "Window Metrics" << "wMain Width" << "9315";
    QTest::newRow("single quotes") << "Window Metrics" << "wMain Height" << "6405";
    QTest::newRow("names ignore case") << "WINDOW METRICS" << "WMAIN x" << "1200";
    QTest::newRow("unmatched quote kept") << "Window Metrics" << "Quote" << "\"half";
    QTest::newRow("empty value is a value") << "Window Metrics" << "Empty" << "";
    QTest::newRow("mixed quotes kept") << "Window Metrics" << "Mixed" << "\"a'";
    QTest::newRow("outer quotes only") << "Window Metrics" << "Inner" << "a\" b";
    QTest::newRow("first duplicate wins") << "Window Metrics" << "Dup" << "first";
    QTest::newRow("first duplicate wins over case") << "Window Metrics" << "DUP" << "first";
    QTest::newRow("blanks inside quotes kept") << "Window Metrics" << "Spaced" << " padded ";
    QTest::newRow("commented key") << "Window Metrics" << "Commented" << "<default>";
    QTest::newRow("comment text") << "Window Metrics" << "; a comment line" << "<default>";
    QTest::newRow("malformed line") << "Window Metrics" << "this line is malformed" << "<default>";
    QTest::newRow("blanks in header") << "Other" << "wMain X" << "99";
    QTest::newRow("repeated section") << "Window Metrics" << "Later" << "found in the repeated section";
    QTest::newRow("key outside sections") << "" << "Orphan" << "<default>";
    QTest::newRow("missing section") << "Definition" << "wMain X" << "<default>";
    QTest::newRow("missing key") << "Window Metrics" << "wMain Z" << "<default>";
    QTest::newRow("malformed header") << "Broken" << "Quote" << "<default>";
}

void TestIni::readHandWritten()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TempTree tree;
    const QString file = tree.write("Data/Settings.ini", HandWritten);
    QCOMPARE(ReadIni(section, key, "<default>", file), expected);
}

void TestIni::readMissingFile()
{
    TempTree tree;
    QCOMPARE(ReadIni("Window Metrics", "wMain X", "7", tree.path("Data/Settings.ini")), QString("7"));
    QCOMPARE(ReadIni("Window Metrics", "wMain X", "7", tree.path("Data")), QString("7"));
    QCOMPARE(ReadIni("Window Metrics", "wMain X", "7", QString()), QString("7"));
}

void TestIni::readEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("utf-8") << QByteArray("[Definition]\nSep=\xC2\xAC\nName=Caf\xC3\xA9\n") << "Caf\u00E9";
    QTest::newRow("windows-1252") << QByteArray("[Definition]\nSep=\xAC\nName=Caf\xE9\n") << "Caf\u00E9";
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF[Definition]\nName=Caf\xC3\xA9\n") << "Caf\u00E9";
    QTest::newRow("double mark") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[Definition]\nName=Caf\xC3\xA9\n")
                                 << "Caf\u00E9";
    QTest::newRow("mark then windows-1252") << QByteArray("\xEF\xBB\xBF[Definition]\r\nName=Caf\xE9\r\n")
                                            << "Caf\u00E9";
}

void TestIni::readEncodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    TempTree tree;
    const QString file = tree.write("Data/NPC Script.ini", bytes);
    QCOMPARE(ReadIni("Definition", "Name", QString(), file), expected);
    if (!bytes.startsWith("\xEF"))
        QCOMPARE(ReadIni("Definition", "Sep", QString(), file), QString("\u00AC"));
}

void TestIni::readCutsLongValue()
{
    TempTree tree;
    QByteArray value(70000, 'x');
    value[IniValueLimit - 1] = 'y';
    const QString file = tree.write("long.ini", "[S]\r\nLong=" + value + "\r\nNext=1\r\n");
    const QString read = ReadIni("S", "Long", QString(), file);
    QCOMPARE(read.size(), 59999);
    QVERIFY(read.endsWith('y'));
    QCOMPARE(ReadIni("S", "Next", QString(), file), QString("1"));
}

void TestIni::readLineBreakStyles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("[S]\r\nA=1\r\nB=2\r\n");
    QTest::newRow("LF") << QByteArray("[S]\nA=1\nB=2\n");
    QTest::newRow("CR") << QByteArray("[S]\rA=1\rB=2\r");
    QTest::newRow("no final break") << QByteArray("[S]\nA=1\nB=2");
}

void TestIni::readLineBreakStyles()
{
    QFETCH(QByteArray, bytes);
    TempTree tree;
    const QString file = tree.write("a.ini", bytes);
    QCOMPARE(ReadIni("S", "A", QString(), file), QString("1"));
    QCOMPARE(ReadIni("S", "B", QString(), file), QString("2"));
}

void TestIni::writeReplacesInPlace()
{
    TempTree tree;
    const QString file = tree.write("Data/Settings.ini", HandWritten);
    QVERIFY(WriteIni("window metrics", "WMAIN Y", "345", file));
    QByteArray expected = HandWritten;
    expected.replace("  wMain Y   =   -60  \r\n", "  wMain Y   =   345\r\n");
    QCOMPARE(tree.read("Data/Settings.ini"), expected);
    QCOMPARE(ReadIni("Window Metrics", "wMain Y", QString(), file), QString("345"));
}

void TestIni::writeEdits_data()
{
    // Each write is "section|key|value"; the file must come out exactly as given.
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("LF file keeps LF, comment and blank line")
        << QByteArray("; settings\n[S]\nA=1\n\n[T]\nB=2\n") << QStringList{"S|A|one", "T|C|3"}
        << QByteArray("; settings\n[S]\nA=one\n\n[T]\nB=2\nC=3\n");
    QTest::newRow("new key after the section's last line")
        << QByteArray("[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n") << QStringList{"s|New Key|v"}
        << QByteArray("[S]\r\nA=1\r\nNew Key=v\r\n\r\n[T]\r\nB=2\r\n");
    QTest::newRow("new section at the end")
        << QByteArray("[S]\r\nA=1\r\n") << QStringList{"Window Metrics|wMain X|1200"}
        << QByteArray("[S]\r\nA=1\r\n\r\n[Window Metrics]\r\nwMain X=1200\r\n");
    QTest::newRow("added key after a last line without break")
        << QByteArray("[S]\nA=1") << QStringList{"S|B|2"} << QByteArray("[S]\nA=1\nB=2\n");
    // Replacing in place keeps a missing final line break missing.
    QTest::newRow("replaced key in a last line without break")
        << QByteArray("[S]\nA=1") << QStringList{"S|A|2"} << QByteArray("[S]\nA=2");
    QTest::newRow("first of two duplicates replaced")
        << QByteArray("[S]\nA=1\na=2\n") << QStringList{"S|A|3"} << QByteArray("[S]\nA=3\na=2\n");
    QTest::newRow("byte-order mark kept")
        << QByteArray("\xEF\xBB\xBF[S]\r\nA=1\r\n") << QStringList{"S|A|2"}
        << QByteArray("\xEF\xBB\xBF[S]\r\nA=2\r\n");
    QTest::newRow("double mark kept, section still found")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[S]\r\nA=1\r\n") << QStringList{"S|A|2"}
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[S]\r\nA=2\r\n");
    QTest::newRow("mark then windows-1252 lines kept")
        << QByteArray("\xEF\xBB\xBF[s]\r\nname=Caf\xE9\x81\r\n") << QStringList{"s|other|x"}
        << QByteArray("\xEF\xBB\xBF[s]\r\nname=Caf\xE9\x81\r\nother=x\r\n");
    QTest::newRow("windows-1252 stays windows-1252")
        << QByteArray("[S]\r\nName=Caf\xE9\r\n") << QStringList{"S|Sep|\u00AC\u20AC"}
        << QByteArray("[S]\r\nName=Caf\xE9\r\nSep=\xAC\x80\r\n");
    // In a file of LF lines, the empty line before a new section must not join a lone CR.
    QTest::newRow("new section after a lone CR")
        << QByteArray("; c\n]x\r") << QStringList{"s|k|v"} << QByteArray("; c\n]x\r\r\n[s]\nk=v\n");
    QTest::newRow("mixed line breaks kept")
        << QByteArray("[S]\nA=1\r\nB=2\r") << QStringList{"S|A|3", "S|C|4"}
        << QByteArray("[S]\nA=3\r\nB=2\rC=4\n");
    QTest::newRow("own leading blanks written twice")
        << QByteArray("[S]\r\nk=1\r\n") << QStringList{"S|k|  x", "S|k|  x"}
        << QByteArray("[S]\r\nk=  x\r\n");
    QTest::newRow("own blanks replace the kept ones, then kept again")
        << QByteArray("[S]\r\nk =  1\r\n") << QStringList{"S|k| x", "S|k| x", "S|k|y"}
        << QByteArray("[S]\r\nk = y\r\n");
}

void TestIni::writeEdits()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, writes);
    QFETCH(QByteArray, after);

    TempTree tree;
    const QString file = tree.write("a.ini", before);
    for (const QString &write : writes) {
        const QStringList parts = write.split(QLatin1Char('|'));
        QVERIFY(WriteIni(parts.at(0), parts.at(1), parts.at(2), file));
    }
    QCOMPARE(tree.read("a.ini"), after);
}

// An added key in a file whose first break, header break and blank line's break are each CR,
// LF or CR LF: every other line keeps its bytes and the file still has the same lines.
void TestIni::writeKeepsLineBreaks_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("head");    // the bytes before the added line
    QTest::addColumn<QByteArray>("tail");    // the bytes after it and its break
    const QList<QPair<const char *, QByteArray>> breaks = {{"CR", "\r"}, {"LF", "\n"}, {"CRLF", "\r\n"}};
    for (const auto &[firstName, first] : breaks) {
        for (const auto &[headerName, header] : breaks) {
            for (const auto &[blankName, blank] : breaks) {
                // A header's CR before an empty line's LF is one CR LF: no empty line at all.
                if (header == "\r" && blank == "\n")
                    continue;
                const QByteArray head = "; c" + first + "[s]" + header;
                const QByteArray tail = blank + "[t]" + first + "x=1" + header;
                QTest::addRow("first %s, header %s, blank line %s", firstName, headerName, blankName)
                    << head + tail << head << tail;
            }
        }
    }
    // The reported case: a lone CR first, then an empty line ending in LF.
    QTest::newRow("lone CR first, empty line by LF")
        << QByteArray("\r[s]\r\n\n[s]\r\n") << QByteArray("\r[s]\r\n") << QByteArray("\n[s]\r\n");
}

void TestIni::writeKeepsLineBreaks()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, tail);

    TempTree tree;
    const QString file = tree.write("a.ini", before);
    QVERIFY(WriteIni(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"), file));
    const QByteArray after = tree.read("a.ini");
    QVERIFY2(after.startsWith(head + "k=v"), after.toHex(' ').constData());
    QVERIFY2(after.endsWith(tail), after.toHex(' ').constData());
    const QByteArray added = after.mid(head.size() + 3, after.size() - head.size() - 3 - tail.size());
    QVERIFY2(added == "\r" || added == "\n" || added == "\r\n", added.toHex(' ').constData());
    // Read line by line, the file has exactly one line more than before: nothing merged.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QCOMPARE(QString::fromLatin1(after).split(lineBreak).size(), QString::fromLatin1(before).split(lineBreak).size() + 1);
    QCOMPARE(ReadIni(QStringLiteral("s"), QStringLiteral("k"), QString(), file), QStringLiteral("v"));
}

void TestIni::writeCreatesFile()
{
    TempTree tree;
    const QString file = tree.path("Data/Settings.ini");
    QVERIFY(WriteIni("Window Metrics", "wMain X", "1200", file));
    QVERIFY(WriteIni("Window Metrics", "wMain Y", "-60", file));
    QCOMPARE(tree.read("Data/Settings.ini"),
             QByteArray("[Window Metrics]\r\nwMain X=1200\r\nwMain Y=-60\r\n"));

    const QString empty = tree.write("empty.ini", QByteArray());
    QVERIFY(WriteIni("S", "A", "1", empty));
    QCOMPARE(tree.read("empty.ini"), QByteArray("[S]\r\nA=1\r\n"));
}

void TestIni::writeWindows1252AsUtf8()
{
    TempTree tree;
    const QString file = tree.write("a.ini", "[Definition]\r\nName=Caf\xE9\r\nSep=\xAC\r\n");
    QVERIFY(WriteIni("Definition", "Sep", "\u03A9\u00AC", file));
    QCOMPARE(tree.read("a.ini"), QByteArray("[Definition]\r\nName=Caf\xC3\xA9\r\nSep=\xCE\xA9\xC2\xAC\r\n"));
    QCOMPARE(ReadIni("Definition", "Name", QString(), file), QString("Caf\u00E9"));
}

void TestIni::writeRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("number") << "-60";
    QTest::newRow("parameter string") << "FILENAME=/home/u/a b.txt\u00ACFILEPART=a b.txt";
    QTest::newRow("equals inside") << "a=b=c";
    QTest::newRow("empty") << "";
    QTest::newRow("semicolon") << "x;y";
    QTest::newRow("brackets") << "[not a section]";
}

void TestIni::writeRoundTrip()
{
    QFETCH(QString, value);
    TempTree tree;
    const QString file = tree.path("p.prj");
    QVERIFY(WriteIni("Project", "File 1", value, file));
    QVERIFY(WriteIni("Project", "Total Files", "1", file));
    QCOMPARE(ReadIni("Project", "File 1", "<none>", file), value);
    QCOMPARE(ReadIni("Project", "Total Files", "<none>", file), QString("1"));
}

void TestIni::writeFailures()
{
    TempTree tree;
    const QString inMissingFolder = tree.path("NoSuchFolder/Settings.ini");
    QVERIFY(!WriteIni("S", "A", "1", inMissingFolder));
    QVERIFY(!QFileInfo::exists(tree.path("NoSuchFolder")));

    QVERIFY(!WriteIni("S", "A", "1", tree.path("Data")));      // a folder, not a file
    QVERIFY(!WriteIni("", "A", "1", tree.path("a.ini")));
    QVERIFY(!WriteIni("S", "", "1", tree.path("a.ini")));
    QVERIFY(!QFileInfo::exists(tree.path("a.ini")));
}

void TestIni::writeRefusals_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("lines in value") << "s" << "k" << "v\r\n[evil]\r\nx=1";
    QTest::newRow("LF in value") << "s" << "k" << "v\nx=1";
    QTest::newRow("CR in key") << "s" << "a\rb" << "v";
    QTest::newRow("LF in section") << "s\n[t" << "k" << "v";
    QTest::newRow("empty section") << "" << "k" << "v";
    QTest::newRow("empty key") << "s" << "" << "v";
    QTest::newRow("blank before key") << "s" << " k" << "v";
    QTest::newRow("tab after key") << "s" << "k\t" << "v";
    QTest::newRow("= in key") << "s" << "a=b" << "v";
    QTest::newRow("key starts with ;") << "s" << ";k" << "v";
    QTest::newRow("key starts with [") << "s" << "[k" << "v";
    QTest::newRow("blank after section") << "s " << "k" << "v";
    QTest::newRow("] in section") << "a]b" << "k" << "v";
}

void TestIni::writeRefusals()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TempTree tree;
    const QByteArray before = "[s]\r\nk=1\r\n";
    const QString file = tree.write("a.ini", before);
    QVERIFY(!WriteIni(section, key, value, file));
    QCOMPARE(tree.read("a.ini"), before);
    QVERIFY(!WriteIni(section, key, value, tree.path("new.ini")));
    QVERIFY(!QFileInfo::exists(tree.path("new.ini")));
}

void TestIni::writeReadOnlyFolder()
{
    if (geteuid() == 0)
        QSKIP("root writes into read-only folders anyway");
    TempTree tree;
    const QByteArray before = "[S]\r\nA=1\r\n";
    const QString file = tree.write("Data/a.ini", before);
    const QString folder = tree.path("Data");
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

    const bool replaced = WriteIni("S", "A", "2", file);
    const bool created = WriteIni("S", "A", "2", tree.path("Data/new.ini"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!replaced);
    QVERIFY(!created);
    QCOMPARE(tree.read("Data/a.ini"), before);
    QVERIFY(!QFileInfo::exists(tree.path("Data/new.ini")));
}

QTEST_GUILESS_MAIN(TestIni)
#include "test_ini.moc"
