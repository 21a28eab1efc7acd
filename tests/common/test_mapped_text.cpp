// Tests of reading a file through a mapping: the text is the file's, a file changed since it was
// stamped is not mapped, and pages let go of behind the reader read back unchanged.
#include <QtTest>

#include <QTemporaryDir>

#include "mapped_text.h"

namespace {

enum class Change { None, Grown, Rewritten, Replaced, Removed };

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestMappedText : public QObject
{
    Q_OBJECT

private slots:
    void mapsOnlyAnUnchangedFile_data();
    void mapsOnlyAnUnchangedFile();
    void passedPagesReadBack();
};

void TestMappedText::mapsOnlyAnUnchangedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("skip");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QByteArray>("expected");   // empty: not mapped

    const QByteArray script("-\tscript\tGuide\t-1,{\n\tmes \"caf\xC3\xA9\";\n}\n");
    QTest::newRow("unchanged") << script << 0 << Change::None << script;
    QTest::newRow("after a byte-order mark") << QByteArray("\xEF\xBB\xBF") + script << 3 << Change::None << script;
    QTest::newRow("only a byte-order mark") << QByteArray("\xEF\xBB\xBF") << 3 << Change::None << QByteArray();
    QTest::newRow("grown since") << script << 0 << Change::Grown << QByteArray();
    QTest::newRow("rewritten in place, same size") << script << 0 << Change::Rewritten << QByteArray();
    QTest::newRow("replaced by another file") << script << 0 << Change::Replaced << QByteArray();
    QTest::newRow("removed") << script << 0 << Change::Removed << QByteArray();
    QTest::newRow("empty file") << QByteArray() << 0 << Change::None << QByteArray();
}

void TestMappedText::mapsOnlyAnUnchangedFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, skip);
    QFETCH(Change, change);
    QFETCH(QByteArray, expected);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("guide.txt"));
    QVERIFY(writeFile(path, bytes));
    const FileStamp stamp = StampOf(path);
    QByteArray other = bytes;
    std::reverse(other.begin(), other.end());
    switch (change) {
    case Change::None:
        break;
    case Change::Grown:
        QVERIFY(writeFile(path, bytes + "end;\n"));
        break;
    case Change::Rewritten: {
        // A later time of change, as a second write would leave.
        QVERIFY(writeFile(path, other));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        break;
    }
    case Change::Replaced: {
        const QString fresh = folder.filePath(QStringLiteral("fresh.txt"));
        QVERIFY(writeFile(fresh, bytes));
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::rename(fresh, path));
        break;
    }
    case Change::Removed:
        QVERIFY(QFile::remove(path));
        break;
    }

    const std::unique_ptr<MappedText> mapped = MappedText::map(path, stamp, skip);
    if (expected.isEmpty()) {
        QVERIFY(!mapped);
        return;
    }
    QVERIFY(mapped);
    QCOMPARE(QByteArray(mapped->text().data(), qsizetype(mapped->text().size())), expected);
}

void TestMappedText::passedPagesReadBack()
{
    // Several mebibytes of distinct lines: after the reader passed each point, every byte before
    // and after it still reads as written.
    QByteArray bytes;
    for (int n = 0; bytes.size() < (7 << 20) + 123; ++n)
        bytes += "prontera,150," + QByteArray::number(n) + "\tscript\tGuide#" + QByteArray::number(n) + "\t117,{}\n";
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.txt"));
    QVERIFY(writeFile(path, bytes));
    const std::unique_ptr<MappedText> mapped = MappedText::map(path, StampOf(path), 0);
    QVERIFY(mapped);
    for (const size_t offset : {size_t(0), size_t(3 << 20), size_t(3 << 20) + 1, size_t(6 << 20) + 7,
                                size_t(bytes.size()), size_t(bytes.size()) + 4096}) {
        mapped->passed(offset);
        QCOMPARE(QByteArray(mapped->text().data(), qsizetype(mapped->text().size())), bytes);
    }
}

QTEST_GUILESS_MAIN(TestMappedText)
#include "test_mapped_text.moc"
