// Tests of the script model: the tokens, the blocks a profile's headers give, and one reading of
// one text whatever the path it takes.
#include <QtTest>

#include <random>

#include "language_definition.h"
#include "script_checks.h"
#include "script_model.h"
#include "script_styler.h"
#include "script_tokenizer.h"

namespace {

const char *kindName(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Npc: return "Npc";
    case BlockKind::FloatingScript: return "Floating";
    case BlockKind::Function: return "Function";
    case BlockKind::Shop: return "Shop";
    case BlockKind::Warp: return "Warp";
    case BlockKind::Duplicate: return "Duplicate";
    case BlockKind::Monster: return "Monster";
    case BlockKind::MapFlag: return "MapFlag";
    }
    return "?";
}

std::shared_ptr<const ScriptProfile> shippedProfile(const char *id)
{
    auto profile = std::make_shared<ScriptProfile>();
    QString error;
    if (!ReadScriptProfile(QStringLiteral(QUILL_DATA_FOLDER "/%1.profile").arg(QLatin1String(id)), profile.get(), &error))
        qFatal("%s", qPrintable(error));
    return profile;
}

std::string_view view(const QByteArray &text)
{
    return std::string_view(text.constData(), size_t(text.size()));
}

// "kind start+length" of each token, line ends as "EOL".
QStringList tokensOf(std::string_view text, size_t from = 0, size_t to = std::string_view::npos, bool *comment = nullptr)
{
    ScriptTokenizer tokenizer(text, from, to, comment && *comment);
    QStringList out;
    for (ScriptToken token = tokenizer.next(); token.kind != TokenKind::End; token = tokenizer.next()) {
        static const char *names[] = {"Word", "Number", "String", "Punct", "EOL", "End"};
        out << QStringLiteral("%1%2%3 %4+%5").arg(QLatin1String(names[int(token.kind)]), token.variable ? "$" : "",
                                                  token.open ? "!" : "").arg(token.start).arg(token.length);
    }
    if (comment)
        *comment = tokenizer.inComment();
    return out;
}

// Everything the model holds, for comparing two readings.
QStringList describe(const ScriptModel &model)
{
    QStringList out;
    for (const ScriptBlock &block : model.blocks) {
        QStringList labels;
        for (const ScriptLabel &label : model.labelsOf(block))
            labels << QStringLiteral("%1@%2:%3").arg(QString::fromUtf8(label.name)).arg(label.line).arg(label.column);
        QStringList jumps;
        for (const ScriptJump &jump : model.jumpsOf(block))
            jumps << QStringLiteral("%1@%2:%3").arg(QString::fromUtf8(jump.target)).arg(jump.line).arg(jump.column);
        out << QStringLiteral("%1 %2 %3-%4 [%5] (%6)").arg(kindName(block.kind), QString::fromStdString(block.name))
                   .arg(block.line).arg(block.endLine).arg(labels.join(' '), jumps.join(' '));
    }
    for (const ScriptProblem &problem : model.problems)
        out << QStringLiteral("%1:%2:%3 %4").arg(problem.line).arg(problem.column).arg(problem.length)
                   .arg(QString::fromStdString(problem.message));
    out << QStringLiteral("%1 calls").arg(model.calls.size());
    return out;
}

// Each block's name, labels, jumps, local functions ("!" when defined) and a duplicate's source.
QStringList itemsOf(const ScriptModel &model)
{
    QStringList out;
    for (const ScriptBlock &block : model.blocks) {
        QString line = QString::fromStdString(block.name);
        if (block.uniqueName() != block.name)
            line += QStringLiteral(" (%1)").arg(QString::fromStdString(std::string(block.uniqueName())));
        QStringList labels;
        for (const ScriptLabel &label : model.labelsOf(block))
            labels << QStringLiteral("%1@%2").arg(QString::fromUtf8(label.name)).arg(label.line);
        QStringList jumps;
        for (const ScriptJump &jump : model.jumpsOf(block))
            jumps << QStringLiteral("%1@%2").arg(QString::fromUtf8(jump.target)).arg(jump.line);
        QStringList functions;
        for (const ScriptLocalFunction &function : model.functionsOf(block))
            functions << QString::fromStdString(function.name) + (function.defined ? "!" : "");
        line += QStringLiteral(" [%1] (%2) {%3}").arg(labels.join(' '), jumps.join(' '), functions.join(' '));
        if (model.sourceColumnOf(block) >= 0)
            line += QStringLiteral(" <%1@%2>").arg(QString::fromStdString(std::string(model.sourceOf(block))))
                        .arg(model.sourceColumnOf(block));
        out << line;
    }
    return out;
}

