// Tests of MsgBoxEx: its rules and the wMsgBoxEx form driven with real clicks and keys.
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "msgbox_ex.h"
#include "scripted_dialogs.h"
#include "version.h"

namespace {

MsgBoxExContext sampleContext()
{
    MsgBoxExContext context;
    context.major = 0;
    context.minor = 10;
    context.revision = 26;
    context.path = QStringLiteral("/opt/quill");
    context.title = QStringLiteral("Quillmere");
    context.exe = QStringLiteral("Quillmere");
    return context;
}

MsgBoxExRequest request(MsgBoxButtons buttons, const QString &text = QStringLiteral("Text"))
{
    MsgBoxExRequest r;
    r.text = text;
    r.buttons = buttons;
    r.title = QStringLiteral("Question..");
    return r;
}

QString separators(int count)
{
    QStringList lines;
    for (int i = 0; i <= count; ++i)
        lines.append(QStringLiteral("line %1").arg(i));
    return lines.join(QLatin1Char('|'));
}

// A point inside the text box's viewport at the given character position.
QPoint pointAt(QPlainTextEdit *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    const QRect rect = box->cursorRect(cursor);
    return QPoint(rect.left(), rect.center().y());
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &point, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, point, target->mapToGlobal(point), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestMsgBoxEx : public QObject
{
    Q_OBJECT

private slots:
    void buttonsAnswer_data();
    void buttonsAnswer();
    void textBoxChoice_data();
    void textBoxChoice();
    void expandText_data();
    void expandText();
    void runningProgramContext();
    void autoClose_data();
    void autoClose();
    void timerClosesWithoutAnswer();
    void buttonStopsTimer();
    void keyboardAlone_data();
    void keyboardAlone();
    void closeWithoutButton_data();
    void closeWithoutButton();
    void position_data();
    void position();
    void positionApplied_data();
    void positionApplied();
    void alwaysOnTop_data();
    void alwaysOnTop();
    void icons_data();
    void icons();
    void selectionGoesToClipboard_data();
    void selectionGoesToClipboard();
    void clickWithoutSelectionLeavesClipboard();
    void msgBoxExAsksSeam();
};

void TestMsgBoxEx::buttonsAnswer_data()
{
    QTest::addColumn<MsgBoxButtons>("buttons");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<MsgBoxAnswer>("answer");

    using B = MsgBoxButtons;
    using A = MsgBoxAnswer;
    QTest::newRow("0 okay") << B::Okay << "fraContainer3" << "cmdOkayOnly" << "Okay" << A::Okay;
    QTest::newRow("1 okay") << B::OkayCancel << "fraContainer0" << "Command1" << "Okay" << A::Okay;
    QTest::newRow("1 cancel") << B::OkayCancel << "fraContainer0" << "Command2" << "Cancel" << A::Cancel;
    QTest::newRow("2 retry") << B::RetryCancel << "fraContainer2" << "Command4" << "Retry" << A::Retry;
    QTest::newRow("2 cancel") << B::RetryCancel << "fraContainer2" << "Command3" << "Cancel" << A::Cancel;
    QTest::newRow("3 yes") << B::YesNo << "fraContainer1" << "cmdYes" << "Yes" << A::Yes;
    QTest::newRow("3 no") << B::YesNo << "fraContainer1" << "cmdNo" << "No" << A::No;
    QTest::newRow("4 as 1, okay") << B(4) << "fraContainer0" << "Command1" << "Okay" << A::Okay;
    QTest::newRow("-1 as 1, cancel") << B(-1) << "fraContainer0" << "Command2" << "Cancel" << A::Cancel;
}

void TestMsgBoxEx::buttonsAnswer()
{
    QFETCH(MsgBoxButtons, buttons);
    QFETCH(QString, frame);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(MsgBoxAnswer, answer);

    MsgBoxExDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("wMsgBoxEx"));
    dialog.prepare(request(buttons), sampleContext());
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Question.."));

    for (int f = 0; f < 4; ++f) {
        const QString name = QStringLiteral("fraContainer%1").arg(f);
        auto *container = dialog.findChild<QFrame *>(name);
        QVERIFY2(container, qPrintable(name));
        QCOMPARE(container->isVisible(), name == frame);
    }
    QCOMPARE(MsgBoxExRules::frameForButtons(buttons), frame.right(1).toInt());

    auto *pushButton = dialog.findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    QVERIFY(pushButton->isVisible());
    QCOMPARE(pushButton->text(), caption);
    QCOMPARE(pushButton->accessibleName(), caption);
    QVERIFY(pushButton->focusPolicy() & Qt::TabFocus);

    QTest::mouseClick(pushButton, Qt::LeftButton);
    QCOMPARE(dialog.answer(), answer);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.size(), QSize(387, 158));
}

