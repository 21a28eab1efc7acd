// wMain: builds the editor's window and connects its menus and toolbar to the commands.
#include "main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QSessionManager>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "analysis_service.h"
#include "caret_insertion.h"
#include "check_commands.h"
#include "colour_swatches.h"
#include "command_catalogue.h"
#include "definition_commands.h"
#include "dialog_seam.h"
#include "document.h"
#include "document_status.h"
#include "edit_commands.h"
#include "edit_control.h"
#include "edit_control_accessible.h"
#include "encoding_commands.h"
#include "find_in_files_panel.h"
#include "editor_defaults.h"
#include "help_commands.h"
#include "insert_commands.h"
#include "item_lookup.h"
#include "last_session.h"
#include "module_channel.h"
#include "outline_list.h"
#include "pane_splitter.h"
#include "parse.h"
#include "problem_commands.h"
#include "problems_panel.h"
#include "project_commands.h"
#include "recent_files.h"
#include "references_panel.h"
#include "rule_line.h"
#include "script_analyser.h"
#include "script_checker.h"
#include "script_completion.h"
#include "script_language.h"
#include "script_indexer.h"
#include "script_outline.h"
#include "scheme_commands.h"
#include "script_server_choice.h"
#include "status_bar.h"
#include "version.h"
#include "widget_names.h"
#include "window_layout.h"
#include "window_metrics.h"

// Resources of a static library are registered by hand before first use (outside any namespace).
static void initResources()
{
    Q_INIT_RESOURCE(editor);
}

namespace {

struct ToolbarButton
{
    std::optional<Command> command;  // none: a separator
    const char *key;                 // the button's object name and its pictures' file name
    const char *tooltip;
    const char *themeIcon;
};

const ToolbarButton toolbarButtons[] = {
    {Command::NewFile, "_newfile", "Clears the current script.", "document-new"},
    {Command::OpenFile, "_openfile", "Opens an existing script.", "document-open"},
    {Command::SaveFile, "_savefile", "Saves the current script.", "document-save"},
    {std::nullopt, "", "", ""},
    {Command::InsertNpc, "_insertnpc", "Displays the Create Folkmint.", "contact-new"},
    {Command::InsertMessage, "_saymark", "Displays the Saymark wizard.", "mail-message-new"},
    {Command::InsertColourCode, "_insertcolour", "Inserts a HEX colour code into the script.", "color-picker"},
};

// Where the catalogue's entries go, and the names of their items (prefix + "_" + index).
struct CatalogueMenuPlace
{
    CatalogueMenu catalogue;
    Menu menu;
    const char *prefix;
};

const CatalogueMenuPlace catalogueMenuPlaces[] = {
    {CatalogueMenu::Interface, Menu::CommandsInterface, "mINSERTCMDS_INTERFACE"},
    {CatalogueMenu::Action, Menu::CommandsAction, "mINSERTCMDS_ACTION"},
    {CatalogueMenu::Logic, Menu::CommandsLogic, "mINSERTCMDS_LOGIC"},
};

} // namespace

