// The program's answers to the dialog seam: Qt's standard dialogs and the MsgBoxEx form.
#include "qt_dialog_seam.h"

#include "common_dialogs.h"
#include "msgbox_ex.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

QString QtDialogSeam::fileName(const FileDialogRequest &request)
{
    QFileDialog dialog(request.owner, request.title);
    dialog.setObjectName(request.save ? QStringLiteral("dlgSaveFile") : QStringLiteral("dlgOpenFile"));
    if (request.folder) {
        dialog.setObjectName(QStringLiteral("dlgChooseFolder"));
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else if (request.save) {
        // Replacing an existing file is confirmed by the dialog itself (its default).
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    const QString filter = QtFileFilter(request.filter);
    if (!filter.isEmpty())
        dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    QString suffix = request.defaultExtension;
    while (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    if (!suffix.isEmpty())
        dialog.setDefaultSuffix(suffix);

    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

std::optional<QColor> QtDialogSeam::colour(QWidget *owner, const QColor &initial)
{
    // Custom colours never carry over from one question to the next.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::black));

    QColorDialog dialog(initial, owner);
    dialog.setObjectName(QStringLiteral("dlgColour"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtDialogSeam::font(QWidget *owner, const QFont &initial)
{
    QFontDialog dialog(initial, owner);
    dialog.setObjectName(QStringLiteral("dlgFont"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

MsgBoxAnswer QtDialogSeam::msgBoxEx(const MsgBoxExRequest &request)
{
    // No owner: the box stands on its own, wherever its position code puts it.
    MsgBoxExDialog dialog;
    dialog.prepare(request, MsgBoxExContext::forRunningProgram(), m_lastBoxPosition);
    dialog.exec();
    m_lastBoxPosition = dialog.boxPosition();
    return dialog.answer();
}

