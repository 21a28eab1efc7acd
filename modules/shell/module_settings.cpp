// Reading and writing the modules' settings file.
#include "module_settings.h"

#include "item_database.h"

#include <QSettings>

namespace {

const QString addGatKey = QStringLiteral("Map Names/Add Gat");
const QString itemFilterKey = QStringLiteral("Item Picker/Filter");

} // namespace

ModuleSettings::ModuleSettings(const QString &path)
    : m_path(path)
{
}

bool ModuleSettings::addGat() const
{
    if (m_path.isEmpty())
        return true;
    return QSettings(m_path, QSettings::IniFormat).value(addGatKey, true).toBool();
}

void ModuleSettings::setAddGat(bool on) const
{
    if (!m_path.isEmpty())
        QSettings(m_path, QSettings::IniFormat).setValue(addGatKey, on);
}

int ModuleSettings::itemFilter() const
{
    if (m_path.isEmpty())
        return FilterAll;
    bool ok = false;
    const int value = QSettings(m_path, QSettings::IniFormat).value(itemFilterKey, FilterAll).toInt(&ok);
    return ok ? value : FilterAll;
}

void ModuleSettings::setItemFilter(int filterValue) const
{
    if (!m_path.isEmpty())
        QSettings(m_path, QSettings::IniFormat).setValue(itemFilterKey, filterValue);
}
