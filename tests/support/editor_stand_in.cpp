// A stand-in editor for the module tests: the editor's real channel, without its window.
// Prints "READY" once it listens, then every command it receives on a line of its own (line
// breaks as \r and \n, a backslash as \\); the line "QUIT" on its input ends it as an editor ends.
#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

#include "module_channel.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ModuleChannel channel;
    if (!channel.startListening(qint32(QCoreApplication::applicationPid())))
        return 1;
    QObject::connect(&channel, &ModuleChannel::commandReceived, &app, [](const QString &text) {
        QString line = text;
        line.replace(QLatin1String("\\"), QLatin1String("\\\\"))
            .replace(QLatin1String("\r"), QLatin1String("\\r"))
            .replace(QLatin1String("\n"), QLatin1String("\\n"));
        std::fputs(line.toUtf8().append('\n').constData(), stdout);
        std::fflush(stdout);
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&app] {
        char buffer[64];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0 || QByteArray(buffer, int(got)).contains("QUIT"))
            app.quit();
    });
    std::fputs("READY\n", stdout);
    std::fflush(stdout);
    return app.exec();
}
