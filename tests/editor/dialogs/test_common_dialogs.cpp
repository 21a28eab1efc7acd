// Tests of the common dialog functions over a scripted seam, the filter translation and BGR colours.
#include <QTest>

#include "common_dialogs.h"
#include "scripted_dialogs.h"

namespace {

const QChar Sep(0x00AC);

QString pairs(const QStringList &parts)
{
    return parts.join(Sep);
}

} // namespace

class TestCommonDialogs : public QObject
{
    Q_OBJECT

private slots:
    void allFilesFilter();
    void qtFileFilter_data();
    void qtFileFilter();
    void showFileDialog_data();
    void showFileDialog();
    void colourChosen();
    void colourCancelled_data();
    void colourCancelled();
    void fontSizeRounding_data();
    void fontSizeRounding();
    void fontStylesCopied_data();
    void fontStylesCopied();
    void fontCancelledLeavesTarget();
    void bgr_data();
    void bgr();
};

void TestCommonDialogs::allFilesFilter()
{
    QCOMPARE(AllFilesFilter(), QStringLiteral("(*.*) All Files") + Sep + QStringLiteral("*.*"));
    QCOMPARE(AllFilesFilter().count(Sep), 1);
}

void TestCommonDialogs::qtFileFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all files shows files without extension") << AllFilesFilter() << "(*.*) All Files (*)";
    QTest::newRow("two pairs") << pairs({"Scripts", "*.txt", "All", "*.*"}) << "Scripts (*.txt);;All (*)";
    QTest::newRow("several patterns") << pairs({"Pictures", "*.jpg;*.png"}) << "Pictures (*.jpg *.png)";
    QTest::newRow("blanks around patterns") << pairs({"P", " *.a ; *.b"}) << "P (*.a *.b)";
    QTest::newRow("trailing separators") << pairs({"Scripts", "*.txt", "", ""}) << "Scripts (*.txt)";
    QTest::newRow("description without pattern") << "Text" << "Text (*)";
    QTest::newRow("empty") << "" << "";
}

void TestCommonDialogs::qtFileFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(QtFileFilter(filter), expected);
}

void TestCommonDialogs::showFileDialog_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("answered");

    QTest::newRow("open, chosen") << false << true;
    QTest::newRow("open, cancelled") << false << false;
    QTest::newRow("save, chosen") << true << true;
    QTest::newRow("save, cancelled") << true << false;
}

void TestCommonDialogs::showFileDialog()
{
    QFETCH(bool, save);
    QFETCH(bool, answered);

    ScriptedDialogs seam;
    const QString chosen = QStringLiteral("/home/user/scripts/shop.txt");
    if (answered)
        seam.fileNames.enqueue(chosen);

    // The request goes to the seam whole, every field as it was set.
    FileDialogRequest request;
    request.save = save;
    request.title = QStringLiteral("Select an NPC Script to open..");
    request.initialName = QStringLiteral("start.txt");
    request.filter = AllFilesFilter();
    request.initialFolder = QStringLiteral("/tmp");
    request.defaultExtension = QStringLiteral("txt");
    const QString result = seam.fileName(request);
    QCOMPARE(result, answered ? chosen : QString());
    QCOMPARE(seam.fileRequests.size(), 1);
    const FileDialogRequest &asked = seam.fileRequests.first();
    QCOMPARE(asked.save, save);
    QCOMPARE(asked.title, QStringLiteral("Select an NPC Script to open.."));
    QCOMPARE(asked.initialName, QStringLiteral("start.txt"));
    QCOMPARE(asked.filter, AllFilesFilter());
    QCOMPARE(asked.initialFolder, QStringLiteral("/tmp"));
    QCOMPARE(asked.defaultExtension, QStringLiteral("txt"));
}

void TestCommonDialogs::colourChosen()
{
    ScriptedDialogs seam;
    seam.colours.enqueue(QColor(10, 20, 30));
    QColor target(Qt::white);
    QVERIFY(ShowColourDialog(seam, nullptr, target, QColor(Qt::black)));
    QCOMPARE(target, QColor(10, 20, 30));
    QCOMPARE(seam.colourRequests.size(), 1);
    QCOMPARE(seam.colourRequests.first(), QColor(Qt::black));
}

void TestCommonDialogs::colourCancelled_data()
{
    QTest::addColumn<bool>("answerInvalid");
    QTest::newRow("cancelled") << false;
    QTest::newRow("invalid colour") << true;
}

void TestCommonDialogs::colourCancelled()
{
    QFETCH(bool, answerInvalid);

    ScriptedDialogs seam;
    if (answerInvalid)
        seam.colours.enqueue(QColor());
    QColor target(1, 2, 3);
    QVERIFY(!ShowColourDialog(seam, nullptr, target, QColor(Qt::red)));
    QCOMPARE(target, QColor(1, 2, 3));
}

