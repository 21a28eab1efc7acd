// The Insert menu's text commands: catalogue, InsertTextAtCaret, colour codes, template, definition lists.
#include <QtTest>

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>

#include "caret_insertion.h"
#include "command_catalogue.h"
#include "edit_control.h"
#include "ini.h"
#include "insert_commands.h"
#include "language_definition.h"
#include "main_window.h"
#include "menu_items.h"
#include "parse.h"
#include "scripted_dialogs.h"
#include "status_bar.h"
#include "temp_tree.h"

class TestInsertCommands : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        TempTree tree;
        ScriptedDialogs dialogs;
        MainWindow window{tree.paths(), dialogs};
        EditControl &editor() const { return *window.editControl(); }
        int caretColumn() const
        {
            int line = 0, column = 0;
            window.editControl()->getCursorPosition(&line, &column);
            return column;
        }
    };

private Q_SLOTS:
    void catalogueStructure()
    {
        QMap<CatalogueMenu, QStringList> captions;
        for (const CatalogueEntry &entry : commandCatalogue()) {
            QVERIFY2(!captions[entry.menu].contains(entry.caption), qPrintable(entry.caption));
            captions[entry.menu].append(entry.caption);
            // The caret lands inside the text, the text stays on one line, and there is help.
            QVERIFY2(entry.caretOffset >= 0 && entry.caretOffset <= entry.text.size(), qPrintable(entry.caption));
            QVERIFY(!entry.text.contains(QLatin1Char('\n')));
            QVERIFY(!entry.help.isEmpty());
        }
        QCOMPARE(captions[CatalogueMenu::Interface].size(), 5);
        QCOMPARE(captions[CatalogueMenu::Action].size(), 9);
        QCOMPARE(captions[CatalogueMenu::Logic].size(), 2);
    }

    void catalogueEntries_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text");   // the line afterwards, caret at the column below
        QTest::addColumn<int>("column");
        QTest::newRow("Warp at column 10") << "mINSERTCMDS_ACTION_1" << "0123456789"
                                           << "0123456789warp \".gat\",,;" << 16;
        QTest::newRow("Monster, one quote") << "mINSERTCMDS_ACTION_8" << "" << "monster \",,;" << 9;
        QTest::newRow("Close at its end") << "mINSERTCMDS_INTERFACE_3" << "" << "close;" << 6;
        QTest::newRow("Next at its end") << "mINSERTCMDS_INTERFACE_2" << "" << "next;" << 5;
        QTest::newRow("If between parentheses") << "mINSERTCMDS_LOGIC_0" << "" << "if ();" << 4;
    }

    void catalogueEntries()
    {
        QFETCH(QString, item);
        QFETCH(QString, line);
        QFETCH(QString, text);
        QFETCH(int, column);
        Fixture f;
        f.editor().replaceSelectedText(line);
        menuItem(f.window, item)->trigger();
        QCOMPARE(f.editor().text(), text);
        QCOMPARE(f.caretColumn(), column);
    }

    void messageShowsItsHelpLine()
    {
        Fixture f;
        menuItem(f.window, QStringLiteral("mINSERTCMDS_INTERFACE_0"))->trigger();
        QCOMPARE(f.editor().text(), QStringLiteral("mes \"\";"));
        QCOMPARE(f.caretColumn(), 5);
        QCOMPARE(f.window.statusPanels()->generalText(),
                 QStringLiteral("mes \"message\" - Inserts a message into an NPC message window."));
    }

    void insertTextAtCaret_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("from");       // selection [from, to); from == to: caret only
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("caretLine");
        QTest::addColumn<int>("caretColumn");
        QTest::newRow("at the caret") << "ab" << 1 << 1 << "XY" << -1 << -1 << "aXYb" << 0 << 3;
        QTest::newRow("offset inside") << "ab" << 1 << 1 << "XY" << -1 << 1 << "aXYb" << 0 << 2;
        QTest::newRow("over a selection") << "say hello;" << 4 << 9 << "\"\"" << -1 << 1
                                          << "say \"\";" << 0 << 5;
        QTest::newRow("several lines stay on the first") << "" << 0 << 0 << "one\r\ntwo\r\nthree" << -1 << -1
                                                          << "one\r\ntwo\r\nthree" << 0 << 3;
        QTest::newRow("given line") << "a\r\nbcdef" << 0 << 0 << "X" << 1 << 2 << "Xa\r\nbcdef" << 1 << 2;
    }

    void insertTextAtCaret()
    {
        QFETCH(QString, before);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(int, offset);
        QFETCH(QString, after);
        QFETCH(int, caretLine);
        QFETCH(int, caretColumn);
        EditControl control;
        control.resetDocument();
        control.replaceSelectedText(before);
        control.selectRange(from, to);
        CaretInsertion insertion(control);
        insertion.insertTextAtCaret(text, false, line, offset);
        QCOMPARE(control.text(), after);
        int atLine = -1, atColumn = -1;
        control.getCursorPosition(&atLine, &atColumn);
        QCOMPARE(atLine, caretLine);
        QCOMPARE(atColumn, caretColumn);
    }

    void focusFlag()
    {
        QWidget window;
        auto *other = new QLineEdit(&window);
        auto *control = new EditControl(&window);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(other);
        layout->addWidget(control);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        CaretInsertion insertion(*control);
        insertion.insertTextAtCaret(QStringLiteral("a"), false);
        QTRY_COMPARE(QApplication::focusWidget(), other);
        insertion.insertTextAtCaret(QStringLiteral("b"), true);
        QTRY_COMPARE(QApplication::focusWidget(), control);
        insertion.setActive(false);
        insertion.insertTextAtCaret(QStringLiteral("c"), true);
        QCOMPARE(control->text(), QStringLiteral("ab"));
    }

    void colourToHex_data()
    {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QString>("hex");
        QTest::newRow("red") << quint32(0x0000FF) << "FF0000";
        QTest::newRow("green") << quint32(0x00FF00) << "00FF00";
        QTest::newRow("blue") << quint32(0xFF0000) << "0000FF";
        QTest::newRow("black") << quint32(0) << "000000";
        QTest::newRow("white") << quint32(0xFFFFFF) << "FFFFFF";
        QTest::newRow("bytes turned round") << quint32(0x123456) << "563412";
        QTest::newRow("padded before the swap") << quint32(10) << "0A0000";
    }

    void colourToHex()
    {
        QFETCH(quint32, colour);
        QFETCH(QString, hex);
        QCOMPARE(::colourToHex(colour), hex);
    }

    void colourCode_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("text");
        QTest::newRow("chosen, replaces the selection") << true << "mes \"^FF0000\";";
        QTest::newRow("cancelled") << false << "mes \"old\";";
    }

    void colourCode()
    {
        QFETCH(bool, chosen);
        QFETCH(QString, text);
        Fixture f;
        f.editor().replaceSelectedText(QStringLiteral("mes \"old\";"));
        f.editor().selectRange(5, 8);
        f.dialogs.colours.enqueue(chosen ? std::optional<QColor>(QColor(255, 0, 0)) : std::nullopt);
        toolbarButton(f.window, QStringLiteral("_insertcolour"))->click();
        QCOMPARE(f.dialogs.colourRequests, QList<QColor>{QColor(Qt::black)});
        QCOMPARE(f.editor().text(), text);
    }

    void blankMessageTemplate_data()
    {
        QTest::addColumn<QByteArray>("file");   // empty: no template file
        QTest::addColumn<QString>("text");
        QTest::newRow("several lines") << QByteArray("a {\r\n\tclose;\r\n}") << "xa {\r\n\tclose;\r\n}y";
        QTest::newRow("missing leaves the selection") << QByteArray() << "xSELy";
    }

    void blankMessageTemplate()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        Fixture f;
        if (!file.isEmpty())
            f.tree.write(QStringLiteral("Data/Templates/Blank Message NPC.txt"), file);
        f.editor().replaceSelectedText(QStringLiteral("xSELy"));
        f.editor().selectRange(1, 4);
        menuItem(f.window, QStringLiteral("mNPCBLANKMESSAGE"))->trigger();
        QCOMPARE(f.editor().text(), text);
        int line = -1, column = -1;
        f.editor().getCursorPosition(&line, &column);
        QCOMPARE(line, 0);
    }

    void definitionLists_data()
    {
        QTest::addColumn<QString>("value");   // "<missing>": no key at all
        QTest::addColumn<QStringList>("tokens");
        QTest::newRow("two words") << "mes,next" << QStringList{"mes", "next"};
        QTest::newRow("blank after the comma stays") << "mes, next" << QStringList{"mes", " next"};
        QTest::newRow("one token") << "warp" << QStringList{"warp"};
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("missing") << "<missing>" << QStringList();
    }

    void definitionLists()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, tokens);
        TempTree tree;
        const QString ini = tree.paths().ScriptIniFile;
        tree.write(QStringLiteral("Data/NPC Script.ini"), "[Definition]\r\nOperators=+\r\n");
        if (value != QLatin1String("<missing>"))
            QVERIFY(WriteIni(QStringLiteral("Definition"), QStringLiteral("Keywords"), value, ini));
        const LanguageDefinition definition = ReadLanguageDefinition(ini);
        QCOMPARE(LanguageDefinition::tokens(definition.keywords), tokens);
        QCOMPARE(definition.operators, QStringLiteral("+"));
    }
};

QTEST_MAIN(TestInsertCommands)
#include "test_insert_commands.moc"
