// The module command channel over a local socket.
#include "send_command.h"

#include "parse.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QtEndian>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only a real folder of ours that nobody else may enter keeps other users off the socket.
// Our own folder under the shared temp folder must not be a link someone else planted.
bool isPrivateFolder(const QString &path, bool followLink)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info{};
    const int result = followLink ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info);
    return result == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

QString channelFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith(QLatin1Char('/')) && isPrivateFolder(runtime, true))
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/quillmere-") + QString::number(::geteuid());
    // Fails when the folder is there already; whatever is there is checked below.
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return isPrivateFolder(own, false) ? own : QString();
}

int remainingMs(const QDeadlineTimer &deadline)
{
    return int(qMax<qint64>(0, deadline.remainingTime()));
}

} // namespace

QString LaunchArgument(qint32 editorHwnd)
{
    return QStringLiteral("HWND=") + QString::number(editorHwnd) + ParameterSeparator
        + QStringLiteral("DUMMY=blah");
}

qint32 EditorHwndFrom(const QString &commandLine)
{
    const QString value = GetParameter(commandLine, QStringLiteral("HWND"));
    // Only the leading number counts: a "¬" that arrived as another character runs the value
    // on into "DUMMY=blah".
    const qsizetype digitsStart = value.startsWith(QLatin1Char('-')) ? 1 : 0;
    qsizetype end = digitsStart;
    while (end < value.size() && value.at(end) >= QLatin1Char('0') && value.at(end) <= QLatin1Char('9'))
        ++end;
    if (end == digitsStart)
        return 0;
    bool inRange = false;
    const int number = QStringView(value).left(end).toInt(&inRange);
    return inRange ? number : 0;
}

QString InsertTextCommandPrefix()
{
    return QStringLiteral("COMMAND=INSERTTEXTATCURSOR") + ParameterSeparator + QStringLiteral("DATA=");
}

QString ChannelPath(qint32 editorHwnd)
{
    const QString folder = channelFolder();
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/quillmere-") + QString::number(editorHwnd);
}

bool SendCommand(const QString &commandText, qint32 editorHwnd, int timeoutMs)
{
    if (editorHwnd <= 0)
        return false;
    const QByteArray payload = commandText.toUtf8();
    // The editor would drop it unread.
    if (quint64(payload.size()) > maxCommandBytes)
        return false;
    const QString path = ChannelPath(editorHwnd);
    if (path.isEmpty())
        return false;

    // The editor answers once the text is in and in view, which for megabytes on one line takes
    // seconds: a large text gets a second more per MiB rather than being reported as lost.
    const qint64 perMiB = 1000;
    const QDeadlineTimer deadline(qMax(0, timeoutMs) + payload.size() / (1024 * 1024) * perMiB);
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(remainingMs(deadline)))
        return false;
    socket.write(channelFrame(payload));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMs(deadline)))
            return false;
    }

    // The editor answers only after it has inserted the text.
    const QByteArray expected = channelFrame(handledAnswer());
    QByteArray answer;
    while (answer.size() < expected.size()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(remainingMs(deadline)))
            return false;
        answer += socket.read(expected.size() - answer.size());
    }
    socket.disconnectFromServer();
    return answer == expected;
}

QByteArray channelFrame(const QByteArray &payload)
{
    QByteArray frame(4, '\0');
    qToBigEndian<quint32>(quint32(payload.size()), frame.data());
    return frame + payload;
}

QByteArray handledAnswer()
{
    return QByteArrayLiteral("HANDLED");
}
