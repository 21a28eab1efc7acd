// What the window tells about the open script besides its text: the title naming the file,
// the caret's line and column, the encoding, and clearing an earlier action's message once the
// user edits again.
#pragma once

#include <QObject>
#include <QString>

class Document;
class EditControl;
class StatusBar;
class QWidget;

// The window title: the caption alone while no file is open; otherwise the file's name before
// it, marked with "*" while the script has unsaved changes.
QString ScriptWindowTitle(const QString &caption, const QString &fileName, bool modified);

class DocumentStatus : public QObject
{
    Q_OBJECT

public:
    DocumentStatus(QWidget &window, Document &document, EditControl &control, StatusBar &status);

private:
    void showTitle();

    QWidget &m_window;
    Document &m_document;
    EditControl &m_control;
    StatusBar &m_status;
    // The title the window had when built, which the file name is put in front of.
    QString m_caption;
};