MainWindow::MainWindow(const AppPaths &paths, DialogSeam &dialogs, const ProgramVersion &version,
                       QWidget *parent)
    : QMainWindow(parent)
    , m_paths(paths)
    , m_dialogs(dialogs)
    , m_version(version)
    , m_script(LoadScriptResources(paths.ScriptIniFile))
{
    initResources();
    setObjectName(QStringLiteral("wMain"));
    createControls();
    createMenus();

    // The load sequence. The bounds are applied before the toolbar and menus fill the window,
    // and the text area's defaults before the document is reset.
    setWindowTitle(formatTitle(m_version.major, m_version.minor, m_version.revision));
    resize(twipsToPixels(MainWindowDesign::ClientWidth),
           twipsToPixels(MainWindowDesign::ClientHeight) + menuBar()->sizeHint().height());
    LoadWindowMetrics(this, m_paths.SettingsIniFile);
    createToolbar();
    m_projectSelector->addItems({QStringLiteral("Recent Files"), QStringLiteral("Project Files")});
    m_projectSelector->setCurrentIndex(1);
    setProjectMenus(false);
    registerScriptLanguage(*m_textArea, m_script->definition, ProfileCommandNames(m_scriptServer->profile().get()));
    applyEditorDefaults(*m_textArea);
    m_npcList->addItem(QStringLiteral("NPC Selection List.."));
    m_npcList->setCurrentIndex(0);
    m_unusedList->addItem(QStringLiteral("Unused Selection List.."));
    m_unusedList->setCurrentIndex(0);

    connectCommands();
    m_document->resetScript();
    // The user starts typing straight away.
    m_textArea->setFocus();
    // Without it the editor still works; only the modules cannot hand their text back.
    if (!m_channel->startListening(qint32(QCoreApplication::applicationPid())))
        channelListeningChanged(false, QStringLiteral("The module channel could not be opened: modules cannot insert their text."));
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    m_toolbar = new QToolBar(m_client);
    nameWidget(m_toolbar, QStringLiteral("tbrMain"), tr("Toolbar"));
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setMovable(false);
    m_toolbar->setGeometry(twipsToPixels(MainWindowDesign::Toolbar));

    m_rule = new MultiRule(m_client);
    m_rule->setObjectName(QStringLiteral("HRule"));
    m_rule->setGeometry(twipsToPixels(MainWindowDesign::Rule));

    m_projectSelector = new QComboBox(m_client);
    nameWidget(m_projectSelector, QStringLiteral("cboProject"), tr("File list"));
    m_projectSelector->setGeometry(twipsToPixels(MainWindowDesign::ProjectSelector));

    m_projectList = new QTreeWidget(m_client);
    nameWidget(m_projectList, QStringLiteral("lvwProject"), tr("Project files"));
    m_projectList->setHeaderLabels({QStringLiteral("Project Files")});
    m_projectList->setRootIsDecorated(false);
    m_projectList->setGeometry(twipsToPixels(MainWindowDesign::ProjectList));

    // The selection lists are greyed while they have nothing to offer.
    m_npcList = new QComboBox(m_client);
    nameWidget(m_npcList, QStringLiteral("cboNPC"), tr("NPC selection list"));
    m_npcList->setGeometry(twipsToPixels(MainWindowDesign::NpcList));
    m_npcList->setEnabled(false);
    m_npcList->setAccessibleDescription(tr("The script's blocks and their labels; choose one to go there."));
    m_unusedList = new QComboBox(m_client);
    nameWidget(m_unusedList, QStringLiteral("cboUnused"), tr("Unused selection list"));
    m_unusedList->setGeometry(twipsToPixels(MainWindowDesign::UnusedList));
    m_unusedList->setEnabled(false);
    m_unusedList->setAccessibleDescription(tr("The problems Check Script found; choose one to go there."));

    m_textArea = new EditControl(m_client);
    attachAccessibility(*m_textArea);
    m_textArea->setGeometry(twipsToPixels(MainWindowDesign::Editor));

    m_status = new StatusBar(m_client);
    m_status->setGeometry(twipsToPixels(MainWindowDesign::StatusBar));

    m_panes = new PaneSplitter(*m_projectSelector, *m_projectList, *m_npcList, *m_unusedList, *m_textArea,
                               m_paths.SettingsIniFile, m_client);
    m_panes->setGeometry(twipsToPixels(MainWindowDesign::ProjectSelector.left()),
                         twipsToPixels(MainWindowDesign::ProjectSelector.top()),
                         twipsToPixels(MainWindowDesign::Editor.right() - MainWindowDesign::ProjectSelector.left()),
                         twipsToPixels(MainWindowDesign::Editor.bottom() - MainWindowDesign::ProjectSelector.top()));

    setTabOrder(m_projectSelector, m_projectList);
    setTabOrder(m_projectList, m_textArea);

    m_document = new Document(*m_textArea, m_dialogs, this, this);
    m_editCommands = new EditCommands(*m_textArea, m_dialogs, this, this);
    m_insertion = new CaretInsertion(*m_textArea);
    m_insertCommands = new InsertCommands(*m_insertion, m_dialogs, this, m_paths,
                                          qint32(QCoreApplication::applicationPid()), this);
    // The modules' text goes straight to the caret, in the order it arrives.
    m_channel = new ModuleChannel(this);
    m_channel->setInsertion([this](const QString &text) { m_insertion->insertTextAtCaret(text, true); });
    m_projectCommands = new ProjectCommands(*m_document, *m_projectList, m_dialogs, this, m_version, this);
    m_recentFiles = new RecentFiles(m_paths.SettingsIniFile, this);
    m_projectCommands->setRecentFiles(m_recentFiles);
    // One analysis of the text, shared by every feature that reads the script.
    auto *analysis = new AnalysisService(*m_textArea, m_script);
    m_checker = new ScriptChecker(*m_textArea, *analysis);
    m_checkCommands = new CheckCommands(*m_checker, *m_unusedList, m_paths.SettingsIniFile, this);
    m_problemsPanel = new ProblemsPanel(m_paths.SettingsIniFile, this);
    addDockWidget(Qt::BottomDockWidgetArea, m_problemsPanel);
    m_problemCommands = new ProblemCommands(*m_checker, *m_textArea, *m_document, *m_problemsPanel, this);
    auto *outline = new ScriptOutline(*m_textArea, *analysis);
    m_outlineList = new OutlineList(*outline, *m_npcList, this);
    outline->setActive(true);
    new ColourSwatches(*m_textArea, *analysis);
    auto *completion = new ScriptCompletion(*m_textArea, *analysis, LanguageDefinition::tokens(m_script->definition.keywords));
    new ItemLookup(*m_textArea, *analysis, m_paths.ItemDatabaseFile);

    // The script server's profile: the user's own folder first, then the shipped one.
    m_scriptServer = new ScriptServerChoice({m_paths.DataPath, m_paths.SharedDataPath}, m_paths.SettingsIniFile, this);
    auto *indexer = new ScriptIndexer(this);
    const ScriptReaders readers{*analysis, *completion, *indexer, *m_textArea, m_paths.ScriptIniFile, m_script->definition};
    UseScriptProfile(readers, m_scriptServer->profile());
    connect(m_scriptServer, &ScriptServerChoice::profileChanged, this,
            [this, readers](const std::shared_ptr<const ScriptProfile> &profile) {
                UseScriptProfile(readers, profile);
                if (!profile)
                    setStatusText(m_scriptServer->loadError());
            });
    connect(indexer, &ScriptIndexer::indexChanged, m_checker, &ScriptChecker::setIndex);
    // The other files: the project's, or the script's folder's; a saved file is read again.
    const auto indexFiles = [this, indexer] {
        QStringList projectFiles;
        for (const ProjectEntry &entry : m_projectCommands->projectFiles())
            projectFiles << entry.fileName;
        indexer->setFiles(IndexedFiles(projectFiles, m_document->scriptFileName()));
    };
    connect(m_document, &Document::scriptFileUsed, this, [this, indexer, indexFiles](const QString &path) {
        m_checker->setPath(QFileInfo(path).absoluteFilePath());
        indexFiles();
        indexer->fileSaved(path);
    });
    connect(m_projectCommands, &ProjectCommands::projectOpenChanged, this, indexFiles);
    auto *references = new ReferencesPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, references);
    m_definitions = new DefinitionCommands(*m_textArea, *analysis, *indexer, *m_document, *references, this);
}

