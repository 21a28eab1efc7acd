// The outline's model: a snapshot of the text goes to a thread once typing pauses.
#include "script_outline.h"

#include "edit_control.h"
#include "jump_placement.h"
#include "script_analyser.h"


ScriptOutline::ScriptOutline(EditControl &control, std::shared_ptr<const ScriptResources> resources)
    : EditFeature(control)
    , m_analyser(new ScriptAnalyser(std::move(resources), this))
    , m_model(std::make_shared<const ScriptModel>())
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMilliseconds);
    connect(&m_pause, &QTimer::timeout, this, [this] {
        takeSnapshot([this](QByteArray text) { m_analyser->analyse(std::move(text)); });
    });
    connect(m_analyser, &ScriptAnalyser::finished, this, [this](std::shared_ptr<const ScriptModel> model) {
        if (!isActive())
            return;
        m_model = std::move(model);
        Q_EMIT modelChanged(*m_model);
    });
    connect(this, &EditFeature::activeChanged, this, [this](bool active) { active ? start() : stop(); });
}

const ScriptModel &ScriptOutline::model() const
{
    return *m_model;
}

std::shared_ptr<const ScriptModel> ScriptOutline::modelPointer() const
{
    return m_model;
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
    EditControl &text = control();
    m_textChanged = connect(&text, &EditControl::textEdited, this, &ScriptOutline::textChanged);
    m_caretMoved = connect(&text, &QsciScintilla::cursorPositionChanged, this, [this](int line, int) {
        if (line == m_caretLine)
            return;
        m_caretLine = line;
        Q_EMIT caretLineChanged(line);
    });
    m_pause.start();
}

void ScriptOutline::stop()
{
    disconnect(m_textChanged);
    disconnect(m_caretMoved);
    m_pause.stop();
    cancelSnapshot();
    m_model = std::make_shared<const ScriptModel>();
    m_caretLine = -1;
    Q_EMIT modelChanged(*m_model);
}

void ScriptOutline::textChanged()
{
    // The copy is taken once typing pauses again.
    cancelSnapshot();
    m_pause.start();
}
