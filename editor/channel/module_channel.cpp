// Reading the modules' command frames: whole frames only, from many connections, one after another.
#include "module_channel.h"

#include "parse.h"
#include "send_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTimer>
#include <QtEndian>

#include <cerrno>
#include <fcntl.h>
#include <vector>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const char idleTimerName[] = "idleLimit";

QString oversizedText()
{
    return QStringLiteral("A module's command was larger than 16 MiB and has been dropped.");
}

QString malformedText()
{
    return QStringLiteral("A module's command was not UTF-8 text and has been dropped.");
}

QString cutOffText()
{
    return QStringLiteral("A module's command was cut off and has been dropped.");
}

QString lostText()
{
    return QStringLiteral("The module channel closed because too many files are open; "
                          "it opens again once files are free.");
}

QString backText()
{
    return QStringLiteral("The module channel is open again: modules can insert their text.");
}

// Whether count more descriptors could be opened now.
bool descriptorsFree(int count)
{
    std::vector<int> taken;
    for (int i = 0; i < count; ++i) {
        const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            break;
        taken.push_back(fd);
    }
    for (int fd : taken)
        ::close(fd);
    return int(taken.size()) == count;
}

// Only a refused connection says for sure that nobody listens: a busy editor's queue may be full.
bool refusesConnections(const QByteArray &path)
{
    sockaddr_un address{};
    if (size_t(path.size()) >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return false;
    const bool refused = ::connect(probe, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
                         && errno == ECONNREFUSED;
    ::close(probe);
    return refused;
}

bool someoneListens(const QString &path)
{
    QLocalSocket probe;
    probe.connectToServer(path);
    const bool listening = probe.waitForConnected(1000);
    probe.abort();
    return listening;
}

} // namespace

ModuleChannel::ModuleChannel(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, &ModuleChannel::acceptConnections);
    // Qt's server closes itself for good when accepting fails (no descriptors left) and says
    // nothing, so an open channel is looked after.
    m_relisten = new QTimer(this);
    m_relisten->setInterval(500);
    connect(m_relisten, &QTimer::timeout, this, &ModuleChannel::checkListening);
}

void ModuleChannel::setRelistenInterval(std::chrono::milliseconds interval)
{
    m_relisten->setInterval(interval);
}

int ModuleChannel::RemoveStaleSockets(const QString &folder, qint32 ownNumber)
{
    static const QRegularExpression channelName(QStringLiteral("^quillmere-[0-9]+$"));
    const QString own = QStringLiteral("quillmere-") + QString::number(ownNumber);
    int removed = 0;
    const QStringList names = QDir(folder).entryList(QDir::System | QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (name == own || !channelName.match(name).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
        struct stat info{};
        if (::lstat(path.constData(), &info) != 0 || !S_ISSOCK(info.st_mode) || info.st_uid != ::geteuid())
            continue;
        if (refusesConnections(path) && ::unlink(path.constData()) == 0)
            ++removed;
    }
    return removed;
}

bool ModuleChannel::startListening(qint32 number)
{
    m_relisten->stop();
    m_path.clear();
    m_server->close();
    const QString path = ChannelPath(number);
    if (path.isEmpty())
        return false;
    // The name is our process id, so whatever is left there belongs to an editor that has ended,
    // unless another editor in a process of the same id still answers on it.
    if (QFileInfo::exists(path)) {
        if (someoneListens(path))
            return false;
        QLocalServer::removeServer(path);
    }
    RemoveStaleSockets(QFileInfo(path).path(), number);
    if (!listenAt(path))
        return false;
    m_path = path;
    m_lost = false;
    m_relisten->start();
    return true;
}

bool ModuleChannel::listenAt(const QString &path)
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    return m_server->listen(path);
}

void ModuleChannel::checkListening()
{
    if (m_server->isListening())
        return;
    if (!m_lost) {
        m_lost = true;
        Q_EMIT listeningChanged(false, lostText());
    }
    // Listening needs one descriptor and taking a connection another: with less, the next module
    // would close the channel again.
    if (!descriptorsFree(2))
        return;
    // The name is still ours: our server removed its socket when it closed, and what may be
    // there now answers nobody.
    const QByteArray path = QFile::encodeName(m_path);
    if (QFileInfo::exists(m_path) && (!refusesConnections(path) || ::unlink(path.constData()) != 0))
        return;
    if (listenAt(m_path)) {
        m_lost = false;
        Q_EMIT listeningChanged(true, backText());
    }
}

bool ModuleChannel::isOpen() const
{
    return m_server->isListening();
}

QString ModuleChannel::path() const
{
    return m_server->fullServerName();
}

