// Options > Restore Last Session: the open project, script and caret line, back at the next start.
#pragma once

#include <QObject>
#include <QString>

class Document;
class EditControl;
class ProjectCommands;
class QAction;

class LastSession : public QObject
{
    Q_OBJECT

public:
    // The switch and what was open are kept in settingsFile; the switch is off until the user
    // turns it on.
    LastSession(Document &document, ProjectCommands &projects, EditControl &control, const QString &settingsFile,
                QObject *parent = nullptr);

    bool isRestoring() const;
    // Turning it off forgets what was open.
    void setRestoring(bool enabled);
    // A checkable item that shows the switch and turns it.
    void setItem(QAction *item);

    // While on: notes the open project, the open script and its caret line.
    void store();
    // While on: opens the noted project, then, unless the command line named a script, the
    // noted script at its line. A file that is gone is passed over without a word.
    void restore(bool scriptNamed);

private:
    Document &m_document;
    ProjectCommands &m_projects;
    EditControl &m_control;
    QString m_settingsFile;
    bool m_enabled = false;
};
