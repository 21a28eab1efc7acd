// styleCommentsAndStrings: the same comments, strings and open comments as style(), whatever the definition.
#include <QtTest>

#include "language_definition.h"
#include "script_styler.h"

namespace {

LanguageDefinition definition(const QString &operators, const QString &comments, const QString &keywords,
                              const QString &tags)
{
    LanguageDefinition d;
    d.keywords = keywords;
    d.operators = operators;
    d.singleLineComments = comments;
    d.multilineComments1 = QStringLiteral("/*\n{*");
    d.multilineComments2 = QStringLiteral("*/\n*}");
    d.stringDelimiters = QStringLiteral("\"\n'");
    d.tagAttributeNames = QStringLiteral("script\nshop");
    d.tagElementNames = tags;
    d.scopeKeywords1 = QStringLiteral("{\nbegin");
    d.scopeKeywords2 = QStringLiteral("}\nend");
    return d;
}

// Comment and String stay as they are; every other style counts as one.
QByteArray textStyles(const std::vector<unsigned char> &styles)
{
    QByteArray out;
    for (unsigned char style : styles)
        out += style == ScriptStyler::Comment ? 'c' : style == ScriptStyler::String ? 's' : '.';
    return out;
}

} // namespace

class TestScriptStylerText : public QObject
{
    Q_OBJECT

private slots:
    void sameAsStyle_data();
    void sameAsStyle();
};

void TestScriptStylerText::sameAsStyle_data()
{
    QTest::addColumn<QString>("operators");
    QTest::addColumn<QString>("comments");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("tags");
    const QString plain = QStringLiteral("=\n==\n<\n,\n;\n(\n)\n/\n/=\n+");
    const QString tags = QStringLiteral("prontera\nOnInit:");
    QTest::newRow("plain operators") << plain << QStringLiteral("//") << QStringLiteral("mes\nclose") << tags;
    QTest::newRow("an operator longer than a comment start")
        << plain + QStringLiteral("\n//=") << QStringLiteral("//") << QStringLiteral("mes") << tags;
    QTest::newRow("an operator holding a delimiter")
        << plain + QStringLiteral("\n=\"") << QStringLiteral("//") << QStringLiteral("mes") << tags;
    QTest::newRow("a tag holding a delimiter")
        << plain << QStringLiteral("//") << QStringLiteral("mes") << tags + QStringLiteral("\nmes \"");
    QTest::newRow("a word comment") << plain << QStringLiteral("//\nrem") << QStringLiteral("mes") << tags;
    QTest::newRow("a comment opened by a letter")
        << plain << QStringLiteral("//\nr:") << QStringLiteral("mes") << tags;
    QTest::newRow("no operators") << QString() << QStringLiteral("//") << QString() << tags;
}

void TestScriptStylerText::sameAsStyle()
{
    QFETCH(QString, operators);
    QFETCH(QString, comments);
    QFETCH(QString, keywords);
    QFETCH(QString, tags);
    const ScriptStyler styler(definition(operators, comments, keywords, tags));
    const QByteArray text = QByteArrayLiteral(
        "prontera,1,1,4\tscript\tA\t1,{\r\n"
        "\tmes \"a // b\" + 'c' //= d\r\n"
        "\tx //= 1; y =\"q\"; z /= 2 / 3;\r\n"
        "rem not code\r\n"
        "\tr: also not code\r\n"
        "\t{* open /* still *} after */ begin end\r\n"
        "OnInit: /* open\r\n"
        "\tstill \"open\" */ mes \"x\\\"y\" 'unclosed\n"
        "\tcaf\xC3\xA9\"s\" end}\n"
        "/* left open");
    for (int state : {0, 1, 2 << 8}) {
        std::vector<unsigned char> full(size_t(text.size()));
        std::vector<unsigned char> quick(size_t(text.size()));
        std::vector<ScriptStyler::Line> fullLines;
        std::vector<ScriptStyler::Line> quickLines;
        styler.style(text.constData(), int(text.size()), state, full.data(), fullLines);
        styler.styleCommentsAndStrings(text.constData(), int(text.size()), state, quick.data(), quickLines);
        QCOMPARE(textStyles(quick), textStyles(full));
        QCOMPARE(quickLines.size(), fullLines.size());
        for (size_t i = 0; i < fullLines.size(); ++i)
            QCOMPARE(quickLines[i].nextState & 0xFF, fullLines[i].nextState & 0xFF);
    }
}

QTEST_APPLESS_MAIN(TestScriptStylerText)
#include "test_script_styler_text.moc"