void MainWindow::createMenus()
{
    std::map<Menu, QMenu *> menus;
    for (const MenuEntry &entry : mainMenuTable()) {
        const QString caption = QLatin1String(entry.caption);
        QMenu *parentMenu = menus[entry.parent];
        QAction *item = nullptr;
        if (entry.submenu) {
            // Top-level menus open with Alt and their first letter.
            QMenu *menu = entry.parent == Menu::Bar ? menuBar()->addMenu(QLatin1Char('&') + caption)
                                                    : parentMenu->addMenu(caption);
            menu->setObjectName(QLatin1String(entry.name));
            menus[*entry.submenu] = menu;
            item = menu->menuAction();
        } else if (entry.command) {
            item = new QAction(caption, this);
            if (*entry.shortcut)
                item->setShortcut(QKeySequence(QLatin1String(entry.shortcut), QKeySequence::PortableText));
            parentMenu->addAction(item);
            m_commands[*entry.command] = item;
        } else {
            item = parentMenu->addSeparator();
        }
        item->setObjectName(QLatin1String(entry.name));
    }
    createHighlightingMenu(menus[Menu::HighlightingType]);
    createCatalogueMenus(menus);
    // "Print..": no function.
    commandAction(Command::Print)->setEnabled(false);
}

void MainWindow::createHighlightingMenu(QMenu *menu)
{
    // One type is checked at a time; choosing the checked one again keeps it.
    auto *types = new QActionGroup(this);
    const QList<HighlightingType> &list = highlightingTypes();
    for (int i = 0; i < list.size(); ++i) {
        const QString caption = QLatin1String(list.at(i).caption);
        QAction *item = caption.isEmpty() ? menu->addSeparator() : menu->addAction(caption);
        item->setObjectName(QStringLiteral("mHIGHLIGHTINGTYPE_%1").arg(i));
        if (item->isSeparator())
            continue;
        item->setCheckable(true);
        types->addAction(item);
        const QString language = QLatin1String(list.at(i).language);
        connect(item, &QAction::triggered, this, [this, language] { m_textArea->setLanguage(language); });
        if (!m_firstHighlightingType)
            m_firstHighlightingType = item;
    }
    m_firstHighlightingType->setChecked(true);
}

