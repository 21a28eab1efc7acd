// Registering the NPC Script language.
#include "script_language.h"

#include "edit_control.h"
#include "language_definition.h"
#include "script_lexer.h"

namespace {

const QString ScriptLanguageName = QStringLiteral("NPC Script");

void registerLexer(EditControl &control, LanguageDefinition definition, const QStringList &moreKeywords)
{
    if (!moreKeywords.isEmpty())
        definition.keywords += QLatin1Char('\n') + moreKeywords.join(QLatin1Char('\n'));
    control.languages().registerLanguage(ScriptLanguageName, [definition](QObject *parent) -> QsciLexer * {
        return new ScriptLexer(definition, parent);
    });
}

} // namespace

void registerScriptLanguage(EditControl &control, const LanguageDefinition &definition, const QStringList &moreKeywords)
{
    registerLexer(control, definition, moreKeywords);
    control.setLanguage(ScriptLanguageName);
}

void SetScriptKeywords(EditControl &control, const QString &scriptIniFile, const QStringList &moreKeywords)
{
    registerLexer(control, ReadLanguageDefinition(scriptIniFile), moreKeywords);
    if (control.language() == ScriptLanguageName)
        control.setLanguage(ScriptLanguageName);
}
