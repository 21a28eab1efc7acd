// Tests of the checks: each one firing, and staying silent on the forms real scripts use.
#include <QtTest>

#include "script_checks.h"
#include "script_index.h"
#include "script_model.h"
#include "script_profile.h"

namespace {

// A server of our own for the tests: a few commands, labels compared without case.
const char TestProfile[] = R"(name = Test
ignore case = yes
assignments = = += -= ++ --
call functions by name = yes
[headers]
script script body
shop shop
warp warp
duplicate duplicate
monster monster
mapflag mapflag fields 3
[events]
OnInit
[commands]
mes s* text
close -
end -
next -
goto l label
callsub l* label, argument
callfunc s* function, argument
menu sl* option, label, ...
warp sii? map, x, y, char id
set rv? variable, value
donpcevent s event
select s* option
getarg i? index, default
rand i? start, end
)";

std::shared_ptr<const ScriptProfile> profileOf(const std::string &extra = {})
{
    auto profile = std::make_shared<ScriptProfile>();
    std::string text = TestProfile;
    // Settings go before the first section, and a later one wins.
    if (!extra.empty())
        text.insert(text.find("[headers]"), extra + "\n");
    std::string error;
    if (!ParseScriptProfile(text, profile.get(), &error))
        qFatal("test profile: %s", error.c_str());
    return profile;
}

// "line:column:code", 1-based, for each problem.
QStringList found(const std::vector<ScriptProblem> &problems)
{
    QStringList list;
    for (const ScriptProblem &problem : problems)
        list << QStringLiteral("%1:%2:%3").arg(problem.line + 1).arg(problem.column + 1).arg(QLatin1String(problem.code));
    return list;
}

// An NPC around body: the body's first line is the file's line 2.
QByteArray npc(const QByteArray &body, const QByteArray &name = "T")
{
    return "-\tscript\t" + name + "\t-1,{\n" + body + "}\n";
}

std::shared_ptr<const ScriptModel> modelOf(const QByteArray &text)
{
    return std::make_shared<const ScriptModel>(
        BuildScriptModel(profileOf(), std::string_view(text.constData(), size_t(text.size()))));
}

// Checks text as "b.txt" beside other as "a.txt": a.txt comes first, so its NPCs are the ones
// defined first. Alone, text is the index's only file. With a stop flag, the checks that look at
// it are run.
enum class Beside { Other, Alone };
ScriptCheckResult checkBeside(const QByteArray &other, const QByteArray &text, const std::atomic<bool> *stop = nullptr,
                              Beside beside = Beside::Other)
{
    ScriptIndex index(profileOf()->ignoreCase);
    if (beside == Beside::Other)
        index.add("a.txt", modelOf(other));
    const auto model = modelOf(text);
    index.add("b.txt", model);
    CheckOptions options;
    options.path = "b.txt";
    if (stop)
        return CheckScript(*model, &index, options, *stop);
    return {CheckScript(*model, &index, options), false};
}

} // namespace

class TestScriptChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneFile_data();
    void oneFile();
    void acrossFiles_data();
    void acrossFiles();
    void aloneInTheIndex_data();
    void aloneInTheIndex();
    void unclosedWhereItIsMissing_data();
    void unclosedWhereItIsMissing();
    void indexFollowsChanges();
    void indexLookUps_data();
    void indexLookUps();
    void manyNames_data();
    void manyNames();
    void severities_data();
    void severities();
    void stopFlag_data();
    void stopFlag();
};