// Script-like text from pieces that test the reading: comments over lines, strings with escapes
// and quotes of other kinds, every line end, and the tokens a user's definition may give a meaning.
QByteArray generatedScript(unsigned seed)
{
    static const char *pieces[] = {
        "-\tscript\tN\t-1,{", "}", "/header\tscript\tX\t-1,{", "mes \"a\" \"b\";", "mes 'a';", "(* not closed",
        "/* over", "lines */", "// note { (", "\"open", "\"esc \\\" { \";", "if (.@a) { goto L_A; }", "L_A:",
        "else end;", "set .@b$, \"x\" + 'c;", "switch (.@c) { case 1: break; }", "caf\xC3\xA9 \"\xE2\x82\xAC\";",
        "menu \"a\",L_A,\"b\",-;", "\t", " ", "{", "(", ")", ";", "function F;", "prontera\tmapflag\tnosave"};
    static const char *ends[] = {"\n", "\r\n", "\r"};
    std::mt19937 random(seed);
    QByteArray text;
    for (int i = 0; i < 60; ++i) {
        text += pieces[random() % std::size(pieces)];
        if (random() % 3 == 0)
            text += ' ';
        else if (random() % 2 == 0)
            text += ends[random() % std::size(ends)];
    }
    return text;
}

} // namespace

class TestScriptModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tokens_data();
    void tokens();
    void operators_data();
    void operators();
    void pieceEnds_data();
    void pieceEnds();
    void blocks_data();
    void blocks();
    void itemsStayWithTheirBlock_data();
    void itemsStayWithTheirBlock();
    void largeTextKeepsItsItems_data();
    void largeTextKeepsItsItems();
    void headerKinds_data();
    void headerKinds();
    void correctScriptsAreSilent_data();
    void correctScriptsAreSilent();
    void unknownCommandsSwitchOff();
    void missingSemicolonMarksLastToken_data();
    void missingSemicolonMarksLastToken();
    void oneReadingWhateverThePath_data();
    void oneReadingWhateverThePath();
    void nestingCostsNoMore();
    void stopEndsTheReading_data();
    void stopEndsTheReading();
};

void TestScriptModel::tokens_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("tokens");
    QTest::newRow("variables") << QByteArray(".@a$ $@b 'c @d ##e x$")
        << QStringList{"Word$ 0+4", "Word$ 5+3", "Word$ 9+2", "Word$ 12+2", "Word$ 15+3", "Word$ 19+2"};
    QTest::newRow("numbers and names") << QByteArray("42 0x1F 2009_hat")
        << QStringList{"Number 0+2", "Number 3+4", "Word 8+8"};
    QTest::newRow("operators joined") << QByteArray("a<<=b::c++")
        << QStringList{"Word 0+1", "Punct 1+3", "Word 4+1", "Punct 5+2", "Word 7+1", "Punct 8+2"};
    QTest::newRow("comments skipped") << QByteArray("a // b\nc /* d */ e")
        << QStringList{"Word 0+1", "EOL 6+1", "Word 7+1", "Word 17+1"};
    QTest::newRow("comment over lines keeps line ends") << QByteArray("a /* \r\n \r */b")
        << QStringList{"Word 0+1", "EOL 5+2", "EOL 8+1", "Word 12+1"};
    QTest::newRow("string escapes") << QByteArray("\"a\\\"b\" \"c")
        << QStringList{"String 0+6", "String! 7+2"};
    QTest::newRow("string ends at a lone CR") << QByteArray("\"ab\rc\"")
        << QStringList{"String! 0+3", "EOL 3+1", "Word 4+1", "String! 5+1"};
}

void TestScriptModel::tokens()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, tokens);
    QCOMPARE(tokensOf(view(text)), tokens);
}

