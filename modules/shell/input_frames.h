// Inputs in captioned frames, named so that a screen reader says what each one is for.
#pragma once

#include <QString>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// A frame with its caption and a row layout for its controls.
QGroupBox *inputFrame(const QString &name, const QString &caption, QWidget *parent);

// A single-line text box in frame; it speaks the frame's caption (its own name without one).
QLineEdit *frameTextBox(const QString &name, QGroupBox *frame);

// A multi-line text box with a vertical scroll bar in frame. Tab moves on to the next control,
// so the keyboard never gets stuck in it.
QPlainTextEdit *frameMultiLineBox(const QString &name, QGroupBox *frame);

// The box's text with CR LF at every line the user broke; wrapped rows stay one line.
QString TextWithHardLineBreaks(const QPlainTextEdit &box);
