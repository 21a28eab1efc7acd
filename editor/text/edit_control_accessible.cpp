// The text area as a screen reader sees it, in UTF-16 offsets from Scintilla's line character index.
#include "edit_control_accessible.h"

#include "edit_control.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

QAccessibleInterface *editControlInterface(const QString &className, QObject *object)
{
    auto *control = qobject_cast<EditControl *>(object);
    if (!control || className != QLatin1String(EditControl::staticMetaObject.className()))
        return nullptr;
    return new EditControlAccessible(control);
}

// Reading a very large change out loud helps no one; past this a reader hears a shorter text.
constexpr int LongestAnnouncedChange = 1 << 20;

// QScintilla gives a control its own interface while the control is being made, so ours is
// installed as the application starts, before any control is. Qt asks every factory for the
// control's own class before its bases', so ours answers although QScintilla's came later.
// Whatever attaches accessibility links this file, and with it this start-up function.
void installEditControlFactory()
{
    QAccessible::installFactory(editControlInterface);
}
Q_COREAPP_STARTUP_FUNCTION(installEditControlFactory)

} // namespace

void attachAccessibility(EditControl &control)
{
    new AccessibleEditEvents(control);
}

EditControlAccessible::EditControlAccessible(EditControl *control)
    : QAccessibleWidget(control, QAccessible::EditableText)
{
}

EditControl &EditControlAccessible::control() const
{
    return *static_cast<EditControl *>(widget());
}

void *EditControlAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State EditControlAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !control().isReadOnly();
    state.readOnly = control().isReadOnly();
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString EditControlAccessible::text(QAccessible::Text kind) const
{
    // The value would be the whole script; readers take the text through the text interface.
    if (kind == QAccessible::Value)
        return QString();
    return QAccessibleWidget::text(kind);
}

void EditControlAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    const EditControl &edit = control();
    const int start = edit.selectionStartPosition();
    const int end = edit.selectionEndPosition();
    if (selectionIndex != 0 || start == end)
        return;
    *startOffset = edit.utf16Offset(start);
    *endOffset = edit.utf16Offset(end);
}

int EditControlAccessible::selectionCount() const
{
    return control().selectionStartPosition() == control().selectionEndPosition() ? 0 : 1;
}

void EditControlAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void EditControlAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        control().SendScintilla(QsciScintillaBase::SCI_SETEMPTYSELECTION,
                                static_cast<unsigned long>(control().SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)));
}

void EditControlAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    EditControl &edit = control();
    edit.selectRange(edit.positionFromUtf16(startOffset), edit.positionFromUtf16(endOffset));
}

int EditControlAccessible::cursorPosition() const
{
    const EditControl &edit = control();
    return edit.utf16Offset(int(edit.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)));
}

void EditControlAccessible::setCursorPosition(int position)
{
    EditControl &edit = control();
    edit.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(edit.positionFromUtf16(position)));
}

QString EditControlAccessible::text(int startOffset, int endOffset) const
{
    const EditControl &edit = control();
    const int from = edit.positionFromUtf16(startOffset);
    const int to = edit.positionFromUtf16(endOffset);
    return to > from ? QString::fromUtf8(edit.textBytes(from, to)) : QString();
}

int EditControlAccessible::characterCount() const
{
    return control().utf16Offset(control().textLength());
}

QString EditControlAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = -1;
    const EditControl &edit = control();
    const int count = characterCount();
    if (offset < 0 || offset > count)
        return QString();
    if (boundaryType == QAccessible::NoBoundary) {
        *startOffset = 0;
        *endOffset = count;
        return text(0, count);
    }
    if (offset == count && offset > 0 && boundaryType != QAccessible::LineBoundary)
        --offset;
    // Every unit a reader asks for lies within one line, line break included, so only that line
    // becomes a QString.
    const int position = edit.positionFromUtf16(offset);
    const long line = edit.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const int lineStart = int(edit.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)));
    const long next = edit.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
    const int lineEnd = next < 0 ? edit.textLength() : int(next);
    const int lineOffset = edit.utf16Offset(lineStart);
    const QString lineText = QString::fromUtf8(edit.textBytes(lineStart, lineEnd));
    int from = 0;
    int to = int(lineText.size());
    if (boundaryType == QAccessible::CharBoundary) {
        from = offset - lineOffset;
        to = std::min(from + (lineText.at(from).isHighSurrogate() ? 2 : 1), int(lineText.size()));
    } else if (boundaryType == QAccessible::WordBoundary || boundaryType == QAccessible::SentenceBoundary) {
        QTextBoundaryFinder finder(boundaryType == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                             : QTextBoundaryFinder::Sentence,
                                   lineText);
        finder.setPosition(offset - lineOffset);
        if (!finder.isAtBoundary())
            finder.toPreviousBoundary();
        from = std::max(0, int(finder.position()));
        finder.setPosition(offset - lineOffset);
        const qsizetype following = finder.toNextBoundary();
        to = following < 0 ? int(lineText.size()) : int(following);
    }
    *startOffset = lineOffset + from;
    *endOffset = lineOffset + to;
    return lineText.mid(from, to - from);
}