void TestCommonDialogs::fontSizeRounding_data()
{
    QTest::addColumn<double>("chosen");
    QTest::addColumn<int>("expected");

    QTest::newRow("10.5 to even 10") << 10.5 << 10;
    QTest::newRow("11.5 to even 12") << 11.5 << 12;
    QTest::newRow("8.5 to even 8") << 8.5 << 8;
    QTest::newRow("12.4 down") << 12.4 << 12;
    QTest::newRow("12.6 up") << 12.6 << 13;
    QTest::newRow("whole") << 9.0 << 9;
    QTest::newRow("tiny stays a size") << 0.4 << 1;
}

void TestCommonDialogs::fontSizeRounding()
{
    QFETCH(double, chosen);
    QFETCH(int, expected);

    ScriptedDialogs seam;
    QFont answer(QStringLiteral("DejaVu Sans"));
    answer.setPointSizeF(chosen);
    seam.fonts.enqueue(answer);
    QFont target(QStringLiteral("Courier New"), 20);
    QVERIFY(ShowFontDialog(seam, nullptr, target));
    QCOMPARE(target.pointSize(), expected);
    QCOMPARE(target.pointSizeF(), double(expected));
}

void TestCommonDialogs::fontStylesCopied_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("strikeOut");
    QTest::addColumn<bool>("bold");

    QTest::newRow("all set") << int(QFont::Bold) << true << true << true << true;
    QTest::newRow("none set") << int(QFont::Normal) << false << false << false << false;
    QTest::newRow("demi-bold is not bold") << int(QFont::DemiBold) << false << true << false << false;
    QTest::newRow("black is bold") << int(QFont::Black) << true << false << true << true;
}

void TestCommonDialogs::fontStylesCopied()
{
    QFETCH(int, weight);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(bool, strikeOut);
    QFETCH(bool, bold);

    ScriptedDialogs seam;
    QFont answer(QStringLiteral("DejaVu Serif"), 14);
    answer.setWeight(QFont::Weight(weight));
    answer.setItalic(italic);
    answer.setUnderline(underline);
    answer.setStrikeOut(strikeOut);
    seam.fonts.enqueue(answer);

    // The target starts with every style the other way round, so each one must be copied.
    QFont target(QStringLiteral("Courier New"), 10);
    target.setBold(!bold);
    target.setItalic(!italic);
    target.setUnderline(!underline);
    target.setStrikeOut(!strikeOut);
    const QFont before = target;

    QVERIFY(ShowFontDialog(seam, nullptr, target));
    QCOMPARE(seam.fontRequests.size(), 1);
    QCOMPARE(seam.fontRequests.first(), before);
    QCOMPARE(target.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(target.bold(), bold);
    QCOMPARE(target.italic(), italic);
    QCOMPARE(target.underline(), underline);
    QCOMPARE(target.strikeOut(), strikeOut);
    QCOMPARE(target.pointSize(), 14);
}

void TestCommonDialogs::fontCancelledLeavesTarget()
{
    ScriptedDialogs seam;
    QFont target(QStringLiteral("Courier New"), 11);
    target.setItalic(true);
    target.setUnderline(true);
    const QFont before = target;
    QVERIFY(!ShowFontDialog(seam, nullptr, target));
    QCOMPARE(target, before);
    QCOMPARE(target.family(), before.family());
    QCOMPARE(target.pointSize(), 11);
    QCOMPARE(seam.fontRequests.size(), 1);
}

void TestCommonDialogs::bgr_data()
{
    QTest::addColumn<quint32>("bgr");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<quint32>("back");

    QTest::newRow("red in the low byte") << quint32(0x000000FF) << QColor(255, 0, 0) << quint32(0x000000FF);
    QTest::newRow("green") << quint32(0x0000FF00) << QColor(0, 255, 0) << quint32(0x0000FF00);
    QTest::newRow("blue in the high byte") << quint32(0x00FF0000) << QColor(0, 0, 255) << quint32(0x00FF0000);
    QTest::newRow("mixed") << quint32(0x00123456) << QColor(0x56, 0x34, 0x12) << quint32(0x00123456);
    QTest::newRow("top byte ignored") << quint32(0xFF0000FF) << QColor(255, 0, 0) << quint32(0x000000FF);
    QTest::newRow("black") << quint32(0) << QColor(0, 0, 0) << quint32(0);
}

void TestCommonDialogs::bgr()
{
    QFETCH(quint32, bgr);
    QFETCH(QColor, colour);
    QFETCH(quint32, back);

    QCOMPARE(ColourFromBgr(bgr), colour);
    QCOMPARE(ColourToBgr(colour), back);
    QCOMPARE(ColourToBgr(ColourFromBgr(bgr)), back);
    QCOMPARE(ColourToBgr(QColor()), quint32(0));
    QCOMPARE(ColourToBgr(QColor::fromHsv(0, 255, 255)), quint32(0x000000FF));
}

QTEST_MAIN(TestCommonDialogs)
#include "test_common_dialogs.moc"
