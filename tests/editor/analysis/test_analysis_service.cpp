// Tests of the analysis service: the worker's latest-wins lanes, revision tags and stale results.
#include <QtTest>

#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>

#include "analysis_service.h"
#include "analysis_worker.h"
#include "edit_control.h"
#include "test_profile.h"

using Lane = AnalysisWorker::Lane;

namespace {

// What the jobs did, in order, readable from the test's thread while the worker runs.
class Journal
{
public:
    void add(const QString &entry)
    {
        const QMutexLocker lock(&m_mutex);
        m_entries << entry;
    }
    QStringList entries() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_entries;
    }

private:
    mutable QMutex m_mutex;
    QStringList m_entries;
};

Lane laneOf(QChar letter)
{
    return letter == QLatin1Char('M') ? Lane::Model : letter == QLatin1Char('C') ? Lane::Check : Lane::Items;
}

} // namespace

class TestAnalysisService : public QObject
{
    Q_OBJECT

    // A service whose analysis waits for the test: each build takes one permit of gate.
    struct Fixture
    {
        // Before the text area: the worker, which it owns through the service, uses them to its end.
        QSemaphore gate;
        QAtomicInt started;
        QAtomicInt finished;
        QAtomicInt sawCancel;
        EditControl editor;
        AnalysisService *service = new AnalysisService(
            editor, [this](std::string_view text, uint64_t revision, const std::atomic<bool> &cancelled,
                           const ReadProgress *) {
                started.fetchAndAddOrdered(1);
                gate.acquire();
                if (cancelled)
                    sawCancel.fetchAndAddOrdered(1);
                auto analysed = std::make_shared<AnalysedText>();
                analysed->revision = revision;
                analysed->model.blocks.resize(text.size());    // the text's length, to tell texts apart
                finished.fetchAndAddOrdered(1);
                return std::shared_ptr<const AnalysedText>(analysed);
            });
        QList<uint64_t> published;      // revisions of modelReady, each compared with the text's on arrival
        QList<size_t> lengths;
        QList<uint64_t> checkedRevisions;
        bool publishedStale = false;

        Fixture()
        {
            editor.setText(QStringLiteral("abc"));
            QObject::connect(service, &AnalysisService::modelReady, service,
                             [this](const std::shared_ptr<const AnalysedText> &text) {
                                 publishedStale = publishedStale || text->revision != service->revision();
                                 published << text->revision;
                                 lengths << text->model.blocks.size();
                             });
            QObject::connect(service, &AnalysisService::checked, service,
                             [this](uint64_t revision, const std::shared_ptr<const AnalysisService::Problems> &) {
                                 checkedRevisions << revision;
                             });
        }
        ~Fixture()
        {
            // A build still waiting must not hold the worker up as it goes.
            gate.release(100);
        }

        // Lets the build under way (or the next one, once a pause has passed) finish and arrive.
        bool finishOne()
        {
            const int before = finished.loadAcquire();
            if (!QTest::qWaitFor([this] { return started.loadAcquire() > finished.loadAcquire(); }))
                return false;
            gate.release();
            if (!QTest::qWaitFor([&] { return finished.loadAcquire() > before; }))
                return false;
            QTest::qWait(20);   // the result is queued to the UI thread
            return true;
        }
    };

private Q_SLOTS:
    // Operations: "M+a" submits job a to the model lane, "C-" cancels the check lane. The worker is
    // held by a gate job in lane gateLane while they are made; the journal names each job run, a
    // "!" marking one that found itself cancelled.
    void workerLanes_data()
    {
        QTest::addColumn<QChar>("gateLane");
        QTest::addColumn<QStringList>("operations");
        QTest::addColumn<QStringList>("journal");
        QTest::newRow("latest of a lane wins") << QChar('C') << QStringList{"M+a", "M+b", "M+c"}
                                               << QStringList{"gate", "c"};
        QTest::newRow("a newer job cancels its lane's running one")
            << QChar('M') << QStringList{"M+a"} << QStringList{"gate!", "a"};
        QTest::newRow("other lanes run on") << QChar('M') << QStringList{"C+a", "I+b"}
                                            << QStringList{"gate", "a", "b"};
        QTest::newRow("the model first, items last") << QChar('I') << QStringList{"I+i", "C+c", "M+m"}
                                                      << QStringList{"gate!", "m", "c", "i"};
        QTest::newRow("cancel drops the queued job") << QChar('C') << QStringList{"M+a", "M-", "I+b"}
                                                     << QStringList{"gate", "b"};
        QTest::newRow("cancel reaches the running job") << QChar('I') << QStringList{"I-", "C+c"}
                                                        << QStringList{"gate!", "c"};
        QTest::newRow("a job after a cancel runs") << QChar('C') << QStringList{"M+a", "M-", "M+b"}
                                                   << QStringList{"gate", "b"};
    }

