// Building framed inputs and reading multi-line text.
#include "input_frames.h"

#include "widget_names.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

QString spokenName(const QString &name, const QGroupBox *frame)
{
    return frame->title().isEmpty() ? name : frame->title();
}

} // namespace

QGroupBox *inputFrame(const QString &name, const QString &caption, QWidget *parent)
{
    auto *box = nameWidget(new QGroupBox(caption, parent), name);
    new QHBoxLayout(box);
    return box;
}

QLineEdit *frameTextBox(const QString &name, QGroupBox *frame)
{
    auto *box = nameWidget(new QLineEdit(frame), name, spokenName(name, frame));
    frame->layout()->addWidget(box);
    return box;
}

QPlainTextEdit *frameMultiLineBox(const QString &name, QGroupBox *frame)
{
    auto *box = nameWidget(new QPlainTextEdit(frame), name, spokenName(name, frame));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    frame->layout()->addWidget(box);
    return box;
}

QString TextWithHardLineBreaks(const QPlainTextEdit &box)
{
    // The raw text keeps what was typed (no blank in place of a no-break space); every paragraph
    // and every Shift+Enter line is a line the user broke.
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}
