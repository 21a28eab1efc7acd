// Saving over files that have other names or belong to someone else keeps both.
#include "text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct stat statOf(const QString &path)
{
    struct stat info{};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void writeKeepsLinksAndOwner_data()
    {
        QTest::addColumn<bool>("secondName");
        QTest::addColumn<uint>("owner");        // 0: the file stays ours
        QTest::addColumn<uint>("mode");
        QTest::addColumn<bool>("sameFile");    // written in place rather than replaced
        QTest::newRow("one name, ours") << false << 0u << 0644u << false;
        QTest::newRow("second name") << true << 0u << 0600u << true;
        QTest::newRow("another user's 0640 file") << false << 65534u << 0640u << false;
        QTest::newRow("another user's file with a second name") << true << 65534u << 0640u << true;
    }

    void writeKeepsLinksAndOwner()
    {
        QFETCH(bool, secondName);
        QFETCH(uint, owner);
        QFETCH(uint, mode);
        QFETCH(bool, sameFile);
        if (owner != 0 && ::geteuid() != 0)
            QSKIP("Only root can give a file to another user.");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("npc.txt"));
        const QString other = dir.filePath(QStringLiteral("other name.txt"));
        QVERIFY(TextFile::write(path, "old text\r\n"));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
        if (owner != 0)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), owner, owner), 0);
        if (secondName)
            QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
        const struct stat before = statOf(path);

        const FileResult result = TextFile::write(path, "new text\r\n");
        QVERIFY2(result.ok, qPrintable(result.error));

        const struct stat after = statOf(path);
        QCOMPARE(readAll(path), QByteArray("new text\r\n"));
        QCOMPARE(after.st_ino == before.st_ino, sameFile);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        QCOMPARE(after.st_mode & 07777, mode_t(mode));
        QCOMPARE(after.st_nlink, before.st_nlink);
        if (secondName)
            QCOMPARE(readAll(other), QByteArray("new text\r\n"));
        // The copy made for the write in place is gone once the write is complete.
        QVERIFY(!QFile::exists(path + QLatin1Char('~')));
    }
};

QTEST_MAIN(TestTextFile)
#include "test_text_file.moc"