void TestMsgBoxEx::textBoxChoice_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("scrolling");

    QTest::newRow("7 separators") << separators(7) << false << false;
    QTest::newRow("8 separators") << separators(8) << false << true;
    QTest::newRow("one line, forced") << "one line" << true << true;
    QTest::newRow("7 separators, forced") << separators(7) << true << true;
    QTest::newRow("8 separators, forced") << separators(8) << true << true;
    QTest::newRow("empty") << "" << false << false;
}

void TestMsgBoxEx::textBoxChoice()
{
    QFETCH(QString, text);
    QFETCH(bool, force);
    QFETCH(bool, scrolling);

    QCOMPARE(MsgBoxExRules::usesScrollingText(text, force), scrolling);

    MsgBoxExDialog dialog;
    MsgBoxExRequest r = request(MsgBoxButtons::OkayCancel, text);
    r.forceScrollingText = force;
    dialog.prepare(r, sampleContext());
    dialog.show();

    QCOMPARE(dialog.usingScrollingText(), scrolling);
    QPlainTextEdit *box = dialog.textBox();
    QCOMPARE(box->objectName(), scrolling ? QStringLiteral("txtText0") : QStringLiteral("txtText1"));
    QVERIFY(box->isVisible());
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->verticalScrollBarPolicy(), scrolling ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    auto *other = dialog.findChild<QPlainTextEdit *>(scrolling ? QStringLiteral("txtText1") : QStringLiteral("txtText0"));
    QVERIFY(other);
    QVERIFY(!other->isVisible());
    QCOMPARE(box->toPlainText(), MsgBoxExRules::expandText(text, sampleContext()));

    // Frame top = form height - 945 twips, text height = form height - 1155 twips.
    QCOMPARE(box->height(), 158 - 77);
    QCOMPARE(dialog.findChild<QFrame *>(QStringLiteral("fraContainer0"))->y(), 158 - 63);
}

void TestMsgBoxEx::expandText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QString>("expected");

    const QString path = QStringLiteral("/opt/quill");
    const QString exe = QStringLiteral("Quillmere");
    QTest::newRow("line breaks") << "a|b||c" << 10 << 26 << path << exe << "a\nb\n\nc";
    QTest::newRow("version") << "v%maj%.%min% build %rev%" << 10 << 26 << path << exe << "v0.10 build 00026";
    QTest::newRow("minor with two digits") << "%min%" << 5 << 26 << path << exe << "05";
    QTest::newRow("long revision kept whole") << "%rev%" << 10 << 123456 << path << exe << "123456";
    QTest::newRow("upper case stays") << "%MAJ% %Rev% %PATH%" << 10 << 26 << path << exe << "%MAJ% %Rev% %PATH%";
    QTest::newRow("paths") << "%path%/%exe% (%title%)" << 10 << 26 << path << exe
                           << "/opt/quill/Quillmere (Quillmere)";
    QTest::newRow("bar inside a value is no break") << "%path%" << 10 << 26 << "/a|b" << exe << "/a|b";
    QTest::newRow("later placeholder inside a value") << "%path%" << 10 << 26 << "/p/%exe%" << exe
                                                      << "/p/Quillmere";
    QTest::newRow("earlier placeholder inside a value") << "%exe%" << 10 << 26 << path << "x%path%"
                                                        << "x%path%";
}

void TestMsgBoxEx::expandText()
{
    QFETCH(QString, text);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, path);
    QFETCH(QString, exe);
    QFETCH(QString, expected);

    MsgBoxExContext context = sampleContext();
    context.minor = minor;
    context.revision = revision;
    context.path = path;
    context.exe = exe;
    QCOMPARE(MsgBoxExRules::expandText(text, context), expected);
}

void TestMsgBoxEx::runningProgramContext()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillmere"));
    const MsgBoxExContext context = MsgBoxExContext::forRunningProgram();
    QCOMPARE(context.major, Version::major);
    QCOMPARE(context.minor, Version::minor);
    QCOMPARE(context.revision, Version::revision);
    QCOMPARE(context.title, QStringLiteral("Quillmere"));
    QCOMPARE(context.path, QCoreApplication::applicationDirPath());
    QCOMPARE(context.exe, QStringLiteral("editor_dialogs_test_msgbox_ex"));
    QCOMPARE(MsgBoxExRules::expandText(QStringLiteral("%maj%.%min%"), context),
             QStringLiteral("%1.%2").arg(Version::major).arg(Version::minor, 2, 10, QLatin1Char('0')));
}

