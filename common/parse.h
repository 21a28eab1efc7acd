// Parameter strings: key=value pairs joined by "¬", cut and looked up without escaping.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The pair separator of every parameter string ("¬").
inline constexpr QChar ParameterSeparator{0x00AC};

// Cuts text at every occurrence of delimiter (no overlaps); empty parts are kept.
// An empty delimiter gives the text unchanged as the one element.
QStringList SplitString(const QString &text, const QString &delimiter);

// The value of key (exact, case-sensitive), or "" when absent. Only the first
// key/value separator of an element divides; the first matching element wins;
// when element 0 holds no key/value separator the whole string counts as malformed.
QString GetParameter(const QString &parameters, const QString &key,
                     const QString &pairSeparator = QString(ParameterSeparator),
                     const QString &keyValueSeparator = QStringLiteral("="));