// Operators as script lines hold them, each read as one token, with what it does: joins two
// values, assigns, steps a variable by one, or names another NPC's function.
void TestScriptModel::operators_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("tokens");
    QTest::newRow("a condition") << QByteArray("if (.@a ** 2 >= 3 || !.@b) .@c = .@d % 4 ? 1 : 0;")
        << QStringList{"( ", "** binary", ">= binary", "|| binary", "! ", ") ", "= assigns", "% binary", "? binary",
                       ": ", "; "};
    QTest::newRow("steps and compound assignments") << QByteArray(".@i++; --.@j; .@k <<= 2; .@m -= \"A\"::F();")
        << QStringList{"++ assigns steps", "; ", "-- assigns steps", "; ", "<<= assigns", "; ", "-= assigns",
                       ":: scope", "( ", ") ", "; "};
    QTest::newRow("joined as the server joins them, up to the end") << QByteArray("a+++b<<=c!==d<")
        << QStringList{"++ assigns steps", "+ binary", "<<= assigns", "!= binary", "= assigns", "< binary"};
}

void TestScriptModel::operators()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, tokens);
    const std::pair<unsigned char, const char *> names[] = {{ScriptOperator::Binary, "binary"},
        {ScriptOperator::Assigning, "assigns"}, {ScriptOperator::Step, "steps"}, {ScriptOperator::Scope, "scope"}};
    ScriptTokenizer tokenizer(view(text));
    QStringList found;
    for (ScriptToken token = tokenizer.next(); token.kind != TokenKind::End; token = tokenizer.next()) {
        QStringList does;
        for (const auto &[bit, name] : names)
            if (token.operatorBits & bit)
                does << name;
        if (token.kind == TokenKind::Punct)
            found << QString::fromLatin1(text.mid(token.start, token.length)) + ' ' + does.join(' ');
    }
    QCOMPARE(found, tokens);
}

void TestScriptModel::pieceEnds_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("ends");
    QTest::newRow("CR only") << QByteArray("ab\rcd\ref\r") << 5 << QList<int>{3, 6, 9};
    QTest::newRow("CRLF kept whole") << QByteArray("ab\r\ncd\r\n") << 3 << QList<int>{4, 8};
    QTest::newRow("line longer than a piece") << QByteArray("abcdefgh\nij") << 3 << QList<int>{9, 11};
    QTest::newRow("LF") << QByteArray("a\nb\nc\nd") << 4 << QList<int>{4, 7};
}

void TestScriptModel::pieceEnds()
{
    QFETCH(QByteArray, text);
    QFETCH(int, size);
    QFETCH(QList<int>, ends);
    QList<int> found;
    for (size_t at = 0; at < size_t(text.size());) {
        at = ScriptPieceEnd(view(text), at, size_t(size));
        found << int(at);
    }
    QCOMPARE(found, ends);
}

