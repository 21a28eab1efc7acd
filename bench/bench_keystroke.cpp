// Times a keystroke and a caret move in a 50 MB script, in the middle and at the end of the
// text, with and without a screen reader listening (an in-process reader: every accessibility
// event is made and handed over, as the platform bridge would get it).
//
// Usage: bench_keystroke [keystrokes] [--qscintilla-mask]
//   --qscintilla-mask lets QScintilla hear every insertion and deletion again, as it did before
//   the control reported edits itself, for the figures to compare against.
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_support.h"
#include "edit_control.h"
#include "edit_control_accessible.h"
#include "fold_margin.h"
#include "language_definition.h"
#include "line_number_margin.h"
#include "script_language.h"

namespace {

int eventsHeard = 0;

void hearEvent(QAccessibleEvent *event)
{
    // A reader reads what each event carries.
    if (event->type() == QAccessible::TextInserted)
        eventsHeard += int(static_cast<QAccessibleTextInsertEvent *>(event)->textInserted().size() > 0);
    else
        ++eventsHeard;
}

double timeKeyPress(EditControl &control, int key, const QString &text = QString())
{
    QElapsedTimer timer;
    timer.start();
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&control, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&control, &up);
    // The edit is painted before the next key comes.
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

void printTimes(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const double p95 = times[std::min(times.size() - 1, times.size() * 95 / 100)];
    std::printf("%-34s median %8.3f ms   p95 %8.3f ms   (%zu)\n", what, bench::median(times), p95, times.size());
}

void timeTyping(EditControl &control, long position, int keystrokes, const char *what)
{
    control.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(position));
    QCoreApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < keystrokes; ++i) {
        // A letter and a backspace, so the text ends as it began.
        times.push_back(timeKeyPress(control, Qt::Key_X, QStringLiteral("x")));
        times.push_back(timeKeyPress(control, Qt::Key_Backspace));
    }
    printTimes(what, times);
}

void timeCaretMoves(EditControl &control, int moves, const char *what)
{
    control.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(control.textLength() / 2));
    QCoreApplication::processEvents();
    std::vector<double> times;
    const int keys[] = {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left, Qt::Key_End};
    for (int i = 0; i < moves; ++i)
        times.push_back(timeKeyPress(control, keys[i % 6]));
    printTimes(what, times);
}

} // namespace

int main(int argc, char *argv[])
{
    bench::prepareHeadless(true);
    QApplication app(argc, argv);
    int keystrokes = 100;
    bool qscintillaMask = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--qscintilla-mask") == 0)
            qscintillaMask = true;
        else
            keystrokes = std::max(1, atoi(argv[i]));
    }

    const int blockBytes = int(bench::makeGuideScript(1000).size() / 1000);
    const QByteArray script = bench::makeGuideScript(int(50LL * 1024 * 1024 / blockBytes));
    EditControl control;
    attachAccessibility(control);
    (new LineNumberMargin(control))->setActive(true);
    (new FoldMargin(control))->setActive(true);
    registerScriptLanguage(control, ReadLanguageDefinition(QCoreApplication::applicationDirPath()
                                                           + QStringLiteral("/../Quillmere/Data/NPC Script.ini")));
    control.resize(1000, 700);
    control.show();
    control.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<uintptr_t>(script.size()), script.constData());
    control.setFocus();
    QCoreApplication::processEvents();
    if (qscintillaMask)
        control.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, static_cast<unsigned long>(QsciScintillaBase::SC_MODEVENTMASKALL));
    std::printf("platform %s; %.1f MB, %lld lines; %s\n", qPrintable(QGuiApplication::platformName()),
                script.size() / (1024.0 * 1024.0), static_cast<long long>(script.count('\n')),
                qscintillaMask ? "QScintilla hears every insertion and deletion" : "edits reported by the control");

    const long middle = control.textLength() / 2;
    timeTyping(control, middle, keystrokes, "keystroke, middle");
    timeTyping(control, control.textLength(), keystrokes, "keystroke, end");
    timeCaretMoves(control, keystrokes * 2, "caret move");

    // Under a desktop with a screen-reader bus the platform's bridge listens already.
    const bool platform = QAccessible::isActive();
    if (!platform)
        AccessibleEditEvents::setReader({[] { return true; }, hearEvent});
    std::printf("reader: %s\n", platform ? "the platform's bridge" : "in-process stand-in");
    QAccessible::queryAccessibleInterface(&control);
    timeTyping(control, middle, keystrokes, "keystroke, middle, reader");
    timeTyping(control, control.textLength(), keystrokes, "keystroke, end, reader");
    timeCaretMoves(control, keystrokes * 2, "caret move, reader");
    std::printf("reader heard %d events\n", eventsHeard);
    return platform || eventsHeard > 0 ? 0 : 1;
}
