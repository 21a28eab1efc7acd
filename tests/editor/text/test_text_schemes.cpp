// The text area drawn in each scheme: every style of every language, the margin and the caret's
// line read as the scheme promises, whichever of scheme and language came first.
#include <QtTest>

#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

#include "colour_scheme.h"
#include "edit_control.h"
#include "language_definition.h"
#include "script_language.h"

Q_DECLARE_METATYPE(SchemeKind)

namespace {

using Sci = QsciScintillaBase;

QColor styleColour(const EditControl &control, unsigned int message, int style)
{
    const long bgr = control.SendScintilla(message, static_cast<unsigned long>(style));
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

class TestTextSchemes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyStyleReads_data();
    void everyStyleReads();
};

void TestTextSchemes::everyStyleReads_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<SchemeKind>("kind");
    QTest::addColumn<bool>("schemeFirst");
    const QString languages[] = {QStringLiteral("NPC Script"), QStringLiteral("Basic"), QStringLiteral("C/C++"),
                                 QStringLiteral("SQL"), QStringLiteral("HTML"), QString()};
    for (const QString &language : languages)
        for (SchemeKind kind : {SchemeKind::Light, SchemeKind::Dark})
            for (bool schemeFirst : {true, false})
                QTest::addRow("%s, %s, %s", language.isEmpty() ? "no language" : qPrintable(language),
                              kind == SchemeKind::Dark ? "dark" : "light",
                              schemeFirst ? "scheme first" : "language first")
                    << language << kind << schemeFirst;
}

void TestTextSchemes::everyStyleReads()
{
    QFETCH(QString, language);
    QFETCH(SchemeKind, kind);
    QFETCH(bool, schemeFirst);
    const ColourScheme &scheme = SchemeFor(kind);
    const ColourScheme &other = SchemeFor(kind == SchemeKind::Dark ? SchemeKind::Light : SchemeKind::Dark);

    EditControl control;
    registerScriptLanguage(control, LanguageDefinition());
    control.setColourScheme(&other);
    if (schemeFirst)
        control.setColourScheme(&scheme);
    QVERIFY(control.setLanguage(language));
    if (!schemeFirst)
        control.setColourScheme(&scheme);

    QList<int> styles{Sci::STYLE_DEFAULT};
    if (QsciLexer *lexer = control.lexer())
        for (int style = 0; style < Sci::STYLE_DEFAULT; ++style)
            if (!lexer->description(style).isEmpty())
                styles.append(style);
    for (int style : styles) {
        const QColor fore = styleColour(control, Sci::SCI_STYLEGETFORE, style);
        const QColor back = styleColour(control, Sci::SCI_STYLEGETBACK, style);
        QCOMPARE(back, scheme.paper);
        QVERIFY2(ContrastRatio(fore, back) >= 4.5,
                 qPrintable(QStringLiteral("style %1: %2 on %3").arg(style).arg(fore.name(), back.name())));
        QVERIFY2(ContrastRatio(fore, scheme.currentLine) >= 4.5, qPrintable(QString::number(style)));
    }
    QCOMPARE(styleColour(control, Sci::SCI_STYLEGETBACK, Sci::STYLE_LINENUMBER), scheme.marginBack);
    QCOMPARE(styleColour(control, Sci::SCI_STYLEGETFORE, Sci::STYLE_LINENUMBER), scheme.lineNumbers);
    const long caretLine = control.SendScintilla(Sci::SCI_GETCARETLINEBACK);
    QCOMPARE(QColor(int(caretLine & 0xFF), int((caretLine >> 8) & 0xFF), int((caretLine >> 16) & 0xFF)), scheme.currentLine);
}

QTEST_MAIN(TestTextSchemes)
#include "test_text_schemes.moc"
