// The analysis service: snapshots go to the worker, and only analyses of the text as it stands come back.
#include "analysis_service.h"

#include "edit_control.h"
#include "item_lookup.h"

#include <utility>

AnalysisService::AnalysisService(EditControl &control, std::shared_ptr<const ScriptResources> resources)
    : AnalysisService(control, analyseWith(std::move(resources)))
{
}

AnalysisService::AnalysisService(EditControl &control, Analyse analyse)
    : EditFeature(control)
    , m_analyse(std::move(analyse))
    , m_latest(std::make_shared<const AnalysedText>())
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMilliseconds);
    connect(&m_pause, &QTimer::timeout, this, &AnalysisService::request);
    connect(&control, &EditControl::textEdited, this, &AnalysisService::textChanged);
    setActive(true);
}

AnalysisService::~AnalysisService() = default;

AnalysisService::Analyse AnalysisService::analyseWith(std::shared_ptr<const ScriptResources> resources)
{
    return [resources](std::string_view text, uint64_t revision, const std::atomic<bool> &cancelled,
                       const ReadProgress *progress) {
        return AnalyseText(*resources, text, revision, cancelled, progress);
    };
}

void AnalysisService::setAnalyse(Analyse analyse)
{
    m_analyse = std::move(analyse);
    // As if the text had changed: the revision tells analyses of the old way from the new.
    textChanged();
    if (m_followers > 0 || m_checks)
        request();
}

void AnalysisService::setResources(std::shared_ptr<const ScriptResources> resources)
{
    setAnalyse(analyseWith(std::move(resources)));
}

uint64_t AnalysisService::revision() const
{
    return m_revision;
}

std::shared_ptr<const AnalysedText> AnalysisService::latest() const
{
    return m_latest;
}

void AnalysisService::request()
{
    if (m_latest->revision == m_revision || m_requested == m_revision)
        return;
    m_requested = m_revision;
    // A text just opened is its file's bytes: the analysis reads the file, and the whole text is
    // not held a second time while it is read.
    const std::optional<EditControl::SourceFile> file = control().unchangedSourceFile();
    if (file && m_unmappable != m_revision) {
        if (std::shared_ptr<MappedText> mapped = MappedText::map(file->path, file->stamp, file->skip)) {
            submit(nullptr, std::move(mapped));
            return;
        }
    }
    takeSnapshot([this](QByteArray bytes) {
        // Any change since the request cancelled this snapshot: the bytes are of m_requested.
        submit(std::make_shared<const QByteArray>(std::move(bytes)), nullptr);
    });
}

void AnalysisService::submit(std::shared_ptr<const QByteArray> copy, std::shared_ptr<MappedText> mapped)
{
    m_worker.submit(AnalysisWorker::Lane::Model,
                    [this, analyse = m_analyse, copy = std::move(copy), mapped = std::move(mapped),
                     revision = m_requested](const std::atomic<bool> &cancelled) {
                        std::shared_ptr<const AnalysedText> analysed;
                        if (mapped) {
                            const ReadProgress progress = [&mapped](size_t offset) { mapped->passed(offset); };
                            analysed = analyse(mapped->text(), revision, cancelled, &progress);
                            if (!mapped->unchanged()) {
                                // Another program wrote the file meanwhile: read the text itself.
                                QMetaObject::invokeMethod(this, [this, revision] { mappedFileChanged(revision); },
                                                          Qt::QueuedConnection);
                                return;
                            }
                        } else {
                            analysed = analyse(std::string_view(copy->constData(), size_t(copy->size())), revision,
                                               cancelled, nullptr);
                        }
                        if (analysed)
                            QMetaObject::invokeMethod(this, [this, analysed] { built(analysed); },
                                                      Qt::QueuedConnection);
                    });
}

void AnalysisService::mappedFileChanged(uint64_t revision)
{
    if (revision != m_revision || m_requested != revision)
        return;
    m_unmappable = revision;
    m_requested = 0;
    request();
}

void AnalysisService::follow(bool on)
{
    m_followers = std::max(0, m_followers + (on ? 1 : -1));
    if (on)
        request();
    else if (m_followers == 0 && !m_checks)
        m_pause.stop();
}

void AnalysisService::check(CheckRun checks)
{
    m_checks = std::move(checks);
    ++m_checkSerial;
    if (m_latest->revision == m_revision)
        startCheck();
    else
        request();
}

void AnalysisService::cancelCheck()
{
    m_checks = nullptr;
    ++m_checkSerial;
    m_worker.cancel(AnalysisWorker::Lane::Check);
}

void AnalysisService::loadItemTips(const QString &itemDatabasePath)
{
    m_worker.submit(AnalysisWorker::Lane::Items, [this, itemDatabasePath](const std::atomic<bool> &) {
        auto tips = std::make_shared<const ItemTipTable>(ItemTips(itemDatabasePath));
        QMetaObject::invokeMethod(this, [this, tips] { Q_EMIT itemTipsLoaded(tips); }, Qt::QueuedConnection);
    });
}

void AnalysisService::textChanged()
{
    ++m_revision;
    // Whatever is under way is of an older text now; its result would be dropped anyway.
    if (m_requested) {
        m_requested = 0;
        cancelSnapshot();
        m_worker.cancel(AnalysisWorker::Lane::Model);
    }
    m_worker.cancel(AnalysisWorker::Lane::Check);
    if (m_followers > 0 || m_checks)
        m_pause.start();
}

void AnalysisService::built(const std::shared_ptr<const AnalysedText> &text)
{
    if (text->revision != m_revision)
        return;
    m_requested = 0;
    std::shared_ptr<const AnalysedText> old = std::exchange(m_latest, text);
    Q_EMIT modelReady(m_latest);
    // Every reader has the new one now: the old one is likely held here alone.
    retire(std::move(old));
    if (m_checks)
        startCheck();
}

void AnalysisService::retire(std::shared_ptr<const void> old)
{
    {
        const std::lock_guard<std::mutex> lock(m_retiredMutex);
        m_retired.push_back(std::move(old));
    }
    m_worker.submit(AnalysisWorker::Lane::Release, [this](const std::atomic<bool> &) {
        std::vector<std::shared_ptr<const void>> retired;
        {
            const std::lock_guard<std::mutex> lock(m_retiredMutex);
            retired.swap(m_retired);
        }
    });
}

void AnalysisService::startCheck()
{
    m_worker.submit(AnalysisWorker::Lane::Check,
                    [this, text = m_latest, checks = m_checks, serial = m_checkSerial](const std::atomic<bool> &cancelled) {
                        ScriptCheckResult result = checks(text, cancelled);
                        if (cancelled || result.stopped)
                            return;
                        auto problems = std::make_shared<const Problems>(std::move(result.problems));
                        QMetaObject::invokeMethod(this, [this, revision = text->revision, serial, problems] {
                            checkDone(revision, serial, problems);
                        }, Qt::QueuedConnection);
                    });
}

void AnalysisService::checkDone(uint64_t revision, uint64_t serial, const std::shared_ptr<const Problems> &problems)
{
    if (revision != m_revision || serial != m_checkSerial || !m_checks)
        return;
    m_checks = nullptr;
    Q_EMIT checked(revision, problems);
}
