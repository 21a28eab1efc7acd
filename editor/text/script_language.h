// The "NPC Script" language: read from its definition file at start, registered and selected.
#pragma once

#include <QString>
#include <QStringList>

class EditControl;

// Registers "NPC Script" with the control's languages from the lists in scriptIniFile and
// selects it. A missing or broken file gives the language with empty lists, without a message.
// moreKeywords are coloured as keywords too: the commands the script server knows.
void LoadLanguageDefinition(EditControl &control, const QString &scriptIniFile, const QStringList &moreKeywords = {});
// Registers it again with other moreKeywords; the text is styled anew if it shows the language.
void SetScriptKeywords(EditControl &control, const QString &scriptIniFile, const QStringList &moreKeywords);
