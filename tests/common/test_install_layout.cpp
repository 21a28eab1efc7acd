// Tests of telling a system install from the portable tree by the folders around a program.
#include "install_layout.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestInstallLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void systemShareFolder_data();
    void systemShareFolder();
};

void TestInstallLayout::systemShareFolder_data()
{
    // Folders made below a scratch root, the program's folder, and the share folder expected
    // ("" for the portable tree).
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("share");

    QTest::newRow("editor in bin") << QStringList{"usr/bin", "usr/share/quillmere"} << "usr/bin"
                                   << "usr/share/quillmere/";
    QTest::newRow("editor in bin, trailing separator") << QStringList{"usr/bin", "usr/share/quillmere"}
                                                       << "usr/bin/" << "usr/share/quillmere/";
    QTest::newRow("module in libexec/quillmere")
        << QStringList{"usr/libexec/quillmere", "usr/share/quillmere"} << "usr/libexec/quillmere"
        << "usr/share/quillmere/";
    QTest::newRow("bin without share") << QStringList{"usr/bin", "usr/share"} << "usr/bin" << "";
    QTest::newRow("portable tree") << QStringList{"Quillmere/Data", "Quillmere/Modules"} << "Quillmere" << "";
    QTest::newRow("portable modules folder") << QStringList{"Quillmere/Modules", "share/quillmere"}
                                             << "Quillmere/Modules" << "";
    QTest::newRow("folder ending in bin") << QStringList{"usr/xbin", "usr/share/quillmere"} << "usr/xbin" << "";
    QTest::newRow("other libexec folder") << QStringList{"usr/libexec/other", "usr/share/quillmere"}
                                          << "usr/libexec/other" << "";
}

void TestInstallLayout::systemShareFolder()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, program);
    QFETCH(QString, share);

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString root = scratch.path() + "/";
    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(root + folder));
    QCOMPARE(SystemShareFolderFor(root + program), share.isEmpty() ? QString() : root + share);
}

QTEST_GUILESS_MAIN(TestInstallLayout)
#include "test_install_layout.moc"