void TestMsgBoxEx::autoClose_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("interval");

    QTest::newRow("100 counts as 64") << 100 << 64000;
    QTest::newRow("64") << 64 << 64000;
    QTest::newRow("1") << 1 << 1000;
    QTest::newRow("0 never") << 0 << 0;
    QTest::newRow("-5 never") << -5 << 0;
}

void TestMsgBoxEx::autoClose()
{
    QFETCH(int, seconds);
    QFETCH(int, interval);

    QCOMPARE(MsgBoxExRules::clampAutoClose(seconds) * 1000, interval);

    MsgBoxExDialog dialog;
    MsgBoxExRequest r = request(MsgBoxButtons::Okay);
    r.autoCloseSeconds = seconds;
    dialog.prepare(r, sampleContext());
    dialog.show();
    QTimer *timer = dialog.autoCloseTimer();
    QCOMPARE(timer->objectName(), QStringLiteral("tmrAutoClose"));
    QCOMPARE(timer->isActive(), interval > 0);
    if (interval > 0) {
        QCOMPARE(timer->interval(), interval);
        QVERIFY(timer->isSingleShot());
    }
    dialog.reject();
    QVERIFY(!timer->isActive());
}

void TestMsgBoxEx::timerClosesWithoutAnswer()
{
    MsgBoxExDialog dialog;
    MsgBoxExRequest r = request(MsgBoxButtons::YesNo);
    r.autoCloseSeconds = 1;
    dialog.prepare(r, sampleContext());
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    dialog.autoCloseTimer()->setInterval(20);
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.answer(), MsgBoxAnswer::None);
}

void TestMsgBoxEx::buttonStopsTimer()
{
    MsgBoxExDialog dialog;
    MsgBoxExRequest r = request(MsgBoxButtons::YesNo);
    r.autoCloseSeconds = 5;
    dialog.prepare(r, sampleContext());
    dialog.show();
    QVERIFY(dialog.autoCloseTimer()->isActive());
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cmdNo")), Qt::LeftButton);
    QVERIFY(!dialog.autoCloseTimer()->isActive());
    QCOMPARE(dialog.answer(), MsgBoxAnswer::No);
}

void TestMsgBoxEx::keyboardAlone_data()
{
    QTest::addColumn<MsgBoxButtons>("buttons");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<MsgBoxAnswer>("answer");

    QTest::newRow("okay, Enter") << MsgBoxButtons::Okay << 0 << MsgBoxAnswer::Okay;
    QTest::newRow("yes/no, Enter") << MsgBoxButtons::YesNo << 0 << MsgBoxAnswer::Yes;
    QTest::newRow("yes/no, Tab, Enter") << MsgBoxButtons::YesNo << 1 << MsgBoxAnswer::No;
    QTest::newRow("retry/cancel, Tab, Enter") << MsgBoxButtons::RetryCancel << 1 << MsgBoxAnswer::Cancel;
    // Past the last button the focus visits the text, then comes back to the first button.
    QTest::newRow("okay/cancel, 3 Tabs, Enter") << MsgBoxButtons::OkayCancel << 3 << MsgBoxAnswer::Okay;
}

void TestMsgBoxEx::keyboardAlone()
{
    QFETCH(MsgBoxButtons, buttons);
    QFETCH(int, tabs);
    QFETCH(MsgBoxAnswer, answer);

    MsgBoxExDialog dialog;
    dialog.prepare(request(buttons), sampleContext());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.answer(), answer);
}

void TestMsgBoxEx::closeWithoutButton_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("escape") << true;
    QTest::newRow("close button") << false;
}

void TestMsgBoxEx::closeWithoutButton()
{
    QFETCH(bool, escape);

    MsgBoxExDialog dialog;
    // A previous answer must not leak into a box closed without a button.
    dialog.prepare(request(MsgBoxButtons::YesNo), sampleContext());
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cmdYes")), Qt::LeftButton);
    QCOMPARE(dialog.answer(), MsgBoxAnswer::Yes);

    dialog.prepare(request(MsgBoxButtons::YesNo), sampleContext());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        QVERIFY(dialog.close());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.answer(), MsgBoxAnswer::None);
}

