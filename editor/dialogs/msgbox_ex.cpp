// MsgBoxEx: the rules of the editor's own message box and the form wMsgBoxEx that shows it.
#include "msgbox_ex.h"

#include "version.h"
#include "twips.h"
#include "widget_names.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTimer>

#include <array>

namespace {

// The form is designed in twips.
QRect twipsRect(int left, int top, int width, int height)
{
    return twipsToPixels(QRect(left, top, width, height));
}

constexpr int FormWidthTwips = 5805;
constexpr int FormHeightTwips = 2370;
constexpr int MaxAutoCloseSeconds = 64;
constexpr int PlainTextMaxSeparators = 7;

// One button of a set: where it sits in its picture box and what it answers.
struct ButtonDesign
{
    const char *name;
    const char *caption;
    int leftTwips;
    int topTwips;
    MsgBoxAnswer answer;
};

// Frames in index order: 0 Okay/Cancel, 1 Yes/No, 2 Retry/Cancel, 3 Okay alone.
struct FrameDesign
{
    int pictureTopTwips;
    std::array<ButtonDesign, 2> buttons;
    int buttonCount;
};

const std::array<FrameDesign, 4> &frameDesigns()
{
    static const std::array<FrameDesign, 4> designs = {{
        {150, {{{"Command1", "Okay", 1117, 15, MsgBoxAnswer::Okay},
                {"Command2", "Cancel", 2917, 15, MsgBoxAnswer::Cancel}}}, 2},
        {150, {{{"cmdYes", "Yes", 1117, 15, MsgBoxAnswer::Yes},
                {"cmdNo", "No", 2917, 15, MsgBoxAnswer::No}}}, 2},
        {150, {{{"Command4", "Retry", 1117, 15, MsgBoxAnswer::Retry},
                {"Command3", "Cancel", 2917, 15, MsgBoxAnswer::Cancel}}}, 2},
        {180, {{{"cmdOkayOnly", "Okay", 2017, 30, MsgBoxAnswer::Okay},
                {nullptr, nullptr, 0, 0, MsgBoxAnswer::None}}}, 1},
    }};
    return designs;
}

// What the icon shows and what it is heard as, in MsgBoxIcon order.
struct IconDesign
{
    QStyle::StandardPixmap pixmap;
    const char *meaning;
};

const IconDesign &iconDesignFor(MsgBoxIcon icon)
{
    static const std::array<IconDesign, 4> designs = {{
        {QStyle::SP_MessageBoxInformation, "Information"},
        {QStyle::SP_MessageBoxQuestion, "Question"},
        {QStyle::SP_MessageBoxWarning, "Warning"},
        {QStyle::SP_MessageBoxCritical, "Error"},
    }};
    // A code outside the four takes the nearer end.
    return designs[size_t(qBound(0, int(icon), 3))];
}

} // namespace

MsgBoxExContext MsgBoxExContext::forRunningProgram()
{
    MsgBoxExContext context;
    context.major = Version::major;
    context.minor = Version::minor;
    context.revision = Version::revision;
    context.path = QCoreApplication::applicationDirPath();
    context.title = QCoreApplication::applicationName();
    context.exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return context;
}

