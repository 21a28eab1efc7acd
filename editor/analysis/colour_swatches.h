// ColourSwatches: every colour code ^RRGGBB in the text underlined in its own colour.
#pragma once

#include "edit_feature.h"

#include <QColor>

#include <memory>

class AnalysisService;
struct AnalysedText;

class ColourSwatches : public EditFeature
{
    Q_OBJECT

public:
    // Attaches to control switched on. The codes on screen and around it are marked, from
    // analysis when it is current; a small edit's lines are searched again at once, so a typed
    // code shows without waiting for it.
    ColourSwatches(EditControl &control, AnalysisService &analysis);

    // The colour underlining the byte at position; invalid where none does.
    QColor colourAt(int position) const;

private:
    void start();
    void stop();
    void markEdited(int from, int to);
    // Marks the lines around the screen, unless always is false and they are marked already.
    void markAround(bool always);
    void refresh(int firstLine, int lastLine);

    AnalysisService &m_analysis;
    int m_indicator = -1;
    int m_aroundFirst = -1;     // the lines last marked around the screen
    int m_aroundLast = -1;
    QMetaObject::Connection m_modified;
    QMetaObject::Connection m_scrolled;
};
