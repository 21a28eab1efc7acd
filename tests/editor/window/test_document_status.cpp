// What the window tells about the open script: the title in each state of the document, the
// caret and encoding panels, Reopen with Encoding, and an old message cleared by the next edit.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

#include "document.h"
#include "edit_control.h"
#include "main_window.h"
#include "menu_items.h"
#include "scripted_dialogs.h"
#include "status_bar.h"
#include "temp_tree.h"

namespace {

const QString caption = QStringLiteral("Quillmere v3.07, build#0042");
// "상점" (shop) in EUC-KR, then a line of code.
const QByteArray koreanScript("mes \"\xBB\xF3\xC1\xA1\";\r\nclose;\r\n");
// "곰" (bear) in EUC-KR: one syllable, too rare to tell from two accented Latin letters.
const QByteArray ambiguousKorean("\xB0\xF5");

enum class Step { OpenPayon, OpenMissing, Type, Undo, Save, SaveAsProntera, New };

} // namespace

Q_DECLARE_METATYPE(Step)

class TestDocumentStatus : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        TempTree tree;
        ScriptedDialogs dialogs;
        MainWindow window{tree.paths(), dialogs, ProgramVersion{3, 7, 42}};

        EditControl &editor() const { return *window.editControl(); }
        StatusBar &status() const { return *window.statusPanels(); }
        QAction *item(const char *name) const { return window.findChild<QAction *>(QLatin1String(name)); }
        bool open(const QByteArray &bytes) { return window.document()->openScriptFile(tree.write("a.txt", bytes), false); }

        void run(Step step)
        {
            Document &document = *window.document();
            switch (step) {
            case Step::OpenPayon: document.openScriptFile(tree.write("npc/payon.txt", "close;\r\n"), false); break;
            case Step::OpenMissing: document.openScriptFile(tree.path("npc/missing.txt"), false); break;
            case Step::Type: editor().replaceSelectedText(QStringLiteral("end;")); break;
            case Step::Undo: editor().undo(); break;
            case Step::Save: document.saveScript(); break;
            case Step::SaveAsProntera:
                dialogs.fileNames.enqueue(tree.path("prontera.txt"));
                document.saveScriptAs();
                break;
            case Step::New:
                dialogs.msgBoxAnswers.enqueue(MsgBoxAnswer::No);
                document.newScript();
                break;
            }
        }
    };

