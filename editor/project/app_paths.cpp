// The editor's folder and file table: the portable tree or a system install, told by its layout.
#include "app_paths.h"

#include "install_layout.h"
#include "shell_helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The user's copy when there is one, so a changed file wins over the shipped one.
QString userOrShipped(const QString &userPath, const QString &shippedPath)
{
    return QFileInfo::exists(userPath) ? userPath : shippedPath;
}

} // namespace

AppPaths AppPaths::forProgramFolder(const QString &folder, const QString &configFolder)
{
    AppPaths paths;
    paths.AppPath = folder;
    addTrailingSeparator(paths.AppPath);
    const QString share = SystemShareFolderFor(paths.AppPath);
    if (share.isEmpty()) {
        paths.DataPath = paths.AppPath + QStringLiteral("Data/");
        paths.SharedDataPath = paths.DataPath;
        paths.ModulesPath = paths.AppPath + QStringLiteral("Modules/");
        paths.TemplatesPath = paths.DataPath + QStringLiteral("Templates/");
        paths.ScriptIniFile = paths.DataPath + QStringLiteral("NPC Script.ini");
        paths.ItemDatabaseFile = paths.ModulesPath + QStringLiteral("item_db2.txt");
    } else {
        paths.SystemInstall = true;
        paths.DataPath = configFolder.isEmpty() ? userConfigFolder() : configFolder;
        addTrailingSeparator(paths.DataPath);
        paths.SharedDataPath = share;
        // share ends in "share/quillmere/": the prefix is two folders up.
        paths.ModulesPath = QDir::cleanPath(share + QStringLiteral("../../libexec/quillmere")) + QLatin1Char('/');
        paths.TemplatesPath = userOrShipped(paths.DataPath + QStringLiteral("Templates/"),
                                            share + QStringLiteral("Templates/"));
        paths.ScriptIniFile = userOrShipped(paths.DataPath + QStringLiteral("NPC Script.ini"),
                                            share + QStringLiteral("NPC Script.ini"));
        paths.ItemDatabaseFile = share + QStringLiteral("item_db2.txt");
    }
    paths.SettingsIniFile = paths.DataPath + QStringLiteral("Settings.ini");
    paths.NpcModuleFile = paths.ModulesPath + QStringLiteral("Folkmint");
    paths.MessageModuleFile = paths.ModulesPath + QStringLiteral("Saymark");
    paths.ShopModuleFile = paths.ModulesPath + QStringLiteral("Bartlow");
    return paths;
}

AppPaths AppPaths::forRunningProgram()
{
    const AppPaths paths = forProgramFolder(QCoreApplication::applicationDirPath());
    // Settings.ini is written without creating folders, so the user's folder must exist.
    if (paths.SystemInstall)
        QDir().mkpath(paths.DataPath);
    return paths;
}

QString AppPaths::userConfigFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                     + QStringLiteral("/Quillmere");
    addTrailingSeparator(folder);
    return folder;
}
