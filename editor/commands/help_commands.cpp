// The Help menu's commands and the window title.
#include "help_commands.h"

#include "dialog_seam.h"

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

void showAbout(DialogSeam &dialogs)
{
    dialogs.msgBoxEx({HelpAddress::website() + QLatin1Char('|') + HelpAddress::tamrinTopic(),
                      MsgBoxIcon::Information, MsgBoxButtons::Okay, QStringLiteral("Placeholder..")});
}
