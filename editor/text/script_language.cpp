// Registering the NPC Script language.
#include "script_language.h"

#include "edit_control.h"
#include "language_definition.h"
#include "script_lexer.h"

void registerScriptLanguage(EditControl &control, const LanguageDefinition &definition)
{
    control.languages().registerLanguage(QStringLiteral("NPC Script"),
                                         [definition](QObject *parent) -> QsciLexer * {
                                             return new ScriptLexer(definition, parent);
                                         });
    control.setLanguage(QStringLiteral("NPC Script"));
}
