// Tests of reading a file through a mapping: only a file unchanged since its stamp is mapped,
// and pages let go of behind the reader read back unchanged.
#include <QtTest>

#include <QTemporaryDir>

#include "mapped_text.h"

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

class TestMappedText : public QObject
{
    Q_OBJECT

private slots:
    void mapsOnlyAnUnchangedFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("skip");
        QTest::addColumn<QByteArray>("since");      // written after the stamp; null: nothing
        QTest::addColumn<QByteArray>("expected");   // empty: not mapped
        const QByteArray script("-\tscript\tGuide\t-1,{\n\tmes \"caf\xC3\xA9\";\n}\n");
        QTest::newRow("unchanged") << script << 0 << QByteArray() << script;
        QTest::newRow("after a byte-order mark") << "\xEF\xBB\xBF" + script << 3 << QByteArray() << script;
        QTest::newRow("only a byte-order mark") << QByteArray("\xEF\xBB\xBF") << 3 << QByteArray() << QByteArray();
        QTest::newRow("grown since") << script << 0 << script + "end;\n" << QByteArray();
        QTest::newRow("rewritten, same size") << script << 0 << QByteArray(script).replace("Guide", "Elder")
                                              << QByteArray();
        QTest::newRow("empty") << QByteArray() << 0 << QByteArray() << QByteArray();
    }

    void mapsOnlyAnUnchangedFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, skip);
        QFETCH(QByteArray, since);
        QFETCH(QByteArray, expected);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("guide.txt"));
        QVERIFY(writeFile(path, bytes));
        const FileStamp stamp = StampOf(path);
        if (!since.isNull()) {
            // A later time of change, as a second write would leave however quick.
            QVERIFY(writeFile(path, since));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        }
        const std::unique_ptr<MappedText> mapped = MappedText::map(path, stamp, skip);
        QCOMPARE(mapped != nullptr, !expected.isEmpty());
        if (mapped)
            QCOMPARE(QByteArray(mapped->text().data(), qsizetype(mapped->text().size())), expected);
    }

    void passedPagesReadBack()
    {
        // After the reader passed each point, once more from the start too, every byte reads
        // as written.
        QByteArray bytes;
        for (int n = 0; bytes.size() < (7 << 20) + 123; ++n)
            bytes += "prontera,150," + QByteArray::number(n) + "\tscript\tGuide#" + QByteArray::number(n) + "\t117,{}\n";
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("big.txt"));
        QVERIFY(writeFile(path, bytes));
        const std::unique_ptr<MappedText> mapped = MappedText::map(path, StampOf(path), 0);
        QVERIFY(mapped);
        for (const size_t offset : {size_t(3 << 20), size_t(6 << 20) + 7, size_t(bytes.size()) + 4096, size_t(0),
                                    size_t(5 << 20)}) {
            mapped->passed(offset);
            QCOMPARE(QByteArray(mapped->text().data(), qsizetype(mapped->text().size())), bytes);
        }
    }

    void fileCutShortWhileRead()
    {
        // Another program empties the file under the reader: every byte still reads, and the
        // reading is known not to be the file's.
        const QByteArray bytes = QByteArray("-\tscript\tGuide\t-1,{ end; }\n").repeated(20000);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("guide.txt"));
        QVERIFY(writeFile(path, bytes));
        const std::unique_ptr<MappedText> mapped = MappedText::map(path, StampOf(path), 0);
        QVERIFY(mapped && mapped->unchanged());
        QVERIFY(QFile::resize(path, 100));
        size_t sum = 0;
        for (const char c : mapped->text())
            sum += static_cast<unsigned char>(c);
        QVERIFY(sum > 0);
        QVERIFY(!mapped->unchanged());
    }
};

QTEST_GUILESS_MAIN(TestMappedText)
#include "test_mapped_text.moc"
