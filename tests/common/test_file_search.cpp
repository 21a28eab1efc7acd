#include <QtTest>

#include "file_search.h"

// A match as "line:column+length", so a table row reads at a glance.
using Places = QStringList;

namespace {

Places placesOf(const QList<FileSearchHit> &hits)
{
    Places places;
    for (const FileSearchHit &hit : hits)
        places << QStringLiteral("%1:%2+%3").arg(hit.line).arg(hit.column).arg(hit.length);
    return places;
}

} // namespace

class TestFileSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matches_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("regularExpression");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<Places>("expected");

        const QByteArray shop = "prontera,150,150,4\tscript\tKafra\t117,{\r\n\tmes \"[Kafra]\";\r\n\tclose;\r\n}\r\n";
        QTest::newRow("any case, CR LF lines") << shop << "kafra" << false << false << false
                                               << Places{"0:26+5", "1:7+5"};
        QTest::newRow("match case") << shop << "Kafra" << false << true << false << Places{"0:26+5", "1:7+5"};
        QTest::newRow("match case misses") << shop << "KAFRA" << false << true << false << Places{};
        QTest::newRow("whole word beside punctuation")
            << QByteArray("set .@zeny, zeny + 1;\nset zenyx, 2;\n") << "zeny" << false << false << true
            << Places{"0:6+4", "0:12+4"};
        QTest::newRow("plain text is not a pattern") << QByteArray("a.b axb\n") << "a.b" << false << false << false
                                                     << Places{"0:0+3"};
        QTest::newRow("regular expression") << QByteArray("getitem 501,1;\ngetitem 7539,2;\n") << "getitem \\d{4}"
                                            << true << false << false << Places{"1:0+12"};
        QTest::newRow("lone CR lines") << QByteArray("a\rb\rab\r") << "b" << false << false << false
                                       << Places{"1:0+1", "2:1+1"};
        // Columns count characters, not bytes.
        QTest::newRow("non-ASCII in UTF-8") << QByteArray("mes \"Élève\"; // élève\n") << "ÉLÈVE" << false << false
                                            << false << Places{"0:5+5", "0:16+5"};
        QTest::newRow("Korean code page") << QByteArray("mes \"\xBB\xF3\xC1\xA1\";\n") << "상점" << false << false
                                          << false << Places{"0:5+2"};
        QTest::newRow("binary file") << QByteArray("ab\0cd ab", 8) << "ab" << false << false << false << Places{};
    }

    void matches()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, regularExpression);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(Places, expected);
        const LineMatcher matcher({text, regularExpression, matchCase, wholeWord});
        QVERIFY(matcher.isValid());
        QCOMPARE(placesOf(SearchFileBytes(QStringLiteral("f.txt"), bytes, matcher)), expected);
    }

    void refusedQueries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("regularExpression");
        QTest::newRow("nothing typed") << "" << false;
        QTest::newRow("unclosed group") << "(getitem" << true;
    }

    void refusedQueries()
    {
        QFETCH(QString, text);
        QFETCH(bool, regularExpression);
        const LineMatcher matcher({text, regularExpression, false, false});
        QVERIFY(!matcher.isValid());
        QVERIFY(!matcher.errorText().isEmpty());
        QVERIFY(SearchFileBytes(QStringLiteral("f.txt"), "(getitem\n", matcher).isEmpty());
    }

    // A line of megabytes keeps only a window of itself around each match.
    void longLineExcerpt()
    {
        const QByteArray line = QByteArray(100000, 'x') + "needle" + QByteArray(100000, 'y');
        const QList<FileSearchHit> hits = SearchFileBytes(QStringLiteral("f.txt"), line, LineMatcher({"needle"}));
        QCOMPARE(hits.size(), 1);
        const FileSearchHit &hit = hits.first();
        QCOMPARE(hit.column, 100000);
        QVERIFY(hit.excerpt.size() <= FileSearchHit::ExcerptLength);
        QCOMPARE(hit.excerpt.mid(hit.column - hit.excerptStart, hit.length), QStringLiteral("needle"));
    }

    // Files are searched in order; unreadable ones are passed over; a cancelled search stops.
    void searchesFiles()
    {
        QTemporaryDir folder;
        const auto write = [&](const QString &name, const QByteArray &bytes) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("npc/town")));
        write(QStringLiteral("b.txt"), "warp \"prontera\",1,1;\n");
        write(QStringLiteral("npc/town/a.txt"), "// prontera\n");
        write(QStringLiteral("c.txt"), "nothing\n");
        QStringList files = FilesInFolder(folder.path());
        QCOMPARE(files.size(), 3);
        files.insert(1, folder.filePath(QStringLiteral("missing.txt")));

        QStringList found;
        int done = 0;
        std::atomic<bool> cancelled = false;
        SearchFiles(files, LineMatcher({"prontera"}), cancelled,
                    {[&](const QList<FileSearchHit> &hits) { found << QFileInfo(hits.first().path).fileName(); },
                     [&](int count) { done = count; }});
        QCOMPARE(found, (QStringList{"b.txt", "a.txt"}));
        QCOMPARE(done, 4);

        cancelled = true;
        found.clear();
        SearchFiles(files, LineMatcher({"prontera"}), cancelled, {[&](const QList<FileSearchHit> &) { found << "x"; }, {}});
        QVERIFY(found.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestFileSearch)
#include "test_file_search.moc"
