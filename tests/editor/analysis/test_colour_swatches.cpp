// Tests of the colour swatches: each ^RRGGBB underlined in its colour, also after typing.
#include <QtTest>

#include "analysis_service.h"
#include "colour_swatches.h"
#include "edit_control.h"

class TestColourSwatches : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<QColor>("colour");   // invalid: no underline
        QTest::newRow("code start") << "mes \"^FF8000Hi\";" << 5 << QColor(0xFF, 0x80, 0x00);
        QTest::newRow("code end") << "mes \"^FF8000Hi\";" << 11 << QColor(0xFF, 0x80, 0x00);
        QTest::newRow("after the code") << "mes \"^FF8000Hi\";" << 12 << QColor();
        QTest::newRow("lower case") << "^00ff7f" << 3 << QColor(0x00, 0xFF, 0x7F);
        QTest::newRow("second line") << "^000000\n^1020a0" << 9 << QColor(0x10, 0x20, 0xA0);
        QTest::newRow("five digits") << "^12345 x" << 1 << QColor();
        QTest::newRow("not hex") << "^12345G" << 1 << QColor();
    }

    void codes()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(QColor, colour);
        EditControl editor;
        auto *swatches = new ColourSwatches(editor, *new AnalysisService(editor, LoadScriptResources(QString())));
        editor.setText(text);
        QCoreApplication::processEvents();  // the marks follow once the edit is over
        QCOMPARE(swatches->colourAt(position), colour);
    }

    void followsTyping()
    {
        EditControl editor;
        auto *swatches = new ColourSwatches(editor, *new AnalysisService(editor, LoadScriptResources(QString())));
        editor.setText(QStringLiteral("a\n^FF0000x\n"));
        QTRY_VERIFY(swatches->colourAt(2).isValid());
        // A new code before the old one; the old one moves on.
        editor.insertAt(QStringLiteral("^0000FF"), 0, 0);
        QTRY_COMPARE(swatches->colourAt(0), QColor(0, 0, 0xFF));
        QCOMPARE(swatches->colourAt(9), QColor(0xFF, 0, 0));
        // Breaking a code takes its underline away.
        editor.setSelection(1, 3, 1, 4);
        editor.removeSelectedText();
        QCoreApplication::processEvents();
        QCOMPARE(swatches->colourAt(9), QColor());
        swatches->setActive(false);
        QCOMPARE(swatches->colourAt(0), QColor());
    }
};

QTEST_MAIN(TestColourSwatches)
#include "test_colour_swatches.moc"
