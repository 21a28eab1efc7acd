// The main window: menu tree, toolbar, status panels, title, layout, closing and its commands.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
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
#include "help_commands.h"
#include "ini.h"
#include "main_window.h"
#include "scripted_dialogs.h"
#include "status_bar.h"
#include "temp_tree.h"
#include "window_layout.h"

namespace {
constexpr MsgBoxAnswer Yes = MsgBoxAnswer::Yes;
constexpr MsgBoxAnswer No = MsgBoxAnswer::No;
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
        void trigger(const char *name) const { window.action(QLatin1String(name))->trigger(); }
    };

    std::unique_ptr<Fixture> m_shared;

private Q_SLOTS:
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
        QCOMPARE(FormatTitle(major, minor, revision), title);
    }

    void startState()
    {
        Fixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("wMain"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Quillmere v3.07, build#0042"));
        QCOMPARE(f.general(), QStringLiteral("Welcome to the Quillmere ..."));
        QVERIFY(f.window.statusPanels()->modifiedText().isEmpty());
        QVERIFY(!f.window.action(QStringLiteral("mCLOSEPROJECT"))->isEnabled());
        QVERIFY(!f.window.action(QStringLiteral("mPROJECTPROPERTIES"))->isEnabled());
        QVERIFY(!f.window.action(QStringLiteral("mSEPARATOR17"))->isEnabled());
        QVERIFY(f.window.action(QStringLiteral("mHIGHLIGHTINGTYPE_0"))->isChecked());
        // Without a definition file the language is there all the same, with empty lists.
        QCOMPARE(f.editor().language(), QStringLiteral("NPC Script"));
        for (int i = 1; i < 10; ++i)
            QVERIFY(!f.window.action(QStringLiteral("mHIGHLIGHTINGTYPE_%1").arg(i))->isChecked());
        QVERIFY(!f.window.action(QStringLiteral("mOPTIONSREADONLY"))->isChecked());
        QVERIFY(!f.window.action(QStringLiteral("mVIEWSHOWWHITESPACE"))->isChecked());

        auto *project = f.window.findChild<QComboBox *>(QStringLiteral("cboProject"));
        QCOMPARE(project->count(), 2);
        QCOMPARE(project->currentText(), QStringLiteral("Project Files"));
        auto *npc = f.window.findChild<QComboBox *>(QStringLiteral("cboNPC"));
        QCOMPARE(npc->currentText(), QStringLiteral("NPC Selection List.."));
        QVERIFY(!npc->isEnabled());
        auto *unused = f.window.findChild<QComboBox *>(QStringLiteral("cboUnused"));
        QCOMPARE(unused->currentText(), QStringLiteral("Unused Selection List.."));
        QVERIFY(!unused->isEnabled());
        QVERIFY(f.window.findChild<QWidget *>(QStringLiteral("txtMiscFunctions"))->isHidden());

        const QStringList panels = {QStringLiteral("_general"), QStringLiteral("_modified"),
                                    QStringLiteral("_capslock"), QStringLiteral("_numlock")};
        for (const QString &key : panels)
            QVERIFY2(f.window.findChild<QLabel *>(key), qPrintable(key));
    }

    void editorDefaults()
    {
        Fixture f;
        QCOMPARE(f.editor().editorFont().family(), QStringLiteral("Courier New"));
        QCOMPARE(f.editor().editorFont().pointSize(), 9);
        QCOMPARE(f.editor().tabWidth(), 4);
        QCOMPARE(f.editor().elementColour(EditorElement::CurrentLineBackground), QColor(240, 240, 240));
        QCOMPARE(f.editor().elementColour(EditorElement::KeywordText), QColor(0, 0, 255));
        QCOMPARE(f.editor().elementColour(EditorElement::NumberText), QColor(128, 0, 225));
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");

        const char *rows[][4] = {
            {"mFILE", "", "File", ""},
            {"mNEWFILE", "mFILE", "New File", "Ctrl+N"},
            {"mOPENFILE", "mFILE", "Open File..", "Ctrl+O"},
            {"mFILEINSERTFILE", "mFILE", "Insert File..", ""},
            {"mSAVEFILE", "mFILE", "Save", "Ctrl+S"},
            {"mSAVEAS", "mFILE", "Save As..", ""},
            {"mSEPERATOR0", "mFILE", "-", ""},
            {"mSEPARATOR17", "mFILE", "Print..", ""},
            {"mSEPARATOR14", "mFILE", "-", ""},
            {"mQUIT", "mFILE", "Quit", ""},
            {"mEDIT", "", "Edit", ""},
            {"mEDITUNDO", "mEDIT", "Undo", ""},
            {"mEDITREDO", "mEDIT", "Redo", ""},
            {"mSEPARATOR2", "mEDIT", "-", ""},
            {"mEDITCUT", "mEDIT", "Cut", ""},
            {"mEDITCOPY", "mEDIT", "Copy", ""},
            {"mEDITPASTE", "mEDIT", "Paste", ""},
            {"mSEPRATOR3", "mEDIT", "-", ""},
            {"mEDITSELECTALL", "mEDIT", "Select All", ""},
            {"mSEARCH", "", "Search", ""},
            {"mSEARCHFIND", "mSEARCH", "Find", "Ctrl+F"},
            {"mSEARCHFINDNEXT", "mSEARCH", "Find Next", "F3"},
            {"mSEARCHFINDPREVIOUS", "mSEARCH", "Find Previous", "Ctrl+F3"},
            {"mSEARCHREPLACE", "mSEARCH", "Replace", "Ctrl+H"},
            {"mSEPARATOR10", "mSEARCH", "-", ""},
            {"mSEARCHGOTOLINE", "mSEARCH", "Go to Line", ""},
            {"mSEPARATOR11", "mSEARCH", "-", ""},
            {"mINSERT", "", "Insert", ""},
            {"mINSERTNPC", "mINSERT", "NPC", ""},
            {"mINSERTSHOP", "mINSERT", "Shop", ""},
            {"mSAYMARK", "mINSERT", "Message", "Ctrl+M"},
            {"mINSERTCOLOURCODE", "mINSERT", "Colour Code", ""},
            {"mSEPARATOR7", "mINSERT", "-", ""},
            {"mINSERTCOMMANDS", "mINSERT", "Commands", ""},
            {"mINSERTCOMMANDSINTERFACE", "mINSERTCOMMANDS", "Interface", ""},
            {"mINSERTCOMMANDSACTION", "mINSERTCOMMANDS", "Action", ""},
            {"mINSERTCOMMANDSLOGIC", "mINSERTCOMMANDS", "Logic", ""},
            {"mINSERTCMDS_INTERFACE_0", "mINSERTCOMMANDSINTERFACE", "Message", ""},
            {"mINSERTCMDS_ACTION_0", "mINSERTCOMMANDSACTION", "JobChange", ""},
            {"mINSERTCMDS_LOGIC_0", "mINSERTCOMMANDSLOGIC", "If", ""},
            {"mTEMPLATES", "mINSERT", "Templates", ""},
            {"mNPCBLANKMESSAGE", "mTEMPLATES", "NPC - Blank Message", ""},
            {"mPROJECT", "", "Project", ""},
            {"mNEWPROJECT", "mPROJECT", "New Project", ""},
            {"mOPENPROJECT", "mPROJECT", "Open Project..", ""},
            {"mCLOSEPROJECT", "mPROJECT", "Close Project", ""},
            {"mSEPARATOR8", "mPROJECT", "-", ""},
            {"mPROJECTPROPERTIES", "mPROJECT", "Project Properties..", ""},
            {"mDEBUG", "", "Debug", ""},
            {"mDEBUGCHECKSCRIPT", "mDEBUG", "Check Script", "F7"},
            {"mDEBUGUNKNOWNCOMMANDS", "mDEBUG", "Report Unknown Commands", ""},
            {"mOPTIONS", "", "Options", ""},
            {"mOPTIONSREADONLY", "mOPTIONS", "Read Only", ""},
            {"mVIEW", "", "View", ""},
            {"mVIEWVIEWAS", "mVIEW", "Highlighting Type..", ""},
            {"mHIGHLIGHTINGTYPE_0", "mVIEWVIEWAS", "NPC Script", ""},
            {"mHIGHLIGHTINGTYPE_1", "mVIEWVIEWAS", "-", ""},
            {"mHIGHLIGHTINGTYPE_2", "mVIEWVIEWAS", "<none>", ""},
            {"mHIGHLIGHTINGTYPE_3", "mVIEWVIEWAS", "C/C++", ""},
            {"mHIGHLIGHTINGTYPE_4", "mVIEWVIEWAS", "Basic", ""},
            {"mHIGHLIGHTINGTYPE_5", "mVIEWVIEWAS", "Java", ""},
            {"mHIGHLIGHTINGTYPE_6", "mVIEWVIEWAS", "Pascal", ""},
            {"mHIGHLIGHTINGTYPE_7", "mVIEWVIEWAS", "SQL", ""},
            {"mHIGHLIGHTINGTYPE_8", "mVIEWVIEWAS", "HTML", ""},
            {"mHIGHLIGHTINGTYPE_9", "mVIEWVIEWAS", "XML", ""},
            {"mSEPARATOR12", "mVIEW", "-", ""},
            {"mVIEWSETFONT", "mVIEW", "Set Font..", ""},
            {"mSEPARATOR16", "mVIEW", "-", ""},
            {"mVIEWSHOWWHITESPACE", "mVIEW", "Show Whitespace", ""},
            {"mHELP", "", "Help", ""},
            {"mHELPGOTOWEBSITE", "mHELP", "Go to website..", ""},
            {"mHELPGOTOVEXLOFORUM", "mHELP", "Go to Vexlo forum..", ""},
            {"mHELPGOTOTAMRINFORUM", "mHELP", "Go to Tamrin forum..", ""},
            {"mSEPARATOR5", "mHELP", "-", ""},
            {"mHELPABOUT", "mHELP", "About", ""},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1])
                                  << QString::fromLatin1(row[2]) << QString::fromLatin1(row[3]);
    }

    void menuItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);

        if (!m_shared)
            m_shared = std::make_unique<Fixture>(); // one window serves every row
        Fixture *f = m_shared.get();
        QAction *item = f->window.action(name);
        QVERIFY(item);
        if (caption == QLatin1String("-")) {
            QVERIFY(item->isSeparator());
        } else {
            QString text = item->text();
            text.remove(QLatin1Char('&'));
            QCOMPARE(text, caption);
        }
        QCOMPARE(item->shortcut(), QKeySequence(shortcut, QKeySequence::PortableText));

        // It hangs in its parent's menu, in the table's order relative to its siblings.
        if (parent.isEmpty()) {
            QVERIFY(f->window.menuBar()->actions().contains(item));
        } else {
            QMenu *menu = f->window.action(parent)->menu();
            QVERIFY(menu);
            QVERIFY(menu->actions().contains(item));
        }
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
        for (QAction *item : f.window.action(QStringLiteral("mFILE"))->menu()->actions())
            file.append(item->objectName());
        QCOMPARE(file, (QStringList{QStringLiteral("mNEWFILE"), QStringLiteral("mOPENFILE"),
                                    QStringLiteral("mFILEINSERTFILE"), QStringLiteral("mSAVEFILE"),
                                    QStringLiteral("mSAVEAS"), QStringLiteral("mSEPERATOR0"),
                                    QStringLiteral("mSEPARATOR17"), QStringLiteral("mSEPARATOR14"),
                                    QStringLiteral("mQUIT")}));
        QCOMPARE(f.window.action(QStringLiteral("mDEBUG"))->menu()->actions(),
                 (QList<QAction *>{f.window.action(QStringLiteral("mDEBUGCHECKSCRIPT")),
                                   f.window.action(QStringLiteral("mDEBUGUNKNOWNCOMMANDS"))}));
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
        QCOMPARE(buttons.size(), keys.size());
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons.at(i)->isSeparator(), keys.at(i).isEmpty());
            if (keys.at(i).isEmpty())
                continue;
            QCOMPARE(buttons.at(i)->objectName(), keys.at(i));
            QCOMPARE(buttons.at(i)->toolTip(), tips.at(i));
            QVERIFY2(!buttons.at(i)->icon().pixmap(16, 16).isNull(), qPrintable(keys.at(i)));
            auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(buttons.at(i)));
            // Heard by what it does, never by its key.
            QVERIFY(!button->accessibleName().isEmpty());
            QVERIFY(!button->accessibleName().startsWith(QLatin1Char('_')));
            QVERIFY(button->focusPolicy() & Qt::TabFocus);
        }
    }

    void toolbarKeys()
    {
        Fixture f;
        f.editor().replaceSelectedText(QStringLiteral("text"));
        f.editor().setModified(false);
        f.window.toolbarButtonClicked(QStringLiteral("_unknown"));
        f.window.toolbarButtonClicked(QString());
        QCOMPARE(f.editor().text(), QStringLiteral("text"));
        f.window.toolbarButtonClicked(QStringLiteral("_newfile"));
        QVERIFY(f.editor().text().isEmpty());
        QCOMPARE(f.general(), QStringLiteral("Script has been cleared."));
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
        const MainLayout l = ComputeMainLayout(clientWidth, clientHeight, editorLeft, editorWidth);
        QCOMPARE((QList<int>{l.npcListWidth, l.unusedListLeft, l.unusedListWidth, l.projectListHeight,
                             l.ruleWidth, l.editorWidth, l.editorHeight}),
                 expected);
    }

    void selectionListsCatchUpOnTheNextResize()
    {
        Fixture f;
        f.window.show();
        auto *npc = f.window.findChild<QComboBox *>(QStringLiteral("cboNPC"));
        auto *unused = f.window.findChild<QComboBox *>(QStringLiteral("cboUnused"));
        // At first show the lists take half the designed text area each (3487 twips).
        QCOMPARE(npc->width(), 232);
        QCOMPARE(unused->x(), 386);
        QCOMPARE(unused->width(), 232);
        auto *rule = f.window.findChild<QWidget *>(QStringLiteral("HRule"));
        const int editorBefore = f.editor().width();
        const int ruleBefore = rule->width();
        // Half the text area's width in twips, then back to whole pixels.
        const auto half = [](int pixels) { return qRound(pixels * 15 / 2 / 15.0); };

        f.window.resize(f.window.width() + 100, f.window.height()); // 1500 twips wider
        QCOMPARE(f.editor().width(), editorBefore + 100);
        QCOMPARE(rule->width(), ruleBefore + 100);
        QCOMPARE(npc->width(), half(editorBefore));
        f.window.resize(f.window.width(), f.window.height() + 10);
        QCOMPARE(npc->width(), half(editorBefore + 100));
        QCOMPARE(unused->x(), qRound((2295 + (editorBefore + 100) * 15 / 2 + 15) / 15.0));
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
        f.window.SetStatusText(QString());
        f.window.action(item)->trigger();
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
        f.window.SetStatusText(QStringLiteral("before"));
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
        QVERIFY(f.window.action(QStringLiteral("mOPTIONSREADONLY"))->isChecked());
        QVERIFY(f.editor().isReadOnly());
        f.trigger("mOPTIONSREADONLY");
        QVERIFY(!f.window.action(QStringLiteral("mOPTIONSREADONLY"))->isChecked());
        QVERIFY(!f.editor().isReadOnly());

        f.trigger("mVIEWSHOWWHITESPACE");
        QVERIFY(f.editor().isWhitespaceVisible());
        f.trigger("mVIEWSHOWWHITESPACE");
        QVERIFY(!f.editor().isWhitespaceVisible());
        QVERIFY(!f.window.action(QStringLiteral("mVIEWSHOWWHITESPACE"))->isChecked());
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
        f.trigger("mVIEWSETFONT");
        QCOMPARE(f.dialogs.fontRequests.size(), 1);
        QCOMPARE(f.dialogs.fontRequests.first().family(), QStringLiteral("Courier New"));
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
            checked += f.window.action(QStringLiteral("mHIGHLIGHTINGTYPE_%1").arg(i))->isChecked() ? 1 : 0;
        QCOMPARE(checked, 1);
        QVERIFY(f.window.action(QStringLiteral("mHIGHLIGHTINGTYPE_2"))->isChecked());
    }

    void npcScriptIsReadOnceAndRestored()
    {
        TempTree tree;
        tree.write(QStringLiteral("Data/NPC Script.ini"), "[Definition]\r\nKeywords=mes,close\r\n");
        ScriptedDialogs dialogs;
        MainWindow window(tree.paths(), dialogs);
        EditControl &editor = *window.editControl();
        QCOMPARE(editor.language(), QStringLiteral("NPC Script"));
        QVERIFY(window.action(QStringLiteral("mHIGHLIGHTINGTYPE_0"))->isChecked());
        editor.replaceSelectedText(QStringLiteral("MES x;"));
        const auto firstStyle = [&editor] {
            editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
            return int(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 0UL));
        };
        const int keyword = firstStyle();
        QVERIFY(keyword != 0);

        window.action(QStringLiteral("mHIGHLIGHTINGTYPE_2"))->trigger();
        QCOMPARE(editor.language(), QString());
        QFile::remove(tree.paths().ScriptIniFile);
        window.action(QStringLiteral("mHIGHLIGHTINGTYPE_0"))->trigger();
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
        QCOMPARE(about.title, QStringLiteral("Placeholder.."));
        QCOMPARE(about.text, HelpAddress::website() + QLatin1Char('|') + HelpAddress::tamrinTopic());
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
            QVERIFY(window.close());
        }
        MainWindow again(tree.paths(), dialogs);
        again.show();
        QCOMPARE(again.geometry(), QRect(40, 60, 700, 500));
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

    void everyMenuCommandIsConnected()
    {
        Fixture f;
        QCOMPARE(f.window.unknownCommandNames(), QStringList());
        // Print has no function.
        const QStringList waiting = {QStringLiteral("mSEPARATOR17")};
        QList<QMenu *> menus;
        for (QAction *top : f.window.menuBar()->actions())
            menus.append(top->menu());
        int commands = 0;
        while (!menus.isEmpty()) {
            for (QAction *item : menus.takeFirst()->actions()) {
                if (item->menu()) {
                    menus.append(item->menu());
                } else if (!item->isSeparator()) {
                    ++commands;
                    const QString name = item->objectName();
                    QVERIFY2(f.window.isCommandConnected(name) != waiting.contains(name), qPrintable(name));
                }
            }
        }
        QVERIFY(commands > waiting.size() + 20);
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
