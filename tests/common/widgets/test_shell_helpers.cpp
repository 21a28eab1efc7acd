// Tests of the desktop launch and failure report and of the small file and path helpers.
#include "shell_helpers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Records every failure report instead of showing a message box.
struct ReportLog
{
    QStringList titles;
    QStringList texts;
    ShellFailureReport report()
    {
        return [this](QWidget *, const QString &title, const QString &text) {
            titles.append(title);
            texts.append(text);
        };
    }
};

} // namespace

class TestShellHelpers : public QObject
{
    Q_OBJECT

private slots:
    void textAfterLast_data();
    void textAfterLast();
    void addTrailingSeparator_data();
    void addTrailingSeparator();
    void ensureExtension_data();
    void ensureExtension();
    void fileExists();
    void deleteFileQuietly();
    void readWholeFile_data();
    void readWholeFile();
    void shellExeFailureText();
    void shellExeMissingFile_data();
    void shellExeMissingFile();
    void shellExeStartsProgram();
    void shellExeWithoutReport();
    void shellExeTellsOwnerWindow();
};

void TestShellHelpers::textAfterLast_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("emptyIfNone");
    QTest::addColumn<QString>("expected");

    QTest::newRow("path") << "/home/a/b.txt" << "/" << true << "b.txt";
    QTest::newRow("none, empty") << "b.txt" << "/" << true << "";
    QTest::newRow("none, text") << "b.txt" << "/" << false << "b.txt";
    QTest::newRow("ends in separator") << "/home/a/" << "/" << false << "";
    QTest::newRow("long separator") << "a::b::c" << "::" << true << "c";
    QTest::newRow("empty text") << "" << "/" << false << "";
}

void TestShellHelpers::textAfterLast()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(bool, emptyIfNone);
    QFETCH(QString, expected);
    QCOMPARE(::textAfterLast(text, separator, emptyIfNone), expected);
}

void TestShellHelpers::addTrailingSeparator_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << "" << "/";
    QTest::newRow("root") << "/" << "/";
    QTest::newRow("plain") << "/opt/quill" << "/opt/quill/";
    QTest::newRow("already") << "/opt/quill/" << "/opt/quill/";
}

void TestShellHelpers::addTrailingSeparator()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QString variable = path;
    QCOMPARE(::addTrailingSeparator(variable), expected);
    QCOMPARE(variable, expected);   // the caller's variable is updated too
}

void TestShellHelpers::ensureExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("expected");

    QTest::newRow("added") << "/home/u/shops" << ".prj" << "/home/u/shops.prj";
    QTest::newRow("present") << "/home/u/shops.prj" << ".prj" << "/home/u/shops.prj";
    QTest::newRow("upper case kept") << "/home/u/SHOPS.PRJ" << ".prj" << "/home/u/SHOPS.PRJ";
    QTest::newRow("other extension") << "shops.txt" << ".prj" << "shops.txt.prj";
    QTest::newRow("double separator") << "/home//u/a" << ".prj" << "/home/u/a.prj";
    QTest::newRow("leading double") << "//server/a" << ".prj" << "/server/a.prj";
    QTest::newRow("three become two") << "/a///b" << ".prj" << "/a//b.prj";
    QTest::newRow("four become two") << "/a////b" << ".prj" << "/a//b.prj";
}

void TestShellHelpers::ensureExtension()
{
    QFETCH(QString, name);
    QFETCH(QString, extension);
    QFETCH(QString, expected);
    QCOMPARE(::ensureExtension(name, extension), expected);
}

void TestShellHelpers::fileExists()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = writeFile(dir, "a.txt", "x");
    const QString empty = writeFile(dir, "empty.txt", "");
    QVERIFY(::fileExists(file));
    QVERIFY(::fileExists(empty));
    QVERIFY(!::fileExists(dir.path()));
    QVERIFY(!::fileExists(QString()));
    QVERIFY(!::fileExists(dir.filePath("missing.txt")));
}

void TestShellHelpers::deleteFileQuietly()
{
    QTemporaryDir dir;
    const QString file = writeFile(dir, "a.txt", "x");
    ::deleteFileQuietly(file);
    QVERIFY(!QFile::exists(file));
    ::deleteFileQuietly(file);                 // already gone: nothing happens
    ::deleteFileQuietly(QString());
    ::deleteFileQuietly(dir.path());           // a folder is left alone
    QVERIFY(QDir(dir.path()).exists());
}

void TestShellHelpers::readWholeFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ascii with CR LF") << QByteArray("mes \"Hi\";\r\nclose;\r\n")
                                      << QString("mes \"Hi\";\r\nclose;\r\n");
    QTest::newRow("utf-8") << QByteArray("A\xC2\xAC" "B\xC3\xA9") << QString("A\u00ACB\u00E9");
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBFok") << QString("ok");
    QTest::newRow("windows-1252") << QByteArray("A\xAC" "B\xE9\x80") << QString("A\u00ACB\u00E9\u20AC");
}

