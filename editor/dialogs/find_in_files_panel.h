// The Find in Files panel: a query, where to look, and the matches by file. The search runs on
// a thread of its own, so a large folder never stops the editor, and it can be cancelled.
#pragma once

#include <QDockWidget>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

#include "file_search.h"

class DialogSeam;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;

class FindInFilesPanel : public QDockWidget
{
    Q_OBJECT

public:
    FindInFilesPanel(DialogSeam &dialogs, QWidget *parent = nullptr);
    ~FindInFilesPanel() override;

    // The open project's files, asked for when a search starts; with none, the panel looks in
    // a folder.
    void setProjectFilesSource(std::function<QStringList()> source);
    // The folder proposed when the user has not chosen one: the open script's.
    void setDefaultFolder(const QString &folder);
    void setFolder(const QString &folder);

    // Shows the panel with text (the selection, say) in the query and the focus on it.
    void start(const QString &text);
    void setQuery(const FileSearchQuery &query);
    void search();
    void cancel();
    bool isSearching() const;

    // The matches shown, in file and line order.
    QList<FileSearchHit> hits() const;
    // What the last search came to: counts, "Searching..", "Cancelled." or why it could not run.
    QString statusText() const;

Q_SIGNALS:
    // The user picked a match: open its file there.
    void hitActivated(const FileSearchHit &hit);
    // The last search ended, finished or cancelled.
    void searchEnded();

private:
    enum class Scope { ProjectFiles, Folder };

    Scope scope() const;
    void chooseFolder();
    void updateScope();
    void addHits(quint64 serial, const QList<FileSearchHit> &hits);
    void showProgress(quint64 serial, int done);
    void finish(quint64 serial, bool cancelled);
    void activate(QTreeWidgetItem *item);

    DialogSeam &m_dialogs;
    std::function<QStringList()> m_projectFiles;
    QString m_defaultFolder;
    QLineEdit *m_text = nullptr;
    QCheckBox *m_regularExpression = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QComboBox *m_scope = nullptr;
    QLineEdit *m_folder = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_find = nullptr;
    QPushButton *m_cancel = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    QTreeWidget *m_results = nullptr;
    QList<FileSearchHit> m_hits;
    int m_fileCount = 0;
    int m_matchedFiles = 0;

    // Each search has a serial; what an older one still sends is dropped.
    quint64 m_serial = 0;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    QThread *m_thread = nullptr;
};
