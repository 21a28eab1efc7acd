// quillcheck: checks NPC scripts as the server of a profile reads them and prints the problems as
// compilers do. All files given are checked as one set, so calls and events across files are known.
#include "install_layout.h"
#include "large_pages.h"
#include "load_list.h"
#include "script_checks.h"
#include "script_index.h"
#include "script_model.h"
#include "script_profile.h"
#include "text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

// The models of every file are kept until all are checked: for a large set, tens of MB of fresh
// memory, whose first touch of each 4 KB page costs about as much as filling it. In 2 MB pages, from
// one heap that keeps what it freed for the next file, that cost goes. The models and the texts
// read take about twice the set's size at most. Beyond a GB the heap grows as it would anyway.
size_t HeapFor(qint64 setSize)
{
    return size_t(std::min<qint64>(setSize, 512 << 20)) * 2 + (32 << 20);
}

enum ExitStatus { Clean = 0, ProblemsFound = 1, UsageOrReadError = 2 };

const char Usage[] =
    "usage: quillcheck [--server eathena|rathena|hercules] [--profile FILE] [--load-list FILE]\n"
    "                  [--format text|json] [--no-unknown] [--verbose] [--jobs N] [FILE_OR_FOLDER...]\n";

struct FileWork
{
    QString path;
    std::string shownPath;
    bool fromFolder = false;    // found in a folder: skipped when it holds no header
    std::shared_ptr<const ScriptModel> model;
    std::vector<ScriptProblem> problems;
    std::string error;          // why the file could not be read
    bool skipped = false;
};

// Runs work(i) for i in [0, count) on jobs threads.
void parallel(size_t count, unsigned jobs, const std::function<void(size_t)> &work)
{
    std::atomic<size_t> next{0};
    const auto run = [&] {
        for (size_t at = next++; at < count; at = next++)
            work(at);
    };
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < std::min<size_t>(jobs, count); ++i)
        workers.emplace_back(run);
    run();
    for (std::thread &worker : workers)
        worker.join();
}

