// The Insert menu: the wizard modules, the command catalogue, colour codes and the template.
#pragma once

#include <QObject>
#include <QString>

#include "app_paths.h"

class CaretInsertion;
class DialogSeam;
class QWidget;
struct CatalogueEntry;

// "^" follows with these: RRGGBB in upper-case hexadecimal, from a colour value 0x00BBGGRR.
QString colourToHex(quint32 colour);

// The template's file name in the templates folder.
QString blankMessageTemplateName();

// The numbers are the ones launchModule reports for a type it does not know.
enum class ModuleType : int { Npc = 0, Shop = 1, Message = 2 };

class InsertCommands : public QObject
{
    Q_OBJECT

public:
    // channelNumber: what the started modules send their text to (the launch argument's HWND).
    InsertCommands(CaretInsertion &insertion, DialogSeam &dialogs, QWidget *owner, const AppPaths &paths,
                   qint32 channelNumber, QObject *parent = nullptr);

    // Starts the module's program with the launch argument and returns at once; a type it does
    // not know is reported and starts nothing.
    void launchModule(ModuleType type);
    // Inserts the entry's text, places the caret and shows its help line. The keyboard focus
    // stays where it is.
    void insertCatalogueEntry(const CatalogueEntry &entry);
    // Asks for a colour (opening on black) and inserts it as "^RRGGBB".
    void insertColourCode();
    // Inserts the blank message template; an unreadable template inserts nothing.
    void insertBlankMessageTemplate();

Q_SIGNALS:
    void statusText(const QString &text);

private:
    CaretInsertion &m_insertion;
    DialogSeam &m_dialogs;
    QWidget *m_owner;
    AppPaths m_paths;
    qint32 m_channelNumber;
};
