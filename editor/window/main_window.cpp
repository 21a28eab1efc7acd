// wMain: builds the editor's window and connects its menus and toolbar to the commands.
#include "main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSessionManager>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "analysis_service.h"
#include "caret_insertion.h"
#include "check_commands.h"
#include "colour_swatches.h"
#include "command_catalogue.h"
#include "dialog_seam.h"
#include "document.h"
#include "edit_commands.h"
#include "edit_control.h"
#include "editor_defaults.h"
#include "help_commands.h"
#include "insert_commands.h"
#include "item_lookup.h"
#include "menu_table.h"
#include "module_channel.h"
#include "module_commands.h"
#include "outline_list.h"
#include "parse.h"
#include "project_commands.h"
#include "recent_files.h"
#include "rule_line.h"
#include "script_analyser.h"
#include "script_checker.h"
#include "script_completion.h"
#include "script_language.h"
#include "script_indexer.h"
#include "script_outline.h"
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
    const char *key;
    const char *spokenName;   // the matching menu item's caption
    const char *tooltip;
    const char *themeIcon;
};

// In toolbar order; an empty key is the separator.
const ToolbarButton toolbarButtons[] = {
    {"_newfile", "New File", "Clears the current script.", "document-new"},
    {"_openfile", "Open File", "Opens an existing script.", "document-open"},
    {"_savefile", "Save", "Saves the current script.", "document-save"},
    {"", "", "", ""},
    {"_insertnpc", "NPC", "Displays the Create Folkmint.", "contact-new"},
    {"_saymark", "Message", "Displays the Saymark wizard.", "mail-message-new"},
    {"_insertcolour", "Colour Code", "Inserts a HEX colour code into the script.", "color-picker"},
};

} // namespace

