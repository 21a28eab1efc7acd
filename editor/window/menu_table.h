// The main window's menu tree as data: which command or submenu each item is, its name, caption and keys.
#pragma once

#include <QList>

#include <optional>

// Every command of the menus and the toolbar. A new command is one value here, one row in
// mainMenuTable() and one line in MainWindow::connectCommands().
enum class Command {
    NewFile, OpenFile, InsertFile, SaveFile, SaveAs, Print, Quit,
    Undo, Redo, Cut, Copy, Paste, SelectAll,
    Find, FindNext, FindPrevious, Replace, GoToLine, FindInFiles,
    GoToDefinition, FindReferences,
    InsertNpc, InsertShop, InsertMessage, InsertColourCode, BlankMessageTemplate,
    NewProject, OpenProject, CloseProject, ProjectProperties,
    CheckScript, CheckProject, ReportUnknownCommands,
    ReadOnly,
    SetFont, ShowWhitespace, ShowProblems,
    GoToWebsite, GoToVexloForum, GoToTamrinForum, About,
    SchemeLight, SchemeDark, SchemeDesktop, RestoreLastSession,
};

// The menu bar and the menus that hang in it or in each other.
enum class Menu {
    Bar,
    File, Edit, Search, Insert, Project, Debug, Options, View, Help,
    InsertCommands, CommandsInterface, CommandsAction, CommandsLogic, Templates,
    HighlightingType,
    ColourScheme,
};

// One item: a command, a submenu, or (with neither) a separator.
struct MenuEntry
{
    Menu parent;
    const char *name;      // the item's object name
    const char *caption;
    const char *shortcut;  // portable key sequence text, "" for none
    std::optional<Command> command;
    std::optional<Menu> submenu;
};

// In menu order; a submenu comes before its items.
const QList<MenuEntry> &mainMenuTable();

// The highlighting types under View > Highlighting Type.., in order. An empty caption is a
// separator; an empty language switches highlighting off.
struct HighlightingType
{
    const char *caption;
    const char *language;
};
const QList<HighlightingType> &highlightingTypes();
