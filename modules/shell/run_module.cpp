// The module programs' shared entry.
#include "run_module.h"

#include "module_dialogs.h"

#include <QApplication>

int RunModule(int argc, char *argv[], const QString &programName, const ModuleWindowFactory &createWindow)
{
    QApplication app(argc, argv);
    app.setApplicationName(programName);

    const ModuleContext context =
        ReadStartupParameters(ModuleCommandLine(QCoreApplication::arguments()), QCoreApplication::applicationDirPath());
    ModuleDialogSeam dialogs;
    const std::unique_ptr<QWidget> window = createWindow(context, dialogs);
    // The window has no title; a screen reader still names it after its program.
    window->setAccessibleName(programName);
    window->show();
    return app.exec();
}
