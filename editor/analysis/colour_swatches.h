// ColourSwatches: every colour code ^RRGGBB in the text underlined in its own colour.
#pragma once

#include "edit_feature.h"

#include <QColor>

class ColourSwatches : public EditFeature
{
    Q_OBJECT

public:
    // Attaches to control switched on.
    explicit ColourSwatches(EditControl &control);

    // The colour underlining the byte at position; invalid where none does.
    QColor colourAt(int position) const;

private:
    void start();
    void stop();
    void textEdited(int from, int to);
    void refresh(int firstLine, int lastLine);

    int m_indicator = -1;
    QMetaObject::Connection m_modified;
};
