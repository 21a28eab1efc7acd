// The message lines that Saymark builds: one mes statement per typed line.
#pragma once

#include <QString>

// Tab, "mes ", the line in double quotes and ";" for every line (split at CR LF only), joined by
// CR LF; quotes and backslashes in a line are escaped. An empty text gives one empty statement
// followed by CR LF.
QString BuildMessageScript(const QString &text);
