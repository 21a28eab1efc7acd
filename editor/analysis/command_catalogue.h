// The script commands offered under Insert > Commands: captions and tags.
#pragma once

#include <QList>
#include <QString>

enum class CatalogueMenu { Interface, Action, Logic };

// A tag is a parameter string: "CMD=" the text to insert, "¬CURPOS=" the caret offset
// after insertion, "¬HELP=" the help line.
struct CatalogueEntry
{
    CatalogueMenu menu;
    QString caption;
    QString tag;
};

// Every entry, in menu order (Interface, then Action, then Logic).
const QList<CatalogueEntry> &CommandCatalogue();

QString CatalogueTag(const QString &text, int caretOffset, const QString &help);
