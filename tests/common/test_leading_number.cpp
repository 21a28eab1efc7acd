// The number at the start of a text and its rounding to a 32-bit whole number.
#include "leading_number.h"

#include <QTest>

class TestLeadingNumber : public QObject
{
    Q_OBJECT

private slots:
    void numberAtStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("whole") << "501" << 501.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("text") << "Red Potion" << 0.0;
        QTest::newRow("digits then text") << "12abc" << 12.0;
        QTest::newRow("negative") << "-5" << -5.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("leading blanks and tab") << "  \t42" << 42.0;
        QTest::newRow("blank after sign") << "- 5" << 0.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("only one point") << "1.2.3" << 1.2;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("point last") << "5." << 5.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("comma is no decimal point") << "3,5" << 3.0;
        QTest::newRow("no exponent") << "1e3" << 1.0;
        QTest::newRow("beyond 32 bits") << "4294967296" << 4294967296.0;
        QTest::newRow("twenty digits") << "12345678901234567890" << 12345678901234567890.0;
        QTest::newRow("leading zeros") << "007" << 7.0;
        QTest::newRow("line break first") << "\n5" << 0.0;
    }
    void numberAtStart()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(NumberAtStart(text), expected);
    }

    void rounded_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.5 to even") << 2.5 << true << 2;
        QTest::newRow("3.5 to even") << 3.5 << true << 4;
        QTest::newRow("0.5 to zero") << 0.5 << true << 0;
        QTest::newRow("-2.5") << -2.5 << true << -2;
        QTest::newRow("2.6") << 2.6 << true << 3;
        QTest::newRow("largest") << 2147483647.0 << true << 2147483647;
        QTest::newRow("smallest") << -2147483648.0 << true << int(-2147483647 - 1);
        QTest::newRow("one too many") << 2147483648.0 << false << 0;
        QTest::newRow("one too few") << -2147483649.0 << false << 0;
    }
    void rounded()
    {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(int, expected);
        const std::optional<qint32> result = RoundedToInt32(value);
        QCOMPARE(result.has_value(), fits);
        if (fits)
            QCOMPARE(*result, expected);
    }
};

QTEST_APPLESS_MAIN(TestLeadingNumber)
#include "test_leading_number.moc"