void TestScriptChecks::oneFile_data()
{
    QTest::addColumn<QByteArray>("profileSettings");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");

    const QByteArray none;
    QTest::newRow("unknown command") << none << npc("\tfrobnicate 1;\n\tend;\n") << QStringList{"2:2:unknown-command"};
    QTest::newRow("unknown in an expression") << none << npc("\tset .@a, nothere(1);\n\tend;\n")
                                             << QStringList{"2:11:unknown-command"};
    QTest::newRow("local function is a command") << none
        << npc("\tfunction F;\n\tF 1;\n\tset .@a, F(2);\n\tend;\nfunction F {\n\treturn;\n}\n")
        << QStringList{"7:2:unknown-command"};  // "return" is no command of the test server
    QTest::newRow("global function by name") << none
        << QByteArray("function\tscript\tF_Pay\t{\n\tend;\n}\n") + npc("\tF_Pay;\n\tend;\n") << QStringList{};
    QTest::newRow("command case ignored") << none << npc("\tMES \"a\";\n\tClose;\n") << QStringList{};
    QTest::newRow("command case kept") << QByteArray("ignore case = no") << npc("\tMES \"a\";\n\tclose;\n")
                                       << QStringList{"2:2:unknown-command"};

    QTest::newRow("too few arguments") << none << npc("\twarp \"izlu2dun\",107;\n") << QStringList{"2:2:arg-count"};
    QTest::newRow("too many in brackets") << none << npc("\twarp(\"a\",1,2,3,4);\n") << QStringList{"2:2:arg-count"};
    QTest::newRow("too many in an expression") << none << npc("\tset .@a, getarg(0,1,2);\n")
                                               << QStringList{"2:11:arg-count"};
    QTest::newRow("argument counts right") << none
        << npc("\twarp \"a\",1,2;\n\twarp(\"a\", 1, 2, 3);\n\tmes (\"a\") + \"b\", \"c\";\n\tset .@a, rand(1) + getarg(0, 1);\n\tclose;\n")
        << QStringList{};
    QTest::newRow("no arguments where some are needed") << none << npc("\tmes;\n\tclose;\n") << QStringList{"2:2:arg-count"};

    QTest::newRow("if without bracket") << none << npc("\tif .@a goto L;\nL:\n\tend;\n") << QStringList{"2:2:no-paren"};
    QTest::newRow("while without bracket") << none << npc("\twhile 1 end;\n") << QStringList{"2:2:no-paren"};
    QTest::newRow("conditions read whole") << none
        << npc("\tif (.@t > 0) && (.@t < 3) goto L_X;\n"
               "\tif ((.@a == 1 || .@b) && !.@c) mes \"a\";\n"
               "\tif (.@a) { mes \"b\"; } else if (.@b == -1) mes \"c\"; else { close; }\n"
               "\twhile (.@i < 3 && select(\"a\", \"b\") == 1) .@i++;\n"
               "\tfor (.@i = 0; .@i < getarg(0); .@i++) mes \"d\";\n"
               "\tfor (set .@i, 0; .@i < 3; set .@i, .@i + 1) { }\n"
               "\tfor (;;) break;\n"
               "\tdo { .@i += 2; } while (.@i < (3 * 4) ? 1 : 0);\n"
               "\tswitch (select(\"a:b\")) { case 1: mes \"x\"; break; default: end; }\n"
               "L_X:\n\tend;\n")
        << QStringList{};

    QTest::newRow("break outside") << none << npc("\tbreak;\n") << QStringList{"2:2:stray-jump"};
    QTest::newRow("continue in a switch") << none << npc("\tswitch (.@a) { case 1: continue; }\n")
                                          << QStringList{"2:25:stray-jump"};
    QTest::newRow("continue in a function of a loop") << none
        << npc("\twhile (1) {\n\t\tbreak;\n\t}\n\tfunction G {\n\t\tcontinue;\n\t}\n\tG;\n")
        << QStringList{"6:3:stray-jump"};

    QTest::newRow("duplicate case") << none << npc("\tswitch (.@a) {\n\tcase 1:\n\tcase 0x1:\n\t\tend;\n\t}\n")
                                    << QStringList{"4:7:dup-case"};
    QTest::newRow("second default") << none << npc("\tswitch (.@a) {\n\tdefault:\n\tdefault:\n\t\tend;\n\t}\n")
                                    << QStringList{"4:2:dup-case"};
    QTest::newRow("cases of nested switches") << none
        << npc("\tswitch (.@a) {\n\tcase 1:\n\t\tswitch (.@b) { case 1: end; default: end; }\n\tcase 2: default:\n\t\tend;\n\t}\n")
        << QStringList{};

    QTest::newRow("case constants compared as names are") << none
        << npc("\tswitch (.@a) { case Job_Novice: end; case JOB_NOVICE: end; }\n") << QStringList{"2:44:dup-case"};
    QTest::newRow("negative case values") << none << npc("\tswitch (.@a) { case -1: end; case 1: end; }\n")
                                          << QStringList{};
    QTest::newRow("default outside a switch") << none << npc("\tdefault:\n\tend;\n") << QStringList{"2:2:syntax"};
    QTest::newRow("else without if") << none << npc("\tmes \"a\";\n\telse close;\n") << QStringList{"3:2:stray-else"};
    QTest::newRow("else after a finished if") << none << npc("\tif (.@a) { end; }\n\tmes \"a\";\n\telse end;\n")
                                              << QStringList{"4:2:stray-else"};
    QTest::newRow("dangling else") << none << npc("\tif (.@a) if (.@b) end; else close;\n") << QStringList{};

    QTest::newRow("label twice") << none << npc("L_A:\n\tend;\nL_A:\n\tend;\n") << QStringList{"4:1:dup-label"};
    QTest::newRow("label twice in other case") << none << npc("L_Ask:\n\tend;\nl_ask:\n\tend;\n")
                                               << QStringList{"4:1:dup-label"};
    QTest::newRow("labels of case kept apart") << QByteArray("ignore case = no") << npc("L_Ask:\n\tend;\nl_ask:\n\tend;\n")
                                               << QStringList{};
    QTest::newRow("jump to nothing") << none << npc("\tgoto L_None;\n\tmenu \"a\",L_A,\"b\",L_B,\"c\",-;\nL_A:\n\tend;\n")
                                     << QStringList{"2:7:no-label", "3:19:no-label"};
    QTest::newRow("jumps found") << none
        << npc("\tcallsub S_Pay, 10;\n\tif (.@a) goto l_end;\nS_Pay:\n\treturn;\nL_End:\n\tend;\n")
        << QStringList{"5:2:unknown-command"};

    QTest::newRow("function never defined") << none << npc("\tfunction F;\n\tend;\n")
                                            << QStringList{"2:11:undefined-function"};

    QTest::newRow("unclosed if before a header") << none
        << QByteArray("-\tscript\tA\t-1,{\n\tif (.@a) {\n\t\tmes \"a\";\n\tend;\n}\n") + npc("\tend;\n", "B")
        << QStringList{"2:11:unclosed"};
    QTest::newRow("unclosed at the end") << none << QByteArray("-\tscript\tA\t-1,{\n\tswitch (.@a) {\n\tcase 1:\n\t\tend;\n")
                                         << QStringList{"2:15:unclosed"};
    QTest::newRow("closing brace with no opening") << none << npc("\tend;\n") + "}\n" << QStringList{"4:1:unclosed"};
    QTest::newRow("bracket not closed") << none << npc("\tmes (\"a\";\n\tend;\n") << QStringList{"2:6:unclosed"};

    QTest::newRow("forms read whole") << none
        << npc("\tif(!(.@a)) end;\n"
               "\t.@b = .@a ? (.@c ? 1 : 2) : 3;\n"
               "L_A: mes \"a\"; goto L_A;\n"
               "\tset .@l[.@n + 1], 5;\n"
               "\t.@l[.@n * 2] = -.@b;\n"
               "\tmes \"a\",\n\t\t\"b\";\n"
               "\tend;\n")
        << QStringList{};
    QTest::newRow("semicolon missing after brackets") << none << npc("\tclose()\n\tend;\n")
                                                      << QStringList{"2:8:no-semicolon"};
    QTest::newRow("semicolon missing") << none << npc("\tmes \"Hi\"\n\tclose;\n") << QStringList{"2:6:no-semicolon"};
    QTest::newRow("semicolon missing before brace") << none << npc("\tif (1) { end }\n") << QStringList{"2:11:no-semicolon"};
    QTest::newRow("string not closed") << none << npc("\tmes \"Hi;\n\tclose;\n") << QStringList{"2:6:open-text"};
    QTest::newRow("comment not closed") << none << npc("\tend; /* to do\n") << QStringList{"1:15:unclosed", "2:7:open-text"};
    QTest::newRow("comment opened again after one closed") << none << npc("\tend; /* one\n\ttwo */ /* three\n")
                                                           << QStringList{"1:15:unclosed", "3:9:open-text"};

    QTest::newRow("header with blanks") << none
        << QByteArray("prontera,150,150,4 script Guide 100,{\n\tend;\n}\n") << QStringList{"1:1:blank-header"};
    QTest::newRow("line the loader cannot read") << none << QByteArray("just words here\n") << QStringList{"1:1:bad-line"};
    QTest::newRow("duplicate ends in a brace") << none
        << npc("\tend;\n") + "prontera,1,1,4\tduplicate(T)\tT2\t100,{\n" << QStringList{};
    QTest::newRow("quote in a header name") << none << QByteArray("-\tscript\tSay \"Hi\t-1,{\n\tend;\n}\n")
                                            << QStringList{};
    QTest::newRow("headers of every kind") << none
        << QByteArray("prontera,1,1,0\twarp\tW1\t1,1,izlude,2,2\n"
                      "prontera\tmapflag\tnosave\n"
                      "prontera,0,0,0,0\tmonster\tPoring\t1002,10,0,0\n"
                      "-\tshop\tS1\t-1,501:-1\n"
                      "function\tscript\tF\t{\n\tend;\n}\n")
        << QStringList{};
    QTest::newRow("two NPCs of one name") << none << npc("\tend;\n", "Same") + npc("\tend;\n", "Other::Same")
                                          << QStringList{"4:1:dup-npc"};
    QTest::newRow("assignment where only set exists") << QByteArray("assignments = no") << npc("\t.@a = 1;\n\tend;\n")
                                                      << QStringList{"2:2:assignment"};
    QTest::newRow("assignments") << none << npc("\t.@a = 1;\n\tZeny -= 5;\n\t.@b[.@a] += 2;\n\t++.@a;\n\t$@x$ = \"a\";\n\tend;\n")
                                 << QStringList{};
    QTest::newRow("lone minus as a label") << none << npc("\tmenu \"a\",-,\"b\",L_B;\nL_B:\n\tend;\n") << QStringList{};
    QTest::newRow("column after multi-byte characters") << none << npc("\tmes \"caf\xC3\xA9\xE2\x82\xAC\"; goto L_No;\n")
                                                        << QStringList{"2:20:no-label"};
}

