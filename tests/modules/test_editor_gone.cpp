// A module whose editor ends: across real processes, with the editor's own channel in a stand-in.
#include "message_window.h"
#include "module_instance.h"
#include "npc_window.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>

namespace {

// The stand-in editor, listening on the channel of its own process number.
struct StandInEditor
{
    QProcess process;

    StandInEditor()
    {
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/editor_stand_in"), QStringList());
        QVERIFY(process.waitForStarted(10000));
        QVERIFY(process.waitForReadyRead(10000));
        QCOMPARE(process.readLine().trimmed(), QByteArray("READY"));
    }
    ~StandInEditor()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }
    qint32 number() const { return qint32(process.processId()); }
    // "killed": ends at once and leaves its channel behind; "quit": closes its channel first.
    void end(const QString &how)
    {
        if (how == QLatin1String("killed"))
            process.kill();
        else
            process.write("QUIT\n");
        QVERIFY(process.waitForFinished(10000));
    }
};

std::unique_ptr<ModuleWindow> moduleWindow(const QString &module, qint32 editor, DialogSeam &dialogs)
{
    const ModuleContext context{editor, QStringLiteral("/q/Data/images/NPC List.jpg")};
    if (module == QLatin1String("Folkmint"))
        return std::make_unique<NpcWindow>(context, dialogs);
    return std::make_unique<MessageWindow>(context, dialogs);
}

// name=text pairs, "\n" as the Enter key.
void typeInto(ModuleWindow &window, const QStringList &typed)
{
    for (const QString &pair : typed) {
        QWidget *box = window.findChild<QWidget *>(pair.section('=', 0, 0));
        box->setFocus();
        const QStringList lines = pair.section('=', 1).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, lines[i]);
        }
    }
}

QPushButton *insertButton(ModuleWindow &window)
{
    for (auto *button : window.findChildren<QPushButton *>()) {
        if (button->objectName().startsWith(QLatin1String("cmdInsert")) || button->objectName() == "cmdSaymark")
            return button;
    }
    return nullptr;
}

const QStringList say{"txtMessage=My \"Red Potions\" are\nthe best."};
const QString sayLines = "\tmes \"My \\\"Red Potions\\\" are\";\r\n\tmes \"the best.\";";
const QStringList guide{"txtName=Guide", "txtNPCSprite=105", "txtMapName=prontera", "txtMapX=150", "txtMapY=120",
                        "txtInitialMessage=Hi"};
const QString guideBlock = "prontera.gat,150,120,0\tscript\tGuide\t105,{\r\n\tmes \"[Guide]\";\r\n\tmes \"Hi\";\r\n}";

} // namespace

