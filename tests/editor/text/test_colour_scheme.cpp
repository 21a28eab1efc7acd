// The colour schemes: the contrast formula against known values, and every pair each scheme
// draws held to the readable minimum.
#include <QtTest>

#include "basic_lexer.h"
#include "colour_scheme.h"
#include "script_lexer.h"

Q_DECLARE_METATYPE(SchemeKind)

class TestColourScheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void luminance_data();
    void luminance();
    void contrast_data();
    void contrast();
    void schemePairsAreReadable_data();
    void schemePairsAreReadable();
    void everyStyleHasAColour_data();
    void everyStyleHasAColour();
    void readableOn_data();
    void readableOn();
    void desktopKind_data();
    void desktopKind();
};

void TestColourScheme::luminance_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<double>("expected");
    // Worked by hand: each channel's weight, and mid grey's channel made linear,
    // ((128/255 + 0.055) / 1.055)^2.4.
    QTest::newRow("white") << QColor(QRgb(0xFFFFFF)) << 1.0;
    QTest::newRow("black") << QColor(QRgb(0x000000)) << 0.0;
    QTest::newRow("red") << QColor(QRgb(0xFF0000)) << 0.2126;
    QTest::newRow("green") << QColor(QRgb(0x00FF00)) << 0.7152;
    QTest::newRow("blue") << QColor(QRgb(0x0000FF)) << 0.0722;
    QTest::newRow("mid grey") << QColor(QRgb(0x808080)) << 0.21586;
    // Below the knee a channel is divided by 12.92: 10/255 / 12.92.
    QTest::newRow("near black") << QColor(QRgb(0x0A0A0A)) << 0.0030353;
}

void TestColourScheme::luminance()
{
    QFETCH(QColor, colour);
    QFETCH(double, expected);
    QVERIFY2(qAbs(RelativeLuminance(colour) - expected) < 1e-4, qPrintable(QString::number(RelativeLuminance(colour))));
}

void TestColourScheme::contrast_data()
{
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("expected");
    QTest::newRow("black on white") << QColor(QRgb(0x000000)) << QColor(QRgb(0xFFFFFF)) << 21.0;
    QTest::newRow("white on black") << QColor(QRgb(0xFFFFFF)) << QColor(QRgb(0x000000)) << 21.0;
    QTest::newRow("same colour") << QColor(QRgb(0x336699)) << QColor(QRgb(0x336699)) << 1.0;
    QTest::newRow("#777777 on white") << QColor(QRgb(0x777777)) << QColor(QRgb(0xFFFFFF)) << 4.478;
    QTest::newRow("#767676 on white") << QColor(QRgb(0x767676)) << QColor(QRgb(0xFFFFFF)) << 4.542;
    QTest::newRow("blue on white") << QColor(QRgb(0x0000FF)) << QColor(QRgb(0xFFFFFF)) << 8.592;
    QTest::newRow("red on white") << QColor(QRgb(0xFF0000)) << QColor(QRgb(0xFFFFFF)) << 3.998;
    QTest::newRow("mid grey on black") << QColor(QRgb(0x808080)) << QColor(QRgb(0x000000)) << 5.317;
}

void TestColourScheme::contrast()
{
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, expected);
    QVERIFY2(qAbs(ContrastRatio(first, second) - expected) < 0.005, qPrintable(QString::number(ContrastRatio(first, second))));
}

void TestColourScheme::schemePairsAreReadable_data()
{
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<QColor>("background");
    for (SchemeKind kind : {SchemeKind::Light, SchemeKind::Dark}) {
        const ColourScheme &scheme = SchemeFor(kind);
        const QList<ColourPair> pairs = ReadablePairs(scheme);
        // Every language role on both backgrounds, and the margins, selection and call tip.
        QVERIFY(pairs.size() >= 2 * int(scheme.scriptText.size() + scheme.basicText.size()) + 4);
        for (const ColourPair &pair : pairs) {
            QVERIFY2(pair.foreground.isValid() && pair.background.isValid(), qPrintable(pair.what));
            QTest::addRow("%s: %s", scheme.name, qPrintable(pair.what)) << pair.foreground << pair.background;
        }
    }
}

