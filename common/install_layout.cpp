// Recognising a system install: the program's folder name and the share folder beside it.
#include "install_layout.h"

#include <QDir>
#include <QFileInfo>

QString SystemShareFolderFor(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(QDir(programFolder).absolutePath());
    QString prefix;
    if (folder.endsWith(QLatin1String("/bin")))
        prefix = folder.chopped(4);
    else if (folder.endsWith(QLatin1String("/libexec/quillmere")))
        prefix = folder.chopped(18);
    else
        return {};
    // A prefix of "/" leaves nothing before "/share".
    const QString share = prefix + QStringLiteral("/share/quillmere/");
    return QFileInfo(share).isDir() ? share : QString();
}
