// The Folkmint and Saymark windows: what they show, their keyboard order, checks, and what inserting sends.
#include "message_window.h"
#include "npc_window.h"
#include "picture_viewer.h"
#include "scripted_dialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// One module window with scripted dialogs and a channel that records what it is given.
struct Harness
{
    ScriptedDialogs dialogs;
    QStringList sent;        // editor number, "|", command text
    bool confirms = false;
    std::unique_ptr<ModuleWindow> window;

    Harness(const QString &module, qint32 editorHwnd, const QString &settingsPath = QString(),
            const QString &picturePath = QStringLiteral("/q/Data/images/NPC List.jpg"))
    {
        const ModuleContext context{editorHwnd, picturePath, settingsPath};
        const CommandSender send = [this](const QString &text, qint32 hwnd) {
            sent.append(QString::number(hwnd) + QLatin1Char('|') + text);
            return confirms;
        };
        if (module == QLatin1String("Folkmint"))
            window = std::make_unique<NpcWindow>(context, dialogs, send);
        else
            window = std::make_unique<MessageWindow>(context, dialogs, send);
        window->show();
    }
    template <typename T = QWidget>
    T *child(const QString &name) const { return window->findChild<T *>(name); }

    QString textOf(const QString &name) const
    {
        return child(name)->property(child<QLineEdit>(name) ? "text" : "plainText").toString();
    }
    // Types as a person would: "\n" is the Enter key.
    void type(const QString &name, const QString &text) const
    {
        QWidget *box = child(name);
        box->setFocus();
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, lines[i]);
        }
    }
};

QString heard(QObject *object, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QStringLiteral("(no interface)");
}

// The Guide of the worked example, without its greeting.
const QStringList guide{"txtName=Guide", "txtNPCSprite=105", "txtMapName=town01", "txtMapX=150", "txtMapY=120"};

// Where the red nose of the look figure points, as -1, 0 or 1 across and down from its middle.
QPoint noseDirection(const QLabel *figure)
{
    const QImage image = figure->pixmap().toImage();
    QPointF sum;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() > 150 && c.green() < 120 && c.blue() < 120) {
                sum += QPointF(x, y);
                ++count;
            }
        }
    }
    if (count == 0)
        return QPoint(9, 9);
    const QPointF offset = sum / count - QPointF(image.width() / 2.0, image.height() / 2.0);
    const auto sign = [](double d) { return d > 3 ? 1 : d < -3 ? -1 : 0; };
    return QPoint(sign(offset.x()), sign(offset.y()));
}

const QString prefix = QStringLiteral("COMMAND=INSERTTEXTATCURSOR¬DATA=");

} // namespace

