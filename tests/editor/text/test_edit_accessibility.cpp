// Tests of what the text area tells screen readers and features now that QScintilla no longer
// hears single insertions and deletions: the accessible text, caret and edit events in UTF-16
// offsets, and the textEdited and lineCountChanged signals.
#include <QtTest>

#include <QAccessible>

#include "edit_control.h"
#include "edit_control_accessible.h"
#include "line_number_margin.h"

namespace {

// One recorded accessibility event: what happened, where, and the text involved.
struct HeardEvent
{
    QAccessible::Event type;
    int offset;
    QString text;
};

QVector<HeardEvent> heard;

void recordEvent(QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto *inserted = static_cast<QAccessibleTextInsertEvent *>(event);
        heard.append({event->type(), inserted->changePosition(), inserted->textInserted()});
        break;
    }
    case QAccessible::TextRemoved: {
        const auto *removed = static_cast<QAccessibleTextRemoveEvent *>(event);
        heard.append({event->type(), removed->changePosition(), removed->textRemoved()});
        break;
    }
    case QAccessible::TextCaretMoved:
        heard.append({event->type(), static_cast<QAccessibleTextCursorEvent *>(event)->cursorPosition(), QString()});
        break;
    default:
        break;
    }
}

QString describe(const QVector<HeardEvent> &events)
{
    QStringList parts;
    for (const HeardEvent &event : events) {
        const char *kind = event.type == QAccessible::TextInserted ? "insert"
            : event.type == QAccessible::TextRemoved               ? "remove"
                                                                   : "caret";
        parts << QStringLiteral("%1 %2 %3").arg(QLatin1String(kind)).arg(event.offset).arg(event.text);
    }
    return parts.join(QLatin1Char('|'));
}

QAccessibleTextInterface *textOf(EditControl &control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&control);
    return accessible ? accessible->textInterface() : nullptr;
}

// Types keys as key events, the user's input path: each character is a key carrying it as its
// text (beyond the ASCII keys QTest knows), '\b' a backspace.
void type(EditControl &control, const QString &keys)
{
    for (const QChar key : keys) {
        if (key == QLatin1Char('\b')) {
            QTest::keyClick(&control, Qt::Key_Backspace);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(key));
        QCoreApplication::sendEvent(&control, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(key));
        QCoreApplication::sendEvent(&control, &release);
    }
}

// Places the caret through the reader's own interface, then types.
void typeAt(EditControl &control, int caret, const QString &keys)
{
    textOf(control)->setCursorPosition(caret);
    type(control, keys);
}

} // namespace

class TestEditAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readerSeesTextAndCaret_data();
    void readerSeesTextAndCaret();
    void readerReadsUnits_data();
    void readerReadsUnits();
    void readerHearsEdits_data();
    void readerHearsEdits();
    void editsAreReported_data();
    void editsAreReported();
    void typingReportsAtOnce();
    void lineNumberMarginFollowsTyping();
};

void TestEditAccessibility::init()
{
    heard.clear();
}

void TestEditAccessibility::cleanup()
{
    AccessibleEditEvents::setReader(AccessibleEditEvents::platformReader());
}

void TestEditAccessibility::readerSeesTextAndCaret_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");

    // 😀 is one character in two UTF-16 units and four UTF-8 bytes; é two bytes, € and 中 three.
    QTest::newRow("plain text") << "abc\ndef" << 5 << "X" << "abc\ndXef" << 6;
    QTest::newRow("after a character outside the BMP") << "a😀b" << 3 << "é" << "a😀éb" << 4;
    QTest::newRow("after multi-byte characters and CR LF") << "éé\r\nxyz" << 4 << "€" << "éé\r\n€xyz" << 5;
    QTest::newRow("backspace takes a whole surrogate pair") << "x😀y" << 3 << "\b" << "xy" << 1;
    QTest::newRow("backspace takes CR LF together") << "ab\r\ncd" << 4 << "\b" << "abcd" << 2;
    QTest::newRow("typing at the end") << "中文" << 2 << "z!" << "中文z!" << 4;
    QTest::newRow("second line after wide characters") << "😀😀\n😀" << 5 << "q" << "😀😀\nq😀" << 6;
    QTest::newRow("empty text") << "" << 0 << "ab\b" << "a" << 1;
}

