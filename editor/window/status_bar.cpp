// The main window's status bar and the lock-key query behind its last two panels.
#include "status_bar.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include "widget_names.h"

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
{
    nameWidget(this, QStringLiteral("stbStatus"), tr("Status bar"));
    setSizeGripEnabled(false);
    m_general = addPanel(QStringLiteral("_general"), QStringLiteral("Welcome to the Quillmere ..."), 1);
    m_caretPosition = addPanel(QStringLiteral("_position"), QString(), 0);
    m_encoding = addPanel(QStringLiteral("_encoding"), QStringLiteral("UTF-8"), 0);
    m_modified = addPanel(QStringLiteral("_modified"), QString(), 0);
    m_capsLock = addPanel(QStringLiteral("_capslock"), QStringLiteral("CAPS"), 0);
    m_numLock = addPanel(QStringLiteral("_numlock"), QStringLiteral("NUM"), 0);
    m_modified->setMinimumWidth(m_modified->fontMetrics().horizontalAdvance(QStringLiteral("Modified")) + 12);
    // Wide enough for long scripts, so the panels beside it do not shift while the caret moves.
    m_caretPosition->setMinimumWidth(
        m_caretPosition->fontMetrics().horizontalAdvance(CaretPositionText(99999, 999)) + 12);
    m_encoding->setMinimumWidth(m_encoding->fontMetrics().horizontalAdvance(QStringLiteral("UTF-8 with BOM")) + 12);
    m_encoding->setToolTip(tr("The encoding the script is read and saved in; File > Reopen with Encoding changes it."));
    m_encoding->setAccessibleDescription(tr("Encoding"));
    showCaretPosition(1, 1);
    refreshLockKeys();
    if (qApp)
        qApp->installEventFilter(this);
}

QLabel *StatusBar::addPanel(const QString &key, const QString &text, int stretch)
{
    // No fixed accessible name: the panel is heard by its current text.
    auto *panel = nameWidget(new QLabel(text, this), key);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setContentsMargins(4, 0, 4, 0);
    // A focusable panel lets keyboard users and screen readers reach the message.
    panel->setFocusPolicy(Qt::TabFocus);
    panel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    addPermanentWidget(panel, stretch);
    return panel;
}

QString StatusBar::generalText() const
{
    return m_general->text();
}

void StatusBar::setGeneralText(const QString &text)
{
    m_general->setText(text);
    m_actionMessage = true;
}

void StatusBar::setStartText(const QString &text)
{
    m_general->setText(text);
    m_actionMessage = false;
}

void StatusBar::clearActionMessage()
{
    if (m_actionMessage)
        m_general->clear();
    m_actionMessage = false;
}

QString StatusBar::modifiedText() const
{
    return m_modified->text();
}

void StatusBar::setModifiedText(const QString &text)
{
    m_modified->setText(text);
}

QString StatusBar::caretPositionText() const
{
    return m_caretPosition->text();
}

void StatusBar::showCaretPosition(int line, int column)
{
    m_caretPosition->setText(CaretPositionText(line, column));
    // A fixed name would keep screen readers from hearing the text change; the description
    // spells out the short form.
    m_caretPosition->setAccessibleDescription(SpokenCaretPosition(line, column));
}

QString StatusBar::encodingText() const
{
    return m_encoding->text();
}

void StatusBar::setEncodingText(const QString &text)
{
    m_encoding->setText(text);
}

QString CaretPositionText(int line, int column)
{
    return QStringLiteral("Ln %1, Col %2").arg(line).arg(column);
}

QString SpokenCaretPosition(int line, int column)
{
    return QStringLiteral("Line %1, column %2").arg(line).arg(column);
}

void StatusBar::showLockKeys(const LockKeys &keys)
{
    // The caption stays; it is dark while the key is on and greyed while off or unknown.
    const auto show = [](QLabel *panel, const std::optional<bool> &on) {
        panel->setEnabled(on.value_or(false));
        panel->setAccessibleDescription(!on.has_value() ? QStringLiteral("unknown")
                                        : *on ? QStringLiteral("on") : QStringLiteral("off"));
    };
    show(m_capsLock, keys.capsLock);
    show(m_numLock, keys.numLock);
}

void StatusBar::refreshLockKeys()
{
    showLockKeys(QueryLockKeys());
}

bool StatusBar::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // A key event may pass several widgets on its way up; refresh once, at the first.
        if (watched == QApplication::focusWidget()
            || (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()
                && !QApplication::focusWidget()))
            refreshLockKeys();
        break;
    case QEvent::ApplicationStateChange:
    case QEvent::WindowActivate:
    case QEvent::FocusIn:
        refreshLockKeys();
        break;
    default:
        break;
    }
    return QStatusBar::eventFilter(watched, event);
}
