// Reading a list-driven language's definition from its INI file.
#include "language_definition.h"

#include "ini.h"

QStringList LanguageDefinition::tokens(const QString &list)
{
    return list.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

LanguageDefinition ReadLanguageDefinition(const QString &iniFile)
{
    const auto read = [&iniFile](const char *key) {
        QString list = ReadIni(QStringLiteral("Definition"), QLatin1String(key), QString(), iniFile);
        return list.replace(QLatin1Char(','), QLatin1Char('\n'));
    };
    LanguageDefinition definition;
    definition.keywords = read("Keywords");
    definition.operators = read("Operators");
    definition.singleLineComments = read("Single Line Comments");
    definition.multilineComments1 = read("Multiline Comments 1");
    definition.multilineComments2 = read("Multiline Comments 2");
    definition.stringDelimiters = read("String Delimiter");
    definition.tagAttributeNames = read("Tag Attribute Names");
    definition.tagElementNames = read("Tag Element Names");
    definition.scopeKeywords1 = read("ScopeKeywords1");
    definition.scopeKeywords2 = read("ScopeKeywords2");
    definition.setting = 0;
    return definition;
}
