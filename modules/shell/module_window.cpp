// The shared module window and what its insert and Close buttons do.
#include "module_window.h"

#include "dialog_seam.h"
#include "rule_line.h"
#include "send_command.h"
#include "widget_names.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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
    return QStringLiteral("The script text could not be delivered to the editor. "
                          "Please start the module from a running editor and try again.");
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

    auto *layout = new QVBoxLayout(this);

    auto *header = new QHBoxLayout;
    auto *picture = new QLabel(this);
    picture->setObjectName(look.pictureName);
    picture->setPixmap(look.picture);
    picture->setToolTip(look.pictureHint);
    picture->setAccessibleName(look.pictureHint);
    auto *title = new QLabel(look.header, this);
    title->setObjectName(QStringLiteral("labHeader"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);
    header->addWidget(picture);
    header->addWidget(title, 1);
    layout->addLayout(header);
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
    m_close = nameWidget(new QPushButton(QStringLiteral("Close"), this), QStringLiteral("cmdClose"));
    buttons->addWidget(m_insert);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    connect(m_insert, &QPushButton::clicked, this, &ModuleWindow::insertScript);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
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
    // The send waits for the editor, for ten seconds at most.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool delivered = m_send(InsertTextCommandPrefix() + *text, m_context.EditorHwnd);
    QApplication::restoreOverrideCursor();
    if (delivered) {
        close();
        return;
    }
    // The window stays as it was, so nothing the user built is lost.
    m_dialogs.msgBoxEx(MsgBoxExRequest{SendFailedText(), MsgBoxIcon::Warning, MsgBoxButtons::Okay,
                                       SendFailedTitle()});
}