class TestModuleWindows : public QObject
{
    Q_OBJECT

private slots:
    void captions_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");  // "heard": what a screen reader says, from the frame
        QTest::addColumn<QString>("expected");
        // Without an editor only Saymark's insert button stays enabled; no window has a title.
        QTest::newRow("F insert enabled") << "Folkmint" << "cmdInsertNPC" << QByteArray("enabled") << "false";
        QTest::newRow("S insert enabled") << "Saymark" << "cmdSaymark" << QByteArray("enabled") << "true";
        QTest::newRow("F title") << "Folkmint" << "wMain" << QByteArray("windowTitle") << "";
        QTest::newRow("F header") << "Folkmint" << "labHeader" << QByteArray("text") << "Create Folkmint";
        QTest::newRow("F picture") << "Folkmint" << "Image1" << QByteArray("toolTip") << "How may I help you?  ^.^";
        QTest::newRow("F insert") << "Folkmint" << "cmdInsertNPC" << QByteArray("text") << "Insert NPC";
        QTest::newRow("F close") << "Folkmint" << "cmdClose" << QByteArray("text") << "Close";
        QTest::newRow("F sprites") << "Folkmint" << "tbrNPCSprite" << QByteArray("toolTip") << "View the NPC Sprites list..";
        QTest::newRow("F map") << "Folkmint" << "tbrMapLocation" << QByteArray("toolTip") << "Select a map using the Map Selector..";
        QTest::newRow("S header") << "Saymark" << "labHeader" << QByteArray("text") << "Saymark";
        QTest::newRow("S picture") << "Saymark" << "imgLogo" << QByteArray("toolTip") << "What would you like this NPC to say, hmm?";
        QTest::newRow("S insert") << "Saymark" << "cmdSaymark" << QByteArray("text") << "Saymark";
        // Each input speaks the caption of its frame.
        QTest::newRow("name") << "Folkmint" << "fraNPCName/txtName" << QByteArray("heard") << "Name of this NPC";
        QTest::newRow("sprite") << "Folkmint" << "fraNPCSprite/txtNPCSprite" << QByteArray("heard") << "NPC Sprite";
        QTest::newRow("map") << "Folkmint" << "fraMapLocation/txtMapName" << QByteArray("heard") << "Location of this NPC - Map Name";
        QTest::newRow("x") << "Folkmint" << "fraMapX/txtMapX" << QByteArray("heard") << "X Position on Map";
        QTest::newRow("y") << "Folkmint" << "fraMapY/txtMapY" << QByteArray("heard") << "Y Position on Map";
        // Where a caption is only the module's name, a description says what the control does.
        QTest::newRow("S insert described") << "Saymark" << "cmdSaymark" << QByteArray("accessibleDescription")
                                            << "Insert the message into the editor";
        QTest::newRow("S header described") << "Saymark" << "labHeader" << QByteArray("accessibleDescription")
                                            << "Saymark: turns the text you type into message lines of the script";
        QTest::newRow("F described") << "Folkmint" << "wMain" << QByteArray("accessibleDescription")
                                     << "Folkmint: writes the definition of a talking NPC into the script";
        QTest::newRow("gat switch") << "Folkmint" << "chkAddGat" << QByteArray("text") << "Add .gat to map names";
        QTest::newRow("gat switch on") << "Folkmint" << "chkAddGat" << QByteArray("checked") << "true";
        QTest::newRow("greeting") << "Folkmint" << "fraInitalMessages/txtInitialMessage" << QByteArray("heard")
                                  << "Enter an initial (eg. greeting) message";
        QTest::newRow("message") << "Saymark" << "fraInitalMessages/txtMessage" << QByteArray("heard") << "Enter your message below";
    }
    void captions()
    {
        QFETCH(QString, module);
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QString, expected);
        Harness h(module, 0);
        QWidget *widget = name == "wMain" ? h.window.get() : h.child(name.section('/', -1));
        QVERIFY(widget);
        if (property != "heard") {
            QCOMPARE(widget->property(property.constData()).toString(), expected);
            return;
        }
        auto *frame = h.child<QGroupBox>(name.section('/', 0, 0));
        QVERIFY(frame && frame->isAncestorOf(widget));
        QCOMPARE(frame->title(), expected);
        QCOMPARE(heard(widget), expected);
    }

    void focusOrder_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<int>("checkedLook");
        QTest::addColumn<QStringList>("expected");
        const QStringList npc{"txtName", "txtNPCSprite", "tbrNPCSprite", "txtMapName", "tbrMapLocation", "txtMapX",
                              "txtMapY", "chkAddGat", "optLook0", "txtInitialMessage", "cmdInsertNPC", "cmdClose", "txtName"};
        QTest::newRow("Folkmint") << "Folkmint" << 0 << npc;
        QTest::newRow("Folkmint, bottom right") << "Folkmint" << 3 << QStringList(npc).replaceInStrings("optLook0", "optLook3");
        QTest::newRow("Saymark") << "Saymark" << -1 << QStringList{"txtMessage", "cmdSaymark", "cmdClose", "txtMessage"};
    }
    void focusOrder()
    {
        QFETCH(QString, module);
        QFETCH(int, checkedLook);
        QFETCH(QStringList, expected);
        Harness h(module, 1312);
        if (checkedLook >= 0)
            h.child<QRadioButton>(QStringLiteral("optLook%1").arg(checkedLook))->setChecked(true);
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QStringList visited{QApplication::focusWidget()->objectName()};
        while (visited.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, expected);
    }

    // The buttons stand round the picture clockwise from the top; each writes the server's facing.
    void lookOptions_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("direction");   // -1, 0 or 1 across and down from the picture
        QTest::addColumn<QString>("look");
        QTest::addColumn<QString>("name");
        QTest::newRow("top") << 0 << QPoint(0, -1) << "0" << "North";
        QTest::newRow("top right") << 1 << QPoint(1, -1) << "7" << "North-east";
        QTest::newRow("right") << 2 << QPoint(1, 0) << "6" << "East";
        QTest::newRow("bottom right") << 3 << QPoint(1, 1) << "5" << "South-east";
        QTest::newRow("bottom") << 4 << QPoint(0, 1) << "4" << "South";
        QTest::newRow("bottom left") << 5 << QPoint(-1, 1) << "3" << "South-west";
        QTest::newRow("left") << 6 << QPoint(-1, 0) << "2" << "West";
        QTest::newRow("top left") << 7 << QPoint(-1, -1) << "1" << "North-west";
    }
    void lookOptions()
    {
        QFETCH(int, index);
        QFETCH(QPoint, direction);
        QFETCH(QString, look);
        QFETCH(QString, name);
        Harness h("Folkmint", 1312);
        h.confirms = true;
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        QVERIFY(h.child<QRadioButton>("optLook0")->isChecked());
        auto *option = h.child<QRadioButton>(QStringLiteral("optLook%1").arg(index));
        auto *figure = h.child<QLabel>("imgLookFigure");
        const QPoint offset = option->mapTo(h.window.get(), option->rect().center())
                              - figure->mapTo(h.window.get(), figure->rect().center());
        const auto sign = [](int d) { return d > 4 ? 1 : d < -4 ? -1 : 0; };
        QCOMPARE(QPoint(sign(offset.x()), sign(offset.y())), direction);
        QCOMPARE(heard(option), name);

        QTest::mouseClick(option, Qt::LeftButton);
        // The figure turns to look the way the button points.
        QCOMPARE(noseDirection(figure), direction);
        QCOMPARE(heard(figure), "Facing " + name);
        for (const QString &pair : guide)
            h.type(pair.section('=', 0, 0), pair.section('=', 1));
        QTest::mouseClick(h.child<QPushButton>("cmdInsertNPC"), Qt::LeftButton);
        QCOMPARE(h.sent, QStringList{"1312|" + prefix + "town01.gat,150,120," + look
                                     + "\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n}"});
    }

    // Each field is checked before anything is sent; the message names it and the focus goes there.
    void validation_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("name") << "txtName" << "" << "Please fill in \"Name of this NPC\".";
        QTest::newRow("sprite") << "txtNPCSprite" << "" << "Please fill in \"NPC Sprite\".";
        QTest::newRow("sprite with a blank") << "txtNPCSprite" << "4 F"
            << "\"NPC Sprite\" must be a sprite number or a sprite name without blanks or commas.";
        QTest::newRow("map") << "txtMapName" << "" << "Please fill in \"Location of this NPC - Map Name\".";
        QTest::newRow("x") << "txtMapX" << "12abc" << "\"X Position on Map\" must be a whole number of 0 or more.";
        QTest::newRow("y") << "txtMapY" << "-3" << "\"Y Position on Map\" must be a whole number of 0 or more.";
    }
    void validation()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, text);
        Harness h("Folkmint", 1312);
        h.confirms = true;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        for (const QString &pair : guide) {
            if (pair.section('=', 0, 0) != field)
                h.type(pair.section('=', 0, 0), pair.section('=', 1));
        }
        h.type(field, value);
        h.type("txtInitialMessage", "Hi");
        QTest::mouseClick(h.child<QPushButton>("cmdInsertNPC"), Qt::LeftButton);
        QVERIFY(h.sent.isEmpty());
        QCOMPARE(h.dialogs.msgBoxRequests.size(), 1);
        QCOMPARE(h.dialogs.msgBoxRequests[0].text, text);
        QCOMPARE(h.dialogs.msgBoxRequests[0].title, QString("Check the form.."));
        QCOMPARE(QApplication::focusWidget()->objectName(), field);
        QVERIFY(h.window->isVisible());
        // The map name is left as typed until the form is right.
        QCOMPARE(h.textOf("txtMapName"), QString(field == "txtMapName" ? "" : "town01"));
    }

    void insert_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<int>("editorHwnd");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("confirms");
        QTest::addColumn<QStringList>("typed");   // name=text pairs
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QStringList>("after");
        const QStringList guideGreeting = QStringList(guide) << "txtInitialMessage=Hello.\nWelcome!";
        const QString block = "1312|" + prefix + "town01.gat,150,120,0\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";"
                              "\r\n\tmes \"Hello.\";\r\n\tmes \"Welcome!\";\r\n}";
        const QStringList guideAfter{"txtName=Guide", "txtMapName=town01.gat", "txtInitialMessage=Hello.\nWelcome!"};
        QTest::newRow("Folkmint, not confirmed") << "Folkmint" << 1312 << "cmdInsertNPC" << false << guideGreeting << block << guideAfter;
        QTest::newRow("Folkmint, confirmed") << "Folkmint" << 1312 << "cmdInsertNPC" << true << guideGreeting << block << guideAfter;
        QTest::newRow("Folkmint, Close") << "Folkmint" << 1312 << "cmdClose" << true << guideGreeting << "" << QStringList{};
        const QStringList hello{"txtMessage=Hello there\nWelcome!"};
        const QString lines = prefix + "\tmes \"Hello there\";\r\n\tmes \"Welcome!\";";
        QTest::newRow("Saymark without editor") << "Saymark" << 0 << "cmdSaymark" << false << hello << "0|" + lines << hello;
        QTest::newRow("Saymark, confirmed") << "Saymark" << 1312 << "cmdSaymark" << true << hello << "1312|" + lines << hello;
        QTest::newRow("Saymark, Close") << "Saymark" << 0 << "cmdClose" << true << hello << "" << QStringList{};
        const QString longLine = QString(60, 'w') + " " + QString(60, 'v') + " " + QString(60, 'u');
        QTest::newRow("Saymark, wrapped line") << "Saymark" << 1312 << "cmdSaymark" << true << QStringList{"txtMessage=" + longLine}
                                               << "1312|" + prefix + "\tmes \"" + longLine + "\";" << QStringList{};
    }
    void insert()
    {
        QFETCH(QString, module);
        QFETCH(int, editorHwnd);
        QFETCH(QString, button);
        QFETCH(bool, confirms);
        QFETCH(QStringList, typed);
        QFETCH(QString, sent);
        QFETCH(QStringList, after);
        Harness h(module, editorHwnd);
        h.confirms = confirms;
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        for (const QString &pair : typed)
            h.type(pair.section('=', 0, 0), pair.section('=', 1));
        QTest::mouseClick(h.child<QPushButton>(button), Qt::LeftButton);

        QCOMPARE(h.sent, sent.isEmpty() ? QStringList() : QStringList{sent});
        QCOMPARE(h.window->isVisible(), !confirms);
        if (confirms) {
            QVERIFY(h.dialogs.msgBoxRequests.isEmpty());
            return;
        }
        QCOMPARE(h.dialogs.msgBoxRequests.size(), 1);
        QCOMPARE(h.dialogs.msgBoxRequests[0].title, QString("Send failed.."));
        QCOMPARE(h.dialogs.msgBoxRequests[0].buttons, MsgBoxButtons::YesNo);
        QCOMPARE(h.dialogs.msgBoxRequests[0].text,
                 QString("The script text could not be delivered to the editor. Copy it to the clipboard, so that "
                         "you can paste it into your script yourself?"));
        for (const QString &pair : after)
            QCOMPARE(h.textOf(pair.section('=', 0, 0)), pair.section('=', 1));
    }

    // The sprite and map buttons show their pictures in the module's own viewer, or say which file is missing.
    void pictures_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("map");
        QTest::addColumn<QString>("picture");     // made before the click, in images/ of a temporary folder
        QTest::addColumn<QString>("message");     // "" when the viewer opens
        QTest::newRow("sprites, missing") << "tbrNPCSprite" << "" << ""
            << "The picture \"%1/NPC List.jpg\" could not be opened. Please check that the file is there and is a picture.";
        QTest::newRow("sprites, shown") << "tbrNPCSprite" << "" << "NPC List.jpg" << "";
        QTest::newRow("map, none typed") << "tbrMapLocation" << "" << "maps/prontera.jpg"
            << "Please fill in \"Location of this NPC - Map Name\" to see the map's picture.";
        QTest::newRow("map, missing") << "tbrMapLocation" << "payon.gat" << "maps/prontera.jpg"
            << "The picture \"%1/maps/payon.jpg\" could not be opened. Please check that the file is there and is a picture.";
        QTest::newRow("map, shown") << "tbrMapLocation" << "prontera.gat" << "maps/prontera.jpg" << "";
        QTest::newRow("map, shown without .gat") << "tbrMapLocation" << "prontera" << "maps/prontera.jpg" << "";
    }
    void pictures()
    {
        QFETCH(QString, button);
        QFETCH(QString, map);
        QFETCH(QString, picture);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString images = dir.filePath("images");
        QDir().mkpath(images + "/maps");
        if (!picture.isEmpty()) {
            QImage image(300, 200, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            QVERIFY(image.save(images + "/" + picture, "JPG"));
        }
        Harness h("Folkmint", 0, QString(), images + "/NPC List.jpg");
        h.type("txtMapName", map);
        QTest::mouseClick(h.child<QWidget>(button), Qt::LeftButton);
        QVERIFY(h.dialogs.launched.isEmpty());
        auto *viewer = h.window->findChild<PictureViewer *>();
        if (!message.isEmpty()) {
            QVERIFY(!viewer);
            QCOMPARE(h.dialogs.msgBoxRequests.size(), 1);
            QCOMPARE(h.dialogs.msgBoxRequests[0].text, message.arg(images));
            return;
        }
        QVERIFY(h.dialogs.msgBoxRequests.isEmpty());
        QVERIFY(viewer && viewer->isVisible());
        auto *shown = viewer->findChild<QLabel *>("imgPicture");
        QCOMPARE(shown->pixmap().size(), QSize(300, 200));
        viewer->zoomIn();
        viewer->zoomIn();
        QCOMPARE(shown->pixmap().size(), QSize(469, 313));
        viewer->showActualSize();
        QCOMPARE(shown->pixmap().size(), QSize(300, 200));
        // The viewer closes with its module.
        h.window->close();
        QTRY_VERIFY(!h.window->findChild<PictureViewer *>());
    }

    // Escape closes, asking first when something was typed.
    void escape_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Saymark, empty") << "Saymark" << QStringList() << MsgBoxAnswer::None << false << true;
        QTest::newRow("Saymark, typed, Yes") << "Saymark" << QStringList{"txtMessage=Hi"} << MsgBoxAnswer::Yes << true << true;
        QTest::newRow("Saymark, typed, No") << "Saymark" << QStringList{"txtMessage=Hi"} << MsgBoxAnswer::No << true << false;
        QTest::newRow("Folkmint, empty") << "Folkmint" << QStringList() << MsgBoxAnswer::None << false << true;
        QTest::newRow("Folkmint, a Y typed, closed box") << "Folkmint" << QStringList{"txtMapY=3"} << MsgBoxAnswer::None
                                                         << true << false;
    }
    void escape()
    {
        QFETCH(QString, module);
        QFETCH(QStringList, typed);
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(bool, asked);
        QFETCH(bool, closes);
        Harness h(module, 1312);
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        for (const QString &pair : typed)
            h.type(pair.section('=', 0, 0), pair.section('=', 1));
        h.dialogs.msgBoxAnswers.enqueue(answer);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(h.dialogs.msgBoxRequests.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(h.dialogs.msgBoxRequests[0].text, QString("Close without inserting? What you have typed will be lost."));
            QCOMPARE(h.dialogs.msgBoxRequests[0].buttons, MsgBoxButtons::YesNo);
        }
        QCOMPARE(h.window->isVisible(), !closes);
        QVERIFY(h.sent.isEmpty());
    }

    // The switch is on at first, kept for the next window, and decides the map name written.
    void gatSwitchKept()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath("Modules.ini");
        {
            Harness h("Folkmint", 1312, settings);
            QVERIFY(h.child<QCheckBox>("chkAddGat")->isChecked());
            h.child<QCheckBox>("chkAddGat")->click();
        }
        Harness h("Folkmint", 1312, settings);
        h.confirms = true;
        QVERIFY(!h.child<QCheckBox>("chkAddGat")->isChecked());
        for (const QString &pair : guide)
            h.type(pair.section('=', 0, 0), pair.section('=', 1));
        QTest::mouseClick(h.child<QPushButton>("cmdInsertNPC"), Qt::LeftButton);
        QCOMPARE(h.sent, QStringList{"1312|" + prefix + "town01,150,120,0\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n}"});
        QCOMPARE(h.textOf("txtMapName"), QString("town01"));
    }

    void centred_data()
    {
        QTest::addColumn<QRect>("editor");
        QTest::addColumn<QPoint>("expected");
        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("over the editor") << QRect(100, 100, 800, 600) << QPoint(300, 250);
        QTest::newRow("no editor: the screen's middle") << QRect() << QPoint(440, 362);
        QTest::newRow("editor off the right edge") << QRect(1000, 100, 800, 600) << QPoint(880, 250);
        QTest::newRow("editor above the top") << QRect(0, -500, 400, 300) << QPoint(0, 0);
    }
    void centred()
    {
        QFETCH(QRect, editor);
        QFETCH(QPoint, expected);
        QCOMPARE(CentredPosition(QSize(400, 300), editor, QRect(0, 0, 1280, 1024)), expected);
    }

    // At a scale of 2 on 1280 x 1024 a window has 640 x 512 to fit in, less a window frame.
    void fitsAtScaleTwo_data()
    {
        QTest::addColumn<QString>("module");
        QTest::newRow("Folkmint") << "Folkmint";
        QTest::newRow("Saymark") << "Saymark";
    }
    void fitsAtScaleTwo()
    {
        QFETCH(QString, module);
        Harness h(module, 1312);
        const QSize least = h.window->minimumSizeHint();
        QVERIFY2(least.width() <= 624 && least.height() <= 464, qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
    }
};

QTEST_MAIN(TestModuleWindows)
#include "test_module_windows.moc"
