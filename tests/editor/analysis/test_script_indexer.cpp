// Tests of the editor's cross-file index and of the script server choice.
#include <QtTest>

#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "ini.h"
#include "script_indexer.h"
#include "script_server_choice.h"
#include "test_profile.h"
#include "text_file.h"

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray functionScript(const QByteArray &name)
{
    return "function\tscript\t" + name + "\t{\n\treturn;\n}\n";
}

// Indexes the folder of a new script in it, as the editor does without a project, and waits for
// the first index.
bool indexFolder(ScriptIndexer &indexer, const QTemporaryDir &folder)
{
    QSignalSpy changed(&indexer, &ScriptIndexer::indexChanged);
    indexer.setProfile(testProfile());
    indexer.setFiles(IndexedFiles({}, folder.filePath(QStringLiteral("new.txt"))));
    return changed.wait() && changed.count() == 1;
}

} // namespace

class TestScriptIndexer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void files_data()
    {
        QTest::addColumn<QStringList>("project");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("files");     // names in the folder
        QTest::newRow("the project's files") << QStringList{"b.txt", "a.txt", "b.txt"} << "c.txt"
                                             << QStringList{"b.txt", "a.txt"};
        QTest::newRow("the script's folder") << QStringList{} << "c.txt" << QStringList{"a.txt", "b.txt"};
        QTest::newRow("the project holds the script") << QStringList{"a.txt", "c.txt"} << "c.txt"
                                                      << QStringList{"a.txt"};
        QTest::newRow("neither") << QStringList{} << "" << QStringList{};
    }

    void files()
    {
        QFETCH(QStringList, project);
        QFETCH(QString, script);
        QFETCH(QStringList, files);
        QTemporaryDir folder;
        for (const char *name : {"a.txt", "b.txt", "c.txt", "notes.md"})
            QVERIFY(writeFile(folder.filePath(QLatin1String(name)), "x"));
        QStringList projectPaths;
        for (const QString &name : project)
            projectPaths << folder.filePath(name);
        QStringList expected;
        for (const QString &name : files)
            expected << folder.filePath(name);
        QCOMPARE(IndexedFiles(projectPaths, script.isEmpty() ? QString() : folder.filePath(script)), expected);
    }

    // The index follows the files as they are saved; a file that is not indexed changes nothing.
    void followsSaving_data()
    {
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("savedFile");
        QTest::addColumn<QStringList>("defined");
        QTest::addColumn<QStringList>("gone");
        QTest::newRow("renamed") << functionScript("F_Give") << "a.txt" << QStringList{"F_Give", "F_Keep"}
                                 << QStringList{"F_Pay"};
        QTest::newRow("added") << functionScript("F_Pay") + functionScript("F_More") << "a.txt"
                               << QStringList{"F_Pay", "F_More", "F_Keep"} << QStringList{};
        QTest::newRow("no script any more") << QByteArray("change log\n") << "a.txt" << QStringList{"F_Keep"}
                                            << QStringList{"F_Pay"};
        QTest::newRow("outside the set") << functionScript("F_Else") << "other/c.txt"
                                         << QStringList{"F_Pay", "F_Keep"} << QStringList{"F_Else"};
    }

    void followsSaving()
    {
        QFETCH(QByteArray, saved);
        QFETCH(QString, savedFile);
        QFETCH(QStringList, defined);
        QFETCH(QStringList, gone);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("other")));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("a.txt")), functionScript("F_Pay")));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("b.txt")), functionScript("F_Keep")));
        ScriptIndexer indexer;
        QVERIFY(indexFolder(indexer, folder));
        QVERIFY(indexer.index()->globalFunction("F_Pay"));
        QCOMPARE(indexer.index()->fileCount(), size_t(2));

        QSignalSpy changed(&indexer, &ScriptIndexer::indexChanged);
        QVERIFY(writeFile(folder.filePath(savedFile), saved));
        indexer.fileSaved(folder.filePath(savedFile));
        if (savedFile.contains(QLatin1Char('/'))) {
            QTest::qWait(100);
            QCOMPARE(changed.count(), 0);
        } else {
            QTRY_COMPARE(changed.count(), 1);
        }
        for (const QString &name : defined)
            QVERIFY2(indexer.index()->globalFunction(name.toStdString()), qPrintable(name));
        for (const QString &name : gone)
            QVERIFY2(!indexer.index()->globalFunction(name.toStdString()), qPrintable(name));
    }

    // A file larger than the editor opens is left out, unread: its script at the end is not seen.
    void leavesOutFilesTooLarge()
    {
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(QStringLiteral("a.txt")), functionScript("F_Pay")));
        QFile huge(folder.filePath(QStringLiteral("huge.txt")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        // Sparse: the gap takes no disk.
        QVERIFY(huge.seek(TextFile::MaxFileSize));
        QVERIFY(huge.write("\n" + functionScript("F_Huge")) > 0);
        huge.close();
        ScriptIndexer indexer;
        QVERIFY(indexFolder(indexer, folder));
        QVERIFY(indexer.index()->globalFunction("F_Pay"));
        QVERIFY(!indexer.index()->globalFunction("F_Huge"));
        QCOMPARE(indexer.index()->fileCount(), size_t(1));
    }

    // The profiles found, the user's copy first; the choice kept in the settings, rAthena by default.
    void serverChoice_data()
    {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("name");
        QTest::newRow("nothing kept") << "" << "rathena" << "My rAthena";
        QTest::newRow("kept") << "hercules" << "hercules" << "Hercules";
        QTest::newRow("kept one gone") << "eathena" << "rathena" << "My rAthena";
    }

    void serverChoice()
    {
        QFETCH(QString, kept);
        QFETCH(QString, chosen);
        QFETCH(QString, name);
        QTemporaryDir user;
        QTemporaryDir shipped;
        const QByteArray body = "ignore case = yes\n[commands]\nmes s* text\n";
        QVERIFY(writeFile(shipped.filePath(QStringLiteral("rathena.profile")), "name = rAthena\n" + body));
        QVERIFY(writeFile(shipped.filePath(QStringLiteral("hercules.profile")), "name = Hercules\n" + body));
        QVERIFY(writeFile(user.filePath(QStringLiteral("rathena.profile")), "name = My rAthena\n" + body));
        const QString settings = user.filePath(QStringLiteral("Settings.ini"));
        if (!kept.isEmpty())
            QVERIFY(WriteIni(QStringLiteral("Script Server"), QStringLiteral("Profile"), kept, settings));

        ScriptServerChoice choice({user.path(), shipped.path()}, settings);
        QCOMPARE(choice.chosenId(), chosen);
        QVERIFY(choice.profile());
        QCOMPARE(QString::fromStdString(choice.profile()->name), name);
        QMenu menu;
        choice.fillMenu(menu);
        QStringList items;
        for (QAction *item : menu.actions())
            items << item->text() + (item->isChecked() ? QStringLiteral(" *") : QString());
        QCOMPARE(items, (QStringList{"Hercules" + QString(chosen == "hercules" ? " *" : ""),
                                     "My rAthena" + QString(chosen == "rathena" ? " *" : "")}));

        // Choosing from the menu reads the profile, tells the readers and keeps the choice.
        QSignalSpy changed(&choice, &ScriptServerChoice::profileChanged);
        const QString other = chosen == QLatin1String("hercules") ? QStringLiteral("rathena") : QStringLiteral("hercules");
        menu.actions().at(other == QLatin1String("hercules") ? 0 : 1)->trigger();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(choice.chosenId(), other);
        QCOMPARE(ReadIni(QStringLiteral("Script Server"), QStringLiteral("Profile"), QString(), settings), other);
        QVERIFY(!choice.choose(QStringLiteral("eathena")));
        QCOMPARE(changed.count(), 1);
    }
};

QTEST_MAIN(TestScriptIndexer)
#include "test_script_indexer.moc"
