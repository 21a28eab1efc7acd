// The module channel across real processes: launching, insertions, several senders, refused frames.
#include <QtTest>

#include <QApplication>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "command_line_files.h"
#include "document.h"
#include "edit_control.h"
#include "main_window.h"
#include "menu_items.h"
#include "module_channel.h"
#include "insert_commands.h"
#include "scripted_dialogs.h"
#include "send_command.h"
#include "status_bar.h"
#include "temp_tree.h"

namespace {

const QString welcome = QStringLiteral("Welcome to the Quillmere ...");
const QString insert = QStringLiteral("COMMAND=INSERTTEXTATCURSOR¬DATA=");
const QString cutOff = QStringLiteral("A module's command was cut off and has been dropped.");
const QString notUtf8 = QStringLiteral("A module's command was not UTF-8 text and has been dropped.");
const QString oversized = QStringLiteral("A module's command was larger than 16 MiB and has been dropped.");

template<int N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// What LaunchModule must hand a module of this process, written out by hand.
QString launchArgument()
{
    return QStringLiteral("HWND=%1¬DUMMY=blah").arg(QCoreApplication::applicationPid());
}

void startSender(QProcess &module, const QStringList &texts, const QString &argument = launchArgument())
{
    module.start(QCoreApplication::applicationDirPath() + QStringLiteral("/channel_sender"), QStringList{argument} + texts);
}

// Runs the stand-in module while the editor handles events; its exit code, -1 when it did not end in time.
int runSender(const QStringList &texts, const QString &argument = launchArgument())
{
    QProcess module;
    startSender(module, texts, argument);
    QDeadlineTimer deadline(20000);
    while (module.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(10);
    return module.state() == QProcess::NotRunning && module.exitStatus() == QProcess::NormalExit ? module.exitCode() : -1;
}

// A listening socket at path; its descriptor, -1 when it could not be made.
int bindSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 4) != 0) {
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    return fd;
}

mode_t modeOf(const QString &path)
{
    struct stat info{};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

} // namespace

class TestModuleChannel : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        TempTree tree;
        ScriptedDialogs dialogs;
        MainWindow window{tree.paths(), dialogs};

        Fixture()
        {
            editor().replaceSelectedText(QStringLiteral("ab"));
            editor().setCursorPosition(0, 1);
            editor().setModified(false);
        }
        EditControl &editor() const { return *window.editControl(); }
        QString general() const { return window.statusPanels()->generalText(); }
    };