    void workerLanes()
    {
        QFETCH(QChar, gateLane);
        QFETCH(QStringList, operations);
        QFETCH(QStringList, journal);
        Journal done;
        QSemaphore gate;
        QSemaphore gateRunning;
        {
            AnalysisWorker worker;
            worker.submit(laneOf(gateLane), [&](const std::atomic<bool> &cancelled) {
                gateRunning.release();
                gate.acquire();
                done.add(cancelled ? QStringLiteral("gate!") : QStringLiteral("gate"));
            });
            QVERIFY(gateRunning.tryAcquire(1, 5000));
            for (const QString &operation : operations) {
                const Lane lane = laneOf(operation[0]);
                if (operation[1] == QLatin1Char('-')) {
                    worker.cancel(lane);
                    continue;
                }
                const QString name = operation.mid(2);
                worker.submit(lane, [&done, name](const std::atomic<bool> &cancelled) {
                    done.add(cancelled ? name + QLatin1Char('!') : name);
                });
            }
            gate.release();
            QTRY_COMPARE(done.entries().size(), journal.size());
        }
        // The worker has gone: nothing more ran.
        QCOMPARE(done.entries(), journal);
    }

    void stoppingCancelsTheRunningJob()
    {
        std::atomic<bool> sawCancel{false};
        QSemaphore running;
        {
            AnalysisWorker worker;
            worker.submit(Lane::Model, [&](const std::atomic<bool> &cancelled) {
                running.release();
                while (!cancelled)
                    QThread::yieldCurrentThread();
                sawCancel = true;
            });
            worker.submit(Lane::Check, [](const std::atomic<bool> &) { QFAIL("a queued job ran after the stop"); });
            QVERIFY(running.tryAcquire(1, 5000));
        }
        QVERIFY(sawCancel);
    }

