// Quillmere, the script editor: resolves its folders and opens its window.
#include <QApplication>
#include <QIcon>

#include "app_paths.h"
#include "command_line_files.h"
#include "large_pages.h"
#include "last_session.h"
#include "main_window.h"
#include "qt_dialog_seam.h"

namespace {

// Opening a large script fills a few hundred MB of fresh memory (the text, its styles, the
// analysis); in 2 MB pages that costs about a third less processor time than in 4 KB ones. The C
// library takes large pages for its big blocks only when told so at start.
// Blocks under 32 MB come from the heap, whose freed room the next one takes: left to itself the
// library maps many blocks of growing lists afresh, and opening a 50 MB script took about a sixth
// more processor time. Larger blocks (the text and its styles) still go back to the system when
// freed.
const char LargePages[] = "glibc.malloc.hugetlb=1:glibc.malloc.mmap_threshold=33554432";

} // namespace

int main(int argc, char *argv[])
{
    StartWithLargePages(argv, LargePages);
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