void TestScriptChecks::oneFile()
{
    QFETCH(QByteArray, profileSettings);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    const ScriptModel model = BuildScriptModel(profileOf(profileSettings.toStdString()),
                                               std::string_view(text.constData(), size_t(text.size())));
    QCOMPARE(found(CheckScript(model, nullptr, {})), expected);
}

void TestScriptChecks::acrossFiles_data()
{
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");

    const QByteArray functions = "function\tscript\tF_Known\t{\n\treturn;\n}\n";
    const QByteArray guide = npc("\tend;\nOnShow:\n\tend;\n", "Guide#1");
    QTest::newRow("function another file defines") << functions << npc("\tcallfunc \"F_Known\", 1;\n\tcallfunc(\"F_Known\");\n")
                                                   << QStringList{};
    QTest::newRow("function no file defines") << functions << npc("\tcallfunc \"F_Unknown\";\n\tend;\n")
                                              << QStringList{"2:11:no-function"};
    QTest::newRow("function by name from another file") << functions << npc("\tF_Known;\n") << QStringList{};
    QTest::newRow("event another file has") << guide << npc("\tdonpcevent \"Guide#1::OnShow\";\n\tdonpcevent \"T::OnMine\";\nOnMine:\n\tend;\n")
                                            << QStringList{};
    QTest::newRow("event label missing") << guide << npc("\tdonpcevent \"Guide#1::OnHide\";\n\tend;\n")
                                         << QStringList{"2:13:no-event"};
    QTest::newRow("event NPC missing") << guide << npc("\tdonpcevent \"Nobody::OnShow\";\n\tend;\n")
                                       << QStringList{"2:13:no-event"};
    QTest::newRow("event of a duplicate") << guide + "prontera,1,1,4\tduplicate(Guide#1)\tGuide#2\t100\n"
                                          << npc("\tdonpcevent \"Guide#2::OnShow\";\n\tend;\n") << QStringList{};
    QTest::newRow("NPC name in another file") << guide << npc("\tend;\n", "Guide#1") << QStringList{"1:1:dup-npc"};
}

