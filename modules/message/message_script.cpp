// Building the message lines.
#include "message_script.h"

#include "script_text.h"

#include <QStringList>

QString BuildMessageScript(const QString &text)
{
    // An empty box still gives one statement to fill in, on a line of its own.
    if (text.isEmpty())
        return QStringLiteral("\tmes \"\";\r\n");
    QStringList statements;
    for (const QString &line : text.split(QLatin1String("\r\n")))
        statements.append(MesStatement(line));
    return statements.join(QLatin1String("\r\n"));
}