void TestEditAccessibility::readerSeesTextAndCaret()
{
    QFETCH(QString, initial);
    QFETCH(int, caret);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);

    EditControl control;
    attachAccessibility(control);
    control.setText(initial);
    typeAt(control, caret, keys);

    QAccessibleTextInterface *text = textOf(control);
    QVERIFY(text);
    QCOMPARE(text->characterCount(), int(expected.size()));
    QCOMPARE(text->text(0, text->characterCount()), expected);
    QCOMPARE(text->cursorPosition(), expectedCaret);
    // A span read from the caret on ends as the whole text does.
    QCOMPARE(text->text(expectedCaret, text->characterCount()), expected.mid(expectedCaret));
}

void TestEditAccessibility::readerReadsUnits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<int>("direction");   // -1 before, 0 at, 1 after the offset
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedStart");
    QTest::addColumn<int>("expectedEnd");

    const int line = QAccessible::LineBoundary;
    QTest::newRow("line with its break") << "ab\r\n😀c\r\nz" << 4 << line << 0 << "😀c\r\n" << 4 << 9;
    QTest::newRow("last line") << "ab\r\n😀c\r\nz" << 10 << line << 0 << "z" << 9 << 10;
    QTest::newRow("line before") << "ab\ncd\nef" << 4 << line << -1 << "ab\n" << 0 << 3;
    QTest::newRow("line after") << "ab\ncd\nef" << 1 << line << 1 << "cd\n" << 3 << 6;
    QTest::newRow("no line before the first") << "ab\ncd" << 1 << line << -1 << "" << -1 << -1;
    QTest::newRow("character outside the BMP") << "a😀b" << 1 << int(QAccessible::CharBoundary) << 0 << "😀" << 1 << 3;
    QTest::newRow("character after it") << "a😀b" << 1 << int(QAccessible::CharBoundary) << 1 << "b" << 3 << 4;
    QTest::newRow("word") << "say héllo world" << 5 << int(QAccessible::WordBoundary) << 0 << "héllo" << 4 << 9;
}

void TestEditAccessibility::readerReadsUnits()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, boundary);
    QFETCH(int, direction);
    QFETCH(QString, expected);
    QFETCH(int, expectedStart);
    QFETCH(int, expectedEnd);

    EditControl control;
    attachAccessibility(control);
    control.setText(text);
    QAccessibleTextInterface *reader = textOf(control);
    QVERIFY(reader);
    const auto type = QAccessible::TextBoundaryType(boundary);
    int start = -2;
    int end = -2;
    const QString unit = direction < 0 ? reader->textBeforeOffset(offset, type, &start, &end)
        : direction > 0               ? reader->textAfterOffset(offset, type, &start, &end)
                                      : reader->textAtOffset(offset, type, &start, &end);
    QCOMPARE(unit, expected);
    QCOMPARE(start, expectedStart);
    QCOMPARE(end, expectedEnd);
}

void TestEditAccessibility::readerHearsEdits_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("selectFrom");
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");

    QTest::newRow("typed after a wide character") << "a😀b" << 3 << 3 << "x" << "insert 3 x|caret 4 ";
    QTest::newRow("backspace over it") << "a😀b" << 3 << 3 << "\b" << "remove 1 😀|caret 1 ";
    QTest::newRow("typing over a selection") << "a😀b" << 1 << 3 << "Z" << "remove 1 😀|insert 1 Z|caret 2 ";
    QTest::newRow("on a later line") << "é\r\n€\r\n" << 4 << 4 << "ü" << "insert 4 ü|caret 5 ";
}

void TestEditAccessibility::readerHearsEdits()
{
    QFETCH(QString, initial);
    QFETCH(int, selectFrom);
    QFETCH(int, selectTo);
    QFETCH(QString, keys);
    QFETCH(QString, expected);

    EditControl control;
    attachAccessibility(control);
    control.setText(initial);
    AccessibleEditEvents::setReader({[] { return true; }, recordEvent});
    textOf(control)->setSelection(0, selectFrom, selectTo);
    QCoreApplication::processEvents();
    heard.clear();
    type(control, keys);
    QCOMPARE(describe(heard), expected);
}

