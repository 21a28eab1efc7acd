// The modules' dialog seam.
#include "module_dialogs.h"


#include <QApplication>

QString ModuleDialogSeam::fileName(const FileDialogRequest &)
{
    return QString();
}

std::optional<QColor> ModuleDialogSeam::colour(QWidget *, const QColor &)
{
    return std::nullopt;
}

std::optional<QFont> ModuleDialogSeam::font(QWidget *, const QFont &)
{
    return std::nullopt;
}

void preparePlainBox(QMessageBox &box, const MsgBoxExRequest &request)
{
    box.setWindowTitle(request.title);
    // Our texts break lines with CR LF; a lone CR would show as a stray mark.
    QString text = request.text;
    box.setText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    switch (request.icon) {
    case MsgBoxIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgBoxIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgBoxIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgBoxIcon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    switch (request.buttons) {
    case MsgBoxButtons::Okay: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgBoxButtons::OkayCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgBoxButtons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    case MsgBoxButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
}

MsgBoxAnswer answerForButton(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return MsgBoxAnswer::Okay;
    case QMessageBox::Cancel: return MsgBoxAnswer::Cancel;
    case QMessageBox::Yes: return MsgBoxAnswer::Yes;
    case QMessageBox::No: return MsgBoxAnswer::No;
    case QMessageBox::Retry: return MsgBoxAnswer::Retry;
    default: return MsgBoxAnswer::None;
    }
}

MsgBoxAnswer ModuleDialogSeam::msgBoxEx(const MsgBoxExRequest &request)
{
    QMessageBox box(QApplication::activeWindow());
    preparePlainBox(box, request);
    box.exec();
    return box.clickedButton() ? answerForButton(box.standardButton(box.clickedButton())) : MsgBoxAnswer::None;
}

