// Recognising a system install by its layout rather than by trying to write anywhere.
#pragma once

#include <QString>

// "<prefix>/share/quillmere/" when programFolder is "<prefix>/bin" (the editor) or
// "<prefix>/libexec/quillmere" (a module) and that share folder exists; otherwise "" (the
// portable tree, where everything lives beside the program).
QString SystemShareFolderFor(const QString &programFolder);
