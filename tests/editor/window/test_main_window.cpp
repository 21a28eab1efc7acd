// The main window: menu tree, toolbar, status panels, title, layout, closing and its commands.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrlQuery>
#include <QtTest>

#include "document.h"
#include "edit_control.h"
#include "find_in_files_panel.h"
#include "help_commands.h"
#include "ini.h"
#include "main_window.h"
#include "menu_items.h"
#include "script_lexer.h"
#include "check_commands.h"
#include "project_commands.h"
#include "pane_splitter.h"
#include "problem_list.h"
#include "problems_panel.h"
#include "scripted_dialogs.h"
#include "status_bar.h"
#include "temp_tree.h"
#include "window_layout.h"

namespace {
constexpr MsgBoxAnswer Yes = MsgBoxAnswer::Yes;
constexpr MsgBoxAnswer No = MsgBoxAnswer::No;

// What a command is seen to do.
enum class Effect {
    Status, Text, Clipboard, Selection, FileQuestion, Dialog, Launched, Font, Language, MessageBox, Checked,
    Closed, Disabled,
};
}

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        TempTree tree;
        ScriptedDialogs dialogs;
        // A fixed version, so the title test does not follow every release.
        MainWindow window{tree.paths(), dialogs, ProgramVersion{3, 7, 42}};

        QString general() const { return window.statusPanels()->generalText(); }
        EditControl &editor() const { return *window.editControl(); }
        void trigger(const char *name) const { menuItem(window, QLatin1String(name))->trigger(); }
    };

    std::unique_ptr<Fixture> m_shared;