void TestScriptChecks::acrossFiles()
{
    QFETCH(QByteArray, other);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    QCOMPARE(found(checkBeside(other, text).problems), expected);
}

// A file checked with an index that holds it alone, as the editor checks a script with no other
// in its folder: the index's findings, each with its message.
void TestScriptChecks::aloneInTheIndex_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("NPC named twice") << npc("\tend;\n", "Twin") + npc("\tend;\n", "Twin")
                                     << QStringList{"4:1 Another NPC is named 'Twin' (b.txt:1)"};
    QTest::newRow("function no file defines") << npc("\tcallfunc \"F_None\";\n\tend;\n")
        << QStringList{"2:11 No checked file defines the function 'F_None'"};
    QTest::newRow("function the file defines") << "function\tscript\tF_Here\t{\n\tend;\n}\n"
                                                      + npc("\tcallfunc \"F_Here\";\n\tend;\n")
                                               << QStringList{};
    QTest::newRow("event label the NPC lacks") << npc("\tdonpcevent \"T::OnNone\";\n\tend;\n")
                                               << QStringList{"2:13 NPC 'T' has no label 'OnNone'"};
    QTest::newRow("event NPC missing") << npc("\tdonpcevent \"Nobody::OnShow\";\n\tend;\n")
                                       << QStringList{"2:13 No checked file has an NPC named 'Nobody'"};
    QTest::newRow("event of the file's duplicate") << npc("\tdonpcevent \"D2::OnGo\";\n\tend;\nOnGo:\n\tend;\n")
                                                          + "prontera,1,1,4\tduplicate(T)\tD2\t100\n"
                                                   << QStringList{};
}