void MainWindow::createCatalogueMenus(const std::map<Menu, QMenu *> &menus)
{
    for (const CatalogueMenuPlace &place : catalogueMenuPlaces) {
        QMenu *menu = menus.at(place.menu);
        int index = 0;
        for (const CatalogueEntry &entry : commandCatalogue()) {
            if (entry.menu != place.catalogue)
                continue;
            QAction *item = menu->addAction(entry.caption);
            item->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(place.prefix)).arg(index++));
            connect(item, &QAction::triggered, m_insertCommands,
                    [this, entry] { m_insertCommands->insertCatalogueEntry(entry); });
        }
    }

    QMenu *scriptServer = menus.at(Menu::Options)->addMenu(QStringLiteral("Script Server"));
    scriptServer->setObjectName(QStringLiteral("mOPTIONSSCRIPTSERVER"));
    m_scriptServer->fillMenu(*scriptServer);
}

void MainWindow::createToolbar()
{
    for (const ToolbarButton &button : toolbarButtons) {
        if (!button.command) {
            m_toolbar->addSeparator();
            continue;
        }
        const QString key = QLatin1String(button.key);
        // The desktop's picture where its theme has one; ours otherwise, with its double-size
        // twin so the toolbar stays sharp at a scale factor of 2.
        QIcon ours(QStringLiteral(":/images/%1.png").arg(key));
        ours.addFile(QStringLiteral(":/images/%1@2x.png").arg(key));
        // The menu item and the button are one action; the menus stay without pictures.
        QAction *action = commandAction(*button.command);
        action->setIcon(QIcon::fromTheme(QLatin1String(button.themeIcon), ours));
        action->setIconVisibleInMenu(false);
        action->setToolTip(QLatin1String(button.tooltip));
        m_toolbar->addAction(action);
        if (auto *toolButton = qobject_cast<QToolButton *>(m_toolbar->widgetForAction(action))) {
            // Heard by the menu item's caption, never by its key.
            nameWidget(toolButton, key, action->text());
            toolButton->setAccessibleDescription(action->toolTip());
            toolButton->setFocusPolicy(Qt::TabFocus);
        }
    }
}

template<typename Receiver, typename Handler>
void MainWindow::onCommand(Command command, const Receiver *receiver, Handler handler)
{
    connect(commandAction(command), &QAction::triggered, receiver, handler);
}

template<typename Receiver, typename Handler>
void MainWindow::onToggle(Command command, const Receiver *receiver, Handler handler)
{
    QAction *item = commandAction(command);
    item->setCheckable(true);
    connect(item, &QAction::toggled, receiver, handler);
}