// "Kind Name first-last [label@line ...] (jump@line:column ...)", lines and columns from 0.
void TestScriptModel::blocks_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("outline");
    QTest::newRow("npc with labels") << QByteArray(
        "prontera,150,150,4\tscript\tKafra\t100,{\n\tmes \"Hi\";\n\tgoto L_End;\nL_End:\n\tclose;\nOnInit:\n\tend;\n}\n")
        << QStringList{"Npc Kafra 0-7 [L_End@3:0 OnInit@5:0] (L_End@2:6)", "0 calls"};
    QTest::newRow("floating and function") << QByteArray(
        "-\tscript\tHelper\t-1,{\nOnEvent:\n\tend;\n}\nfunction\tscript\tF_Sum\t{\n\treturn getarg(0)+getarg(1);\n}\n")
        << QStringList{"Floating Helper 0-3 [OnEvent@1:0] ()", "Function F_Sum 4-6 [] ()", "0 calls"};
    QTest::newRow("one-line blocks") << QByteArray(
        "prontera,100,100,4\tshop\tTool Dealer\t83,501:50,502:-1\n"
        "prontera,156,22,0\twarp\tpront_s\t2,2,prt_fild08,170,375\n"
        "izlude,100,100,4\tduplicate(Kafra)\tKafra#2\t113,{\n"
        "prt_fild08,0,0,0,0\tmonster\tPoring\t1002,50,0,0,0\n"
        "prontera\tmapflag\tnosave\tSavePoint\n"
        "prontera\tmapflag\tnomemo\n")
        << QStringList{"Shop Tool Dealer 0-0 [] ()", "Warp pront_s 1-1 [] ()", "Duplicate Kafra#2 2-2 [] ()",
                       "Monster Poring 3-3 [] ()", "MapFlag nosave 4-4 [] ()", "MapFlag nomemo 5-5 [] ()", "0 calls"};
    QTest::newRow("states and cloaked warps") << QByteArray(
        "prontera,1,1,4\tscript(CLOAKED)\tHidden\t100,{\n\tend;\n}\nprontera,2,2,0\twarp2\tw\t1,1,izlude,1,1\n")
        << QStringList{"Npc Hidden 0-2 [] ()", "Warp w 3-3 [] ()", "0 calls"};
    QTest::newRow("blanks for tabs") << QByteArray("prontera,150,150,4 script Kafra Girl 100,{\n\tend;\n}\n")
        << QStringList{"Npc Kafra Girl 0-2 [] ()",
                       "0:0:42 The fields of this header are separated by blanks; the server needs tabs", "0 calls"};
    QTest::newRow("brace on a line of its own") << QByteArray("-\tscript\tLate\t-1,\n{\n\tend;\n}\n")
        << QStringList{"Floating Late 0-0 [] ()",
                       "0:0:17 The script's '{' must stand at the end of its header line",
                       "1:0:1 The server cannot read this line: a header needs its fields separated by tabs",
                       "2:1:4 The server cannot read this line: a header needs its fields separated by tabs",
                       "3:0:1 '}' has no matching '{'", "0 calls"};
    QTest::newRow("header word this server lacks: its script is skipped") << QByteArray(
        "-\ttrader\tT\t-1,{\nOnInit:\n\tsellitem 501;\n\tif (1) { end; }\n}\n-\tscript\tNext\t-1,{\n\tend;\n}\n")
        << QStringList{"Floating Next 5-7 [] ()", "0:2:6 'trader' is not a header this server knows", "0 calls"};
    QTest::newRow("known header word, a field missing") << QByteArray("prt,1,1,4\tduplicate\tD\t1\n")
        << QStringList{"0:0:23 The server cannot read this header: a field is missing or its word is misspelt", "0 calls"};
    QTest::newRow("quote in the name, body on the header line") << QByteArray(
        "-\tscript\tSay \"Hi\t-1,{ mes \"a\"; }\n-\tscript\tNext\t-1,{ end; }\n")
        << QStringList{"Floating Say \"Hi 0-0 [] ()", "Floating Next 1-1 [] ()", "0 calls"};
    QTest::newRow("every jump") << QByteArray(
        "-\tscript\tGuide#1\t-1,{\n\tmenu \"Go\",L_Go,\"Stop\",-;\n\tcallsub(S_Sub, 1);\n"
        "\tdonpcevent \"Guide#1::OnShow\";\n\tselect(\"A\",\"B\");\n"
        "\tif (select(\"a:b\") == 1) goto L_Go;\nL_Go:\nS_Sub:\nOnShow:\n\tend;\n}\n")
        << QStringList{"Floating Guide#1 0-10 [L_Go@6:0 S_Sub@7:0 OnShow@8:0] (L_Go@1:11 S_Sub@2:9 L_Go@5:30)", "0 calls"};
}

void TestScriptModel::blocks()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, outline);
    QCOMPARE(describe(BuildScriptModel(shippedProfile("rathena"), view(text))), outline);
}

