// Cutting and looking up parameter strings (key=value pairs joined by "¬").
#include "parse.h"

QStringList SplitString(const QString &text, const QString &delimiter)
{
    if (delimiter.isEmpty())
        return {text};

    QStringList parts;
    qsizetype start = 0;
    for (;;) {
        const qsizetype hit = text.indexOf(delimiter, start, Qt::CaseSensitive);
        if (hit < 0)
            break;
        parts.append(text.mid(start, hit - start));
        start = hit + delimiter.size();
    }
    parts.append(text.mid(start));
    return parts;
}

QString GetParameter(const QString &parameters, const QString &key, const QString &pairSeparator,
                     const QString &keyValueSeparator)
{
    if (parameters.isEmpty())
        return QString();

    const QStringList elements = SplitString(parameters, pairSeparator);
    // A string whose first element has no separator is treated as malformed as a whole.
    if (!elements.first().contains(keyValueSeparator, Qt::CaseInsensitive))
        return QString();

    for (const QString &element : elements) {
        const qsizetype p = element.indexOf(keyValueSeparator);
        const QString elementKey = p < 0 ? QString() : element.left(p);
        if (elementKey == key)
            return p < 0 ? element : element.mid(p + keyValueSeparator.size());
    }
    return QString();
}