private Q_SLOTS:
    void titleForEachDocumentState_data()
    {
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QString>("title");
        const QString payon = QStringLiteral("payon.txt - ") + caption;
        QTest::newRow("start") << QList<Step>{} << caption;
        QTest::newRow("opened") << QList<Step>{Step::OpenPayon} << payon;
        QTest::newRow("opened, typed") << QList<Step>{Step::OpenPayon, Step::Type} << "*" + payon;
        QTest::newRow("typed, undone") << QList<Step>{Step::OpenPayon, Step::Type, Step::Undo} << payon;
        QTest::newRow("typed, saved") << QList<Step>{Step::OpenPayon, Step::Type, Step::Save} << payon;
        QTest::newRow("untitled saved as") << QList<Step>{Step::Type, Step::SaveAsProntera}
                                           << QStringLiteral("prontera.txt - ") + caption;
        QTest::newRow("new after open") << QList<Step>{Step::OpenPayon, Step::Type, Step::New} << caption;
        QTest::newRow("failed open") << QList<Step>{Step::OpenPayon, Step::Type, Step::OpenMissing} << "*" + payon;
    }

    void titleForEachDocumentState()
    {
        QFETCH(QList<Step>, steps);
        QFETCH(QString, title);
        Fixture f;
        for (Step step : steps)
            f.run(step);
        QCOMPARE(f.window.windowTitle(), title);
    }

    void caretPanel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("shown");
        QTest::newRow("third line") << "a\r\nb\r\nclose;" << 2 << 3 << "Ln 3, Col 4";
        // Columns count characters, not the three bytes of each Hangul syllable.
        QTest::newRow("after Hangul") << "mes \"상점\";" << 0 << 7 << "Ln 1, Col 8";
        QTest::newRow("past the line's end") << "ab\ncd" << 0 << 9 << "Ln 1, Col 3";
    }

    void caretPanel()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, shown);
        Fixture f;
        f.window.show();   // the text reports its caret as it redraws
        f.editor().replaceSelectedText(text);
        f.editor().moveCaret(line, column);
        auto *panel = f.status().findChild<QLabel *>(QStringLiteral("_position"));
        QTRY_COMPARE(panel->text(), shown);
        QCOMPARE(panel->accessibleDescription(), shown.replace("Ln", "Line").replace("Col", "column"));
        QVERIFY(panel->accessibleName().isEmpty());   // heard by its text as it changes
    }

    void encodingPanel_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("Windows-1252 gains Hangul") << QByteArray("caf\xE9;") << "Windows-1252" << "상" << "UTF-8";
        QTest::newRow("EUC-KR") << koreanScript << "EUC-KR" << "점" << "EUC-KR";
        QTest::newRow("EUC-KR gains an emoji") << koreanScript << "EUC-KR" << "😀" << "UTF-8";
        QTest::newRow("Shift-JIS") << QByteArray("\x82\xA0\x82\xE8\x82\xAA\x82\xC6\x82\xA4") << "Shift-JIS" << "x"
                                   << "Shift-JIS";
    }

    void encodingPanel()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, opened);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        Fixture f;
        QCOMPARE(f.status().encodingText(), QStringLiteral("UTF-8"));
        QVERIFY(f.open(bytes));
        QCOMPARE(f.status().encodingText(), opened);
        f.editor().replaceSelectedText(typed);
        QVERIFY(f.window.document()->saveScript());
        QCOMPARE(f.status().encodingText(), saved);
        f.run(Step::New);
        QCOMPARE(f.status().encodingText(), QStringLiteral("UTF-8"));
    }

    void reopenWithEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("message");
        QTest::newRow("Windows-1252 as Korean") << ambiguousKorean << "mENCODINGEUCKR" << "곰" << "EUC-KR"
                                                << "The script has been reopened as EUC-KR.";
        QTest::newRow("Korean as Windows-1252") << koreanScript << "mENCODINGWINDOWS1252"
                                                << "mes \"»óÁ¡\";\r\nclose;\r\n" << "Windows-1252"
                                                << "The script has been reopened as Windows-1252.";
        QTest::newRow("Korean as UTF-8 refused") << koreanScript << "mENCODINGUTF8" << "mes \"상점\";\r\nclose;\r\n"
                                                 << "EUC-KR"
                                                 << "The script could not be reopened as UTF-8: The file holds "
                                                    "bytes that are not valid in that encoding.";
    }

    void reopenWithEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QString, encoding);
        QFETCH(QString, message);
        Fixture f;
        QVERIFY(f.open(bytes));
        f.item(qPrintable(item))->trigger();
        QCOMPARE(f.editor().text(), text);
        QCOMPARE(f.status().encodingText(), encoding);
        QCOMPARE(f.status().generalText(), message);
        auto *menu = f.window.findChild<QMenu *>(QStringLiteral("mFILEREOPENWITHENCODING"));
        for (QAction *choice : menu->actions())
            QCOMPARE(choice->isChecked(), choice->text().contains(encoding));
        // Saved unchanged, the file keeps its bytes whatever it was read as.
        QVERIFY(f.window.document()->saveScript());
        QCOMPARE(f.tree.read("a.txt"), bytes);
    }

    void reopenNeedsAFileAndAsksAboutChanges()
    {
        Fixture f;
        f.item("mENCODINGGBK")->trigger();
        QCOMPARE(f.status().generalText(), QStringLiteral("The script has no file to reopen; save it first."));
        QVERIFY(f.item("mENCODINGUTF8")->isChecked());
        QVERIFY(f.open(ambiguousKorean));
        f.editor().replaceSelectedText(QStringLiteral("x"));
        f.dialogs.msgBoxAnswers.enqueue(MsgBoxAnswer::None);   // closed without an answer
        f.item("mENCODINGEUCKR")->trigger();
        QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
        QVERIFY(f.editor().text().startsWith(QLatin1Char('x')));
        QVERIFY(f.item("mENCODINGWINDOWS1252")->isChecked());
    }

    void earlierMessageClearsOnTheNextEdit()
    {
        Fixture f;
        f.run(Step::OpenPayon);
        QCOMPARE(f.status().generalText(), QStringLiteral("The selected script has been loaded successfully."));
        f.editor().replaceSelectedText(QStringLiteral("x"));
        QVERIFY(f.status().generalText().isEmpty());
        // A command that edits and then reports keeps its own message.
        menuItem(f.window, QStringLiteral("mINSERTCMDS_INTERFACE_0"))->trigger();
        QVERIFY(f.status().generalText().startsWith(QStringLiteral("mes \"message\"")));
    }

    void choosingAFileInTheListFocusesTheText()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.run(Step::OpenPayon);
        f.run(Step::New);
        f.window.findChild<QComboBox *>(QStringLiteral("cboProject"))->setCurrentIndex(0);   // Recent Files
        auto *list = f.window.findChild<QTreeWidget *>(QStringLiteral("lvwProject"));
        list->setFocus();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("payon.txt - ") + caption);
        QTRY_VERIFY(f.editor().hasFocus());
    }
};

QTEST_MAIN(TestDocumentStatus)
#include "test_document_status.moc"
