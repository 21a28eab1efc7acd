// The outline's model: a snapshot of the text goes to a thread once typing pauses.
#include "script_outline.h"

#include "edit_control.h"
#include "script_analyser.h"

namespace {

constexpr qsizetype SnapshotPiece = 4 << 20;

// Scintilla's text range: a span of bytes and the buffer they are copied into, NUL added.
struct TextRange
{
    long first;
    long end;
    char *bytes;
};

} // namespace

ScriptOutline::ScriptOutline(EditControl &control, std::shared_ptr<const ScriptResources> resources)
    : EditFeature(control)
    , m_analyser(new ScriptAnalyser(std::move(resources), this))
    , m_model(std::make_shared<const ScriptModel>())
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMilliseconds);
    connect(&m_pause, &QTimer::timeout, this, [this] {
        m_snapshot = QByteArray(qsizetype(this->control().SendScintilla(QsciScintillaBase::SCI_GETLENGTH)) + 1, Qt::Uninitialized);
        m_copied = 0;
        copyPiece();
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
    const int visible = int(text.SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line)));
    text.setFirstVisibleLine(std::max(0, visible - 1));
    text.setFocus();
}

void ScriptOutline::start()
{
    EditControl &text = control();
    m_textChanged = connect(&text, &QsciScintilla::textChanged, this, &ScriptOutline::textChanged);
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
    m_copied = -1;
    m_snapshot = QByteArray();
    m_model = std::make_shared<const ScriptModel>();
    m_caretLine = -1;
    Q_EMIT modelChanged(*m_model);
}

void ScriptOutline::textChanged()
{
    m_copied = -1;
    m_snapshot = QByteArray();
    m_pause.start();
}

void ScriptOutline::copyPiece()
{
    if (m_copied < 0 || !isActive())
        return;
    const qsizetype length = m_snapshot.size() - 1;
    const qsizetype piece = std::min(SnapshotPiece, length - m_copied);
    if (piece > 0) {
        // Copied across Scintilla's gap without moving it, straight into the snapshot.
        TextRange range{long(m_copied), long(m_copied + piece), m_snapshot.data() + m_copied};
        control().SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, 0UL, &range);
        m_copied += piece;
    }
    if (m_copied < length) {
        QTimer::singleShot(0, this, &ScriptOutline::copyPiece);
        return;
    }
    m_snapshot.chop(1);
    m_copied = -1;
    m_analyser->analyse(std::exchange(m_snapshot, QByteArray()));
}
