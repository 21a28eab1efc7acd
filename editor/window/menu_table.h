// The main window's menu tree as data: names, captions, shortcuts and where each item hangs.
#pragma once

#include <QList>

struct MenuEntry
{
    const char *name;
    const char *caption;   // "-" makes a separator
    const char *shortcut;  // portable key sequence text, "" for none
    const char *parent;    // "" for the menu bar
};

// In menu order; a submenu comes before its items.
const QList<MenuEntry> &MainMenuTable();

// The item arrays that hang in the submenus, their name prefix and design-time captions.
struct MenuArray
{
    const char *prefix;   // item i is named prefix + "_" + i
    const char *parent;
    QList<const char *> captions;
    // What each item stands for, kept in its QAction::data(); empty for arrays without data.
    QList<const char *> data = {};
};
const QList<MenuArray> &MainMenuArrays();
