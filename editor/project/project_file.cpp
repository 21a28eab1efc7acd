// Reading and writing project files: INI text with two sections and one key per script.
#include "project_file.h"

#include "ini.h"
#include "leading_number.h"
#include "parse.h"
#include "shell_helpers.h"

#include <QHash>

namespace {

const QString InformationSection = QStringLiteral("Project Information");
const QString FilesSection = QStringLiteral("Project Files");
const QString VersionKey = QStringLiteral("Editor Version");
const QString TotalKey = QStringLiteral("Total Files");
const QString FileNameKey = QStringLiteral("FILENAME");
const QString FilePartKey = QStringLiteral("FILEPART");

// Where a path would break its line or be cut short when read back.
std::optional<QString> unstorableReason(const QString &path)
{
    if (path.contains(QLatin1Char('\r')) || path.contains(QLatin1Char('\n')))
        return QStringLiteral("A file name holds a line break, which a project file cannot keep: ");
    if (path.contains(ParameterSeparator))
        return QStringLiteral("A file name holds \u00AC, which a project file cannot keep: ");
    return std::nullopt;
}

} // namespace

QString projectFilePart(const QString &path)
{
    const QString separator = path.contains(QLatin1Char('/')) ? QStringLiteral("/") : QStringLiteral("\\");
    return textAfterLast(path, separator, true);
}

ProjectEntry projectEntry(const QString &path)
{
    return {path, projectFilePart(path)};
}

QString projectEntryText(const ProjectEntry &entry)
{
    return FileNameKey + QLatin1Char('=') + entry.fileName + ParameterSeparator + FilePartKey + QLatin1Char('=')
           + entry.filePart;
}

QString projectEntryKey(int number)
{
    return QStringLiteral("%1-File").arg(number, 3, 10, QLatin1Char('0'));
}

QString editorVersionText(const ProgramVersion &version)
{
    return QStringLiteral("%1%2%3")
        .arg(version.major)
        .arg(version.minor, 2, 10, QLatin1Char('0'))
        .arg(version.revision, 4, 10, QLatin1Char('0'));
}

QByteArray projectFileBytes(const QList<ProjectEntry> &entries, const ProgramVersion &version)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString text = QLatin1Char('[') + InformationSection + QLatin1Char(']') + lineBreak
                   + VersionKey + QLatin1Char('=') + editorVersionText(version) + lineBreak
                   + TotalKey + QLatin1Char('=') + QString::number(entries.size()) + lineBreak;
    // An empty project has no files section at all.
    if (!entries.isEmpty()) {
        text += lineBreak + QLatin1Char('[') + FilesSection + QLatin1Char(']') + lineBreak;
        for (qsizetype i = 0; i < entries.size(); ++i)
            text += projectEntryKey(int(i + 1)) + QLatin1Char('=') + projectEntryText(entries.at(i)) + lineBreak;
    }
    return text.toUtf8();
}

FileResult saveProjectFile(const QString &path, const QList<ProjectEntry> &entries, const ProgramVersion &version)
{
    for (const ProjectEntry &entry : entries) {
        if (const auto reason = unstorableReason(entry.fileName))
            return {false, *reason + entry.fileName};
    }
    return TextFile::write(path, projectFileBytes(entries, version));
}

std::optional<ProjectFileContents> readProjectFile(const QString &path)
{
    if (NumberAtStart(ReadIni(InformationSection, VersionKey, QStringLiteral("0"), path)) == 0)
        return std::nullopt;

    ProjectFileContents contents;
    const double total = NumberAtStart(ReadIni(InformationSection, TotalKey, QStringLiteral("0"), path));
    contents.totalFiles = int(qBound(0.0, total, double(MaxProjectFiles)));

    // Keys are compared without regard to case, and the first of two equal keys counts.
    QHash<QString, QString> values;
    for (const IniEntry &entry : ReadIniSection(FilesSection, path)) {
        const QString key = entry.key.toLower();
        if (!values.contains(key))
            values.insert(key, entry.value);
    }
    for (int i = 1; i <= contents.totalFiles; ++i) {
        const QString value = values.value(projectEntryKey(i).toLower(), QStringLiteral("-error-"));
        contents.fileNames.append(GetParameter(value, FileNameKey));
    }
    return contents;
}
