// Starting the wizard modules and acting on the commands they send back.
#pragma once

#include <QObject>
#include <QString>

#include "app_paths.h"

class CaretInsertion;
class DialogSeam;
class QPlainTextEdit;
class QWidget;

// The numbers are the ones LaunchModule reports for a type it does not know.
enum class ModuleType : int { Npc = 0, Shop = 1, Message = 2 };

class ModuleCommands : public QObject
{
    Q_OBJECT

public:
    // channelNumber: what the started modules send to (the launch argument's HWND).
    ModuleCommands(CaretInsertion &insertion, DialogSeam &dialogs, QWidget *owner, const AppPaths &paths,
                   QPlainTextEdit &commandBox, qint32 channelNumber, QObject *parent = nullptr);

    // Starts the module's program with the launch argument and returns at once; a type it does
    // not know is reported and starts nothing.
    void LaunchModule(ModuleType type);
    // Acts on one command text from a module; the command box keeps it.
    void commandReceived(const QString &text);

Q_SIGNALS:
    void statusText(const QString &text);

private:
    CaretInsertion &m_insertion;
    DialogSeam &m_dialogs;
    QWidget *m_owner;
    AppPaths m_paths;
    QPlainTextEdit &m_commandBox;
    qint32 m_channelNumber;
};
