// Tests of completion and calltips: what is offered where, and taking or dropping an offer.
#include <QtTest>

#include "analysis_service.h"
#include "edit_control.h"
#include "script_completion.h"

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
    }
};

QTEST_MAIN(TestScriptCompletion)
#include "test_script_completion.moc"
