// The outline's model: the analysis service's, taken while the outline is switched on.
#include "script_outline.h"

#include "analysis_service.h"
#include "edit_control.h"
#include "jump_placement.h"

ScriptOutline::ScriptOutline(EditControl &control, AnalysisService &analysis)
    : EditFeature(control)
    , m_analysis(analysis)
    , m_text(std::make_shared<const AnalysedText>())
{
    connect(this, &EditFeature::activeChanged, this, [this](bool active) { active ? start() : stop(); });
}

const ScriptModel &ScriptOutline::model() const
{
    return m_text->model;
}

std::shared_ptr<const ScriptModel> ScriptOutline::modelPointer() const
{
    // Shares the analysis it is part of.
    return std::shared_ptr<const ScriptModel>(m_text, &m_text->model);
}

std::shared_ptr<const AnalysedText> ScriptOutline::analysis() const
{
    return m_text;
}

void ScriptOutline::goToLine(int line)
{
    EditControl &text = control();
    text.moveCaret(line, 0);
    PlaceJumpedLine(text, line);
    text.setFocus();
}

void ScriptOutline::start()
{
    m_modelReady = connect(&m_analysis, &AnalysisService::modelReady, this,
                           [this](const std::shared_ptr<const AnalysedText> &text) {
                               m_text = text;
                               Q_EMIT modelChanged(m_text->model);
                           });
    m_caretMoved = connect(&control(), &QsciScintilla::cursorPositionChanged, this, [this](int line, int) {
        if (line == m_caretLine)
            return;
        m_caretLine = line;
        Q_EMIT caretLineChanged(line);
    });
    // An analysis already current is not sent again.
    if (m_analysis.latest()->revision == m_analysis.revision()) {
        m_text = m_analysis.latest();
        Q_EMIT modelChanged(m_text->model);
    }
    m_analysis.follow(true);
}

void ScriptOutline::stop()
{
    disconnect(m_modelReady);
    disconnect(m_caretMoved);
    m_analysis.follow(false);
    m_text = std::make_shared<const AnalysedText>();
    m_caretLine = -1;
    Q_EMIT modelChanged(m_text->model);
}