    // Steps: "request", "follow", "check", "stopped check" (its checks end marked stopped), "edit" (one key typed), "wait" (a few turns of the event
    // loop, which take the snapshot to the worker), "finish" (one build ends and its result
    // arrives), "pause" (typing pauses long enough for a followed text to be rebuilt).
    // Revisions are counted from the one the text has when the steps begin.
    void revisions_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("builds");
        QTest::addColumn<QList<int>>("published");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<bool>("cancelSeen");
        QTest::newRow("one request") << QStringList{"request", "finish"} << 1 << QList<int>{0} << QList<int>{}
                                     << false;
        QTest::newRow("two requests, one build") << QStringList{"request", "request", "finish"} << 1
                                                 << QList<int>{0} << QList<int>{} << false;
        QTest::newRow("a current text is not built again") << QStringList{"request", "finish", "request"} << 1
                                                          << QList<int>{0} << QList<int>{} << false;
        QTest::newRow("an edit makes the build stale") << QStringList{"request", "wait", "edit", "finish"} << 1
                                                       << QList<int>{} << QList<int>{} << true;
        QTest::newRow("an edit before the snapshot ends it") << QStringList{"request", "edit", "request", "finish"}
                                                             << 1 << QList<int>{1} << QList<int>{} << false;
        QTest::newRow("a followed text is rebuilt after a pause")
            << QStringList{"follow", "wait", "edit", "finish", "pause", "finish"} << 2 << QList<int>{1} << QList<int>{}
            << true;
        QTest::newRow("a new text, a new analysis") << QStringList{"request", "finish", "edit", "request", "finish"}
                                                    << 2 << QList<int>{0, 1} << QList<int>{} << false;
        QTest::newRow("a check waits for its analysis") << QStringList{"check", "finish"} << 1 << QList<int>{0}
                                                        << QList<int>{0} << false;
        QTest::newRow("a check on a current text builds nothing")
            << QStringList{"request", "finish", "check"} << 1 << QList<int>{0} << QList<int>{0} << false;
        QTest::newRow("a stopped check is dropped") << QStringList{"stopped check", "finish"} << 1
                                                   << QList<int>{0} << QList<int>{} << false;
        QTest::newRow("a check follows the edits to the end")
            << QStringList{"check", "wait", "edit", "finish", "pause", "finish"} << 2 << QList<int>{1}
            << QList<int>{1} << true;
        QTest::newRow("typing on delays a followed text") << QStringList{"follow", "edit", "edit", "pause", "finish"}
                                                          << 1 << QList<int>{2} << QList<int>{} << false;
    }

    void revisions()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, builds);
        QFETCH(QList<int>, published);
        QFETCH(QList<int>, checked);
        QFETCH(bool, cancelSeen);
        Fixture f;
        const uint64_t first = f.service->revision();
        for (const QString &step : steps) {
            if (step == QLatin1String("request")) {
                f.service->request();
            } else if (step == QLatin1String("follow")) {
                f.service->follow(true);
            } else if (step == QLatin1String("check") || step == QLatin1String("stopped check")) {
                const bool stopped = step != QLatin1String("check");
                f.service->check([stopped](const std::shared_ptr<const AnalysedText> &, const std::atomic<bool> &) {
                    return ScriptCheckResult{{}, stopped};
                });
            } else if (step == QLatin1String("edit")) {
                f.editor.append(QStringLiteral("x"));
                // A raw edit is reported on the next turn unless the control is told it is over.
                f.editor.finishEdits();
            } else if (step == QLatin1String("wait")) {
                QTest::qWait(20);
            } else if (step == QLatin1String("finish")) {
                QVERIFY(f.finishOne());
            } else if (step == QLatin1String("pause")) {
                QTest::qWait(AnalysisService::PauseMilliseconds + 50);
            }
        }
        QTest::qWait(50);
        QCOMPARE(f.started.loadAcquire(), builds);
        QList<int> publishedOffsets;
        for (uint64_t revision : std::as_const(f.published))
            publishedOffsets << int(revision - first);
        QCOMPARE(publishedOffsets, published);
        QList<int> checkedOffsets;
        for (uint64_t revision : std::as_const(f.checkedRevisions))
            checkedOffsets << int(revision - first);
        QCOMPARE(checkedOffsets, checked);
        QVERIFY(!f.publishedStale);
        QCOMPARE(f.sawCancel.loadAcquire() > 0, cancelSeen);
        // The latest analysis is the last one published, of the text's length then.
        if (!published.isEmpty()) {
            QCOMPARE(f.service->latest()->revision, f.published.last());
            QCOMPARE(f.lengths.last(), size_t(3 + published.last()));
        }
    }

    // A script just opened is analysed from its file, with progress told so that the pages read
    // can go; any other text from a copy of the control's bytes. Either way the analysis reads
    // the text as the control holds it.
    void openedFileIsReadInPlace_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("inPlace");
        const QByteArray script("-\tscript\tGuide\t-1,{\n\tmes \"caf\xC3\xA9\";\n}\n");
        QTest::newRow("UTF-8") << script << false << true;
        QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF" + script << false << true;
        QTest::newRow("Windows-1252") << QByteArray("-\tscript\tGuide\t-1,{\n\tmes \"caf\xE9\";\n}\n") << false << false;
        QTest::newRow("edited since") << script << true << false;
    }

    void openedFileIsReadInPlace()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, edited);
        QFETCH(bool, inPlace);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("guide.txt"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        EditControl editor;
        QVERIFY(editor.openFile(path).ok);
        if (edited) {
            editor.append(QStringLiteral("x"));
            editor.finishEdits();
        }
        QByteArray seen;
        bool toldProgress = false;
        AnalysisService service(editor, [&](std::string_view text, uint64_t revision, const std::atomic<bool> &,
                                            const ReadProgress *progress) {
            seen = QByteArray(text.data(), qsizetype(text.size()));
            toldProgress = progress != nullptr;
            auto analysed = std::make_shared<AnalysedText>();
            analysed->revision = revision;
            return std::shared_ptr<const AnalysedText>(analysed);
        });
        bool ready = false;
        QObject::connect(&service, &AnalysisService::modelReady, &service, [&ready] { ready = true; });
        service.request();
        QTRY_VERIFY(ready);
        QCOMPARE(toldProgress, inPlace);
        QCOMPARE(seen, editor.textBytes(0, editor.textLength()));
    }

    // With the real analysis: a build told to stop gives nothing, and a text edited while it is
    // built is published only as it stands at the end.
    void staleBuildsStop_data()
    {
        QTest::addColumn<int>("editsWhileBuilding");
        QTest::newRow("no edit") << 0;
        QTest::newRow("one edit") << 1;
        QTest::newRow("edit after edit") << 4;
    }

    void staleBuildsStop()
    {
        QFETCH(int, editsWhileBuilding);
        const QByteArray block = "-\tscript\tGuide\t-1,{\n" + QByteArray("\tmes \"Hello\";\n").repeated(50) + "}\n";
        const auto resources = LoadScriptResources(QString(), testProfile());
        const QByteArray whole = block.repeated(100);
        std::atomic<bool> stop{true};
        QVERIFY(!AnalyseText(*resources, std::string_view(whole.constData(), size_t(whole.size())), 1, stop));

        EditControl editor;
        editor.setText(QString::fromLatin1(block.repeated(2000)));
        AnalysisService service(editor, resources);
        QList<uint64_t> published;
        bool publishedStale = false;
        size_t blocks = 0;
        QObject::connect(&service, &AnalysisService::modelReady, &service,
                         [&](const std::shared_ptr<const AnalysedText> &text) {
                             publishedStale = publishedStale || text->revision != service.revision();
                             published << text->revision;
                             blocks = text->model.blocks.size();
                         });
        service.request();
        for (int edit = 0; edit < editsWhileBuilding; ++edit) {
            QTest::qWait(5);
            editor.append(QString::fromLatin1(block));
            editor.finishEdits();
            service.request();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!published.isEmpty() && published.last() == service.revision(), 30000);
        QVERIFY(!publishedStale);
        QCOMPARE(blocks, size_t(2000 + editsWhileBuilding));
    }
};

QTEST_MAIN(TestAnalysisService)
#include "test_analysis_service.moc"
