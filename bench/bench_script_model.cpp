// Times the script model and its checks against lexing alone, the UI thread while the outline is
// built, and quillcheck on one and on two cores against lexing the same files.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <vector>

#include "analysis_service.h"
#include "bench_support.h"
#include "edit_control.h"
#include "language_definition.h"
#include "outline_list.h"
#include "script_analyser.h"
#include "script_model.h"
#include "script_outline.h"
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

double lexSeconds(const ScriptStyler &styler, const std::vector<QByteArray> &texts)
{
    constexpr qsizetype Piece = 1 << 20;
    std::vector<unsigned char> styles(Piece);
    std::vector<ScriptStyler::Line> lines;
    QElapsedTimer clock;
    clock.start();
    for (const QByteArray &text : texts) {
        int state = 0;
        for (qsizetype at = 0; at < text.size();) {
            qsizetype length = std::min(Piece, text.size() - at);
            if (at + length < text.size())
                length = text.lastIndexOf('\n', at + length - 1) + 1 - at;
            lines.clear();
            styler.style(text.constData() + at, int(length), state, styles.data(), lines);
            state = lines.empty() ? state : lines.back().nextState;
            at += length;
        }
    }
    return clock.nsecsElapsed() / 1e9;
}

double modelSeconds(const ScriptResources &resources, const QByteArray &text, size_t *problems)
{
    QElapsedTimer clock;
    clock.start();
    const ScriptModel model = BuildScriptModel(resources.styler, resources.keywords,
                                               std::string_view(text.constData(), size_t(text.size())));
    *problems = CheckScript(model, {}).size();
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::prepareHeadless();
    QApplication app(argc, argv);
    const QString tree = QCoreApplication::applicationDirPath() + QStringLiteral("/../Quillmere/");
    const auto resources = LoadScriptResources(tree + QStringLiteral("Data/NPC Script.ini"));

    // 1. Model and checks against lexing, 50 MB, medians of three.
    const QByteArray big = makeScript(50 << 20);
    std::vector<double> lexing;
    std::vector<double> modelling;
    size_t problems = 0;
    for (int run = 0; run < 3; ++run) {
        lexing.push_back(lexSeconds(resources->styler, {big}));
        modelling.push_back(modelSeconds(*resources, big, &problems));
    }
    const double lex = bench::median(lexing);
    const double model = bench::median(modelling);
    std::printf("50 MB: lexing %.3f s, model and checks %.3f s (%zu problems): ratio %.2f (at most 2)\n",
                lex, model, problems, model / lex);

    // 2. The UI thread while the outline of the same text is built and listed: the longest gap between
    // ticks of a 1 ms timer, from the pause's end until the outline arrives.
    {
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
    QTemporaryDir folder;
    std::vector<QByteArray> files;
    for (int i = 0; i < 40; ++i) {
        files.push_back(makeScript(512 << 10, i + 1));
        QFile file(folder.filePath(QStringLiteral("guide%1.txt").arg(i)));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(files.back());
    }
    std::vector<double> lexAll;
    for (int run = 0; run < 3; ++run)
        lexAll.push_back(lexSeconds(resources->styler, files));
    const double lexFiles = bench::median(lexAll);
    const auto check = [&](int jobs) {
        std::vector<double> runs;
        for (int run = 0; run < 3; ++run) {
            QProcess process;
            QElapsedTimer clock;
            clock.start();
            process.start(tree + QStringLiteral("quillcheck"),
                          {QStringLiteral("--jobs"), QString::number(jobs), folder.path()});
            process.waitForFinished(120000);
            runs.push_back(clock.nsecsElapsed() / 1e9);
        }
        return bench::median(runs);
    };
    const double one = check(1);
    const double two = check(2);
    std::printf("20 MB in 40 files: lexing %.3f s; quillcheck on one core %.3f s: ratio %.2f (at most 1.5); "
                "on two cores %.3f s: ratio %.2f (below 1.5 and below one core)\n",
                lexFiles, one, one / lexFiles, two, two / lexFiles);
    return 0;
}
