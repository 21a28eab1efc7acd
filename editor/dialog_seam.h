// The one seam through which the editor asks the user anything; tests answer it with scripts.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

struct FileDialogRequest
{
    QWidget *owner = nullptr;
    bool save = false;
    QString title;
    QString initialName;
    QString filter;            // description/pattern pairs joined by "¬"
    QString initialFolder;
    QString defaultExtension;
};

struct MsgBoxExRequest
{
    QString text;
    int icon = 0;              // 0 information, 1 question, 2 warning, 3 error
    int buttons = 0;           // 0 Okay, 1 Okay/Cancel, 2 Retry/Cancel, 3 Yes/No
    QString title;
    int autoCloseSeconds = 0;  // 0 or less: never; more than 64 counts as 64
    int position = 0;          // 0 centred, 1-4 corners, 5 the box's own position
    int alwaysOnTop = 0;       // exactly -1 keeps the box on top
    int forceScrollingText = 0; // exactly -1 always uses the scrolling text box
};

class DialogSeam
{
public:
    virtual ~DialogSeam() = default;

    // Full path of the chosen file, "" when cancelled.
    virtual QString fileName(const FileDialogRequest &request) = 0;
    // The chosen colour, nothing when cancelled.
    virtual std::optional<QColor> colour(QWidget *owner, const QColor &initial) = 0;
    // The chosen font, nothing when cancelled.
    virtual std::optional<QFont> font(QWidget *owner, const QFont &initial) = 0;
    // The code of the button that closed the box, -1 when closed without one.
    virtual int msgBoxEx(const MsgBoxExRequest &request) = 0;
    // The text entered, nothing when cancelled.
    virtual std::optional<QString> inputText(QWidget *owner, const QString &title,
                                             const QString &prompt, const QString &initial) = 0;
    // Opens a file, program or address through the desktop; a failure is reported through
    // this seam. Returns whether it worked.
    virtual bool launch(QWidget *owner, const QString &file, const QString &parameters) = 0;
};