void ModuleChannel::setIdleLimit(std::chrono::milliseconds limit)
{
    m_idleLimit = limit;
}

void ModuleChannel::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        auto *idle = new QTimer(socket);
        idle->setObjectName(QLatin1String(idleTimerName));
        idle->setSingleShot(true);
        idle->setInterval(m_idleLimit);
        connect(idle, &QTimer::timeout, this, [this, socket] { idleLimitReached(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrames(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { connectionClosed(socket); });
        idle->start();
        readFrames(socket);
    }
}

void ModuleChannel::readFrames(QLocalSocket *socket)
{
    // A receiver may run an event loop that closes the connection.
    const QPointer<QLocalSocket> guard(socket);
    while (guard && socket->bytesAvailable() >= 4) {
        char head[4];
        socket->peek(head, sizeof head);
        const quint32 length = qFromBigEndian<quint32>(head);
        // Known from the first four bytes: nothing more of it is read.
        if (length > maxCommandBytes) {
            refuse(socket, oversizedText());
            return;
        }
        if (socket->bytesAvailable() < 4 + qint64(length))
            return;
        socket->skip(4);
        const QByteArray payload = socket->read(length);
        // Stateless: a sequence cut off at the payload's end is an error, not a tail kept for later.
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
        const QString text = decoder(payload);
        if (decoder.hasError()) {
            refuse(socket, malformedText());
            return;
        }
        idleTimer(socket)->stop();
        m_pending.enqueue({socket, text});
        handlePending();
    }
}

void ModuleChannel::handlePending()
{
    // A frame that completes while a receiver is still busy waits its turn.
    if (m_handling)
        return;
    m_handling = true;
    while (!m_pending.isEmpty()) {
        const PendingCommand next = m_pending.dequeue();
        carryOut(next.text);
        Q_EMIT commandReceived(next.text);
        if (next.sender && next.sender->state() == QLocalSocket::ConnectedState) {
            next.sender->write(channelFrame(handledAnswer()));
            next.sender->flush();
            idleTimer(next.sender)->start();
        }
    }
    m_handling = false;
}

void ModuleChannel::setInsertion(std::function<void(const QString &)> insert)
{
    m_insert = std::move(insert);
}

void ModuleChannel::carryOut(const QString &text)
{
    const QString command = GetParameter(text, QStringLiteral("COMMAND"));
    // Script text may hold "¬" itself, so DATA runs to the end rather than to the next separator.
    const QString dataMarker = ParameterSeparator + QStringLiteral("DATA=");
    const qsizetype dataAt = text.indexOf(dataMarker);
    const QString data = dataAt < 0 ? QString() : text.mid(dataAt + dataMarker.size());

    if (command != QLatin1String("INSERTTEXTATCURSOR")) {
        Q_EMIT unknownCommand(QStringLiteral("Received an unknown command from a module! sCmd = ") + command
                              + QStringLiteral(", sData = ") + data);
        return;
    }
    if (m_insert)
        m_insert(data);
}

void ModuleChannel::connectionClosed(QLocalSocket *socket)
{
    // A frame that arrived whole just before the close still counts.
    const QPointer<QLocalSocket> guard(socket);
    readFrames(socket);
    if (!guard)
        return;
    const bool cutOff = socket->bytesAvailable() > 0;
    drop(socket);
    if (cutOff)
        Q_EMIT frameRefused(cutOffText());
}

void ModuleChannel::idleLimitReached(QLocalSocket *socket)
{
    if (socket->bytesAvailable() > 0)
        refuse(socket, cutOffText());
    else
        drop(socket);
}

void ModuleChannel::refuse(QLocalSocket *socket, const QString &statusText)
{
    drop(socket);
    Q_EMIT frameRefused(statusText);
}

void ModuleChannel::drop(QLocalSocket *socket)
{
    // Its own signals must not report the close once more.
    socket->disconnect(this);
    idleTimer(socket)->stop();
    // Closing on unread input resets the connection, and the module would lose the answers to
    // the frames it sent before: the rest of its input is dropped, and answers it has not taken
    // yet go out before the close, unless it stops reading for the idle limit.
    socket->readAll();
    if (socket->state() == QLocalSocket::ConnectedState && socket->bytesToWrite() > 0) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(m_idleLimit, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        socket->disconnectFromServer();
        return;
    }
    socket->abort();
    socket->deleteLater();
}

QTimer *ModuleChannel::idleTimer(QLocalSocket *socket) const
{
    return socket->findChild<QTimer *>(QLatin1String(idleTimerName), Qt::FindDirectChildrenOnly);
}
