// A wizard module's window until its builder exists: says what the module will do.
#pragma once

#include <QString>

int RunModulePlaceholder(int argc, char *argv[], const QString &name, const QString &purpose);
