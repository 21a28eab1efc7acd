// Tests of Finder and of the find, replace and go-to-line dialogs that drive it.
#include <QAccessible>
#include <QtTest>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "edit_commands.h"
#include "edit_control.h"
#include "find_dialogs.h"
#include "scripted_dialogs.h"

class TestFinder : public QObject
{
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void findWalksThroughMatches();
    void findPreviousGoesAgainstDirection();
    void emptySearchFindsNothing();
    void replace_data();
    void replace();
    void replaceAll_data();
    void replaceAll();
    void replaceAllIsOneUndoStep();
    void replaceAllLeavesReadOnlyTextAlone();
    void findDialogSearchesAndReports();
    void findNextMatchOpensDialogWithoutSearchText();
    void replaceDialogReportsCount();
    void goToLineDialog();
    void dialogControlsAreNamed_data();
    void dialogControlsAreNamed();
    void plainTextTarget_data();
    void plainTextTarget();
};

namespace {

FindOptions makeOptions(bool matchCase, bool wholeWord, bool wrapAround, bool forward)
{
    FindOptions options;
    options.matchCase = matchCase;
    options.wholeWord = wholeWord;
    options.wrapAround = wrapAround;
    options.forward = forward;
    return options;
}

// A search target over a plain string, positions in characters: Finder needs no text area.
class PlainTextTarget : public SearchTarget
{
public:
    QString text;
    int start = 0;
    int end = 0;

    int textLength() const override { return int(text.size()); }
    int selectionStartPosition() const override { return start; }
    int selectionEndPosition() const override { return end; }
    bool isReadOnly() const override { return false; }
    int findInRange(const QString &needle, int from, int to, const FindOptions &options, int *length) const override
    {
        const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        const bool backwards = to < from;
        for (qsizetype at = backwards ? text.lastIndexOf(needle, from - needle.size(), cs) : text.indexOf(needle, from, cs);
             at >= 0; at = backwards ? text.lastIndexOf(needle, at - 1, cs) : text.indexOf(needle, at + 1, cs)) {
            if (backwards ? at < to : at + needle.size() > to)
                break;
            *length = int(needle.size());
            return int(at);
        }
        return -1;
    }
    void selectRange(int from, int to) override { start = from; end = to; }
    int replaceRange(int from, int to, const QString &with) override
    {
        text.replace(from, to - from, with);
        return from + int(with.size());
    }
    void replaceRanges(const QVector<QPair<int, int>> &ranges, const QString &with) override
    {
        for (auto range = ranges.crbegin(); range != ranges.crend(); ++range)
            text.replace(range->first, range->second - range->first, with);
    }
};

int selectionStart(const EditControl &control)
{
    return control.hasSelectedText() ? control.selectionStartPosition() : -1;
}

} // namespace

void TestFinder::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("wrapAround");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("found");   // start of the selected match, -1 for none

    const QString text = QStringLiteral("Mes message; mes \"hi\"; close;");
    QTest::newRow("ignoring case") << text << "mes" << false << false << true << true << 0 << 0;
    QTest::newRow("matching case") << text << "mes" << true << false << true << true << 0 << 4;
    QTest::newRow("whole word") << text << "mes" << true << true << true << true << 0 << 13;
    QTest::newRow("whole word, any case") << text << "MES" << false << true << true << true << 1 << 13;
    QTest::newRow("from the caret") << text << "mes" << false << false << true << true << 5 << 13;
    QTest::newRow("no wrap at the end") << text << "mes" << false << false << false << true << 20 << -1;
    QTest::newRow("wrap at the end") << text << "mes" << false << false << true << true << 20 << 0;
    QTest::newRow("backwards") << text << "mes" << false << false << true << false << 20 << 13;
    QTest::newRow("backwards, no wrap") << text << "close" << false << false << false << false << 10 << -1;
    QTest::newRow("backwards, wrap") << text << "close" << false << false << true << false << 10 << 23;
    QTest::newRow("not there") << text << "warp" << false << false << true << true << 0 << -1;
    QTest::newRow("quotes") << text << "\"hi\"" << true << false << true << true << 0 << 17;
    QTest::newRow("non-ASCII") << QString::fromUtf8("caf\xC3\xA9 CAF\xC3\x89") << QString::fromUtf8("F\xC3\x89")
                               << true << false << true << true << 0 << 8;
}

