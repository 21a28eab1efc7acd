// Loading and registering the NPC Script language.
#include "script_language.h"

#include "edit_control.h"
#include "language_definition.h"
#include "script_lexer.h"

namespace {

const QString ScriptLanguageName = QStringLiteral("NPC Script");

void registerScriptLanguage(EditControl &control, const QString &scriptIniFile, const QStringList &moreKeywords)
{
    // Read once: choosing the language again later reselects this definition.
    LanguageDefinition definition = ReadLanguageDefinition(scriptIniFile);
    if (!moreKeywords.isEmpty())
        definition.keywords += QLatin1Char('\n') + moreKeywords.join(QLatin1Char('\n'));
    control.languages().registerLanguage(ScriptLanguageName, [definition](QObject *parent) -> QsciLexer * {
        return new ScriptLexer(definition, parent);
    });
}

} // namespace

void LoadLanguageDefinition(EditControl &control, const QString &scriptIniFile, const QStringList &moreKeywords)
{
    registerScriptLanguage(control, scriptIniFile, moreKeywords);
    control.setLanguage(ScriptLanguageName);
}

void SetScriptKeywords(EditControl &control, const QString &scriptIniFile, const QStringList &moreKeywords)
{
    registerScriptLanguage(control, scriptIniFile, moreKeywords);
    if (control.language() == ScriptLanguageName)
        control.setLanguage(ScriptLanguageName);
}
