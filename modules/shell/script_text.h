// Text that the modules put between the double quotes of a script string.
#pragma once

#include <QString>

// text with every "\" written as "\\" and every double quote as "\"", so that the server reads
// the string as typed. Colour codes (^RRGGBB) and every other character stay as they are.
QString ScriptStringText(const QString &text);

// A mes statement for one line of text: tab, mes, the escaped line in double quotes and ";".
QString MesStatement(const QString &line);
