// The script commands offered under Insert > Commands: what each inserts and says.
#pragma once

#include <QList>
#include <QString>

enum class CatalogueMenu { Interface, Action, Logic };

struct CatalogueEntry
{
    CatalogueMenu menu;
    QString caption;
    QString text;       // inserted at the caret
    int caretOffset;    // where the caret goes, counted from the start of the text
    QString help;       // shown in the status bar
};

// Every entry, in menu order (Interface, then Action, then Logic).
const QList<CatalogueEntry> &commandCatalogue();