// The blocks' items are kept together in the model: each block still has its own and no
// neighbour's, in a copy and after a move as well.
void TestScriptModel::itemsStayWithTheirBlock_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("labels of neighbours, an empty block between") << QByteArray(
        "-\tscript\tA\t-1,{\nL_A:\n\tgoto L_A;\n}\n-\tscript\tEmpty\t-1,{\n\tend;\n}\n"
        "-\tscript\tB\t-1,{\nL_B:\n\tgoto L_A;\n}\n")
        << QStringList{"A [L_A@1] (L_A@2) {}", "Empty [] () {}", "B [L_B@8] (L_A@9) {}"};
    QTest::newRow("local functions of two blocks") << QByteArray(
        "-\tscript\tF\t-1,{\n\tfunction G;\n\tend;\n\tfunction G { return; }\n}\n"
        "-\tscript\tH\t-1,{\n\tfunction G;\nL_H:\n\tend;\n}\n")
        << QStringList{"F [] () {G G!}", "H [L_H@7] () {G}"};
    QTest::newRow("duplicates' sources and unique names") << QByteArray(
        "-\tscript\tSrc\t-1,{\nOnA:\n\tend;\n}\nprt,1,1,4\tduplicate(Src)\tD1\t1\n"
        "prt,2,2,4\tduplicate(D1)\tTwo::d2\t1\n-\tscript\tAfter::a\t-1,{\nOnB:\n\tend;\n}\n")
        << QStringList{"Src [OnA@1] () {}", "D1 [] () {} <Src@20>", "Two::d2 (d2) [] () {} <D1@20>",
                       "After::a (a) [OnB@7] () {}"};
    const QByteArray longName = "L_" + QByteArray(3000, 'x');
    QTest::newRow("names longer than a piece of names, and after one") << QByteArray(
        "-\tscript\tN\t-1,{\n" + longName + ":\nL_B:\n\tgoto L_B;\n\tgoto " + longName + ";\n}\n")
        << QStringList{"N [" + longName + "@1 L_B@2] (L_B@3 " + longName + "@4) {}"};
}

void TestScriptModel::itemsStayWithTheirBlock()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, items);
    auto original = std::make_unique<ScriptModel>(BuildScriptModel(shippedProfile("rathena"), view(text)));
    QCOMPARE(itemsOf(*original), items);
    const ScriptModel copy = *original;
    const ScriptModel moved = std::move(*original);
    original.reset();
    QCOMPARE(itemsOf(copy), items);
    QCOMPARE(itemsOf(moved), items);
}

// A text of several MB takes room for its lists and names at once; names denser than that room
// go on in further pieces. Every block keeps its own items, the last as well as the first.
void TestScriptModel::largeTextKeepsItsItems_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("nameLength");
    QTest::newRow("names longer than the rest of the text") << 40000 << 90;
    QTest::newRow("short names") << 100000 << 3;
}

void TestScriptModel::largeTextKeepsItsItems()
{
    QFETCH(int, blocks);
    QFETCH(int, nameLength);
    // Block i: its header on line 4i, the label on 4i+1, the jump on 4i+2.
    const auto labelOf = [nameLength](int i) {
        const QByteArray number = QByteArray::number(i);
        return "L" + QByteArray(qMax(0, nameLength - 1 - int(number.size())), 'x') + number;
    };
    QByteArray text;
    for (int i = 0; i < blocks; ++i)
        text += "-\tscript\tN" + QByteArray::number(i) + "\t-1,{\n" + labelOf(i) + ":\n\tgoto " + labelOf(i) + ";\n}\n";
    QVERIFY(text.size() > 4 << 20);
    const QStringList described = describe(BuildScriptModel(shippedProfile("rathena"), view(text)));
    // A line for each block, then none for problems, then the calls.
    QCOMPARE(described.size(), blocks + 1);
    QCOMPARE(described.last(), QStringLiteral("0 calls"));
    for (const int i : {0, 1, blocks / 2, blocks - 1})
        QCOMPARE(described[i], QStringLiteral("Floating N%1 %2-%3 [%4@%5:0] (%4@%6:6)")
                                   .arg(i).arg(4 * i).arg(4 * i + 3).arg(QLatin1String(labelOf(i)))
                                   .arg(4 * i + 1).arg(4 * i + 2));
}

