// Opening files, addresses and programs through the desktop, and the small file and path helpers.
#include "shell_helpers.h"

#include "text_codec.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <QWidget>

namespace {

// A scheme of two letters or more ("https:", "mailto:", "file:"); one letter would be a drive.
bool hasUrlScheme(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1;
}

// The frame of owner's window as OwnerWindowVariable carries it; "" without an owner.
QString ownerWindowText(const QWidget *owner)
{
    if (!owner)
        return QString();
    const QRect frame = owner->window()->frameGeometry();
    return QStringLiteral("%1,%2,%3,%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height());
}

// Carries out the launch; false when nothing could be started or opened.
bool launch(const QString &file, const QString &parameters, const QString &folder, const QWidget *owner)
{
    if (file.isEmpty())
        return false;

    const QFileInfo info(file);
    if (info.exists()) {
        if (info.isFile() && info.isExecutable()) {
            QProcess process;
            process.setProgram(info.absoluteFilePath());
            process.setArguments(parameters.isEmpty() ? QStringList() : QStringList{parameters});
            process.setWorkingDirectory(folder);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove(QLatin1String(OwnerWindowVariable));
            if (owner)
                environment.insert(QLatin1String(OwnerWindowVariable), ownerWindowText(owner));
            process.setProcessEnvironment(environment);
            return process.startDetached();
        }
        return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    }

    if (hasUrlScheme(file)) {
        const QUrl url(file);
        // A file address is only worth handing on when the file is there.
        if (url.isLocalFile())
            return QFileInfo::exists(url.toLocalFile()) && QDesktopServices::openUrl(url);
        return QDesktopServices::openUrl(url);
    }

    // A bare host name such as "www.example.com"; anything else was meant as a local file.
    if (file.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        const QUrl url = QUrl::fromUserInput(file);
        return url.isValid() && !url.isLocalFile() && QDesktopServices::openUrl(url);
    }
    return false;
}

} // namespace

QString shellExecuteFailureTitle()
{
    return QStringLiteral("ShellExe()");
}

QString shellExecuteFailureText()
{
    return QStringLiteral("An unexpected error occured:\r\n    Maybe file doesn't exist?");
}

bool shellExecute(const QString &file, const QString &parameters, QWidget *owner, const QString &folder,
                  const ShellFailureReport &report)
{
    if (launch(file, parameters, folder, owner))
        return true;

    if (report)
        report(owner, shellExecuteFailureTitle(), shellExecuteFailureText());
    return false;
}

QString textAfterLast(const QString &text, const QString &separator, bool emptyIfNone)
{
    const qsizetype at = separator.isEmpty() ? -1 : text.lastIndexOf(separator);
    if (at < 0)
        return emptyIfNone ? QString() : text;
    return text.mid(at + separator.size());
}

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

void deleteFileQuietly(const QString &path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

QString addTrailingSeparator(QString &path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString ensureExtension(const QString &name, const QString &extension)
{
    QString result = name.endsWith(extension, Qt::CaseInsensitive) ? name : name + extension;
    // Scans left to right without overlap, so "///" becomes "//".
    result.replace(QLatin1String("//"), QLatin1String("/"));
    return result;
}

QString readWholeFile(const QString &path)
{
    if (!fileExists(path))
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QString();
    return TextCodec::decode(bytes);
}
