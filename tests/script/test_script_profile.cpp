// Tests of server profiles: the file read, edited and overridden, and the shapes shown to users.
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "script_profile.h"

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A user's command with a name longer than any shipped one.
const char LongName[] = "custom_reward_for_the_autumn_festival_event_of_the_northern_guild_hall";

const char Minimal[] = "name = Mine\n[commands]\nwarp sii? map, x, y, char id\nmes s*\n";

} // namespace

class TestScriptProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void faults_data();
    void faults();
    void lookUp_data();
    void lookUp();
    void argumentRoles_data();
    void argumentRoles();
    void signature_data();
    void signature();
    void userCopyWins();
    void shipped_data();
    void shipped();
};

void TestScriptProfile::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("minArguments");
    QTest::addColumn<int>("maxArguments");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<bool>("assignments");

    QTest::newRow("counts from the shape") << QByteArray(Minimal) << "warp" << 3 << 4 << true << true;
    QTest::newRow("any number") << QByteArray(Minimal) << "mes" << 1 << -1 << true << true;
    QTest::newRow("no arguments") << QByteArray("[commands]\nclose -\n") << "close" << 0 << 0 << true << true;
    QTest::newRow("only optional") << QByteArray("[commands]\nreturn ?\n") << "return" << 0 << 1 << true << true;
    QTest::newRow("settings") << QByteArray("ignore case = no\nassignments = no\n# a note\n\n[commands]\nset rv\n")
                              << "set" << 2 << 2 << false << false;
    // A user adds a row below the shipped ones: the later row of a name is the one read.
    QTest::newRow("edited: a later row wins") << QByteArray("[commands]\nwarp sii\nfoo i\nWARP sii?? map\n")
                                              << "warp" << 3 << 5 << true << true;
    QTest::newRow("windows line ends") << QByteArray("name = X\r\n[commands]\r\nmenu sl* option, label, ...\r\n")
                                       << "menu" << 2 << -1 << true << true;
}

void TestScriptProfile::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, command);
    QFETCH(int, minArguments);
    QFETCH(int, maxArguments);
    QFETCH(bool, ignoreCase);
    QFETCH(bool, assignments);
    ScriptProfile profile;
    std::string error;
    QVERIFY2(ParseScriptProfile(text.toStdString(), &profile, &error), error.c_str());
    const ScriptCommand *found = profile.command(command.toStdString());
    QVERIFY(found);
    QCOMPARE(found->minArguments, minArguments);
    QCOMPARE(found->maxArguments, maxArguments);
    QCOMPARE(profile.ignoreCase, ignoreCase);
    QCOMPARE(profile.assignments, assignments);
}

void TestScriptProfile::faults_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("shape out of order") << QByteArray("[commands]\nwarp s?i\n") << "line 2: shape s?i";
    QTest::newRow("two stars") << QByteArray("\n\n[commands]\nmes s**\n") << "line 4: shape s**";
    QTest::newRow("no shape") << QByteArray("[commands]\nwarp\n") << "line 2: command warp has no shape";
    QTest::newRow("unknown section") << QByteArray("[stuff]\n") << "line 1: unknown section";
    QTest::newRow("unknown setting") << QByteArray("colour = red\n") << "line 1: unknown setting";
    QTest::newRow("setting without value") << QByteArray("ignore case\n") << "line 1: expected";
    QTest::newRow("unknown header kind") << QByteArray("[headers]\nscript npc\n") << "line 2: unknown header kind";
}

void TestScriptProfile::faults()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    ScriptProfile profile;
    profile.name = "untouched";
    std::string why;
    QVERIFY(!ParseScriptProfile(text.toStdString(), &profile, &why));
    QVERIFY2(QString::fromStdString(why).startsWith(error), why.c_str());
    QCOMPARE(profile.name, std::string("untouched"));
}

void TestScriptProfile::lookUp_data()
{
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("same case") << false << QByteArray("playbgm") << true;
    QTest::newRow("other case kept apart") << false << QByteArray("playBGM") << false;
    QTest::newRow("other case ignored") << true << QByteArray("PlayBgm") << true;
    QTest::newRow("prefix is no name") << true << QByteArray("play") << false;
    QTest::newRow("long name, other case ignored") << true << QByteArray(LongName).toUpper() << true;
    QTest::newRow("long name, other case kept apart") << false << QByteArray(LongName).toUpper() << false;
    QTest::newRow("long name cut short") << true << QByteArray(LongName).chopped(1) << false;
    // Names are compared by their bytes in groups: lengths on either side of a group's end.
    QTest::newRow("three letters") << true << QByteArray("End") << true;
    QTest::newRow("two of three") << true << QByteArray("en") << false;
    QTest::newRow("sixteen letters") << true << QByteArray("SetQuestProgress") << true;
    QTest::newRow("seventeen letters") << true << QByteArray("setquestprogressX") << true;
    QTest::newRow("seventeenth letter differs") << true << QByteArray("setquestprogressy") << false;
    QTest::newRow("ninth letter differs") << true << QByteArray("playbgmaxl") << false;
    QTest::newRow("last letter differs") << true << QByteArray("playbgmalk") << false;
    // 0xC3 lies 0x20 below 0xE3, as 'C' below 'c': only ASCII letters have a case.
    QTest::newRow("a byte past ASCII has no case") << true << QByteArray("playbgm\xC3") << false;
}

