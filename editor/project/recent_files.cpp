// The Recent Files list: its order and limit, and its section in Settings.ini.
#include "recent_files.h"

#include "ini.h"

namespace {

const QString Section = QStringLiteral("Recent Files");

QString keyFor(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

QStringList WithRecentFile(const QStringList &list, const QString &path)
{
    QStringList files = list;
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > RecentFilesLimit)
        files.removeLast();
    return files;
}

QStringList LoadRecentFiles(const QString &settingsFile)
{
    QStringList files;
    for (int index = 0; index < RecentFilesLimit; ++index) {
        const QString path = ReadIni(Section, keyFor(index), QString(), settingsFile);
        if (!path.isEmpty() && !files.contains(path))
            files.append(path);
    }
    return files;
}

bool SaveRecentFiles(const QStringList &files, const QString &settingsFile)
{
    bool written = true;
    for (int index = 0; index < RecentFilesLimit; ++index)
        written = WriteIni(Section, keyFor(index), files.value(index), settingsFile) && written;
    return written;
}

RecentFiles::RecentFiles(const QString &settingsFile, QObject *parent)
    : QObject(parent)
    , m_settingsFile(settingsFile)
    , m_files(LoadRecentFiles(settingsFile))
{
}

QStringList RecentFiles::files() const
{
    return m_files;
}

void RecentFiles::noteFile(const QString &path)
{
    if (!path.isEmpty())
        store(WithRecentFile(m_files, path));
}

void RecentFiles::dropFile(const QString &path)
{
    QStringList files = m_files;
    if (files.removeAll(path) > 0)
        store(files);
}

void RecentFiles::store(const QStringList &files)
{
    // Written even when unchanged, so a list read with gaps or repeats is tidied on first use.
    m_files = files;
    SaveRecentFiles(m_files, m_settingsFile);
    Q_EMIT changed();
}
