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
            document.resetScript();
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
        QVERIFY(f.document.newScript());
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

        QCOMPARE(f.document.newScript(), cleared);
        QCOMPARE(f.dialogs.msgBoxRequests.size(), 1);
        const MsgBoxExRequest &question = f.dialogs.msgBoxRequests.first();
        QCOMPARE(question.text, QStringLiteral("The current script has been modified. Would you like to save it?"));
        QCOMPARE(question.title, QStringLiteral("Modified script.."));
        QCOMPARE(question.icon, MsgBoxIcon::Question);
        QCOMPARE(question.buttons, MsgBoxButtons::YesNo);
        QCOMPARE(question.position, MsgBoxPosition::Centred);
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
        QVERIFY(f.document.openScript());

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
        QVERIFY(!f.document.openScript());
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

        QCOMPARE(f.document.openScript(), loads);
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
        QVERIFY(f.document.openScriptFile(path, false));
        if (modified)
            f.type(QStringLiteral("more "));
        f.statuses.clear();

        QVERIFY(!f.document.openScriptFile(f.tree.path(QStringLiteral("missing.txt")), false));
        QCOMPARE(f.document.scriptFileName(), path);
        QCOMPARE(f.document.scriptModified(), modified);
        QCOMPARE(f.statuses.size(), 1);
        QVERIFY(f.statuses.first().startsWith(QStringLiteral("There was an error trying to open the selected file: ")));
        QVERIFY(f.statuses.first().size() > QStringLiteral("There was an error trying to open the selected file: ").size());

        // A later save goes to the file that was open, not the one that failed.
        QVERIFY(f.document.saveScript());
        QVERIFY(!QFile::exists(f.tree.path(QStringLiteral("missing.txt"))));
    }

    void saveOnUntitledScriptAsksForAName()
    {
        Fixture f;
        f.type(QStringLiteral("abc"));
        const QString path = f.tree.path(QStringLiteral("noextension"));
        f.dialogs.fileNames.enqueue(path);
        QVERIFY(f.document.saveScript());

        QCOMPARE(f.dialogs.fileRequests.size(), 1);
        QCOMPARE(f.dialogs.fileRequests.first().save, true);
        QCOMPARE(f.dialogs.fileRequests.first().title, QStringLiteral("Enter filename for this script.."));
        // Saved under exactly the name typed.
        QCOMPARE(f.tree.read(QStringLiteral("noextension")), QByteArray("abc"));
        QCOMPARE(f.document.scriptFileName(), path);
        QVERIFY(!f.document.scriptModified());
        QCOMPARE(f.statuses, QStringList{QStringLiteral("The script has been saved successfully.")});

        f.type(QStringLiteral("d"));
        QVERIFY(f.document.saveScript());
        QCOMPARE(f.dialogs.fileRequests.size(), 1);
        QCOMPARE(f.tree.read(QStringLiteral("noextension")), QByteArray("abcd"));
    }

    void saveAsCancelledKeepsTheName()
    {
        Fixture f;
        const QString path = f.tree.write(QStringLiteral("kept.txt"), "kept");
        QVERIFY(f.document.openScriptFile(path, true));
        QVERIFY(f.statuses.isEmpty());
        QVERIFY(!f.document.saveScriptAs());
        QCOMPARE(f.document.scriptFileName(), path);
        QCOMPARE(f.statuses, QStringList{QStringLiteral("Script saving cancelled - no filename entered.")});
    }

    void failedSaveIsReported()
    {
        Fixture f;
        f.type(QStringLiteral("precious"));
        f.dialogs.fileNames.enqueue(f.tree.path(QStringLiteral("no/such/folder/script.txt")));
        QVERIFY(!f.document.saveScript());
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
            QVERIFY(f.document.openScriptFile(path, true));
        if (modified)
            f.type(QStringLiteral("more "));
        f.dialogs.fileNames.enqueue(f.tree.path(QStringLiteral("no/such/folder/script.txt")));

        QVERIFY(!f.document.saveScriptAs());
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
        QCOMPARE(f.document.promptSaveModified(), goOn);
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
        QVERIFY(f.document.openScriptFile(script, true));
        f.control.setCursorPosition(1, 0);
        f.dialogs.fileNames.enqueue(chosen ? part : QString());

        QCOMPARE(f.document.insertScriptFile(), chosen);
        QCOMPARE(f.dialogs.fileRequests.first().title, QStringLiteral("Select file to insert.."));
        QCOMPARE(f.control.text(), chosen ? QStringLiteral("first\r\nINSERTED second\r\n")
                                          : QStringLiteral("first\r\nsecond\r\n"));
        QCOMPARE(f.document.scriptFileName(), script);
        QCOMPARE(f.document.scriptModified(), chosen);
        QVERIFY(f.statuses.isEmpty());
    }

    // Another program appends a line while the script is open with edits; Save asks first.
    void saveAfterChangeOnDisk_data()
    {
        QTest::addColumn<int>("answer");   // the button chosen, -1 for a box closed without one
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("status");
        const QByteArray theirs("mes \"a\";\r\nclose;\r\nmes \"theirs\";\r\n");
        const QString ours = QStringLiteral("mes \"a\";\r\nclose;\r\nours");
        QTest::newRow("reload") << 0 << false << theirs << QString::fromLatin1(theirs) << false
                                << "The script has been reloaded from the disk.";
        QTest::newRow("overwrite") << 1 << true << ours.toUtf8() << ours << false
                                   << "The script has been saved successfully.";
        const QString cancelled = QStringLiteral("Script saving cancelled - the file changed on disk.");
        QTest::newRow("cancel") << 2 << false << theirs << ours << true << cancelled;
        QTest::newRow("closed without a button") << -1 << false << theirs << ours << true << cancelled;
    }

    void saveAfterChangeOnDisk()
    {
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(bool, modified);
        QFETCH(QString, status);
        Fixture f;
        const QString path = f.tree.write(QStringLiteral("npc.txt"), "mes \"a\";\r\nclose;\r\n");
        QVERIFY(f.document.openScriptFile(path, true));
        f.control.setCursorPosition(2, 0);
        f.type(QStringLiteral("ours"));
        QFile other(path);
        QVERIFY(other.open(QIODevice::Append));
        other.write("mes \"theirs\";\r\n");
        other.close();

        f.dialogs.choices.enqueue(answer);
        QCOMPARE(f.document.saveScript(), saved);
        QCOMPARE(f.dialogs.choiceRequests.size(), 1);
        QCOMPARE(f.dialogs.choiceRequests.first().buttons,
                 (QStringList{QStringLiteral("Reload"), QStringLiteral("Overwrite"), QStringLiteral("Cancel")}));
        QCOMPARE(f.tree.read(QStringLiteral("npc.txt")), file);
        QCOMPARE(f.control.text(), text);
        QCOMPARE(f.document.scriptModified(), modified);
        QCOMPARE(f.statuses.last(), status);
        // Once the editor holds or has written the file's present state, saving asks no more.
        if (!modified) {
            f.dialogs.choiceRequests.clear();
            QVERIFY(f.document.saveScript());
            QVERIFY(f.dialogs.choiceRequests.isEmpty());
        }
    }

    // Changes on disk the editor follows by itself: no question, and nothing of the user's lost.
    void followsTheFileOnDisk_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status");
        QTest::newRow("no edits: reloaded") << false << false << "1\n2\n3\n4\nnew\n"
                                            << "The script was changed by another program and has been reloaded.";
        QTest::newRow("edits kept") << true << false << "1\n2\nx3\n4\n"
                                    << "The script was changed by another program; saving asks what to do.";
        QTest::newRow("deleted, no edits") << false << true << "1\n2\n3\n4\n"
                                           << "The script's file was deleted from the disk; saving writes it again.";
        QTest::newRow("deleted, with edits") << true << true << "1\n2\nx3\n4\n"
                                             << "The script's file was deleted from the disk; saving writes it again.";
    }

    void followsTheFileOnDisk()
    {
        QFETCH(bool, edited);
        QFETCH(bool, deleted);
        QFETCH(QString, text);
        QFETCH(QString, status);
        Fixture f;
        const QString path = f.tree.write(QStringLiteral("npc.txt"), "1\n2\n3\n4\n");
        QVERIFY(f.document.openScriptFile(path, true));
        f.control.setCursorPosition(2, 0);
        if (edited)
            f.type(QStringLiteral("x"));
        if (deleted) {
            QVERIFY(QFile::remove(path));
        } else {
            // Written anew under the name, as most programs save.
            QFile::remove(path);
            f.tree.write(QStringLiteral("npc.txt"), "1\n2\n3\n4\nnew\n");
        }
        QTRY_COMPARE(f.statuses.value(f.statuses.size() - 1), status);
        QCOMPARE(f.control.text(), text);
        int line = -1, column = -1;
        f.control.getCursorPosition(&line, &column);
        QCOMPARE(line, 2);
        QVERIFY(f.dialogs.choiceRequests.isEmpty());
        if (deleted) {
            QVERIFY(f.document.saveScript());
            QVERIFY(f.dialogs.choiceRequests.isEmpty());
            QCOMPARE(f.tree.read(QStringLiteral("npc.txt")), text.toUtf8());
        }
    }

    // A file with NUL bytes near its start opens with a warning, and goes back byte for byte.
    void binaryFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("warned");
        QByteArray everyByte;
        for (int i = 0; i < 256; ++i)
            everyByte.append(char(i));
        QTest::newRow("every byte value") << everyByte + everyByte << true;
        QTest::newRow("NUL as the last byte of 8 KB") << QByteArray(8191, 'a') + '\0' << true;
        QTest::newRow("NUL just after 8 KB") << QByteArray(8192, 'a') + '\0' + "\xff\xfe" << false;
        QTest::newRow("UTF-8 with a NUL") << QByteArray("mes \"\xc3\xa9\0\";\r\n", 10) << true;
        QTest::newRow("a script") << QByteArray("mes \"a\";\r\n") << false;
    }

    void binaryFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, warned);
        Fixture f;
        const QString path = f.tree.write(QStringLiteral("data.bin"), bytes);
        QVERIFY(f.document.openScriptFile(path, false));
        const QString warning = QStringLiteral("The file does not look like a script: it holds NUL bytes. "
                                               "It is kept byte for byte.");
        QCOMPARE(f.statuses.contains(warning), warned);
        QVERIFY(f.document.saveScript());
        QCOMPARE(f.tree.read(QStringLiteral("data.bin")), bytes);
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
            kind == FileDialogKind::OpenScript   ? f.document.openScript()
            : kind == FileDialogKind::InsertFile ? f.document.insertScriptFile()
                                                 : f.document.saveScriptAs();
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
            QVERIFY(f.document.openScriptFile(f.tree.write(openedName, "close;"), true));
        QVERIFY(!f.document.saveScriptAs());
        QCOMPARE(f.dialogs.fileRequests.first().initialName, proposed);
        QCOMPARE(f.dialogs.fileRequests.first().defaultExtension, QStringLiteral("txt"));
    }
};

QTEST_MAIN(TestDocument)
#include "test_document.moc"
