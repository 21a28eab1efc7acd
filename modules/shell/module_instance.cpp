// Finding the running window of a module, or becoming it.
#include "module_instance.h"

#include "send_command.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

const QByteArray frontRequest = QByteArrayLiteral("FRONT");

bool askRunningModule(const QString &path)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(frontRequest);
    const bool written = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return written;
}

} // namespace

QString ModuleInstancePath(qint32 editorHwnd, const QString &programName)
{
    const QString channel = ChannelPath(editorHwnd);
    return channel.isEmpty() ? QString() : channel + QLatin1Char('-') + programName;
}

ModuleInstance::ModuleInstance(qint32 editorHwnd, const QString &programName, QObject *parent)
    : QObject(parent)
{
    if (editorHwnd <= 0)
        return;
    const QString path = ModuleInstancePath(editorHwnd, programName);
    if (path.isEmpty())
        return;
    if (askRunningModule(path)) {
        m_handedOver = true;
        return;
    }
    // Nobody answers: what is left there belongs to a module that has ended.
    QLocalServer::removeServer(path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path))
        return;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(frontRequest))
                    Q_EMIT frontRequested();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool ModuleInstance::handedOver() const
{
    return m_handedOver;
}
