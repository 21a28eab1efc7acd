// Times the edit control on a multi-megabyte script: open, set text, find, replace all, save.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include "bench_support.h"
#include "edit_control.h"
#include "finder.h"

namespace {

// About 5 MB of NPC-script-like text in CR LF lines, with the marker only at the end.

void report(const char *what, const QElapsedTimer &timer)
{
    std::printf("%-28s %8.1f ms\n", what, timer.nsecsElapsed() / 1e6);
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown, so no display is needed.
    bench::prepareHeadless();
    QApplication app(argc, argv);

    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("big.txt"));
    const QByteArray script = bench::makeGuideScript(100000) + "// END_OF_SCRIPT_MARKER\r\n";
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(source));
            return 1;
        }
    }
    std::printf("file: %.2f MB, %lld lines\n", script.size() / (1024.0 * 1024.0),
                static_cast<long long>(script.count('\n')));

    EditControl control;
    control.setLanguage(QStringLiteral("C/C++"));
    QElapsedTimer timer;

    timer.start();
    const FileResult opened = control.openFile(source);
    report("openFile", timer);
    if (!opened) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error));
        return 1;
    }

    const QString text = QString::fromUtf8(script);
    timer.start();
    control.setText(text);
    report("setText", timer);

    Finder finder(control);
    finder.setSearchText(QStringLiteral("END_OF_SCRIPT_MARKER"));
    control.selectRange(0, 0);
    timer.start();
    const bool found = finder.findNext();
    report("findNext (whole text)", timer);

    finder.setSearchText(QStringLiteral("mes"));
    finder.setReplaceText(QStringLiteral("say"));
    timer.start();
    const int replaced = finder.replaceAll();
    report("replaceAll", timer);
    std::printf("%-28s %8d\n", "  replacements", replaced);

    timer.start();
    const FileResult saved = control.saveFile(dir.filePath(QStringLiteral("saved.txt")));
    report("saveFile", timer);

    if (!found || !saved) {
        std::fprintf(stderr, "failed: %s\n", found ? qPrintable(saved.error) : "marker not found");
        return 1;
    }
    return 0;
}
