// From a name to its definition and to its uses, across an open script and an indexed file.
// Places are written as a snippet that the file holds once, with the name in brackets.
#include <QtTest>

#include "script_index.h"
#include "script_symbols.h"

Q_DECLARE_METATYPE(SymbolKind)

namespace {

const QString OpenPath = QStringLiteral("/scripts/a.txt");
const QString OtherPath = QStringLiteral("/scripts/b.txt");

// The open script.
const QString OpenText = QStringLiteral(
    "-\tscript\tGuide\t-1,{\n"
    "\tfunction Greet;\n"
    "\tmes \"Hi\";\n"
    "\tmenu \"Go\",L_Go,\"Pay\",L_Pay;\n"
    "L_Go:\n"
    "\tgoto l_pay;\n"
    "L_Pay:\n"
    "\tcallfunc \"F_Pay\";\n"
    "\tF_Pay(1);\n"
    "\tGreet;\n"
    "\tdonpcevent \"Shop::OnRestock\";\n"
    "\tdonpcevent \"shop::OnRestock\";\n"
    "\tdoevent \"Shop2::onrestock\";\n"
    "\tend;\n"
    "\tfunction Greet {\n"
    "\t\tmes \"x\";\n"
    "\t\treturn;\n"
    "\t}\n"
    "OnInit:\n"
    "\tend;\n"
    "}\n"
    "-\tduplicate(Guide)\tGuide2\t-1\n");

// A file of the same folder, read into the index; a display name with a non-ASCII letter.
const QString OtherText = QStringLiteral(
    "function\tscript\tF_Pay\t{\n"
    "\treturn;\n"
    "}\n"
    "prontera,150,150,4\tscript\tTool Deal\u00e9r::Shop\t90,{\n"
    "\tend;\n"
    "OnRestock:\n"
    "\tdoevent \"Guide::OnInit\";\n"
    "\tend;\n"
    "}\n"
    "-\tduplicate(Shop)\tShop2\t90\n"
    "-\tscript\tCaller\t-1,{\n"
    "\tdonpcevent \"Shop2::OnRestock\";\n"
    "\tcallfunc \"F_Pay\";\n"
    "}\n");

std::shared_ptr<const ScriptProfile> profile(bool ignoreCase)
{
    auto parsed = std::make_shared<ScriptProfile>();
    std::string error;
    const std::string text = std::string("name = Symbols\nignore case = ") + (ignoreCase ? "yes" : "no")
        + "\ncall functions by name = yes\n"
          "[headers]\n"
          "script script body state\n"
          "duplicate duplicate\n"
          "[commands]\n"
          "mes s* text\n"
          "end -\n"
          "return ? value\n"
          "goto l label\n"
          "menu sl* option, label, ...\n"
          "callfunc s* function, argument\n"
          "doevent s event\n"
          "donpcevent s event\n";
    if (!ParseScriptProfile(text, parsed.get(), &error))
        qFatal("test profile: %s", error.c_str());
    return parsed;
}

struct Scripts
{
    ScriptModel open;
    ScriptIndex index;
    SymbolScope scope;

    explicit Scripts(bool ignoreCase)
        : index(ignoreCase)
    {
        const auto server = profile(ignoreCase);
        open = BuildScriptModel(server, OpenText.toStdString());
        index.add(OtherPath.toStdString(), std::make_shared<const ScriptModel>(BuildScriptModel(server, OtherText.toStdString())));
        // The index's saved copy of the open script is older than the text: it must be left out.
        index.add(OpenPath.toStdString(), std::make_shared<const ScriptModel>(BuildScriptModel(server, OtherText.toStdString())));
        scope = {&open, OpenPath.toStdString(), &index};
    }
};

// "a.txt 3:11+4" for "a.txt|menu \"Go\",[L_Go]": the one line holding the snippet, the column
// where the bracket opens and the name's length.
QString placeOf(const QString &written)
{
    const QString file = written.section(QLatin1Char('|'), 0, 0);
    const QString snippet = written.section(QLatin1Char('|'), 1);
    const QString plain = QString(snippet).remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    const QStringList lines = (file == QLatin1String("a.txt") ? OpenText : OtherText).split(QLatin1Char('\n'));
    QString found;
    for (int line = 0; line < lines.size(); ++line) {
        const qsizetype at = lines[line].indexOf(plain);
        if (at < 0)
            continue;
        if (!found.isEmpty() || lines[line].indexOf(plain, at + 1) >= 0)
            return QStringLiteral("snippet twice: ") + written;
        const qsizetype open = snippet.indexOf(QLatin1Char('['));
        found = QStringLiteral("%1 %2:%3+%4").arg(file).arg(line).arg(at + open)
                    .arg(snippet.indexOf(QLatin1Char(']')) - open - 1);
    }
    return found.isEmpty() ? QStringLiteral("no such snippet: ") + written : found;
}

QString shown(const SymbolPlace &place)
{
    return QStringLiteral("%1 %2:%3+%4").arg(QFileInfo(QString::fromStdString(place.path)).fileName())
        .arg(place.line).arg(place.column).arg(place.length);
}

// The caret of "goto l_p|ay" in the open script.
ScriptSymbol symbolAtCaret(const Scripts &scripts, const QString &caret)
{
    const QString plain = QString(caret).remove(QLatin1Char('|'));
    const QStringList lines = OpenText.split(QLatin1Char('\n'));
    for (int line = 0; line < lines.size(); ++line)
        if (const qsizetype at = lines[line].indexOf(plain); at >= 0)
            return SymbolAt(scripts.open, line, int(at + caret.indexOf(QLatin1Char('|'))));
    qFatal("no such caret snippet: %s", qPrintable(caret));
}

} // namespace