void TestFinder::find()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(bool, wrapAround);
    QFETCH(bool, forward);
    QFETCH(int, caret);
    QFETCH(int, found);

    EditControl control;
    control.setText(text);
    control.selectRange(caret, caret);
    Finder finder(control);
    finder.setSearchText(search);
    finder.setOptions(makeOptions(matchCase, wholeWord, wrapAround, forward));

    QCOMPARE(finder.findNext(), found >= 0);
    QCOMPARE(selectionStart(control), found);
    if (found >= 0)
        QCOMPARE(control.selectedText().toLower(), search.toLower());
    else
        QCOMPARE(control.selectionEndPosition(), caret);
}

void TestFinder::findWalksThroughMatches()
{
    EditControl control;
    control.setText(QStringLiteral("a b a b a"));
    Finder finder(control);
    finder.setSearchText(QStringLiteral("a"));
    QList<int> starts;
    for (int i = 0; i < 4; ++i) {
        QVERIFY(finder.findNext());
        starts.append(control.selectionStartPosition());
    }
    QCOMPARE(starts, (QList<int>{0, 4, 8, 0}));
}

void TestFinder::findPreviousGoesAgainstDirection()
{
    EditControl control;
    control.setText(QStringLiteral("x1 x2 x3"));
    Finder finder(control);
    finder.setSearchText(QStringLiteral("x"));
    control.selectRange(4, 4);
    QVERIFY(finder.findPrevious());
    QCOMPARE(control.selectionStartPosition(), 3);
    QVERIFY(finder.findPrevious());
    QCOMPARE(control.selectionStartPosition(), 0);
    QVERIFY(finder.findPrevious());
    QCOMPARE(control.selectionStartPosition(), 6);

    FindOptions up = finder.options();
    up.forward = false;
    finder.setOptions(up);
    QVERIFY(finder.findNext());
    QCOMPARE(control.selectionStartPosition(), 3);
    QVERIFY(finder.findPrevious());
    QCOMPARE(control.selectionStartPosition(), 6);
}

void TestFinder::emptySearchFindsNothing()
{
    EditControl control;
    control.setText(QStringLiteral("abc"));
    Finder finder(control);
    QVERIFY(!finder.findNext());
    QVERIFY(!finder.findPrevious());
    QVERIFY(!finder.replace());
    QCOMPARE(finder.replaceAll(), 0);
    QCOMPARE(control.text(), QStringLiteral("abc"));
}

void TestFinder::replace_data()
{
    QTest::addColumn<int>("selectFrom");
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("selected");   // start of the match selected afterwards, -1 for none
    // Text: "cat dog cat", replacing "cat" with "cow".
    QTest::newRow("selection is a match") << 0 << 3 << "cow dog cat" << 8;
    QTest::newRow("selection is not a match") << 4 << 7 << "cat dog cat" << 8;
    QTest::newRow("caret only") << 1 << 1 << "cat dog cat" << 8;
    QTest::newRow("last match") << 8 << 11 << "cat dog cow" << 0;
}

void TestFinder::replace()
{
    QFETCH(int, selectFrom);
    QFETCH(int, selectTo);
    QFETCH(QString, after);
    QFETCH(int, selected);

    EditControl control;
    control.setText(QStringLiteral("cat dog cat"));
    control.selectRange(selectFrom, selectTo);
    Finder finder(control);
    finder.setSearchText(QStringLiteral("cat"));
    finder.setReplaceText(QStringLiteral("cow"));
    QVERIFY(finder.replace());
    QCOMPARE(control.text(), after);
    QCOMPARE(selectionStart(control), selected);
}

