// Tests of the byte-level text rule: UTF-8 validity, Windows-1252, marks and byte-exact round trips.
#include "text_codec.h"
#include "text_file.h"

#include <QTest>

class TestTextCodec : public QObject
{
    Q_OBJECT

private slots:
    void validUtf8_data();
    void validUtf8();
    void decodeText_data();
    void decodeText();
    void fileRoundTrip_data();
    void fileRoundTrip();
    void fileEncode_data();
    void fileEncode();
};

void TestTextCodec::validUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");

    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("2-byte") << QByteArray("\xC3\xA9") << true;
    QTest::newRow("3-byte") << QByteArray("\xE2\x82\xAC") << true;
    QTest::newRow("4-byte") << QByteArray("\xF0\x9F\x98\x80") << true;
    QTest::newRow("highest code point") << QByteArray("\xF4\x8F\xBF\xBF") << true;
    QTest::newRow("overlong 2-byte") << QByteArray("\xC0\x80") << false;
    QTest::newRow("overlong 3-byte") << QByteArray("\xE0\x80\x80") << false;
    QTest::newRow("overlong 4-byte") << QByteArray("\xF0\x80\x80\x80") << false;
    QTest::newRow("first surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("last surrogate") << QByteArray("\xED\xBF\xBF") << false;
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("cut 2-byte at end") << QByteArray("a\xC3") << false;
    QTest::newRow("cut 3-byte at end") << QByteArray("a\xE2\x82") << false;
    QTest::newRow("cut 4-byte at end") << QByteArray("a\xF0\x9F\x98") << false;
    QTest::newRow("lone continuation") << QByteArray("a\x80z") << false;
    QTest::newRow("continuation after full sequence") << QByteArray("\xC3\xA9\xA9") << false;
    QTest::newRow("ASCII in place of continuation") << QByteArray("\xE2\x82z") << false;
    // Plain ASCII is skipped eight bytes at a time: sequences and faults at and across those steps.
    QTest::newRow("2-byte across the first word") << QByteArray("abcdefg\xC3\xA9") << true;
    QTest::newRow("3-byte across the first word") << QByteArray("abcdef\xE2\x82\xACxyz") << true;
    QTest::newRow("4-byte across the first word") << QByteArray("abcdefg\xF0\x9F\x98\x80") << true;
    QTest::newRow("3-byte ending a second word") << QByteArray("abcdefghijklm\xE2\x82\xAC") << true;
    QTest::newRow("non-ASCII in every word") << QByteArray("abcdef\xC3\xA9" "abcde\xE2\x82\xAC" "a\xF0\x9F\x98\x80") << true;
    QTest::newRow("invalid byte last of a full word") << QByteArray("abcdefg\xE9") << false;
    QTest::newRow("invalid byte at the very end") << QByteArray("abcdefghijklmnopq\xFF") << false;
    QTest::newRow("lone continuation after a word") << QByteArray("abcdefgh\x80ijklmnop") << false;
    QTest::newRow("cut 3-byte after two words") << QByteArray("abcdefghijklmnop\xE2\x82") << false;
    QTest::newRow("cut 2-byte across a word") << QByteArray("abcdefg\xC3" "abcdefgh") << false;
    QTest::newRow("surrogate after words") << QByteArray("abcdefghijklmnopqrstuvwx\xED\xA0\x80") << false;
    QTest::newRow("overlong after a word") << QByteArray("abcdefgh\xC1\xBF") << false;
    QTest::newRow("valid text, invalid far on") << QByteArray(4000, 'a') + "\xC3\xA9" + QByteArray(37, 'b') + "\xC3"
                                               << false;
    QTest::newRow("NUL bytes in words") << QByteArray("\0\0\0\0\0\0\0\0\xC3\xA9\0", 11) << true;
}

void TestTextCodec::validUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(TextCodec::isValidUtf8(bytes), valid);
}

