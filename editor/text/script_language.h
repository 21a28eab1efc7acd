// The "NPC Script" language: registered from the definition the editor read at start, and selected.
#pragma once

#include <QString>
#include <QStringList>

class EditControl;
struct LanguageDefinition;

// Registers "NPC Script" with the control's languages and selects it. Choosing the language
// again later reselects this definition: the file is not read again. moreKeywords are coloured
// as keywords too: the commands the script server knows.
void registerScriptLanguage(EditControl &control, const LanguageDefinition &definition,
                            const QStringList &moreKeywords = {});
// Registers it again from the definition file with other moreKeywords, when the user chose
// another script server; the text is styled anew if it shows the language.
void SetScriptKeywords(EditControl &control, const QString &scriptIniFile, const QStringList &moreKeywords);