MainWindow::MainWindow(const AppPaths &paths, DialogSeam &dialogs, const ProgramVersion &version,
                       QWidget *parent)
    : QMainWindow(parent)
    , m_paths(paths)
    , m_dialogs(dialogs)
    , m_version(version)
{
    initResources();
    setObjectName(QStringLiteral("wMain"));
    createControls();
    createMenus();

    // The load sequence. The bounds are applied before the toolbar and menus fill the window,
    // and the text area's defaults before the document is reset.
    setWindowTitle(FormatTitle(m_version.major, m_version.minor, m_version.revision));
    m_highlightingItems.value(0)->setChecked(true);
    resize(twipsToPixels(MainWindowDesign::ClientWidth),
           twipsToPixels(MainWindowDesign::ClientHeight) + menuBar()->sizeHint().height());
    LoadWindowMetrics(this, m_paths.SettingsIniFile);
    createToolbar();
    m_projectSelector->addItems({QStringLiteral("Recent Files"), QStringLiteral("Project Files")});
    m_projectSelector->setCurrentIndex(1);
    createCatalogueMenus();
    SetProjectMenus(false);
    LoadLanguageDefinition(*m_editor, m_paths.ScriptIniFile, ProfileCommandNames(m_scriptServer->profile().get()));
    InitEditorControl(*m_editor);
    m_npcList->addItem(QStringLiteral("NPC Selection List.."));
    m_npcList->setCurrentIndex(0);
    m_unusedList->addItem(QStringLiteral("Unused Selection List.."));
    m_unusedList->setCurrentIndex(0);

    connectCommands();
    m_document->ResetScript();
    // The user starts typing straight away.
    m_editor->setFocus();
    // Without it the editor still works; only the modules cannot hand their text back.
    if (!m_channel->open(qint32(QCoreApplication::applicationPid())))
        SetStatusText(QStringLiteral("The module channel could not be opened: modules cannot insert their text."));
}

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

    m_editor = new EditControl(m_client);
    m_editor->setGeometry(twipsToPixels(MainWindowDesign::Editor));

    m_status = new StatusBar(m_client);
    m_status->setGeometry(twipsToPixels(MainWindowDesign::StatusBar));

    // The command box the wizard modules write into; never shown.
    m_commandBox = new QPlainTextEdit(m_client);
    nameWidget(m_commandBox, QStringLiteral("txtMiscFunctions"), tr("Module commands"));
    m_commandBox->setGeometry(twipsToPixels(MainWindowDesign::CommandBox));
    m_commandBox->hide();

    setTabOrder(m_projectSelector, m_projectList);
    setTabOrder(m_projectList, m_editor);

    m_document = new Document(*m_editor, m_dialogs, this, this);
    m_editCommands = new EditCommands(*m_editor, m_dialogs, this, this);
    m_insertion = new CaretInsertion(*m_editor);
    m_insertCommands = new InsertCommands(*m_insertion, m_dialogs, this, m_paths.TemplatesPath, this);
    m_channel = new ModuleChannel(this);
    m_moduleCommands = new ModuleCommands(*m_insertion, m_dialogs, this, m_paths, *m_commandBox,
                                          qint32(QCoreApplication::applicationPid()), this);
    m_projectCommands = new ProjectCommands(*m_document, *m_projectList, m_dialogs, this, m_version, this);
    m_recentFiles = new RecentFiles(m_paths.SettingsIniFile, this);
    m_projectCommands->setRecentFiles(m_recentFiles);
    const std::shared_ptr<const ScriptResources> script = LoadScriptResources(m_paths.ScriptIniFile);
    // One analysis of the text, shared by every feature that reads the script.
    auto *analysis = new AnalysisService(*m_editor, script);
    m_checker = new ScriptChecker(*m_editor, *analysis);
    m_checkCommands = new CheckCommands(*m_checker, *m_unusedList, m_paths.SettingsIniFile, this);
    auto *outline = new ScriptOutline(*m_editor, *analysis);
    m_outlineList = new OutlineList(*outline, *m_npcList, this);
    outline->setActive(true);
    new ColourSwatches(*m_editor, *analysis);
    auto *completion = new ScriptCompletion(*m_editor, *analysis, LanguageDefinition::tokens(script->definition.keywords));
    new ItemLookup(*m_editor, *analysis, m_paths.ItemDatabaseFile);

    // The script server's profile: the user's own folder first, then the shipped one.
    m_scriptServer = new ScriptServerChoice({m_paths.DataPath, m_paths.SharedDataPath}, m_paths.SettingsIniFile, this);
    auto *indexer = new ScriptIndexer(this);
    const ScriptReaders readers{*analysis, *completion, *indexer, *m_editor, m_paths.ScriptIniFile, script->definition};
    UseScriptProfile(readers, m_scriptServer->profile());
    connect(m_scriptServer, &ScriptServerChoice::profileChanged, this,
            [this, readers](const std::shared_ptr<const ScriptProfile> &profile) {
                UseScriptProfile(readers, profile);
                if (!profile)
                    SetStatusText(m_scriptServer->loadError());
            });
    connect(indexer, &ScriptIndexer::indexChanged, m_checker, &ScriptChecker::setIndex);
    // The other files: the project's, or the script's folder's; a saved file is read again.
    const auto indexFiles = [this, indexer] {
        QStringList projectFiles;
        for (const QString &entry : m_projectCommands->ProjectFiles())
            projectFiles << GetParameter(entry, QStringLiteral("FILENAME"));
        indexer->setFiles(IndexedFiles(projectFiles, m_document->scriptFileName()));
    };
    connect(m_document, &Document::scriptFileUsed, this, [this, indexer, indexFiles](const QString &path) {
        m_checker->setPath(QFileInfo(path).absoluteFilePath());
        indexFiles();
        indexer->fileSaved(path);
    });
    connect(m_projectCommands, &ProjectCommands::projectOpenChanged, this, indexFiles);
}

