// The definitions the script harnesses style with: the shipped one, and one whose operators
// can hide comments and strings, so the model's styled reading runs too.
#pragma once

#include "language_definition.h"

#include <QString>

inline LanguageDefinition ShippedDefinition()
{
    return ReadLanguageDefinition(QStringLiteral(QUILL_SCRIPT_DEFINITION));
}

inline LanguageDefinition HidingDefinition()
{
    LanguageDefinition d;
    d.keywords = QStringLiteral("mes\nclose\ngoto\nmenu\nif\nend\nset\nnext");
    d.operators = QStringLiteral("/\n*\n(\n)\n{\n}\n;\n,\n\"\n//=");
    d.singleLineComments = QStringLiteral("//\n#");
    d.multilineComments1 = QStringLiteral("/*\n(*");
    d.multilineComments2 = QStringLiteral("*/\n*)");
    d.stringDelimiters = QStringLiteral("\"\n'");
    d.tagAttributeNames = QStringLiteral("script\nshop");
    d.tagElementNames = QStringLiteral("L_");
    d.scopeKeywords1 = QStringLiteral("{\nbegin");
    d.scopeKeywords2 = QStringLiteral("}\nend");
    return d;
}