void TestScriptChecks::aloneInTheIndex()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    QStringList messages;
    for (const ScriptProblem &problem : checkBeside({}, text, nullptr, Beside::Alone).problems)
        messages << QStringLiteral("%1:%2 %3").arg(problem.line + 1).arg(problem.column + 1)
                        .arg(QString::fromStdString(problem.message));
    QCOMPARE(messages, expected);
}

// What the index finds over three files: places in path and line order, "yes" or "no" for labels.
void TestScriptChecks::indexLookUps_data()
{
    QTest::addColumn<QString>("asked");     // "function", "npc" or "label"
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("function defined twice") << "function" << QByteArray("F_A") << QStringList{"a.txt:1", "c.txt:1"};
    QTest::newRow("function not defined") << "function" << QByteArray("F_B") << QStringList{};
    QTest::newRow("NPC in two files") << "npc" << QByteArray("Shared") << QStringList{"a.txt:4", "b.txt:1"};
    QTest::newRow("unique name after ::") << "npc" << QByteArray("only_b") << QStringList{"b.txt:4"};
    QTest::newRow("the whole name is no unique name") << "npc" << QByteArray("Only::only_b") << QStringList{};
    QTest::newRow("a function is no NPC") << "npc" << QByteArray("F_A") << QStringList{};
    QTest::newRow("a name told apart by its last letter") << "npc" << QByteArray("Sharee") << QStringList{};
    QTest::newRow("label in other case") << "label" << QByteArray("Shared::ongo") << QStringList{"yes"};
    QTest::newRow("label through a duplicate") << "label" << QByteArray("Copy::OnGo") << QStringList{"yes"};
    QTest::newRow("label the NPC lacks") << "label" << QByteArray("Shared::OnStop") << QStringList{"no"};
}

void TestScriptChecks::indexLookUps()
{
    QFETCH(QString, asked);
    QFETCH(QByteArray, name);
    QFETCH(QStringList, expected);
    const QByteArray function = "function\tscript\tF_A\t{\n\tend;\n}\n";
    ScriptIndex index(profileOf()->ignoreCase);
    // Added out of path order: the index lists them in it.
    index.add("c.txt", modelOf(function + "prontera,1,1,4\tduplicate(Shared)\tCopy\t100\n"));
    index.add("a.txt", modelOf(function + npc("OnGo:\n\tend;\n", "Shared")));
    index.add("b.txt", modelOf(npc("\tend;\n", "Shared") + npc("\tend;\n", "Only::only_b")));
    QStringList found;
    if (asked == "label") {
        const qsizetype at = name.indexOf("::");
        found << (index.npcHasLabel(name.left(at).toStdString(), name.mid(at + 2).toStdString()) ? "yes" : "no");
    } else {
        const std::string wanted = name.toStdString();
        const ScriptIndex::Places *places = asked == "npc" ? index.npc(wanted) : index.globalFunction(wanted);
        if (places)
            for (const ScriptIndex::Place &place : *places)
                found << QStringLiteral("%1:%2").arg(QString::fromUtf8(place.path().data(), qsizetype(place.path().size())))
                             .arg(place.block->line + 1);
    }
    QCOMPARE(found, expected);
}