void TestShellHelpers::readWholeFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QCOMPARE(::readWholeFile(writeFile(dir, "t.txt", bytes)), expected);
}

void TestShellHelpers::shellExeFailureText()
{
    QCOMPARE(shellExecuteFailureTitle(), QString("ShellExe()"));
    QCOMPARE(shellExecuteFailureText(), QString("An unexpected error occured:\r\n    Maybe file doesn't exist?"));
}

void TestShellHelpers::shellExeMissingFile_data()
{
    QTest::addColumn<QString>("file");
    // None of these exists and none is a web address, so nothing real is launched.
    QTest::newRow("absolute path") << "/nonexistent-quill-folder/Modules/Bartlow";
    QTest::newRow("picture") << "/nonexistent-quill-folder/data/images/NPC List.jpg";
    QTest::newRow("relative path") << "nonexistent-quill-folder/Saymark";
    QTest::newRow("file address") << "file:///nonexistent-quill-folder/a.jpg";
    QTest::newRow("empty") << "";
}

void TestShellHelpers::shellExeMissingFile()
{
    QFETCH(QString, file);
    ReportLog log;
    QVERIFY(!shellExecute(file, "HWND=1¬DUMMY=blah", nullptr, QString(), log.report()));
    QCOMPARE(log.titles, QStringList{"ShellExe()"});
    QCOMPARE(log.texts, QStringList{"An unexpected error occured:\r\n    Maybe file doesn't exist?"});
}

void TestShellHelpers::shellExeStartsProgram()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath("out.txt");
    const QString work = dir.filePath("work");
    QVERIFY(QDir().mkpath(work));
    // The script writes its arguments and its working folder, then renames so we never read half.
    const QString script = writeFile(dir, "module.sh",
        "#!/bin/sh\nprintf '%s|%s|%s' \"$#\" \"$1\" \"$(pwd)\" > \"" + out.toUtf8() + ".tmp\"\n"
        "mv \"" + out.toUtf8() + ".tmp\" \"" + out.toUtf8() + "\"\n");
    QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    ReportLog log;
    const QString parameters = "HWND=42¬DUMMY=blah with blanks";
    QVERIFY(shellExecute(script, parameters, nullptr, work, log.report()));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
    QCOMPARE(QString::fromUtf8(readFile(out)), "1|" + parameters + "|" + QDir(work).canonicalPath());
    QVERIFY(log.titles.isEmpty());

    // Without parameters the program gets no argument at all.
    QFile::remove(out);
    QVERIFY(shellExecute(script, QString(), nullptr, QString(), log.report()));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
    QVERIFY(readFile(out).startsWith("0||"));
}

void TestShellHelpers::shellExeWithoutReport()
{
    // A box of the launch's own would escape the caller's dialog seam: close it if one comes up.
    bool boxShown = false;
    QTimer::singleShot(0, [&boxShown] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            boxShown = true;
            box->close();
        }
    });
    QVERIFY(!shellExecute("/nonexistent-quill-folder/a.jpg", QString(), nullptr, QString(), ShellFailureReport()));
    QCoreApplication::processEvents();
    QVERIFY(!boxShown);
}

void TestShellHelpers::shellExeTellsOwnerWindow()
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out.txt");
    const QString script = writeFile(dir, "module.sh",
        "#!/bin/sh\nprintf '%s' \"$QUILLMERE_OWNER_WINDOW\" > \"" + out.toUtf8() + ".tmp\"\n"
        "mv \"" + out.toUtf8() + ".tmp\" \"" + out.toUtf8() + "\"\n");
    QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // What this program was told by its own starter does not pass on.
    qputenv(OwnerWindowVariable, "1,1,1,1");
    QWidget owner;
    owner.setGeometry(100, 120, 640, 480);
    owner.show();
    ReportLog log;
    QVERIFY(shellExecute(script, QString(), &owner, QString(), log.report()));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
    // The whole window with its frame, whatever frame the platform draws.
    const QList<QByteArray> frame = readFile(out).split(',');
    QCOMPARE(frame.size(), 4);
    const QRect told(frame[0].toInt(), frame[1].toInt(), frame[2].toInt(), frame[3].toInt());
    QCOMPARE(told, owner.frameGeometry());
    QVERIFY(told.contains(QRect(100, 120, 640, 480)));

    QFile::remove(out);
    QVERIFY(shellExecute(script, QString(), nullptr, QString(), log.report()));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
    QCOMPARE(readFile(out), QByteArray());
    qunsetenv(OwnerWindowVariable);
}

QTEST_MAIN(TestShellHelpers)
#include "test_shell_helpers.moc"
