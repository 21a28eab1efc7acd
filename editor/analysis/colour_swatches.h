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
    // Attaches to control switched on. The whole text's codes come from analysis; a small edit's
    // lines are searched again at once, so a typed code shows without waiting for it.
    ColourSwatches(EditControl &control, AnalysisService &analysis);

    // The colour underlining the byte at position; invalid where none does.
    QColor colourAt(int position) const;

private:
    void start();
    void stop();
    void textEdited(int from, int to);
    void refresh(int firstLine, int lastLine);
    void markAll(const std::shared_ptr<const AnalysedText> &text);
    void markSome();
    void stopMarking();

    AnalysisService &m_analysis;
    int m_indicator = -1;
    bool m_wholeText = false;   // waiting for an analysis to mark the whole text from
    std::shared_ptr<const AnalysedText> m_marking;  // the analysis being marked a slice per turn
    size_t m_marked = 0;        // its codes marked so far
    bool m_following = false;   // an edit broke off the marking: the analysis is followed till it is done
    QMetaObject::Connection m_modified;
    QMetaObject::Connection m_modelReady;
};
