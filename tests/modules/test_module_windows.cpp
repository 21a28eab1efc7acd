// The Folkmint and Saymark windows: what they show, their keyboard order, and what inserting sends.
#include "message_window.h"
#include "npc_window.h"
#include "scripted_dialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
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

    Harness(const QString &module, qint32 editorHwnd)
    {
        const ModuleContext context{editorHwnd, QStringLiteral("/q/Data/images/NPC List.jpg")};
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

QString heard(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("(no interface)");
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
        QTest::newRow("top") << "Folkmint" << "fraLookDirection/optLook0" << QByteArray("heard") << "Look Direction";
        QTest::newRow("top-left") << "Folkmint" << "fraLookDirection/optLook7" << QByteArray("heard") << "Look Direction";
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
                              "txtMapY", "optLook0", "txtInitialMessage", "cmdInsertNPC", "cmdClose", "txtName"};
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

    void lookOptions_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("direction");   // -1, 0 or 1 across and down from the picture
        QTest::addColumn<QString>("look");
        QTest::newRow("top") << 0 << QPoint(0, -1) << "1";
        QTest::newRow("top right") << 1 << QPoint(1, -1) << "2";
        QTest::newRow("right") << 2 << QPoint(1, 0) << "3";
        QTest::newRow("bottom right") << 3 << QPoint(1, 1) << "4";
        QTest::newRow("bottom") << 4 << QPoint(0, 1) << "5";
        QTest::newRow("bottom left") << 5 << QPoint(-1, 1) << "6";
        QTest::newRow("left") << 6 << QPoint(-1, 0) << "7";
        QTest::newRow("top left") << 7 << QPoint(-1, -1) << "8";
    }
    void lookOptions()
    {
        QFETCH(int, index);
        QFETCH(QPoint, direction);
        QFETCH(QString, look);
        Harness h("Folkmint", 1312);
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        QVERIFY(h.child<QRadioButton>("optLook0")->isChecked());
        auto *option = h.child<QRadioButton>(QStringLiteral("optLook%1").arg(index));
        QWidget *figure = h.child("imgLookFigure");
        const QPoint offset = option->mapTo(h.window.get(), option->rect().center())
                              - figure->mapTo(h.window.get(), figure->rect().center());
        const auto sign = [](int d) { return d > 4 ? 1 : d < -4 ? -1 : 0; };
        QCOMPARE(QPoint(sign(offset.x()), sign(offset.y())), direction);

        QTest::mouseClick(option, Qt::LeftButton);
        QTest::mouseClick(h.child<QPushButton>("cmdInsertNPC"), Qt::LeftButton);
        QCOMPARE(h.sent, QStringList{"1312|" + prefix + ".gat,,," + look + "\tscript\t\t,{\r\n\tmes \"[]\";\r\n}"});
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
        const QStringList guide{"txtName=Guide", "txtNPCSprite=105", "txtMapName=town01", "txtMapX=150",
                                "txtMapY=120", "txtInitialMessage=Hello.\nWelcome!"};
        const QString block = "1312|" + prefix + "town01.gat,150,120,1\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";"
                              "\r\n\tmes \"Hello.\";\r\n\tmes \"Welcome!\";\r\n}";
        const QStringList guideAfter{"txtName=Guide", "txtMapName=town01.gat", "txtInitialMessage=Hello.\nWelcome!"};
        QTest::newRow("Folkmint, not confirmed") << "Folkmint" << 1312 << "cmdInsertNPC" << false << guide << block << guideAfter;
        QTest::newRow("Folkmint, confirmed") << "Folkmint" << 1312 << "cmdInsertNPC" << true << guide << block << guideAfter;
        QTest::newRow("Folkmint, Close") << "Folkmint" << 1312 << "cmdClose" << true << guide << "" << QStringList{};
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
        QCOMPARE(h.dialogs.msgBoxRequests[0].text,
                 QString("The script text could not be delivered to the editor. "
                         "Please start the module from a running editor and try again."));
        for (const QString &pair : after)
            QCOMPARE(h.textOf(pair.section('=', 0, 0)), pair.section('=', 1));
    }

    void toolButtons()
    {
        Harness h("Folkmint", 0);
        QTest::mouseClick(h.child<QWidget>("tbrMapLocation"), Qt::LeftButton);
        QVERIFY(h.dialogs.launched.isEmpty());
        QTest::mouseClick(h.child<QWidget>("tbrNPCSprite"), Qt::LeftButton);
        QCOMPARE(h.dialogs.launched, QStringList{"/q/Data/images/NPC List.jpg"});
    }
};

QTEST_MAIN(TestModuleWindows)
#include "test_module_windows.moc"
