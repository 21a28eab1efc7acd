// wMain, the editor's window: builds menus, toolbar, panes and status bar and wires them.
#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QSet>

#include "app_paths.h"
#include "version.h"

class CaretInsertion;
class CheckCommands;
class DialogSeam;
class InsertCommands;
class Document;
class EditCommands;
class EditControl;
class ModuleChannel;
class ModuleCommands;
class MultiRule;
class OutlineList;
class ProjectCommands;
class QComboBox;
class QPlainTextEdit;
class QSessionManager;
class QToolBar;
class QTreeWidget;
class RecentFiles;
class ScriptChecker;
class ScriptServerChoice;
class StatusBar;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(const AppPaths &paths, DialogSeam &dialogs,
               const ProgramVersion &version = ProgramVersion::current(), QWidget *parent = nullptr);

    void SetStatusText(const QString &text);
    void SetModified(bool modified);
    void SetProjectMenus(bool enabled);

    // Runs the action of a toolbar button by its key; other keys do nothing.
    void toolbarButtonClicked(const QString &key);
    // Moves the check mark to a highlighting item and selects the language in its data.
    void highlightingTypeChosen(QAction *item);
    // One resize pass over the client area.
    void layoutClient();

    // The desktop session is ending: store the bounds and, where the session lets us ask,
    // ask about unsaved changes. False when the log-out must be cancelled (the user cancelled,
    // or the save failed).
    bool commitSession(bool mayAsk);

    // Whether a menu item's command is connected to its handler, and the names that were
    // to be connected but have no menu item (a misspelt name).
    bool isCommandConnected(const QString &name) const;
    QStringList unknownCommandNames() const;

    QAction *action(const QString &name) const;
    EditControl *editControl() const;
    Document *document() const;
    EditCommands *editCommands() const;
    InsertCommands *insertCommands() const;
    ModuleCommands *moduleCommands() const;
    ProjectCommands *projectCommands() const;
    CheckCommands *checkCommands() const;
    ModuleChannel *moduleChannel() const;
    CaretInsertion *caretInsertion() const;
    StatusBar *statusPanels() const;
    QWidget *clientArea() const;
    const AppPaths &paths() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void createToolbar();
    void createCatalogueMenus();
    // The menu item arrays: item 0 exists from the start, further items are appended.
    void setMenuItem(QAction *item, const QString &caption, const QString &tag);
    QAction *addMenuItem(const QString &prefix, const QString &caption, const QString &tag);
    void connectCommands();
    template<typename Receiver, typename Handler>
    void connectAction(const char *name, Receiver *receiver, Handler handler);
    template<typename Receiver, typename Handler>
    void connectToggle(const char *name, Receiver *receiver, Handler handler);
    void recordConnection(QAction *item, const char *name, bool connected);
    void commitData(QSessionManager &manager);

    AppPaths m_paths;
    DialogSeam &m_dialogs;
    ProgramVersion m_version;
    QWidget *m_client = nullptr;
    QToolBar *m_toolbar = nullptr;
    MultiRule *m_rule = nullptr;
    QComboBox *m_projectSelector = nullptr;
    QTreeWidget *m_projectList = nullptr;
    QComboBox *m_npcList = nullptr;
    QComboBox *m_unusedList = nullptr;
    EditControl *m_editor = nullptr;
    StatusBar *m_status = nullptr;
    QPlainTextEdit *m_commandBox = nullptr;
    Document *m_document = nullptr;
    EditCommands *m_editCommands = nullptr;
    CaretInsertion *m_insertion = nullptr;
    InsertCommands *m_insertCommands = nullptr;
    ModuleChannel *m_channel = nullptr;
    ModuleCommands *m_moduleCommands = nullptr;
    ProjectCommands *m_projectCommands = nullptr;
    RecentFiles *m_recentFiles = nullptr;
    ScriptChecker *m_checker = nullptr;
    CheckCommands *m_checkCommands = nullptr;
    OutlineList *m_outlineList = nullptr;
    ScriptServerChoice *m_scriptServer = nullptr;
    QHash<QString, QAction *> m_actions;
    QList<QAction *> m_highlightingItems;
    QHash<QString, QMenu *> m_arrayMenus;
    QList<QAction *> m_catalogueItems;
    QSet<QString> m_connectedCommands;
    QStringList m_unknownCommands;
    // The client is laid out from its first show on, once it has its real size.
    bool m_clientSized = false;
    // The user answered the unsaved-changes question for a log-out and has not typed since.
    bool m_closeConfirmed = false;
};
