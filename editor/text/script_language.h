// The "NPC Script" language: registered from the definition the editor read at start, and selected.
#pragma once

class EditControl;
struct LanguageDefinition;

// Registers "NPC Script" with the control's languages and selects it. Choosing the language
// again later reselects this definition: the file is not read again.
void registerScriptLanguage(EditControl &control, const LanguageDefinition &definition);