void TestColourScheme::schemePairsAreReadable()
{
    QFETCH(QColor, foreground);
    QFETCH(QColor, background);
    const double ratio = ContrastRatio(foreground, background);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3").arg(foreground.name(), background.name()).arg(ratio)));
}

void TestColourScheme::everyStyleHasAColour_data()
{
    QTest::addColumn<SchemeKind>("kind");
    QTest::newRow("Light") << SchemeKind::Light;
    QTest::newRow("Dark") << SchemeKind::Dark;
}

void TestColourScheme::everyStyleHasAColour()
{
    QFETCH(SchemeKind, kind);
    const ColourScheme &scheme = SchemeFor(kind);
    // Each Basic style names a role the scheme colours.
    BasicLexer basic;
    for (int style = 0; style < 128; ++style)
        if (!basic.description(style).isEmpty())
            QVERIFY2(scheme.basicText.count(BasicLexer::role(style)), qPrintable(basic.description(style)));
    // The script language's nine styles.
    QCOMPARE(scheme.scriptText.size(), std::size_t(9));
    // The two schemes are told apart by their paper.
    QCOMPARE(RelativeLuminance(scheme.paper) < 0.2, kind == SchemeKind::Dark);
    QCOMPARE(scheme.panels.empty(), kind == SchemeKind::Light);
}

void TestColourScheme::readableOn_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("kept");
    QTest::newRow("black on white is kept") << QColor(QRgb(0x000000)) << QColor(QRgb(0xFFFFFF)) << true;
    QTest::newRow("#767676 on white is kept") << QColor(QRgb(0x767676)) << QColor(QRgb(0xFFFFFF)) << true;
    QTest::newRow("yellow on white darkens") << QColor(QRgb(0xFFFF00)) << QColor(QRgb(0xFFFFFF)) << false;
    QTest::newRow("#777777 on white darkens") << QColor(QRgb(0x777777)) << QColor(QRgb(0xFFFFFF)) << false;
    QTest::newRow("navy on dark lightens") << QColor(QRgb(0x000080)) << QColor(QRgb(0x1E1E1E)) << false;
    QTest::newRow("dark green on dark lightens") << QColor(QRgb(0x008000)) << QColor(QRgb(0x1E1E1E)) << false;
    QTest::newRow("grey on itself") << QColor(QRgb(0x808080)) << QColor(QRgb(0x808080)) << false;
}

void TestColourScheme::readableOn()
{
    QFETCH(QColor, colour);
    QFETCH(QColor, background);
    QFETCH(bool, kept);
    const QColor readable = ReadableOn(colour, background);
    QVERIFY2(ContrastRatio(readable, background) >= 4.5, qPrintable(readable.name()));
    QCOMPARE(readable.rgb() == colour.rgb(), kept);
}

void TestColourScheme::desktopKind_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<SchemeKind>("kind");
    QTest::newRow("Fusion's grey") << QColor(QRgb(0xEFEFEF)) << SchemeKind::Light;
    QTest::newRow("white") << QColor(QRgb(0xFFFFFF)) << SchemeKind::Light;
    QTest::newRow("Breeze Dark") << QColor(QRgb(0x31363B)) << SchemeKind::Dark;
    QTest::newRow("black") << QColor(QRgb(0x000000)) << SchemeKind::Dark;
    QTest::newRow("just below half") << QColor(QRgb(0x7F7F7F)) << SchemeKind::Dark;
    QTest::newRow("just above half") << QColor(QRgb(0x808080)) << SchemeKind::Light;
    QTest::newRow("deep blue") << QColor(QRgb(0x102040)) << SchemeKind::Dark;
}

void TestColourScheme::desktopKind()
{
    QFETCH(QColor, window);
    QFETCH(SchemeKind, kind);
    QCOMPARE(DesktopSchemeKind(window), kind);
}

QTEST_MAIN(TestColourScheme)
#include "test_colour_scheme.moc"
