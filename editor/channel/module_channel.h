// The editor's end of the module command channel: takes the modules' command frames off a local socket.
#pragma once

#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>

#include <chrono>
#include <functional>

class QLocalServer;
class QLocalSocket;
class QTimer;

class ModuleChannel : public QObject
{
    Q_OBJECT

public:
    explicit ModuleChannel(QObject *parent = nullptr);

    // Listens at ChannelPath(number), the socket readable and writable by this user alone. A socket
    // left there by an editor that has ended is replaced; a living editor's is not. False when
    // the channel cannot be opened.
    bool startListening(qint32 number);
    bool isOpen() const;
    QString path() const;

    // How often a lost channel is looked for and tried again (half a second unless set).
    void setRelistenInterval(std::chrono::milliseconds interval);

    // Removes the sockets in folder that editors left when they ended without closing them
    // (nobody answers on them), except ownNumber's. Only sockets named as ChannelPath names them,
    // and belonging to this user, are touched. Returns how many were removed.
    static int RemoveStaleSockets(const QString &folder, qint32 ownNumber);

    // A connection that completes no command for this long is closed (30 seconds unless set).
    void setIdleLimit(std::chrono::milliseconds limit);

    // The commands that insert text put it in here, in the order they arrive; without an
    // insertion they change nothing.
    void setInsertion(std::function<void(const QString &)> insert);

Q_SIGNALS:
    // One whole command text, after it was carried out. Its sender is answered once the
    // receivers have returned.
    void commandReceived(const QString &text);
    // A whole command that the editor does not know; the status sentence names it.
    void unknownCommand(const QString &statusText);
    // A frame was dropped and its connection closed; the status sentence says why.
    void frameRefused(const QString &statusText);
    // The open channel was lost (false) or is listening again (true); the sentence tells the user.
    void listeningChanged(bool listening, const QString &statusText);

private:
    struct PendingCommand
    {
        QPointer<QLocalSocket> sender;
        QString text;
    };

    void acceptConnections();
    void readFrames(QLocalSocket *socket);
    void handlePending();
    void carryOut(const QString &text);
    void connectionClosed(QLocalSocket *socket);
    void idleLimitReached(QLocalSocket *socket);
    void refuse(QLocalSocket *socket, const QString &statusText);
    void drop(QLocalSocket *socket);
    QTimer *idleTimer(QLocalSocket *socket) const;
    bool listenAt(const QString &path);
    void checkListening();

    QLocalServer *m_server = nullptr;
    // Once open, the channel is kept listening at this path.
    QString m_path;
    QTimer *m_relisten = nullptr;
    bool m_lost = false;
    std::function<void(const QString &)> m_insert;
    QQueue<PendingCommand> m_pending;
    bool m_handling = false;
    std::chrono::milliseconds m_idleLimit{30000};
};
