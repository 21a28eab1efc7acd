// Input boxes and desktop launches shared by the editor's and the modules' dialog seams.
#include "desktop_dialog_seam.h"

#include "shell_helpers.h"

#include <QInputDialog>
#include <QLineEdit>

std::optional<QString> DesktopDialogSeam::inputText(QWidget *owner, const QString &title, const QString &prompt,
                                                    const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

bool DesktopDialogSeam::launch(QWidget *owner, const QString &file, const QString &parameters)
{
    const ShellFailureReport report = [this](QWidget *, const QString &title, const QString &text) {
        msgBoxEx(MsgBoxExRequest{text, MsgBoxIcon::Error, MsgBoxButtons::Okay, title});
    };
    return shellExecute(file, parameters, owner, QString(), report);
}
