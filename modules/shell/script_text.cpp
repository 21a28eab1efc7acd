// Escaping text for script strings.
#include "script_text.h"

QString ScriptStringText(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

QString MesStatement(const QString &line)
{
    return QStringLiteral("\tmes \"") + ScriptStringText(line) + QStringLiteral("\";");
}
