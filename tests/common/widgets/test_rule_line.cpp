// Tests of MultiRule's line layouts, its orientation property and its painting.
#include "rule_line.h"

#include <QAccessible>
#include <QImage>
#include <QPixmap>
#include <QTest>

class TestRuleLine : public QObject
{
    Q_OBJECT

private slots:
    void designPositions();
    void layout_data();
    void layout();
    void verticalThenHorizontalKeepsShadowX1();
    void horizontalThenVerticalKeepsShadowY1();
    void resizeLaysOutInTwips();
    void orientationProperty();
    void accessibleNameFollowsObjectName();
    void paintsShadowAboveHighlight();
};

void TestRuleLine::designPositions()
{
    MultiRule rule;
    QCOMPARE(rule.orientation(), MultiRule::Orientation::Automatic);
    QCOMPARE(rule.loLite(), QLine(0, 45, 4200, 45));
    QCOMPARE(rule.hiLite(), QLine(0, 60, 4200, 60));
}

void TestRuleLine::layout_data()
{
    QTest::addColumn<MultiRule::Orientation>("orientation");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QLine>("loLite");
    QTest::addColumn<QLine>("hiLite");

    const QLine flatLo(0, 0, 4000, 0), flatHi(0, 20, 4000, 20);
    QTest::newRow("auto, wide") << MultiRule::Orientation::Automatic << 4000 << 100 << flatLo << flatHi;
    QTest::newRow("auto, tall") << MultiRule::Orientation::Automatic << 100 << 4000 << QLine(2, 45, 2, 4000) << QLine(20, 30, 20, 4000);
    QTest::newRow("auto, square") << MultiRule::Orientation::Automatic << 500 << 500 << QLine(2, 45, 2, 500) << QLine(20, 30, 20, 500);
    QTest::newRow("horizontal, tall") << MultiRule::Orientation::Horizontal << 100 << 4000 << QLine(0, 0, 100, 0) << QLine(0, 20, 100, 20);
    QTest::newRow("vertical, wide") << MultiRule::Orientation::Vertical << 4000 << 100 << QLine(2, 45, 2, 100) << QLine(20, 30, 20, 100);
}

void TestRuleLine::layout()
{
    QFETCH(MultiRule::Orientation, orientation);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QLine, loLite);
    QFETCH(QLine, hiLite);

    MultiRule rule;
    // Writing the property lays out at once, so the automatic rows keep the design positions.
    if (orientation != MultiRule::Orientation::Automatic)
        rule.setOrientation(orientation);
    rule.layoutLines(width, height);
    QCOMPARE(rule.loLite(), loLite);
    QCOMPARE(rule.hiLite(), hiLite);
}

void TestRuleLine::verticalThenHorizontalKeepsShadowX1()
{
    MultiRule rule;
    rule.layoutLines(100, 4000);
    rule.layoutLines(4000, 100);
    QCOMPARE(rule.loLite(), QLine(2, 0, 4000, 0));
    QCOMPARE(rule.hiLite(), QLine(0, 20, 4000, 20));
}

void TestRuleLine::horizontalThenVerticalKeepsShadowY1()
{
    MultiRule rule;
    rule.layoutLines(4000, 100);
    rule.layoutLines(100, 4000);
    QCOMPARE(rule.loLite(), QLine(2, 0, 2, 4000));
}

void TestRuleLine::resizeLaysOutInTwips()
{
    MultiRule rule;
    rule.resize(300, 5);
    rule.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rule));
    QCOMPARE(rule.loLite(), QLine(0, 0, 4500, 0));
    rule.resize(4, 200);
    QCOMPARE(rule.hiLite(), QLine(20, 30, 20, 3000));
}

void TestRuleLine::orientationProperty()
{
    MultiRule rule;
    rule.resize(300, 5);
    QVERIFY(rule.setProperty("Orientation", QVariant::fromValue(MultiRule::Orientation::Vertical)));
    QCOMPARE(rule.property("Orientation").value<MultiRule::Orientation>(), MultiRule::Orientation::Vertical);
    // Writing the property lays the lines out again at once.
    QCOMPARE(rule.hiLite(), QLine(20, 30, 20, 75));
    QVERIFY(rule.sizeHint().width() > rule.sizeHint().height());
}

void TestRuleLine::accessibleNameFollowsObjectName()
{
    // Heard as a separator, never by its designed name.
    MultiRule rule;
    rule.setObjectName("HRule");
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(&rule);
    QVERIFY(heard);
    QCOMPARE(heard->role(), QAccessible::Separator);
    QCOMPARE(heard->text(QAccessible::Name), QString());
    QCOMPARE(rule.focusPolicy(), Qt::NoFocus);
}

void TestRuleLine::paintsShadowAboveHighlight()
{
    MultiRule rule;
    QPalette palette = rule.palette();
    palette.setColor(QPalette::Dark, Qt::red);
    palette.setColor(QPalette::Light, Qt::green);
    palette.setColor(QPalette::Window, Qt::blue);
    rule.setPalette(palette);
    rule.setAutoFillBackground(true);
    rule.resize(40, 6);

    const QImage image = rule.grab().toImage();
    QCOMPARE(image.pixelColor(10, 0), QColor(Qt::red));
    QCOMPARE(image.pixelColor(10, 1), QColor(Qt::green));
    QCOMPARE(image.pixelColor(10, 3), QColor(Qt::blue));
}

QTEST_MAIN(TestRuleLine)
#include "test_rule_line.moc"