// Each family's header words, as its loader takes them: "Kind name", or the fault's code.
void TestScriptModel::headerKinds_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("read");
    QTest::newRow("hercules trader") << "hercules" << QByteArray("-\ttrader\tT\t-1,{ end; }") << "Floating T";
    QTest::newRow("hercules miniboss") << "hercules" << QByteArray("prt,1,1,1,1\tminiboss_monster\tM\t1002,1,0,0")
                                       << "Monster M";
    QTest::newRow("hercules words keep their case") << "hercules" << QByteArray("-\tScript\tT\t-1,{ end; }") << "bad-line";
    QTest::newRow("hercules has no states") << "hercules" << QByteArray("-\tscript(HIDDEN)\tT\t-1,{ end; }") << "bad-line";
    QTest::newRow("rathena state") << "rathena" << QByteArray("prt,1,1,4\tscript(HIDDEN)\tT\t1,{ end; }") << "Npc T";
    QTest::newRow("rathena words in any case") << "rathena" << QByteArray("prt,1,1,4\tSCRIPT\tT\t1,{ end; }") << "Npc T";
    QTest::newRow("rathena item shop") << "rathena" << QByteArray("-\titemshop\tI\t-1,501,502:10") << "Shop I";
    QTest::newRow("rathena has no trader") << "rathena" << QByteArray("-\ttrader\tT\t-1,{ end; }") << "bad-line";
    QTest::newRow("eathena cash shop") << "eathena" << QByteArray("-\tcashshop\tC\t-1,501:10") << "Shop C";
    QTest::newRow("eathena has no market") << "eathena" << QByteArray("-\tmarketshop\tM\t-1,501:10:5") << "bad-line";
    QTest::newRow("map flag of three fields") << "eathena" << QByteArray("prontera\tmapflag\tnomemo") << "MapFlag nomemo";
    QTest::newRow("shop needs four fields") << "rathena" << QByteArray("-\tshop\tS") << "bad-line";
    QTest::newRow("duplicate needs its source") << "rathena" << QByteArray("prt,1,1,4\tduplicate\tD\t1") << "bad-line";
    QTest::newRow("display and unique name") << "hercules" << QByteArray("-\tscript\tKafra::kaf_1\t-1,{ end; }")
                                             << "Floating Kafra::kaf_1 (kaf_1)";
}

void TestScriptModel::headerKinds()
{
    QFETCH(QString, profile);
    QFETCH(QByteArray, line);
    QFETCH(QString, read);
    const ScriptModel model = BuildScriptModel(shippedProfile(qPrintable(profile)), view(line));
    const std::vector<ScriptProblem> problems = CheckScript(model, nullptr, {});
    QString found;
    if (!problems.empty()) {
        found = QLatin1String(problems.front().code);
    } else if (model.blocks.size() == 1) {
        const ScriptBlock &block = model.blocks.front();
        found = QStringLiteral("%1 %2").arg(kindName(block.kind), QString::fromStdString(block.name));
        if (block.uniqueName() != block.name)
            found += QStringLiteral(" (%1)").arg(QString::fromStdString(std::string(block.uniqueName())));
    }
    QCOMPARE(found, read);
}

