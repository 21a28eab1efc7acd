// The editor's folder and file table: plain concatenations from the program's folder.
#include "app_paths.h"

#include "shell_helpers.h"

#include <QCoreApplication>

AppPaths AppPaths::forProgramFolder(const QString &folder)
{
    AppPaths paths;
    paths.AppPath = folder;
    AddTrailingSeparator(paths.AppPath);
    paths.DataPath = paths.AppPath + QStringLiteral("Data/");
    paths.ModulesPath = paths.AppPath + QStringLiteral("Modules/");
    paths.TemplatesPath = paths.DataPath + QStringLiteral("Templates/");
    paths.ScriptIniFile = paths.DataPath + QStringLiteral("NPC Script.ini");
    paths.SettingsIniFile = paths.DataPath + QStringLiteral("Settings.ini");
    paths.NpcModuleFile = paths.ModulesPath + QStringLiteral("Folkmint");
    paths.MessageModuleFile = paths.ModulesPath + QStringLiteral("Saymark");
    paths.ShopModuleFile = paths.ModulesPath + QStringLiteral("Bartlow");
    return paths;
}

AppPaths AppPaths::forRunningProgram()
{
    return forProgramFolder(QCoreApplication::applicationDirPath());
}