void MainWindow::connectCommands()
{
    connect(m_document, &Document::statusText, this, &MainWindow::setStatusText);
    connect(m_document, &Document::modifiedChanged, this, &MainWindow::showModified);
    connect(m_editCommands, &EditCommands::statusText, this, &MainWindow::setStatusText);
    connect(m_insertCommands, &InsertCommands::statusText, this, &MainWindow::setStatusText);
    connect(m_channel, &ModuleChannel::frameRefused, this, &MainWindow::setStatusText);
    connect(m_channel, &ModuleChannel::unknownCommand, this, &MainWindow::setStatusText);
    connect(m_channel, &ModuleChannel::listeningChanged, this, &MainWindow::channelListeningChanged);
    connect(m_projectCommands, &ProjectCommands::statusText, this, &MainWindow::setStatusText);
    connect(m_checkCommands, &CheckCommands::statusText, this, &MainWindow::setStatusText);
    connect(m_projectCommands, &ProjectCommands::projectOpenChanged, this, &MainWindow::setProjectMenus);
    connect(m_projectCommands, &ProjectCommands::scriptOpenedFromList, m_textArea, [this] { m_textArea->setFocus(); });
    connect(m_document, &Document::scriptFileUsed, m_recentFiles, &RecentFiles::noteFile);
    // cboProject's first item is "Recent Files", its second "Project Files".
    connect(m_projectSelector, &QComboBox::currentIndexChanged, m_projectCommands,
            [this](int index) { m_projectCommands->showRecentFiles(index == 0); });

    onCommand(Command::NewFile, m_document, &Document::newScript);
    onCommand(Command::OpenFile, m_document, &Document::openScript);
    onCommand(Command::InsertFile, m_document, &Document::insertScriptFile);
    onCommand(Command::SaveFile, m_document, &Document::saveScript);
    onCommand(Command::SaveAs, m_document, &Document::saveScriptAs);
    onCommand(Command::Quit, this, &QWidget::close);
    auto *encodings = new EncodingCommands(*m_document, *m_textArea, this, this);
    QAction *print = commandAction(Command::Print);
    for (QObject *owner : print->associatedObjects()) {
        // After Save As, before the separator that stands above Print.
        if (auto *fileMenu = qobject_cast<QMenu *>(owner)) {
            const QList<QAction *> items = fileMenu->actions();
            const qsizetype at = items.indexOf(print);
            fileMenu->insertMenu(at > 0 ? items.at(at - 1) : print, encodings->menu());
        }
    }
    connect(encodings, &EncodingCommands::statusText, this, &MainWindow::setStatusText);
    for (QAction *item : encodings->menu()->actions())
        connect(item, &QAction::triggered, encodings, [encodings, item] { encodings->reopenWith(item); });
    new DocumentStatus(*this, *m_document, *m_textArea, *m_status);

    onCommand(Command::Undo, m_editCommands, &EditCommands::undoEdit);
    onCommand(Command::Redo, m_editCommands, &EditCommands::redoEdit);
    onCommand(Command::Cut, m_editCommands, &EditCommands::cutSelection);
    onCommand(Command::Copy, m_editCommands, &EditCommands::copySelection);
    onCommand(Command::Paste, m_editCommands, &EditCommands::pasteClipboard);
    onCommand(Command::SelectAll, m_editCommands, &EditCommands::selectWholeText);
    onCommand(Command::Find, m_editCommands, &EditCommands::showFind);
    onCommand(Command::FindNext, m_editCommands, &EditCommands::repeatFindForward);
    onCommand(Command::FindPrevious, m_editCommands, &EditCommands::repeatFindBackward);
    onCommand(Command::Replace, m_editCommands, &EditCommands::showReplace);
    onCommand(Command::GoToLine, m_editCommands, &EditCommands::showGoToLine);
    auto *findInFiles = new FindInFilesPanel(m_dialogs, this);
    findInFiles->hide();
    addDockWidget(Qt::BottomDockWidgetArea, findInFiles);
    findInFiles->setProjectFilesSource([this] {
        QStringList files;
        for (const ProjectEntry &entry : m_projectCommands->projectFiles())
            files << entry.fileName;
        return files;
    });
    onCommand(Command::FindInFiles, findInFiles, [this, findInFiles] {
        const QString script = m_document->scriptFileName();
        if (!script.isEmpty())
            findInFiles->setDefaultFolder(QFileInfo(script).absolutePath());
        findInFiles->start(m_textArea->selectedText());
    });
    connect(findInFiles, &FindInFilesPanel::hitActivated, m_document, [this](const FileSearchHit &hit) {
        m_document->showScriptPlace(hit.path, hit.line, hit.column, hit.length);
    });
    onCommand(Command::GoToDefinition, m_definitions, &DefinitionCommands::goToDefinition);
    onCommand(Command::FindReferences, m_definitions, &DefinitionCommands::findReferences);
    connect(m_definitions, &DefinitionCommands::statusText, this, &MainWindow::setStatusText);

    onCommand(Command::InsertNpc, m_insertCommands, [this] { m_insertCommands->launchModule(ModuleType::Npc); });
    onCommand(Command::InsertShop, m_insertCommands, [this] { m_insertCommands->launchModule(ModuleType::Shop); });
    onCommand(Command::InsertMessage, m_insertCommands,
              [this] { m_insertCommands->launchModule(ModuleType::Message); });
    onCommand(Command::InsertColourCode, m_insertCommands, &InsertCommands::insertColourCode);
    onCommand(Command::BlankMessageTemplate, m_insertCommands, &InsertCommands::insertBlankMessageTemplate);

    onCommand(Command::NewProject, m_projectCommands, &ProjectCommands::newProject);
    onCommand(Command::OpenProject, m_projectCommands, &ProjectCommands::chooseAndOpenProject);
    onCommand(Command::CloseProject, m_projectCommands, &ProjectCommands::closeProject);
    onCommand(Command::ProjectProperties, m_projectCommands, &ProjectCommands::showProjectProperties);

    onCommand(Command::CheckScript, m_checkCommands, &CheckCommands::checkScript);
    onCommand(Command::CheckProject, m_problemCommands, [this] {
        QStringList files;
        for (const ProjectEntry &entry : m_projectCommands->projectFiles())
            files << entry.fileName;
        m_problemCommands->checkProject(m_projectCommands->projectPath(), files, m_scriptServer->profile(),
                                          m_checkCommands->reportsUnknownCommands());
    });
    connect(m_problemCommands, &ProblemCommands::statusText, this, &MainWindow::setStatusText);
    connect(m_projectCommands, &ProjectCommands::projectOpenChanged, m_problemCommands, [this](bool open) {
        if (!open)
            m_problemCommands->projectClosed();
    });
    onToggle(Command::ShowProblems, m_problemsPanel, &QWidget::setVisible);
    connect(m_problemsPanel, &ProblemsPanel::shownChanged, commandAction(Command::ShowProblems), &QAction::setChecked);
    m_problemsPanel->setVisible(m_problemsPanel->keptShown());
    commandAction(Command::ShowProblems)->setChecked(m_problemsPanel->keptShown());
    onToggle(Command::ReportUnknownCommands, m_checkCommands, &CheckCommands::setReportUnknownCommands);
    commandAction(Command::ReportUnknownCommands)->setChecked(m_checkCommands->reportsUnknownCommands());
    onToggle(Command::ReadOnly, m_editCommands, &EditCommands::setTextReadOnly);
    onCommand(Command::SetFont, m_editCommands, &EditCommands::chooseFont);
    onToggle(Command::ShowWhitespace, m_editCommands, &EditCommands::showWhitespace);
    auto *schemes = new SchemeCommands(*m_textArea, m_paths.SettingsIniFile, this);
    schemes->setItems(commandAction(Command::SchemeLight), commandAction(Command::SchemeDark),
                      commandAction(Command::SchemeDesktop));
    m_lastSession = new LastSession(*m_document, *m_projectCommands, *m_textArea, m_paths.SettingsIniFile, this);
    m_lastSession->setItem(commandAction(Command::RestoreLastSession));

    onCommand(Command::GoToWebsite, this, [this] { openWebsite(m_dialogs, nullptr); });
    onCommand(Command::GoToVexloForum, this, [this] { openForum(m_dialogs, nullptr); });
    onCommand(Command::GoToTamrinForum, this, [this] { openTamrinTopic(m_dialogs, nullptr); });
    onCommand(Command::About, this, [this] {
        showAbout(m_dialogs, formatTitle(m_version.major, m_version.minor, m_version.revision), m_paths.DataPath);
    });

    // Typing after a log-out question makes the next close ask again.
    connect(m_textArea, &EditControl::textEdited, this, [this] { m_closeConfirmed = false; });
#ifndef QT_NO_SESSIONMANAGER
    if (auto *app = qGuiApp)
        connect(app, &QGuiApplication::commitDataRequest, this, &MainWindow::commitData);
#endif
}

