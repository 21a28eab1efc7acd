// Finding items in the picker by what the user types: an ID or part of a name.
#pragma once

#include "item_database.h"

#include <QList>
#include <QString>
#include <QStringView>

// The field after the internal name: the name players see, when the database has one.
QStringView ItemDisplayName(const ItemRecord &record);

// Whether record matches search: an empty search matches everything; otherwise the ID starts with
// it, or the name or display name holds it, without regard to case. Blanks around it don't count.
bool ItemMatchesSearch(const ItemRecord &record, QStringView search);

// Indexes of the listable rows of table that pass filterValue and match search, in file order.
QList<qsizetype> SearchedItemRows(const ItemTable &table, int filterValue, const QString &search);
