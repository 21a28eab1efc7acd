// The module command channel: the launch argument, the command text and sending it to the editor.
#pragma once

#include <QByteArray>
#include <QString>

// "HWND=" editorHwnd "¬DUMMY=blah": a module's whole command line.
QString LaunchArgument(qint32 editorHwnd);

// The number at the start of the HWND value of a module's command line; 0 when the key is
// missing or its value does not start with a number (no editor to send to).
qint32 EditorHwndFrom(const QString &commandLine);

// "COMMAND=INSERTTEXTATCURSOR¬DATA=": what every module's command text starts with.
QString InsertTextCommandPrefix();

// Where the editor numbered editorHwnd listens: a local socket in a folder only this user
// can enter. "" when no such folder can be had.
QString ChannelPath(qint32 editorHwnd);

// Sends commandText to the editor numbered editorHwnd and waits until the editor has handled
// it. True when the editor confirmed it within timeoutMs, plus a second for each MiB of text;
// false when editorHwnd is 0, no editor listens there, or no confirmation came.
bool SendCommand(const QString &commandText, qint32 editorHwnd, int timeoutMs = 10000);

// The largest command the editor takes, in UTF-8 bytes.
inline constexpr quint32 maxCommandBytes = 16u * 1024u * 1024u;

// One frame on the channel, both ways: the payload's length as 4 big-endian bytes, then the payload.
QByteArray channelFrame(const QByteArray &payload);

// The payload of the editor's answer once it has handled a command.
QByteArray handledAnswer();