void TestTextCodec::decodeText_data()
{
    // windows1252: the text must also encode back to the same bytes, with no character lost.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("windows1252");

    QTest::newRow("utf-8") << QByteArray("Caf\xC3\xA9") << QStringLiteral("Caf\u00E9") << false;
    QTest::newRow("mark dropped") << QByteArray("\xEF\xBB\xBF" "a") << QStringLiteral("a") << false;
    QTest::newRow("second mark kept") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a")
                                      << QStringLiteral("\uFEFFa") << false;
    QTest::newRow("mark then invalid") << QByteArray("\xEF\xBB\xBF" "Caf\xE9")
                                       << QStringLiteral("\u00EF\u00BB\u00BFCaf\u00E9") << true;
    QTest::newRow("0x80 0x8A 0x99 0x9F") << QByteArray("\x80\x8A\x99\x9F")
                                         << QStringLiteral("\u20AC\u0160\u2122\u0178") << true;
    QTest::newRow("0x82 0x85 0x93 0x94") << QByteArray("\x82\x85\x93\x94")
                                         << QStringLiteral("\u201A\u2026\u201C\u201D") << true;
    QTest::newRow("undefined bytes") << QByteArray("\x81\x8D\x8F\x90\x9D")
                                     << QStringLiteral("\u0081\u008D\u008F\u0090\u009D") << true;
    QTest::newRow("Latin-1 range") << QByteArray("\xA0\xAC\xFF") << QStringLiteral("\u00A0\u00AC\u00FF") << true;
}

void TestTextCodec::decodeText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, windows1252);
    QCOMPARE(TextCodec::decode(bytes), text);
    if (windows1252) {
        bool ok = false;
        QCOMPARE(TextCodec::encodeWindows1252(text, &ok), bytes);
        QVERIFY(ok);
    }
}

void TestTextCodec::fileRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<LineBreakStyle>("lineBreaks");
    QTest::addColumn<QByteArray>("utf8");

    QTest::newRow("UTF-8 CR LF") << QByteArray("a\r\nb\n") << TextEncoding::Utf8 << LineBreakStyle::CrLf
                                 << QByteArray("a\r\nb\n");
    QTest::newRow("UTF-8 with mark, LF") << QByteArray("\xEF\xBB\xBF\xC3\xA9\nb\r\n")
                                         << TextEncoding::Utf8WithBom << LineBreakStyle::Lf
                                         << QByteArray("\xC3\xA9\nb\r\n");
    QTest::newRow("double mark, CR") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a\rb")
                                     << TextEncoding::Utf8WithBom << LineBreakStyle::Cr
                                     << QByteArray("\xEF\xBB\xBF" "a\rb");
    QTest::newRow("mark only") << QByteArray("\xEF\xBB\xBF") << TextEncoding::Utf8WithBom << LineBreakStyle::CrLf
                               << QByteArray();
    QTest::newRow("mark then invalid") << QByteArray("\xEF\xBB\xBF\xE9\r\n")
                                       << TextEncoding::Windows1252 << LineBreakStyle::CrLf
                                       << QByteArray("\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xA9\r\n");
    QTest::newRow("1252 undefined bytes, no break") << QByteArray("\x80\x81\x8D\x8F\x90\x9D\xE9")
                                                    << TextEncoding::Windows1252 << LineBreakStyle::CrLf
                                                    << QByteArray("\xE2\x82\xAC\xC2\x81\xC2\x8D\xC2\x8F"
                                                                  "\xC2\x90\xC2\x9D\xC3\xA9");
    QTest::newRow("1252 bytes at and across words")
        << QByteArray("abcdefg\x80" "abcdefgh\xE9" "abcdef\x99\xFF" "\xA0xyz\r\n") << TextEncoding::Windows1252
        << LineBreakStyle::CrLf
        << QByteArray("abcdefg\xE2\x82\xAC" "abcdefgh\xC3\xA9" "abcdef\xE2\x84\xA2\xC3\xBF" "\xC2\xA0xyz\r\n");
    QTest::newRow("1252 byte last, after long ASCII") << QByteArray(1000, 'a') + "\n\x9F" << TextEncoding::Windows1252
                                                      << LineBreakStyle::Lf << QByteArray(1000, 'a') + "\n\xC5\xB8";
    QTest::newRow("1252 byte first, then long ASCII") << "\x93" + QByteArray(1000, 'a') + "\r" << TextEncoding::Windows1252
                                                     << LineBreakStyle::Cr << "\xE2\x80\x9C" + QByteArray(1000, 'a') + "\r";
    QTest::newRow("1252 with NUL bytes") << QByteArray("\0\0\0\0\0\0\0\x8A\0\r", 10) << TextEncoding::Windows1252
                                         << LineBreakStyle::Cr << QByteArray("\0\0\0\0\0\0\0\xC5\xA0\0\r", 11);
    {
        // Every byte from 0x80 to 0xFF, each after a word of ASCII; expected from the code chart.
        static const char16_t chart[32] = {u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026',
                                           u'\u2020', u'\u2021', u'\u02C6', u'\u2030', u'\u0160', u'\u2039',
                                           u'\u0152', u'\u008D', u'\u017D', u'\u008F', u'\u0090', u'\u2018',
                                           u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
                                           u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D',
                                           u'\u017E', u'\u0178'};
        QByteArray bytes;
        QString text;
        for (int b = 0x80; b <= 0xFF; ++b) {
            bytes += "word;\r\n" + QByteArray(1, char(b));
            text += QStringLiteral("word;\r\n") + QChar(b < 0xA0 ? chart[b - 0x80] : char16_t(b));
        }
        QTest::newRow("every 1252 byte from 0x80") << bytes << TextEncoding::Windows1252 << LineBreakStyle::CrLf
                                                   << text.toUtf8();
    }
}

