// The modules' answers to the dialog seam: a plain message box and launching through the desktop.
#pragma once

#include "desktop_dialog_seam.h"

#include <QMessageBox>

class ModuleDialogSeam : public DesktopDialogSeam
{
public:
    // The modules ask for no files, colours or fonts: these answer as cancelled.
    QString fileName(const FileDialogRequest &request) override;
    std::optional<QColor> colour(QWidget *owner, const QColor &initial) override;
    std::optional<QFont> font(QWidget *owner, const QFont &initial) override;

    MsgBoxAnswer msgBoxEx(const MsgBoxExRequest &request) override;
};

// Sets up box for request: title, text, icon and buttons. The modules never ask with a timer or
// a position, so the box stays plain.
void preparePlainBox(QMessageBox &box, const MsgBoxExRequest &request);

// The answer for the button that closed a plain box.
MsgBoxAnswer answerForButton(QMessageBox::StandardButton button);