void TestMsgBoxEx::position_data()
{
    QTest::addColumn<MsgBoxPosition>("where");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QPoint>("expected");

    const QRect full(0, 0, 1920, 1080);
    const QRect offset(100, 50, 800, 600);
    const QSize box(400, 200);
    QTest::newRow("centred") << MsgBoxPosition::Centred << full << box << QPoint(760, 440);
    QTest::newRow("centred, screen not at origin") << MsgBoxPosition::Centred << offset << box << QPoint(300, 250);
    QTest::newRow("top left") << MsgBoxPosition::TopLeft << offset << box << QPoint(100, 50);
    QTest::newRow("top right") << MsgBoxPosition::TopRight << full << box << QPoint(1520, 0);
    QTest::newRow("bottom left") << MsgBoxPosition::BottomLeft << full << box << QPoint(0, 880);
    QTest::newRow("bottom right") << MsgBoxPosition::BottomRight << full << box << QPoint(1520, 880);
    QTest::newRow("bottom right, offset") << MsgBoxPosition::BottomRight << offset << box << QPoint(500, 450);
    QTest::newRow("own") << MsgBoxPosition::Own << full << box << QPoint(11, 22);
    QTest::newRow("previous") << MsgBoxPosition::Previous << full << box << QPoint(33, 44);
}

void TestMsgBoxEx::position()
{
    QFETCH(MsgBoxPosition, where);
    QFETCH(QRect, screen);
    QFETCH(QSize, box);
    QFETCH(QPoint, expected);

    QCOMPARE(MsgBoxExRules::boxTopLeft(where, screen, box, QPoint(11, 22), QPoint(33, 44)), expected);
}

void TestMsgBoxEx::positionApplied_data()
{
    // Where the box's left and top edges go: 0 the screen's near edge, 1 flush with the far
    // edge; -1 the previous position.
    QTest::addColumn<MsgBoxPosition>("where");
    QTest::addColumn<int>("across");
    QTest::addColumn<int>("down");
    QTest::newRow("top left") << MsgBoxPosition::TopLeft << 0 << 0;
    QTest::newRow("top right") << MsgBoxPosition::TopRight << 1 << 0;
    QTest::newRow("bottom left") << MsgBoxPosition::BottomLeft << 0 << 1;
    QTest::newRow("bottom right") << MsgBoxPosition::BottomRight << 1 << 1;
    QTest::newRow("previous") << MsgBoxPosition::Previous << -1 << -1;
}

void TestMsgBoxEx::positionApplied()
{
    QFETCH(MsgBoxPosition, where);
    QFETCH(int, across);
    QFETCH(int, down);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint previous(5, 6);
    MsgBoxExDialog dialog;
    MsgBoxExRequest r = request(MsgBoxButtons::Okay);
    r.position = where;
    dialog.prepare(r, sampleContext(), previous);

    // The box is 387 by 158 pixels.
    const QPoint expected = across < 0 ? previous
                                       : QPoint(screen.left() + across * (screen.width() - 387),
                                                screen.top() + down * (screen.height() - 158));
    QCOMPARE(dialog.boxPosition(), expected);
    QCOMPARE(dialog.pos(), expected);
    if (where == MsgBoxPosition::BottomRight)
        QCOMPARE(dialog.geometry().bottomRight(), screen.bottomRight());
}

void TestMsgBoxEx::alwaysOnTop_data()
{
    QTest::addColumn<bool>("onTop");
    QTest::newRow("on top") << true;
    QTest::newRow("not on top") << false;
}

void TestMsgBoxEx::alwaysOnTop()
{
    QFETCH(bool, onTop);

    MsgBoxExDialog dialog;
    MsgBoxExRequest r = request(MsgBoxButtons::Okay);
    r.alwaysOnTop = onTop;
    dialog.prepare(r, sampleContext());
    QCOMPARE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
}

void TestMsgBoxEx::icons_data()
{
    QTest::addColumn<MsgBoxIcon>("icon");
    QTest::addColumn<int>("standard");

    QTest::newRow("0 information") << MsgBoxIcon::Information << int(QStyle::SP_MessageBoxInformation);
    QTest::newRow("1 question") << MsgBoxIcon::Question << int(QStyle::SP_MessageBoxQuestion);
    QTest::newRow("2 warning") << MsgBoxIcon::Warning << int(QStyle::SP_MessageBoxWarning);
    QTest::newRow("3 error") << MsgBoxIcon::Error << int(QStyle::SP_MessageBoxCritical);
    QTest::newRow("7 clamped") << MsgBoxIcon(7) << int(QStyle::SP_MessageBoxCritical);
    QTest::newRow("-2 clamped") << MsgBoxIcon(-2) << int(QStyle::SP_MessageBoxInformation);
}