void MainWindow::createMenus()
{
    QSet<QString> submenus;
    for (const MenuEntry &entry : MainMenuTable())
        submenus.insert(QLatin1String(entry.parent));
    for (const MenuArray &array : MainMenuArrays())
        submenus.insert(QLatin1String(array.parent));

    QHash<QString, QMenu *> menus;
    for (const MenuEntry &entry : MainMenuTable()) {
        const QString name = QLatin1String(entry.name);
        const QString caption = QLatin1String(entry.caption);
        const bool topLevel = !*entry.parent;
        QMenu *parentMenu = menus.value(QLatin1String(entry.parent));
        QAction *action = nullptr;
        if (topLevel || submenus.contains(name)) {
            // Top-level menus open with Alt and their first letter.
            QMenu *menu = topLevel ? menuBar()->addMenu(QLatin1Char('&') + caption)
                                   : parentMenu->addMenu(caption);
            menu->setObjectName(name);
            menus.insert(name, menu);
            action = menu->menuAction();
        } else if (caption == QLatin1String("-")) {
            action = parentMenu->addSeparator();
        } else {
            action = parentMenu->addAction(caption);
            if (*entry.shortcut)
                action->setShortcut(QKeySequence(QLatin1String(entry.shortcut), QKeySequence::PortableText));
        }
        action->setObjectName(name);
        m_actions.insert(name, action);
    }

    for (const MenuArray &array : MainMenuArrays()) {
        QMenu *menu = menus.value(QLatin1String(array.parent));
        m_arrayMenus.insert(QLatin1String(array.prefix), menu);
        for (int i = 0; i < array.captions.size(); ++i) {
            const QString caption = QLatin1String(array.captions.at(i));
            QAction *action = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
            action->setObjectName(QLatin1String(array.prefix) + QLatin1Char('_') + QString::number(i));
            m_actions.insert(action->objectName(), action);
            if (i < array.data.size())
                action->setData(QString::fromLatin1(array.data.at(i)));
            if (qstrcmp(array.prefix, "mHIGHLIGHTINGTYPE") == 0 && !action->isSeparator()) {
                action->setCheckable(true);
                m_highlightingItems.append(action);
            }
        }
    }

    action(QStringLiteral("mSEPARATOR17"))->setEnabled(false); // "Print..": no function
    action(QStringLiteral("mOPTIONSREADONLY"))->setCheckable(true);
    action(QStringLiteral("mVIEWSHOWWHITESPACE"))->setCheckable(true);
    action(QStringLiteral("mDEBUGUNKNOWNCOMMANDS"))->setCheckable(true);

    QMenu *scriptServer = menus.value(QStringLiteral("mOPTIONS"))->addMenu(QStringLiteral("Script Server"));
    scriptServer->setObjectName(QStringLiteral("mOPTIONSSCRIPTSERVER"));
    m_scriptServer->fillMenu(*scriptServer);
}

void MainWindow::createToolbar()
{
    for (const ToolbarButton &button : toolbarButtons) {
        const QString key = QLatin1String(button.key);
        if (key.isEmpty()) {
            m_toolbar->addSeparator();
            continue;
        }
        // The desktop's picture where its theme has one; ours otherwise, with its double-size
        // twin so the toolbar stays sharp at a scale factor of 2.
        QIcon ours(QStringLiteral(":/images/%1.png").arg(key));
        ours.addFile(QStringLiteral(":/images/%1@2x.png").arg(key));
        const QIcon icon = QIcon::fromTheme(QLatin1String(button.themeIcon), ours);
        QAction *action = m_toolbar->addAction(icon, QString());
        action->setObjectName(key);
        action->setToolTip(QLatin1String(button.tooltip));
        connect(action, &QAction::triggered, this, [this, key] { toolbarButtonClicked(key); });
        if (auto *toolButton = qobject_cast<QToolButton *>(m_toolbar->widgetForAction(action))) {
            nameWidget(toolButton, key, QLatin1String(button.spokenName));
            toolButton->setAccessibleDescription(action->toolTip());
            toolButton->setFocusPolicy(Qt::TabFocus);
        }
    }
}

