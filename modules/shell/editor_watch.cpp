// Watching the editor's channel.
#include "editor_watch.h"

#include "send_command.h"

#include <QLocalSocket>
#include <QVariant>

namespace {

const char wasConnected[] = "wasConnected";

} // namespace

EditorWatch::EditorWatch(qint32 editorHwnd, QObject *parent)
    : QObject(parent)
    , m_editorHwnd(editorHwnd)
{
    // Queued, so that whoever made the watch can hear that the editor is gone already.
    QMetaObject::invokeMethod(this, &EditorWatch::connectToEditor, Qt::QueuedConnection);
}

bool EditorWatch::editorGone() const
{
    return m_gone;
}

void EditorWatch::connectToEditor()
{
    if (m_gone)
        return;
    if (m_socket)
        m_socket->deleteLater();
    const QString path = ChannelPath(m_editorHwnd);
    if (m_editorHwnd <= 0 || path.isEmpty()) {
        connectionLost();
        return;
    }
    auto *socket = new QLocalSocket(this);
    m_socket = socket;
    connect(socket, &QLocalSocket::errorOccurred, this, [this, socket] {
        // Failing to connect at all means nobody listens there any more; the end of a connection
        // that was made is looked into afresh.
        if (socket == m_socket && !socket->property(wasConnected).toBool())
            connectionLost();
    });
    connect(socket, &QLocalSocket::connected, this, [socket] { socket->setProperty(wasConnected, true); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
        if (socket == m_socket)
            QMetaObject::invokeMethod(this, &EditorWatch::connectToEditor, Qt::QueuedConnection);
    });
    socket->connectToServer(path);
}

void EditorWatch::connectionLost()
{
    if (m_gone)
        return;
    m_gone = true;
    if (m_socket)
        m_socket->deleteLater();
    Q_EMIT gone();
}
