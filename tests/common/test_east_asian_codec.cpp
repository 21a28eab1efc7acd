// Reading Korean, Chinese and Japanese scripts: the code page a file is taken to be in, and an
// unchanged script written back byte for byte. The samples are our own, converted by hand.
#include "east_asian_codec.h"
#include "text_file.h"

#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

namespace {

const QByteArray koreanShop("mes \"[\xBB\xF3\xC0\xCE]\";\r\nmes \"\xBE\xC8\xB3\xE7\xC7\xCF\xBC\xBC\xBF\xE4, "
                            "\xB8\xF0\xC7\xE8\xB0\xA1\xB4\xD4. \xB9\xAB\xBE\xF9\xC0\xBB \xB5\xB5\xBF\xCD"
                            "\xB5\xE5\xB8\xB1\xB1\xEE\xBF\xE4?\";\r\nclose;\r\n");
const QByteArray simplifiedShop("mes \"[\xC9\xCC\xC8\xCB]\";\r\nmes \"\xBB\xB6\xD3\xAD\xB9\xE2\xC1\xD9\xA3\xA1"
                                "\xC4\xE3\xD2\xAA\xC2\xF2\xCA\xB2\xC3\xB4\xB6\xAB\xCE\xF7\xA3\xBF\";\r\nclose;\r\n");
const QByteArray traditionalShop("mes \"[\xB0\xD3\xA4H]\";\r\nmes \"\xC5w\xAA\xEF\xA5\xFA\xC1{\xA1I\xA7"
                                 "A\xADn\xB6R\xA4\xB0\xBB\xF2\xAA" "F\xA6\xE8\xA1H\";\r\nclose;\r\n");
const QByteArray japaneseShop("mes \"[\x8F\xA4\x90l]\";\n\x82\xA2\x82\xE7\x82\xC1\x82\xB5\x82\xE1\x82\xA2"
                              "\x82\xDC\x82\xB9\x81" "B\x89\xBD\x82\xF0\x82\xA8\x92T\x82\xB5\x82\xC5\x82\xB7"
                              "\x82\xA9\x81H\";\nclose;\n");

} // namespace

class TestEastAsianCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void detect_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextEncoding>("expected");
        QTest::newRow("Korean shop") << koreanShop << TextEncoding::EucKr;
        QTest::newRow("Korean comment after code")
            << QByteArray("getitem 501,1; // \xBB\xA1\xB0\xA3 \xC6\xF7\xBC\xC7") << TextEncoding::EucKr;
        QTest::newRow("simplified Chinese shop") << simplifiedShop << TextEncoding::Gbk;
        QTest::newRow("simplified Chinese word") << QByteArray("\xCE\xEF\xC6\xB7") << TextEncoding::Gbk;
        QTest::newRow("traditional Chinese shop") << traditionalShop << TextEncoding::Big5;
        QTest::newRow("traditional Chinese word") << QByteArray("\xAA\xAB\xAB~") << TextEncoding::Big5;
        QTest::newRow("Japanese shop") << japaneseShop << TextEncoding::ShiftJis;
        QTest::newRow("Japanese word") << QByteArray("\x82\xA0\x82\xE8\x82\xAA\x82\xC6\x82\xA4") << TextEncoding::ShiftJis;
        // A backslash byte as the second half of a character must not end the string.
        QTest::newRow("Japanese with backslash trail bytes")
            << QByteArray("mes \"\x83\\\x83t\x83g\x83" "E\x83" "F\x83" "A\x95\\\x8E\xA6\";") << TextEncoding::ShiftJis;
        QTest::newRow("French line") << QByteArray("mes \"\xC9l\xE8ve tr\xE8s na\xEFve\";") << TextEncoding::Windows1252;
        QTest::newRow("Danish town and quotes") << QByteArray("\xC6r\xF8sk\xF8" "bing \xAB\xC7" "a\xBB")
                                                << TextEncoding::Windows1252;
        QTest::newRow("one high byte") << QByteArray("caf\xE9") << TextEncoding::Windows1252;
        // ASCII is skipped eight bytes at a time: a character across such a step, and lone accents
        // ending each step.
        QTest::newRow("Korean across an eight-byte step") << QByteArray("mes \"ab\xBB\xF3\xC1\xA1\";")
                                                          << TextEncoding::EucKr;
        QTest::newRow("accent ending every step") << QByteArray("abcdefg\xE9" "abcdefg\xE8" "abcdefg\xEA")
                                                  << TextEncoding::Windows1252;
        QTest::newRow("cut Korean character at the end") << QByteArray("\xBB\xF3\xC1") << TextEncoding::Windows1252;
        QTest::newRow("Korean after a long ASCII part")
            << QByteArray(70000, 'a') + "\n" + koreanShop << TextEncoding::EucKr;
        // Past the part judged: the whole file must still read back as it was.
        QTest::newRow("Korean first, one bad byte far on")
            << koreanShop + QByteArray(70000, 'a') + "\n\xFF" << TextEncoding::Windows1252;
    }

    void detect()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(TextEncoding, expected);

        QCOMPARE(TextFile::decode(bytes).encoding, expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<LineBreakStyle>("lineBreaks");
        QTest::newRow("Korean") << koreanShop
                                << QStringLiteral("mes \"[상인]\";\r\nmes \"안녕하세요, 모험가님. 무엇을 도와드릴까요?\";\r\nclose;\r\n")
                                << LineBreakStyle::CrLf;
        QTest::newRow("simplified Chinese") << simplifiedShop
                                            << QStringLiteral("mes \"[商人]\";\r\nmes \"欢迎光临！你要买什么东西？\";\r\nclose;\r\n")
                                            << LineBreakStyle::CrLf;
        QTest::newRow("traditional Chinese") << traditionalShop
                                             << QStringLiteral("mes \"[商人]\";\r\nmes \"歡迎光臨！你要買什麼東西？\";\r\nclose;\r\n")
                                             << LineBreakStyle::CrLf;
        QTest::newRow("Japanese, LF") << japaneseShop
                                      << QStringLiteral("mes \"[商人]\";\nいらっしゃいませ。何をお探しですか？\";\nclose;\n")
                                      << LineBreakStyle::Lf;
        QTest::newRow("Japanese backslash trail bytes")
            << QByteArray("mes \"\x83\\\x83t\x83g\x83" "E\x83" "F\x83" "A\x95\\\x8E\xA6\";\r")
            << QStringLiteral("mes \"ソフトウェア表示\";\r") << LineBreakStyle::Cr;
    }

    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(LineBreakStyle, lineBreaks);

        const DecodedText decoded = TextFile::decode(bytes);
        QCOMPARE(QString::fromUtf8(decoded.utf8), text);
        QCOMPARE(decoded.lineBreaks, lineBreaks);
        const EncodedText encoded = TextFile::encode(decoded.utf8, decoded.encoding);
        QCOMPARE(encoded.encoding, decoded.encoding);
        QCOMPARE(encoded.bytes, bytes);
    }

    void editedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextEncoding>("asked");
        QTest::addColumn<TextEncoding>("used");
        QTest::newRow("Korean gains an emoji") << QStringLiteral("상점 😀") << TextEncoding::EucKr << TextEncoding::Utf8;
        QTest::newRow("simplified Chinese gains Hangul") << QStringLiteral("物品 상") << TextEncoding::Gbk
                                                         << TextEncoding::Utf8;
        QTest::newRow("traditional Chinese gains a simplified character") << QStringLiteral("物品这")
                                                                          << TextEncoding::Big5 << TextEncoding::Utf8;
        QTest::newRow("Japanese left with ASCII only") << QStringLiteral("close;") << TextEncoding::ShiftJis
                                                       << TextEncoding::ShiftJis;
    }

    void editedText()
    {
        QFETCH(QString, text);
        QFETCH(TextEncoding, asked);
        QFETCH(TextEncoding, used);
        // What the code page cannot hold is written as UTF-8, whole; ASCII is the same in both.
        const EncodedText encoded = TextFile::encode(text.toUtf8(), asked);
        QCOMPARE(encoded.encoding, used);
        QCOMPARE(encoded.bytes, text.toUtf8());
    }

    // Compatibility ideographs have look-alikes in the code pages; whatever is written must read
    // back as the very characters the user typed.
    void writtenTextReadsBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextEncoding>("asked");
        const QString compatibility = QStringLiteral("w)\uF90C bbb \uF91D \uFA0B");
        QTest::newRow("EUC-KR") << compatibility << TextEncoding::EucKr;
        QTest::newRow("GBK") << compatibility << TextEncoding::Gbk;
        QTest::newRow("Big5") << compatibility << TextEncoding::Big5;
        QTest::newRow("Shift-JIS") << compatibility << TextEncoding::ShiftJis;
    }

    void writtenTextReadsBack()
    {
        QFETCH(QString, text);
        QFETCH(TextEncoding, asked);
        const EncodedText encoded = TextFile::encode(text.toUtf8(), asked);
        const std::optional<DecodedText> read = TextFile::decodeAs(encoded.bytes, encoded.encoding);
        QVERIFY(read);
        QCOMPARE(QString::fromUtf8(read->utf8), text);
    }
};

QTEST_APPLESS_MAIN(TestEastAsianCodec)
#include "test_east_asian_codec.moc"
