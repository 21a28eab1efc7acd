// Quillmere, the script editor: resolves its folders and opens its window.
#include <QApplication>
#include <QIcon>

#include "app_paths.h"
#include "command_line_files.h"
#include "last_session.h"
#include "main_window.h"
#include "qt_dialog_seam.h"

#include <cstdlib>
#include <unistd.h>

namespace {

// Opening a large script fills a few hundred MB of fresh memory (the text, its styles, the
// analysis); in 2 MB pages that costs about a third less processor time than in 4 KB ones. The C
// library takes large pages for its big blocks only when told so at start, so the editor starts
// itself once more with that said. Not when the user set the C library's options, nor under a
// preloaded checker or profiler, which would lose the process.
void startWithLargePages(char *argv[])
{
    static const char Restarted[] = "QUILLMERE_LARGE_PAGES";
    if (std::getenv(Restarted)) {
        // Read by the C library already: programs started from here keep their own defaults.
        unsetenv(Restarted);
        unsetenv("GLIBC_TUNABLES");
        return;
    }
    const char *preload = std::getenv("LD_PRELOAD");
    if (std::getenv("GLIBC_TUNABLES") || (preload && *preload))
        return;
    if (setenv("GLIBC_TUNABLES", "glibc.malloc.hugetlb=1", 1) != 0 || setenv(Restarted, "1", 1) != 0)
        return;
    execv("/proc/self/exe", argv);
    // Not started again: go on as we are.
    unsetenv(Restarted);
    unsetenv("GLIBC_TUNABLES");
}

} // namespace

int main(int argc, char *argv[])
{
    startWithLargePages(argv);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quillmere"));
    app.setOrganizationName(QStringLiteral("Quillmere"));
    // Lets the desktop match the window to its menu entry and icon.
    app.setDesktopFileName(QStringLiteral("org.quillmere.Quillmere"));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("org.quillmere.Quillmere"),
                                       QIcon(QStringLiteral(":/images/quillmere.png"))));

    const AppPaths paths = AppPaths::forRunningProgram();
    QtDialogSeam dialogs;
    MainWindow window(paths, dialogs);
    window.show();
    // A script named on the command line is opened instead of the one the last session left.
    const QStringList files = CommandLineFiles(app.arguments());
    window.lastSession()->restore(!files.isEmpty());
    OpenCommandLineFiles(*window.document(), files,
                         [&window](const QString &text) { window.setStatusText(text); });
    return app.exec();
}
