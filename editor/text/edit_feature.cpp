// The switch every feature of the text area shares.
#include "edit_feature.h"

#include "edit_control.h"

#include <QTimer>

#include <algorithm>

namespace {

// A piece is copied in about a millisecond, so that a machine busy with other work still gets
// the UI thread back within a frame.
constexpr qsizetype SnapshotPiece = 256 << 10;

// Scintilla's text range: a span of bytes and the buffer they are copied into, NUL added.
struct TextRange
{
    long first;
    long end;
    char *bytes;
};

} // namespace

EditFeature::EditFeature(EditControl &control)
    : QObject(&control)
    , m_control(control)
{
}

bool EditFeature::isActive() const
{
    return m_active;
}

void EditFeature::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    Q_EMIT activeChanged(active);
}

EditControl &EditFeature::control() const
{
    return m_control;
}

void EditFeature::takeSnapshot(std::function<void(QByteArray)> ready)
{
    m_ready = std::move(ready);
    if (!m_textChanged)
        m_textChanged = connect(&m_control, &EditControl::textEdited, this, [this] {
            if (m_copied >= 0)
                restartSnapshot();
        });
    restartSnapshot();
}

void EditFeature::cancelSnapshot()
{
    m_copied = -1;
    m_snapshot = QByteArray();
    m_ready = nullptr;
}

void EditFeature::restartSnapshot()
{
    // One byte more for the NUL that Scintilla writes after a copied range.
    m_snapshot = QByteArray(qsizetype(m_control.SendScintilla(QsciScintillaBase::SCI_GETLENGTH)) + 1, Qt::Uninitialized);
    m_copied = 0;
    if (!m_copyQueued) {
        m_copyQueued = true;
        QTimer::singleShot(0, this, &EditFeature::copyPiece);
    }
}

void EditFeature::copyPiece()
{
    m_copyQueued = false;
    if (m_copied < 0)
        return;
    const qsizetype length = m_snapshot.size() - 1;
    const qsizetype piece = std::min(SnapshotPiece, length - m_copied);
    if (piece > 0) {
        // Copied across Scintilla's gap without moving it, straight into the snapshot.
        TextRange range{long(m_copied), long(m_copied + piece), m_snapshot.data() + m_copied};
        m_control.SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, 0UL, &range);
        m_copied += piece;
    }
    if (m_copied < length) {
        m_copyQueued = true;
        QTimer::singleShot(0, this, &EditFeature::copyPiece);
        return;
    }
    m_snapshot.chop(1);
    m_copied = -1;
    const std::function<void(QByteArray)> ready = std::exchange(m_ready, nullptr);
    if (ready)
        ready(std::exchange(m_snapshot, QByteArray()));
}
