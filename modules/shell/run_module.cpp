// The module programs' shared entry.
#include "run_module.h"

#include "module_dialogs.h"
#include "module_instance.h"
#include "shell_helpers.h"

#include <QApplication>

int RunModule(int argc, char *argv[], const QString &programName, const ModuleWindowFactory &createWindow)
{
    QApplication app(argc, argv);
    app.setApplicationName(programName);

    const ModuleContext context =
        ReadStartupParameters(ModuleCommandLine(QCoreApplication::arguments()), QCoreApplication::applicationDirPath());
    // Only the module's own window takes the editor's position; what it starts does not.
    qunsetenv(OwnerWindowVariable);

    ModuleInstance instance(context.EditorHwnd, programName);
    if (instance.handedOver())
        return 0;

    ModuleDialogSeam dialogs;
    const std::unique_ptr<ModuleWindow> window = createWindow(context, dialogs);
    // The window has no title; a screen reader still names it after its program.
    window->setAccessibleName(programName);
    QObject::connect(&instance, &ModuleInstance::frontRequested, window.get(), &ModuleWindow::bringToFront);
    window->watchEditor();
    window->showOverEditor();
    return app.exec();
}
