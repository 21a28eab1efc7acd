// Reading the number at the start of a text and rounding it the way stored values are rounded.
#include "leading_number.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <limits>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

double NumberAtStart(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    const qsizetype wholeStart = i;
    while (i < text.size() && isDigit(text.at(i)))
        ++i;
    qsizetype digits = i - wholeStart;
    bool fraction = false;
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        const qsizetype fractionStart = i + 1;
        qsizetype j = fractionStart;
        while (j < text.size() && isDigit(text.at(j)))
            ++j;
        fraction = j > fractionStart;
        digits += j - fractionStart;
        i = j;
    }
    if (digits == 0)
        return 0.0;
    // Item files are mostly short whole numbers: those are exact without the general parser.
    if (!fraction && digits <= 15) {
        double value = 0;
        for (qsizetype k = wholeStart; k < wholeStart + digits; ++k)
            value = value * 10 + (text.at(k).unicode() - '0');
        return negative ? -value : value;
    }
    QString number = text.mid(start, i - start).toString();
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? value : 0.0;
}

std::optional<qint32> RoundedToInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // The default rounding mode rounds halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < double(std::numeric_limits<qint32>::min()) || rounded > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(rounded);
}
