// The program's dialog seam: Qt's file, colour, font and input dialogs and our message box.
#pragma once

#include <QPoint>

#include "desktop_dialog_seam.h"

class QtDialogSeam : public DesktopDialogSeam
{
public:
    QString fileName(const FileDialogRequest &request) override;
    std::optional<QColor> colour(QWidget *owner, const QColor &initial) override;
    std::optional<QFont> font(QWidget *owner, const QFont &initial) override;
    MsgBoxAnswer msgBoxEx(const MsgBoxExRequest &request) override;

private:
    // Where the previous message box stood, for position codes outside 0 to 5.
    QPoint m_lastBoxPosition;
};
