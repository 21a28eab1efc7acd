// Tests of the script model: blocks, labels and jumps, and the problems it finds or leaves alone.
#include <QtTest>

#include "language_definition.h"
#include "script_model.h"
#include "script_styler.h"

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

const char *problemName(ProblemKind kind)
{
    switch (kind) {
    case ProblemKind::Pairing: return "Pairing";
    case ProblemKind::OpenText: return "OpenText";
    case ProblemKind::MissingLabel: return "MissingLabel";
    case ProblemKind::DuplicateLabel: return "DuplicateLabel";
    case ProblemKind::MissingSemicolon: return "MissingSemicolon";
    case ProblemKind::UnknownCommand: return "Unknown";
    }
    return "?";
}

} // namespace

class TestScriptModel : public QObject
{
    Q_OBJECT

private:
    LanguageDefinition m_definition = ReadLanguageDefinition(QStringLiteral(QUILL_SCRIPT_DEFINITION));
    ScriptStyler m_styler{m_definition};
    std::unordered_set<std::string> m_words = CommandWords(m_definition);

    ScriptModel build(const QByteArray &text) const
    {
        return BuildScriptModel(m_styler, m_words, std::string_view(text.constData(), size_t(text.size())));
    }

private Q_SLOTS:
    void blocks_data();
    void blocks();
    void problems_data();
    void problems();
    void correctScriptsAreSilent_data();
    void correctScriptsAreSilent();
    void unknownCommandsSwitchOff();
    void missingSemicolonMarksLastToken_data();
    void missingSemicolonMarksLastToken();
    void styledReadingFindsTheSame_data();
    void styledReadingFindsTheSame();
};

// "Kind Name first-last [label@line ...] (jump ...)", blocks joined by " | ", lines from 0.
void TestScriptModel::blocks_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("outline");
    QTest::newRow("npc with labels") << QByteArray(
        "prontera,150,150,4\tscript\tKafra\t100,{\n\tmes \"Hi\";\n\tgoto L_End;\nL_End:\n\tclose;\nOnInit:\n\tend;\n}\n")
        << "Npc Kafra 0-7 [L_End@3 OnInit@5] (L_End)";
    QTest::newRow("floating and function") << QByteArray(
        "-\tscript\tHelper\t-1,{\nOnEvent:\n\tend;\n}\nfunction\tscript\tF_Sum\t{\n\treturn getarg(0)+getarg(1);\n}\n")
        << "Floating Helper 0-3 [OnEvent@1] () | Function F_Sum 4-6 [] ()";
    QTest::newRow("one-line blocks") << QByteArray(
        "prontera,100,100,4\tshop\tTool Dealer\t83,501:50,502:-1\n"
        "prontera,156,22,0\twarp\tpront_s\t2,2,prt_fild08,170,375\n"
        "izlude,100,100,4\tduplicate(Kafra)\tKafra#2\t113\n"
        "prt_fild08,0,0,0,0\tmonster\tPoring\t1002,50,0,0,0\n"
        "prontera\tmapflag\tnosave\tSavePoint\n")
        << "Shop Tool Dealer 0-0 [] () | Warp pront_s 1-1 [] () | Duplicate Kafra#2 2-2 [] () | "
           "Monster Poring 3-3 [] () | MapFlag nosave 4-4 [] ()";
    QTest::newRow("blanks for tabs") << QByteArray("prontera,150,150,4 script Kafra Girl 100,{\n\tend;\n}\n")
        << "Npc Kafra Girl 0-2 [] ()";
    QTest::newRow("brace on its own line") << QByteArray("-\tscript\tLate\t-1,\n{\nL_A:\n\tend;\n}\n")
        << "Floating Late 0-4 [L_A@2] ()";
    QTest::newRow("every jump") << QByteArray(
        "-\tscript\tGuide#1\t-1,{\n\tmenu \"Go\",L_Go,\"Stop\",-;\n\tcallsub(S_Sub, 1);\n"
        "\tdonpcevent \"Guide#1::OnShow\";\n\tdonpcevent \"Other::OnHide\";\n\tselect(\"A\",L_A);\n"
        "\tif (select(\"a:b\") == 1) goto L_Go;\nL_Go:\nS_Sub:\nOnShow:\nL_A:\n\tend;\n}\n")
        << "Floating Guide#1 0-12 [L_Go@7 S_Sub@8 OnShow@9 L_A@10] (L_Go S_Sub OnShow L_A L_Go)";
}

