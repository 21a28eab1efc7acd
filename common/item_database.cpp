// Reading item_db2.txt and filtering its items by type.
#include "item_database.h"

#include "leading_number.h"
#include "text_codec.h"
#include "text_file.h"

#include <cmath>

QStringView ItemRecord::field(int index) const
{
    const QStringView all(text);
    qsizetype start = 0;
    for (int i = 0; i < index; ++i) {
        const qsizetype comma = all.indexOf(QLatin1Char(','), start);
        if (comma < 0)
            return {};
        start = comma + 1;
    }
    const qsizetype end = all.indexOf(QLatin1Char(','), start);
    return all.mid(start, end < 0 ? all.size() - start : end - start);
}

QStringList ItemRecord::fields() const
{
    return text.split(QLatin1Char(','));
}

namespace {

// Splits a tab-free line into its fields, keeping the first ItemFieldsKept.
ItemRecord recordFromLine(QStringView line)
{
    // Where each of the first five fields starts and ends, and where the kept part ends.
    qsizetype starts[5] = {0, 0, 0, 0, 0};
    qsizetype ends[5] = {0, 0, 0, 0, 0};
    int fieldCount = 1;
    qsizetype keptEnd = line.size();
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) != QLatin1Char(','))
            continue;
        if (fieldCount <= 5)
            ends[fieldCount - 1] = i;
        if (fieldCount == ItemFieldsKept) {
            keptEnd = i;
            break;
        }
        if (fieldCount < 5)
            starts[fieldCount] = i + 1;
        ++fieldCount;
    }
    if (fieldCount <= 5 && keptEnd == line.size())
        ends[fieldCount - 1] = line.size();

    ItemRecord record;
    record.text = line.left(keptEnd).toString();
    const auto fieldView = [&](int index) { return line.mid(starts[index], ends[index] - starts[index]); };
    // An ID beyond 32 bits is still an ID: only whether it rounds to 0 matters.
    record.listable = std::nearbyint(NumberAtStart(fieldView(0))) != 0;
    if (fieldCount >= 4)
        record.type = RoundedToInt32(NumberAtStart(fieldView(3))).value_or(0);
    else
        record.type = 3;
    if (fieldCount >= 5)
        record.price = RoundedToInt32(NumberAtStart(fieldView(4))).value_or(0);
    return record;
}

} // namespace

ItemTable ReadItemTable(QStringView text)
{
    ItemTable table;
    QString withoutTabs;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
            ++end;
        QStringView line = text.mid(pos, end - pos);
        pos = end;
        if (pos < size) {
            if (text.at(pos) == QLatin1Char('\r') && pos + 1 < size && text.at(pos + 1) == QLatin1Char('\n'))
                ++pos;
            ++pos;
        }
        if (line.isEmpty() || line.startsWith(QLatin1String("//")))
            continue;
        if (line.contains(QLatin1Char('\t'))) {
            withoutTabs = line.toString();
            withoutTabs.remove(QLatin1Char('\t'));
            line = withoutTabs;
        }
        table.rows.append(recordFromLine(line));
    }
    return table;
}

ItemTable ReadItemTable(const QByteArray &bytes)
{
    return ReadItemTable(QStringView(TextCodec::decode(bytes)));
}

ItemDatabaseLoad LoadItemDatabase(const QString &path)
{
    ItemDatabaseLoad load;
    QByteArray bytes;
    const FileResult read = TextFile::read(path, &bytes);
    if (!read) {
        load.ok = false;
        load.error = read.error;
        return load;
    }
    load.table = ReadItemTable(bytes);
    return load;
}

QList<ItemFilter> ItemFilters()
{
    return {
        {QStringLiteral("All"), FilterAll},
        {QStringLiteral("Consumable"), 0},
        {QStringLiteral("Consumable2"), 2},
        {QStringLiteral("General"), FilterGeneral},
        {QStringLiteral("Weapon"), 4},
        {QStringLiteral("Wearable"), 5},
        {QStringLiteral("Card"), 6},
        {QStringLiteral("Egg"), 7},
        {QStringLiteral("Pet Item - Wearable"), 8},
        {QStringLiteral("Pet Item - All"), FilterPetItemAll},
    };
}

bool ItemPassesFilter(qint32 type, int filterValue)
{
    switch (filterValue) {
    case FilterAll:
        return true;
    case FilterGeneral:
        return type == 0 || type == 2 || type == 3;
    case FilterPetItemAll:
        return type == 7 || type == 8;
    default:
        return type == filterValue;
    }
}

QList<qsizetype> FilteredItemRows(const ItemTable &table, int filterValue)
{
    QList<qsizetype> rows;
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        const ItemRecord &record = table.rows.at(i);
        if (record.listable && ItemPassesFilter(record.type, filterValue))
            rows.append(i);
    }
    return rows;
}