void TestEditAccessibility::editsAreReported_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("expectedFrom");
    QTest::addColumn<int>("expectedTo");
    QTest::addColumn<int>("expectedLines");   // 0 when the count must not be reported

    QTest::newRow("insertion with a line break") << "abcd" << "insert 2 x\ny" << 2 << 5 << 2;
    QTest::newRow("deletion joining lines") << "a\nb\nc" << "delete 1 3" << 1 << 1 << 2;
    QTest::newRow("insertion then a later deletion") << "abcdef" << "insert 0 xy;delete 5 6" << 0 << 5 << 0;
    QTest::newRow("deletion then an earlier insertion") << "abcdef" << "delete 4 6;insert 1 é" << 1 << 6 << 0;
    QTest::newRow("replace all in one step") << "aa-aa-aa" << "replace aa b" << 0 << 5 << 0;
    QTest::newRow("undo of an insertion") << "abc" << "insert 1 \n\n;undo" << 1 << 1 << 1;
}

void TestEditAccessibility::editsAreReported()
{
    QFETCH(QString, initial);
    QFETCH(QString, operation);
    QFETCH(int, expectedFrom);
    QFETCH(int, expectedTo);
    QFETCH(int, expectedLines);

    EditControl control;
    attachAccessibility(control);
    control.setText(initial);
    QCoreApplication::processEvents();
    QSignalSpy edited(&control, &EditControl::textEdited);
    QSignalSpy lines(&control, &EditControl::lineCountChanged);
    // Raw Scintilla calls, as any code may make them; the control reports them all together.
    for (const QString &step : operation.split(QLatin1Char(';'))) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words[0] == QLatin1String("insert")) {
            const QByteArray text = step.section(QLatin1Char(' '), 2).toUtf8();
            control.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, words[1].toULong(), text.constData());
        } else if (words[0] == QLatin1String("delete")) {
            control.SendScintilla(QsciScintillaBase::SCI_DELETERANGE, words[1].toULong(), words[2].toLong() - words[1].toLong());
        } else if (words[0] == QLatin1String("replace")) {
            // The control's own edits are reported before they return.
            control.replaceRanges({{0, 2}, {3, 5}, {6, 8}}, words[2]);
            QCOMPARE(control.textBytes(0, control.textLength()), QByteArray("b-b-b"));
        } else if (words[0] == QLatin1String("undo")) {
            QCoreApplication::processEvents();
            edited.clear();
            lines.clear();
            control.SendScintilla(QsciScintillaBase::SCI_UNDO);
        }
    }
    if (!operation.startsWith(QLatin1String("replace"))) {
        QCOMPARE(edited.count(), 0);   // not before the loop turns: the text may still be changing
        QCoreApplication::processEvents();
    }
    QCOMPARE(edited.count(), 1);
    QCOMPARE(edited.first().at(0).toInt(), expectedFrom);
    QCOMPARE(edited.first().at(1).toInt(), expectedTo);
    QCOMPARE(lines.count(), expectedLines ? 1 : 0);
    if (expectedLines)
        QCOMPARE(lines.first().at(0).toInt(), expectedLines);
}

void TestEditAccessibility::typingReportsAtOnce()
{
    EditControl control;
    control.setText(QStringLiteral("one"));
    QCoreApplication::processEvents();
    QSignalSpy edited(&control, &EditControl::textEdited);
    QSignalSpy lines(&control, &EditControl::lineCountChanged);
    control.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    // A keystroke is reported before the keystroke returns, not a turn of the loop later.
    QTest::keyClick(&control, Qt::Key_Return);
    QCOMPARE(edited.count(), 1);
    QCOMPARE(lines.count(), 1);
    QCOMPARE(lines.first().at(0).toInt(), 2);
}

void TestEditAccessibility::lineNumberMarginFollowsTyping()
{
    EditControl control;
    (new LineNumberMargin(control))->setActive(true);
    control.setText(QString(98, QLatin1Char('\n')));
    QCoreApplication::processEvents();
    const int twoDigits = control.marginWidth(0);
    control.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    QTest::keyClick(&control, Qt::Key_Return);
    QVERIFY2(control.marginWidth(0) > twoDigits, "the hundredth line needs a wider margin");
    QTest::keyClick(&control, Qt::Key_Backspace);
    QCOMPARE(control.marginWidth(0), twoDigits);
}

QTEST_MAIN(TestEditAccessibility)
#include "test_edit_accessibility.moc"