void MainWindow::createCatalogueMenus()
{
    const QList<QPair<CatalogueMenu, QString>> arrays = {
        {CatalogueMenu::Interface, QStringLiteral("mINSERTCMDS_INTERFACE")},
        {CatalogueMenu::Action, QStringLiteral("mINSERTCMDS_ACTION")},
        {CatalogueMenu::Logic, QStringLiteral("mINSERTCMDS_LOGIC")}};
    for (const auto &[menu, prefix] : arrays) {
        bool first = true;
        for (const CatalogueEntry &entry : CommandCatalogue()) {
            if (entry.menu != menu)
                continue;
            if (first)
                setMenuItem(action(prefix + QStringLiteral("_0")), entry.caption, entry.tag);
            else
                addMenuItem(prefix, entry.caption, entry.tag);
            first = false;
        }
    }
}

void MainWindow::setMenuItem(QAction *item, const QString &caption, const QString &tag)
{
    item->setText(caption);
    item->setData(tag);
    if (item->objectName().startsWith(QLatin1String("mINSERTCMDS_")) && !m_catalogueItems.contains(item))
        m_catalogueItems.append(item);
}

QAction *MainWindow::addMenuItem(const QString &prefix, const QString &caption, const QString &tag)
{
    QMenu *menu = m_arrayMenus.value(prefix);
    if (!menu)
        return nullptr;
    QAction *item = menu->addAction(caption);
    item->setObjectName(prefix + QLatin1Char('_') + QString::number(menu->actions().size() - 1));
    m_actions.insert(item->objectName(), item);
    setMenuItem(item, caption, tag);
    return item;
}

template<typename Receiver, typename Handler>
void MainWindow::connectAction(const char *name, Receiver *receiver, Handler handler)
{
    QAction *item = action(QLatin1String(name));
    recordConnection(item, name, item && connect(item, &QAction::triggered, receiver, handler));
}

template<typename Receiver, typename Handler>
void MainWindow::connectToggle(const char *name, Receiver *receiver, Handler handler)
{
    QAction *item = action(QLatin1String(name));
    recordConnection(item, name, item && connect(item, &QAction::toggled, receiver, handler));
}

void MainWindow::recordConnection(QAction *item, const char *name, bool connected)
{
    if (!item) {
        qWarning("No menu item named %s to connect", name);
        m_unknownCommands.append(QLatin1String(name));
    } else if (connected) {
        m_connectedCommands.insert(QLatin1String(name));
    }
}

