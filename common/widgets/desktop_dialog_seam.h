// What every program's dialog seam answers alike: input boxes and launching through the desktop.
#pragma once

#include "dialog_seam.h"

class DesktopDialogSeam : public DialogSeam
{
public:
    int choice(const ChoiceRequest &request) override;
    std::optional<QString> inputText(QWidget *owner, const QString &title, const QString &prompt,
                                     const QString &initial) override;
    // A failed launch is told through msgBoxEx, as every other message of the program.
    bool launch(QWidget *owner, const QString &file, const QString &parameters) override;
};
