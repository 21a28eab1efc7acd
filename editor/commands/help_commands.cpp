// The Help menu's commands and the window title.
#include "help_commands.h"

#include "dialog_seam.h"

#include <QStringList>

namespace HelpAddress {
QString website()
{
    return QStringLiteral("https://www.quillmere.org/");
}

QString forum()
{
    return QStringLiteral("https://www.quillmere.org/forum/");
}

QString tamrinTopic()
{
    return QStringLiteral("https://forum.tamrin.org/index.php?showtopic=2718");
}
} // namespace HelpAddress

QString formatTitle(int major, int minor, int revision)
{
    return QStringLiteral("Quillmere v%1.%2, build#%3")
        .arg(major)
        .arg(minor, 2, 10, QLatin1Char('0'))
        .arg(revision, 4, 10, QLatin1Char('0'));
}

void openWebsite(DialogSeam &dialogs, QWidget *owner)
{
    dialogs.launch(owner, HelpAddress::website(), QString());
}

void openForum(DialogSeam &dialogs, QWidget *owner)
{
    dialogs.launch(owner, HelpAddress::forum(), QString());
}

void openTamrinTopic(DialogSeam &dialogs, QWidget *owner)
{
    dialogs.launch(owner, HelpAddress::tamrinTopic(), QString());
}

QString aboutText(const QString &title, const QString &dataFolder)
{
    // The message box breaks lines at "|", so the folder is the one line that may not hold one.
    QString folder = dataFolder;
    folder.replace(QLatin1Char('|'), QChar(0x2223));
    return QStringList{title,
                       QStringLiteral("Writes NPC scripts for game servers: an editor, three wizards and a checker."),
                       QStringLiteral("Free software under the GNU General Public License, version 3 or later."),
                       QStringLiteral("Your settings and files: ") + folder,
                       HelpAddress::website() + QStringLiteral("  ") + HelpAddress::tamrinTopic()}
        .join(QLatin1Char('|'));
}

void showAbout(DialogSeam &dialogs, const QString &title, const QString &dataFolder)
{
    dialogs.msgBoxEx({aboutText(title, dataFolder), MsgBoxIcon::Information, MsgBoxButtons::Okay,
                      QStringLiteral("About Quillmere..")});
}