void MainWindow::connectCommands()
{
    connect(m_document, &Document::statusText, this, &MainWindow::SetStatusText);
    connect(m_document, &Document::modifiedChanged, this, &MainWindow::SetModified);
    connect(m_editCommands, &EditCommands::statusText, this, &MainWindow::SetStatusText);
    connect(m_insertCommands, &InsertCommands::statusText, this, &MainWindow::SetStatusText);
    connect(m_moduleCommands, &ModuleCommands::statusText, this, &MainWindow::SetStatusText);
    connect(m_channel, &ModuleChannel::commandReceived, m_moduleCommands, &ModuleCommands::commandReceived);
    connect(m_channel, &ModuleChannel::frameRefused, this, &MainWindow::SetStatusText);
    connect(m_projectCommands, &ProjectCommands::statusText, this, &MainWindow::SetStatusText);
    connect(m_checkCommands, &CheckCommands::statusText, this, &MainWindow::SetStatusText);
    connect(m_projectCommands, &ProjectCommands::projectOpenChanged, this, &MainWindow::SetProjectMenus);
    connect(m_document, &Document::scriptFileUsed, m_recentFiles, &RecentFiles::add);
    // cboProject's first item is "Recent Files", its second "Project Files".
    connect(m_projectSelector, &QComboBox::currentIndexChanged, m_projectCommands,
            [this](int index) { m_projectCommands->showRecentFiles(index == 0); });

    connectAction("mNEWFILE", m_document, &Document::NewScript);
    connectAction("mOPENFILE", m_document, &Document::OpenScript);
    connectAction("mFILEINSERTFILE", m_document, &Document::InsertFile);
    connectAction("mSAVEFILE", m_document, &Document::SaveScript);
    connectAction("mSAVEAS", m_document, &Document::SaveScriptAs);
    connectAction("mQUIT", this, &QWidget::close);

    connectAction("mEDITUNDO", m_editCommands, &EditCommands::undo);
    connectAction("mEDITREDO", m_editCommands, &EditCommands::redo);
    connectAction("mEDITCUT", m_editCommands, &EditCommands::cut);
    connectAction("mEDITCOPY", m_editCommands, &EditCommands::copy);
    connectAction("mEDITPASTE", m_editCommands, &EditCommands::paste);
    connectAction("mEDITSELECTALL", m_editCommands, &EditCommands::selectAll);
    connectAction("mSEARCHFIND", m_editCommands, &EditCommands::find);
    connectAction("mSEARCHFINDNEXT", m_editCommands, &EditCommands::findNext);
    connectAction("mSEARCHFINDPREVIOUS", m_editCommands, &EditCommands::findPrevious);
    connectAction("mSEARCHREPLACE", m_editCommands, &EditCommands::replace);
    connectAction("mSEARCHGOTOLINE", m_editCommands, &EditCommands::goToLine);
    connectAction("mINSERTCOLOURCODE", m_insertCommands, &InsertCommands::InsertColourCode);
    connectAction("mNPCBLANKMESSAGE", m_insertCommands, &InsertCommands::insertBlankMessageTemplate);
    connectAction("mINSERTNPC", m_moduleCommands, [this] { m_moduleCommands->LaunchModule(ModuleType::Npc); });
    connectAction("mINSERTSHOP", m_moduleCommands, [this] { m_moduleCommands->LaunchModule(ModuleType::Shop); });
    connectAction("mSAYMARK", m_moduleCommands, [this] { m_moduleCommands->LaunchModule(ModuleType::Message); });
    // Each click reads the entry's tag anew from its item.
    for (QAction *item : std::as_const(m_catalogueItems)) {
        const QByteArray name = item->objectName().toLatin1();
        connectAction(name.constData(), this, [this, item] {
            m_insertCommands->catalogueEntryChosen(item->data().toString());
        });
    }
    connectAction("mNEWPROJECT", m_projectCommands, &ProjectCommands::NewProject);
    connectAction("mOPENPROJECT", m_projectCommands, &ProjectCommands::chooseAndOpenProject);
    connectAction("mCLOSEPROJECT", m_projectCommands, &ProjectCommands::CloseProject);
    connectAction("mPROJECTPROPERTIES", m_projectCommands, &ProjectCommands::showProjectProperties);
    connectAction("mDEBUGCHECKSCRIPT", m_checkCommands, &CheckCommands::checkScript);
    action(QStringLiteral("mDEBUGUNKNOWNCOMMANDS"))->setChecked(m_checkCommands->reportsUnknownCommands());
    connectToggle("mDEBUGUNKNOWNCOMMANDS", m_checkCommands, &CheckCommands::setReportUnknownCommands);
    connectToggle("mOPTIONSREADONLY", m_editCommands, &EditCommands::setReadOnly);
    connectAction("mVIEWSETFONT", m_editCommands, &EditCommands::setFont);
    connectToggle("mVIEWSHOWWHITESPACE", m_editCommands, &EditCommands::setWhitespaceVisible);
    for (QAction *item : std::as_const(m_highlightingItems)) {
        const QByteArray name = item->objectName().toLatin1();
        connectAction(name.constData(), this, [this, item] { highlightingTypeChosen(item); });
    }

    connectAction("mHELPGOTOWEBSITE", this, [this] { OpenWebsite(m_dialogs, nullptr); });
    connectAction("mHELPGOTOVEXLOFORUM", this, [this] { OpenForum(m_dialogs, nullptr); });
    connectAction("mHELPGOTOTAMRINFORUM", this, [this] { OpenTamrinTopic(m_dialogs, nullptr); });
    connectAction("mHELPABOUT", this, [this] { ShowAbout(m_dialogs); });

    // Typing after a log-out question makes the next close ask again.
    connect(m_editor, &QsciScintilla::textChanged, this, [this] { m_closeConfirmed = false; });
#ifndef QT_NO_SESSIONMANAGER
    if (auto *app = qGuiApp)
        connect(app, &QGuiApplication::commitDataRequest, this, &MainWindow::commitData);
#endif
}

