// Reading a module's start-up values.
#include "module_context.h"

#include "install_layout.h"
#include "send_command.h"
#include "shell_helpers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString SpritePicturePathFor(const QString &moduleFolder)
{
    // A system install keeps the picture with the other shipped files.
    const QString share = SystemShareFolderFor(moduleFolder);
    if (!share.isEmpty())
        return share + QStringLiteral("images/NPC List.jpg");
    const QString folder = QDir::cleanPath(moduleFolder);
    const qsizetype cut = folder.lastIndexOf(QLatin1Char('/'));
    // A folder right below the root keeps the root's "/"; a bare relative name has no parent part.
    QString parent = cut < 0 ? QString() : folder.left(cut == 0 ? 1 : cut);
    if (!parent.isEmpty())
        addTrailingSeparator(parent);
    return parent + QStringLiteral("Data/images/NPC List.jpg");
}

QString MapPicturePath(const QString &spritePicturePath, const QString &mapName)
{
    QString name = mapName.trimmed();
    if (name.endsWith(QLatin1String(".gat"), Qt::CaseInsensitive))
        name.chop(4);
    QString folder = QFileInfo(spritePicturePath).path();
    return addTrailingSeparator(folder) + QStringLiteral("maps/") + name + QStringLiteral(".jpg");
}

QString ModuleSettingsPathFor(const QString &moduleFolder)
{
    if (!SystemShareFolderFor(moduleFolder).isEmpty())
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               + QStringLiteral("/Quillmere/Modules.ini");
    QString folder = moduleFolder;
    return addTrailingSeparator(folder) + QStringLiteral("Modules.ini");
}

QString ModuleCommandLine(const QStringList &arguments)
{
    // The editor passes one argument; a hand-typed line split at blanks is joined back.
    return arguments.mid(1).join(QLatin1Char(' '));
}

QRect EditorWindowFrom(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return QRect();
    int numbers[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok)
            return QRect();
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return QRect();
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

ModuleContext ReadStartupParameters(const QString &commandLine, const QString &moduleFolder)
{
    ModuleContext context;
    context.EditorHwnd = EditorHwndFrom(commandLine);
    context.SpritePicturePath = SpritePicturePathFor(moduleFolder);
    context.SettingsPath = ModuleSettingsPathFor(moduleFolder);
    // Only an editor's own window counts; started by hand, the module centres on the screen.
    if (context.EditorHwnd != 0)
        context.EditorWindow = EditorWindowFrom(qEnvironmentVariable(OwnerWindowVariable));
    return context;
}
