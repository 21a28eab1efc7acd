// Tests of the editor's folder and file table.
#include "app_paths.h"

#include <QCoreApplication>
#include <QTest>

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void forProgramFolder_data();
    void forProgramFolder();
    void forRunningProgram();
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

QTEST_GUILESS_MAIN(TestAppPaths)
#include "test_app_paths.moc"
