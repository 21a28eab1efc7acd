// Tests of the NPC Script highlighting: styles, fold levels and restyling after edits.
#include <QtTest>

#include <Qsci/qsciscintilla.h>

#include "edit_control.h"
#include "script_lexer.h"

namespace {

// One letter per style, in style order: Default, Keyword, Operator, Comment, String, Number,
// TagAttribute, TagElement, ScopeKeyword (b for block).
const char StyleLetters[] = ".kocsnaeb";

enum Definition { Npc, BlankToken, Empty };

LanguageDefinition definition(int which)
{
    LanguageDefinition d;
    if (which == BlankToken)
        d.keywords = QStringLiteral("mes\n warp");
    if (which != Npc)
        return d;
    d.keywords = QStringLiteral("mes\nclose\nif\nset");
    d.operators = QStringLiteral("=\n==\n<\n<=\n,\n;\n(\n)\n/");
    d.singleLineComments = QStringLiteral("//");
    d.multilineComments1 = QStringLiteral("/*\n{*");
    d.multilineComments2 = QStringLiteral("*/\n*}");
    d.stringDelimiters = QStringLiteral("\"\n'");
    d.tagAttributeNames = QStringLiteral("script\nshop");
    d.tagElementNames = QStringLiteral("prontera\nOnInit:");
    d.scopeKeywords1 = QStringLiteral("{");
    d.scopeKeywords2 = QStringLiteral("}");
    return d;
}

QString letters(const unsigned char *styles, int size)
{
    QString out;
    for (int i = 0; i < size; ++i)
        out += QLatin1Char(styles[i] < sizeof StyleLetters - 1 ? StyleLetters[styles[i]] : '?');
    return out;
}

// "0+ 1 1": each line's level above the base, + for a block header.
QString foldText(const std::vector<ScriptStyler::Line> &lines)
{
    QStringList out;
    for (const ScriptStyler::Line &line : lines)
        out << QString::number((line.foldLevel & 0xFFF) - 0x400) + (line.foldLevel & 0x2000 ? "+" : "");
    return out.join(QLatin1Char(' '));
}

template <int N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);     // keeps NUL bytes
}

int position(QsciScintilla &editor, int message, int value)
{
    return int(editor.SendScintilla(message, static_cast<unsigned long>(value), 0L));
}

} // namespace

class TestScriptLexer : public QObject
{
    Q_OBJECT

private slots:
    void styles_data();
    void styles();
    void folds_data();
    void folds();
    void restyleFromLine_data();
    void restyleFromLine();
    void editInDocument_data();
    void editInDocument();
    void elementLooks();
};

void TestScriptLexer::styles_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("keywords, whole words only") << int(Npc) << bytes("mes close message mesa") << "kkk.kkkkk.............";
    QTest::newRow("keywords in any case") << int(Npc) << bytes("MES Close iF") << "kkk.kkkkk.kk";
    QTest::newRow("longest operator") << int(Npc) << bytes("a<=b==c=d") << ".oo.oo.o.";
    QTest::newRow("numbers") << int(Npc) << bytes("set .@x,150; L_Name2 0x1F") << "kkk....onnno.........nnnn";
    QTest::newRow("line comment beats operator") << int(Npc) << bytes("x // hi; mes\r\nmes") << "..cccccccccc..kkk";
    QTest::newRow("block comment over lines") << int(Npc) << bytes("a /* x\n y */ b") << "..cccccccccc..";
    QTest::newRow("pairs end at their own marker") << int(Npc) << bytes("{* a */ b *} }") << "cccccccccccc.b";
    QTest::newRow("block comment open at the end") << int(Npc) << bytes("mes /* open\nstill") << "kkk.ccccccccccccc";
    QTest::newRow("string with escapes") << int(Npc) << bytes("mes \"a\\\"b\\\\\";x") << "kkk.sssssssso.";
    QTest::newRow("unterminated string ends at the line")
        << int(Npc) << bytes("mes \"^FF0000Red\nclose") << "kkk.sssssssssss.kkkkk";
    QTest::newRow("string ends at its own delimiter") << int(Npc) << bytes("'a\"//b' 1") << "sssssss.n";
    QTest::newRow("backslash before line end") << int(Npc) << bytes("\"ab\\\nmes") << "ssss.kkk";
    QTest::newRow("header line with tabs")
        << int(Npc) << bytes("prontera,150,150,4\tscript\tName\t112,{") << "eeeeeeeeonnnonnnon.aaaaaa......nnnob";
    QTest::newRow("tag words in any case, label token")
        << int(Npc) << bytes("SHOP OnInit: oninit:x") << "aaaa.eeeeeee.eeeeeee.";
    QTest::newRow("NUL, lone CR, stray bytes")
        << int(Npc) << bytes("mes\0\"a\0b\"\r\xff\x80mes}") << "kkk.sssss......b";
    QTest::newRow("leading blank is part of the token")
        << int(BlankToken) << bytes("warp\nwarp mes warp") << "..........kkkkkkkk";
    QTest::newRow("empty definition") << int(Empty) << bytes("mes \"x\" // y {\n/* 1 */ 2") << "........................";
}