void TestFinder::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("regularExpression");
    QTest::addColumn<int>("selectFrom");     // -1: the whole text, else Replace All in the selection
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("after");

    QTest::newRow("plain") << "mes a; mes b;" << "mes" << "say" << false << false << false << -1 << -1 << 2 << "say a; say b;";
    QTest::newRow("case") << "Mes mes MES" << "mes" << "x" << true << false << false << -1 << -1 << 1 << "Mes x MES";
    QTest::newRow("any case") << "Mes mes MES" << "mes" << "x" << false << false << false << -1 << -1 << 3 << "x x x";
    QTest::newRow("whole word") << "mes message mes" << "mes" << "x" << false << true << false << -1 << -1 << 2 << "x message x";
    QTest::newRow("replacement holds the search text") << "a b a" << "a" << "aa" << false << false << false << -1 << -1 << 2
                                                       << "aa b aa";
    QTest::newRow("replacement is the search text") << "aaa" << "a" << "a" << false << false << false << -1 << -1 << 3 << "aaa";
    QTest::newRow("removing") << "a,b,,c" << "," << "" << false << false << false << -1 << -1 << 3 << "abc";
    QTest::newRow("nothing found") << "abc" << "z" << "y" << false << false << false << -1 << -1 << 0 << "abc";
    QTest::newRow("line breaks") << "a\r\nb\r\n" << "\r\n" << ";" << false << false << false << -1 << -1 << 2 << "a;b;";
    QTest::newRow("groups") << "getitem 501,1; getitem 7539,20;" << "getitem (\\d+),(\\d+)" << "getitem(\\1, \\2)"
                            << true << false << true << -1 << -1 << 2 << "getitem(501, 1); getitem(7539, 20);";
    QTest::newRow("whole match and escapes") << "a1b22" << "\\d+" << "<\\0>\\t" << true << false << true << -1 << -1 << 2
                                             << "a<1>\tb<22>\t";
    QTest::newRow("other backslashes kept") << "ab" << "b" << "\\\\x\\q" << true << false << true << -1 << -1 << 1 << "a\\x\\q";
    QTest::newRow("plain text is not an expression") << "a.c abc" << "a.c" << "x" << true << false << false << -1 << -1 << 1
                                                     << "x abc";
    QTest::newRow("non-ASCII group") << "mes \"Élève\";" << "\"(.+)\"" << "'\\1'" << true << false << true << -1 << -1 << 1
                                     << "mes 'Élève';";
    QTest::newRow("invalid expression") << "(a)" << "(" << "x" << true << false << true << -1 << -1 << 0 << "(a)";
    QTest::newRow("in the selection") << "mes a; mes b; mes c;" << "mes" << "say" << true << false << false << 7 << 13 << 1
                                      << "mes a; say b; mes c;";
    QTest::newRow("expression in the selection") << "x1 x2 x3" << "x(\\d)" << "y\\1" << true << false << true << 3 << 8 << 2
                                                 << "x1 y2 y3";
    QTest::newRow("match across the selection's end") << "abcabc" << "bca" << "-" << true << false << false << 0 << 3 << 0
                                                      << "abcabc";
}

void TestFinder::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(bool, regularExpression);
    QFETCH(int, selectFrom);
    QFETCH(int, selectTo);
    QFETCH(int, count);
    QFETCH(QString, after);

    EditControl control;
    control.setText(text);
    if (selectFrom >= 0)
        control.selectRange(selectFrom, selectTo);
    else
        control.selectRange(control.textLength(), control.textLength());
    Finder finder(control);
    finder.setSearchText(search);
    finder.setReplaceText(replacement);
    // Neither the caret nor the wrap switch limits replacing all; only "in selection" does.
    FindOptions options = makeOptions(matchCase, wholeWord, false, true);
    options.regularExpression = regularExpression;
    options.inSelection = selectFrom >= 0;
    finder.setOptions(options);
    QCOMPARE(finder.replaceAll(), count);
    QCOMPARE(control.text(), after);
}

void TestFinder::replaceAllIsOneUndoStep()
{
    EditControl control;
    control.setText(QStringLiteral("one"));
    control.clearUndoHistory();
    control.replaceSelectedText(QStringLiteral(" x x x"));
    Finder finder(control);
    finder.setSearchText(QStringLiteral("x"));
    finder.setReplaceText(QStringLiteral("yy"));
    QCOMPARE(finder.replaceAll(), 3);
    QCOMPARE(control.text(), QStringLiteral(" yy yy yyone"));
    control.undo();
    QCOMPARE(control.text(), QStringLiteral(" x x xone"));
    QVERIFY(control.canUndo());
    control.undo();
    QCOMPARE(control.text(), QStringLiteral("one"));
}

void TestFinder::replaceAllLeavesReadOnlyTextAlone()
{
    EditControl control;
    control.setText(QStringLiteral("a a"));
    control.setReadOnly(true);
    Finder finder(control);
    finder.setSearchText(QStringLiteral("a"));
    finder.setReplaceText(QStringLiteral("b"));
    QCOMPARE(finder.replaceAll(), 0);
    QCOMPARE(control.text(), QStringLiteral("a a"));
}

