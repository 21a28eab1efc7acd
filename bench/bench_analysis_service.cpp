// Times the UI thread while the analysis service works on a 50 MB script with every feature that
// reads it attached: the longest gap between ticks of a 1 ms timer, from a request until the
// outline is listed and Check Script has marked its problems.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "analysis_service.h"
#include "bench_support.h"
#include "check_commands.h"
#include "colour_swatches.h"
#include "edit_control.h"
#include "item_lookup.h"
#include "outline_list.h"
#include "script_checker.h"
#include "script_completion.h"
#include "script_outline.h"
#include "script_profile.h"

namespace {


// Guides with colour codes and a missing label now and then, so that every reader has work.
QByteArray makeScript(qsizetype size)
{
    QByteArray text;
    text.reserve(size + 4096);
    for (int n = 0; text.size() < size; ++n) {
        const QByteArray number = QByteArray::number(n);
        text += "prontera," + QByteArray::number(100 + n % 97) + ",150,4\tscript\tGuide#" + number + "\t117,{\r\n"
                "\tmes \"[^0000FFGuide^000000]\";\r\n"
                "\tmenu \"Warp\",L_Warp,\"Cancel\",-;\r\n"
                "\tclose;\r\n"
                "L_Warp:\r\n"
                "\tif (Zeny < 100) goto L_Poor" + QByteArray(n % 50 == 0 ? "er" : "") + ";\r\n"
                "\twarp \"prontera\",156,191;\r\n"
                "\tend;\r\n"
                "L_Poor:\r\n"
                "\tmes \"^FF0000Not enough zeny.^000000\";\r\n"
                "\tclose;\r\n"
                "}\r\n";
    }
    return text;
}

// The longest time the event loop was away, from now until done() holds.
template <typename Done>
double longestBlockMs(Done done, double *seconds)
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    tick.start();
    while (!done() && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 now = clock.nsecsElapsed();
    longest = std::max(longest, now - last);
    *seconds = now / 1e9;
    return longest / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    bench::prepareHeadless();
    QApplication app(argc, argv);
    // bench_analysis_service [MEGABYTES]: 50 unless given.
    const qsizetype megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 50;
    const QByteArray big = makeScript(std::max<qsizetype>(megabytes, 1) << 20);

    EditControl editor;
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, big.constData());
    QComboBox outlineList;
    outlineList.addItem(QStringLiteral("NPC Selection List.."));
    QComboBox problemList;
    problemList.addItem(QStringLiteral("Unused Selection List.."));
    // The shipped rAthena profile, as the editor starts with it.
    auto profile = std::make_shared<ScriptProfile>();
    QString error;
    if (!ReadScriptProfile(QCoreApplication::applicationDirPath() + QStringLiteral("/../Quillmere/Data/rathena.profile"),
                           profile.get(), &error)) {
        std::fprintf(stderr, "bench_analysis_service: %s\n", qPrintable(error));
        return 1;
    }
    auto *analysis = new AnalysisService(editor, LoadScriptResources(QString(), profile));
    auto *checker = new ScriptChecker(editor, *analysis);
    CheckCommands checks(*checker, problemList, QString());
    auto *outline = new ScriptOutline(editor, *analysis);
    OutlineList outlineWiring(*outline, outlineList);
    new ColourSwatches(editor, *analysis);
    new ScriptCompletion(editor, *analysis, {});
    new ItemLookup(editor, *analysis, QString());

    bool outlined = false;
    bool checked = false;
    QObject::connect(outline, &ScriptOutline::modelChanged, [&] { outlined = true; });
    QObject::connect(&checks, &CheckCommands::statusText, [&] { checked = true; });

    // What the machine itself costs: on a machine busy with other work the thread waits for a
    // core now and then, whatever it runs.
    {
        QElapsedTimer idle;
        idle.start();
        double seconds = 0;
        const double block = longestBlockMs([&] { return idle.elapsed() >= 2000; }, &seconds);
        std::printf("idle: longest UI thread block %.1f ms over %.2f s with nothing to do\n", block, seconds);
    }

    std::vector<double> blocks;
    // Round 0: the first analysis, with the outline switched on and Check Script asked for at
    // once; the later rounds: a key typed at the end, then Check Script.
    for (int round = 0; round < 5; ++round) {
        outlined = checked = false;
        if (round == 0) {
            outline->setActive(true);
        } else {
            editor.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, 1UL, "\n");
        }
        checks.checkScript();
        double seconds = 0;
        const double block = longestBlockMs([&] { return outlined && checked; }, &seconds);
        blocks.push_back(block);
        std::printf("round %d: %s in %.2f s, %d outline entries, %d problems; longest UI thread block %.1f ms\n",
                    round, round == 0 ? "outline and check" : "one key, outline and check again", seconds,
                    outlineList.count() - 1, problemList.count() - 1, block);
    }
    std::printf("longest UI thread block: median %.1f ms, worst %.1f ms over %zu rounds (at most 16)\n",
                bench::median(blocks), *std::max_element(blocks.begin(), blocks.end()), blocks.size());
    return 0;
}