QString EditControlAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                int *startOffset, int *endOffset) const
{
    int start = 0;
    int end = 0;
    textAtOffset(offset, boundaryType, &start, &end);
    if (start <= 0) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString EditControlAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                               int *startOffset, int *endOffset) const
{
    int start = 0;
    int end = 0;
    textAtOffset(offset, boundaryType, &start, &end);
    if (end < 0 || end >= characterCount()) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    return textAtOffset(end, boundaryType, startOffset, endOffset);
}

QRect EditControlAccessible::characterRect(int offset) const
{
    const EditControl &edit = control();
    const unsigned long position = static_cast<unsigned long>(edit.positionFromUtf16(offset));
    const int x = int(edit.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, static_cast<long>(position)));
    const int y = int(edit.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, static_cast<long>(position)));
    const long line = edit.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, position);
    const int height = int(edit.SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, static_cast<unsigned long>(line)));
    const unsigned long after = static_cast<unsigned long>(edit.SendScintilla(QsciScintillaBase::SCI_POSITIONAFTER, position));
    const int nextX = int(edit.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, static_cast<long>(after)));
    const QPoint topLeft = edit.viewport()->mapToGlobal(QPoint(x, y));
    return QRect(topLeft, QSize(std::max(1, nextX - x), height));
}

int EditControlAccessible::offsetAtPoint(const QPoint &point) const
{
    const EditControl &edit = control();
    const QPoint local = edit.viewport()->mapFromGlobal(point);
    const long position = edit.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE,
                                             static_cast<unsigned long>(local.x()), static_cast<long>(local.y()));
    return position < 0 ? -1 : edit.utf16Offset(int(position));
}

void EditControlAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    EditControl &edit = control();
    edit.SendScintilla(QsciScintillaBase::SCI_SCROLLRANGE, static_cast<unsigned long>(edit.positionFromUtf16(endIndex)),
                       static_cast<long>(edit.positionFromUtf16(startIndex)));
}

QString EditControlAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // Colours mark the script's structure, which the reader gets from the outline instead.
    *startOffset = 0;
    *endOffset = characterCount();
    Q_UNUSED(offset)
    return QString();
}

AccessibleEditEvents::Reader &AccessibleEditEvents::reader()
{
    static Reader current = platformReader();
    return current;
}

AccessibleEditEvents::Reader AccessibleEditEvents::platformReader()
{
    return {&QAccessible::isActive, &QAccessible::updateAccessibility};
}

void AccessibleEditEvents::setReader(const Reader &reader)
{
    AccessibleEditEvents::reader() = reader;
}

AccessibleEditEvents::AccessibleEditEvents(EditControl &control)
    : QObject(&control)
    , m_control(control)
{
    connect(&control, &EditControl::textChanging, this, [this](int position, int length, bool inserting) {
        inserting ? beforeInsert(position, length) : beforeDelete(position, length);
    });
    connect(&control, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & QsciScintillaBase::SC_UPDATE_SELECTION)
            send();
    });
    connect(&control, &EditControl::textEdited, this, &AccessibleEditEvents::send);
    connect(&control, &EditControl::loadStarted, this, &AccessibleEditEvents::forget);
}

void AccessibleEditEvents::beforeInsert(int position, int length)
{
    completeInsert();
    if (!reader().listening())
        return;
    m_insertPosition = position;
    m_insertLength = length;
    m_insertOffset = m_control.utf16Offset(position);
}

void AccessibleEditEvents::beforeDelete(int position, int length)
{
    completeInsert();
    if (!reader().listening())
        return;
    // The text is still there to be read and the offset still counts up to it.
    const QByteArray removed = m_control.textBytes(position, position + std::min(length, LongestAnnouncedChange));
    m_events.append({false, m_control.utf16Offset(position), QString::fromUtf8(removed)});
}

void AccessibleEditEvents::completeInsert()
{
    if (m_insertPosition < 0)
        return;
    // Nothing has changed since the insertion finished, so its bytes are where it put them.
    const int end = m_insertPosition + std::min(m_insertLength, LongestAnnouncedChange);
    m_events.append({true, m_insertOffset, QString::fromUtf8(m_control.textBytes(m_insertPosition, end))});
    m_insertPosition = -1;
}

void AccessibleEditEvents::send()
{
    completeInsert();
    const QVector<Event> events = std::exchange(m_events, {});
    if (!reader().listening())
        return;
    for (const Event &event : events) {
        if (event.inserted) {
            QAccessibleTextInsertEvent inserted(&m_control, event.offset, event.text);
            reader().hear(&inserted);
        } else {
            QAccessibleTextRemoveEvent removed(&m_control, event.offset, event.text);
            reader().hear(&removed);
        }
    }
    const int caret = m_control.utf16Offset(int(m_control.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)));
    const int anchor = m_control.utf16Offset(int(m_control.SendScintilla(QsciScintillaBase::SCI_GETANCHOR)));
    if (caret == m_caretOffset && anchor == m_anchorOffset && events.isEmpty())
        return;
    if (anchor != caret || m_anchorOffset != m_caretOffset) {
        QAccessibleTextSelectionEvent selected(&m_control, std::min(anchor, caret), std::max(anchor, caret));
        selected.setCursorPosition(caret);
        reader().hear(&selected);
    }
    m_caretOffset = caret;
    m_anchorOffset = anchor;
    QAccessibleTextCursorEvent moved(&m_control, caret);
    reader().hear(&moved);
}

void AccessibleEditEvents::forget()
{
    m_events.clear();
    m_insertPosition = -1;
    m_caretOffset = m_anchorOffset = -1;
}