// Whole files in the forms scripts are commonly written in; none may give a problem.
void TestScriptModel::correctScriptsAreSilent_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("profile");
    QTest::newRow("hercules forms") << QByteArray(
        "-\tscript\tShop#1\tFAKE_NPC,{\n"
        "\tmes \"Welcome to the\"\n"
        "\t\t\"Alchemist Union.\";\n"
        "\t2009_hat = 1;\n"
        "\t.@s$ = sprintf(_$(\"%d %s\"), 1, _(\"a\"));\n"
        "\t.@v = \"Shop#2\"::Price(3) ** 2;\n"
        "\t\"Shop#2\"::Price(1);\n"
        "\tend;\n"
        "}\n"
        "-\tscript\tShop#2\tFAKE_NPC,{\n"
        "\tend;\n"
        "public function Price {\n"
        "\treturn getarg(0) * 10;\n"
        "}\n"
        "private function Cost {\n"
        "\treturn 1;\n"
        "}\n"
        "}\n") << "hercules";
    QTest::newRow("town") << QByteArray(
        "//===== Town =====\r\n"
        "prontera,150,150,4\tscript\tKafra\t117,{\r\n"
        "\tcutin \"kafra_01\",2;\r\n"
        "\tmes \"[Kafra]\"; mes \"Hello.\"; next;\r\n"
        "\tif (Zeny < 100\r\n"
        "\t    && BaseLevel > 10) {\r\n"
        "\t\tmes \"semicolon; and // no comment\";\r\n"
        "\t}\r\n"
        "\telse {\r\n"
        "\t\tset Zeny, Zeny - 100; /* paid */ getitem 501, 1; // a potion\r\n"
        "\t}\r\n"
        "\tclose2;\r\n"
        "\tcutin \"\",255;\r\n"
        "\tend;\r\n"
        "}\r\n"
        "prontera,155,150,4\tduplicate(Kafra)\tKafra#2\t117\r\n"
        "prontera\tmapflag\tnosave\tSavePoint\r\n"
        "prt_fild01,0,0,0,0\tmonster\tPoring\t1002,10,0,0,0\r\n"
        "prontera,156,22,0\twarp\tpront_s\t2,2,prt_fild08,170,375\r\n") << "rathena";
    QTest::newRow("loops and choices") << QByteArray(
        "-\tscript\tQuiz\t-1,{\n"
        "OnWhisperGlobal:\n"
        "\tinput .@amount;\n"
        "\tif (.@amount <= 0) end;\n"
        "\t.@menu$ = \"Red:Blue\";\n"
        "\tswitch (select(.@menu$)) {\n"
        "\tcase 1: mes \"red\"; break;\n"
        "\tdefault: mes \"blue\";\n"
        "\t}\n"
        "\twhile (1) {\n"
        "\t\tif (.@i++ > 3) break;\n"
        "\t}\n"
        "\tfor (;;) { break; }\n"
        "\tif (.@a) mes \"a\"; else if (.@b) mes \"b\"; else mes \"c\";\n"
        "\tcallfunc(\"F_Hello\", strcharinfo(0));\n"
        "\tdonpcevent \"Quiz::OnTimer5000\";\n"
        "\tend;\n"
        "OnTimer5000:\n"
        "\tstopnpctimer;\n"
        "\tend;\n"
        "}\n") << "rathena";
    QTest::newRow("functions") << QByteArray(
        "function\tscript\tF_Hello\t{\n"
        "\treturn \"Hello \" + getarg(0);\n"
        "}\n"
        "-\tscript\tHelper\t-1,{\n"
        "\tfunction Twice;\n"
        "\tmes Twice(2);\n"
        "\tF_Hello \"you\";\n"
        "\tend;\n"
        "\tfunction Twice\n"
        "\t{\n"
        "\t\treturn getarg(0) * 2;\n"
        "\t}\n"
        "}\n") << "rathena";
}

void TestScriptModel::correctScriptsAreSilent()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, profile);
    QStringList found;
    for (const ScriptProblem &problem : CheckScript(BuildScriptModel(shippedProfile(qPrintable(profile)), view(text)), nullptr, {}))
        found << QStringLiteral("%1: %2").arg(problem.line + 1).arg(QString::fromStdString(problem.message));
    QCOMPARE(found, QStringList());
}

void TestScriptModel::unknownCommandsSwitchOff()
{
    const ScriptModel model = BuildScriptModel(shippedProfile("hercules"), "-\tscript\tTest\t-1,{\n\tfrobnicate 1;\n\tEnd;\n}\n");
    CheckOptions options;
    options.unknownCommands = false;
    QVERIFY(CheckScript(model, nullptr, options).empty());
    QCOMPARE(CheckScript(model, nullptr, {}).size(), size_t(2));
}

// The mark of a missing ";" lies on the statement's last token: "column:length", columns from 0.
void TestScriptModel::missingSemicolonMarksLastToken_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("mark");
    QTest::newRow("variable with sigils and $") << QByteArray("\tset .@n, .@a$") << "10:4";
    QTest::newRow("number before a comment") << QByteArray("\tset .@n, 12 // note") << "10:2";
    QTest::newRow("closing parenthesis") << QByteArray("\tset .@n, getarg(0)  ") << "18:1";
    QTest::newRow("after multi-byte characters") << QByteArray("\tmes \"\xC3\xA9\xC3\xA9\" + \"\xE2\x82\xAC\"") << "12:3";
    QTest::newRow("after three-byte characters") << QByteArray("\tmes\"\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\"+.@a") << "10:3";
}

void TestScriptModel::missingSemicolonMarksLastToken()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, mark);
    const std::vector<ScriptProblem> problems = CheckScript(
        BuildScriptModel(shippedProfile("rathena"), view("-\tscript\tTest\t-1,{\n" + line + "\n\tend;\n}\n")), nullptr, {});
    QCOMPARE(problems.size(), size_t(1));
    QCOMPARE(problems[0].kind, ProblemKind::MissingSemicolon);
    QCOMPARE(QStringLiteral("%1:%2").arg(problems[0].column).arg(problems[0].length), mark);
}