void TestScriptProfile::lookUp()
{
    QFETCH(bool, ignoreCase);
    QFETCH(QByteArray, name);
    QFETCH(bool, found);
    ScriptProfile profile;
    const std::string text = std::string("ignore case = ") + (ignoreCase ? "yes" : "no") + "\n[commands]\nplaybgm s\nplaybgmall s?\n"
                             + LongName + " -\nend -\nsetquestprogress i\nsetquestprogressx i\nplaybgm\xE3 -\n";
    QVERIFY(ParseScriptProfile(text, &profile, nullptr));
    QCOMPARE(profile.command(name.toStdString()) != nullptr, found);
}

// What a command's arguments name, as the reader asks it for every argument.
void TestScriptProfile::argumentRoles_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<int>("roles");
    QTest::newRow("labels in a repeating list") << QByteArray("menu sl* option, label, ...") << int(ScriptProfile::NamesLabel);
    QTest::newRow("a function's name first") << QByteArray("callfunc s* function, argument") << int(ScriptProfile::NamesFunction);
    QTest::newRow("a function's name later") << QByteArray("foo is count, function") << 0;
    QTest::newRow("an event after a label") << QByteArray("bar ls label, event")
                                            << int(ScriptProfile::NamesLabel | ScriptProfile::NamesEvent);
    QTest::newRow("values only") << QByteArray("mes s*") << 0;
}

void TestScriptProfile::argumentRoles()
{
    QFETCH(QByteArray, row);
    QFETCH(int, roles);
    ScriptProfile profile;
    QVERIFY(ParseScriptProfile("[commands]\nwarp sii\n" + row.toStdString() + "\n", &profile, nullptr));
    const int index = profile.commandIndex(row.left(row.indexOf(' ')).toStdString());
    QVERIFY(index >= 0);
    QCOMPARE(int(profile.argumentRoles(index)), roles);
}

void TestScriptProfile::signature_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("signature");
    QTest::newRow("optional named") << QByteArray("warp sii? map, x, y, char id") << "warp <map>, <x>, <y>[, <char id>]";
    QTest::newRow("kind names") << QByteArray("setcell siiiiii?") << "setcell <text>, <number>, <number>, <number>, <number>, <number>, <number>[, <value>]";
    QTest::newRow("none") << QByteArray("close -") << "close";
    QTest::newRow("repeating pairs") << QByteArray("menu sl* option, label, ...") << "menu <option>, <label>[, <option>...]";
    QTest::newRow("all optional") << QByteArray("mes ?? text, colour") << "mes[ <text>[, <colour>]]";
}

void TestScriptProfile::signature()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, signature);
    ScriptProfile profile;
    QVERIFY(ParseScriptProfile("[commands]\n" + row.toStdString() + "\n", &profile, nullptr));
    QCOMPARE(QString::fromStdString(FormatSignature(profile.commands.at(0))), signature);
}

void TestScriptProfile::userCopyWins()
{
    QTemporaryDir user;
    QTemporaryDir shipped;
    write(shipped.filePath("rathena.profile"), "name = rAthena\n[commands]\nmes s*\n");
    write(shipped.filePath("hercules.profile"), "name = Hercules\n");
    write(user.filePath("rathena.profile"), "name = rAthena\n[commands]\nmes s*\nmycommand i\n");
    write(user.filePath("mine.profile"), "name = My Server\n");
    write(user.filePath("notes.txt"), "name = Not One\n");

    const std::vector<ScriptProfileFile> files = FindScriptProfiles({user.path(), shipped.path()});
    QStringList listed;
    for (const ScriptProfileFile &file : files)
        listed << file.name + "=" + QFileInfo(file.path).dir().path();
    QCOMPARE(listed, QStringList({"Hercules=" + shipped.path(), "My Server=" + user.path(), "rAthena=" + user.path()}));

    ScriptProfile profile;
    QString error;
    QVERIFY(ReadScriptProfile(FindScriptProfile({user.path(), shipped.path()}, "rathena"), &profile, &error));
    QVERIFY(profile.command("mycommand"));
    QCOMPARE(profile.id, std::string("rathena"));
    QVERIFY(FindScriptProfile({user.path(), shipped.path()}, "eathena").isEmpty());
    QVERIFY(!ReadScriptProfile(user.filePath("missing.profile"), &profile, &error));
    QVERIFY(error.contains("missing.profile"));
}

void TestScriptProfile::shipped_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("commands");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<QString>("row");   // a command and its signature
    QTest::newRow("eAthena") << "eathena" << 387 << true << "warp <map>, <x>, <y>";
    // rAthena: the 590 commands of its list, and 30 it gained later.
    QTest::newRow("rAthena") << "rathena" << 620 << true << "warp <map>, <x>, <y>[, <char id>]";
    QTest::newRow("Hercules") << "hercules" << 592 << false << "warp <map>, <x>, <y>[, <char id>]";
}

void TestScriptProfile::shipped()
{
    QFETCH(QString, id);
    QFETCH(int, commands);
    QFETCH(bool, ignoreCase);
    QFETCH(QString, row);
    ScriptProfile profile;
    QString error;
    QVERIFY2(ReadScriptProfile(QStringLiteral(QUILL_DATA_FOLDER "/") + id + ".profile", &profile, &error), qPrintable(error));
    QCOMPARE(int(profile.commands.size()), commands);
    QCOMPARE(profile.ignoreCase, ignoreCase);
    QCOMPARE(QString::fromStdString(FormatSignature(*profile.command("warp"))), row);
    QVERIFY(profile.header("script") && profile.header("script")->hasBody);
    QVERIFY(profile.isEvent("OnInit"));
    QVERIFY(profile.isEvent("OnTimer5000"));
    QVERIFY(!profile.isEvent("OnTimer"));
}

QTEST_GUILESS_MAIN(TestScriptProfile)
#include "test_script_profile.moc"
