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
    void textModified(int position, int modification, int length, int linesAdded);
    void refreshPending();
    void refresh(int firstLine, int lastLine);

    int m_indicator = -1;
    int m_firstLine = -1;   // lines changed since the last refresh; -1 when none
    int m_lastLine = -1;
    QMetaObject::Connection m_modified;
};