void TestTextCodec::fileRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(LineBreakStyle, lineBreaks);
    QFETCH(QByteArray, utf8);

    const DecodedText decoded = TextFile::decode(bytes);
    QCOMPARE(decoded.utf8, utf8);
    QCOMPARE(int(decoded.encoding), int(encoding));
    QCOMPARE(int(decoded.lineBreaks), int(lineBreaks));
    const EncodedText encoded = TextFile::encode(decoded.utf8, decoded.encoding);
    QCOMPARE(encoded.bytes, bytes);
    QCOMPARE(int(encoded.encoding), int(encoding));
}

void TestTextCodec::fileEncode_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<TextEncoding>("asked");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("used");

    QTest::newRow("1252 holds it") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << TextEncoding::Windows1252
                                   << QByteArray("Caf\xE9 \x80") << TextEncoding::Windows1252;
    QTest::newRow("1252 gains omega") << QByteArray("Caf\xC3\xA9 \xCE\xA9") << TextEncoding::Windows1252
                                      << QByteArray("Caf\xC3\xA9 \xCE\xA9") << TextEncoding::Utf8;
    // "Ã©" in 1252 is C3 A9, which would read back as UTF-8 "é".
    QTest::newRow("1252 bytes that read back as UTF-8") << QByteArray("\xC3\x83\xC2\xA9")
                                                        << TextEncoding::Windows1252
                                                        << QByteArray("\xC3\x83\xC2\xA9") << TextEncoding::Utf8;
    QTest::newRow("mark added") << QByteArray("a") << TextEncoding::Utf8WithBom
                                << QByteArray("\xEF\xBB\xBF" "a") << TextEncoding::Utf8WithBom;
}

void TestTextCodec::fileEncode()
{
    QFETCH(QByteArray, utf8);
    QFETCH(TextEncoding, asked);
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, used);

    const EncodedText encoded = TextFile::encode(utf8, asked);
    QCOMPARE(encoded.bytes, bytes);
    QCOMPARE(int(encoded.encoding), int(used));
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "test_text_codec.moc"
