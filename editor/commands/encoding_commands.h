// File > Reopen with Encoding: reads the open script again in the encoding the user names.
#pragma once

#include <QList>
#include <QObject>

#include "text_file.h"

class Document;
class EditControl;
class QAction;
class QMenu;
class QWidget;

class EncodingCommands : public QObject
{
    Q_OBJECT

public:
    EncodingCommands(Document &document, EditControl &control, QWidget *menuParent, QObject *parent = nullptr);

    // The submenu: one item per encoding, the script's own checked.
    QMenu *menu() const;
    // Asks about unsaved changes first, as Open does. True when the script was read again.
    bool reopen(TextEncoding encoding);
    // The same for one of the menu's items.
    bool reopenWith(const QAction *item);

Q_SIGNALS:
    void statusText(const QString &text);

private:
    void checkCurrent();

    Document &m_document;
    EditControl &m_control;
    QMenu *m_menu = nullptr;
    QList<QAction *> m_items;
};
