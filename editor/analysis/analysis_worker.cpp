// One thread per document: a burst of requests while it is busy costs one more job, not one each.
#include "analysis_worker.h"

#include <utility>

AnalysisWorker::AnalysisWorker()
    : m_thread([this] { run(); })
{
}

AnalysisWorker::~AnalysisWorker()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        for (int lane = 0; lane < LaneCount; ++lane) {
            m_queued[size_t(lane)] = nullptr;
            if (m_running[size_t(lane)])
                m_running[size_t(lane)]->store(true);
        }
    }
    m_wake.notify_one();
    m_thread.join();
}

void AnalysisWorker::submit(Lane lane, Job job)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_queued[size_t(lane)] = std::move(job);
        if (m_running[size_t(lane)])
            m_running[size_t(lane)]->store(true);
    }
    m_wake.notify_one();
}

void AnalysisWorker::cancel(Lane lane)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_queued[size_t(lane)] = nullptr;
    if (m_running[size_t(lane)])
        m_running[size_t(lane)]->store(true);
}

void AnalysisWorker::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        int lane = -1;
        m_wake.wait(lock, [this, &lane] {
            for (int l = 0; l < LaneCount && lane < 0; ++l)
                if (m_queued[size_t(l)])
                    lane = l;
            return m_stopping || lane >= 0;
        });
        if (m_stopping)
            return;
        Job job = std::exchange(m_queued[size_t(lane)], nullptr);
        auto cancelled = std::make_shared<std::atomic<bool>>(false);
        m_running[size_t(lane)] = cancelled;
        lock.unlock();
        job(*cancelled);
        // The job's captures go before the lock is taken again: they may hold large texts.
        job = nullptr;
        lock.lock();
        m_running[size_t(lane)].reset();
    }
}