void MainWindow::setStatusText(const QString &text)
{
    if (m_channelNotice.isEmpty())
        m_status->setGeneralText(text);
    else if (text.isEmpty() || text == m_channelNotice)
        // The closed channel is no message of an action: the next edit must not clear it.
        m_status->setStartText(m_channelNotice);
    else
        m_status->setGeneralText(text + QLatin1Char(' ') + m_channelNotice);
}

void MainWindow::channelListeningChanged(bool listening, const QString &text)
{
    m_channelNotice = listening ? QString() : text;
    setStatusText(text);
}

void MainWindow::showModified(bool modified)
{
    m_status->setModifiedText(modified ? QStringLiteral("Modified") : QString());
}

void MainWindow::setProjectMenus(bool enabled)
{
    commandAction(Command::CloseProject)->setEnabled(enabled);
    commandAction(Command::ProjectProperties)->setEnabled(enabled);
}

void MainWindow::layoutClient()
{
    const QRect editor = pixelsToTwips(m_textArea->geometry());
    const MainLayout layout = computeMainLayout(pixelsToTwips(m_client->width()), pixelsToTwips(m_client->height()),
                                                editor.x(), editor.width());

    // The panes below the rule take what the text area's rules give it; within them the
    // splitter keeps the file list's width and the selection lists share the text's width.
    m_rule->resize(twipsToPixels(layout.ruleWidth), m_rule->height());
    const int rightMargin = twipsToPixels(MainWindowDesign::ClientWidth - MainWindowDesign::Editor.right() - 1);
    const int listsHeight = twipsToPixels(MainWindowDesign::Editor.top() - MainWindowDesign::ProjectSelector.top());
    m_panes->resize(m_client->width() - m_panes->x() - rightMargin, listsHeight + twipsToPixels(layout.editorHeight));

    // Toolbar and status bar are docked: full width, at the top and the bottom.
    m_toolbar->setGeometry(0, 0, m_client->width(), twipsToPixels(MainWindowDesign::Toolbar.height()));
    const int statusHeight = twipsToPixels(MainWindowDesign::StatusBar.height());
    m_status->setGeometry(0, m_client->height() - statusHeight, m_client->width(), statusHeight);
}