void TestScriptModel::blocks()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, outline);
    const ScriptModel model = build(text);
    QStringList blocks;
    for (const ScriptBlock &block : model.blocks) {
        QStringList labels;
        for (const ScriptLabel &label : block.labels)
            labels << QStringLiteral("%1@%2").arg(QString::fromStdString(label.name)).arg(label.line);
        QStringList jumps;
        for (const ScriptJump &jump : block.jumps)
            jumps << QString::fromStdString(jump.target);
        blocks << QStringLiteral("%1 %2 %3-%4 [%5] (%6)").arg(kindName(block.kind), QString::fromStdString(block.name))
                      .arg(block.line).arg(block.endLine).arg(labels.join(' '), jumps.join(' '));
    }
    QCOMPARE(blocks.join(QStringLiteral(" | ")), outline);
    QVERIFY(model.problems.empty());
}

// Problems as "line:kind" with lines from 1, in text order; "" for a correct script.
void TestScriptModel::problems_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");
    QTest::newRow("correct forms") << QByteArray(
        "\t// a comment { (\n\t/* and { another\n\t   over lines */\n"
        "\tmes \"[Guide]\", \"Say \\\"hi\\\" }\";\n\tnext;\n"
        "\tset .@n, 0;\n\t.@name$ = \"a\" +\n\t\t\"b\";\n\t$@total += 1;\n\tsetarray .@list[0], 1, 2,\n\t\t3;\n"
        "\tfor (.@i = 0; .@i < 3; .@i++) {\n\t\tif (.@list[.@i] > 1)\n\t\t\tmes \"big\";\n\t\telse if (.@i)\n"
        "\t\t\tmes \"one\";\n\t\telse {\n\t\t\tmes \"none\";\n\t\t}\n\t}\n"
        "\twhile (.@n < 2) .@n++;\n\tdo {\n\t\t.@n--;\n\t} while (.@n > 0);\n"
        "\tswitch (select(\"Buy:Sell\")) {\n\tcase 1:\n\t\tcallsub S_Buy, 1;\n\t\tbreak;\n\tdefault:\n\t\tbreak;\n\t}\n"
        "\tmenu \"Heal\",L_Heal,\n\t\t\"Leave\",-;\n\t.@r = rand(2) ? 1 : 0;\n\tcallfunc \"F_Sum\", 1,\n\t\t2;\n"
        "\tfunction Local;\n\tLocal(1);\n\tclose;\nL_Heal:\n\tpercentheal 100, 100;\n\tend;\nS_Buy:\n"
        "\treturn;\nOnTimer1000:\n\tnpctalk \"tick\";\n\tend;\nfunction Local {\n\treturn getarg(0);\n}\n")
        << "";
    QTest::newRow("missing label") << QByteArray("\tgoto L_Nowhere;\nL_Here:\n\tend;\n") << "2:MissingLabel";
    QTest::newRow("label defined twice") << QByteArray("L_A:\n\tend;\nL_A:\n\tend;\n") << "4:DuplicateLabel";
    QTest::newRow("label of another block") << QByteArray("\tcallsub L_Elsewhere;\n\tend;\n") << "2:MissingLabel";
    QTest::newRow("missing semicolon") << QByteArray("\tmes \"a\"\n\tclose;\n") << "2:MissingSemicolon";
    QTest::newRow("before closing brace") << QByteArray("\tif (1) {\n\t\tend\n\t}\n\tend;\n") << "3:MissingSemicolon";
    QTest::newRow("unclosed brace") << QByteArray("\tif (1) {\n\t\tend;\n") << "1:Pairing";
    QTest::newRow("extra parenthesis") << QByteArray("\tmes (\"a\"));\n\tend;\n") << "2:Pairing";
    QTest::newRow("unclosed bracket") << QByteArray("\tset .@a[1, 2;\n\tend;\n") << "2:Pairing";
    QTest::newRow("open string") << QByteArray("\tmes \"abc;\n\tend;\n") << "2:OpenText";
    QTest::newRow("open comment") << QByteArray("\tend;\n/* no end\n}\n") << "1:Pairing 3:OpenText";
    QTest::newRow("unknown command") << QByteArray("\tfrobnicate 1;\n\tend;\n") << "2:Unknown";
}

void TestScriptModel::problems()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    const QByteArray text = "-\tscript\tTest\t-1,{\n" + body + "}\n";
    QStringList found;
    for (const ScriptProblem &problem : CheckScript(build(text), {}))
        found << QStringLiteral("%1:%2").arg(problem.line + 1).arg(problemName(problem.kind));
    QCOMPARE(found.join(' '), expected);
}

