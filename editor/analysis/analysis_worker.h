// AnalysisWorker: the one thread that analyses a document, running only the latest job of each kind.
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class AnalysisWorker
{
public:
    // The kinds of job, in the order a free worker takes them: the model first, since the
    // outline and the checks wait for it; last, letting go of analyses nobody reads any more.
    enum class Lane { Model, Check, Items, Release };
    static constexpr int LaneCount = 4;

    // A job looks at cancelled now and then and returns early once it is set; whatever it hands
    // on after that is stale.
    using Job = std::function<void(const std::atomic<bool> &cancelled)>;

    AnalysisWorker();
    // Cancels the running job, drops the queued ones and waits for the thread.
    ~AnalysisWorker();

    AnalysisWorker(const AnalysisWorker &) = delete;
    AnalysisWorker &operator=(const AnalysisWorker &) = delete;

    // Latest wins: job replaces a queued job of its lane, and a running job of its lane is
    // cancelled.
    void submit(Lane lane, Job job);
    // Drops the lane's queued job and cancels its running one.
    void cancel(Lane lane);

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::array<Job, LaneCount> m_queued;
    std::array<std::shared_ptr<std::atomic<bool>>, LaneCount> m_running;   // the flags of the job being run
    bool m_stopping = false;
    std::thread m_thread;   // last: it starts once the rest is in place
};
