// A dialog seam for tests: answers come from queues, questions are recorded.
#pragma once

#include <QList>
#include <QQueue>
#include <QStringList>

#include "dialog_seam.h"

class ScriptedDialogs : public DialogSeam
{
public:
    // Queued answers; an empty queue answers as a cancelled dialog (None for a message box).
    QQueue<QString> fileNames;
    QQueue<std::optional<QColor>> colours;
    QQueue<std::optional<QFont>> fonts;
    QQueue<MsgBoxAnswer> msgBoxAnswers;
    QQueue<std::optional<QString>> inputs;
    QQueue<int> choices;
    bool launchSucceeds = true;

    // What was asked.
    QList<FileDialogRequest> fileRequests;
    QList<QColor> colourRequests;
    QList<QFont> fontRequests;
    QList<MsgBoxExRequest> msgBoxRequests;
    QList<ChoiceRequest> choiceRequests;
    QStringList inputPrompts;
    QStringList inputTitles;
    QStringList inputInitials;   // the default answers offered
    QStringList launched;   // file, then "|" and the parameters when there are any

    QString fileName(const FileDialogRequest &request) override;
    std::optional<QColor> colour(QWidget *owner, const QColor &initial) override;
    std::optional<QFont> font(QWidget *owner, const QFont &initial) override;
    MsgBoxAnswer msgBoxEx(const MsgBoxExRequest &request) override;
    int choice(const ChoiceRequest &request) override;
    std::optional<QString> inputText(QWidget *owner, const QString &title, const QString &prompt,
                                     const QString &initial) override;
    bool launch(QWidget *owner, const QString &file, const QString &parameters) override;
};
