// Input boxes and desktop launches shared by the editor's and the modules' dialog seams.
#include "desktop_dialog_seam.h"

#include "shell_helpers.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

int DesktopDialogSeam::choice(const ChoiceRequest &request)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Question,
                                              QMessageBox::Warning, QMessageBox::Critical};
    QMessageBox box(icons[qBound(0, int(request.icon), 3)], request.title, request.text, QMessageBox::NoButton,
                    request.owner);
    QList<QAbstractButton *> buttons;
    for (const QString &caption : request.buttons)
        buttons.append(box.addButton(caption, QMessageBox::ActionRole));
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
        box.setEscapeButton(buttons.last());
    }
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}

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