namespace MsgBoxExRules {

int frameForButtons(MsgBoxButtons buttons)
{
    switch (buttons) {
    case MsgBoxButtons::Okay:
        return 3;
    case MsgBoxButtons::RetryCancel:
        return 2;
    case MsgBoxButtons::YesNo:
        return 1;
    case MsgBoxButtons::OkayCancel:
        break;
    }
    return 0;
}

QString expandText(const QString &text, const MsgBoxExContext &context)
{
    QString result = text;
    result.replace(QLatin1Char('|'), QLatin1Char('\n'));
    // Plain case-sensitive replacements, one after another in this fixed order: each also sees
    // what the earlier ones put in, so a folder or title holding a later placeholder's name has
    // it filled in too. Callers' messages rely on that result, so the order stays.
    result.replace(QStringLiteral("%maj%"), QString::number(context.major));
    result.replace(QStringLiteral("%min%"), QStringLiteral("%1").arg(context.minor, 2, 10, QLatin1Char('0')));
    result.replace(QStringLiteral("%rev%"), QStringLiteral("%1").arg(context.revision, 5, 10, QLatin1Char('0')));
    result.replace(QStringLiteral("%path%"), context.path);
    result.replace(QStringLiteral("%title%"), context.title);
    result.replace(QStringLiteral("%exe%"), context.exe);
    return result;
}

bool usesScrollingText(const QString &text, bool forceScrollingText)
{
    return forceScrollingText || text.count(QLatin1Char('|')) > PlainTextMaxSeparators;
}

int clampAutoClose(int seconds)
{
    if (seconds <= 0)
        return 0;
    return qMin(seconds, MaxAutoCloseSeconds);
}

QPoint boxTopLeft(MsgBoxPosition where, const QRect &screen, const QSize &box, const QPoint &own, const QPoint &previous)
{
    const int right = screen.x() + screen.width() - box.width();
    const int bottom = screen.y() + screen.height() - box.height();
    switch (where) {
    case MsgBoxPosition::Centred:
        return QPoint(screen.x() + qRound((screen.width() - box.width()) / 2.0),
                      screen.y() + qRound((screen.height() - box.height()) / 2.0));
    case MsgBoxPosition::TopLeft:
        return screen.topLeft();
    case MsgBoxPosition::TopRight:
        return QPoint(right, screen.y());
    case MsgBoxPosition::BottomLeft:
        return QPoint(screen.x(), bottom);
    case MsgBoxPosition::BottomRight:
        return QPoint(right, bottom);
    case MsgBoxPosition::Own:
        return own;
    case MsgBoxPosition::Previous:
        break;
    }
    return previous;
}

} // namespace MsgBoxExRules

MsgBoxExDialog::MsgBoxExDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("wMsgBoxEx"));
    setWindowTitle(tr("Message"));
    setAccessibleName(windowTitle());
    setFixedSize(twipsToPixels(FormWidthTwips), twipsToPixels(FormHeightTwips));
    // A message box: a title and a close button, nothing to minimize or maximize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_icon = new QLabel(this);
    nameWidget(m_icon, QStringLiteral("imgIcon"));
    m_icon->setGeometry(twipsRect(210, 180, 675, 645));
    m_icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const std::array<QRect, 2> textDesigns = {twipsRect(900, 135, 4785, 1545), twipsRect(900, 135, 4785, 1620)};
    for (int i = 0; i < 2; ++i) {
        auto *box = new QPlainTextEdit(this);
        nameWidget(box, QStringLiteral("txtText%1").arg(i));
        box->setGeometry(textDesigns[size_t(i)]);
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setFrameShape(QFrame::NoFrame);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(i == 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // The text sits on the dialog itself rather than in a white field.
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        box->setPalette(palette);
        box->viewport()->installEventFilter(this);
        box->hide();
        m_text[i] = box;
    }

    const auto &designs = frameDesigns();
    for (int f = 0; f < 4; ++f) {
        auto *frame = new QFrame(this);
        nameWidget(frame, QStringLiteral("fraContainer%1").arg(f));
        frame->setFrameShape(QFrame::NoFrame);
        frame->setGeometry(twipsRect(-495, 1785, 6450, 690));
        auto *picture = new QWidget(frame);
        nameWidget(picture, QStringLiteral("picContainer%1").arg(f));
        picture->setGeometry(twipsRect(525, designs[size_t(f)].pictureTopTwips, 5745, 420));
        for (int b = 0; b < designs[size_t(f)].buttonCount; ++b) {
            const ButtonDesign &design = designs[size_t(f)].buttons[size_t(b)];
            auto *button = new QPushButton(tr(design.caption), picture);
            nameWidget(button, QString::fromLatin1(design.name), button->text());
            button->setGeometry(twipsRect(design.leftTwips, design.topTwips, 1770, 330));
            const MsgBoxAnswer answer = design.answer;
            connect(button, &QPushButton::clicked, this, [this, answer] { finishWith(answer); });
        }
        frame->hide();
        m_frames[f] = frame;
    }

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("tmrAutoClose"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { finishWith(MsgBoxAnswer::None); });
    // However the box closes, its timer must not fire into the next one.
    connect(this, &QDialog::finished, m_timer, &QTimer::stop);
}

