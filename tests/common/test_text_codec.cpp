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
    QTest::newRow("mark then invalid") << QByteArray("\xEF\xBB\xBF\xE9\r\n")
                                       << TextEncoding::Windows1252 << LineBreakStyle::CrLf
                                       << QByteArray("\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xA9\r\n");
    QTest::newRow("1252 undefined bytes, no break") << QByteArray("\x80\x81\x8D\x8F\x90\x9D\xE9")
                                                    << TextEncoding::Windows1252 << LineBreakStyle::CrLf
                                                    << QByteArray("\xE2\x82\xAC\xC2\x81\xC2\x8D\xC2\x8F"
                                                                  "\xC2\x90\xC2\x9D\xC3\xA9");
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
