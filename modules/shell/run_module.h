// A module program's start: read the launch argument, show the window, run until it closes.
#pragma once

#include "module_context.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class DialogSeam;

using ModuleWindowFactory = std::function<std::unique_ptr<QWidget>(const ModuleContext &, DialogSeam &)>;

// programName is the application's name, which the desktop shows for the untitled window.
int RunModule(int argc, char *argv[], const QString &programName, const ModuleWindowFactory &createWindow);