void TestScriptLexer::styles()
{
    QFETCH(int, which);
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);

    const ScriptStyler styler(definition(which));
    std::vector<unsigned char> styles(text.size(), 0xEE);
    std::vector<ScriptStyler::Line> lines;
    styler.style(text.constData(), int(text.size()), 0, styles.data(), lines);
    QCOMPARE(letters(styles.data(), int(styles.size())), expected);
}

void TestScriptLexer::folds_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nested braces")
        << QByteArray("x,{\n\tif (a) {\n\t\tmes \"}\";\n\t}\n}\n") << "0+ 1+ 2 2 1";
    QTest::newRow("} else { heads a block") << QByteArray("{\n} else {\n}\n") << "0+ 0+ 1";
    QTest::newRow("braces in comments") << QByteArray("{ // {\n/* { */ }\n") << "0+ 1";
    QTest::newRow("unmatched close, unfinished last line") << QByteArray("}\n}{\r\nx") << "0 0+ 1";
    QTest::newRow("block on one line") << QByteArray("{ }\n") << "0";
}

void TestScriptLexer::folds()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);

    const ScriptStyler styler(definition(Npc));
    std::vector<unsigned char> styles(text.size());
    std::vector<ScriptStyler::Line> lines;
    styler.style(text.constData(), int(text.size()), 0, styles.data(), lines);
    QCOMPARE(foldText(lines), expected);
}

void TestScriptLexer::restyleFromLine_data()
{
    QTest::addColumn<int>("line");
    QTest::newRow("after a header line") << 1;
    QTest::newRow("inside a block comment") << 2;
    QTest::newRow("inside the second comment pair") << 5;
    QTest::newRow("after an unterminated string") << 6;
    QTest::newRow("after a CR LF line, nested") << 8;
}

void TestScriptLexer::restyleFromLine()
{
    QFETCH(int, line);
    const QByteArray text("prontera,1,2,3\tscript\tA\t4,{\n"
                          "OnInit: /* a {\n"
                          "  still { */ if (1) {\n"
                          "  } // x */\n"
                          "{* b\n"
                          "*} mes \"open\n"
                          "mes 'x' {\r\n"
                          "  { close; }\r\n"
                          "}}\n");
    const ScriptStyler styler(definition(Npc));
    std::vector<unsigned char> whole(text.size());
    std::vector<ScriptStyler::Line> wholeLines;
    styler.style(text.constData(), int(text.size()), 0, whole.data(), wholeLines);

    int offset = 0;
    for (int i = 0; i < line; ++i)
        offset = int(text.indexOf('\n', offset)) + 1;
    std::vector<unsigned char> tail(text.size() - offset);
    std::vector<ScriptStyler::Line> tailLines;
    styler.style(text.constData() + offset, int(tail.size()), wholeLines[line - 1].nextState, tail.data(), tailLines);

    QCOMPARE(letters(tail.data(), int(tail.size())), letters(whole.data() + offset, int(tail.size())));
    QCOMPARE(foldText(tailLines), foldText({wholeLines.begin() + line, wholeLines.end()}));
}

