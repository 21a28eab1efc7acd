// wMain, the editor's window: builds menus, toolbar, panes and status bar and wires them.
#pragma once

#include <QMainWindow>

#include <map>
#include <memory>

#include "app_paths.h"
#include "menu_table.h"
#include "version.h"

class CaretInsertion;
class CheckCommands;
class DefinitionCommands;
class DialogSeam;
class InsertCommands;
class LastSession;
class Document;
class EditCommands;
class EditControl;
class ModuleChannel;
class MultiRule;
class OutlineList;
class ProblemCommands;
class ProblemsPanel;
class PaneSplitter;
class ProjectCommands;
class QComboBox;
class QMenu;
class QSessionManager;
class QToolBar;
class QTreeWidget;
class RecentFiles;
class ScriptChecker;
class ScriptServerChoice;
class StatusBar;
struct ScriptResources;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(const AppPaths &paths, DialogSeam &dialogs,
               const ProgramVersion &version = ProgramVersion::current(), QWidget *parent = nullptr);
    ~MainWindow() override;

    // While the module channel is closed its sentence stays beside every other message.
    void setStatusText(const QString &text);
    void showModified(bool modified);
    // Close Project and Project Properties need an open project.
    void setProjectMenus(bool enabled);
    // One resize pass over the client area.
    void layoutClient();

    // The desktop session is ending: store the bounds and, where the session lets us ask,
    // ask about unsaved changes. False when the log-out must be cancelled (the user cancelled,
    // or the save failed).
    bool commitSession(bool mayAsk);

    // The one action of a command, shared by its menu item and its toolbar button.
    QAction *commandAction(Command command) const;
    EditControl *editControl() const;
    Document *document() const;
    EditCommands *editCommands() const;
    InsertCommands *insertCommands() const;
    ProjectCommands *projectCommands() const;
    CheckCommands *checkCommands() const;
    ProblemCommands *problemCommands() const;
    ProblemsPanel *problemsPanel() const;
    ModuleChannel *moduleChannel() const;
    CaretInsertion *caretInsertion() const;
    StatusBar *statusPanels() const;
    QWidget *clientArea() const;
    PaneSplitter *panes() const;
    const AppPaths &paths() const;
    LastSession *lastSession() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void channelListeningChanged(bool listening, const QString &text);
    void createControls();
    void createMenus();
    void createHighlightingMenu(QMenu *menu);
    void createCatalogueMenus(const std::map<Menu, QMenu *> &menus);
    void createToolbar();
    void connectCommands();
    template<typename Receiver, typename Handler>
    void onCommand(Command command, const Receiver *receiver, Handler handler);
    // The command's item gets a check mark that the handler follows.
    template<typename Receiver, typename Handler>
    void onToggle(Command command, const Receiver *receiver, Handler handler);
    void commitData(QSessionManager &manager);

    AppPaths m_paths;
    DialogSeam &m_dialogs;
    ProgramVersion m_version;
    // Read once at start, shared by the language and the analysis.
    std::shared_ptr<const ScriptResources> m_script;
    QWidget *m_client = nullptr;
    QToolBar *m_toolbar = nullptr;
    MultiRule *m_rule = nullptr;
    PaneSplitter *m_panes = nullptr;
    QComboBox *m_projectSelector = nullptr;
    QTreeWidget *m_projectList = nullptr;
    QComboBox *m_npcList = nullptr;
    QComboBox *m_unusedList = nullptr;
    EditControl *m_textArea = nullptr;
    StatusBar *m_status = nullptr;
    Document *m_document = nullptr;
    EditCommands *m_editCommands = nullptr;
    CaretInsertion *m_insertion = nullptr;
    InsertCommands *m_insertCommands = nullptr;
    ModuleChannel *m_channel = nullptr;
    ProjectCommands *m_projectCommands = nullptr;
    RecentFiles *m_recentFiles = nullptr;
    ScriptChecker *m_checker = nullptr;
    CheckCommands *m_checkCommands = nullptr;
    ProblemsPanel *m_problemsPanel = nullptr;
    ProblemCommands *m_problemCommands = nullptr;
    OutlineList *m_outlineList = nullptr;
    DefinitionCommands *m_definitions = nullptr;
    std::map<Command, QAction *> m_commands;
    QAction *m_firstHighlightingType = nullptr;
    ScriptServerChoice *m_scriptServer = nullptr;
    LastSession *m_lastSession = nullptr;
    // The client is laid out from its first show on, once it has its real size.
    bool m_clientSized = false;
    // The user answered the unsaved-changes question for a log-out and has not typed since.
    bool m_closeConfirmed = false;
    // Why modules cannot reach the editor now; empty while the channel listens.
    QString m_channelNotice;
};
