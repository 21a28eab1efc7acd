// A throw-away program folder for tests.
#include "temp_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempTree::TempTree()
{
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("Data/Templates"));
    root.mkpath(QStringLiteral("Modules"));
}

bool TempTree::isValid() const
{
    return m_dir.isValid();
}

QString TempTree::root() const
{
    return m_dir.path() + QLatin1Char('/');
}

AppPaths TempTree::paths() const
{
    return AppPaths::forProgramFolder(m_dir.path());
}

QString TempTree::path(const QString &relativePath) const
{
    return root() + relativePath;
}

QString TempTree::write(const QString &relativePath, const QByteArray &bytes) const
{
    const QString full = path(relativePath);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return full;
}

QByteArray TempTree::read(const QString &relativePath) const
{
    QFile file(path(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
