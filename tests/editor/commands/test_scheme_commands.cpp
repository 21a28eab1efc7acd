// Options > Colour Scheme: the kept choice read back, the items, and the panels' palette.
#include <QAction>
#include <QApplication>
#include <QToolTip>
#include <QtTest>

#include <Qsci/qsciscintilla.h>

#include "edit_control.h"
#include "scheme_commands.h"
#include "temp_tree.h"

Q_DECLARE_METATYPE(SchemeChoice)

namespace {

QColor paperOf(const EditControl &control)
{
    const long bgr = control.SendScintilla(QsciScintillaBase::SCI_STYLEGETBACK,
                                           static_cast<unsigned long>(QsciScintillaBase::STYLE_DEFAULT));
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

class TestSchemeCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choiceText_data();
    void choiceText();
    void keptChoice_data();
    void keptChoice();
    void choosing_data();
    void choosing();
};

void TestSchemeCommands::choiceText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<SchemeChoice>("choice");
    QTest::newRow("Light") << "Light" << SchemeChoice::Light;
    QTest::newRow("Dark") << "Dark" << SchemeChoice::Dark;
    QTest::newRow("lower case") << "dark" << SchemeChoice::Dark;
    QTest::newRow("Desktop") << "Desktop" << SchemeChoice::FollowDesktop;
    QTest::newRow("empty") << "" << SchemeChoice::Light;
    QTest::newRow("unknown") << "Purple" << SchemeChoice::Light;
}

void TestSchemeCommands::choiceText()
{
    QFETCH(QString, text);
    QFETCH(SchemeChoice, choice);
    QCOMPARE(SchemeChoiceFromText(text), choice);
}

void TestSchemeCommands::keptChoice_data()
{
    // Settings.ini as left by an earlier run; the item then checked and the paper.
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("checked");
    QTest::addColumn<QColor>("paper");
    QTest::addColumn<QColor>("panelBase");
    const QColor desktopBase = QApplication::palette().color(QPalette::Base);
    QTest::newRow("nothing kept") << QByteArray() << 0 << QColor(QRgb(0xFFFFFF)) << desktopBase;
    QTest::newRow("Light") << QByteArray("[Colour Scheme]\r\nScheme=Light\r\n") << 0 << QColor(QRgb(0xFFFFFF)) << desktopBase;
    QTest::newRow("Dark") << QByteArray("[Colour Scheme]\r\nScheme=Dark\r\n") << 1 << QColor(QRgb(0x1E1E1E)) << QColor(QRgb(0x1E1E1E));
    // The test desktop is a light one.
    QTest::newRow("Follow Desktop") << QByteArray("[Colour Scheme]\r\nScheme=Desktop\r\n") << 2 << QColor(QRgb(0xFFFFFF))
                                    << desktopBase;
    QTest::newRow("unknown value") << QByteArray("[Colour Scheme]\r\nScheme=Sepia\r\n") << 0 << QColor(QRgb(0xFFFFFF))
                                   << desktopBase;
}

void TestSchemeCommands::keptChoice()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, checked);
    QFETCH(QColor, paper);
    QFETCH(QColor, panelBase);
    TempTree tree;
    const QString file = tree.write(QStringLiteral("Settings.ini"), settings);
    const QPalette desktop = QApplication::palette();
    {
        EditControl control;
        SchemeCommands schemes(control, file);
        QAction light(QStringLiteral("Light")), dark(QStringLiteral("Dark")), follow(QStringLiteral("Follow Desktop"));
        schemes.setItems(&light, &dark, &follow);
        const QList<QAction *> items{&light, &dark, &follow};
        for (int i = 0; i < items.size(); ++i) {
            QVERIFY(items.at(i)->isCheckable());
            QCOMPARE(items.at(i)->isChecked(), i == checked);
        }
        QCOMPARE(paperOf(control), paper);
        QCOMPARE(QApplication::palette().color(QPalette::Base), panelBase);
    }
    // The window that chose a scheme leaves the desktop's palette behind.
    QCOMPARE(QApplication::palette().color(QPalette::Window), desktop.color(QPalette::Window));
}

void TestSchemeCommands::choosing_data()
{
    // Items triggered in turn (L, D, F), then what is kept, drawn and checked.
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QColor>("paper");
    QTest::addColumn<bool>("darkPanels");
    QTest::newRow("dark") << "D" << "Dark" << QColor(QRgb(0x1E1E1E)) << true;
    QTest::newRow("dark, then light") << "DL" << "Light" << QColor(QRgb(0xFFFFFF)) << false;
    QTest::newRow("dark, then the desktop") << "DF" << "Desktop" << QColor(QRgb(0xFFFFFF)) << false;
    QTest::newRow("light, then dark") << "LD" << "Dark" << QColor(QRgb(0x1E1E1E)) << true;
}

void TestSchemeCommands::choosing()
{
    QFETCH(QString, clicks);
    QFETCH(QString, kept);
    QFETCH(QColor, paper);
    QFETCH(bool, darkPanels);
    TempTree tree;
    const QString file = tree.path(QStringLiteral("Settings.ini"));
    const QColor desktopWindow = QApplication::palette().color(QPalette::Window);
    EditControl control;
    SchemeCommands schemes(control, file);
    QAction light(QStringLiteral("Light")), dark(QStringLiteral("Dark")), follow(QStringLiteral("Follow Desktop"));
    schemes.setItems(&light, &dark, &follow);
    QSignalSpy redrawn(&control, &EditControl::colourSchemeChanged);
    for (QChar click : clicks)
        (click == QLatin1Char('D') ? dark : click == QLatin1Char('F') ? follow : light).trigger();
    QCOMPARE(redrawn.count(), clicks.size());
    QVERIFY(tree.read(QStringLiteral("Settings.ini")).contains("Scheme=" + kept.toLatin1()));
    QCOMPARE(paperOf(control), paper);
    const QColor window = QApplication::palette().color(QPalette::Window);
    QCOMPARE(window == desktopWindow, !darkPanels);
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase) == QColor(QRgb(0x252526)), darkPanels);
    // One item checked: the last one triggered.
    QCOMPARE(int(light.isChecked()) + int(dark.isChecked()) + int(follow.isChecked()), 1);
    QCOMPARE(dark.isChecked(), clicks.endsWith(QLatin1Char('D')));
}

QTEST_MAIN(TestSchemeCommands)
#include "test_scheme_commands.moc"
