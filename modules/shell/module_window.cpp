// The shared module window and what its insert and Close buttons do.
#include "module_window.h"

#include "dialog_seam.h"
#include "editor_watch.h"
#include "rule_line.h"
#include "send_command.h"
#include "widget_names.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

bool SendToEditor(const QString &commandText, qint32 editorHwnd)
{
    return SendCommand(commandText, editorHwnd, 10000);
}

QString SendFailedTitle()
{
    return QStringLiteral("Send failed..");
}

QString SendFailedText()
{
    return QStringLiteral("The script text could not be delivered to the editor. Copy it to the clipboard, so that "
                          "you can paste it into your script yourself?");
}

QString EditorGoneText()
{
    return QStringLiteral("The editor has closed. Insert now offers to copy the script text to the clipboard.");
}

QString CloseUnsentTitle()
{
    return QStringLiteral("Close..");
}

QString CloseUnsentText()
{
    return QStringLiteral("Close without inserting? What you have typed will be lost.");
}

QPoint CentredPosition(const QSize &size, const QRect &over, const QRect &available)
{
    const QRect around = over.isEmpty() ? available : over;
    QPoint position(around.x() + (around.width() - size.width()) / 2, around.y() + (around.height() - size.height()) / 2);
    // Within the screen, the top left corner winning when the window is larger than it.
    position.setX(qMax(available.left(), qMin(position.x(), available.right() + 1 - size.width())));
    position.setY(qMax(available.top(), qMin(position.y(), available.bottom() + 1 - size.height())));
    return position;
}

namespace {

MultiRule *horizontalRule(const QString &name, QWidget *parent)
{
    auto *rule = new MultiRule(parent);
    rule->setObjectName(name);
    rule->setOrientation(MultiRule::Orientation::Horizontal);
    return rule;
}

} // namespace

ModuleWindow::ModuleWindow(const ModuleLook &look, const ModuleContext &context, DialogSeam &dialogs,
                           CommandSender send, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_dialogs(dialogs)
    , m_send(std::move(send))
{
    setObjectName(QStringLiteral("wMain"));
    // No title of its own: the desktop shows the program's name, which tells the modules apart.
    setWindowTitle(QString());
    setAccessibleDescription(look.windowDescription);

    auto *layout = new QVBoxLayout(this);

    auto *header = new QHBoxLayout;
    auto *picture = new QLabel(this);
    picture->setObjectName(look.pictureName);
    picture->setPixmap(look.picture);
    picture->setToolTip(look.pictureHint);
    picture->setAccessibleName(look.pictureHint);
    auto *title = new QLabel(look.header, this);
    title->setObjectName(QStringLiteral("labHeader"));
    title->setAccessibleDescription(look.windowDescription);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);
    header->addWidget(picture);
    header->addWidget(title, 1);
    layout->addLayout(header);

    // Hidden until the editor has ended; a screen reader finds it in reading order.
    m_goneNote = nameWidget(new QLabel(EditorGoneText(), this), QStringLiteral("labEditorGone"));
    m_goneNote->setWordWrap(true);
    m_goneNote->setFrameShape(QFrame::StyledPanel);
    m_goneNote->setStyleSheet(QStringLiteral("QLabel { background: #fff4ce; color: #3a2c00; padding: 4px; }"));
    m_goneNote->hide();
    layout->addWidget(m_goneNote);
    layout->addWidget(horizontalRule(QStringLiteral("HRule0"), this));

    // The module's inputs live in a panel made before the buttons, so a screen reader meets
    // them in the order a person reads the window.
    auto *panel = new QWidget(this);
    m_body = new QVBoxLayout(panel);
    m_body->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel, 1);

    layout->addWidget(horizontalRule(QStringLiteral("HRule1"), this));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_insert = nameWidget(new QPushButton(look.insertCaption, this), look.insertName);
    m_insert->setAccessibleDescription(look.insertDescription);
    m_insert->setToolTip(look.insertDescription);
    m_close = nameWidget(new QPushButton(QStringLiteral("Close"), this), QStringLiteral("cmdClose"));
    m_close->setAccessibleDescription(QStringLiteral("Close without inserting anything"));
    buttons->addWidget(m_insert);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    connect(m_insert, &QPushButton::clicked, this, &ModuleWindow::insertScript);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &ModuleWindow::closeOnEscape);
}

void ModuleWindow::watchEditor()
{
    if (m_context.EditorHwnd == 0 || findChild<EditorWatch *>())
        return;
    auto *watch = new EditorWatch(m_context.EditorHwnd, this);
    connect(watch, &EditorWatch::gone, this, &ModuleWindow::editorGone);
}

void ModuleWindow::editorGone()
{
    if (m_editorGone)
        return;
    m_editorGone = true;
    // Nothing to lose: the module has no reason to stay.
    if (!hasInput()) {
        close();
        return;
    }
    m_goneNote->show();
    // What was typed can still go to the clipboard.
    m_insert->setEnabled(true);
}

bool ModuleWindow::isEditorGone() const
{
    return m_editorGone;
}

void ModuleWindow::showOverEditor()
{
    QScreen *screen = nullptr;
    if (!m_context.EditorWindow.isEmpty())
        screen = QGuiApplication::screenAt(m_context.EditorWindow.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    // Room for a window manager's frame and title bar, when there is one.
    const QSize room = available.size() - QSize(16, 48);
    const QSize size = this->size().boundedTo(room).expandedTo(minimumSizeHint());
    resize(size);
    move(CentredPosition(size, m_context.EditorWindow, available));
    show();
    bringToFront();
}

void ModuleWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

QVBoxLayout *ModuleWindow::body() const
{
    return m_body;
}

QPushButton *ModuleWindow::insertButton() const
{
    return m_insert;
}

const ModuleContext &ModuleWindow::context() const
{
    return m_context;
}

DialogSeam &ModuleWindow::dialogs() const
{
    return m_dialogs;
}

void ModuleWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!event->isAccepted())
        return;
    for (QDialog *dialog : findChildren<QDialog *>(Qt::FindDirectChildrenOnly))
        dialog->close();
}

void ModuleWindow::setInputOrder(const QList<QWidget *> &inputs)
{
    QList<QWidget *> chain = inputs;
    chain << m_insert << m_close;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
    if (!inputs.isEmpty())
        inputs.first()->setFocus();
}

void ModuleWindow::insertScript()
{
    const std::optional<QString> text = buildScript();
    if (!text)
        return;
    if (!m_editorGone) {
        // The send waits for the editor, for ten seconds at most.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool delivered = m_send(InsertTextCommandPrefix() + *text, m_context.EditorHwnd);
        QApplication::restoreOverrideCursor();
        if (delivered) {
            close();
            return;
        }
    }
    // The window stays as it was, so nothing the user built is lost.
    offerClipboard(*text);
}

void ModuleWindow::offerClipboard(const QString &text)
{
    const MsgBoxAnswer answer = m_dialogs.msgBoxEx(
        MsgBoxExRequest{SendFailedText(), MsgBoxIcon::Question, MsgBoxButtons::YesNo, SendFailedTitle()});
    if (answer == MsgBoxAnswer::Yes)
        QGuiApplication::clipboard()->setText(text);
}

void ModuleWindow::closeOnEscape()
{
    if (hasInput()) {
        const MsgBoxAnswer answer = m_dialogs.msgBoxEx(
            MsgBoxExRequest{CloseUnsentText(), MsgBoxIcon::Question, MsgBoxButtons::YesNo, CloseUnsentTitle()});
        if (answer != MsgBoxAnswer::Yes)
            return;
    }
    close();
}
