// F12 and Shift+F12 in the window: from a name to its definition in another file of the
// script's folder, after the question about unsaved changes, and the References panel.
#include <QTreeWidget>
#include <QtTest>

#include "document.h"
#include "edit_control.h"
#include "main_window.h"
#include "references_panel.h"
#include "script_index.h"
#include "script_indexer.h"
#include "scripted_dialogs.h"
#include "status_bar.h"
#include "temp_tree.h"

Q_DECLARE_METATYPE(MsgBoxAnswer)

namespace {

// The server the window reads scripts with, written where it looks for its chosen one.
const QByteArray Profile = "name = Test Server\n"
                           "ignore case = yes\n"
                           "call functions by name = yes\n"
                           "[headers]\n"
                           "script script body state\n"
                           "[commands]\n"
                           "end -\n"
                           "goto l label\n"
                           "return ? value\n"
                           "callfunc s* function, argument\n"
                           "donpcevent s event\n";

const QByteArray OpenScript = "-\tscript\tGuide\t-1,{\n"
                              "\tcallfunc \"F_Pay\";\n"
                              "\tdonpcevent \"Shop::OnRestock\";\n"
                              "\tend;\n"
                              "}\n";

const QByteArray OtherScript = "function\tscript\tF_Pay\t{\n"
                               "\treturn;\n"
                               "}\n"
                               "-\tscript\tShop\t-1,{\n"
                               "\tend;\n"
                               "OnRestock:\n"
                               "\tcallfunc \"F_Pay\";\n"
                               "\tend;\n"
                               "}\n";

const QString Edit = QStringLiteral("// note\n");

// The profile and both scripts, before the window reads its profile; returns a.txt's path.
QString writeFiles(const TempTree &tree)
{
    tree.write(QStringLiteral("Data/rathena.profile"), Profile);
    tree.write(QStringLiteral("scripts/b.txt"), OtherScript);
    return tree.write(QStringLiteral("scripts/a.txt"), OpenScript);
}

struct Fixture
{
    TempTree tree;
    QString openPath = writeFiles(tree);
    ScriptedDialogs dialogs;
    MainWindow window{tree.paths(), dialogs, ProgramVersion{3, 7, 42}};

    EditControl &editor() const { return *window.editControl(); }
    QString shownFile() const { return QFileInfo(window.document()->scriptFileName()).fileName(); }
    QString status() const { return window.statusPanels()->generalText(); }

    // The window shown with a.txt open and the folder's other file indexed, the caret placed.
    bool start(bool edited, int line, int column)
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window) || !window.document()->openScriptFile(openPath, true))
            return false;
        auto *indexer = window.findChild<ScriptIndexer *>();
        if (!indexer || !QTest::qWaitFor([indexer] { return indexer->index()->fileCount() == 1; }))
            return false;
        if (edited)
            editor().insertAt(Edit, 5, 0);
        editor().setFocus();
        editor().setCursorPosition(line, column);
        return true;
    }
};

} // namespace

