// Item tips: the item database read once on the analysis worker, looked up when the mouse rests.
#include "item_lookup.h"

#include <QToolTip>

#include "analysis_service.h"
#include "edit_control.h"
#include "item_database.h"
#include "word_bytes.h"

namespace {

QString typeName(qint32 type)
{
    for (const ItemFilter &filter : ItemFilters())
        if (filter.value == type)
            return filter.caption;
    return QString::number(type);
}

} // namespace

QHash<QString, QString> ItemTips(const QString &itemDatabasePath)
{
    QHash<QString, QString> tips;
    const ItemDatabaseLoad load = LoadItemDatabase(itemDatabasePath);
    for (const ItemRecord &item : load.table.rows) {
        const QString id = item.id().trimmed();
        if (!id.isEmpty() && !tips.contains(id))
            tips.insert(id, QStringLiteral("%1: %2 (%3, %4)").arg(id, item.name().trimmed(), typeName(item.type))
                                .arg(item.price));
    }
    return tips;
}

ItemLookup::ItemLookup(EditControl &control, AnalysisService &analysis, const QString &itemDatabasePath)
    : EditFeature(control)
{
    connect(&analysis, &AnalysisService::itemTipsLoaded, this,
            [this](const std::shared_ptr<const QHash<QString, QString>> &tips) { m_tips = tips; });
    analysis.loadItemTips(itemDatabasePath);
    connect(&control, &QsciScintillaBase::SCN_DWELLSTART, this, &ItemLookup::showTip);
    setActive(true);
}

bool ItemLookup::isLoaded() const
{
    return m_tips != nullptr;
}

QString ItemLookup::tipAt(int position) const
{
    const EditControl &text = control();
    const long length = text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    if (!isActive() || !m_tips || m_tips->isEmpty() || position < 0 || position >= length)
        return {};
    const auto at = [&text](long p) { return char(text.SendScintilla(QsciScintillaBase::SCI_GETCHARAT, static_cast<unsigned long>(p))); };
    long start = position;
    long end = position;
    while (start > 0 && isWordByte(at(start - 1)))
        --start;
    while (end < length && isWordByte(at(end)))
        ++end;
    QString number;
    for (long p = start; p < end; ++p) {
        const char c = at(p);
        if (c < '0' || c > '9')
            return {};  // part of a name, or no number at all
        number += QLatin1Char(c);
    }
    // Six digits after "^" are a colour code.
    if (number.isEmpty() || (start > 0 && at(start - 1) == '^'))
        return {};
    return m_tips->value(number);
}

void ItemLookup::showTip(int position, int x, int y)
{
    const QString tip = tipAt(position);
    if (!tip.isEmpty())
        QToolTip::showText(control().viewport()->mapToGlobal(QPoint(x, y)), tip, control().viewport());
}
