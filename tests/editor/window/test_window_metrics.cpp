// Tests of storing and restoring the main window's bounds in Settings.ini.
#include "window_metrics.h"

#include "ini.h"
#include "temp_tree.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

// The designed size of the main window's client area: 9315 x 6405 twips.
const QSize DesignedSize(621, 427);

void writeBounds(const QString &file, const QString &x, const QString &y, const QString &width,
                 const QString &height)
{
    QVERIFY(WriteIni("Window Metrics", "wMain X", x, file));
    QVERIFY(WriteIni("Window Metrics", "wMain Y", y, file));
    QVERIFY(WriteIni("Window Metrics", "wMain Width", width, file));
    QVERIFY(WriteIni("Window Metrics", "wMain Height", height, file));
}

QStringList readBounds(const QString &file)
{
    QStringList values;
    for (const char *key : {"wMain X", "wMain Y", "wMain Width", "wMain Height"})
        values.append(ReadIni("Window Metrics", key, "<missing>", file));
    return values;
}

} // namespace

class TestWindowMetrics : public QObject
{
    Q_OBJECT

private slots:
    void twipsToText_data();
    void twipsToText();
    void twipConversions();
    void readWindowBoundsDefaults();
    void keepOnScreen_data();
    void keepOnScreen();
    void firstRunStoresDesignedBounds();
    void roundTrip();
    void minimizedStoresNothing();
    void maximizedStoresMaximizedBounds();
    void whollyOffScreenOpensCentred();
    void partlyOffScreenKept();
    void badWidthGivesMinimum();
};

void TestWindowMetrics::twipsToText_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<QString>("expected");
    QTest::newRow("positive") << 1200 << "1200";
    QTest::newRow("negative") << -60 << "-60";
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("large, no separators") << 1234567 << "1234567";
}

void TestWindowMetrics::twipsToText()
{
    QFETCH(int, twips);
    QFETCH(QString, expected);
    QCOMPARE(TwipsToText(twips), expected);
}

void TestWindowMetrics::twipConversions()
{
    QCOMPARE(pixelsToTwips(QRect(10, -4, 621, 427)), QRect(150, -60, 9315, 6405));
    QCOMPARE(twipsToPixels(QRect(150, -60, 9315, 6405)), QRect(10, -4, 621, 427));
    // Values not on a whole pixel round to the nearest one.
    QCOMPARE(twipsToPixels(QRect(22, 7, 1, 8)), QRect(1, 0, 0, 1));
}

void TestWindowMetrics::readWindowBoundsDefaults()
{
    TempTree tree;
    const QString file = tree.paths().SettingsIniFile;
    const QRect current(150, 300, 9315, 6405);
    QCOMPARE(ReadWindowBounds(file, current), current);

    QVERIFY(WriteIni("Window Metrics", "wMain X", " 1200", file));
    QVERIFY(WriteIni("Window Metrics", "wMain Height", "abc", file));
    QCOMPARE(ReadWindowBounds(file, current), QRect(1200, 300, 9315, 0));
}

void TestWindowMetrics::keepOnScreen_data()
{
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QRect>("expected");

    const QRect centred(650, 327, 620, 426);   // 620 x 426 centred on 1920 x 1080
    QTest::newRow("inside") << QRect(100, 100, 600, 400) << QRect(100, 100, 600, 400);
    QTest::newRow("partly off the left") << QRect(-4, 10, 600, 400) << QRect(-4, 10, 600, 400);
    QTest::newRow("mostly off the bottom") << QRect(100, 1070, 600, 400) << QRect(100, 1070, 600, 400);
    QTest::newRow("on the second screen") << QRect(2000, 100, 600, 400) << QRect(2000, 100, 600, 400);
    QTest::newRow("right of every screen") << QRect(4000, 100, 600, 400) << centred;
    QTest::newRow("below the second screen") << QRect(2000, 1100, 600, 400) << centred;
    QTest::newRow("far left") << QRect(-10000, 100, 600, 400) << centred;
    QTest::newRow("no width, on screen") << QRect(100, 100, 0, 0) << QRect(100, 100, 0, 0);
}

