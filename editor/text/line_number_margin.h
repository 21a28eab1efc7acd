// Line numbers in the text area's left margin, as wide as the largest number needs.
#pragma once

#include "edit_feature.h"

class LineNumberMargin : public EditFeature
{
    Q_OBJECT

public:
    explicit LineNumberMargin(EditControl &control);

private:
    void start();
    void stop();
    void fitWidth(bool force);

    int m_digits = 0;
    QMetaObject::Connection m_lines;
    QMetaObject::Connection m_font;
};
