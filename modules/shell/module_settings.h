// The few choices the modules keep between runs, in one settings file they share.
#pragma once

#include <QString>

class ModuleSettings
{
public:
    // Kept in the file at path; with "" nothing is read or written and the defaults hold.
    explicit ModuleSettings(const QString &path);

    // "Add .gat to map names": on unless the user turned it off.
    bool addGat() const;
    void setAddGat(bool on) const;

    // The item picker's last type filter; "All" until one was chosen.
    int itemFilter() const;
    void setItemFilter(int filterValue) const;

private:
    QString m_path;
};
