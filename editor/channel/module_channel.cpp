// Reading the modules' command frames: whole frames only, from many connections, one after another.
#include "module_channel.h"

#include "caret_insertion.h"
#include "parse.h"
#include "send_command.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QTimer>
#include <QtEndian>

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
}

bool ModuleChannel::open(qint32 number)
{
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
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    return m_server->listen(path);
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
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
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

void ModuleChannel::setInsertion(CaretInsertion *insertion)
{
    m_insertion = insertion;
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
    if (m_insertion)
        m_insertion->insertTextAtCaret(data, true, -1, -1);
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
    socket->abort();
    socket->deleteLater();
}

QTimer *ModuleChannel::idleTimer(QLocalSocket *socket) const
{
    return socket->findChild<QTimer *>(QLatin1String(idleTimerName), Qt::FindDirectChildrenOnly);
}
