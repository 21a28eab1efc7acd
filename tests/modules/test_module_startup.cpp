// A module's start-up values: the launch argument and the sprite picture's path.
#include "module_context.h"
#include "send_command.h"

#include <QTest>

class TestModuleStartup : public QObject
{
    Q_OBJECT

private slots:
    void spritePicturePath_data()
    {
        QTest::addColumn<QString>("moduleFolder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("installed") << "/opt/quill/Modules" << "/opt/quill/Data/images/NPC List.jpg";
        QTest::newRow("trailing separator") << "/opt/quill/Modules/" << "/opt/quill/Data/images/NPC List.jpg";
        QTest::newRow("modules twice, case kept") << "/home/Ann/Modules/Quill/modules"
                                                  << "/home/Ann/Modules/Quill/Data/images/NPC List.jpg";
        QTest::newRow("below the root") << "/Modules" << "/Data/images/NPC List.jpg";
        QTest::newRow("untidy") << "/opt//quill/./Modules" << "/opt/quill/Data/images/NPC List.jpg";
        QTest::newRow("relative") << "Modules" << "Data/images/NPC List.jpg";
    }
    void spritePicturePath()
    {
        QFETCH(QString, moduleFolder);
        QFETCH(QString, expected);
        QCOMPARE(SpritePicturePathFor(moduleFolder), expected);
        QCOMPARE(ReadStartupParameters(QString(), moduleFolder).SpritePicturePath, expected);
    }

    void editorHwnd_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("expected");
        QTest::newRow("started by hand") << QStringList{"/q/Modules/Saymark"} << 0;
        QTest::newRow("no number") << QStringList{"Saymark", "HWND=abc¬DUMMY=blah"} << 0;
        QTest::newRow("launch argument") << QStringList{"Saymark", "HWND=1312¬DUMMY=blah"} << 1312;
        QTest::newRow("split at a blank") << QStringList{"Saymark", "HWND=1312", "¬DUMMY=blah"} << 1312;
    }
    void editorHwnd()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, expected);
        QCOMPARE(ModuleCommandLine({"Saymark", "HWND=7", "x"}), QString("HWND=7 x"));
        QCOMPARE(ReadStartupParameters(ModuleCommandLine(arguments), "/q/Modules").EditorHwnd, expected);
    }
};

QTEST_APPLESS_MAIN(TestModuleStartup)
#include "test_module_startup.moc"