private Q_SLOTS:
    void launchModule_data()
    {
        QTest::addColumn<QString>("trigger");   // a menu item, a toolbar key, or a type number
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("status");
        QTest::newRow("Insert > NPC") << "mINSERTNPC" << "Modules/Folkmint" << welcome;
        QTest::newRow("Insert > Shop") << "mINSERTSHOP" << "Modules/Bartlow" << welcome;
        QTest::newRow("Insert > Message") << "mSAYMARK" << "Modules/Saymark" << welcome;
        QTest::newRow("NPC button") << "_insertnpc" << "Modules/Folkmint" << welcome;
        QTest::newRow("Message button") << "_saymark" << "Modules/Saymark" << welcome;
        QTest::newRow("type 3") << "3" << "" << "Invalid LaunchModule parameter! ModuleType = 3";
        QTest::newRow("type -1") << "-1" << "" << "Invalid LaunchModule parameter! ModuleType = -1";
    }

    void launchModule()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, program);
        QFETCH(QString, status);
        Fixture f;
        bool isType = false;
        const int type = trigger.toInt(&isType);
        if (isType)
            f.window.insertCommands()->launchModule(static_cast<ModuleType>(type));
        else if (trigger.startsWith(QLatin1Char('_')))
            toolbarButton(f.window, trigger)->click();
        else
            menuItem(f.window, trigger)->trigger();
        QCOMPARE(f.general(), status);
        if (program.isEmpty()) {
            QCOMPARE(f.dialogs.launched, QStringList());
            return;
        }
        QCOMPARE(f.dialogs.launched, QStringList{f.tree.root() + program + QLatin1Char('|') + launchArgument()});
        // A module given that argument reaches this editor.
        QCOMPARE(runSender({insert + QStringLiteral("x")}, f.dialogs.launched.first().section(QLatin1Char('|'), 1)), 0);
        QCOMPARE(f.editor().text(), QStringLiteral("axb"));
    }

    void reception_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inserted");   // modified, and the editor has the focus
        QTest::addColumn<QString>("status");
        const QString unknown = QStringLiteral("Received an unknown command from a module! sCmd = ");
        QTest::newRow("one line") << insert + "mes \"Hi\";" << "ames \"Hi\";b" << true << welcome;
        QTest::newRow("several lines") << insert + "mes \"a\";\r\nclose;\r\n" << "ames \"a\";\r\nclose;\r\nb" << true << welcome;
        QTest::newRow("separator in the text") << insert + "one¬two" << "aone¬twob" << true << welcome;
        QTest::newRow("DATA= in the text") << insert + "x¬DATA=y" << "ax¬DATA=yb" << true << welcome;
        QTest::newRow("beyond Latin-1") << insert + "名前" << "a名前b" << true << welcome;
        QTest::newRow("lower case") << "COMMAND=inserttextatcursor¬DATA=x" << "ab" << false
                                    << unknown + "inserttextatcursor, sData = x";
        QTest::newRow("no DATA") << "COMMAND=CLEAR" << "ab" << false << unknown + "CLEAR, sData = ";
        QTest::newRow("first element without =") << "junk¬DATA=x" << "ab" << false << unknown + ", sData = x";
        QTest::newRow("lines and separators") << "COMMAND=X¬DATA=a\r\nb¬c" << "ab" << false
                                              << unknown + "X, sData = a\r\nb¬c";
    }

    void reception()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        QFETCH(bool, inserted);
        QFETCH(QString, status);
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QWidget *other = f.window.findChild<QTreeWidget *>(QStringLiteral("lvwProject"));
        other->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), other);

        QCOMPARE(runSender({command}), 0);
        QCOMPARE(f.editor().text(), text);
        QCOMPARE(f.general(), status);
        QCOMPARE(f.window.statusPanels()->modifiedText(), inserted ? QStringLiteral("Modified") : QString());
        QTRY_COMPARE(QApplication::focusWidget(), inserted ? static_cast<QWidget *>(&f.editor()) : other);
    }

    void severalSendersAtOnce()
    {
        Fixture f;
        f.editor().setText(QString());
        const int senders = 4, commands = 6;
        std::vector<std::unique_ptr<QProcess>> modules;
        for (int s = 0; s < senders; ++s) {
            QStringList texts;
            for (int c = 0; c < commands; ++c)
                texts.append(insert + QStringLiteral("%1:%2;").arg(s).arg(c));
            modules.push_back(std::make_unique<QProcess>());
            startSender(*modules.back(), texts);
        }
        for (const auto &module : modules) {
            QTRY_VERIFY_WITH_TIMEOUT(module->state() == QProcess::NotRunning, 20000);
            QCOMPARE(module->exitCode(), 0);
        }
        // Each command once, and each sender's in the order it sent them.
        const QStringList arrived = f.editor().text().split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QCOMPARE(arrived.size(), senders * commands);
        for (int s = 0; s < senders; ++s) {
            const QStringList own = arrived.filter(QRegularExpression(QStringLiteral("^%1:").arg(s)));
            QCOMPARE(own.size(), commands);
            for (int c = 0; c < commands; ++c)
                QCOMPARE(own.at(c), QStringLiteral("%1:%2").arg(s).arg(c));
        }
    }

    // Frames that are not whole commands, and clients that send nothing, leave the editor working.
    void rawFrames_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<bool>("senderCloses");
        QTest::addColumn<int>("idleLimitMs");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("afterSend");   // once a real module has sent "x"
        QTest::newRow("length FFFFFFFF") << bytes("\xff\xff\xff\xff") << false << 0 << oversized << "ab" << "axb";
        QTest::newRow("one byte over 16 MiB") << bytes("\x01\0\0\x01" "COMMAND") << false << 0 << oversized << "ab" << "axb";
        QTest::newRow("not UTF-8") << bytes("\0\0\0\x02\xff\xfe") << false << 0
                                   << notUtf8 << "ab" << "axb";
        QTest::newRow("cut-off two-byte sequence at the end")
            << bytes("\0\0\0\x25" "COMMAND=INSERTTEXTATCURSOR\xc2\xac" "DATA=abc\xc3") << false << 0 << notUtf8 << "ab" << "axb";
        QTest::newRow("cut-off three-byte sequence at the end")
            << bytes("\0\0\0\x26" "COMMAND=INSERTTEXTATCURSOR\xc2\xac" "DATA=abc\xe5\x90") << false << 0 << notUtf8 << "ab" << "axb";
        QTest::newRow("cut off in the text") << bytes("\0\0\0\x20" "COMMAND=") << true << 0 << cutOff << "ab" << "axb";
        QTest::newRow("cut off in the length") << bytes("\0\0") << true << 0 << cutOff << "ab" << "axb";
        QTest::newRow("idle with part of a frame") << bytes("\0\0\0\x05" "ab") << false << 200 << cutOff << "ab" << "axb";
        QTest::newRow("idle with nothing") << QByteArray() << false << 200 << welcome << "ab" << "axb";
        QTest::newRow("whole frame, then closed") << bytes("\0\0\0\x22" "COMMAND=INSERTTEXTATCURSOR\xc2\xac" "DATA=z")
                                                  << true << 0 << welcome << "azb" << "azxb";
    }

    void rawFrames()
    {
        QFETCH(QByteArray, sent);
        QFETCH(bool, senderCloses);
        QFETCH(int, idleLimitMs);
        QFETCH(QString, status);
        QFETCH(QString, text);
        QFETCH(QString, afterSend);
        Fixture f;
        if (idleLimitMs > 0)
            f.window.moduleChannel()->setIdleLimit(std::chrono::milliseconds(idleLimitMs));
        QLocalSocket module;
        module.connectToServer(f.window.moduleChannel()->path());
        QVERIFY(module.waitForConnected(2000));
        module.write(sent);
        module.flush();
        if (senderCloses)
            module.disconnectFromServer();
        QTRY_COMPARE(module.state(), QLocalSocket::UnconnectedState);
        QTRY_COMPARE(f.editor().text(), text);
        QTRY_COMPARE(f.general(), status);
        QCOMPARE(module.bytesAvailable(), 0);
        // A silent client, still connected, blocks nobody either.
        QLocalSocket silent;
        silent.connectToServer(f.window.moduleChannel()->path());
        QCOMPARE(runSender({insert + QStringLiteral("x")}), 0);
        QCOMPARE(f.editor().text(), afterSend);
    }

    void largestFrameTaken()
    {
        ModuleChannel channel;
        QVERIFY(channel.startListening(qint32(QCoreApplication::applicationPid())));
        qsizetype received = -1;
        connect(&channel, &ModuleChannel::commandReceived, this, [&](const QString &text) { received = text.size(); });
        QLocalSocket module;
        module.connectToServer(channel.path());
        QVERIFY(module.waitForConnected(2000));
        module.write(bytes("\x01\0\0\0") + QByteArray(16 * 1024 * 1024, 'x'));
        QTRY_COMPARE_WITH_TIMEOUT(module.bytesAvailable(), 11, 10000);
        QCOMPARE(module.readAll(), bytes("\0\0\0\x07HANDLED"));
        QCOMPARE(received, 16 * 1024 * 1024);
    }

    void socketIsPrivate()
    {
        Fixture f;
        const QString path = f.window.moduleChannel()->path();
        QVERIFY(path.endsWith(QStringLiteral("/quillmere-%1").arg(QCoreApplication::applicationPid())));
        QVERIFY(S_ISSOCK(modeOf(path)));
        QCOMPARE(modeOf(path) & 077, mode_t(0));
        QCOMPARE(modeOf(QFileInfo(path).path()) & 077, mode_t(0));
    }

    // A socket file left by an editor that has ended is replaced; a living editor's is not.
    void socketLeftBefore_data()
    {
        QTest::addColumn<bool>("living");
        QTest::newRow("editor has ended") << false;
        QTest::newRow("editor still running") << true;
    }

    void socketLeftBefore()
    {
        QFETCH(bool, living);
        const QByteArray path = QFile::encodeName(ChannelPath(qint32(QCoreApplication::applicationPid())));
        ::unlink(path.constData());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        const int before = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(before, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        QCOMPARE(::listen(before, 4), 0);
        if (!living)
            ::close(before);
        const auto closeBefore = qScopeGuard([&] { ::close(before); ::unlink(path.constData()); });

        Fixture f;
        const QString notOpened = QStringLiteral("The module channel could not be opened: modules cannot insert their text.");
        QCOMPARE(f.window.moduleChannel()->isOpen(), !living);
        QCOMPARE(f.general(), living ? notOpened : welcome);
        if (!living) {
            QCOMPARE(runSender({insert + QStringLiteral("x")}), 0);
            QCOMPARE(f.editor().text(), QStringLiteral("axb"));
        }
        // A script named on the command line is loaded after that: both messages stay in view.
        const QString loaded = QStringLiteral("The selected script has been loaded successfully.");
        QVERIFY(OpenCommandLineFiles(*f.window.document(), {f.tree.write(QStringLiteral("a.txt"), "mes;")},
                                     [&f](const QString &text) { f.window.setStatusText(text); }));
        QCOMPARE(f.general(), living ? loaded + QLatin1Char(' ') + notOpened : loaded);
    }

    // Sockets left in the channel folder by editors that ended by a signal go at start.
    void staleSockets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");   // "ended", "living" or "file"
        QTest::addColumn<bool>("removed");
        const QString own = QStringLiteral("quillmere-%1").arg(QCoreApplication::applicationPid());
        QTest::newRow("an ended editor's socket") << "quillmere-4000001" << "ended" << true;
        QTest::newRow("a living editor's socket") << "quillmere-4000002" << "living" << false;
        QTest::newRow("a file, not a socket") << "quillmere-4000003" << "file" << false;
        QTest::newRow("another program's socket") << "other-4000004" << "ended" << false;
        QTest::newRow("more after the number") << "quillmere-4000005x" << "ended" << false;
        QTest::newRow("this editor's own name") << own << "ended" << false;
    }

    void staleSockets()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(bool, removed);
        QTemporaryDir folder(QStringLiteral("/tmp/qmXXXXXX"));
        const QString path = folder.filePath(name);
        int listening = -1;
        if (kind == QLatin1String("file")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            listening = bindSocket(path);
            QVERIFY(listening >= 0);
            if (kind == QLatin1String("ended")) {
                ::close(listening);
                listening = -1;
            }
        }
        const auto closeListening = qScopeGuard([&] { if (listening >= 0) ::close(listening); });
        QCOMPARE(ModuleChannel::RemoveStaleSockets(folder.path(), qint32(QCoreApplication::applicationPid())),
                 removed ? 1 : 0);
        QCOMPARE(QFileInfo::exists(path), !removed);
    }

    // Out of file descriptors, Qt's server closes itself; the channel says so and listens again.
    // A bare channel: the window's helper threads could not start while no descriptor is free.
    void relistensWhenDescriptorsAreFree()
    {
        ModuleChannel channel;
        QVERIFY(channel.startListening(qint32(QCoreApplication::applicationPid())));
        channel.setRelistenInterval(std::chrono::milliseconds(20));
        QStringList received;
        connect(&channel, &ModuleChannel::commandReceived, this, [&](const QString &text) { received.append(text); });
        QList<QPair<bool, QString>> told;
        connect(&channel, &ModuleChannel::listeningChanged, this,
                [&](bool listening, const QString &text) { told.append({listening, text}); });
        const QByteArray path = QFile::encodeName(channel.path());
        rlimit original{};
        QCOMPARE(::getrlimit(RLIMIT_NOFILE, &original), 0);
        rlimit low = original;
        low.rlim_cur = std::min<rlim_t>(original.rlim_cur, 256);
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &low), 0);
        std::vector<int> held;
        const auto release = qScopeGuard([&] {
            for (int fd : held)
                ::close(fd);
            ::setrlimit(RLIMIT_NOFILE, &original);
        });
        for (int fd = ::dup(0); fd >= 0; fd = ::dup(0))
            held.push_back(fd);
        QVERIFY(!held.empty());
        // The last free descriptor goes to a module connecting: none is left to accept it with.
        ::close(held.back());
        held.pop_back();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        const int module = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(module >= 0);
        held.push_back(module);
        QCOMPARE(::connect(module, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);

        const QString lost = QStringLiteral("The module channel closed because too many files are open; "
                                            "it opens again once files are free.");
        QTRY_COMPARE(told.size(), 1);
        QCOMPARE(told.first(), qMakePair(false, lost));
        QVERIFY(!channel.isOpen());
        // Still out of descriptors: no second message, and no listening.
        QTest::qWait(100);
        QCOMPARE(told.size(), 1);

        for (int fd : held)
            ::close(fd);
        held.clear();
        ::setrlimit(RLIMIT_NOFILE, &original);
        QTRY_VERIFY(channel.isOpen());
        QCOMPARE(told.size(), 2);
        QCOMPARE(told.last(), qMakePair(true, QStringLiteral("The module channel is open again: modules can insert their text.")));
        QCOMPARE(channel.path(), QFile::decodeName(path));
        QCOMPARE(runSender({insert + QStringLiteral("x")}), 0);
        QCOMPARE(received, QStringList{insert + QStringLiteral("x")});
    }

    // The window keeps the channel's message in view beside later ones until it listens again.
    void lostChannelStaysInTheStatusBar()
    {
        Fixture f;
        const QString lost = QStringLiteral("The module channel closed because too many files are open; "
                                            "it opens again once files are free.");
        Q_EMIT f.window.moduleChannel()->listeningChanged(false, lost);
        QCOMPARE(f.general(), lost);
        f.window.setStatusText(QStringLiteral("Script has been cleared."));
        QCOMPARE(f.general(), QStringLiteral("Script has been cleared. ") + lost);
        // A command that clears the message leaves the channel's alone.
        f.window.setStatusText(QString());
        QCOMPARE(f.general(), lost);
        const QString back = QStringLiteral("The module channel is open again: modules can insert their text.");
        Q_EMIT f.window.moduleChannel()->listeningChanged(true, back);
        QCOMPARE(f.general(), back);
        f.window.setStatusText(QStringLiteral("Script has been cleared."));
        QCOMPARE(f.general(), QStringLiteral("Script has been cleared."));
    }

    void sendWithNoEditor()
    {
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(runSender({insert + QStringLiteral("x")}), 1);
        QVERIFY(clock.elapsed() < 5000);
    }
};

QTEST_MAIN(TestModuleChannel)
#include "test_module_channel.moc"
