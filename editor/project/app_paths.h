// The editor's folder and file table, resolved once at start from the program's folder.
#pragma once

#include <QString>

// The one place that decides where things live. In the portable tree everything is beside the
// program (Data/, Modules/). In a system install (the program in <prefix>/bin with
// <prefix>/share/quillmere beside it) the shipped files are read from share/quillmere/, the
// modules are in libexec/quillmere/, and Settings.ini and the user's own copies of the shipped
// files live in the user's config folder.
struct AppPaths
{
    QString AppPath;
    // Where the user's files are written: Data/ or the user's config folder.
    QString DataPath;
    QString ModulesPath;
    QString TemplatesPath;
    QString ScriptIniFile;
    QString SettingsIniFile;
    QString NpcModuleFile;
    QString MessageModuleFile;
    QString ShopModuleFile;
    // The item database the shop module reads, for the editor's item tips.
    QString ItemDatabaseFile;
    // The shipped files, read-only in a system install; Data/ in the portable tree.
    QString SharedDataPath;
    bool SystemInstall = false;

    // Builds the table for a program folder (with or without a trailing "/"). configFolder is the
    // user's folder for a system install; empty means the XDG one (~/.config/Quillmere/).
    static AppPaths forProgramFolder(const QString &folder, const QString &configFolder = QString());
    // The table of the running program; creates the user's config folder of a system install.
    static AppPaths forRunningProgram();
    // $XDG_CONFIG_HOME/Quillmere/ (by default ~/.config/Quillmere/), ending in "/".
    static QString userConfigFolder();
};
