// The Help menu: our web pages and the About box.
#pragma once

#include <QString>

class DialogSeam;
class QWidget;

namespace HelpAddress {
QString website();
QString forum();
QString tamrinTopic();
}

// The main window's title for a version, e.g. "Quillmere v0.10, build#0026".
QString formatTitle(int major, int minor, int revision);

void openWebsite(DialogSeam &dialogs, QWidget *owner);
void openForum(DialogSeam &dialogs, QWidget *owner);
void openTamrinTopic(DialogSeam &dialogs, QWidget *owner);
// The About box's lines: name and version, what the program is for, its licence, where the
// user's settings and own copies of the shipped files are kept, and our web pages.
QString aboutText(const QString &title, const QString &dataFolder);
void showAbout(DialogSeam &dialogs, const QString &title, const QString &dataFolder);
