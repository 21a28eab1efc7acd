// The one seam through which the editor asks the user anything; tests answer it with scripts.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

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
    bool folder = false;       // a folder is chosen rather than a file
};

// The numbers are the codes callers of the message box give and get.
enum class MsgBoxIcon : int { Information = 0, Question = 1, Warning = 2, Error = 3 };
enum class MsgBoxButtons : int { Okay = 0, OkayCancel = 1, RetryCancel = 2, YesNo = 3 };
// None: the box was closed without a button (Escape, its close button or its timer).
enum class MsgBoxAnswer : int { None = -1, Okay = 0, Cancel = 1, Yes = 2, No = 3, Retry = 4 };
// Where the box stands on the screen. Own: where the window system puts it; Previous: where the
// last box stood.
enum class MsgBoxPosition : int { Centred = 0, TopLeft = 1, TopRight = 2, BottomLeft = 3, BottomRight = 4, Own = 5, Previous = 6 };

// Built whole: MsgBoxExRequest{text, MsgBoxIcon::Question, MsgBoxButtons::YesNo, title}.
struct MsgBoxExRequest
{
    QString text;
    MsgBoxIcon icon = MsgBoxIcon::Information;
    MsgBoxButtons buttons = MsgBoxButtons::Okay;
    QString title;
    int autoCloseSeconds = 0;  // 0 or less: never; more than 64 counts as 64
    MsgBoxPosition position = MsgBoxPosition::Centred;
    bool alwaysOnTop = false;
    bool forceScrollingText = false; // the scrolling text box even for a short text
};

// A question whose answers are buttons with captions of their own, in order.
struct ChoiceRequest
{
    QWidget *owner = nullptr;
    QString title;
    QString text;
    MsgBoxIcon icon = MsgBoxIcon::Question;
    QStringList buttons;   // the last one is also what Escape answers
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
    // The button that closed the box, None when closed without one.
    virtual MsgBoxAnswer msgBoxEx(const MsgBoxExRequest &request) = 0;
    // The index of the chosen button in request.buttons; -1 when closed without one.
    virtual int choice(const ChoiceRequest &request) = 0;
    // The text entered, nothing when cancelled.
    virtual std::optional<QString> inputText(QWidget *owner, const QString &title,
                                             const QString &prompt, const QString &initial) = 0;
    // Opens a file, program or address through the desktop; a failure is reported through
    // this seam. Returns whether it worked.
    virtual bool launch(QWidget *owner, const QString &file, const QString &parameters) = 0;
};