void MsgBoxExDialog::prepare(const MsgBoxExRequest &request, const MsgBoxExContext &context,
                             const QPoint &previousPosition)
{
    m_answer = MsgBoxAnswer::None;
    m_placement = request.position;

    setWindowFlag(Qt::WindowStaysOnTopHint, request.alwaysOnTop);

    const int seconds = MsgBoxExRules::clampAutoClose(request.autoCloseSeconds);
    m_timer->stop();
    m_timer->setInterval(seconds * 1000);

    const int frameIndex = MsgBoxExRules::frameForButtons(request.buttons);
    const int textIndex = MsgBoxExRules::usesScrollingText(request.text, request.forceScrollingText) ? 0 : 1;

    const IconDesign &icon = iconDesignFor(request.icon);
    m_icon->setPixmap(style()->standardIcon(icon.pixmap, nullptr, this).pixmap(32, 32));
    m_icon->setAccessibleName(tr(icon.meaning));
    setWindowTitle(request.title);
    setAccessibleName(request.title);

    // A text box is heard by its name; the message itself is what the user needs to hear.
    const QString text = MsgBoxExRules::expandText(request.text, context);
    m_text[textIndex]->setPlainText(text);
    m_text[textIndex]->setAccessibleName(text);
    layOut(textIndex, frameIndex);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    m_position = MsgBoxExRules::boxTopLeft(request.position, available, size(), pos(), previousPosition);
    // The box's own position is wherever the window system would put it, unless it was placed.
    if (request.position != MsgBoxPosition::Own || testAttribute(Qt::WA_Moved))
        move(m_position);
}

void MsgBoxExDialog::layOut(int textIndex, int frameIndex)
{
    const int formHeightTwips = pixelsToTwips(height());

    for (int f = 0; f < 4; ++f)
        m_frames[f]->setVisible(f == frameIndex);
    QFrame *frame = m_frames[frameIndex];
    frame->move(frame->x(), twipsToPixels(formHeightTwips - 945));

    for (int i = 0; i < 2; ++i)
        m_text[i]->setVisible(i == textIndex);
    QPlainTextEdit *box = m_text[textIndex];
    box->resize(box->width(), twipsToPixels(formHeightTwips - 1155));
    box->raise();

    // The first button of the set answers Enter and starts with the focus.
    const auto buttons = frame->findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        button->setDefault(false);
    const auto &design = frameDesigns()[size_t(frameIndex)];
    if (auto *first = frame->findChild<QPushButton *>(QString::fromLatin1(design.buttons[0].name))) {
        first->setDefault(true);
        first->setFocus();
    }
}

MsgBoxAnswer MsgBoxExDialog::answer() const
{
    return m_answer;
}

QPoint MsgBoxExDialog::boxPosition() const
{
    return m_position;
}

bool MsgBoxExDialog::usingScrollingText() const
{
    return m_text[0]->isVisibleTo(this);
}

QPlainTextEdit *MsgBoxExDialog::textBox() const
{
    return usingScrollingText() ? m_text[0] : m_text[1];
}

QTimer *MsgBoxExDialog::autoCloseTimer() const
{
    return m_timer;
}

void MsgBoxExDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_placement == MsgBoxPosition::Own && !testAttribute(Qt::WA_Moved))
        m_position = pos();
    if (m_timer->interval() > 0)
        m_timer->start();
}

bool MsgBoxExDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (QPlainTextEdit *box : m_text) {
            if (watched == box->viewport()) {
                copySelectionToClipboard(box);
                break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool MsgBoxExDialog::copySelectionToClipboard(QPlainTextEdit *box)
{
    QTextCursor cursor = box->textCursor();
    if (!cursor.hasSelection())
        return false;
    // toPlainText gives real line breaks, where selectedText() would give U+2029.
    const QString selected = cursor.selection().toPlainText();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(selected);
    cursor.clearSelection();
    box->setTextCursor(cursor);
    return true;
}

void MsgBoxExDialog::finishWith(MsgBoxAnswer answer)
{
    m_answer = answer;
    m_timer->stop();
    done(answer == MsgBoxAnswer::None ? QDialog::Rejected : QDialog::Accepted);
}