void TestScriptModel::oneReadingWhateverThePath_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed = 1; seed <= 40; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("generated %1").arg(seed))) << seed;
}

// One text gives one model: whatever the highlighting definition holds, and whether it is read
// whole or in pieces cut at line ends.
void TestScriptModel::oneReadingWhateverThePath()
{
    QFETCH(unsigned, seed);
    const QByteArray text = generatedScript(seed);

    bool comment = false;
    QStringList pieces;
    for (size_t at = 0; at < size_t(text.size());) {
        const size_t end = ScriptPieceEnd(view(text), at, 5 + seed % 11);
        pieces << tokensOf(view(text), at, end, &comment);
        at = end;
    }
    QCOMPARE(pieces, tokensOf(view(text)));

    LanguageDefinition plain;
    plain.singleLineComments = QStringLiteral("//");
    plain.multilineComments1 = QStringLiteral("/*");
    plain.multilineComments2 = QStringLiteral("*/");
    plain.stringDelimiters = QStringLiteral("\"");
    LanguageDefinition edited = plain;
    edited.multilineComments1 = QStringLiteral("/*\n(*");
    edited.multilineComments2 = QStringLiteral("*/\n*)");
    edited.stringDelimiters = QStringLiteral("\"\n'");
    edited.operators = QStringLiteral("//=\n/");
    const std::unordered_set<std::string> words{"mes", "goto", "menu", "set", "end", "break"};
    QCOMPARE(describe(BuildScriptModel(ScriptStyler(edited), words, view(text))),
             describe(BuildScriptModel(ScriptStyler(plain), words, view(text))));
}

// A text of nothing but openings is read, and its problems stay few.
void TestScriptModel::nestingCostsNoMore()
{
    const QByteArray text = "-\tscript\tDeep\t-1,{\n" + QByteArray("{(").repeated(20000) + "\n";
    const ScriptModel model = BuildScriptModel(shippedProfile("rathena"), view(text));
    QVERIFY(model.problems.size() <= 1000);
    QCOMPARE(model.blocks.size(), size_t(1));
}

// A reading told to stop ends after the block it is in, or inside a long body, and says so.
// Texts: short blocks of one statement each, after one block whose body holds longBody
// statements (none when 0).
void TestScriptModel::stopEndsTheReading_data()
{
    QTest::addColumn<int>("longBody");
    QTest::addColumn<int>("shortBlocks");
    QTest::addColumn<int>("stop");      // 0: no flag given, 1: a flag left clear, 2: a flag set
    QTest::addColumn<int>("blocks");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<bool>("insideBody");   // the reading ended before the long body did
    QTest::newRow("no flag") << 0 << 3 << 0 << 3 << false << false;
    QTest::newRow("a clear flag reads to the end") << 2000 << 3 << 1 << 4 << false << false;
    QTest::newRow("after the first block") << 0 << 3 << 2 << 1 << true << false;
    QTest::newRow("inside a long body") << 2000 << 3 << 2 << 1 << true << true;
    QTest::newRow("a body too short to look inside") << 10 << 3 << 2 << 1 << true << false;
    QTest::newRow("a set flag is told even at the end") << 0 << 1 << 2 << 1 << true << false;
}

void TestScriptModel::stopEndsTheReading()
{
    QFETCH(int, longBody);
    QFETCH(int, shortBlocks);
    QFETCH(int, stop);
    QFETCH(int, blocks);
    QFETCH(bool, stopped);
    QFETCH(bool, insideBody);
    QByteArray text;
    if (longBody > 0)
        text += "-\tscript\tLong\t-1,{\n" + QByteArray("\tmes \"a\";\n").repeated(longBody) + "}\n";
    for (int n = 0; n < shortBlocks; ++n)
        text += "-\tscript\tShort" + QByteArray::number(n) + "\t-1,{\n\tend;\n}\n";
    std::atomic<bool> flag{stop == 2};
    const ScriptModel model = BuildScriptModel(shippedProfile("rathena"), view(text), stop == 0 ? nullptr : &flag);
    QCOMPARE(int(model.blocks.size()), blocks);
    QCOMPARE(model.stopped, stopped);
    QCOMPARE(model.lineCount <= longBody, insideBody);
}

QTEST_APPLESS_MAIN(TestScriptModel)
#include "test_script_model.moc"
