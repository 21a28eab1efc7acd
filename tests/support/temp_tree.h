// A throw-away program folder with Data/, Data/Templates/ and Modules/, for tests that need files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "app_paths.h"

class TempTree
{
public:
    TempTree();

    bool isValid() const;
    // The folder, ending in "/".
    QString root() const;
    AppPaths paths() const;
    // Writes bytes to a file below the root (folders created) and returns its full path.
    QString write(const QString &relativePath, const QByteArray &bytes) const;
    QByteArray read(const QString &relativePath) const;
    QString path(const QString &relativePath) const;

private:
    QTemporaryDir m_dir;
};