void TestMsgBoxEx::icons()
{
    QFETCH(MsgBoxIcon, icon);
    QFETCH(int, standard);

    MsgBoxExDialog dialog;
    MsgBoxExRequest r = request(MsgBoxButtons::Okay);
    r.icon = icon;
    dialog.prepare(r, sampleContext());
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("imgIcon"));
    QVERIFY(label);
    const QPixmap shown = label->pixmap();
    QVERIFY(!shown.isNull());
    const QPixmap wanted = dialog.style()
                               ->standardIcon(QStyle::StandardPixmap(standard), nullptr, &dialog)
                               .pixmap(32, 32);
    QCOMPARE(shown.toImage(), wanted.toImage());
}

void TestMsgBoxEx::selectionGoesToClipboard_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first word") << 0 << 5 << "Hello";
    QTest::newRow("across a line break") << 6 << 15 << "world\nsec";
}

void TestMsgBoxEx::selectionGoesToClipboard()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, expected);

    MsgBoxExDialog dialog;
    dialog.prepare(request(MsgBoxButtons::Okay, QStringLiteral("Hello world|second line")), sampleContext());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    QPlainTextEdit *box = dialog.textBox();
    QWidget *viewport = box->viewport();
    const QPoint start = pointAt(box, from);
    const QPoint end = pointAt(box, to);
    sendMouse(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, end, Qt::LeftButton);
    QCOMPARE(box->textCursor().selectedText(), QString(expected).replace(QLatin1Char('\n'), QChar(0x2029)));
    sendMouse(viewport, QEvent::MouseButtonRelease, end, Qt::NoButton);

    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    QVERIFY(!box->textCursor().hasSelection());
}

void TestMsgBoxEx::clickWithoutSelectionLeavesClipboard()
{
    MsgBoxExDialog dialog;
    dialog.prepare(request(MsgBoxButtons::Okay, QStringLiteral("Hello world")), sampleContext());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    QPlainTextEdit *box = dialog.textBox();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, pointAt(box, 3));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QCOMPARE(box->toPlainText(), QStringLiteral("Hello world"));
}

void TestMsgBoxEx::msgBoxExAsksSeam()
{
    ScriptedDialogs seam;
    seam.msgBoxAnswers.enqueue(MsgBoxAnswer::Yes);
    QCOMPARE(seam.msgBoxEx({QStringLiteral("Save?"), MsgBoxIcon::Question, MsgBoxButtons::YesNo,
                            QStringLiteral("Modified script.."), 10, MsgBoxPosition::BottomRight, true, true}),
             MsgBoxAnswer::Yes);
    QCOMPARE(seam.msgBoxRequests.size(), 1);
    const MsgBoxExRequest &asked = seam.msgBoxRequests.first();
    QCOMPARE(asked.text, QStringLiteral("Save?"));
    QCOMPARE(asked.icon, MsgBoxIcon::Question);
    QCOMPARE(asked.buttons, MsgBoxButtons::YesNo);
    QCOMPARE(asked.title, QStringLiteral("Modified script.."));
    QCOMPARE(asked.autoCloseSeconds, 10);
    QCOMPARE(asked.position, MsgBoxPosition::BottomRight);
    QVERIFY(asked.alwaysOnTop);
    QVERIFY(asked.forceScrollingText);

    // A box closed without a button answers None; a request built from its first four
    // members keeps the defaults for the rest.
    QCOMPARE(seam.msgBoxEx({QStringLiteral("Again"), MsgBoxIcon::Warning, MsgBoxButtons::Okay,
                            QStringLiteral("T")}),
             MsgBoxAnswer::None);
    const MsgBoxExRequest &again = seam.msgBoxRequests.last();
    QCOMPARE(again.icon, MsgBoxIcon::Warning);
    QCOMPARE(again.autoCloseSeconds, 0);
    QCOMPARE(again.position, MsgBoxPosition::Centred);
    QVERIFY(!again.alwaysOnTop && !again.forceScrollingText);
}

QTEST_MAIN(TestMsgBoxEx)
#include "test_msgbox_ex.moc"
