// ScriptOutline: follows the document's analysis for the script's blocks and labels.
#pragma once

#include "edit_feature.h"

#include <memory>

#include "script_model.h"

class AnalysisService;
struct AnalysedText;

class ScriptOutline : public EditFeature
{
    Q_OBJECT

public:
    // Attaches to control switched off; the model comes from analysis, kept current while on.
    ScriptOutline(EditControl &control, AnalysisService &analysis);

    // The latest model; empty before the first one is built.
    const ScriptModel &model() const;
    std::shared_ptr<const ScriptModel> modelPointer() const;
    // The analysis the model is part of, with its outline rows.
    std::shared_ptr<const AnalysedText> analysis() const;
    // Puts the caret at the start of line, shows the line near the top and gives the text the focus.
    void goToLine(int line);

Q_SIGNALS:
    void modelChanged(const ScriptModel &model);
    // The caret moved to another line (counted from 0).
    void caretLineChanged(int line);

private:
    void start();
    void stop();

    AnalysisService &m_analysis;
    std::shared_ptr<const AnalysedText> m_text;
    int m_caretLine = -1;
    QMetaObject::Connection m_modelReady;
    QMetaObject::Connection m_caretMoved;
};
