// Quillmere, the script editor: resolves its folders and opens its window.
#include <QApplication>

#include "app_paths.h"
#include "command_line_files.h"
#include "main_window.h"
#include "qt_dialog_seam.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quillmere"));
    app.setOrganizationName(QStringLiteral("Quillmere"));

    const AppPaths paths = AppPaths::forRunningProgram();
    QtDialogSeam dialogs;
    MainWindow window(paths, dialogs);
    window.show();
    OpenCommandLineFiles(*window.document(), CommandLineFiles(app.arguments()),
                         [&window](const QString &text) { window.SetStatusText(text); });
    return app.exec();
}
