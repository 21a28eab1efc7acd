// Tests of the module's side of the channel: launch argument, editor number, socket folder, sending.
#include "send_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

template<int N>
static QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

class TestSendCommand : public QObject
{
    Q_OBJECT

private slots:
    void editorHwndFrom_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<qint32>("hwnd");
        QTest::newRow("launch argument") << QStringLiteral("HWND=1312¬DUMMY=blah") << 1312;
        QTest::newRow("separator arrived as another character") << QStringLiteral("HWND=1312?DUMMY=blah") << 1312;
        QTest::newRow("missing key") << QStringLiteral("DUMMY=blah") << 0;
        QTest::newRow("not a number") << QStringLiteral("HWND=abc¬DUMMY=blah") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("blank before the number") << QStringLiteral("HWND= 1312") << 0;
        QTest::newRow("beyond 32 bits") << QStringLiteral("HWND=2147483648") << 0;
        QTest::newRow("negative") << QStringLiteral("HWND=-7x") << -7;
    }

    void editorHwndFrom()
    {
        QFETCH(QString, commandLine);
        QFETCH(qint32, hwnd);
        QCOMPARE(EditorHwndFrom(commandLine), hwnd);
    }

    void launchArgument()
    {
        QCOMPARE(LaunchArgument(1312), QStringLiteral("HWND=1312¬DUMMY=blah"));
        QCOMPARE(EditorHwndFrom(LaunchArgument(2147483647)), 2147483647);
    }

    void channelFolder_data()
    {
        QTest::addColumn<QString>("runtime");   // the runtime folder: unset, 0700, 0755 or relative
        QTest::addColumn<QString>("own");       // our folder under temp: none, 0700, 0755, link or foreign
        QTest::addColumn<QString>("expected");  // where the socket goes: runtime, own or nowhere
        QTest::newRow("runtime folder") << "0700" << "none" << "runtime";
        QTest::newRow("no runtime folder") << "unset" << "none" << "own";
        QTest::newRow("runtime folder open to others") << "0755" << "0700" << "own";
        QTest::newRow("relative runtime folder") << "relative" << "none" << "own";
        QTest::newRow("own folder open to others") << "unset" << "0755" << "nowhere";
        QTest::newRow("own folder is a link") << "unset" << "link" << "nowhere";
        QTest::newRow("own folder of another user") << "unset" << "foreign" << "nowhere";
    }

    void channelFolder()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, own);
        QFETCH(QString, expected);
        if (own == QLatin1String("foreign") && ::geteuid() != 0)
            QSKIP("Only root can give a folder to another user");
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray oldTemp = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] {
            oldRuntime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", oldRuntime);
            oldTemp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", oldTemp);
        });
        QTemporaryDir scratch;
        const QString runtimeDir = scratch.path() + QStringLiteral("/run");
        const QString ownDir = scratch.path() + QStringLiteral("/quillmere-") + QString::number(::geteuid());
        QVERIFY(QDir().mkdir(runtimeDir));
        ::chmod(QFile::encodeName(runtimeDir).constData(), runtime == QLatin1String("0755") ? 0755 : 0700);
        qputenv("XDG_RUNTIME_DIR", runtime == QLatin1String("relative") ? QByteArray("run") : QFile::encodeName(runtimeDir));
        if (runtime == QLatin1String("unset"))
            qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(scratch.path()));
        if (own == QLatin1String("link"))
            QVERIFY(QFile::link(runtimeDir, ownDir));
        else if (own != QLatin1String("none"))
            QVERIFY(QDir().mkdir(ownDir));
        ::chmod(QFile::encodeName(ownDir).constData(), own == QLatin1String("0755") ? 0755 : 0700);
        if (own == QLatin1String("foreign"))
            QCOMPARE(::chown(QFile::encodeName(ownDir).constData(), 65534, 65534), 0);

        const QString path = ChannelPath(1312);
        if (expected == QLatin1String("runtime"))
            QCOMPARE(path, runtimeDir + QStringLiteral("/quillmere-1312"));
        if (expected == QLatin1String("own")) {
            QCOMPARE(path, ownDir + QStringLiteral("/quillmere-1312"));
            QCOMPARE(QFile::permissions(ownDir) & 0x0077, QFileDevice::Permissions());
        }
        if (expected == QLatin1String("nowhere")) {
            QCOMPARE(path, QString());
            QVERIFY(!SendCommand(QStringLiteral("COMMAND=X"), 1312, 1000));
        }
    }

    // A stand-in editor in this thread; SendCommand blocks in another.
    void sendToEditor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<bool>("confirmed");
        // How long the module waits: a second where the row is about the wait running out; the
        // whole 16 MiB transfer gets a minute, so a loaded machine only makes it slower.
        QTest::addColumn<int>("waitMs");
        const QByteArray handled = bytes("\0\0\0\x07HANDLED");
        const QString accented = QStringLiteral("COMMAND=X¬DATA=é");
        const QByteArray accentedFrame = bytes("\0\0\0\x12" "COMMAND=X\xc2\xac" "DATA=\xc3\xa9");
        const QString largest(int(maxCommandBytes), QLatin1Char('x'));
        QTest::newRow("confirmed") << accented << handled << accentedFrame << true << 1000;
        QTest::newRow("other answer") << accented << bytes("\0\0\0\x02NO") << accentedFrame << false << 1000;
        QTest::newRow("answer cut short") << accented << bytes("\0\0\0\x07HAND") << accentedFrame << false << 1000;
        QTest::newRow("no answer") << accented << QByteArray() << accentedFrame << false << 1000;
        QTest::newRow("16 MiB") << largest << handled << bytes("\x01\0\0\0") + largest.toLatin1() << true << 60000;
        QTest::newRow("over 16 MiB") << largest + QLatin1Char('x') << handled << QByteArray() << false << 1000;
    }

    void sendToEditor()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, answer);
        QFETCH(QByteArray, received);
        QFETCH(bool, confirmed);
        QFETCH(int, waitMs);
        const qint32 number = qint32(QCoreApplication::applicationPid());
        QLocalServer::removeServer(ChannelPath(number));
        QLocalServer editor;
        QVERIFY(editor.listen(ChannelPath(number)));
        QByteArray got;
        connect(&editor, &QLocalServer::newConnection, this, [&] {
            QLocalSocket *module = editor.nextPendingConnection();
            connect(module, &QLocalSocket::readyRead, this, [&, module] {
                got += module->readAll();
                if (got.size() == received.size() && !answer.isEmpty()) {
                    module->write(answer);
                    module->disconnectFromServer();
                }
            });
        });
        bool result = !confirmed;
        std::unique_ptr<QThread> module(QThread::create([&] { result = SendCommand(text, number, waitMs); }));
        module->start();
        QTRY_VERIFY_WITH_TIMEOUT(module->isFinished(), waitMs + 10000);
        QVERIFY(got == received);
        QCOMPARE(result, confirmed);
    }

    void sendWithNoEditor_data()
    {
        QTest::addColumn<qint32>("hwnd");
        QTest::newRow("number 0") << 0;
        QTest::newRow("nobody listens") << qint32(QCoreApplication::applicationPid());
    }

    void sendWithNoEditor()
    {
        QFETCH(qint32, hwnd);
        QLocalServer::removeServer(ChannelPath(hwnd));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!SendCommand(QStringLiteral("COMMAND=INSERTTEXTATCURSOR¬DATA=x"), hwnd, 10000));
        QVERIFY(clock.elapsed() < 2000);
    }
};

QTEST_GUILESS_MAIN(TestSendCommand)
#include "test_send_command.moc"
