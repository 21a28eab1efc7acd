// Times opening a 50 MB script in the text area against the floor: the same bytes read and handed
// unchanged to a bare QScintilla control. Both paint their first screen; the ratio is what counts.
//
// Usage: bench_open [rounds]   (run with QT_QPA_PLATFORM=offscreen, or under a real display)
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "edit_control.h"
#include "fold_margin.h"
#include "language_definition.h"
#include "line_number_margin.h"
#include "script_language.h"

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Counts paints of the text, so that a round that painted nothing is noticed.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// A shown control, settled before the clock starts so that only loading and the first paint count.
void prepare(QsciScintilla &control, PaintCounter &counter)
{
    control.resize(1000, 700);
    control.show();
    QCoreApplication::processEvents();
    control.viewport()->repaint();
    control.viewport()->installEventFilter(&counter);
    counter.paints = 0;
}

void paintFirstScreen(QsciScintilla &control)
{
    control.viewport()->repaint();
    QCoreApplication::processEvents();
}

double floorRound(const QString &path, int *paints)
{
    QsciScintilla bare;
    PaintCounter counter;
    prepare(bare, counter);

    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    bare.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<uintptr_t>(bytes.size()),
                       bytes.constData());
    paintFirstScreen(bare);
    const double ms = timer.nsecsElapsed() / 1e6;
    *paints = counter.paints;
    return ms;
}

double oursRound(const QString &path, int *paints, qsizetype *length)
{
    EditControl control;
    (new LineNumberMargin(control))->setActive(true);
    (new FoldMargin(control))->setActive(true);
    // The shipped NPC Script language, as the editor starts with it.
    registerScriptLanguage(control, ReadLanguageDefinition(QCoreApplication::applicationDirPath()
                                                           + QStringLiteral("/../Quillmere/Data/NPC Script.ini")));
    PaintCounter counter;
    prepare(control, counter);

    QElapsedTimer timer;
    timer.start();
    if (!control.openFile(path).ok)
        return -1;
    paintFirstScreen(control);
    const double ms = timer.nsecsElapsed() / 1e6;
    *paints = counter.paints;
    *length = control.textLength();
    return ms;
}


// Alternates floor and ours (swapping which goes first each round) and reports the medians.
bool measure(const char *name, const QString &path, qsizetype expectedLength, int rounds)
{
    std::vector<double> floors, ours;
    for (int round = 0; round < rounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            const bool floorTurn = (turn == 0) == (round % 2 == 0);
            int paints = 0;
            qsizetype length = -1;
            const double ms = floorTurn ? floorRound(path, &paints) : oursRound(path, &paints, &length);
            if (ms < 0 || paints == 0 || (!floorTurn && length != expectedLength)) {
                std::fprintf(stderr, "%s: %s round %d failed (paints %d, length %lld)\n", name,
                             floorTurn ? "floor" : "ours", round, paints, static_cast<long long>(length));
                return false;
            }
            (floorTurn ? floors : ours).push_back(ms);
        }
    }
    const double floorMs = bench::median(floors);
    const double oursMs = bench::median(ours);
    std::printf("%-14s floor %8.1f ms   ours %8.1f ms   ratio %5.3f   (floor min %.1f, ours min %.1f)\n",
                name, floorMs, oursMs, oursMs / floorMs, *std::min_element(floors.begin(), floors.end()),
                *std::min_element(ours.begin(), ours.end()));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::prepareHeadless(true);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 7;

    constexpr qsizetype targetSize = 50LL * 1024 * 1024;
    QTemporaryDir dir;
    const QString utf8Path = dir.filePath(QStringLiteral("utf8.txt"));
    const QString cp1252Path = dir.filePath(QStringLiteral("cp1252.txt"));
    const int blocks = int(targetSize * 1000 / bench::makeGuideScript(1000).size());
    const QByteArray utf8 = bench::makeGuideScript(blocks);
    const QByteArray cp1252 = bench::makeGuideScript(blocks, "\xE9", "\x80");
    if (!writeBytes(utf8Path, utf8) || !writeBytes(cp1252Path, cp1252)) {
        std::fprintf(stderr, "cannot write the scripts in %s\n", qPrintable(dir.path()));
        return 1;
    }
    std::printf("platform %s, %d rounds; UTF-8 %.1f MB, Windows-1252 %.1f MB, %lld lines each\n",
                qPrintable(QGuiApplication::platformName()), rounds, utf8.size() / (1024.0 * 1024.0),
                cp1252.size() / (1024.0 * 1024.0), static_cast<long long>(utf8.count('\n')));

    if (!measure("UTF-8", utf8Path, utf8.size(), rounds))
        return 1;
    // Same text, so the Windows-1252 file becomes the UTF-8 file's bytes in the control.
    if (!measure("Windows-1252", cp1252Path, utf8.size(), rounds))
        return 1;
    return 0;
}
