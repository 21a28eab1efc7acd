// The item database: any bytes give a table, the same one each time, with no row longer than
// the fields kept.
#include "fuzz_support.h"
#include "item_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ItemTable table = ReadItemTable(bytes);
    const ItemTable again = ReadItemTable(bytes);
    FUZZ_CHECK(table.rows.size() == again.rows.size());
    // Every row is a line of its own: there are never more rows than line breaks and one.
    qsizetype lines = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        lines += bytes.at(i) == '\n' || (bytes.at(i) == '\r' && (i + 1 == bytes.size() || bytes.at(i + 1) != '\n'));
    FUZZ_CHECK(table.rows.size() <= lines);
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        const ItemRecord &row = table.rows.at(i);
        FUZZ_CHECK(row.text == again.rows.at(i).text && row.type == again.rows.at(i).type
                   && row.price == again.rows.at(i).price);
        FUZZ_CHECK(!row.text.contains(QLatin1Char('\t')));
        FUZZ_CHECK(row.fields().size() <= ItemFieldsKept);
        FUZZ_CHECK(!row.field(ItemFieldsKept).size());
        FUZZ_CHECK(row.id() == row.field(0).toString());
    }
    return 0;
}
