// The editor's folder and file table, resolved once at start from the program's folder.
#pragma once

#include <QString>

struct AppPaths
{
    QString AppPath;
    QString DataPath;
    QString ModulesPath;
    QString TemplatesPath;
    QString ScriptIniFile;
    QString SettingsIniFile;
    QString NpcModuleFile;
    QString MessageModuleFile;
    QString ShopModuleFile;

    // Builds the table for a program folder (with or without a trailing "/").
    static AppPaths forProgramFolder(const QString &folder);
    // The table of the running program.
    static AppPaths forRunningProgram();
};