// A "}" left out inside an NPC is found at the brace that lacks it, as the indentation tells.
void TestScriptChecks::unclosedWhereItIsMissing_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("inner if before the next header")
        << QByteArray("-\tscript\tA\t-1,{\n\tif (.@a) {\n\t\tif (.@b) {\n\t\t\tmes \"a\";\n\t}\n}\n") + npc("\tend;\n", "B")
        << QStringList{"3:12:unclosed"};
    QTest::newRow("switch at the end of the file")
        << QByteArray("-\tscript\tA\t-1,{\n\tswitch (.@a) {\n\tcase 1:\n\t\tend;\n}\n") << QStringList{"2:15:unclosed"};
    QTest::newRow("the NPC's own brace") << QByteArray("-\tscript\tA\t-1,{\n\tif (.@a) {\n\t\tend;\n\t}\n")
                                         << QStringList{"1:15:unclosed"};
}

void TestScriptChecks::unclosedWhereItIsMissing()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    const ScriptModel model = BuildScriptModel(profileOf(), std::string_view(text.constData(), size_t(text.size())));
    QCOMPARE(found(CheckScript(model, nullptr, {})), expected);
}

// The editor keeps one index while files are saved: a file's new model replaces its old one.
void TestScriptChecks::indexFollowsChanges()
{
    const auto profile = profileOf();
    ScriptIndex index(profile->ignoreCase);
    index.add("f.txt", modelOf("function\tscript\tF_One\t{\n\treturn;\n}\n"));
    index.add("n.txt", modelOf("-\tscript\tN\t-1,{\nOnGo:\n\tend;\n}\n"));
    QVERIFY(index.globalFunction("F_One"));
    QVERIFY(index.npcHasLabel("N", "ongo"));
    QCOMPARE(index.fileCount(), size_t(2));

    index.add("f.txt", modelOf("function\tscript\tF_Two\t{\n\treturn;\n}\n"));
    QVERIFY(!index.globalFunction("F_One"));
    QVERIFY(index.globalFunction("F_Two"));
    QCOMPARE(index.fileCount(), size_t(2));

    index.removeFile("n.txt");
    QVERIFY(!index.npc("N"));
    QVERIFY(!index.model("n.txt"));
    QVERIFY(index.model("f.txt"));

    // A copy, as the checks take one to add the text being edited, outlives its original; a name
    // in two files lists them in path order.
    auto original = std::make_unique<ScriptIndex>(profile->ignoreCase);
    original->add("b.txt", modelOf("-\tscript\tN\t-1,{\n\tend;\n}\n"));
    original->add("a.txt", modelOf("\n-\tscript\tN\t-1,{\n\tend;\n}\n"));
    original->prepare();
    const ScriptIndex copy = *original;
    original.reset();
    const ScriptIndex::Places *places = copy.npc("N");
    QVERIFY(places);
    QCOMPARE(places->count(), size_t(2));
    QCOMPARE(places->first->path(), std::string_view("a.txt"));
    QCOMPARE(places->first->block->line, 1);

    // Labels are compared as the server compares them.
    ScriptIndex exact(false);
    exact.add("n.txt", modelOf("-\tscript\tN\t-1,{\nOnGo:\n\tend;\n}\n"));
    QVERIFY(exact.npcHasLabel("N", "OnGo"));
    QVERIFY(!exact.npcHasLabel("N", "ongo"));
}

namespace {

// count labels "L_1:" to "L_<count>:", each on its own line with an "end;" after it.
QByteArray labels(int count)
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "L_" + QByteArray::number(i) + ":\n\tend;\n";
    return text;
}

} // namespace

