// What a module knows from its start: the editor to send to, where its pictures and settings are.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

// Set once at start and only read afterwards; passed to the window instead of kept globally.
struct ModuleContext
{
    // The editor's channel number from the launch argument; 0: no editor to send to.
    qint32 EditorHwnd = 0;
    // The sprite overview picture "NPC List.jpg" in the editor's Data/images folder.
    QString SpritePicturePath{};
    // The modules' settings file; "" keeps nothing between runs.
    QString SettingsPath{};
    // Where the editor's window stood when it started the module; empty when not known.
    QRect EditorWindow{};
};

// The folder above moduleFolder, then "Data/images/NPC List.jpg"; the folder's own spelling is
// kept, since file names are case-sensitive here. In a system install, share/quillmere/images/.
QString SpritePicturePathFor(const QString &moduleFolder);

// The picture of mapName (".gat" or not) beside the sprite picture: "maps/<name>.jpg".
QString MapPicturePath(const QString &spritePicturePath, const QString &mapName);

// The modules' settings file: "Modules.ini" beside the module programs, or in the user's
// Quillmere settings folder for a system install.
QString ModuleSettingsPathFor(const QString &moduleFolder);

// The launch argument: everything after the program path, as one parameter string.
QString ModuleCommandLine(const QStringList &arguments);

// The editor window's frame "x,y,width,height" as ShellExe hands it to the programs it starts;
// an empty rectangle when the text is not four whole numbers with a positive size.
QRect EditorWindowFrom(const QString &text);

// The module-wide values from the command line and the folder the module program is in.
ModuleContext ReadStartupParameters(const QString &commandLine, const QString &moduleFolder);
