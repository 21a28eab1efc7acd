// The number at the start of a text, read the same way wherever a typed or stored value counts.
#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

// Leading blanks (spaces and tabs) skipped, an optional sign, digits and at most one "." with
// more digits; whatever follows is ignored. Text that does not start with a number gives 0.
// Independent of the user's locale.
double NumberAtStart(QStringView text);

// value rounded to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4); nothing
// when the result does not fit 32 bits.
std::optional<qint32> RoundedToInt32(double value);
