// Times the script model and its checks against lexing alone (a normal and a deeply nested text),
// the UI thread while the outline is built, quillcheck on all cores and on one against lexing the
// same files, and, given an unpacked corpus folder, the cross-file index of all its scripts.
//   bench_script_model [--part model|deep|outline|check|index]... [CORPUS_FOLDER]
// Without --part every part runs; one part alone suits a profiler.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <QDirIterator>

#include <algorithm>
#include <atomic>
#include <ctime>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <cstdio>
#include <thread>
#include <vector>

#include "analysis_service.h"
#include "bench_support.h"
#include "edit_control.h"
#include "language_definition.h"
#include "outline_list.h"
#include "script_analyser.h"
#include "script_checks.h"
#include "script_index.h"
#include "script_model.h"
#include "script_outline.h"
#include "script_tokenizer.h"
#include "script_styler.h"
#include "text_file.h"

namespace {

// NPC blocks with labels, menus, jumps, loops, comments and a function now and then, until size bytes.
QByteArray makeScript(qsizetype size, int seed = 0)
{
    QByteArray text;
    text.reserve(size + 4096);
    for (int n = seed * 100000; text.size() < size; ++n) {
        const QByteArray number = QByteArray::number(n);
        text += "//===== guide " + number + " =====\r\n";
        if (n % 7 == 0)
            text += "function\tscript\tF_Pay" + number + "\t{\r\n\tset Zeny, Zeny - getarg(0);\r\n\treturn;\r\n}\r\n";
        if (n % 5 == 0)
            text += "prontera,100,100,4\tshop\tDealer#" + number + "\t83,501:50,502:-1\r\n";
        text += "prontera," + QByteArray::number(100 + n % 97) + ",150,4\tscript\tGuide#" + number + "\t117,{\r\n"
                "\tmes \"[Guide]\";\r\n"
                "\tmes \"Hello ^FF0000\" + strcharinfo(0) + \"^000000, caf\xC3\xA9?\";\r\n"
                "\tnext;\r\n"
                "\tmenu \"Warp\",L_Warp,\r\n"
                "\t\t\"Heal\",L_Heal,\r\n"
                "\t\t\"Cancel\",-;\r\n"
                "\tclose;\r\n"
                "L_Warp:\r\n"
                "\tif (Zeny < 100) {\r\n"
                "\t\tmes \"Not enough zeny.\"; /* { ( [ */\r\n"
                "\t\tclose;\r\n"
                "\t}\r\n"
                "\tcallsub S_Pay, 100;\r\n"
                "\twarp \"prontera\",156,191;\r\n"
                "\tend;\r\n"
                "L_Heal:\r\n"
                "\tfor (.@i = 0; .@i < 3; .@i++) {\r\n"
                "\t\tpercentheal 10, 10;\r\n"
                "\t}\r\n"
                "\tgoto L_Warp;\r\n"
                "S_Pay:\r\n"
                "\tset Zeny, Zeny - getarg(0);\r\n"
                "\treturn;\r\n"
                "OnInit:\r\n"
                "\tsetarray .@list[0], 501, 502,\r\n"
                "\t\t503, 504;\r\n"
                "\tend;\r\n"
                "}\r\n";
    }
    return text;
}

// The calling thread's processor time: on a machine shared with other work, wall time would
// measure the others as well.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

double lexSeconds(const ScriptStyler &styler, const std::vector<QByteArray> &texts)
{
    constexpr qsizetype Piece = 1 << 20;
    std::vector<unsigned char> styles(Piece);
    std::vector<ScriptStyler::Line> lines;
    const double start = threadSeconds();
    for (const QByteArray &text : texts) {
        int state = 0;
        for (qsizetype at = 0; at < text.size();) {
            // Pieces end at a line end, a long line whole, as the editor's styling cuts them.
            const qsizetype length = qsizetype(ScriptPieceEnd(std::string_view(text.constData(), size_t(text.size())),
                                                              size_t(at), size_t(Piece))) - at;
            if (size_t(length) > styles.size())
                styles.resize(size_t(length));
            lines.clear();
            styler.style(text.constData() + at, int(length), state, styles.data(), lines);
            state = lines.empty() ? state : lines.back().nextState;
            at += length;
        }
    }
    return threadSeconds() - start;
}

double modelSeconds(const std::shared_ptr<const ScriptProfile> &profile, const QByteArray &text, size_t *problems)
{
    const double start = threadSeconds();
    const ScriptModel model = BuildScriptModel(profile, std::string_view(text.constData(), size_t(text.size())));
    *problems = CheckScript(model, nullptr, {}).size();
    return threadSeconds() - start;
}

// Reads every script of a corpus folder, builds its model on two threads and indexes them all.
void indexCorpus(const QString &folder, const std::shared_ptr<const ScriptProfile> &profile)
{
    QStringList paths;
    QDirIterator it(folder, {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    std::vector<double> runs;
    size_t blocks = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        std::vector<std::shared_ptr<const ScriptModel>> models(size_t(paths.size()));
        std::atomic<size_t> next{0};
        const auto work = [&] {
            for (size_t at = next++; at < models.size(); at = next++) {
                QFile file(paths[qsizetype(at)]);
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                const QByteArray text = file.readAll();
                models[at] = std::make_shared<const ScriptModel>(
                    BuildScriptModel(profile, std::string_view(text.constData(), size_t(text.size()))));
            }
        };
        std::thread helper(work);
        work();
        helper.join();
        ScriptIndex index(profile->ignoreCase);
        for (size_t i = 0; i < models.size(); ++i)
            index.add(paths[qsizetype(i)].toStdString(), models[i]);
        index.prepare();
        runs.push_back(clock.nsecsElapsed() / 1e9);
        blocks = 0;
        for (const auto &model : models)
            blocks += model ? model->blocks.size() : 0;
    }
    std::printf("cross-file index of %lld files (%zu blocks), read and built on two threads: %.3f s (under 1 s)\n",
                qlonglong(paths.size()), blocks, bench::median(runs));
}

// quillcheck over 20 MB in 40 files, run as the user runs it, against lexing the same files on one
// core: its time from start to exit on all of the machine's cores, and its processor time on one.
// The checker's work holds building the models and their checks, which alone may take twice the
// lexing time; its own measure is the time a user waits.
void benchChecker(const ScriptStyler &styler, const QString &tree)
{
    QTemporaryDir folder;
    std::vector<QByteArray> files;
    for (int i = 0; i < 40; ++i) {
        files.push_back(makeScript(512 << 10, i + 1));
        QFile file(folder.filePath(QStringLiteral("guide%1.txt").arg(i)));
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(files.back());
    }
    // One run of the checker, spawned as a shell spawns it (a fork of this process, which holds the
    // files and the lexer, would copy its page tables first and charge that to the checker's
    // start): its wall and processor seconds. Jobs 0 leaves the checker its own choice.
    const std::string program = (tree + QStringLiteral("quillcheck")).toStdString();
    const std::string where = folder.path().toStdString();
    const auto check = [&](int jobs, double *processor) {
        const std::string jobCount = std::to_string(jobs);
        std::vector<char *> arguments{const_cast<char *>(program.c_str()), const_cast<char *>(where.c_str())};
        if (jobs > 0) {
            arguments.push_back(const_cast<char *>("--jobs"));
            arguments.push_back(const_cast<char *>(jobCount.c_str()));
        }
        arguments.push_back(nullptr);
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        QElapsedTimer clock;
        clock.start();
        pid_t child = 0;
        const bool started = posix_spawn(&child, program.c_str(), &quiet, nullptr, arguments.data(), environ) == 0;
        posix_spawn_file_actions_destroy(&quiet);
        if (!started)
            return 0.0;
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        *processor = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        return clock.nsecsElapsed() / 1e9;
    };
    // The machine's speed drifts within seconds: each round lexes and checks back to back and
    // gives its own ratios, and the medians of five rounds are printed, with the range.
    std::vector<double> lexing, all, one, oneProcessor, allRatios, oneRatios;
    for (int round = 0; round < 5; ++round) {
        lexing.push_back(lexSeconds(styler, files));
        double processor = 0;
        all.push_back(check(0, &processor));
        one.push_back(check(1, &processor));
        oneProcessor.push_back(processor);
        allRatios.push_back(all.back() / lexing.back());
        oneRatios.push_back(processor / lexing.back());
    }
    std::printf("20 MB in 40 files: lexing on one core %.3f s; quillcheck on %u cores %.3f s: ratio %.2f, runs %.2f "
                "to %.2f (at most 1.5); on one core %.3f s (%.3f s processor time): ratio %.2f\n",
                bench::median(lexing), std::thread::hardware_concurrency(), bench::median(all),
                bench::median(allRatios), *std::min_element(allRatios.begin(), allRatios.end()),
                *std::max_element(allRatios.begin(), allRatios.end()), bench::median(one),
                bench::median(oneProcessor), bench::median(oneRatios));
}

// The tokenizer alone over the text: the floor under any reading of the model.
double tokenSeconds(const QByteArray &text, size_t *tokens)
{
    const double start = threadSeconds();
    ScriptTokenizer tokenizer(std::string_view(text.constData(), size_t(text.size())));
    size_t count = 0;
    while (tokenizer.next().kind != TokenKind::End)
        ++count;
    *tokens = count;
    return threadSeconds() - start;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::prepareHeadless();
    QApplication app(argc, argv);
    const QString tree = QCoreApplication::applicationDirPath() + QStringLiteral("/../Quillmere/");
    const auto resources = LoadScriptResources(tree + QStringLiteral("Data/NPC Script.ini"));
    auto profile = std::make_shared<ScriptProfile>();
    if (QString error; !ReadScriptProfile(tree + QStringLiteral("Data/rathena.profile"), profile.get(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const std::shared_ptr<const ScriptProfile> rathena = profile;

    QStringList parts;
    QString corpus;
    const QStringList arguments = app.arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--part") && i + 1 < arguments.size())
            parts << arguments[++i];
        else
            corpus = arguments[i];
    }
    const auto wanted = [&parts](const char *part) { return parts.isEmpty() || parts.contains(QLatin1String(part)); };

    // 1. Model and checks against lexing, 50 MB, medians of three.
    const QByteArray big = wanted("model") || wanted("outline") ? makeScript(50 << 20) : QByteArray();
    if (wanted("model")) {
        std::vector<double> lexing;
        std::vector<double> tokenizing;
        std::vector<double> modelling;
        std::vector<double> ratios;
        size_t problems = 0;
        size_t tokens = 0;
        // Five runs, each lexing and then modelling: a shared machine's speed drifts over a few
        // seconds, so each run's own ratio is taken, and their median.
        for (int run = 0; run < 5; ++run) {
            lexing.push_back(lexSeconds(resources->styler, {big}));
            tokenizing.push_back(tokenSeconds(big, &tokens));
            modelling.push_back(modelSeconds(rathena, big, &problems));
            ratios.push_back(modelling.back() / lexing.back());
        }
        std::printf("50 MB, processor time: lexing %.3f s, tokens alone %.3f s (%zu), model and checks %.3f s "
                    "(%zu problems): ratio %.2f, runs %.2f to %.2f (at most 2)\n",
                    bench::median(lexing), bench::median(tokenizing), tokens, bench::median(modelling), problems,
                    bench::median(ratios), *std::min_element(ratios.begin(), ratios.end()),
                    *std::max_element(ratios.begin(), ratios.end()));
    }

    // 1b. The same for 50 MB of nothing but nested openings, which once cost the square of the depth.
    if (wanted("deep")) {
        QByteArray deep = "-\tscript\tDeep\t-1,{\n";
        deep += QByteArray("{(").repeated((50 << 20) / 2);
        std::vector<double> lexDeep;
        std::vector<double> modelDeep;
        size_t deepProblems = 0;
        for (int run = 0; run < 3; ++run) {
            lexDeep.push_back(lexSeconds(resources->styler, {deep}));
            modelDeep.push_back(modelSeconds(rathena, deep, &deepProblems));
        }
        std::printf("50 MB nested \"{(\": lexing %.3f s, model and checks %.3f s (%zu problems): ratio %.2f (at most 2)\n",
                    bench::median(lexDeep), bench::median(modelDeep), deepProblems,
                    bench::median(modelDeep) / bench::median(lexDeep));
    }

    // 2. The UI thread while the outline of the same text is built and listed: the longest gap between
    // ticks of a 1 ms timer, from the pause's end until the outline arrives.
    if (wanted("outline")) {
        EditControl editor;
        editor.setText(QString::fromUtf8(big));
        auto *outline = new ScriptOutline(editor, *new AnalysisService(editor, resources));
        QComboBox list;
        list.addItem(QStringLiteral("NPC Selection List.."));
        OutlineList wiring(*outline, list);
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longest = 0;
        bool done = false;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - last);
            last = now;
        });
        QObject::connect(outline, &ScriptOutline::modelChanged, [&] { done = true; });
        outline->setActive(true);
        QElapsedTimer wait;
        wait.start();
        // The snapshot is taken when the pause ends; measure from just before.
        while (wait.elapsed() < AnalysisService::PauseMilliseconds - 50)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        clock.start();
        tick.start();
        while (!done && wait.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::printf("outline of 50 MB: %d blocks, %d list entries in %.3f s; longest UI thread block %.1f ms (at most 16)\n",
                    int(outline->model().blocks.size()), list.count(), clock.nsecsElapsed() / 1e9, longest / 1e6);
    }

    // 3. quillcheck over 20 MB in 40 files against lexing them on one core.
    if (wanted("check"))
        benchChecker(resources->styler, tree);

    // 4. The cross-file index of a corpus, when one is given.
    if (wanted("index") && !corpus.isEmpty()) {
        auto hercules = std::make_shared<ScriptProfile>();
        if (ReadScriptProfile(tree + QStringLiteral("Data/hercules.profile"), hercules.get(), nullptr))
            indexCorpus(corpus, hercules);
    }
    return 0;
}
