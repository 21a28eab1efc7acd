// The item database the shop module sells from: item_db2.txt read into a table, and the type filter.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// One data line of the file.
struct ItemRecord
{
    // The line without its tabs, cut before field 38: the fields kept, still joined by ",".
    QString text;
    qint32 type = 0;
    qint32 price = 0;
    // Whether the number at the start of the ID rounds to something other than 0; only such
    // items are offered in the picker.
    bool listable = false;

    // Field index (from 0), or "" when the line has fewer fields; blanks are kept as they are.
    QStringView field(int index) const;
    QStringList fields() const;
    QString id() const { return field(0).toString(); }
    QString name() const { return field(1).toString(); }
};

// Fields from 38 on are dropped when a line is read.
inline constexpr int ItemFieldsKept = 38;

// One row per data line, in file order; rows.size() is the number of data lines read.
struct ItemTable
{
    QList<ItemRecord> rows;
};

// The table from a file's text. An empty line or one starting with "//" is a comment; in the
// others every tab is removed and the fields are cut at every comma, with no quoting. The type
// is the rounded number at the start of field 3 (3 when the line has fewer than 4 fields), the
// price that of field 4 (0 when missing); a number beyond 32 bits leaves the value at 0.
// Lines break at CR LF, LF or CR; a last line without a break counts.
ItemTable ReadItemTable(QStringView text);
// The same from a file's bytes: UTF-8 when they are valid UTF-8, Windows-1252 otherwise.
ItemTable ReadItemTable(const QByteArray &bytes);

struct ItemDatabaseLoad
{
    ItemTable table;
    bool ok = true;
    QString error;   // why the file could not be read, as a sentence, when ok is false
};

// Reads the file at path; a missing or unreadable file gives an empty table and the reason.
ItemDatabaseLoad LoadItemDatabase(const QString &path);

// One entry of the picker's type filter.
struct ItemFilter
{
    QString caption;
    int value;
};

inline constexpr int FilterAll = -2;
inline constexpr int FilterGeneral = 3;
inline constexpr int FilterPetItemAll = -1;

// The ten entries in the order the picker offers them, "All" first.
QList<ItemFilter> ItemFilters();

// Whether an item of type passes the filter with value filterValue: "All" takes every type,
// "General" 0, 2 and 3, "Pet Item - All" 7 and 8, the others their own type only.
bool ItemPassesFilter(qint32 type, int filterValue);

// Indexes of the listable rows of table that pass the filter, in file order.
QList<qsizetype> FilteredItemRows(const ItemTable &table, int filterValue);