class TestScriptSymbols : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void definition_data()
    {
        QTest::addColumn<bool>("ignoreCase");
        QTest::addColumn<QString>("caret");
        QTest::addColumn<SymbolKind>("kind");
        QTest::addColumn<QString>("definition");    // empty: none
        using K = SymbolKind;
        QTest::newRow("menu's label") << true << "\"Go\",L_|Go," << K::Label << "a.txt|[L_Go]:";
        QTest::newRow("goto, other case") << true << "goto l_p|ay" << K::Label << "a.txt|[L_Pay]:";
        QTest::newRow("goto, case kept") << false << "goto l_p|ay" << K::Label << "";
        QTest::newRow("caret after the word") << true << "goto l_pay|;" << K::Label << "a.txt|[L_Pay]:";
        QTest::newRow("local call") << true << "\tGre|et;" << K::LocalFunction << "a.txt|function [Greet] {";
        QTest::newRow("local declaration") << true << "function |Greet;" << K::LocalFunction
                                           << "a.txt|function [Greet] {";
        QTest::newRow("callfunc") << true << "callfunc \"F_P|ay\"" << K::GlobalFunction << "b.txt|script\t[F_Pay]\t{";
        QTest::newRow("direct call") << true << "\tF_Pa|y(1)" << K::GlobalFunction << "b.txt|script\t[F_Pay]\t{";
        QTest::newRow("event's label") << true << "\"Shop::OnRe|stock\"" << K::Event << "b.txt|[OnRestock]:";
        QTest::newRow("event's NPC") << true << "\"Sh|op::OnRestock\"" << K::Npc
                                     << "b.txt|Tool Deal\u00e9r::[Shop]\t90";
        QTest::newRow("NPC names keep their case") << true << "\"sh|op::OnRestock\"" << K::Npc << "";
        QTest::newRow("event of a duplicate") << true << "\"Shop2::onre|stock\"" << K::Event << "b.txt|[OnRestock]:";
        QTest::newRow("duplicate's event, case kept") << false << "\"Shop2::onre|stock\"" << K::Event << "";
        QTest::newRow("duplicate's source") << true << "duplicate(Gu|ide)" << K::Npc << "a.txt|script\t[Guide]\t";
        QTest::newRow("a header's own name") << true << "script\tGu|ide\t" << K::Npc << "a.txt|script\t[Guide]\t";
        QTest::newRow("a command") << true << "me|s \"Hi\"" << K::None << "";
        QTest::newRow("a plain string") << true << "mes \"H|i\"" << K::None << "";
    }

    void definition()
    {
        QFETCH(bool, ignoreCase);
        QFETCH(QString, caret);
        QFETCH(SymbolKind, kind);
        QFETCH(QString, definition);
        const Scripts scripts(ignoreCase);
        const ScriptSymbol symbol = symbolAtCaret(scripts, caret);
        QCOMPARE(symbol.kind, kind);
        const std::optional<SymbolPlace> found = FindDefinition(symbol, scripts.scope);
        QCOMPARE(found ? shown(*found) : QString(), definition.isEmpty() ? QString() : placeOf(definition));
    }

    void references_data()
    {
        QTest::addColumn<QString>("caret");
        QTest::addColumn<QStringList>("references");
        QTest::newRow("label") << "L_P|ay:"
                               << QStringList{"a.txt|\"Pay\",[L_Pay];", "a.txt|goto [l_pay];", "a.txt|[L_Pay]:"};
        QTest::newRow("local function") << "\tGr|eet;"
                                        << QStringList{"a.txt|function [Greet];", "a.txt|\t[Greet];",
                                                       "a.txt|function [Greet] {"};
        QTest::newRow("global function") << "callfunc \"F_P|ay\""
                                         << QStringList{"a.txt|callfunc \"[F_Pay]\"", "a.txt|\t[F_Pay](1)",
                                                        "b.txt|script\t[F_Pay]\t{", "b.txt|callfunc \"[F_Pay]\""};
        QTest::newRow("NPC") << "\"Sh|op::OnRestock\""
                             << QStringList{"a.txt|\"[Shop]::OnRestock\"", "b.txt|::[Shop]\t90",
                                            "b.txt|duplicate([Shop])"};
        QTest::newRow("event, through a duplicate")
            << "\"Shop::OnRe|stock\""
            << QStringList{"a.txt|\"Shop::[OnRestock]\"", "a.txt|\"Shop2::[onrestock]\"", "b.txt|[OnRestock]:",
                           "b.txt|\"Shop2::[OnRestock]\""};
        QTest::newRow("NPC of the open script") << "script\tGu|ide"
                                                << QStringList{"a.txt|script\t[Guide]\t", "a.txt|duplicate([Guide])",
                                                               "b.txt|\"[Guide]::OnInit\""};
        QTest::newRow("a label run as an event") << "OnIn|it:"
                                                 << QStringList{"a.txt|[OnInit]:", "b.txt|\"Guide::[OnInit]\""};
        QTest::newRow("no name") << "\tend|;" << QStringList{};
    }

    void references()
    {
        QFETCH(QString, caret);
        QFETCH(QStringList, references);
        const Scripts scripts(true);
        QStringList found;
        for (const SymbolPlace &place : FindReferences(symbolAtCaret(scripts, caret), scripts.scope))
            found << shown(place);
        QStringList expected;
        for (const QString &written : references)
            expected << placeOf(written);
        QCOMPARE(found, expected);
    }
};

QTEST_APPLESS_MAIN(TestScriptSymbols)
#include "test_script_symbols.moc"
