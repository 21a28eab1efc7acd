// What a screen reader hears from the status bar panels and the message box.
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "msgbox_ex.h"
#include "status_bar.h"

namespace {

QString heard(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusPanels_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("text");
        QTest::newRow("general") << "_general" << "The script has been saved successfully.";
        QTest::newRow("modified") << "_modified" << "Modified";
    }

    void statusPanels()
    {
        QFETCH(QString, panel);
        QFETCH(QString, text);
        StatusBar bar;
        auto *label = bar.findChild<QLabel *>(panel);
        QVERIFY(label);
        panel == QLatin1String("_general") ? bar.setGeneralText(text) : bar.setModifiedText(text);
        QCOMPARE(heard(label), text);
        // Only a label without a fixed name tells the screen reader when its text changes.
        QVERIFY(label->accessibleName().isEmpty());
    }

    void messageBox_data()
    {
        QTest::addColumn<MsgBoxButtons>("buttons");
        QTest::addColumn<MsgBoxIcon>("icon");
        QTest::addColumn<bool>("scrolling");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("meaning");

        QTest::newRow("okay") << MsgBoxButtons::Okay << MsgBoxIcon::Information << false
                              << QStringList{"Okay"} << "Information";
        QTest::newRow("okay/cancel") << MsgBoxButtons::OkayCancel << MsgBoxIcon::Question << true
                                     << QStringList{"Okay", "Cancel"} << "Question";
        QTest::newRow("retry/cancel") << MsgBoxButtons::RetryCancel << MsgBoxIcon::Warning << false
                                      << QStringList{"Retry", "Cancel"} << "Warning";
        QTest::newRow("yes/no") << MsgBoxButtons::YesNo << MsgBoxIcon::Error << true
                                << QStringList{"Yes", "No"} << "Error";
    }

    void messageBox()
    {
        QFETCH(MsgBoxButtons, buttons);
        QFETCH(MsgBoxIcon, icon);
        QFETCH(bool, scrolling);
        QFETCH(QStringList, captions);
        QFETCH(QString, meaning);

        MsgBoxExContext context;
        context.title = QStringLiteral("Quillmere");
        MsgBoxExRequest request{QStringLiteral("%title% & more|second line"), icon, buttons,
                                QStringLiteral("Question..")};
        request.forceScrollingText = scrolling;
        MsgBoxExDialog dialog;
        dialog.prepare(request, context);
        dialog.show();

        QCOMPARE(heard(&dialog), QStringLiteral("Question.."));
        QCOMPARE(dialog.usingScrollingText(), scrolling);
        QCOMPARE(heard(dialog.textBox()), QStringLiteral("Quillmere & more\nsecond line"));
        QCOMPARE(heard(dialog.findChild<QLabel *>(QStringLiteral("imgIcon"))), meaning);
        QStringList buttonsHeard;
        for (QPushButton *button : dialog.findChildren<QPushButton *>())
            if (button->isVisible())
                buttonsHeard.append(heard(button));
        QCOMPARE(buttonsHeard, captions);
        // The containers only hold the buttons; a designed name would be noise.
        const auto containers = dialog.findChildren<QWidget *>(QRegularExpression(QStringLiteral("Container")));
        QCOMPARE(containers.size(), 8);
        for (QWidget *container : containers)
            QCOMPARE(heard(container), QString());
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
