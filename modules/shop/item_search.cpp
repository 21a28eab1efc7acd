// Matching items against the picker's search box.
#include "item_search.h"

QStringView ItemDisplayName(const ItemRecord &record)
{
    return record.field(2);
}

bool ItemMatchesSearch(const ItemRecord &record, QStringView search)
{
    const QStringView wanted = search.trimmed();
    if (wanted.isEmpty())
        return true;
    return record.field(0).trimmed().startsWith(wanted) || record.field(1).contains(wanted, Qt::CaseInsensitive)
        || ItemDisplayName(record).contains(wanted, Qt::CaseInsensitive);
}

QList<qsizetype> SearchedItemRows(const ItemTable &table, int filterValue, const QString &search)
{
    QList<qsizetype> rows;
    for (qsizetype row = 0; row < table.rows.size(); ++row) {
        const ItemRecord &record = table.rows.at(row);
        if (record.listable && ItemPassesFilter(record.type, filterValue) && ItemMatchesSearch(record, search))
            rows.append(row);
    }
    return rows;
}
