// Tests of completion and calltips: what is offered where, and taking or dropping an offer.
#include <QtTest>

#include "analysis_service.h"
#include "edit_control.h"
#include "script_completion.h"
#include "test_profile.h"

class TestScriptCompletion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void words_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        const QStringList none;
        QTest::newRow("two letters") << "\tme" << none;
        QTest::newRow("keywords") << "\tmes" << QStringList{"mes", "message"};
        QTest::newRow("any case") << "\tif (COUN" << QStringList{"countitem"};
        QTest::newRow("after goto") << "\tgoto L_s" << QStringList{"L_Shop", "L_Start"};
        QTest::newRow("after callsub(") << "\tcallsub( L_St" << QStringList{"L_Start"};
        QTest::newRow("menu label position") << "\tmenu \"a, b\",L_S" << QStringList{"L_Shop", "L_Start"};
        QTest::newRow("menu text position") << "\tmenu \"a\",L_Shop,mes" << QStringList{"mes", "message"};
        QTest::newRow("variable") << "\t.@mes" << none;
        QTest::newRow("number") << "\t123" << none;
    }

    void words()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        const QStringList keywords = {"message", "mes", "countitem", "close", "L_Start"};
        QCOMPARE(CompletionWords(line, keywords, {"L_Start", "L_Shop", "OnInit"}), words);
    }

    void help_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("shown");
        QTest::newRow("blank after mes") << "\tmes " << true;
        QTest::newRow("parenthesis after warp") << "\twarp(" << true;
        QTest::newRow("not yet") << "\tmes" << false;
        QTest::newRow("unknown command") << "\tfrob " << false;
    }

    void help()
    {
        QFETCH(QString, line);
        QFETCH(bool, shown);
        const QString help = CommandHelp(line);
        QCOMPARE(!help.isEmpty(), shown);
        if (shown)
            QVERIFY2(help.startsWith(line.trimmed().chopped(1)), qPrintable(help));
    }

    // The tip names the argument shape from the profile, the catalogue's help line under it.
    void commandTips_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("tip");
        const QString warpHelp = QStringLiteral("warp map.gat,X,Y - Warps the player to the selected map and coordinates.");
        QTest::newRow("shape and help") << "\twarp " << "warp <map>, <x>, <y>[, <char id>]\n" + warpHelp;
        QTest::newRow("after a parenthesis") << "\tif (x) warp(" << "warp <map>, <x>, <y>[, <char id>]\n" + warpHelp;
        QTest::newRow("any case") << "\tWARP " << "warp <map>, <x>, <y>[, <char id>]\n" + warpHelp;
        QTest::newRow("shape alone") << "\twarpchar " << "warpchar <map>, <x>, <y>[, <char id>]";
        // Help longer than 80 characters is broken at a blank, since calltips do not wrap.
        QTest::newRow("no arguments") << "\tclose " << "close\nclose - Adds a Close button to the NPC message window, "
                                                     "which when clicked cause\nthe window to close.";
        QTest::newRow("help alone, not in the profile") << "\tjobchange "
            << "jobchange <new_job> - Changes the player into the new job class. new_job =\njob_swordman, job_archer, "
               "job_assassin, etc.";
        QTest::newRow("a variable of the same name") << "\tset .@warp " << "";
        QTest::newRow("not yet") << "\twarp" << "";
        QTest::newRow("unknown") << "\tfrob " << "";
    }

    void commandTips()
    {
        QFETCH(QString, line);
        QFETCH(QString, tip);
        QCOMPARE(CommandTipBefore(line, testProfile().get()), tip);
    }

    // Where the caret stands: no offer in text, and the tip of the command whose arguments these are.
    void context_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("inText");
        QTest::addColumn<QString>("command");
        QTest::newRow("after a closed string") << "\tmes \"a, b; A::OnB\" + " << false << "mes";
        QTest::newRow("in a string, after an escaped quote") << "\tmes \"say \\\"hi" << true << "";
        QTest::newRow("in a comment") << "\tclose; // warp " << true << "";
        QTest::newRow("innermost parenthesis") << "\tmes getitemname(rand(1, 5)," << false << "getitemname";
        QTest::newRow("after a condition") << "\tif (.@a == 1) warp \"x\"," << false << "warp";
        QTest::newRow("after a loop's parts") << "\tfor (.@i = 0; .@i < 3; .@i++) warp \"x\"," << false << "warp";
        QTest::newRow("after else") << "\t} else warp \"x\"," << false << "warp";
        QTest::newRow("after a case") << "\tcase 1: warp \"x\"," << false << "warp";
        QTest::newRow("an assignment") << "\t.@x = 1 + " << false << "";
        QTest::newRow("the name still typed") << "\twarp" << false << "";
    }

    void context()
    {
        QFETCH(QString, line);
        QFETCH(bool, inText);
        QFETCH(QString, command);
        const CaretContext context = ContextBefore(line);
        QCOMPARE(context.inText, inText);
        QCOMPARE(context.command, command);
    }

    // Completion offers the profile's commands; resting the mouse on one tells its shape.
    void profileCommands()
    {
        EditControl editor;
        auto *analysis = new AnalysisService(editor, LoadScriptResources(QString(), testProfile()));
        auto *completion = new ScriptCompletion(editor, *analysis, {"mes"});
        completion->setProfile(testProfile());
        editor.show();
        QTest::keyClicks(&editor, QStringLiteral("getit"));
        QVERIFY(editor.SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) != 0);
        QTest::keyClick(&editor, Qt::Key_Tab);
        QCOMPARE(editor.text(), QStringLiteral("getitem"));
        QTest::keyClicks(&editor, QStringLiteral(" 501,1; .@warp = 1; warp "));
        QVERIFY(editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE) != 0);
        QCOMPARE(completion->tipAt(3), QStringLiteral("getitem <item>, <amount>[, <account id>]\n"
                                                  "getitem ItemID,Amount - Gives the player ItemID, the total number of them is\n"
                                                  "specified by Amount."));
        QCOMPARE(completion->tipAt(10), QString());     // a number
        QCOMPARE(completion->tipAt(18), QString());     // a variable
        QVERIFY(completion->tipAt(27).startsWith(QStringLiteral("warp <map>")));
        completion->setProfile(nullptr);
        QCOMPARE(completion->tipAt(27), CommandHelp("warp "));
    }

    void typing()
    {
        EditControl editor;
        auto *analysis = new AnalysisService(editor, LoadScriptResources(QStringLiteral(QUILL_SCRIPT_DEFINITION)));
        new ScriptCompletion(editor, *analysis, {"message", "mes"});
        editor.show();
        const auto offered = [&editor] { return editor.SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) != 0; };

        QTest::keyClicks(&editor, QStringLiteral("mes"));
        QVERIFY(offered());
        QTest::keyClick(&editor, Qt::Key_Escape);
        QVERIFY(!offered());
        QCOMPARE(editor.text(), QStringLiteral("mes"));
        QTest::keyClicks(&editor, QStringLiteral("sa"));
        QVERIFY(offered());
        QTest::keyClick(&editor, Qt::Key_Tab);
        QCOMPARE(editor.text(), QStringLiteral("message"));

        editor.setText(QString());
        QTest::keyClicks(&editor, QStringLiteral("mes "));
        QVERIFY(editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE) != 0);

        // Words in a string are not completed; a comma among the arguments brings the tip back.
        editor.setText(QString());
        QTest::keyClicks(&editor, QStringLiteral("mes \"message"));
        QVERIFY(!offered());
        QTest::keyClicks(&editor, QStringLiteral("\";"));
        QVERIFY(editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE) == 0);
        QTest::keyClicks(&editor, QStringLiteral(" mes \"a\","));
        QVERIFY(editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE) != 0);
        QTest::keyClicks(&editor, QStringLiteral(" mes"));
        QVERIFY(offered());
    }
};

QTEST_MAIN(TestScriptCompletion)
#include "test_script_completion.moc"
