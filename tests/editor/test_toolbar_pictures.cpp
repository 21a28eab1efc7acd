// Tests of the toolbar's pictures: each has a double-size twin that a HiDPI screen gets.
#include <QAction>
#include <QIcon>
#include <QImage>
#include <QToolBar>
#include <QtTest>

#include "main_window.h"
#include "scripted_dialogs.h"
#include "temp_tree.h"

class TestToolbarPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pictures_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("themeName");
        QTest::newRow("New") << "_newfile" << "document-new";
        QTest::newRow("Open") << "_openfile" << "document-open";
        QTest::newRow("Save") << "_savefile" << "document-save";
        QTest::newRow("NPC") << "_insertnpc" << "contact-new";
        QTest::newRow("Message") << "_saymark" << "mail-message-new";
        QTest::newRow("Colour Code") << "_insertcolour" << "color-picker";
    }

    void pictures()
    {
        QFETCH(QString, key);
        QFETCH(QString, themeName);
        TempTree tree;
        ScriptedDialogs dialogs;
        MainWindow window(tree.paths(), dialogs);
        auto *toolbar = window.findChild<QToolBar *>("tbrMain");
        QVERIFY(toolbar);
        QAction *button = toolbar->findChild<QAction *>(key);
        QVERIFY(button);

        const QImage single(":/images/" + key + ".png");
        const QImage twin(":/images/" + key + "@2x.png");
        QCOMPARE(single.size(), QSize(16, 16));
        QCOMPARE(twin.size(), QSize(32, 32));
        if (QIcon::hasThemeIcon(themeName))
            QSKIP("The desktop's theme supplies this picture");
        // At a scale of 1 the 16 px picture (some are 16-bit, so only its size is compared), at 2
        // the 32 px one as drawn.
        QCOMPARE(button->icon().pixmap(QSize(16, 16), 1.0).size(), QSize(16, 16));
        const QPixmap sharp = button->icon().pixmap(QSize(16, 16), 2.0);
        QCOMPARE(sharp.size(), QSize(32, 32));
        QCOMPARE(sharp.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), twin.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
};

QTEST_MAIN(TestToolbarPictures)
#include "test_toolbar_pictures.moc"
