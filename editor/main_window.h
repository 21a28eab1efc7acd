// wMain, the editor's window: builds menus, toolbar, panes and status bar and wires them.
#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>

#include "app_paths.h"

class DialogSeam;
class Document;
class EditCommands;
class EditControl;
class MultiRule;
class QComboBox;
class QPlainTextEdit;
class QToolBar;
class QTreeWidget;
class StatusBar;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(const AppPaths &paths, DialogSeam &dialogs, QWidget *parent = nullptr);

    void SetStatusText(const QString &text);
    void SetModified(bool modified);
    void SetProjectMenus(bool enabled);

    // Runs the action of a toolbar button by its key; other keys do nothing.
    void toolbarButtonClicked(const QString &key);
    // Moves the check mark to highlighting item index and selects its language.
    void highlightingTypeChosen(int index);
    // One resize pass over the client area.
    void layoutClient();

    QAction *action(const QString &name) const;
    EditControl *editControl() const;
    Document *document() const;
    EditCommands *editCommands() const;
    StatusBar *statusPanels() const;
    QWidget *clientArea() const;
    const AppPaths &paths() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void createToolbar();
    void connectCommands();
    void connectAction(const char *name, void (MainWindow::*handler)());
    template<typename Receiver, typename Handler>
    void connectAction(const char *name, Receiver *receiver, Handler handler);

    AppPaths m_paths;
    DialogSeam &m_dialogs;
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
    QHash<QString, QAction *> m_actions;
    QList<QAction *> m_highlightingItems;
};