class TestEditorGone : public QObject
{
    Q_OBJECT

private slots:
    // The editor ends while the module is open; the module finds out by itself.
    void editorEnds_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<MsgBoxAnswer>("answer");     // to the clipboard offer
        QTest::addColumn<bool>("stays");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("nothing typed, killed: closes") << "Saymark" << QStringList() << "killed" << MsgBoxAnswer::None
                                                       << false << "before";
        QTest::newRow("nothing typed, quit: closes") << "Folkmint" << QStringList() << "quit" << MsgBoxAnswer::None
                                                     << false << "before";
        QTest::newRow("typed, killed, Yes copies") << "Saymark" << say << "killed" << MsgBoxAnswer::Yes << true << sayLines;
        QTest::newRow("typed, quit, Yes copies") << "Folkmint" << guide << "quit" << MsgBoxAnswer::Yes << true << guideBlock;
        QTest::newRow("typed, No copies nothing") << "Saymark" << say << "quit" << MsgBoxAnswer::No << true << "before";
    }
    void editorEnds()
    {
        QFETCH(QString, module);
        QFETCH(QStringList, typed);
        QFETCH(QString, ending);
        QFETCH(MsgBoxAnswer, answer);
        QFETCH(bool, stays);
        QFETCH(QString, clipboard);
        QApplication::clipboard()->setText("before");
        StandInEditor editor;
        ScriptedDialogs dialogs;
        const std::unique_ptr<ModuleWindow> window = moduleWindow(module, editor.number(), dialogs);
        window->watchEditor();
        window->show();
        typeInto(*window, typed);
        QTest::qWait(50);
        QVERIFY(!window->isEditorGone());

        editor.end(ending);
        QTRY_VERIFY_WITH_TIMEOUT(window->isEditorGone(), 10000);
        QCOMPARE(window->isVisible(), stays);
        QVERIFY(dialogs.msgBoxRequests.isEmpty());
        if (!stays)
            return;
        QVERIFY(window->findChild<QLabel *>("labEditorGone")->isVisible());
        dialogs.msgBoxAnswers.enqueue(answer);
        insertButton(*window)->click();
        QCOMPARE(dialogs.msgBoxRequests.size(), 1);
        QCOMPARE(dialogs.msgBoxRequests[0].title, QString("Send failed.."));
        QCOMPARE(dialogs.msgBoxRequests[0].buttons, MsgBoxButtons::YesNo);
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
        QVERIFY(window->isVisible());
        // What was typed is still there.
        const QString first = typed.first();
        auto *box = window->findChild<QWidget *>(first.section('=', 0, 0));
        QCOMPARE(box->property(qobject_cast<QLineEdit *>(box) ? "text" : "plainText").toString(), first.section('=', 1));
    }

    // The editor ended unnoticed (nothing watched it): the send itself fails, the offer follows.
    void sendFails_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("Saymark") << "Saymark" << say << sayLines;
        QTest::newRow("Folkmint") << "Folkmint" << guide << guideBlock;
    }
    void sendFails()
    {
        QFETCH(QString, module);
        QFETCH(QStringList, typed);
        QFETCH(QString, text);
        QApplication::clipboard()->setText("before");
        StandInEditor editor;
        ScriptedDialogs dialogs;
        const std::unique_ptr<ModuleWindow> window = moduleWindow(module, editor.number(), dialogs);
        window->show();
        typeInto(*window, typed);
        editor.end("killed");
        dialogs.msgBoxAnswers.enqueue(MsgBoxAnswer::Yes);
        insertButton(*window)->click();
        QVERIFY(window->isVisible());
        QCOMPARE(dialogs.msgBoxRequests.size(), 1);
        QCOMPARE(dialogs.msgBoxRequests[0].text,
                 QString("The script text could not be delivered to the editor. Copy it to the clipboard, so that "
                         "you can paste it into your script yourself?"));
        QCOMPARE(QApplication::clipboard()->text(), text);
    }

    // One window of each module per editor: a second start asks the first to come to the front.
    void oneWindowPerEditor_data()
    {
        QTest::addColumn<int>("firstEditor");
        QTest::addColumn<QString>("firstModule");
        QTest::addColumn<int>("secondEditor");
        QTest::addColumn<QString>("secondModule");
        QTest::addColumn<bool>("handedOver");
        const int editor = int(QCoreApplication::applicationPid());
        QTest::newRow("same module, same editor") << editor << "Saymark" << editor << "Saymark" << true;
        QTest::newRow("another module") << editor << "Saymark" << editor << "Folkmint" << false;
        QTest::newRow("another editor") << editor << "Bartlow" << editor + 1 << "Bartlow" << false;
        QTest::newRow("no editor") << 0 << "Saymark" << 0 << "Saymark" << false;
    }
    void oneWindowPerEditor()
    {
        QFETCH(int, firstEditor);
        QFETCH(QString, firstModule);
        QFETCH(int, secondEditor);
        QFETCH(QString, secondModule);
        QFETCH(bool, handedOver);
        ModuleInstance first(firstEditor, firstModule);
        QVERIFY(!first.handedOver());
        int requests = 0;
        connect(&first, &ModuleInstance::frontRequested, this, [&requests] { ++requests; });
        // The second start waits for the first's answer, as it does in a process of its own.
        std::unique_ptr<ModuleInstance> second;
        std::unique_ptr<QThread> starter(QThread::create([&] {
            second = std::make_unique<ModuleInstance>(secondEditor, secondModule);
            second->moveToThread(QCoreApplication::instance()->thread());
        }));
        starter->start();
        QTRY_VERIFY_WITH_TIMEOUT(starter->isFinished(), 10000);
        QCOMPARE(second->handedOver(), handedOver);
        if (handedOver)
            QTRY_COMPARE(requests, 1);
        else
            QCOMPARE(requests, 0);
    }
};

QTEST_MAIN(TestEditorGone)
#include "test_editor_gone.moc"
