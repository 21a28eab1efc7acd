// The module command channel over a local socket.
#include "send_command.h"

#include "parse.h"

QString LaunchArgument(qint32 editorHwnd)
{
    return QStringLiteral("HWND=") + QString::number(editorHwnd) + ParameterSeparator
        + QStringLiteral("DUMMY=blah");
}

qint32 EditorHwndFrom(const QString &commandLine)
{
    Q_UNUSED(commandLine)
    return 0;
}

QString InsertTextCommandPrefix()
{
    return QStringLiteral("COMMAND=INSERTTEXTATCURSOR") + ParameterSeparator + QStringLiteral("DATA=");
}

QString ChannelPath(qint32 editorHwnd)
{
    Q_UNUSED(editorHwnd)
    return QString();
}

bool SendCommand(const QString &commandText, qint32 editorHwnd, int timeoutMs)
{
    Q_UNUSED(commandText)
    Q_UNUSED(editorHwnd)
    Q_UNUSED(timeoutMs)
    return false;
}
