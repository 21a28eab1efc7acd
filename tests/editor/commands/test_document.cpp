// The open script's life: new, open, insert, save, save as and the unsaved-changes question.
#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include "common_dialogs.h"
#include "document.h"
#include "edit_control.h"
#include "scripted_dialogs.h"
#include "temp_tree.h"

Q_DECLARE_METATYPE(FileDialogKind)

namespace {
constexpr MsgBoxAnswer Yes = MsgBoxAnswer::Yes;
constexpr MsgBoxAnswer No = MsgBoxAnswer::No;
constexpr MsgBoxAnswer ClosedWithoutButton = MsgBoxAnswer::None;
}

class TestDocument : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        TempTree tree;
        ScriptedDialogs dialogs;
        EditControl control;
        Document document{control, dialogs, nullptr};
        QStringList statuses;

        Fixture()
        {
            QObject::connect(&document, &Document::statusText, &document,
                             [this](const QString &text) { statuses.append(text); });
            document.ResetScript();
        }

        void type(const QString &text)
        {
            control.replaceSelectedText(text);
        }
    };

private Q_SLOTS:
    void startsUntitledAndClean()
    {
        Fixture f;
        QVERIFY(f.document.scriptFileName().isEmpty());
        QVERIFY(!f.document.scriptModified());
    }

    void editingMarksTheScriptModified()
    {
        Fixture f;
        QSignalSpy spy(&f.document, &Document::modifiedChanged);
        f.type(QStringLiteral("mes \"Hello\";"));
        QVERIFY(f.document.scriptModified());
        QCOMPARE(spy.last().first().toBool(), true);
        f.control.undo();
        QVERIFY(!f.document.scriptModified());
    }

    void newScriptOnCleanScriptAsksNothing()
    {
        Fixture f;
        f.control.setText(QStringLiteral("text"));
        f.control.setModified(false);
        QVERIFY(f.document.NewScript());
        QVERIFY(f.dialogs.msgBoxRequests.isEmpty());
        QVERIFY(f.control.text().isEmpty());
        QVERIFY(!f.control.canUndo());
        QCOMPARE(f.statuses, QStringList{QStringLiteral("Script has been cleared.")});
    }

    void newScriptOnModifiedScript_data()
    {
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QStringList>("statuses");

        const QString cancelled = QStringLiteral("Script saving cancelled - no filename entered.");
        const QString clearedText = QStringLiteral("Script has been cleared.");
        const QString savedText = QStringLiteral("The script has been saved successfully.");
        QTest::newRow("no") << No << QString() << true << false << QStringList{clearedText};
        QTest::newRow("yes, then a name") << Yes << QStringLiteral("saved.txt") << true << true
                                          << QStringList{savedText, clearedText};
        // The user's text survives when the save did not happen.
        QTest::newRow("yes, then cancel the name") << Yes << QString() << false << false
                                                   << QStringList{cancelled};
        QTest::newRow("box closed without a button") << ClosedWithoutButton << QString() << false
                                                     << false << QStringList();
    }

    void newScriptOnModifiedScript()
    {
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, cleared);
        QFETCH(bool, saved);
        QFETCH(QStringList, statuses);

        Fixture f;
        f.type(QStringLiteral("npc text"));
        f.dialogs.msgBoxAnswers.enqueue(answer);
        f.dialogs.fileNames.enqueue(saveAs.isEmpty() ? QString() : f.tree.path(saveAs));

        QCOMPARE(f.document.NewScript(), cleared);
        QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
        const MsgBoxExRequest &question = f.dialogs.msgBoxRequests.first();
        QCOMPARE(question.text, QStringLiteral("The current script has been modified. Would you like to save it?"));
        QCOMPARE(question.title, QStringLiteral("Modified script.."));
        QCOMPARE(question.icon, MsgBoxIcon::Question);
        QCOMPARE(question.buttons, MsgBoxButtons::YesNo);
        QCOMPARE(question.position, 0);
        QCOMPARE(question.autoCloseSeconds, 0);

        QCOMPARE(f.control.text().isEmpty(), cleared);
        QCOMPARE(f.document.scriptModified(), !cleared);
        QCOMPARE(QFile::exists(f.tree.path(QStringLiteral("saved.txt"))), saved);
        if (saved)
            QCOMPARE(f.tree.read(QStringLiteral("saved.txt")), QByteArray("npc text"));
        QCOMPARE(f.statuses, statuses);
    }

    void openScriptLoadsTheChosenFile()
    {
        Fixture f;
        const QString path = f.tree.write(QStringLiteral("prontera.txt"), "prontera,150,150,4\tscript\r\n");
        f.dialogs.fileNames.enqueue(path);
        QVERIFY(f.document.OpenScript());

        QCOMPARE(f.dialogs.fileRequests.size(), 1);
        const FileDialogRequest &request = f.dialogs.fileRequests.first();
        QCOMPARE(request.save, false);
        QCOMPARE(request.title, QStringLiteral("Select an NPC Script to open.."));
        // Scripts offered first, then every file.
        QCOMPARE(request.filter.split(QChar(0x00AC)),
                 (QStringList{"NPC Scripts", "*.txt", "All Files", "*.*"}));
        QVERIFY(request.initialName.isEmpty() && request.initialFolder.isEmpty() && request.defaultExtension.isEmpty());

        QCOMPARE(f.control.text(), QStringLiteral("prontera,150,150,4\tscript\r\n"));
        QCOMPARE(f.document.scriptFileName(), path);
        QVERIFY(!f.document.scriptModified());
        QCOMPARE(f.statuses, QStringList{QStringLiteral("The selected script has been loaded successfully.")});
    }

    void openScriptCancelledChangesNothing()
    {
        Fixture f;
        f.type(QStringLiteral("keep"));
        f.dialogs.msgBoxAnswers.enqueue(No);
        QVERIFY(!f.document.OpenScript());
        QCOMPARE(f.control.text(), QStringLiteral("keep"));
        QVERIFY(f.statuses.isEmpty());
    }

    void openScriptOnModifiedScriptAsksFirst_data()
    {
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<bool>("loads");
        QTest::newRow("no: load without saving") << No << true;
        QTest::newRow("closed: keep the text") << ClosedWithoutButton << false;
    }

    void openScriptOnModifiedScriptAsksFirst()
    {
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(bool, loads);
        Fixture f;
        const QString path = f.tree.write(QStringLiteral("other.txt"), "other");
        f.type(QStringLiteral("unsaved"));
        f.dialogs.msgBoxAnswers.enqueue(answer);
        f.dialogs.fileNames.enqueue(path);

        QCOMPARE(f.document.OpenScript(), loads);
        QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
        QCOMPARE(f.dialogs.fileRequests.size(), loads ? 1 : 0);
        QCOMPARE(f.control.text(), loads ? QStringLiteral("other") : QStringLiteral("unsaved"));
        QCOMPARE(f.document.scriptModified(), !loads);
    }

    void failedLoadKeepsNameAndFlag_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::newRow("clean") << false;
        QTest::newRow("modified") << true;
    }

    void failedLoadKeepsNameAndFlag()
    {
        QFETCH(bool, modified);
        Fixture f;
        const QString path = f.tree.write(QStringLiteral("mine.txt"), "mine");
        QVERIFY(f.document.OpenScriptFile(path, false));
        if (modified)
            f.type(QStringLiteral("more "));
        f.statuses.clear();

        QVERIFY(!f.document.OpenScriptFile(f.tree.path(QStringLiteral("missing.txt")), false));
        QCOMPARE(f.document.scriptFileName(), path);
        QCOMPARE(f.document.scriptModified(), modified);
        QCOMPARE(f.statuses.size(), 1);
        QVERIFY(f.statuses.first().startsWith(QStringLiteral("There was an error trying to open the selected file: ")));
        QVERIFY(f.statuses.first().size() > QStringLiteral("There was an error trying to open the selected file: ").size());

        // A later save goes to the file that was open, not the one that failed.
        QVERIFY(f.document.SaveScript());
        QVERIFY(!QFile::exists(f.tree.path(QStringLiteral("missing.txt"))));
    }

    void saveOnUntitledScriptAsksForAName()
    {
        Fixture f;
        f.type(QStringLiteral("abc"));
        const QString path = f.tree.path(QStringLiteral("noextension"));
        f.dialogs.fileNames.enqueue(path);
        QVERIFY(f.document.SaveScript());

        QCOMPARE(f.dialogs.fileRequests.size(), 1);
        QCOMPARE(f.dialogs.fileRequests.first().save, true);
        QCOMPARE(f.dialogs.fileRequests.first().title, QStringLiteral("Enter filename for this script.."));
        // Saved under exactly the name typed.
        QCOMPARE(f.tree.read(QStringLiteral("noextension")), QByteArray("abc"));
        QCOMPARE(f.document.scriptFileName(), path);
        QVERIFY(!f.document.scriptModified());
        QCOMPARE(f.statuses, QStringList{QStringLiteral("The script has been saved successfully.")});

        f.type(QStringLiteral("d"));
        QVERIFY(f.document.SaveScript());
        QCOMPARE(f.dialogs.fileRequests.size(), 1);
        QCOMPARE(f.tree.read(QStringLiteral("noextension")), QByteArray("abcd"));
    }

    void saveAsCancelledKeepsTheName()
    {
        Fixture f;
        const QString path = f.tree.write(QStringLiteral("kept.txt"), "kept");
        QVERIFY(f.document.OpenScriptFile(path, true));
        QVERIFY(f.statuses.isEmpty());
        QVERIFY(!f.document.SaveScriptAs());
        QCOMPARE(f.document.scriptFileName(), path);
        QCOMPARE(f.statuses, QStringList{QStringLiteral("Script saving cancelled - no filename entered.")});
    }

    void failedSaveIsReported()
    {
        Fixture f;
        f.type(QStringLiteral("precious"));
        f.dialogs.fileNames.enqueue(f.tree.path(QStringLiteral("no/such/folder/script.txt")));
        QVERIFY(!f.document.SaveScript());
        QCOMPARE(f.statuses.size(), 1);
        QVERIFY(f.statuses.first().startsWith(QStringLiteral("There was an error trying to save the script: ")));
        QVERIFY(f.document.scriptModified());
        QCOMPARE(f.control.text(), QStringLiteral("precious"));
    }

    void failedSaveAsKeepsNameAndFlag_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<bool>("modified");
        QTest::newRow("untitled") << false << true;
        QTest::newRow("named, clean") << true << false;
        QTest::newRow("named, modified") << true << true;
    }

    void failedSaveAsKeepsNameAndFlag()
    {
        QFETCH(bool, named);
        QFETCH(bool, modified);
        Fixture f;
        const QString path = named ? f.tree.write(QStringLiteral("mine.txt"), "mine") : QString();
        if (named)
            QVERIFY(f.document.OpenScriptFile(path, true));
        if (modified)
            f.type(QStringLiteral("more "));
        f.dialogs.fileNames.enqueue(f.tree.path(QStringLiteral("no/such/folder/script.txt")));

        QVERIFY(!f.document.SaveScriptAs());
        QCOMPARE(f.document.scriptFileName(), path);
        QCOMPARE(f.document.scriptModified(), modified);
        QVERIFY(f.statuses.first().startsWith(QStringLiteral("There was an error trying to save the script: ")));
    }

    void promptSaveModified_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<bool>("nameGiven");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<int>("questions");

        QTest::newRow("clean: no question") << false << Yes << true << true << 0;
        QTest::newRow("no") << true << No << false << true << 1;
        QTest::newRow("yes, saved") << true << Yes << true << true << 1;
        QTest::newRow("yes, name cancelled") << true << Yes << false << false << 1;
        QTest::newRow("closed without a button") << true << ClosedWithoutButton << true << false << 1;
    }

    void promptSaveModified()
    {
        QFETCH(bool, modified);
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(bool, nameGiven);
        QFETCH(bool, goOn);
        QFETCH(int, questions);

        Fixture f;
        if (modified)
            f.type(QStringLiteral("x"));
        f.dialogs.msgBoxAnswers.enqueue(answer);
        if (nameGiven)
            f.dialogs.fileNames.enqueue(f.tree.path(QStringLiteral("answer.txt")));
        QCOMPARE(f.document.PromptSaveModified(), goOn);
        QCOMPARE(f.dialogs.msgBoxRequests.size(), questions);
        QCOMPARE(QFile::exists(f.tree.path(QStringLiteral("answer.txt"))), modified && answer == Yes && nameGiven);
    }

    void insertFile_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("cancelled") << false;
        QTest::newRow("chosen") << true;
    }

    void insertFile()
    {
        QFETCH(bool, chosen);
        Fixture f;
        const QString script = f.tree.write(QStringLiteral("base.txt"), "first\r\nsecond\r\n");
        const QString part = f.tree.write(QStringLiteral("part.txt"), "INSERTED ");
        QVERIFY(f.document.OpenScriptFile(script, true));
        f.control.setCursorPosition(1, 0);
        f.dialogs.fileNames.enqueue(chosen ? part : QString());

        QCOMPARE(f.document.InsertFile(), chosen);
        QCOMPARE(f.dialogs.fileRequests.first().title, QStringLiteral("Select file to insert.."));
        QCOMPARE(f.control.text(), chosen ? QStringLiteral("first\r\nINSERTED second\r\n")
                                          : QStringLiteral("first\r\nsecond\r\n"));
        QCOMPARE(f.document.scriptFileName(), script);
        QCOMPARE(f.document.scriptModified(), chosen);
        QVERIFY(f.statuses.isEmpty());
    }

    void fileQuestionsOpenWhereTheirKindLastEnded_data()
    {
        QTest::addColumn<FileDialogKind>("first");
        QTest::addColumn<QString>("firstFolder");   // "" cancels the first question
        QTest::addColumn<FileDialogKind>("second");
        QTest::addColumn<QString>("expected");
        const auto open = FileDialogKind::OpenScript, insert = FileDialogKind::InsertFile;
        const auto save = FileDialogKind::SaveScript;
        QTest::newRow("open, then open") << open << "npc/towns" << open << "npc/towns";
        QTest::newRow("open, then insert") << open << "npc/towns" << insert << "";
        QTest::newRow("insert, then insert") << insert << "parts" << insert << "parts";
        QTest::newRow("save as, then save as") << save << "out" << save << "out";
        // With no Save As yet, a named script is saved beside itself.
        QTest::newRow("open, then save as") << open << "npc/towns" << save << "npc/towns";
        QTest::newRow("cancelled open") << open << "" << open << "";
    }

    void fileQuestionsOpenWhereTheirKindLastEnded()
    {
        QFETCH(FileDialogKind, first);
        QFETCH(QString, firstFolder);
        QFETCH(FileDialogKind, second);
        QFETCH(QString, expected);
        Fixture f;
        const auto ask = [&f](FileDialogKind kind) {
            kind == FileDialogKind::OpenScript   ? f.document.OpenScript()
            : kind == FileDialogKind::InsertFile ? f.document.InsertFile()
                                                 : f.document.SaveScriptAs();
        };
        f.dialogs.fileNames.enqueue(firstFolder.isEmpty() ? QString() : f.tree.write(firstFolder + "/a.txt", "end;"));
        ask(first);
        ask(second);
        QCOMPARE(f.dialogs.fileRequests.size(), 2);
        QCOMPARE(f.dialogs.fileRequests.last().initialFolder,
                 expected.isEmpty() ? QString() : QDir::cleanPath(f.tree.path(expected)));
    }

    void saveAsProposesAScriptName_data()
    {
        QTest::addColumn<QString>("openedName");   // "" for an untitled script
        QTest::addColumn<QString>("proposed");
        QTest::newRow("untitled") << "" << "untitled.txt";
        QTest::newRow("named") << "payon" << "payon";
    }

    void saveAsProposesAScriptName()
    {
        QFETCH(QString, openedName);
        QFETCH(QString, proposed);
        Fixture f;
        if (!openedName.isEmpty())
            QVERIFY(f.document.OpenScriptFile(f.tree.write(openedName, "close;"), true));
        QVERIFY(!f.document.SaveScriptAs());
        QCOMPARE(f.dialogs.fileRequests.first().initialName, proposed);
        QCOMPARE(f.dialogs.fileRequests.first().defaultExtension, QStringLiteral("txt"));
    }
};

QTEST_MAIN(TestDocument)
#include "test_document.moc"
