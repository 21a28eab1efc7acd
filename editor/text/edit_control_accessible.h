// What a screen reader gets of the text area: its text, caret and edits in UTF-16 offsets,
// worked out through Scintilla's per-line character index rather than by counting characters
// from the top of the text, so a keystroke in a 50 MB script stays cheap with a reader attached.
#pragma once

#include <QAccessibleWidget>
#include <QObject>
#include <QString>
#include <QVector>

class EditControl;

// Makes control tell screen readers of its edits and caret as they happen (AccessibleEditEvents,
// which go with the control); when asked, every control answers with EditControlAccessible.
// Attached before the features, a reader hears of an edit before they act on it.
void attachAccessibility(EditControl &control);

class EditControlAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit EditControlAccessible(EditControl *control);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    EditControl &control() const;
};

// The insert, remove and caret events of the text area. Scintilla announces each change before
// making it; the events are worked out then, while the offsets still hold, and sent once the
// edit is complete. Nothing is done while no screen reader listens.
class AccessibleEditEvents : public QObject
{
public:
    // Where the events go: the platform's bridge to screen readers, unless a stand-in is given
    // (tests and benchmarks have no bridge; without one Qt reports no reader and drops events).
    struct Reader
    {
        bool (*listening)();
        void (*hear)(QAccessibleEvent *event);
    };
    static void setReader(const Reader &reader);
    static Reader platformReader();

    // Follows control's edits and caret, as a child of it.
    explicit AccessibleEditEvents(EditControl &control);

    void beforeInsert(int position, int length);
    void beforeDelete(int position, int length);
    // Sends what the edits so far produced, then the caret if it moved.
    void send();
    // The caret's offset as a reader last heard it; a load starts over without text events.
    void forget();

private:
    struct Event
    {
        bool inserted;
        int offset;
        QString text;
    };
    void completeInsert();
    static Reader &reader();

    EditControl &m_control;
    QVector<Event> m_events;
    int m_insertPosition = -1;   // an insertion announced whose text is not read yet
    int m_insertLength = 0;
    int m_insertOffset = 0;
    int m_caretOffset = -1;
    int m_anchorOffset = -1;
};
