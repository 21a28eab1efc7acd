// Reading a module's start-up values.
#include "module_context.h"

#include "install_layout.h"
#include "send_command.h"
#include "shell_helpers.h"

#include <QDir>

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

QString ModuleCommandLine(const QStringList &arguments)
{
    // The editor passes one argument; a hand-typed line split at blanks is joined back.
    return arguments.mid(1).join(QLatin1Char(' '));
}

ModuleContext ReadStartupParameters(const QString &commandLine, const QString &moduleFolder)
{
    ModuleContext context;
    context.EditorHwnd = EditorHwndFrom(commandLine);
    context.SpritePicturePath = SpritePicturePathFor(moduleFolder);
    return context;
}
