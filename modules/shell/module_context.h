// What a module knows from its start: the editor to send to and where the sprite picture is.
#pragma once

#include <QString>
#include <QStringList>

// Set once at start and only read afterwards; passed to the window instead of kept globally.
struct ModuleContext
{
    // The editor's channel number from the launch argument; 0: no editor to send to.
    qint32 EditorHwnd = 0;
    // The sprite overview picture "NPC List.jpg" in the editor's Data/images folder.
    QString SpritePicturePath;
};

// The folder above moduleFolder, then "Data/images/NPC List.jpg"; the folder's own spelling is
// kept, since file names are case-sensitive here. In a system install, share/quillmere/images/.
QString SpritePicturePathFor(const QString &moduleFolder);

// The launch argument: everything after the program path, as one parameter string.
QString ModuleCommandLine(const QStringList &arguments);

// The module-wide values from the command line and the folder the module program is in.
ModuleContext ReadStartupParameters(const QString &commandLine, const QString &moduleFolder);