void TestFinder::findDialogSearchesAndReports()
{
    EditControl control;
    ScriptedDialogs dialogs;
    EditCommands commands(control, dialogs, &control);
    control.setText(QStringLiteral("mes \"a\";\nmes \"b\";\nclose;"));
    commands.showFind();
    auto *dialog = control.findChild<SearchDialog *>(QStringLiteral("wFind"));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());

    auto *text = dialog->findChild<QLineEdit *>(QStringLiteral("txtFind"));
    auto *findNext = dialog->findChild<QPushButton *>(QStringLiteral("cmdFindNext"));
    auto *wrap = dialog->findChild<QCheckBox *>(QStringLiteral("chkWrapAround"));
    QVERIFY(text && findNext && wrap);
    QVERIFY(!findNext->isEnabled());
    QTest::keyClicks(text, QStringLiteral("mes"));
    QVERIFY(findNext->isEnabled());
    wrap->setChecked(false);

    QTest::mouseClick(findNext, Qt::LeftButton);
    QCOMPARE(control.selectionStartPosition(), 0);
    QCOMPARE(dialog->statusText(), QString());
    QTest::mouseClick(findNext, Qt::LeftButton);
    QCOMPARE(control.selectionStartPosition(), 9);
    QTest::mouseClick(findNext, Qt::LeftButton);
    QCOMPARE(control.selectionStartPosition(), 9);
    QCOMPARE(dialog->statusText(), QStringLiteral("\"mes\" was not found."));

    // F3 and Ctrl+F3 repeat the dialog's search.
    control.selectRange(0, 0);
    commands.repeatFindForward();
    QCOMPARE(control.selectionStartPosition(), 0);
    control.selectRange(control.textLength(), control.textLength());
    commands.repeatFindBackward();
    QCOMPARE(control.selectionStartPosition(), 9);

    // Opening again offers the selected word.
    dialog->close();
    control.selectRange(18, 23);
    commands.showFind();
    QCOMPARE(text->text(), QStringLiteral("close"));
    QCOMPARE(control.findChildren<SearchDialog *>(QStringLiteral("wFind")).size(), 1);
}

void TestFinder::findNextMatchOpensDialogWithoutSearchText()
{
    EditControl control;
    ScriptedDialogs dialogs;
    EditCommands commands(control, dialogs, &control);
    control.setText(QStringLiteral("abc"));
    QVERIFY(!control.findChild<SearchDialog *>(QStringLiteral("wFind")));
    commands.repeatFindForward();
    auto *dialog = control.findChild<SearchDialog *>(QStringLiteral("wFind"));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!control.hasSelectedText());
}

