// The modules' dialog seam: the plain message box it shows and ShellExe failures told through it.
#include "module_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// Records the questions instead of showing them, keeping the seam's own launching.
class RecordingSeam : public ModuleDialogSeam
{
public:
    QList<MsgBoxExRequest> asked;
    MsgBoxAnswer msgBoxEx(const MsgBoxExRequest &request) override
    {
        asked.append(request);
        return MsgBoxAnswer::Okay;
    }
};

} // namespace

class TestModuleDialogs : public QObject
{
    Q_OBJECT

private slots:
    void plainBox_data()
    {
        QTest::addColumn<MsgBoxIcon>("icon");
        QTest::addColumn<MsgBoxButtons>("buttons");
        QTest::addColumn<int>("shownIcon");
        QTest::addColumn<int>("shownButtons");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<MsgBoxAnswer>("answer");
        QTest::newRow("error, okay") << MsgBoxIcon::Error << MsgBoxButtons::Okay << int(QMessageBox::Critical)
                                     << int(QMessageBox::Ok) << int(QMessageBox::Ok) << MsgBoxAnswer::Okay;
        QTest::newRow("warning, okay/cancel") << MsgBoxIcon::Warning << MsgBoxButtons::OkayCancel << int(QMessageBox::Warning)
            << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Cancel) << MsgBoxAnswer::Cancel;
        QTest::newRow("question, yes/no") << MsgBoxIcon::Question << MsgBoxButtons::YesNo << int(QMessageBox::Question)
            << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No) << MsgBoxAnswer::No;
        QTest::newRow("information, retry/cancel") << MsgBoxIcon::Information << MsgBoxButtons::RetryCancel
            << int(QMessageBox::Information) << int(QMessageBox::Retry | QMessageBox::Cancel)
            << int(QMessageBox::Retry) << MsgBoxAnswer::Retry;
    }
    void plainBox()
    {
        QFETCH(MsgBoxIcon, icon);
        QFETCH(MsgBoxButtons, buttons);
        QFETCH(int, clicked);
        QFETCH(MsgBoxAnswer, answer);
        // The box is really shown; once it is up, it is read and a person's click is played.
        QString title, text;
        int shown[2] = {-1, -1};
        QTimer::singleShot(0, [&] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(window);
                if (!box || !box->isVisible())
                    continue;
                title = box->windowTitle();
                text = box->text();
                shown[0] = box->icon();
                shown[1] = box->standardButtons();
                box->button(QMessageBox::StandardButton(clicked))->click();
            }
        });
        ModuleDialogSeam seam;
        QCOMPARE(seam.msgBoxEx(MsgBoxExRequest{"first\r\n    second", icon, buttons, "Title.."}), answer);
        QCOMPARE(title, QString("Title.."));
        QCOMPARE(text, QString("first\n    second"));
        QTEST(shown[0], "shownIcon");
        QTEST(shown[1], "shownButtons");
    }

    void launchFailureAsksThroughTheSeam()
    {
        RecordingSeam seam;
        QVERIFY(!seam.launch(nullptr, "/nonexistent-quill-folder/Data/images/NPC List.jpg", QString()));
        QCOMPARE(seam.asked.size(), 1);
        QCOMPARE(seam.asked[0].title, QString("ShellExe()"));
        QCOMPARE(seam.asked[0].text, QString("An unexpected error occured:\r\n    Maybe file doesn't exist?"));
        QCOMPARE(seam.asked[0].icon, MsgBoxIcon::Error);
    }
};

QTEST_MAIN(TestModuleDialogs)
#include "test_module_dialogs.moc"
