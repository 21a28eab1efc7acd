// AnalysisService: the one analysis of a document, built on one worker and shared by every feature.
#pragma once

#include "edit_feature.h"

#include <QHash>
#include <QString>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "analysis_worker.h"
#include "mapped_text.h"
#include "script_analyser.h"

class AnalysisService : public EditFeature
{
    Q_OBJECT

public:
    // How long typing must pause before a followed text is analysed again: below 300 ms, so that
    // a script of common size is outlined within 300 ms of the last key.
    static constexpr int PauseMilliseconds = 250;

    using Problems = std::vector<ScriptProblem>;
    // The checks to run on a model, away from the UI thread; they stop once cancelled is set.
    using CheckRun = std::function<ScriptCheckResult(const std::shared_ptr<const AnalysedText> &text,
                                                     const std::atomic<bool> &cancelled)>;
    using ItemTipTable = QHash<QString, QString>;
    // Analyses a text at a revision on the worker; nullptr when it gave up on being cancelled.
    // progress, when not null, is told how far each reading of the text has come.
    using Analyse = std::function<std::shared_ptr<const AnalysedText>(std::string_view text, uint64_t revision,
                                                                      const std::atomic<bool> &cancelled,
                                                                      const ReadProgress *progress)>;

    // Attaches to control switched on, with nothing analysed yet.
    AnalysisService(EditControl &control, std::shared_ptr<const ScriptResources> resources);
    AnalysisService(EditControl &control, Analyse analyse);
    // Waits for the worker, which is told to stop what it builds.
    ~AnalysisService() override;

    // Counts the text's changes; every analysis is tagged with the revision it was built from.
    uint64_t revision() const;
    // The latest analysis published; revision 0 and empty before the first one. It may be older
    // than the text: take it for labels and names, never for positions.
    std::shared_ptr<const AnalysedText> latest() const;

    // Texts are analysed another way from now on, e.g. with another server's profile: the latest
    // analysis is out of date, and a new one follows for those who keep it current.
    void setAnalyse(Analyse analyse);
    void setResources(std::shared_ptr<const ScriptResources> resources);
    // Asks for an analysis of the current text; modelReady follows unless the latest is current.
    void request();
    // Keeps the analysis current: a pause in typing is followed by a new one. Each follower
    // switches it on once and off once.
    void follow(bool on);
    // Runs checks on the analysis of the current text; checked follows. A newer call replaces
    // an unfinished one.
    void check(CheckRun checks);
    void cancelCheck();
    // Reads an item database's tips on the worker; itemTipsLoaded follows, empty when the file
    // is missing.
    void loadItemTips(const QString &itemDatabasePath);
    // Lets go of something large on the worker: freeing the model of a large script takes the
    // UI thread far longer than a frame.
    void retire(std::shared_ptr<const void> old);

Q_SIGNALS:
    // A new analysis, always of the text as it is when the signal arrives.
    void modelReady(const std::shared_ptr<const AnalysedText> &text);
    void checked(uint64_t revision, const std::shared_ptr<const Problems> &problems);
    void itemTipsLoaded(const std::shared_ptr<const ItemTipTable> &tips);

private:
    void textChanged();
    // Analyses a text on the worker: a snapshot's copy, or the mapped file the text is unchanged from.
    void submit(std::shared_ptr<const QByteArray> copy, std::shared_ptr<MappedText> mapped);
    // The file changed while the analysis of revision read it: it is analysed from a copy.
    void mappedFileChanged(uint64_t revision);
    static Analyse analyseWith(std::shared_ptr<const ScriptResources> resources);
    void built(const std::shared_ptr<const AnalysedText> &text);
    void startCheck();
    void checkDone(uint64_t revision, uint64_t serial, const std::shared_ptr<const Problems> &problems);

    Analyse m_analyse;
    std::shared_ptr<const AnalysedText> m_latest;
    uint64_t m_revision = 1;
    uint64_t m_unmappable = 0;      // a revision whose file changed while it was read
    uint64_t m_requested = 0;       // the revision a snapshot or build is under way for; 0 when none
    int m_followers = 0;
    CheckRun m_checks;              // the checks wanted; empty when none is
    uint64_t m_checkSerial = 0;     // tells the latest call of check() from older ones
    QTimer m_pause;
    std::mutex m_retiredMutex;
    std::vector<std::shared_ptr<const void>> m_retired;    // let go of by the next release job
    AnalysisWorker m_worker;        // last: it goes first, before anything its jobs reach
};