void TestWindowMetrics::keepOnScreen()
{
    QFETCH(QRect, bounds);
    QFETCH(QRect, expected);
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    QCOMPARE(KeepOnScreen(bounds, screens, screens.first(), QSize(620, 426)), expected);
}

void TestWindowMetrics::firstRunStoresDesignedBounds()
{
    TempTree tree;
    const QString file = tree.paths().SettingsIniFile;
    QWidget window;
    window.move(20, 30);
    window.resize(DesignedSize);
    LoadWindowMetrics(&window, file);
    QCOMPARE(window.pos(), QPoint(20, 30));
    QCOMPARE(window.size(), DesignedSize);
    QVERIFY(!QFileInfo::exists(file));

    SaveWindowMetrics(&window, file);
    QCOMPARE(readBounds(file), (QStringList{"300", "450", "9315", "6405"}));
}

void TestWindowMetrics::roundTrip()
{
    TempTree tree;
    const QString file = tree.paths().SettingsIniFile;
    writeBounds(file, "1500", "1200", "9000", "6000");
    const QByteArray before = tree.read("Data/Settings.ini");

    // A second run restores the same bounds: the window does not creep or grow.
    for (int run = 0; run < 2; ++run) {
        QWidget window;
        window.resize(DesignedSize);
        LoadWindowMetrics(&window, file);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.frameGeometry(), QRect(100, 80, 600, 400));
        SaveWindowMetrics(&window, file);
        QCOMPARE(tree.read("Data/Settings.ini"), before);
    }
}

void TestWindowMetrics::minimizedStoresNothing()
{
    TempTree tree;
    const QString file = tree.paths().SettingsIniFile;
    writeBounds(file, "1500", "1200", "9000", "6000");
    const QByteArray before = tree.read("Data/Settings.ini");

    QWidget window;
    window.setGeometry(10, 10, 300, 200);
    window.showMinimized();
    QVERIFY(window.isMinimized());
    SaveWindowMetrics(&window, file);
    QCOMPARE(tree.read("Data/Settings.ini"), before);

    const QString fresh = tree.path("Data/Fresh.ini");
    SaveWindowMetrics(&window, fresh);
    QVERIFY(!QFileInfo::exists(fresh));
}

void TestWindowMetrics::maximizedStoresMaximizedBounds()
{
    TempTree tree;
    const QString file = tree.paths().SettingsIniFile;
    QWidget window;
    window.setGeometry(10, 10, 300, 200);
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.width() > 300);
    SaveWindowMetrics(&window, file);
    const QRect twips = pixelsToTwips(window.frameGeometry());
    QCOMPARE(readBounds(file), (QStringList{TwipsToText(twips.x()), TwipsToText(twips.y()),
                                            TwipsToText(twips.width()), TwipsToText(twips.height())}));
}

void TestWindowMetrics::whollyOffScreenOpensCentred()
{
    TempTree tree;
    const QString file = tree.paths().SettingsIniFile;
    writeBounds(file, "-150000", "1200", "9000", "6000");

    QWidget window;
    window.resize(DesignedSize);
    LoadWindowMetrics(&window, file);
    QRect expected(QPoint(0, 0), DesignedSize);
    expected.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    QCOMPARE(window.pos(), expected.topLeft());
    QCOMPARE(window.size(), DesignedSize);
}

void TestWindowMetrics::partlyOffScreenKept()
{
    TempTree tree;
    const QString file = tree.paths().SettingsIniFile;
    writeBounds(file, "-60", " 1200", "9000", "6000");

    QWidget window;
    window.resize(DesignedSize);
    LoadWindowMetrics(&window, file);
    QCOMPARE(window.pos(), QPoint(-4, 80));
    QCOMPARE(window.size(), QSize(600, 400));
}

void TestWindowMetrics::badWidthGivesMinimum()
{
    TempTree tree;
    const QString file = tree.paths().SettingsIniFile;
    writeBounds(file, "1500", "1200", "abc", "");

    QWidget window;
    window.setMinimumSize(200, 150);
    window.resize(DesignedSize);
    LoadWindowMetrics(&window, file);
    QCOMPARE(window.size(), QSize(200, 150));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.width() >= 200);
}

QTEST_MAIN(TestWindowMetrics)
#include "test_window_metrics.moc"
