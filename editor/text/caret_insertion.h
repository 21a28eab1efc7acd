// InsertTextAtCaret: the one way text is put into the script at the caret.
#pragma once

#include "edit_feature.h"

#include <QString>

class CaretInsertion : public EditFeature
{
    Q_OBJECT

public:
    // Attaches to control switched on.
    explicit CaretInsertion(EditControl &control);

    // Replaces the selection (or inserts at the caret) with text, then puts the caret on line
    // (-1: the line where the text went in) at the column where the text went in plus
    // columnOffset characters (-1: the text's length). A column beyond its line's end means
    // the line's end. With focus true the text area takes the keyboard focus.
    // Does nothing while switched off.
    void insertTextAtCaret(const QString &text, bool focus, int line = -1, int columnOffset = -1);
};
