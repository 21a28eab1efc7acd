// The "NPC Script" language: read from its definition file at start, registered and selected.
#pragma once

#include <QString>

class EditControl;

// Registers "NPC Script" with the control's languages from the lists in scriptIniFile and
// selects it. A missing or broken file gives the language with empty lists, without a message.
void LoadLanguageDefinition(EditControl &control, const QString &scriptIniFile);
