// A module's start-up values: the launch argument, the editor's window and the paths of pictures and settings.
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

    void editorWindow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("frame") << "100,50,800,600" << QRect(100, 50, 800, 600);
        QTest::newRow("left of the first screen") << "-1200,0,1000,700" << QRect(-1200, 0, 1000, 700);
        QTest::newRow("not set") << "" << QRect();
        QTest::newRow("three numbers") << "1,2,3" << QRect();
        QTest::newRow("not a number") << "1,2,a,4" << QRect();
        QTest::newRow("no size") << "1,2,0,4" << QRect();
    }
    void editorWindow()
    {
        QFETCH(QString, text);
        QFETCH(QRect, expected);
        QCOMPARE(EditorWindowFrom(text), expected);
    }

    void otherPaths_data()
    {
        QTest::addColumn<QString>("map");
        QTest::addColumn<QString>("picture");
        QTest::newRow("with .gat") << "prontera.gat" << "/opt/quill/Data/images/maps/prontera.jpg";
        QTest::newRow("upper-case .GAT") << "PAYON.GAT" << "/opt/quill/Data/images/maps/PAYON.jpg";
        QTest::newRow("without") << "izlude" << "/opt/quill/Data/images/maps/izlude.jpg";
    }
    void otherPaths()
    {
        QFETCH(QString, map);
        QFETCH(QString, picture);
        QCOMPARE(MapPicturePath("/opt/quill/Data/images/NPC List.jpg", map), picture);
        QCOMPARE(ReadStartupParameters(QString(), "/opt/quill/Modules").SettingsPath, QString("/opt/quill/Modules/Modules.ini"));
    }
};

QTEST_APPLESS_MAIN(TestModuleStartup)
#include "test_module_startup.moc"