void TestFinder::replaceDialogReportsCount()
{
    EditControl control;
    ScriptedDialogs dialogs;
    EditCommands commands(control, dialogs, &control);
    control.setText(QStringLiteral("mes mes mes"));
    commands.showReplace();
    auto *dialog = control.findChild<SearchDialog *>(QStringLiteral("wReplace"));
    QVERIFY(dialog);
    dialog->findChild<QLineEdit *>(QStringLiteral("txtFind"))->setText(QStringLiteral("mes"));
    dialog->findChild<QLineEdit *>(QStringLiteral("txtReplace"))->setText(QStringLiteral("say"));

    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdReplace")), Qt::LeftButton);
    QCOMPARE(control.selectionStartPosition(), 0);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdReplace")), Qt::LeftButton);
    QCOMPARE(control.text(), QStringLiteral("say mes mes"));
    QCOMPARE(control.selectionStartPosition(), 4);

    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdReplaceAll")), Qt::LeftButton);
    QCOMPARE(control.text(), QStringLiteral("say say say"));
    QCOMPARE(dialog->statusText(), QStringLiteral("Replaced 2 occurrences."));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdReplaceAll")), Qt::LeftButton);
    QCOMPARE(dialog->statusText(), QStringLiteral("\"mes\" was not found."));

    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

void TestFinder::goToLineDialog()
{
    EditControl control;
    ScriptedDialogs dialogs;
    EditCommands commands(control, dialogs, &control);
    control.setText(QStringLiteral("1\n2\n3\n4\n5"));
    commands.showGoToLine();
    auto *dialog = control.findChild<QDialog *>(QStringLiteral("wGoToLine"));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    auto *line = dialog->findChild<QSpinBox *>(QStringLiteral("txtLine"));
    QVERIFY(line);
    QCOMPARE(line->minimum(), 1);
    QCOMPARE(line->maximum(), 5);
    QCOMPARE(line->value(), 1);
    line->setValue(99);
    QCOMPARE(line->value(), 5);

    line->setValue(3);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    int caretLine = -1, column = -1;
    control.getCursorPosition(&caretLine, &column);
    QCOMPARE(caretLine, 2);

    commands.showGoToLine();
    QCOMPARE(line->value(), 3);
    line->setValue(1);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    control.getCursorPosition(&caretLine, &column);
    QCOMPARE(caretLine, 2);
}

void TestFinder::dialogControlsAreNamed_data()
{
    QTest::addColumn<QString>("dialogName");
    QTest::newRow("find") << "wFind";
    QTest::newRow("replace") << "wReplace";
    QTest::newRow("go to line") << "wGoToLine";
}

void TestFinder::dialogControlsAreNamed()
{
    QFETCH(QString, dialogName);
    EditControl control;
    ScriptedDialogs dialogs;
    EditCommands commands(control, dialogs, &control);
    commands.showFind();
    commands.showReplace();
    commands.showGoToLine();
    auto *dialog = control.findChild<QDialog *>(dialogName);
    QVERIFY(dialog);
    QVERIFY(!dialog->windowTitle().isEmpty());

    const QList<QWidget *> widgets = dialog->findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *widget : widgets) {
        const bool ours = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QSpinBox *>(widget)
            || qobject_cast<QLabel *>(widget) || qobject_cast<QGroupBox *>(widget)
            || (qobject_cast<QLineEdit *>(widget) && !qobject_cast<QSpinBox *>(widget->parentWidget()));
        if (!ours)
            continue;
        ++checked;
        QVERIFY2(!widget->objectName().isEmpty(), widget->metaObject()->className());
        // A label is heard by its text (the status line may be empty); the rest by a name.
        const QString heard = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(heard, label->text().remove(QLatin1Char('&')));
        else
            QVERIFY2(!heard.isEmpty(), qPrintable(widget->objectName()));
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            QCOMPARE(button->accessibleName(), button->text().remove(QLatin1Char('&')));
            QVERIFY(button->focusPolicy() & Qt::TabFocus);
        }
    }
    QVERIFY(checked >= 4);
}

void TestFinder::plainTextTarget_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("text");       // after the command
    QTest::addColumn<int>("selectionStart"); // after the command
    QTest::addColumn<int>("selectionEnd");

    const QString before = QStringLiteral("warp; Warp; warp;");
    QTest::newRow("next from the caret") << "next" << true << 1 << before << 6 << 10;
    QTest::newRow("next wraps") << "next" << true << 13 << before << 0 << 4;
    QTest::newRow("previous searches back") << "previous" << true << 13 << before << 6 << 10;
    QTest::newRow("backward direction") << "next" << false << 5 << before << 0 << 4;
    QTest::newRow("replace selects the next match") << "replace" << true << 0 << before << 0 << 4;
    QTest::newRow("replace all, replacement holds the text")
        << "all" << true << 0 << QStringLiteral("warp warp; warp warp; warp warp;") << 0 << 0;
}

void TestFinder::plainTextTarget()
{
    QFETCH(QString, command);
    QFETCH(bool, forward);
    QFETCH(int, caret);
    QFETCH(QString, text);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionEnd);

    PlainTextTarget target;
    target.text = QStringLiteral("warp; Warp; warp;");
    target.start = target.end = caret;
    Finder finder(target);
    finder.setSearchText(QStringLiteral("warp"));
    finder.setReplaceText(QStringLiteral("warp warp"));
    FindOptions options;
    options.forward = forward;
    finder.setOptions(options);

    if (command == QLatin1String("next"))
        QVERIFY(finder.findNext());
    else if (command == QLatin1String("previous"))
        QVERIFY(finder.findPrevious());
    else if (command == QLatin1String("replace"))
        QVERIFY(finder.replace());
    else
        QCOMPARE(finder.replaceAll(), 3);
    QCOMPARE(target.text, text);
    QCOMPARE(target.start, selectionStart);
    QCOMPARE(target.end, selectionEnd);
}

QTEST_MAIN(TestFinder)
#include "test_finder.moc"
