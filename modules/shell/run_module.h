// A module program's start: read the launch argument, show the window, run until it closes.
#pragma once

#include "module_context.h"
#include "module_window.h"

#include <QString>

#include <functional>
#include <memory>

class DialogSeam;

using ModuleWindowFactory = std::function<std::unique_ptr<ModuleWindow>(const ModuleContext &, DialogSeam &)>;

// programName is the application's name, which the desktop shows for the untitled window.
// When the same module already runs for the same editor, that window comes to the front instead.
int RunModule(int argc, char *argv[], const QString &programName, const ModuleWindowFactory &createWindow);
