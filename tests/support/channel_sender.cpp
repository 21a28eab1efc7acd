// A stand-in module for the channel tests: sends each text after its launch argument, in order.
// Exit code 0 when the editor confirmed every one, 1 at the first that it did not.
#include <QCoreApplication>
#include <QStringList>

#include "send_command.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qint32 editor = EditorHwndFrom(arguments.value(1));
    for (const QString &text : arguments.mid(2)) {
        if (!SendCommand(text, editor))
            return 1;
    }
    return 0;
}
