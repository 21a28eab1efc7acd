// Tests of the editor's folder and file table.
#include "app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void forProgramFolder_data();
    void forProgramFolder();
    void forRunningProgram();
    void bothLayouts_data();
    void bothLayouts();
};

void TestAppPaths::forProgramFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("app");

    QTest::newRow("plain folder") << "/opt/Quillmere" << "/opt/Quillmere/";
    QTest::newRow("trailing separator") << "/opt/Quillmere/" << "/opt/Quillmere/";
    QTest::newRow("root") << "/" << "/";
    QTest::newRow("blanks in name") << "/home/u/NPC Tools" << "/home/u/NPC Tools/";
}

void TestAppPaths::forProgramFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, app);
    const AppPaths paths = AppPaths::forProgramFolder(folder);
    QCOMPARE(paths.AppPath, app);
    QCOMPARE(paths.DataPath, app + "Data/");
    QCOMPARE(paths.ModulesPath, app + "Modules/");
    QCOMPARE(paths.TemplatesPath, app + "Data/Templates/");
    QCOMPARE(paths.ScriptIniFile, app + "Data/NPC Script.ini");
    QCOMPARE(paths.SettingsIniFile, app + "Data/Settings.ini");
    QCOMPARE(paths.NpcModuleFile, app + "Modules/Folkmint");
    QCOMPARE(paths.MessageModuleFile, app + "Modules/Saymark");
    QCOMPARE(paths.ShopModuleFile, app + "Modules/Bartlow");

    const QStringList all{paths.AppPath, paths.DataPath, paths.ModulesPath, paths.TemplatesPath,
                          paths.ScriptIniFile, paths.SettingsIniFile, paths.NpcModuleFile,
                          paths.MessageModuleFile, paths.ShopModuleFile};
    for (const QString &path : all)
        QVERIFY2(!path.contains("//"), qPrintable(path));
}

void TestAppPaths::forRunningProgram()
{
    const AppPaths paths = AppPaths::forRunningProgram();
    QCOMPARE(paths.AppPath, QCoreApplication::applicationDirPath() + "/");
    QCOMPARE(paths.SettingsIniFile, paths.AppPath + "Data/Settings.ini");
}

void TestAppPaths::bothLayouts_data()
{
    // Folders made below a scratch root ("C/" is the user's config folder), the program's folder,
    // files made there, then the expected table: "R/" stands for the root, "C/" for the config.
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("system");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("shared");
    QTest::addColumn<QString>("modules");
    QTest::addColumn<QString>("templates");
    QTest::addColumn<QString>("scriptIni");

    QTest::newRow("portable tree")
        << QStringList{"Quillmere/Data/Templates", "Quillmere/Modules", "C"} << "Quillmere" << QStringList{}
        << false << "R/Quillmere/Data/" << "R/Quillmere/Data/" << "R/Quillmere/Modules/"
        << "R/Quillmere/Data/Templates/" << "R/Quillmere/Data/NPC Script.ini";
    QTest::newRow("bin without share/quillmere stays portable")
        << QStringList{"usr/bin", "usr/share/other", "C"} << "usr/bin" << QStringList{}
        << false << "R/usr/bin/Data/" << "R/usr/bin/Data/" << "R/usr/bin/Modules/"
        << "R/usr/bin/Data/Templates/" << "R/usr/bin/Data/NPC Script.ini";
    QTest::newRow("system install reads the shipped files")
        << QStringList{"usr/bin", "usr/share/quillmere/Templates", "usr/libexec/quillmere", "C"} << "usr/bin"
        << QStringList{} << true << "C/" << "R/usr/share/quillmere/" << "R/usr/libexec/quillmere/"
        << "R/usr/share/quillmere/Templates/" << "R/usr/share/quillmere/NPC Script.ini";
    QTest::newRow("system install with the user's own copies")
        << QStringList{"home/.local/bin", "home/.local/share/quillmere", "C/Templates"} << "home/.local/bin/"
        << QStringList{"C/NPC Script.ini"} << true << "C/" << "R/home/.local/share/quillmere/"
        << "R/home/.local/libexec/quillmere/" << "C/Templates/" << "C/NPC Script.ini";
}

void TestAppPaths::bothLayouts()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, program);
    QFETCH(QStringList, files);
    QFETCH(bool, system);
    QFETCH(QString, data);
    QFETCH(QString, shared);
    QFETCH(QString, modules);
    QFETCH(QString, templates);
    QFETCH(QString, scriptIni);

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString root = scratch.path() + "/";
    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(root + folder));
    for (const QString &file : files) {
        QFile made(root + file);
        QVERIFY(made.open(QIODevice::WriteOnly));
    }
    const auto expand = [&](const QString &path) { return root + (path.startsWith("C/") ? path : path.mid(2)); };

    const AppPaths paths = AppPaths::forProgramFolder(root + program, root + "C");
    QCOMPARE(paths.SystemInstall, system);
    QCOMPARE(paths.DataPath, expand(data));
    QCOMPARE(paths.SharedDataPath, expand(shared));
    QCOMPARE(paths.ModulesPath, expand(modules));
    QCOMPARE(paths.TemplatesPath, expand(templates));
    QCOMPARE(paths.ScriptIniFile, expand(scriptIni));
    // Settings.ini is always the user's, where DataPath is.
    QCOMPARE(paths.SettingsIniFile, expand(data) + "Settings.ini");
    QCOMPARE(paths.ShopModuleFile, expand(modules) + "Bartlow");
}

QTEST_GUILESS_MAIN(TestAppPaths)
#include "test_app_paths.moc"
