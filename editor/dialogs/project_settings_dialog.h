// wProject, the project settings dialog: edits a working copy of the project's file list.
#pragma once

#include <QDialog>
#include <QStringList>

class DialogSeam;
class QPushButton;
class QTreeWidget;

class ProjectSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProjectSettingsDialog(DialogSeam &dialogs, QWidget *parent = nullptr);

    // Fills the list with the project's full paths, in order.
    void load(const QStringList &fileNames);
    QStringList fileNames() const;

    // The buttons' commands.
    void addFile();
    void removeSelected();
    void clearAll();

Q_SIGNALS:
    // Save Changes: the receiver writes the project and closes the dialog once that worked,
    // so a failed save leaves the user's list in front of them.
    void saveChangesRequested(const QStringList &fileNames);

private:
    // Remove Selected and Clear All have something to act on only while the list has items.
    void updateButtons();

    DialogSeam &m_dialogs;
    QTreeWidget *m_files = nullptr;
    QPushButton *m_removeSelected = nullptr;
    QPushButton *m_clearAll = nullptr;
};