void TestScriptLexer::editInDocument_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("folds");

    QTest::newRow("typing inside a comment") << QByteArray("/* a\nb\nc */ mes\nmes") << 2 << QByteArray("x")
                                              << "cccccccccccc.kkk.kkk" << "0 0 0 0";
    QTest::newRow("opening a comment") << QByteArray("mes\nmes\n{mes") << 1 << QByteArray("/*")
                                        << "kkk.cccccccccc" << "0 0 0";
    QTest::newRow("opening a block") << QByteArray("{\nmes\n}\nmes\n") << 1 << QByteArray("{")
                                      << "b.bkkk.b.kkk." << "0+ 1+ 2 1";
}

void TestScriptLexer::editInDocument()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QByteArray, typed);
    QFETCH(QString, expected);
    QFETCH(QString, folds);

    QsciScintilla editor;
    editor.setLexer(new ScriptLexer(definition(Npc), &editor));
    editor.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(text.size()), text.constData());
    editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);

    // As Scintilla does for a keystroke: the changed line first, the lines below when shown.
    const int start = position(editor, QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    editor.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, static_cast<unsigned long>(start), typed.constData());
    const int next = position(editor, QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1);
    editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, static_cast<unsigned long>(start), long(next));
    editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, static_cast<unsigned long>(next), -1L);

    const int length = int(editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    std::vector<unsigned char> styles;
    for (int i = 0; i < length; ++i)
        styles.push_back(static_cast<unsigned char>(position(editor, QsciScintillaBase::SCI_GETSTYLEAT, i)));
    QCOMPARE(letters(styles.data(), length), expected);
    std::vector<ScriptStyler::Line> lines;
    for (int i = 0; i < folds.count(QLatin1Char(' ')) + 1; ++i)
        lines.push_back({position(editor, QsciScintillaBase::SCI_GETFOLDLEVEL, i), 0});
    QCOMPARE(foldText(lines), folds);
}

void TestScriptLexer::elementLooks()
{
    // The lexer needs no text area: the theme is all it reads.
    ColourTheme theme;
    theme.colours[EditorElement::KeywordText] = QColor(1, 2, 3);
    theme.colours[EditorElement::CommentText] = QColor(4, 5, 6);
    theme.fontStyles[StyledElement::Keyword] = FontStyleFlag::Bold | FontStyleFlag::Italic;
    theme.fontStyles[StyledElement::Operator] = FontStyleFlag::Italic;
    ScriptLexer language(definition(Npc));
    ScriptLexer *lexer = &language;
    lexer->applyColourTheme(theme);

    QCOMPARE(lexer->color(ScriptLexer::Keyword), QColor(1, 2, 3));
    QCOMPARE(lexer->color(ScriptLexer::Comment), QColor(4, 5, 6));
    QCOMPARE(lexer->color(ScriptLexer::String), QColor(0xA0, 0x00, 0xA0));
    QVERIFY(lexer->font(ScriptLexer::Keyword).bold() && lexer->font(ScriptLexer::Keyword).italic());
    QVERIFY(lexer->font(ScriptLexer::ScopeKeyword).bold());
    QVERIFY(!lexer->font(ScriptLexer::Operator).bold() && lexer->font(ScriptLexer::Operator).italic());
    QVERIFY(!lexer->font(ScriptLexer::Comment).italic());
}

QTEST_MAIN(TestScriptLexer)
#include "test_script_lexer.moc"