// Whole files in the forms scripts are commonly written in; none may give a problem.
void TestScriptModel::correctScriptsAreSilent_data()
{
    QTest::addColumn<QByteArray>("text");
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
        "prontera,156,22,0\twarp\tpront_s\t2,2,prt_fild08,170,375\r\n");
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
        "}\n");
    QTest::newRow("functions") << QByteArray(
        "function\tscript\tF_Hello\t{\n"
        "\treturn \"Hello \" + getarg(0);\n"
        "}\n"
        "-\tscript\tHelper\t-1,{\n"
        "\tfunction Twice;\n"
        "\tmes Twice(2);\n"
        "\tend;\n"
        "\tfunction Twice\n"
        "\t{\n"
        "\t\treturn getarg(0) * 2;\n"
        "\t}\n"
        "}\n");
}

void TestScriptModel::correctScriptsAreSilent()
{
    QFETCH(QByteArray, text);
    QStringList found;
    for (const ScriptProblem &problem : CheckScript(build(text), {}))
        found << QStringLiteral("%1: %2").arg(problem.line + 1).arg(QString::fromStdString(problem.message));
    QCOMPARE(found, QStringList());
}

void TestScriptModel::unknownCommandsSwitchOff()
{
    const ScriptModel model = build("-\tscript\tTest\t-1,{\n\tfrobnicate 1;\n\tend;\n}\n");
    CheckOptions options;
    options.unknownCommands = false;
    QVERIFY(CheckScript(model, options).empty());
    QCOMPARE(CheckScript(model, {}).size(), size_t(1));
}

// The mark of a missing ";" lies on the statement's last token: "column:length", columns from 0.
void TestScriptModel::missingSemicolonMarksLastToken_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("mark");
    QTest::newRow("variable with sigils and $") << QByteArray("\tset .@n, .@a$") << "10:4";
    QTest::newRow("number before a comment") << QByteArray("\tset .@n, 12 // note") << "10:2";
    QTest::newRow("$ ends the word before") << QByteArray("\tset .@n, x$.@y") << "12:3";
    QTest::newRow("closing parenthesis") << QByteArray("\tset .@n, getarg(0)  ") << "18:1";
}

void TestScriptModel::missingSemicolonMarksLastToken()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, mark);
    const std::vector<ScriptProblem> problems = CheckScript(build("-\tscript\tTest\t-1,{\n" + line + "\n\tend;\n}\n"), {});
    QCOMPARE(problems.size(), size_t(1));
    QCOMPARE(problems[0].kind, ProblemKind::MissingSemicolon);
    QCOMPARE(QStringLiteral("%1:%2").arg(problems[0].column).arg(problems[0].length), mark);
}

// An operator that starts like a comment keeps the model from finding comments and strings by
// their tokens alone; read from the styles, the same script gives the same model.
void TestScriptModel::styledReadingFindsTheSame_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("problems") << QByteArray(
        "prontera,1,1,4\tscript\tA\t1,{ // {\n\tmes \"a /* b\";\n\tgoto L_None\n/* open\n\tmes \"x\";\n*/\tend;\n}\n"
        "-\tscript\tB\t-1,{\nL_A:\nL_A:\n\tmes \"open;\n\tend;\n}\n/* left open\n");
    QTest::newRow("correct") << QByteArray(
        "function\tscript\tF\t{\n\tset .@a$, \"//\" + getarg(0); // note\n\treturn .@a$;\n}\n");
}

void TestScriptModel::styledReadingFindsTheSame()
{
    QFETCH(QByteArray, text);
    LanguageDefinition styled = m_definition;
    styled.operators += QStringLiteral("\n//=");
    const ScriptStyler styledStyler(styled);
    QVERIFY(m_styler.textTokensDecide());
    QVERIFY(!styledStyler.textTokensDecide());
    const auto describe = [](const ScriptModel &model) {
        QStringList out;
        for (const ScriptBlock &block : model.blocks)
            out << QStringLiteral("%1 %2-%3 %4/%5").arg(QString::fromStdString(block.name)).arg(block.line)
                       .arg(block.endLine).arg(block.labels.size()).arg(block.jumps.size());
        for (const ScriptProblem &problem : model.problems)
            out << QStringLiteral("%1:%2:%3 %4").arg(problem.line).arg(problem.column).arg(problem.length)
                       .arg(QString::fromStdString(problem.message));
        return out;
    };
    const std::string_view view(text.constData(), size_t(text.size()));
    QCOMPARE(describe(BuildScriptModel(styledStyler, m_words, view)), describe(build(text)));
}

QTEST_APPLESS_MAIN(TestScriptModel)
#include "test_script_model.moc"