std::string jsonString(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

const char *severityWord(Severity severity)
{
    return severity == Severity::Error ? "error" : "warning";
}

// The folders profiles are read from, the user's first: their copy wins.
QStringList profileFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString share = SystemShareFolderFor(programFolder);
    if (share.isEmpty())
        return {programFolder + QStringLiteral("Data/")};
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return {config + QStringLiteral("/Quillmere/"), share};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CheckOptions options;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    QString server = QLatin1String(DefaultScriptProfileId);
    QString profileFile;
    QString loadList;
    bool json = false;
    bool verbose = false;
    QStringList paths;
    const QStringList arguments = app.arguments().mid(1);
    const auto usage = [](const QString &why) {
        if (!why.isEmpty())
            std::fprintf(stderr, "quillcheck: %s\n", qPrintable(why));
        std::fputs(Usage, stderr);
        return UsageOrReadError;
    };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            // Asked for, the usage is the answer, not a complaint.
            std::fputs(Usage, stdout);
            return 0;
        } else if (argument == QLatin1String("--no-unknown")) {
            options.unknownCommands = false;
        } else if (argument == QLatin1String("--verbose")) {
            verbose = true;
        } else if (argument == QLatin1String("--jobs") && hasValue && arguments[i + 1].toUInt() > 0) {
            jobs = arguments[++i].toUInt();
        } else if (argument == QLatin1String("--server") && hasValue) {
            server = arguments[++i];
        } else if (argument == QLatin1String("--profile") && hasValue) {
            profileFile = arguments[++i];
        } else if (argument == QLatin1String("--load-list") && hasValue) {
            loadList = arguments[++i];
        } else if (argument == QLatin1String("--format") && hasValue
                   && (arguments[i + 1] == QLatin1String("json") || arguments[i + 1] == QLatin1String("text"))) {
            json = arguments[++i] == QLatin1String("json");
        } else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            return usage(QStringLiteral("unknown option ") + argument);
        } else {
            paths << argument;
        }
    }
    if (paths.isEmpty() && loadList.isEmpty())
        return usage({});

    // The profile: a file given, else the server's, the user's copy first.
    if (profileFile.isEmpty()) {
        profileFile = FindScriptProfile(profileFolders(), server);
        if (profileFile.isEmpty()) {
            std::fprintf(stderr, "quillcheck: no profile for server '%s'\n", qPrintable(server));
            return UsageOrReadError;
        }
    }
    auto profile = std::make_shared<ScriptProfile>();
    QString profileError;
    if (!ReadScriptProfile(profileFile, profile.get(), &profileError)) {
        std::fprintf(stderr, "quillcheck: %s\n", qPrintable(profileError));
        return UsageOrReadError;
    }

    std::vector<FileWork> files;
    bool readErrors = false;
    if (!loadList.isEmpty()) {
        // Exactly the files the server loads, paths taken from the current folder as it takes them.
        const LoadList list = ReadLoadList(loadList);
        for (const QString &error : list.errors)
            std::fprintf(stderr, "%s\n", qPrintable(error));
        for (const QString &missing : list.missing)
            std::fprintf(stderr, "%s: listed but not found\n", qPrintable(missing));
        readErrors = !list.errors.isEmpty() || !list.missing.isEmpty();
        for (const QString &file : list.files)
            files.push_back({file, {}, false, {}, {}, {}, false});
    }
    // Folders give their .txt files, in a stable order; a file named on its own is checked as it is.
    for (const QString &path : std::as_const(paths)) {
        if (!QFileInfo(path).isDir()) {
            files.push_back({path, {}, false, {}, {}, {}, false});
            continue;
        }
        QStringList found;
        QDirIterator it(path, {QStringLiteral("*.txt")}, QDir::Files | QDir::System | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        for (const QString &file : std::as_const(found))
            files.push_back({file, {}, true, {}, {}, {}, false});
    }

    qint64 setSize = 0;
    for (const FileWork &work : files)
        setSize += QFileInfo(work.path).size();
    UseLargePageHeap(HeapFor(setSize));

    // Read and build every model, then index them all, then check each against the index.
    const std::shared_ptr<const ScriptProfile> shared = profile;
    parallel(files.size(), jobs, [&](size_t at) {
        FileWork &work = files[at];
        work.shownPath = QDir::toNativeSeparators(work.path).toStdString();
        QByteArray bytes;
        if (const FileResult read = TextFile::read(work.path, &bytes); !read) {
            work.error = work.shownPath + ": " + read.error.toStdString() + "\n";
            return;
        }
        // The editor's own reading: UTF-8 when it is valid, Windows-1252 otherwise.
        const DecodedText decoded = TextFile::decode(std::move(bytes));
        const std::string_view text(decoded.utf8.constData(), size_t(decoded.utf8.size()));
        if (work.fromFolder && !HasScriptHeader(*shared, text)) {
            work.skipped = true;
            return;
        }
        work.model = std::make_shared<const ScriptModel>(BuildScriptModel(shared, text));
    });
    ScriptIndex index(profile->ignoreCase);
    for (const FileWork &work : files)
        if (work.model)
            index.add(work.shownPath, work.model);
    index.prepare();
    parallel(files.size(), jobs, [&](size_t at) {
        FileWork &work = files[at];
        if (!work.model)
            return;
        CheckOptions fileOptions = options;
        fileOptions.path = work.shownPath;
        work.problems = CheckScript(*work.model, &index, fileOptions);
    });

    bool problems = false;
    std::string out = json ? "[" : "";
    bool firstJson = true;
    for (const FileWork &work : files) {
        if (work.skipped && verbose)
            std::fprintf(stderr, "%s: skipped, no header line\n", work.shownPath.c_str());
        std::fputs(work.error.c_str(), stderr);
        readErrors = readErrors || !work.error.empty();
        for (const ScriptProblem &problem : work.problems) {
            problems = true;
            if (json) {
                out += std::string(firstJson ? "\n" : ",\n") + "{\"path\":" + jsonString(work.shownPath)
                    + ",\"line\":" + std::to_string(problem.line + 1) + ",\"column\":" + std::to_string(problem.column + 1)
                    + ",\"endColumn\":" + std::to_string(problem.endColumn() + 1) + ",\"severity\":\""
                    + severityWord(problem.severity) + "\",\"code\":" + jsonString(problem.code)
                    + ",\"message\":" + jsonString(problem.message) + "}";
                firstJson = false;
            } else {
                out += work.shownPath + ':' + std::to_string(problem.line + 1) + ':' + std::to_string(problem.column + 1)
                    + ": " + severityWord(problem.severity) + ": " + problem.message + " [" + problem.code + "]\n";
            }
        }
        if (out.size() > (1 << 16)) {
            std::fputs(out.c_str(), stdout);
            out.clear();
        }
    }
    if (json)
        out += firstJson ? "]\n" : "\n]\n";
    std::fputs(out.c_str(), stdout);
    if (verbose) {
        size_t checked = 0;
        long long lines = 0;
        for (const FileWork &work : files) {
            checked += work.model != nullptr;
            lines += work.model ? work.model->lineCount : 0;
        }
        std::fprintf(stderr, "%zu files, %lld lines checked\n", checked, lines);
    }
    return readErrors ? UsageOrReadError : problems ? ProblemsFound : Clean;
}
