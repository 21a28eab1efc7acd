// The Insert menu's text commands: the command catalogue, colour codes and the template.
#pragma once

#include <QObject>
#include <QString>

class CaretInsertion;
class DialogSeam;
class QWidget;

// "^" follows with these: RRGGBB in upper-case hexadecimal, from a colour value 0x00BBGGRR.
QString ColourToHex(quint32 colour);

// The template's file name in the templates folder.
QString BlankMessageTemplateName();

class InsertCommands : public QObject
{
    Q_OBJECT

public:
    InsertCommands(CaretInsertion &insertion, DialogSeam &dialogs, QWidget *owner,
                   const QString &templatesPath, QObject *parent = nullptr);

    // Inserts a catalogue entry's text by its tag, places the caret and shows its help line.
    // The keyboard focus stays where it is.
    void catalogueEntryChosen(const QString &tag);
    // Asks for a colour (opening on black) and inserts it as "^RRGGBB".
    void InsertColourCode();
    // Inserts the blank message template; an unreadable template inserts nothing.
    void insertBlankMessageTemplate();

Q_SIGNALS:
    void statusText(const QString &text);

private:
    CaretInsertion &m_insertion;
    DialogSeam &m_dialogs;
    QWidget *m_owner;
    QString m_templatesPath;
};
