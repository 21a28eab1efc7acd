// Tests of reading a file into a sink a block at a time: the pieces must add up to what reading
// the whole file and decoding it gives, wherever a character or a line break falls on the cut
// between two blocks.
#include <QtTest>

#include <QTemporaryDir>

#include "text_file.h"

namespace {

// Blocks are a mebibyte; the rows place their interesting bytes around the first cut.
constexpr qsizetype Cut = 1 << 20;

class CollectingSink : public TextSink
{
public:
    QByteArray text;
    int restarts = 0;
    qint64 reserved = -1;
    void reserve(qint64 bytes) override { reserved = bytes; }
    void append(const char *utf8, qsizetype length) override { text.append(utf8, length); }
    void restart() override
    {
        text.clear();
        ++restarts;
    }
};

// ASCII filler up to the cut, less the bytes that should come before it.
QByteArray filler(qsizetype before)
{
    return QByteArray(Cut - before, 'a');
}

} // namespace

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(LineBreakStyle)

class TestTextFileBlocks : public QObject
{
    Q_OBJECT

private slots:
    void readIntoDecodesAcrossBlocks_data();
    void readIntoDecodesAcrossBlocks();
    void readIntoLeavesSinkAloneOnFailure();
};

void TestTextFileBlocks::readIntoDecodesAcrossBlocks_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<LineBreakStyle>("lineBreaks");
    QTest::addColumn<int>("restarts");

    const QByteArray euro("\xE2\x82\xAC");
    const QByteArray grin("\xF0\x9F\x98\x80");
    QTest::newRow("three-byte character cut after one byte")
        << filler(1) + euro + "\n" << filler(1) + euro + "\n" << TextEncoding::Utf8 << LineBreakStyle::Lf << 0;
    QTest::newRow("four-byte character cut after three bytes")
        << filler(3) + grin + "\r\n" << filler(3) + grin + "\r\n" << TextEncoding::Utf8 << LineBreakStyle::CrLf << 0;
    // The second block starts with what the first cut off, and cuts off more itself.
    const QByteArray twoCuts = filler(1) + euro + QByteArray(Cut - 5, 'b') + grin + "\n";
    QTest::newRow("characters cut at two cuts") << twoCuts << twoCuts << TextEncoding::Utf8 << LineBreakStyle::Lf << 0;
    QTest::newRow("mark, then a character cut") << QByteArray("\xEF\xBB\xBF") + filler(4) + euro + "\n"
                                                << filler(4) + euro + "\n" << TextEncoding::Utf8WithBom
                                                << LineBreakStyle::Lf << 0;
    QTest::newRow("CR LF cut between CR and LF")
        << filler(1) + "\r\nx\n" << filler(1) + "\r\nx\n" << TextEncoding::Utf8 << LineBreakStyle::CrLf << 0;
    QTest::newRow("lone CR at the cut") << filler(1) + "\rx\n" << filler(1) + "\rx\n" << TextEncoding::Utf8
                                        << LineBreakStyle::Cr << 0;
    QTest::newRow("mark dropped, text kept")
        << QByteArray("\xEF\xBB\xBFz\n") << QByteArray("z\n") << TextEncoding::Utf8WithBom << LineBreakStyle::Lf << 0;
    // A Windows-1252 byte found only in the second block: the first block is read again, converted.
    QTest::newRow("Windows-1252 discovered after the cut")
        << filler(0) + "caf\xE9\r\n" << filler(0) + "caf\xC3\xA9\r\n" << TextEncoding::Windows1252
        << LineBreakStyle::CrLf << 1;
    QTest::newRow("sequence cut off by the end of the file")
        << QByteArray("ok\xE2\x82") << QByteArray("ok\xC3\xA2\xE2\x80\x9A") << TextEncoding::Windows1252
        << LineBreakStyle::CrLf << 1;
    QTest::newRow("empty file") << QByteArray() << QByteArray() << TextEncoding::Utf8 << LineBreakStyle::CrLf << 0;
}

void TestTextFileBlocks::readIntoDecodesAcrossBlocks()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    QFETCH(TextEncoding, encoding);
    QFETCH(LineBreakStyle, lineBreaks);
    QFETCH(int, restarts);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("script.txt"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(file), file.size());
    out.close();

    CollectingSink sink;
    DecodedText decoded;
    const FileResult result = TextFile::readInto(path, sink, &decoded);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(sink.reserved, qint64(file.size()));
    QVERIFY(sink.text == expected);
    QCOMPARE(decoded.encoding, encoding);
    QCOMPARE(decoded.lineBreaks, lineBreaks);
    QCOMPARE(sink.restarts, restarts);
    QVERIFY(decoded.utf8.isEmpty());
}

void TestTextFileBlocks::readIntoLeavesSinkAloneOnFailure()
{
    QTemporaryDir dir;
    CollectingSink sink;
    DecodedText decoded;
    const FileResult missing = TextFile::readInto(dir.filePath(QStringLiteral("none.txt")), sink, &decoded);
    QVERIFY(!missing.ok);
    QCOMPARE(missing.error, QStringLiteral("The file does not exist."));
    const FileResult folder = TextFile::readInto(dir.path(), sink, &decoded);
    QCOMPARE(folder.error, QStringLiteral("The path is a folder, not a file."));
    // The control's text is replaced only once the file is known to be readable.
    QCOMPARE(sink.reserved, qint64(-1));
}

QTEST_MAIN(TestTextFileBlocks)
#include "test_text_file_blocks.moc"
