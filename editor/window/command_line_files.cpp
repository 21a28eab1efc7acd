// Scripts handed to the editor on its command line: the first is opened, the rest reported.
#include "command_line_files.h"

#include "document.h"

#include <QFileInfo>
#include <QUrl>

QStringList CommandLineFiles(const QStringList &arguments)
{
    QStringList files;
    for (const QString &argument : arguments.mid(1)) {
        if (argument.isEmpty())
            continue;
        const QString path = argument.startsWith(QLatin1String("file:")) ? QUrl(argument).toLocalFile() : argument;
        files.append(QFileInfo(path).absoluteFilePath());
    }
    return files;
}

bool OpenCommandLineFiles(Document &document, const QStringList &files,
                          const std::function<void(const QString &)> &status)
{
    if (files.isEmpty())
        return false;
    // Nothing is open yet at start, so there is no unsaved-changes question to ask.
    if (!document.openScriptFile(files.first(), false))
        return false;
    if (files.size() > 1)
        // Short enough for the status panel whatever the file names.
        status(QStringLiteral("Only one script is open at a time: %1 more file(s) not opened.").arg(files.size() - 1));
    return true;
}