// Names in numbers past what a block or a file usually holds: the checks look them up in tables
// then, and must tell what they tell for a few, naming the first place of a name.
void TestScriptChecks::manyNames_data()
{
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("message");   // of the last finding
    QTest::newRow("five labels, the last twice") << QByteArray() << npc(labels(5) + "L_5:\n\tend;\n")
                                                 << QStringList{"12:1:dup-label"}
                                                 << "Label 'L_5' is defined twice in this block (line 10)";
    QTest::newRow("twenty labels, one twice in other case") << QByteArray() << npc(labels(20) + "l_17:\n\tend;\n")
                                                            << QStringList{"42:1:dup-label"}
                                                            << "Label 'l_17' is defined twice in this block (line 34)";
    QTest::newRow("twenty labels, a jump past them") << QByteArray() << npc("\tgoto L_21;\n\tgoto l_20;\n" + labels(20))
                                                     << QStringList{"2:7:no-label"}
                                                     << "Label 'L_21' is not defined in this block";
    QByteArray crowd;
    for (int i = 1; i <= 300; ++i)
        crowd += npc("\tend;\n", "N" + QByteArray::number(i));
    QTest::newRow("NPC named in a crowded file") << crowd << npc("\tend;\n", "N250") << QStringList{"1:1:dup-npc"}
                                                 << "Another NPC is named 'N250' (a.txt:748)";
    QTest::newRow("NPC named twice in the file") << crowd << npc("\tend;\n", "Twin") + npc("\tend;\n", "Twin")
                                                 << QStringList{"4:1:dup-npc"} << "Another NPC is named 'Twin' (b.txt:1)";
    QTest::newRow("crowded file naming one twice") << QByteArray() << crowd + npc("\tend;\n", "N250")
                                                   << QStringList{"901:1:dup-npc"} << "Another NPC is named 'N250' (b.txt:748)";
}

void TestScriptChecks::manyNames()
{
    QFETCH(QByteArray, other);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);
    const std::vector<ScriptProblem> problems = checkBeside(other, text).problems;
    QCOMPARE(found(problems), expected);
    QCOMPARE(QString::fromStdString(problems.back().message), message);
    // Alone, the file tells the same, by line.
    if (other.isEmpty())
        QCOMPARE(found(CheckScript(BuildScriptModel(profileOf(), std::string_view(text.constData(), size_t(text.size()))),
                                   nullptr, {})),
                 expected);
}

void TestScriptChecks::severities_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("warning");
    // What the server refuses to load is an error; what fails while it runs, a warning.
    QTest::newRow("jump to nothing") << npc("\tgoto L;\n") << "no-label" << true;
    QTest::newRow("unknown command") << npc("\tnothing;\n") << "unknown-command" << false;
    QTest::newRow("function never defined") << npc("\tfunction F;\n") << "undefined-function" << false;
}

void TestScriptChecks::severities()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, code);
    QFETCH(bool, warning);
    const std::vector<ScriptProblem> problems = CheckScript(
        BuildScriptModel(profileOf(), std::string_view(text.constData(), size_t(text.size()))), nullptr, {});
    QCOMPARE(problems.size(), size_t(1));
    QCOMPARE(QLatin1String(problems[0].code), code);
    QCOMPARE(problems[0].severity == Severity::Warning, warning);
}

// A flag raised before the checks begin ends them early; one never raised lets them run through
// every item, however many times they look at it on the way.
void TestScriptChecks::stopFlag_data()
{
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("raised");
    QTest::addColumn<int>("problems");  // all that the file has

    const QByteArray functions = "function\tscript\tF_Known\t{\n\treturn;\n}\n";
    const QByteArray few = npc("\tfrobnicate 1;\n\tcallfunc \"F_Unknown\";\n\tend;\n");
    const QByteArray calls = npc(QByteArray("\tfrobnicate 1;\n").repeated(6000) + "\tend;\n");
    QByteArray crowd;
    for (int i = 1; i <= 5000; ++i)
        crowd += npc("\tend;\n", "N" + QByteArray::number(i));
    for (const bool raised : {false, true}) {
        const char *flag = raised ? "raised: " : "never raised: ";
        QTest::addRow("%sa command and a function unknown", flag) << functions << few << raised << 2;
        QTest::addRow("%s6000 unknown commands", flag) << QByteArray() << calls << raised << 6000;
        QTest::addRow("%s5000 NPCs named in another file", flag) << crowd << crowd << raised << 5000;
    }
}

void TestScriptChecks::stopFlag()
{
    QFETCH(QByteArray, other);
    QFETCH(QByteArray, text);
    QFETCH(bool, raised);
    QFETCH(int, problems);
    const std::atomic<bool> stop{raised};
    const ScriptCheckResult result = checkBeside(other, text, &stop);
    QCOMPARE(result.stopped, raised);
    if (raised)
        QVERIFY(int(result.problems.size()) < problems);
    else
        QCOMPARE(int(result.problems.size()), problems);
}

QTEST_GUILESS_MAIN(TestScriptChecks)
#include "test_script_checks.moc"

