// The NPC block that Folkmint builds: definition line, name message, greeting lines, brace.
#pragma once

#include "header_substitution.h"

#include <QString>

// The header template: definition line and the first message with the name in brackets.
QString NpcHeaderTemplate();

// The whole block from the shared inputs and the greeting (lines split at CR LF only). The
// greeting goes in after the substitution, so placeholders typed into it stay as typed. Whatever
// stands inside a string (the name in brackets, the greeting lines) is escaped.
QString BuildNPCScript(const HeaderInputs &inputs, const QString &greeting);