QAction *MainWindow::commandAction(Command command) const
{
    return m_commands.at(command);
}

EditControl *MainWindow::editControl() const
{
    return m_textArea;
}

Document *MainWindow::document() const
{
    return m_document;
}

EditCommands *MainWindow::editCommands() const
{
    return m_editCommands;
}

InsertCommands *MainWindow::insertCommands() const
{
    return m_insertCommands;
}

ProjectCommands *MainWindow::projectCommands() const
{
    return m_projectCommands;
}

CheckCommands *MainWindow::checkCommands() const
{
    return m_checkCommands;
}

ProblemCommands *MainWindow::problemCommands() const
{
    return m_problemCommands;
}

ProblemsPanel *MainWindow::problemsPanel() const
{
    return m_problemsPanel;
}

ModuleChannel *MainWindow::moduleChannel() const
{
    return m_channel;
}

CaretInsertion *MainWindow::caretInsertion() const
{
    return m_insertion;
}

StatusBar *MainWindow::statusPanels() const
{
    return m_status;
}

QWidget *MainWindow::clientArea() const
{
    return m_client;
}

PaneSplitter *MainWindow::panes() const
{
    return m_panes;
}

const AppPaths &MainWindow::paths() const
{
    return m_paths;
}

LastSession *MainWindow::lastSession() const
{
    return m_lastSession;
}

bool MainWindow::commitSession(bool mayAsk)
{
    SaveWindowMetrics(this, m_paths.SettingsIniFile);
    m_panes->storeWidth();
    m_lastSession->store();
    if (!mayAsk)
        return true;
    if (!m_document->promptSaveModified())
        return false;
    // The program is closed after the log-out; the question has been answered already.
    m_closeConfirmed = true;
    return true;
}

void MainWindow::commitData(QSessionManager &manager)
{
#ifndef QT_NO_SESSIONMANAGER
    const bool mayAsk = manager.allowsInteraction();
    const bool goOn = commitSession(mayAsk);
    if (mayAsk)
        manager.release();
    if (!goOn)
        manager.cancel();
#else
    Q_UNUSED(manager)
#endif
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    SaveWindowMetrics(this, m_paths.SettingsIniFile);
    m_panes->storeWidth();
    if (!m_closeConfirmed && !m_document->promptSaveModified()) {
        event->ignore();
        return;
    }
    // After the question, so a script saved under a new name is the one noted.
    m_lastSession->store();
    event->accept();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Only now has the client area its real size; laying out before would shrink the text
    // area to nothing, and the selection lists, which follow its previous width, with it.
    if (!m_clientSized) {
        m_clientSized = true;
        resizeDocks({m_problemsPanel}, {m_problemsPanel->sizeHint().height()}, Qt::Vertical);
        layoutClient();
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize && m_clientSized)
        layoutClient();
    return QMainWindow::eventFilter(watched, event);
}