void MainWindow::SetStatusText(const QString &text)
{
    m_status->setGeneralText(text);
}

void MainWindow::SetModified(bool modified)
{
    m_status->setModifiedText(modified ? QStringLiteral("Modified") : QString());
}

void MainWindow::SetProjectMenus(bool enabled)
{
    action(QStringLiteral("mCLOSEPROJECT"))->setEnabled(enabled);
    action(QStringLiteral("mPROJECTPROPERTIES"))->setEnabled(enabled);
}

void MainWindow::toolbarButtonClicked(const QString &key)
{
    if (key == QLatin1String("_newfile"))
        m_document->NewScript();
    else if (key == QLatin1String("_openfile"))
        m_document->OpenScript();
    else if (key == QLatin1String("_savefile"))
        m_document->SaveScript();
    else if (key == QLatin1String("_insertnpc"))
        m_moduleCommands->LaunchModule(ModuleType::Npc);
    else if (key == QLatin1String("_saymark"))
        m_moduleCommands->LaunchModule(ModuleType::Message);
    else if (key == QLatin1String("_insertcolour"))
        m_insertCommands->InsertColourCode();
}

void MainWindow::highlightingTypeChosen(QAction *item)
{
    for (QAction *other : std::as_const(m_highlightingItems))
        other->setChecked(other == item);
    if (item && item->data().isValid())
        m_editor->setLanguage(item->data().toString());
}

void MainWindow::layoutClient()
{
    const QRect editor = pixelsToTwips(m_editor->geometry());
    const MainLayout layout = ComputeMainLayout(pixelsToTwips(m_client->width()), pixelsToTwips(m_client->height()),
                                                editor.x(), editor.width());

    m_npcList->resize(twipsToPixels(layout.npcListWidth), m_npcList->height());
    m_unusedList->setGeometry(twipsToPixels(layout.unusedListLeft), m_unusedList->y(),
                              twipsToPixels(layout.unusedListWidth), m_unusedList->height());
    m_projectList->resize(m_projectList->width(), twipsToPixels(layout.projectListHeight));
    m_rule->resize(twipsToPixels(layout.ruleWidth), m_rule->height());
    m_editor->resize(twipsToPixels(layout.editorWidth), twipsToPixels(layout.editorHeight));

    // Toolbar and status bar are docked: full width, at the top and the bottom.
    m_toolbar->setGeometry(0, 0, m_client->width(), twipsToPixels(MainWindowDesign::Toolbar.height()));
    const int statusHeight = twipsToPixels(MainWindowDesign::StatusBar.height());
    m_status->setGeometry(0, m_client->height() - statusHeight, m_client->width(), statusHeight);
}

QAction *MainWindow::action(const QString &name) const
{
    return m_actions.value(name);
}

EditControl *MainWindow::editControl() const
{
    return m_editor;
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

ModuleCommands *MainWindow::moduleCommands() const
{
    return m_moduleCommands;
}

ProjectCommands *MainWindow::projectCommands() const
{
    return m_projectCommands;
}

CheckCommands *MainWindow::checkCommands() const
{
    return m_checkCommands;
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

const AppPaths &MainWindow::paths() const
{
    return m_paths;
}

bool MainWindow::isCommandConnected(const QString &name) const
{
    return m_connectedCommands.contains(name);
}

QStringList MainWindow::unknownCommandNames() const
{
    return m_unknownCommands;
}

bool MainWindow::commitSession(bool mayAsk)
{
    SaveWindowMetrics(this, m_paths.SettingsIniFile);
    if (!mayAsk)
        return true;
    if (!m_document->PromptSaveModified())
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
    if (!m_closeConfirmed && !m_document->PromptSaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Only now has the client area its real size; laying out before would shrink the text
    // area to nothing, and the selection lists, which follow its previous width, with it.
    if (!m_clientSized) {
        m_clientSized = true;
        layoutClient();
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize && m_clientSized)
        layoutClient();
    return QMainWindow::eventFilter(watched, event);
}
