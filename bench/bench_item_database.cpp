// Loading a large item database against reading its lines, and the item picker opening and filtering it.
#include "bench_support.h"
#include "item_database.h"
#include "item_picker.h"
#include "module_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeView>

#include <cstdio>

namespace {

// Lines of about 120 characters: every type from -1 to 11, prices with fractions now and then,
// script fields full of commas, a comment line every so often.
QByteArray makeItemDatabase(int lines)
{
    QByteArray text;
    text.reserve(qsizetype(lines) * 124);
    for (int i = 0; i < lines; ++i) {
        if (i % 50 == 0) {
            text += "// block " + QByteArray::number(i / 50) + ": ID,Name,Label,Type,Price,Sell,Weight,ATK,DEF\r\n";
            continue;
        }
        const int type = i % 13 - 1;
        text += QByteArray::number(100000 + i) + ",Sample Item " + QByteArray::number(i) + ",Sample_Item_"
            + QByteArray::number(i) + "," + QByteArray::number(type) + "," + QByteArray::number(i % 997)
            + (i % 7 == 0 ? ".5" : "") + ",25,40,120,3,1,2,{ bonus bStr,2; bonus bAgi,1; bonus bDex,3; },{},{}\r\n";
    }
    return text;
}

template <typename Work>
double medianMs(int runs, Work work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return bench::median(times);
}

} // namespace

int main(int argc, char *argv[])
{
    bench::prepareHeadless(true);
    QApplication app(argc, argv);

    const int lineCount = 100000;
    QTemporaryDir dir;
    const QString path = dir.filePath("item_db2.txt");
    const QByteArray bytes = makeItemDatabase(lineCount);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return 1;
    out.close();
    std::printf("item database: %d lines, %lld bytes, %.1f characters a line\n", lineCount,
                static_cast<long long>(bytes.size()), double(bytes.size()) / lineCount);

    qsizetype sink = 0;
    const double rawLines = medianMs(9, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        while (!file.atEnd())
            sink += file.readLine().size();
    });
    const double textLines = medianMs(9, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        QTextStream stream(&file);
        QString line;
        while (stream.readLineInto(&line))
            sink += line.size();
    });
    ModuleDialogSeam dialogs;
    ItemTable table;
    const double load = medianMs(9, [&] {
        table = LoadItemDatabase(path).table;
        sink += table.rows.size();
    });
    std::printf("reading the lines (QFile::readLine): %.1f ms\n", rawLines);
    std::printf("reading the lines as text (QTextStream): %.1f ms\n", textLines);
    std::printf("LoadItemDatabase: %.1f ms (%d rows) = %.2fx the raw line reading, %.2fx the text line reading "
                "(limit 5x)\n",
                load, int(table.rows.size()), load / rawLines, load / textLines);

    const double open = medianMs(7, [&] {
        ItemPicker picker(table, dialogs);
        picker.show();
        auto *view = picker.findChild<QTreeView *>("lvwItems");
        view->scrollToBottom();
        QCoreApplication::processEvents();
        // Painted now, not whenever the platform gets round to it.
        view->viewport()->repaint();
        sink += picker.model()->rowCount();
    });
    std::printf("picker open with \"All\" (%d rows), shown and scrolled to the end: %.1f ms (limit 150 ms)\n",
                int(FilteredItemRows(table, FilterAll).size()), open);

    ItemPicker picker(table, dialogs);
    picker.show();
    QCoreApplication::processEvents();
    auto *filter = picker.findChild<QComboBox *>("cboFilter");
    auto *view = picker.findChild<QTreeView *>("lvwItems");
    std::vector<double> switches;
    double worst = 0;
    for (int round = 0; round < 3; ++round) {
        for (int entry = 1; entry <= filter->count(); ++entry) {
            QElapsedTimer timer;
            timer.start();
            filter->setCurrentIndex(entry % filter->count());
            QCoreApplication::processEvents();
            view->viewport()->repaint();
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            switches.push_back(ms);
            worst = std::max(worst, ms);
        }
    }
    std::printf("filter switch: median %.1f ms, slowest %.1f ms (limit 100 ms)\n", bench::median(switches), worst);
    return sink == 0 ? 1 : 0;
}
