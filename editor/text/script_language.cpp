// Loading and registering the NPC Script language.
#include "script_language.h"

#include "edit_control.h"
#include "language_definition.h"
#include "script_lexer.h"

void LoadLanguageDefinition(EditControl &control, const QString &scriptIniFile)
{
    // Read once: choosing the language again later reselects this definition.
    const LanguageDefinition definition = ReadLanguageDefinition(scriptIniFile);
    control.languages().registerLanguage(QStringLiteral("NPC Script"),
                                         [definition](QObject *parent) -> QsciLexer * {
                                             return new ScriptLexer(definition, parent);
                                         });
    control.setLanguage(QStringLiteral("NPC Script"));
}