class TestGoToDefinition : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void f12_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<MsgBoxAnswer>("answer");       // to the unsaved-changes question, when asked
        QTest::addColumn<QString>("shownFile");
        QTest::addColumn<int>("shownLine");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("status");
        QTest::newRow("function, nothing to save") << 1 << 13 << false << MsgBoxAnswer::None << "b.txt" << 0 << "F_Pay"
                                                   << "Definition of 'F_Pay': b.txt, line 1.";
        QTest::newRow("event, edits saved first") << 2 << 22 << true << MsgBoxAnswer::Yes << "b.txt" << 5 << "OnRestock"
                                                  << "Definition of 'OnRestock': b.txt, line 6.";
        QTest::newRow("NPC, edits dropped") << 2 << 14 << true << MsgBoxAnswer::No << "b.txt" << 3 << "Shop"
                                            << "Definition of 'Shop': b.txt, line 4.";
        QTest::newRow("question closed") << 1 << 13 << true << MsgBoxAnswer::None << "a.txt" << 1 << "" << "";
        QTest::newRow("a command") << 3 << 2 << false << MsgBoxAnswer::None << "a.txt" << 3 << ""
                                   << "No definition found for 'end'.";
    }

    void f12()
    {
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(bool, edited);
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(QString, shownFile);
        QFETCH(int, shownLine);
        QFETCH(QString, selected);
        QFETCH(QString, status);
        Fixture f;
        QVERIFY(f.start(edited, line, column));
        f.dialogs.msgBoxAnswers.enqueue(answer);
        QTest::keyClick(&f.editor(), Qt::Key_F12);
        if (!status.isEmpty())
            QTRY_COMPARE(f.status(), status);
        else
            QTRY_COMPARE(f.dialogs.msgBoxRequests.size(), 1);
        // Only unsaved changes are asked about, once.
        QCOMPARE(f.dialogs.msgBoxRequests.size(), edited ? 1 : 0);
        QCOMPARE(f.shownFile(), shownFile);
        int caretLine = -1;
        int caretColumn = -1;
        f.editor().getCursorPosition(&caretLine, &caretColumn);
        QCOMPARE(caretLine, shownLine);
        QCOMPARE(f.editor().selectedText(), selected);
        QCOMPARE(f.tree.read(QStringLiteral("scripts/a.txt")).contains(Edit.toUtf8()), answer == MsgBoxAnswer::Yes);
    }

    // Shift+F12 lists the uses in both files; Enter on a row of the other file opens it there.
    void shiftF12_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("rows");      // file, line and text as the panel shows them
        QTest::addColumn<QString>("summary");
        QTest::newRow("function") << 13
                                  << QStringList{"a.txt|2|callfunc \"F_Pay\";", "b.txt|1|function\tscript\tF_Pay\t{",
                                                 "b.txt|7|callfunc \"F_Pay\";"}
                                  << "3 references to 'F_Pay' in 2 files.";
        QTest::newRow("event") << 22 << QStringList{"a.txt|3|donpcevent \"Shop::OnRestock\";", "b.txt|6|OnRestock:"}
                               << "2 references to 'OnRestock' in 2 files.";
    }

    void shiftF12()
    {
        QFETCH(int, column);
        QFETCH(QStringList, rows);
        QFETCH(QString, summary);
        Fixture f;
        QVERIFY(f.start(false, column == 13 ? 1 : 2, column));
        QTest::keyClick(&f.editor(), Qt::Key_F12, Qt::ShiftModifier);
        auto *panel = f.window.findChild<ReferencesPanel *>();
        QVERIFY(panel);
        QTRY_VERIFY(panel->isVisible());
        QCOMPARE(panel->accessibleName(), QStringLiteral("References"));
        QCOMPARE(panel->list().accessibleName(), QStringLiteral("Reference list"));
        QCOMPARE(panel->summary(), summary);
        QStringList shown;
        for (int row = 0; row < panel->list().topLevelItemCount(); ++row) {
            const QTreeWidgetItem *item = panel->list().topLevelItem(row);
            shown << QStringList{item->text(ReferencesPanel::FileColumn), item->text(ReferencesPanel::LineColumn),
                                 item->text(ReferencesPanel::TextColumn)}.join(QLatin1Char('|'));
        }
        QCOMPARE(shown, rows);
        // The last row is in b.txt: Enter opens it, the name selected.
        panel->list().setFocus();
        panel->list().setCurrentItem(panel->list().topLevelItem(rows.size() - 1));
        QTest::keyClick(&panel->list(), Qt::Key_Return);
        QCOMPARE(f.shownFile(), QStringLiteral("b.txt"));
        int line = -1;
        int at = -1;
        f.editor().getCursorPosition(&line, &at);
        QCOMPARE(line + 1, rows.last().section(QLatin1Char('|'), 1, 1).toInt());
        QCOMPARE(f.editor().selectedText(), summary.section(QLatin1Char('\''), 1, 1));
    }

    // The rows of an untitled script name its text: another script in its place drops them.
    void untitledRowsGoWithTheirScript_data()
    {
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<int>("rows");
        QTest::newRow("the script stays") << false << 2;
        QTest::newRow("New replaces it") << true << 0;
    }

    void untitledRowsGoWithTheirScript()
    {
        QFETCH(bool, replaced);
        QFETCH(int, rows);
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.editor().setText(QStringLiteral("-\tscript\tGuide\t-1,{\n\tgoto L_End;\nL_End:\n\tend;\n}\n"));
        f.editor().setFocus();
        f.editor().setCursorPosition(1, 8);
        QTest::keyClick(&f.editor(), Qt::Key_F12, Qt::ShiftModifier);
        auto *panel = f.window.findChild<ReferencesPanel *>();
        QTRY_COMPARE(panel->rows().size(), 2);
        QCOMPARE(panel->list().topLevelItem(0)->text(ReferencesPanel::FileColumn), QStringLiteral("(untitled)"));
        if (replaced) {
            f.dialogs.msgBoxAnswers.enqueue(MsgBoxAnswer::No);
            QVERIFY(f.window.document()->newScript());
        }
        QCOMPARE(panel->rows().size(), rows);
        QCOMPARE(panel->list().topLevelItemCount(), rows);
    }
};

QTEST_MAIN(TestGoToDefinition)
#include "test_go_to_definition.moc"
