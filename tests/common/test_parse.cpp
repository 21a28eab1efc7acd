// Tests of SplitString and GetParameter against the parameter strings the programs exchange.
#include "parse.h"

#include <QTest>

class TestParse : public QObject
{
    Q_OBJECT

private slots:
    void splitString_data();
    void splitString();
    void getParameter_data();
    void getParameter();
    void getParameterOtherSeparators();
};

void TestParse::splitString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<QStringList>("expected");

    const QString sep(ParameterSeparator);
    QTest::newRow("adjacent delimiters") << "a" + sep + sep + "b" << sep << QStringList{"a", "", "b"};
    QTest::newRow("empty text") << "" << sep << QStringList{""};
    QTest::newRow("empty delimiter") << "abc" << "" << QStringList{"abc"};
    QTest::newRow("trailing comma") << "a,b," << "," << QStringList{"a", "b", ""};
    QTest::newRow("leading delimiter") << ",a" << "," << QStringList{"", "a"};
    QTest::newRow("no delimiter") << "abc" << "," << QStringList{"abc"};
    QTest::newRow("only delimiter") << "," << "," << QStringList{"", ""};
    QTest::newRow("long delimiter") << "a<>b<>c" << "<>" << QStringList{"a", "b", "c"};
    QTest::newRow("no overlap") << "aaa" << "aa" << QStringList{"", "a"};
    QTest::newRow("case-sensitive") << "aXbxc" << "x" << QStringList{"aXb", "c"};
    QTest::newRow("item database line") << "501,Red_Potion,Red Potion,0,50"
                                        << "," << QStringList{"501", "Red_Potion", "Red Potion", "0", "50"};
}

void TestParse::splitString()
{
    QFETCH(QString, text);
    QFETCH(QString, delimiter);
    QFETCH(QStringList, expected);
    QCOMPARE(SplitString(text, delimiter), expected);
}

void TestParse::getParameter_data()
{
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString sep(ParameterSeparator);
    const QString launch = "HWND=1312" + sep + "DUMMY=blah";
    QTest::newRow("launch HWND") << launch << "HWND" << "1312";
    QTest::newRow("launch DUMMY") << launch << "DUMMY" << "blah";
    QTest::newRow("lower-case key") << launch << "hwnd" << "";
    QTest::newRow("missing key") << launch << "DATA" << "";
    QTest::newRow("only first = divides")
        << "COMMAND=INSERTTEXTATCURSOR" + sep + "DATA=a=b" << "DATA" << "a=b";
    QTest::newRow("first duplicate wins") << "A=1" + sep + "A=2" << "A" << "1";
    QTest::newRow("element 0 without =") << "junk" + sep + "HWND=5" << "HWND" << "";
    QTest::newRow("value cut at separator")
        << "COMMAND=X" + sep + "DATA=one" + sep + "two" << "DATA" << "one";
    QTest::newRow("CR LF kept") << "COMMAND=X" + sep + "DATA=line 1\r\nline 2" << "DATA"
                                << "line 1\r\nline 2";
    QTest::newRow("blank before key") << " HWND=5" << "HWND" << "";
    QTest::newRow("blank before =") << "HWND =5" << "HWND" << "";
    QTest::newRow("blank key found as written") << "HWND =5" << "HWND " << "5";
    QTest::newRow("blank after = kept") << "HWND= 5" << "HWND" << " 5";
    QTest::newRow("trailing separator") << "A=1" + sep << "A" << "1";
    QTest::newRow("empty key, element starting with =") << "A=1" + sep + "=x" << "" << "x";
    QTest::newRow("empty key, element without =") << "A=1" + sep + "plain" << "" << "plain";
    QTest::newRow("empty key, first empty part wins")
        << "A=1" + sep + "plain" + sep + "=x" << "" << "plain";
    QTest::newRow("empty key, nothing empty") << "A=1" + sep + "B=2" << "" << "";
    QTest::newRow("empty string") << "" << "A" << "";
    QTest::newRow("empty value") << "A=" + sep + "B=2" << "A" << "";
    QTest::newRow("later element without =") << "A=1" + sep + "junk" + sep + "B=2" << "B" << "2";
    QTest::newRow("project entry") << "FILENAME=/home/u/npc/a.txt" + sep + "FILEPART=a.txt"
                                   << "FILEPART" << "a.txt";
}

void TestParse::getParameter()
{
    QFETCH(QString, parameters);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(GetParameter(parameters, key), expected);
}

void TestParse::getParameterOtherSeparators()
{
    QCOMPARE(GetParameter("a:1;b:2", "b", ";", ":"), QString("2"));
    QCOMPARE(GetParameter("a:1;b:2", "c", ";", ":"), QString());
}

QTEST_APPLESS_MAIN(TestParse)
#include "test_parse.moc"
