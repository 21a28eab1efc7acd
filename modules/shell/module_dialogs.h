// The modules' answers to the dialog seam: a plain message box and launching through ShellExe.
#pragma once

#include "dialog_seam.h"

#include <QMessageBox>

class ModuleDialogSeam : public DialogSeam
{
public:
    // The modules ask for no files, colours or fonts: these answer as cancelled.
    QString fileName(const FileDialogRequest &request) override;
    std::optional<QColor> colour(QWidget *owner, const QColor &initial) override;
    std::optional<QFont> font(QWidget *owner, const QFont &initial) override;

    MsgBoxAnswer msgBoxEx(const MsgBoxExRequest &request) override;
    std::optional<QString> inputText(QWidget *owner, const QString &title, const QString &prompt,
                                     const QString &initial) override;
    // A failure is told through msgBoxEx, as every other message.
    bool launch(QWidget *owner, const QString &file, const QString &parameters) override;
};

// Sets up box for request: title, text, icon and buttons. The modules never ask with a timer or
// a position, so the box stays plain.
void preparePlainBox(QMessageBox &box, const MsgBoxExRequest &request);

// The answer for the button that closed a plain box.
MsgBoxAnswer answerForButton(QMessageBox::StandardButton button);