private Q_SLOTS:
    // The shared window goes once its rows are done: it holds this process's module channel.
    void init()
    {
        if (qstrcmp(QTest::currentTestFunction(), "menuItems") != 0)
            m_shared.reset();
    }

    void title_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("title");
        QTest::newRow("this build") << 0 << 10 << 26 << QStringLiteral("Quillmere v0.10, build#0026");
        QTest::newRow("one-digit minor") << 1 << 5 << 3 << QStringLiteral("Quillmere v1.05, build#0003");
        QTest::newRow("three-digit minor") << 2 << 123 << 4567 << QStringLiteral("Quillmere v2.123, build#4567");
    }

    void title()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, title);
        QCOMPARE(formatTitle(major, minor, revision), title);
    }

    void startState()
    {
        Fixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("wMain"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Quillmere v3.07, build#0042"));
        QCOMPARE(f.general(), QStringLiteral("Welcome to the Quillmere ..."));
        QVERIFY(f.window.statusPanels()->modifiedText().isEmpty());
        QVERIFY(!menuItem(f.window, QStringLiteral("mCLOSEPROJECT"))->isEnabled());
        QVERIFY(!menuItem(f.window, QStringLiteral("mPROJECTPROPERTIES"))->isEnabled());
        QVERIFY(!menuItem(f.window, QStringLiteral("mSEPARATOR17"))->isEnabled());
        QVERIFY(menuItem(f.window, QStringLiteral("mHIGHLIGHTINGTYPE_0"))->isChecked());
        // Without a definition file the language is there all the same, with empty lists.
        QCOMPARE(f.editor().language(), QStringLiteral("NPC Script"));
        for (int i = 1; i < 10; ++i)
            QVERIFY(!menuItem(f.window, QStringLiteral("mHIGHLIGHTINGTYPE_%1").arg(i))->isChecked());
        QVERIFY(!menuItem(f.window, QStringLiteral("mOPTIONSREADONLY"))->isChecked());
        QVERIFY(!menuItem(f.window, QStringLiteral("mVIEWSHOWWHITESPACE"))->isChecked());

        auto *project = f.window.findChild<QComboBox *>(QStringLiteral("cboProject"));
        QCOMPARE(project->count(), 2);
        QCOMPARE(project->currentText(), QStringLiteral("Project Files"));
        auto *npc = f.window.findChild<QComboBox *>(QStringLiteral("cboNPC"));
        QCOMPARE(npc->currentText(), QStringLiteral("NPC Selection List.."));
        QVERIFY(!npc->isEnabled());
        auto *unused = f.window.findChild<QComboBox *>(QStringLiteral("cboUnused"));
        QCOMPARE(unused->currentText(), QStringLiteral("Unused Selection List.."));
        QVERIFY(!unused->isEnabled());

        const QStringList panels = {QStringLiteral("_general"), QStringLiteral("_modified"),
                                    QStringLiteral("_capslock"), QStringLiteral("_numlock")};
        for (const QString &key : panels)
            QVERIFY2(f.window.findChild<QLabel *>(key), qPrintable(key));
    }

    void startLook()
    {
        Fixture f;
        EditControl &editor = f.editor();
        // Script text lines up in columns: a tab reaches column 4.
        editor.setText(QStringLiteral("\tx"));
        QCOMPARE(int(editor.SendScintilla(QsciScintillaBase::SCI_GETCOLUMN, 1UL)), 4);
        // Keywords, comments and strings of the script language stand apart from plain text.
        QsciLexer *language = editor.lexer();
        QVERIFY(language);
        const QColor plain = language->color(0);
        const QList<QColor> parts = {language->color(ScriptLexer::Keyword), language->color(ScriptLexer::Comment),
                                     language->color(ScriptLexer::String)};
        for (const QColor &part : parts)
            QVERIFY(part != plain);
        QVERIFY(parts.at(0) != parts.at(1) && parts.at(1) != parts.at(2));
        // The caret's line is highlighted.
        QVERIFY(editor.SendScintilla(QsciScintillaBase::SCI_GETCARETLINEVISIBLE) != 0);
    }

    void shortcuts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shortcut");
        const char *rows[][2] = {
            {"mNEWFILE", "Ctrl+N"}, {"mOPENFILE", "Ctrl+O"}, {"mSAVEFILE", "Ctrl+S"}, {"mSEARCHFIND", "Ctrl+F"},
            {"mSEARCHFINDNEXT", "F3"}, {"mSEARCHFINDPREVIOUS", "Ctrl+F3"}, {"mSEARCHREPLACE", "Ctrl+H"},
            {"mSAYMARK", "Ctrl+M"}, {"mDEBUGCHECKSCRIPT", "F7"}, {"mSEARCHGOTOLINE", "Ctrl+G"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }

    void shortcuts()
    {
        QFETCH(QString, name);
        QFETCH(QString, shortcut);
        if (!m_shared)
            m_shared = std::make_unique<Fixture>(); // one window serves every row
        QAction *item = menuItem(m_shared->window, name);
        QVERIFY(item);
        QCOMPARE(item->shortcut(), QKeySequence(shortcut, QKeySequence::PortableText));
    }

    // Every item of every menu is named once and has a caption to be heard by.
    void menuItemsAreNamedOnce()
    {
        Fixture f;
        QSet<QString> names;
        QList<QMenu *> menus;
        for (QAction *top : f.window.menuBar()->actions())
            menus.append(top->menu());
        int items = 0;
        while (!menus.isEmpty()) {
            for (QAction *item : menus.takeFirst()->actions()) {
                QVERIFY2(!names.contains(item->objectName()), qPrintable(item->objectName()));
                names.insert(item->objectName());
                if (item->menu())
                    menus.append(item->menu());
                if (!item->isSeparator()) {
                    QVERIFY2(!item->text().isEmpty(), qPrintable(item->objectName()));
                    ++items;
                }
            }
        }
        QVERIFY(items > 60);
    }

    void menuOrderFollowsTheTable()
    {
        Fixture f;
        QStringList topLevel;
        for (QAction *item : f.window.menuBar()->actions())
            topLevel.append(item->objectName());
        QCOMPARE(topLevel, (QStringList{QStringLiteral("mFILE"), QStringLiteral("mEDIT"), QStringLiteral("mSEARCH"),
                                        QStringLiteral("mINSERT"), QStringLiteral("mPROJECT"), QStringLiteral("mDEBUG"),
                                        QStringLiteral("mOPTIONS"), QStringLiteral("mVIEW"), QStringLiteral("mHELP")}));
        QStringList file;
        for (QAction *item : menuItem(f.window, QStringLiteral("mFILE"))->menu()->actions())
            file.append(item->objectName());
        QCOMPARE(file, (QStringList{QStringLiteral("mNEWFILE"), QStringLiteral("mOPENFILE"),
                                    QStringLiteral("mFILEINSERTFILE"), QStringLiteral("mSAVEFILE"),
                                    QStringLiteral("mSAVEAS"), QStringLiteral("mFILEREOPENWITHENCODING"),
                                    QStringLiteral("mSEPERATOR0"),
                                    QStringLiteral("mSEPARATOR17"), QStringLiteral("mSEPARATOR14"),
                                    QStringLiteral("mQUIT")}));
        QCOMPARE(menuItem(f.window, QStringLiteral("mDEBUG"))->menu()->actions(),
                 (QList<QAction *>{menuItem(f.window, QStringLiteral("mDEBUGCHECKSCRIPT")),
                                   menuItem(f.window, QStringLiteral("mDEBUGCHECKPROJECT")),
                                   menuItem(f.window, QStringLiteral("mDEBUGUNKNOWNCOMMANDS"))}));
    }

    void toolbar()
    {
        Fixture f;
        auto *bar = f.window.findChild<QToolBar *>(QStringLiteral("tbrMain"));
        QVERIFY(bar);
        const QList<QAction *> buttons = bar->actions();
        const QStringList keys = {QStringLiteral("_newfile"), QStringLiteral("_openfile"), QStringLiteral("_savefile"),
                                  QString(), QStringLiteral("_insertnpc"), QStringLiteral("_saymark"),
                                  QStringLiteral("_insertcolour")};
        const QStringList tips = {QStringLiteral("Clears the current script."), QStringLiteral("Opens an existing script."),
                                  QStringLiteral("Saves the current script."), QString(),
                                  QStringLiteral("Displays the Create Folkmint."),
                                  QStringLiteral("Displays the Saymark wizard."),
                                  QStringLiteral("Inserts a HEX colour code into the script.")};
        const QStringList menus = {QStringLiteral("mNEWFILE"), QStringLiteral("mOPENFILE"), QStringLiteral("mSAVEFILE"),
                                   QString(), QStringLiteral("mINSERTNPC"), QStringLiteral("mSAYMARK"),
                                   QStringLiteral("mINSERTCOLOURCODE")};
        QCOMPARE(buttons.size(), keys.size());
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons.at(i)->isSeparator(), keys.at(i).isEmpty());
            if (keys.at(i).isEmpty())
                continue;
            // The button is its menu item's action.
            QCOMPARE(buttons.at(i), menuItem(f.window, menus.at(i)));
            QCOMPARE(buttons.at(i)->toolTip(), tips.at(i));
            QVERIFY2(!buttons.at(i)->icon().pixmap(16, 16).isNull(), qPrintable(keys.at(i)));
            QVERIFY(!buttons.at(i)->isIconVisibleInMenu());
            auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(buttons.at(i)));
            QCOMPARE(button->objectName(), keys.at(i));
            // Heard by what it does, never by its key.
            QVERIFY(!button->accessibleName().isEmpty());
            QVERIFY(!button->accessibleName().startsWith(QLatin1Char('_')));
            QVERIFY(button->focusPolicy() & Qt::TabFocus);
        }
    }

    void modifiedPanelFollowsTheEditor()
    {
        Fixture f;
        f.editor().replaceSelectedText(QStringLiteral("x"));
        QCOMPARE(f.window.statusPanels()->modifiedText(), QStringLiteral("Modified"));
        f.editor().undo();
        QVERIFY(f.window.statusPanels()->modifiedText().isEmpty());
    }

    void lockKeyPanelsWithoutPlatformSupport()
    {
        Fixture f;
        StatusBar *status = f.window.statusPanels();
        auto *caps = status->findChild<QLabel *>(QStringLiteral("_capslock"));
        auto *num = status->findChild<QLabel *>(QStringLiteral("_numlock"));
        status->showLockKeys(LockKeys{});
        QCOMPARE(caps->text(), QStringLiteral("CAPS"));
        QVERIFY(!caps->isEnabled());
        QCOMPARE(caps->accessibleDescription(), QStringLiteral("unknown"));
        status->showLockKeys(LockKeys{true, false});
        QCOMPARE(caps->text(), QStringLiteral("CAPS"));
        QVERIFY(caps->isEnabled());
        QCOMPARE(num->text(), QStringLiteral("NUM"));
        QVERIFY(!num->isEnabled());
        QCOMPARE(num->accessibleDescription(), QStringLiteral("off"));
    }

    void layoutRules_data()
    {
        QTest::addColumn<int>("clientWidth");
        QTest::addColumn<int>("clientHeight");
        QTest::addColumn<int>("editorLeft");
        QTest::addColumn<int>("editorWidth");
        QTest::addColumn<QList<int>>("expected");

        QTest::newRow("designed size") << 9315 << 6405 << 2295 << 6975
                                       << QList<int>{3487, 5797, 3487, 5295, 9915, 6975, 5290};
        QTest::newRow("odd editor width halves toward zero") << 9315 << 6405 << 2295 << 15
                                                             << QList<int>{15, 2317, 15, 5295, 9915, 6975, 5290};
        QTest::newRow("client height below 1125") << 9315 << 1000 << 2295 << 6975
                                                  << QList<int>{3487, 5797, 3487, 15, 9915, 6975, 15};
        QTest::newRow("minimized") << 0 << 0 << 2295 << 15 << QList<int>{15, 2317, 15, 15, 600, 15, 15};
    }

    void layoutRules()
    {
        QFETCH(int, clientWidth);
        QFETCH(int, clientHeight);
        QFETCH(int, editorLeft);
        QFETCH(int, editorWidth);
        QFETCH(QList<int>, expected);
        const MainLayout l = computeMainLayout(clientWidth, clientHeight, editorLeft, editorWidth);
        QCOMPARE((QList<int>{l.npcListWidth, l.unusedListLeft, l.unusedListWidth, l.projectListHeight,
                             l.ruleWidth, l.editorWidth, l.editorHeight}),
                 expected);
    }

    void panesFollowAResize_data()
    {
        QTest::addColumn<int>("wider");
        QTest::addColumn<int>("taller");
        QTest::newRow("wider") << 100 << 0;
        QTest::newRow("narrower, taller") << -101 << 60;
    }

    void panesFollowAResize()
    {
        QFETCH(int, wider);
        QFETCH(int, taller);
        Fixture f;
        f.window.show();
        auto *npc = f.window.findChild<QComboBox *>(QStringLiteral("cboNPC"));
        auto *unused = f.window.findChild<QComboBox *>(QStringLiteral("cboUnused"));
        auto *files = f.window.findChild<QTreeWidget *>(QStringLiteral("lvwProject"));
        // At first show the designed file list (2190 twips) and the text's right margin (45 twips).
        QCOMPARE(files->width(), 146);
        QWidget *client = f.window.clientArea();
        QCOMPARE(f.editor().mapTo(client, QPoint(f.editor().width(), 0)).x(), client->width() - 3);
        const int editorBefore = f.editor().width();
        const int editorHeightBefore = f.editor().height();
        const int filesBefore = files->width();

        f.window.resize(f.window.width() + wider, f.window.height() + taller);
        QCOMPARE(f.editor().width(), editorBefore + wider);
        QCOMPARE(f.editor().height(), editorHeightBefore + taller);
        QCOMPARE(files->width(), filesBefore);
        // The selection lists share the text's width at once, not a resize late.
        QVERIFY(qAbs(npc->width() - unused->width()) <= 1);
        QCOMPARE(npc->x(), f.editor().x());
        QVERIFY(qAbs(unused->geometry().right() - f.editor().geometry().right()) <= 1);
    }

    void fileListWidthIsKept_data()
    {
        QTest::addColumn<int>("dragTo");   // -1: not moved
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("width");

        QTest::newRow("not moved") << -1 << QString() << 146;
        QTest::newRow("dragged wider") << 200 << QStringLiteral("3000") << 200;
        QTest::newRow("hidden") << 0 << QStringLiteral("0") << 0;
    }

    void fileListWidthIsKept()
    {
        QFETCH(int, dragTo);
        QFETCH(QString, stored);
        QFETCH(int, width);
        TempTree tree;
        ScriptedDialogs dialogs;
        {
            MainWindow window(tree.paths(), dialogs);
            window.show();
            if (dragTo >= 0) {
                // What a drag of the handle leaves behind: the new sizes, and the splitter's signal.
                window.panes()->setFileListWidth(dragTo);
                Q_EMIT window.panes()->splitterMoved(dragTo, 1);
            }
            window.close();
        }
        QCOMPARE(ReadIni(QStringLiteral("Layout"), QStringLiteral("File List Width"), QString(),
                         tree.paths().SettingsIniFile),
                 stored);
        MainWindow again(tree.paths(), dialogs);
        again.show();
        QCOMPARE(again.panes()->fileListWidth(), width);
    }

    void editCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("selectionEnd");     // the text "warp;close;" with [0, end) selected
        QTest::addColumn<QString>("clipboardBefore");
        QTest::addColumn<QString>("text");         // afterwards
        QTest::addColumn<QString>("clipboard");    // afterwards
        QTest::addColumn<QString>("status");
        QTest::newRow("undo at start") << QStringLiteral("mEDITUNDO") << 0 << QString() << QString() << QString()
                                       << QStringLiteral("Cannot Undo; currently at end of undo buffer.");
        QTest::newRow("redo at start") << QStringLiteral("mEDITREDO") << 0 << QString() << QString() << QString()
                                       << QStringLiteral("Cannot Redo; currently at end of redo buffer.");
        QTest::newRow("cut a selection") << QStringLiteral("mEDITCUT") << 5 << QStringLiteral("old")
                                         << QStringLiteral("close;") << QStringLiteral("warp;") << QString();
        QTest::newRow("copy a selection") << QStringLiteral("mEDITCOPY") << 5 << QStringLiteral("old")
                                          << QStringLiteral("warp;close;") << QStringLiteral("warp;") << QString();
        QTest::newRow("paste over a selection") << QStringLiteral("mEDITPASTE") << 5 << QStringLiteral("end;")
                                                << QStringLiteral("end;close;") << QStringLiteral("end;") << QString();
        QTest::newRow("cut without selection") << QStringLiteral("mEDITCUT") << 0 << QStringLiteral("old")
                                               << QStringLiteral("warp;close;") << QStringLiteral("old") << QString();
    }

    void editCommands()
    {
        QFETCH(QString, item);
        QFETCH(int, selectionEnd);
        QFETCH(QString, clipboardBefore);
        QFETCH(QString, text);
        QFETCH(QString, clipboard);
        QFETCH(QString, status);
        Fixture f;
        const bool undoRedo = item == QLatin1String("mEDITUNDO") || item == QLatin1String("mEDITREDO");
        if (!undoRedo) {
            f.editor().replaceSelectedText(QStringLiteral("warp;close;"));
            f.editor().selectRange(0, selectionEnd);
        }
        QApplication::clipboard()->setText(clipboardBefore);
        f.window.setStatusText(QString());
        menuItem(f.window, item)->trigger();
        QCOMPARE(f.general(), status);
        QCOMPARE(f.editor().text(), text);
        if (!undoRedo)
            QCOMPARE(QApplication::clipboard()->text(), clipboard);
    }

    void redoAfterLastStepRedone()
    {
        Fixture f;
        f.editor().replaceSelectedText(QStringLiteral("one"));
        f.trigger("mEDITUNDO");
        QVERIFY(f.editor().text().isEmpty());
        f.trigger("mEDITREDO");
        QCOMPARE(f.editor().text(), QStringLiteral("one"));
        f.trigger("mEDITREDO");
        QCOMPARE(f.general(), QStringLiteral("Cannot Redo; currently at end of redo buffer."));
    }

    void pasteWithEmptyClipboardDoesNothing()
    {
        Fixture f;
        QApplication::clipboard()->clear();
        f.window.setStatusText(QStringLiteral("before"));
        f.trigger("mEDITPASTE");
        QVERIFY(f.editor().text().isEmpty());
        QCOMPARE(f.general(), QStringLiteral("before"));
    }

    void selectAllSelectsTheWholeText()
    {
        Fixture f;
        f.editor().replaceSelectedText(QStringLiteral("line one\r\nline two"));
        f.trigger("mEDITSELECTALL");
        QCOMPARE(f.editor().selectedText(), QStringLiteral("line one\r\nline two"));
        QCOMPARE(f.editor().text(), QStringLiteral("line one\r\nline two"));
    }

    void readOnlyAndWhitespaceToggleBack()
    {
        Fixture f;
        f.trigger("mOPTIONSREADONLY");
        QVERIFY(menuItem(f.window, QStringLiteral("mOPTIONSREADONLY"))->isChecked());
        QVERIFY(f.editor().isReadOnly());
        f.trigger("mOPTIONSREADONLY");
        QVERIFY(!menuItem(f.window, QStringLiteral("mOPTIONSREADONLY"))->isChecked());
        QVERIFY(!f.editor().isReadOnly());

        f.trigger("mVIEWSHOWWHITESPACE");
        QVERIFY(f.editor().isWhitespaceVisible());
        f.trigger("mVIEWSHOWWHITESPACE");
        QVERIFY(!f.editor().isWhitespaceVisible());
        QVERIFY(!menuItem(f.window, QStringLiteral("mVIEWSHOWWHITESPACE"))->isChecked());
    }

    void setFont_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }

    void setFont()
    {
        QFETCH(bool, confirmed);
        Fixture f;
        QFont chosen(QStringLiteral("DejaVu Sans Mono"));
        chosen.setPointSizeF(10.5);
        f.dialogs.fonts.enqueue(confirmed ? std::optional<QFont>(chosen) : std::nullopt);
        // The face the text is drawn in, whichever stands in for Courier New on this desktop.
        const QString drawn = QFontInfo(f.editor().editorFont()).family();
        f.trigger("mVIEWSETFONT");
        QCOMPARE(f.dialogs.fontRequests.size(), 1);
        QVERIFY(QFontDatabase::families().contains(drawn));
        QCOMPARE(f.dialogs.fontRequests.first().family(), drawn);
        QCOMPARE(f.dialogs.fontRequests.first().pointSize(), 9);
        QCOMPARE(f.editor().editorFont().family(),
                 confirmed ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("Courier New"));
        QCOMPARE(f.editor().editorFont().pointSize(), confirmed ? 10 : 9);
    }

    void searchDialogsDoNotBlock()
    {
        Fixture f;
        f.window.show();
        f.trigger("mSEARCHFIND");
        QTRY_VERIFY(f.window.findChild<QDialog *>(QStringLiteral("wFind")));
        f.trigger("mSEARCHREPLACE");
        QTRY_VERIFY(f.window.findChild<QDialog *>(QStringLiteral("wReplace")));
        f.trigger("mSEARCHGOTOLINE");
        QTRY_VERIFY(f.window.findChild<QDialog *>(QStringLiteral("wGoToLine")));
    }

    // A match in another file opens that file, after the question about unsaved changes, with
    // the match selected; a cancelled question keeps the open script.
    void findInFilesOpensTheMatch_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<QString>("shownFile");
        QTest::newRow("nothing to save") << false << No << "b.txt";
        QTest::newRow("edits dropped") << true << No << "b.txt";
        QTest::newRow("question closed") << true << MsgBoxAnswer::None << "a.txt";
    }

    void findInFilesOpensTheMatch()
    {
        QFETCH(bool, edited);
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(QString, shownFile);
        Fixture f;
        const QString first = f.tree.write(QStringLiteral("scripts/a.txt"), "mes \"hi\";\n");
        f.tree.write(QStringLiteral("scripts/b.txt"), "close;\n\tmes \"Élève\";\n");
        QVERIFY(f.window.document()->openScriptFile(first, true));
        if (edited)
            f.editor().insert(QStringLiteral("// "));
        f.dialogs.msgBoxAnswers.enqueue(answer);
        f.trigger("mSEARCHFINDINFILES");
        auto *panel = f.window.findChild<FindInFilesPanel *>();
        QVERIFY(panel && panel->isVisibleTo(&f.window));
        panel->setQuery({QStringLiteral("élève")});
        panel->search();
        QTRY_VERIFY(!panel->isSearching());
        QCOMPARE(panel->statusText(), QStringLiteral("1 match in 1 of 2 files."));
        auto *results = panel->findChild<QTreeWidget *>(QStringLiteral("findInFilesResults"));
        QTreeWidgetItem *match = results->topLevelItem(0)->child(0);
        Q_EMIT results->itemClicked(match, 0);
        QCOMPARE(QFileInfo(f.window.document()->scriptFileName()).fileName(), shownFile);
        if (shownFile == QLatin1String("b.txt"))
            QCOMPARE(f.editor().selectedText(), QStringLiteral("Élève"));
    }

    void shortcutsReachTheCommandsFromTheEditor_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("fileDialogTitle");
        QTest::addColumn<QString>("dialog");

        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << QStringLiteral("Select an NPC Script to open..") << QString();
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << QStringLiteral("Enter filename for this script..") << QString();
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << ctrl << QString() << QStringLiteral("wFind");
        QTest::newRow("F3") << int(Qt::Key_F3) << 0 << QString() << QStringLiteral("wFind");
        QTest::newRow("Ctrl+H") << int(Qt::Key_H) << ctrl << QString() << QStringLiteral("wReplace");
        QTest::newRow("Ctrl+G") << int(Qt::Key_G) << ctrl << QString() << QStringLiteral("wGoToLine");
    }

    void shortcutsReachTheCommandsFromTheEditor()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, fileDialogTitle);
        QFETCH(QString, dialog);
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.editor().setFocus();
        QTest::keyClick(&f.editor(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (!fileDialogTitle.isEmpty()) {
            QCOMPARE(f.dialogs.fileRequests.size(), 1);
            QCOMPARE(f.dialogs.fileRequests.first().title, fileDialogTitle);
        }
        if (!dialog.isEmpty())
            QTRY_VERIFY(f.window.findChild<QDialog *>(dialog));
    }

    void ctrlNClearsFromTheEditor()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.editor().setFocus();
        QTest::keyClicks(&f.editor(), QStringLiteral("abc"));
        QCOMPARE(f.editor().text(), QStringLiteral("abc"));
        f.dialogs.msgBoxAnswers.enqueue(No);
        QTest::keyClick(&f.editor(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(f.editor().text().isEmpty());
        QCOMPARE(f.general(), QStringLiteral("Script has been cleared."));
    }

    void highlightingType()
    {
        Fixture f;
        f.trigger("mHIGHLIGHTINGTYPE_3");
        QCOMPARE(f.editor().language(), QStringLiteral("C/C++"));
        f.trigger("mHIGHLIGHTINGTYPE_2");
        QCOMPARE(f.editor().language(), QString());
        f.trigger("mHIGHLIGHTINGTYPE_2");
        int checked = 0;
        for (int i = 0; i < 10; ++i)
            checked += menuItem(f.window, QStringLiteral("mHIGHLIGHTINGTYPE_%1").arg(i))->isChecked() ? 1 : 0;
        QCOMPARE(checked, 1);
        QVERIFY(menuItem(f.window, QStringLiteral("mHIGHLIGHTINGTYPE_2"))->isChecked());
    }

    void npcScriptIsReadOnceAndRestored()
    {
        TempTree tree;
        tree.write(QStringLiteral("Data/NPC Script.ini"), "[Definition]\r\nKeywords=mes,close\r\n");
        ScriptedDialogs dialogs;
        MainWindow window(tree.paths(), dialogs);
        EditControl &editor = *window.editControl();
        QCOMPARE(editor.language(), QStringLiteral("NPC Script"));
        QVERIFY(menuItem(window, QStringLiteral("mHIGHLIGHTINGTYPE_0"))->isChecked());
        editor.replaceSelectedText(QStringLiteral("MES x;"));
        const auto firstStyle = [&editor] {
            editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
            return int(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 0UL));
        };
        const int keyword = firstStyle();
        QVERIFY(keyword != 0);

        menuItem(window, QStringLiteral("mHIGHLIGHTINGTYPE_2"))->trigger();
        QCOMPARE(editor.language(), QString());
        QFile::remove(tree.paths().ScriptIniFile);
        menuItem(window, QStringLiteral("mHIGHLIGHTINGTYPE_0"))->trigger();
        QCOMPARE(editor.language(), QStringLiteral("NPC Script"));
        QCOMPARE(firstStyle(), keyword);
    }

    void helpMenu()
    {
        Fixture f;
        f.trigger("mHELPGOTOWEBSITE");
        f.trigger("mHELPGOTOVEXLOFORUM");
        f.trigger("mHELPGOTOTAMRINFORUM");
        QCOMPARE(f.dialogs.launched, (QStringList{HelpAddress::website(), HelpAddress::forum(),
                                                  HelpAddress::tamrinTopic()}));
        const QUrl topic(HelpAddress::tamrinTopic());
        QCOMPARE(topic.path(), QStringLiteral("/index.php"));
        QVERIFY(QUrlQuery(topic).hasQueryItem(QStringLiteral("showtopic")));

        f.trigger("mHELPABOUT");
        QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
        const MsgBoxExRequest &about = f.dialogs.msgBoxRequests.first();
        QCOMPARE(about.title, QStringLiteral("About Quillmere.."));
        const QStringList lines = about.text.split(QLatin1Char('|'));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(0), QStringLiteral("Quillmere v3.07, build#0042"));
        QVERIFY(lines.at(1).contains(QStringLiteral("NPC scripts")));
        QVERIFY(lines.at(2).contains(QStringLiteral("GNU General Public License, version 3 or later")));
        QCOMPARE(lines.at(3), QStringLiteral("Your settings and files: ") + f.window.paths().DataPath);
        QVERIFY(lines.at(4).contains(HelpAddress::website()));
        QCOMPARE(about.icon, MsgBoxIcon::Information);
        QCOMPARE(about.buttons, MsgBoxButtons::Okay);
    }

    void quit_data()
    {
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<bool>("nameGiven");
        QTest::addColumn<bool>("closes");
        QTest::newRow("no") << No << false << true;
        QTest::newRow("yes, named") << Yes << true << true;
        QTest::newRow("yes, name cancelled") << Yes << false << false;
        QTest::newRow("closed without a button") << MsgBoxAnswer::None << false << false;
    }

    void quit()
    {
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(bool, nameGiven);
        QFETCH(bool, closes);
        Fixture f;
        f.window.show();
        f.editor().replaceSelectedText(QStringLiteral("work"));
        f.dialogs.msgBoxAnswers.enqueue(answer);
        if (nameGiven)
            f.dialogs.fileNames.enqueue(f.tree.path(QStringLiteral("work.txt")));
        f.trigger("mQUIT");
        QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
        QCOMPARE(f.window.isVisible(), !closes);
        QCOMPARE(f.editor().text(), QStringLiteral("work"));
        // The bounds are stored whatever the answer.
        const QString settings = f.tree.paths().SettingsIniFile;
        for (const char *key : {"wMain X", "wMain Y", "wMain Width", "wMain Height"})
            QVERIFY(!ReadIni(QStringLiteral("Window Metrics"), QLatin1String(key), QString(), settings).isEmpty());
    }

    void quitWhileMinimizedStoresNoBounds()
    {
        Fixture f;
        f.window.show();
        f.window.setWindowState(Qt::WindowMinimized);
        f.trigger("mQUIT");
        QVERIFY(!QFile::exists(f.tree.paths().SettingsIniFile));
    }

    void boundsRoundTrip()
    {
        TempTree tree;
        ScriptedDialogs dialogs;
        {
            MainWindow window(tree.paths(), dialogs);
            window.show();
            window.setGeometry(QRect(40, 60, 700, 500));
            // The Problems panel, hidden at the first start, is left shown: closing the window
            // hides it along with the rest, which must not count as the user's choice.
            QVERIFY(!window.problemsPanel()->isVisible());
            menuItem(window, QStringLiteral("mVIEWPROBLEMS"))->trigger();
            QVERIFY(window.close());
        }
        MainWindow again(tree.paths(), dialogs);
        again.show();
        QCOMPARE(again.geometry(), QRect(40, 60, 700, 500));
        QVERIFY(again.problemsPanel()->isVisible());
        QVERIFY(menuItem(again, QStringLiteral("mVIEWPROBLEMS"))->isChecked());
    }

    // Typing is followed by a check: the panel and cboUnused list the same problems, and the
    // status bar, cleared by the edit, stays clear: a count is Check Script's answer alone.
    void typingFillsTheProblemLists()
    {
        Fixture f;
        f.window.show();
        f.window.setStatusText(QStringLiteral("Ready."));
        f.editor().insertAt(QStringLiteral("-\tscript\tGuide\t-1,{\n\tgoto L_Away;\n\tgoto L_Gone;\n}\n"), 0, 0);
        auto *unused = f.window.findChild<QComboBox *>(QStringLiteral("cboUnused"));
        QTRY_COMPARE(unused->count(), 3);
        QCOMPARE(f.window.problemsPanel()->problems().rowCount(), 2);
        QCOMPARE(unused->itemText(2), QStringLiteral("Line 3: warning: Label 'L_Gone' is not defined in this block [no-label]"));
        QCOMPARE(f.general(), QString());
    }

    void checkScriptAndOutlineFillTheSelectionLists()
    {
        Fixture f;
        f.editor().setText(QStringLiteral("-\tscript\tGuide\t-1,{\n\tgoto L_Away;\nL_Here:\n\tend;\n}\n"));
        f.trigger("mDEBUGCHECKSCRIPT");
        QTRY_COMPARE(f.general(), QStringLiteral("1 warning found."));
        auto *unused = f.window.findChild<QComboBox *>(QStringLiteral("cboUnused"));
        QVERIFY(unused->isEnabled());
        QCOMPARE(unused->itemText(0), QStringLiteral("Unused Selection List.."));
        QCOMPARE(unused->itemText(1), QStringLiteral("Line 2: warning: Label 'L_Away' is not defined in this block [no-label]"));
        auto *npc = f.window.findChild<QComboBox *>(QStringLiteral("cboNPC"));
        QTRY_VERIFY(npc->isEnabled());
        QCOMPARE(npc->itemText(0), QStringLiteral("NPC Selection List.."));
        QCOMPARE(npc->itemText(1), QStringLiteral("Guide (script)"));
        QCOMPARE(npc->itemText(2), QStringLiteral("    L_Here"));
    }

    // Every command, run from its menu item or its toolbar button, and the one thing it must be
    // seen to do. The text is "warp;close;" with "warp;" selected and "end;" on the clipboard.
    void commands_data()
    {
        QTest::addColumn<QString>("trigger");   // a menu item, or a toolbar button's key
        QTest::addColumn<Effect>("effect");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *trigger, Effect effect, const QString &expected = QString()) {
            QTest::newRow(trigger) << QString::fromLatin1(trigger) << effect << expected;
        };
        const QString openTitle = QStringLiteral("Select an NPC Script to open..");
        const QString saveTitle = QStringLiteral("Enter filename for this script..");
        row("mNEWFILE", Effect::Text, QString());
        row("_newfile", Effect::Status, QStringLiteral("Script has been cleared."));
        row("mOPENFILE", Effect::FileQuestion, openTitle);
        row("_openfile", Effect::FileQuestion, openTitle);
        row("mFILEINSERTFILE", Effect::FileQuestion, QStringLiteral("Select file to insert.."));
        row("mSAVEFILE", Effect::FileQuestion, saveTitle);
        row("_savefile", Effect::FileQuestion, saveTitle);
        row("mSAVEAS", Effect::FileQuestion, saveTitle);
        row("mSEPARATOR17", Effect::Disabled);
        row("mQUIT", Effect::Closed);
        row("mEDITUNDO", Effect::Status, QStringLiteral("Cannot Undo; currently at end of undo buffer."));
        row("mEDITREDO", Effect::Status, QStringLiteral("Cannot Redo; currently at end of redo buffer."));
        row("mEDITCUT", Effect::Text, QStringLiteral("close;"));
        row("mEDITCOPY", Effect::Clipboard, QStringLiteral("warp;"));
        row("mEDITPASTE", Effect::Text, QStringLiteral("end;close;"));
        row("mEDITSELECTALL", Effect::Selection, QStringLiteral("warp;close;"));
        row("mSEARCHFIND", Effect::Dialog, QStringLiteral("wFind"));
        row("mSEARCHFINDNEXT", Effect::Dialog, QStringLiteral("wFind"));
        row("mSEARCHFINDPREVIOUS", Effect::Dialog, QStringLiteral("wFind"));
        row("mSEARCHREPLACE", Effect::Dialog, QStringLiteral("wReplace"));
        row("mSEARCHGOTOLINE", Effect::Dialog, QStringLiteral("wGoToLine"));
        row("mINSERTNPC", Effect::Launched, QStringLiteral("Modules/Folkmint"));
        row("_insertnpc", Effect::Launched, QStringLiteral("Modules/Folkmint"));
        row("mINSERTSHOP", Effect::Launched, QStringLiteral("Modules/Bartlow"));
        row("mSAYMARK", Effect::Launched, QStringLiteral("Modules/Saymark"));
        row("_saymark", Effect::Launched, QStringLiteral("Modules/Saymark"));
        row("mINSERTCOLOURCODE", Effect::Text, QStringLiteral("^FF8000close;"));
        row("_insertcolour", Effect::Text, QStringLiteral("^FF8000close;"));
        row("mNPCBLANKMESSAGE", Effect::Text, QStringLiteral("next;close;"));
        row("mINSERTCMDS_INTERFACE_0", Effect::Text, QStringLiteral("mes \"\";close;"));
        row("mINSERTCMDS_ACTION_0", Effect::Text, QStringLiteral("jobchange \"job_\";close;"));
        row("mINSERTCMDS_LOGIC_1", Effect::Text, QStringLiteral("goto ;close;"));
        row("mNEWPROJECT", Effect::FileQuestion, QStringLiteral("Enter filename for new Project file.."));
        row("mOPENPROJECT", Effect::FileQuestion, QStringLiteral("Select project file to open.."));
        row("mCLOSEPROJECT", Effect::Status, QStringLiteral("The current project has been closed."));
        row("mPROJECTPROPERTIES", Effect::Dialog, QStringLiteral("wProject"));
        row("mDEBUGCHECKSCRIPT", Effect::Status, QStringLiteral("1 error found.")); // warp takes a map and two numbers
        row("mDEBUGCHECKPROJECT", Effect::Status, QStringLiteral("The project has no files to check."));
        row("mDEBUGUNKNOWNCOMMANDS", Effect::Checked, QStringLiteral("unknown commands unreported"));
        row("mOPTIONSREADONLY", Effect::Checked, QStringLiteral("read-only"));
        row("mVIEWSETFONT", Effect::Font, QStringLiteral("DejaVu Sans Mono"));
        row("mVIEWSHOWWHITESPACE", Effect::Checked, QStringLiteral("whitespace shown"));
        row("mVIEWPROBLEMS", Effect::Checked, QStringLiteral("problems shown"));
        row("mHIGHLIGHTINGTYPE_2", Effect::Language, QString());
        row("mHIGHLIGHTINGTYPE_3", Effect::Language, QStringLiteral("C/C++"));
        row("mHIGHLIGHTINGTYPE_9", Effect::Language, QStringLiteral("XML"));
        row("mHELPGOTOWEBSITE", Effect::Launched, QStringLiteral("https://www.quillmere.org/"));
        row("mHELPGOTOVEXLOFORUM", Effect::Launched, QStringLiteral("https://www.quillmere.org/forum/"));
        row("mHELPGOTOTAMRINFORUM", Effect::Launched, QStringLiteral("https://forum.tamrin.org/index.php?showtopic=2718"));
        row("mHELPABOUT", Effect::MessageBox, QStringLiteral("About Quillmere.."));
    }

    void commands()
    {
        QFETCH(QString, trigger);
        QFETCH(Effect, effect);
        QFETCH(QString, expected);
        Fixture f;
        f.tree.write(QStringLiteral("Data/Templates/Blank Message NPC.txt"), "next;");
        f.window.show();
        EditControl &editor = f.editor();
        editor.setText(QStringLiteral("warp;close;"));
        editor.clearUndoHistory();
        editor.setModified(false);
        editor.selectRange(0, 5);
        QApplication::clipboard()->setText(QStringLiteral("end;"));
        f.dialogs.colours.enqueue(QColor(0xFF, 0x80, 0x00));
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        f.dialogs.fonts.enqueue(font);
        // Close Project and Project Properties need a project.
        f.window.projectCommands()->openProject(f.tree.write(
            QStringLiteral("p.prj"), "[Project Information]\r\nEditor Version=0100026\r\nTotal Files=0\r\n"));
        f.window.setStatusText(QString());

        if (trigger.startsWith(QLatin1Char('_')))
            toolbarButton(f.window, trigger)->click();
        else
            menuItem(f.window, trigger)->trigger();

        switch (effect) {
        case Effect::Status:
            // Check Script reports once its model is built.
            QTRY_COMPARE(f.general(), expected);
            break;
        case Effect::Text:
            QCOMPARE(editor.text(), expected);
            break;
        case Effect::Clipboard:
            QCOMPARE(QApplication::clipboard()->text(), expected);
            break;
        case Effect::Selection:
            QCOMPARE(editor.selectedText(), expected);
            break;
        case Effect::FileQuestion:
            QCOMPARE(f.dialogs.fileRequests.size(), 1);
            QCOMPARE(f.dialogs.fileRequests.first().title, expected);
            break;
        case Effect::Dialog:
            QTRY_VERIFY(f.window.findChild<QDialog *>(expected) && f.window.findChild<QDialog *>(expected)->isVisible());
            break;
        case Effect::Launched:
            QCOMPARE(f.dialogs.launched.size(), 1);
            QVERIFY2(f.dialogs.launched.first() == expected
                         || f.dialogs.launched.first().startsWith(f.tree.root() + expected + QLatin1Char('|')),
                     qPrintable(f.dialogs.launched.first()));
            break;
        case Effect::Font:
            QCOMPARE(editor.editorFont().family(), expected);
            break;
        case Effect::Language:
            QCOMPARE(editor.language(), expected);
            QVERIFY(menuItem(f.window, trigger)->isChecked());
            break;
        case Effect::MessageBox:
            QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
            QCOMPARE(f.dialogs.msgBoxRequests.first().title, expected);
            break;
        case Effect::Checked: {
            QVERIFY(menuItem(f.window, trigger)->isCheckable());
            const bool checked = menuItem(f.window, trigger)->isChecked();
            const QMap<QString, bool> states = {
                {QStringLiteral("unknown commands unreported"), !f.window.checkCommands()->reportsUnknownCommands()},
                {QStringLiteral("read-only"), editor.isReadOnly() && checked},
                {QStringLiteral("whitespace shown"), editor.isWhitespaceVisible() && checked},
                {QStringLiteral("problems shown"), f.window.problemsPanel()->isVisible() && checked},
            };
            QVERIFY(states.value(expected));
            break;
        }
        case Effect::Closed:
            QVERIFY(!f.window.isVisible());
            break;
        case Effect::Disabled:
            QVERIFY(!menuItem(f.window, trigger)->isEnabled());
            QCOMPARE(editor.text(), QStringLiteral("warp;close;"));
            QVERIFY(f.dialogs.fileRequests.isEmpty() && f.dialogs.msgBoxRequests.isEmpty());
            break;
        }
    }

    void logOut_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("mayAsk");
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<bool>("nameGiven");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<int>("questions");
        QTest::newRow("nothing to save") << false << true << MsgBoxAnswer::None << false << true << 0;
        QTest::newRow("no") << true << true << No << false << true << 1;
        QTest::newRow("yes, saved") << true << true << Yes << true << true << 1;
        QTest::newRow("yes, name cancelled") << true << true << Yes << false << false << 1;
        QTest::newRow("closed without a button") << true << true << MsgBoxAnswer::None << false << false << 1;
        QTest::newRow("session lets nobody ask") << true << false << MsgBoxAnswer::None << false << true << 0;
    }

    void logOut()
    {
        QFETCH(bool, modified);
        QFETCH(bool, mayAsk);
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(bool, nameGiven);
        QFETCH(bool, goesOn);
        QFETCH(int, questions);
        Fixture f;
        f.window.show();
        if (modified)
            f.editor().replaceSelectedText(QStringLiteral("work"));
        f.dialogs.msgBoxAnswers.enqueue(answer);
        if (nameGiven)
            f.dialogs.fileNames.enqueue(f.tree.path(QStringLiteral("work.txt")));
        QCOMPARE(f.window.commitSession(mayAsk), goesOn);
        QCOMPARE(f.dialogs.msgBoxRequests.size(), questions);
        QVERIFY(!ReadIni(QStringLiteral("Window Metrics"), QStringLiteral("wMain Width"), QString(),
                         f.tree.paths().SettingsIniFile).isEmpty());
        QCOMPARE(QFile::exists(f.tree.path(QStringLiteral("work.txt"))), nameGiven);
        // After an answered log-out the closing does not ask a second time.
        if (goesOn && questions == 1) {
            QVERIFY(f.window.close());
            QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
        }
    }

    void everyControlHasAnAccessibleName()
    {
        Fixture f;
        const QList<QPair<QString, QString>> names = {
            {QStringLiteral("lvwProject"), QStringLiteral("Project files")},
            {QStringLiteral("cboNPC"), QStringLiteral("NPC selection list")},
            {QStringLiteral("cboUnused"), QStringLiteral("Unused selection list")},
            {QStringLiteral("maxEdit"), QStringLiteral("Script text")},
            {QStringLiteral("stbStatus"), QStringLiteral("Status bar")},
            {QStringLiteral("tbrMain"), QStringLiteral("Toolbar")}};
        for (const auto &[designed, heard] : names) {
            auto *widget = f.window.findChild<QWidget *>(designed);
            QVERIFY2(widget, qPrintable(designed));
            // On Linux a combo box is heard by its current item; its name is still set.
            QCOMPARE(widget->accessibleName(), heard);
        }
        // Screen readers read the script through the text area's accessible text.
        f.editor().replaceSelectedText(QStringLiteral("mes \"Hi\";"));
        QAccessibleInterface *text = QAccessible::queryAccessibleInterface(&f.editor());
        QVERIFY(text);
        QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Script text"));
        QVERIFY(text->textInterface());
        QCOMPARE(text->textInterface()->text(0, text->textInterface()->characterCount()),
                 QStringLiteral("mes \"Hi\";"));
        for (QAction *item : f.window.findChildren<QAction *>()) {
            if (!item->objectName().startsWith(QLatin1Char('m')) || item->isSeparator())
                continue;
            QVERIFY2(!item->text().isEmpty(), qPrintable(item->objectName()));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
