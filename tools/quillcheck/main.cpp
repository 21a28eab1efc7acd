// quillcheck: checks NPC scripts as Debug > Check Script does and prints the problems as compilers do.
#include "install_layout.h"
#include "language_definition.h"
#include "script_model.h"
#include "script_styler.h"
#include "text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

enum ExitStatus { Clean = 0, ProblemsFound = 1, UsageOrReadError = 2 };

const char Usage[] = "usage: quillcheck [--no-unknown] [--jobs N] FILE_OR_FOLDER...\n";

struct FileReport
{
    std::string problems;   // one "path:line:column: message" line each
    std::string error;      // why the file could not be read
};

FileReport checkFile(const QString &path, const ScriptStyler &styler,
                     const std::unordered_set<std::string> &keywords, const CheckOptions &options)
{
    FileReport report;
    const std::string shownPath = QDir::toNativeSeparators(path).toStdString();
    QByteArray bytes;
    if (const FileResult read = TextFile::read(path, &bytes); !read) {
        report.error = shownPath + ": " + read.error.toStdString() + "\n";
        return report;
    }
    // The editor's own reading: UTF-8 when it is valid, Windows-1252 otherwise.
    const DecodedText decoded = TextFile::decode(std::move(bytes));
    const ScriptModel model = BuildScriptModel(styler, keywords,
                                               std::string_view(decoded.utf8.constData(), size_t(decoded.utf8.size())));
    for (const ScriptProblem &problem : CheckScript(model, options)) {
        report.problems += shownPath + ':' + std::to_string(problem.line + 1) + ':'
            + std::to_string(problem.column + 1) + ": " + problem.message + '\n';
    }
    return report;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CheckOptions options;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    QStringList paths;
    const QStringList arguments = app.arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--no-unknown")) {
            options.unknownCommands = false;
        } else if (argument == QLatin1String("--jobs") && i + 1 < arguments.size() && arguments[i + 1].toUInt() > 0) {
            jobs = arguments[++i].toUInt();
        } else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            std::fprintf(stderr, "quillcheck: unknown option %s\n%s", qPrintable(argument), Usage);
            return UsageOrReadError;
        } else {
            paths << argument;
        }
    }
    if (paths.isEmpty()) {
        std::fputs(Usage, stderr);
        return UsageOrReadError;
    }

    // Folders give their .txt files, in a stable order; a file named on its own is checked as it is.
    QStringList files;
    for (const QString &path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        QStringList found;
        QDirIterator it(path, {QStringLiteral("*.txt")}, QDir::Files | QDir::System | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        files << found;
    }

    // The editor's definition: beside the program, or in share/quillmere/ of a system install.
    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString share = SystemShareFolderFor(programFolder);
    const LanguageDefinition definition = ReadLanguageDefinition(
        (share.isEmpty() ? programFolder + QStringLiteral("Data/") : share) + QStringLiteral("NPC Script.ini"));
    const ScriptStyler styler(definition);
    const std::unordered_set<std::string> keywords = CommandWords(definition);

    std::vector<FileReport> reports(size_t(files.size()));
    std::atomic<size_t> nextFile{0};
    const auto work = [&] {
        for (size_t at = nextFile++; at < reports.size(); at = nextFile++)
            reports[at] = checkFile(files[qsizetype(at)], styler, keywords, options);
    };
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < std::min<size_t>(jobs, reports.size()); ++i)
        workers.emplace_back(work);
    work();
    for (std::thread &worker : workers)
        worker.join();

    bool problems = false;
    bool errors = false;
    for (const FileReport &report : reports) {
        std::fputs(report.problems.c_str(), stdout);
        std::fputs(report.error.c_str(), stderr);
        problems = problems || !report.problems.empty();
        errors = errors || !report.error.empty();
    }
    return errors ? UsageOrReadError : problems ? ProblemsFound : Clean;
}
