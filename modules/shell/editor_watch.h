// Noticing that the editor a module was started from has ended.
#pragma once

#include <QObject>
#include <QPointer>

class QLocalSocket;

// Keeps a quiet connection to the editor's channel. The editor ending closes it at once; a
// connection the editor merely let go (it drops idle ones) is simply made again. Only when the
// channel can no longer be reached is the editor taken for gone.
class EditorWatch : public QObject
{
    Q_OBJECT

public:
    EditorWatch(qint32 editorHwnd, QObject *parent = nullptr);

    bool editorGone() const;

Q_SIGNALS:
    // Once, when the editor's channel cannot be reached any more.
    void gone();

private:
    void connectToEditor();
    void connectionLost();

    qint32 m_editorHwnd;
    QPointer<QLocalSocket> m_socket;
    bool m_gone = false;
};
