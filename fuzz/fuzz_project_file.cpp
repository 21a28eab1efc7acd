// Project files: any file reads without harm, and a project saved from any list of paths reads
// back as that list, or is refused whole with a reason.
#include "fuzz_support.h"
#include "project_file.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fuzz.prj"));
    const QList<QByteArray> parts = fuzzParts(data, size, 2);

    // The first part is read as a project file written by anyone.
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(parts.at(1));
    }
    if (const auto contents = readProjectFile(path))
        FUZZ_CHECK(contents->fileNames.size() <= MaxProjectFiles);

    // The second, cut at line feeds, is a list of paths the editor saves as a project.
    QStringList paths;
    QList<ProjectEntry> entries;
    for (const QByteArray &line : parts.at(0).split('\n')) {
        if (line.isEmpty())
            continue;
        paths.append(QString::fromUtf8(line));
        entries.append(projectEntry(paths.last()));
    }
    const ProgramVersion version{0, 10, 26};
    const FileResult saved = saveProjectFile(path, entries, version);
    if (!saved) {
        FUZZ_CHECK(!saved.error.isEmpty());
        return 0;
    }
    const auto contents = readProjectFile(path);
    FUZZ_CHECK(contents.has_value());
    FUZZ_CHECK(contents->totalFiles == paths.size());
    FUZZ_CHECK(contents->fileNames == paths);
    return 0;
}
