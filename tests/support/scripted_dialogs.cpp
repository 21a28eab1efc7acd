// Scripted answers for the dialog seam.
#include "scripted_dialogs.h"

QString ScriptedDialogs::fileName(const FileDialogRequest &request)
{
    fileRequests.append(request);
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

std::optional<QColor> ScriptedDialogs::colour(QWidget *, const QColor &initial)
{
    colourRequests.append(initial);
    return colours.isEmpty() ? std::nullopt : colours.dequeue();
}

std::optional<QFont> ScriptedDialogs::font(QWidget *, const QFont &initial)
{
    fontRequests.append(initial);
    return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
}

MsgBoxAnswer ScriptedDialogs::msgBoxEx(const MsgBoxExRequest &request)
{
    msgBoxRequests.append(request);
    return msgBoxAnswers.isEmpty() ? MsgBoxAnswer::None : msgBoxAnswers.dequeue();
}

int ScriptedDialogs::choice(const ChoiceRequest &request)
{
    choiceRequests.append(request);
    return choices.isEmpty() ? -1 : choices.dequeue();
}

std::optional<QString> ScriptedDialogs::inputText(QWidget *, const QString &title, const QString &prompt,
                                                  const QString &initial)
{
    inputPrompts.append(prompt);
    inputTitles.append(title);
    inputInitials.append(initial);
    return inputs.isEmpty() ? std::nullopt : inputs.dequeue();
}

bool ScriptedDialogs::launch(QWidget *, const QString &file, const QString &parameters)
{
    launched.append(parameters.isEmpty() ? file : file + QLatin1Char('|') + parameters);
    return launchSucceeds;
}
