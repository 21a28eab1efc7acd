// Check Project: every file of a project checked together, in the background, against one
// cross-file index of them all.
#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis_worker.h"
#include "problem_list.h"

// A file to check: read from disk, or the text the user is editing when it is the open one.
struct ProjectSource
{
    QString path;
    std::optional<std::string> text;
};

// The problems of every source, in the sources' order; a source that holds no script header
// (a note or a list kept in the project) is left out. Empty when cancelled was set on the way.
std::vector<FileProblems> CheckProjectSources(const std::vector<ProjectSource> &sources,
                                              const std::shared_ptr<const ScriptProfile> &profile,
                                              const CheckOptions &options, const std::atomic<bool> &cancelled);

class ProjectCheck : public QObject
{
    Q_OBJECT

public:
    explicit ProjectCheck(QObject *parent = nullptr);
    ~ProjectCheck() override;

    // Starts checking on the worker, replacing a check under way; checked follows.
    void start(std::vector<ProjectSource> sources, std::shared_ptr<const ScriptProfile> profile,
               const CheckOptions &options);
    // Stops the check under way; nothing follows from it.
    void cancel();
    bool running() const;

Q_SIGNALS:
    void checked(const std::vector<FileProblems> &files);

private:
    void done(quint64 serial, const std::shared_ptr<const std::vector<FileProblems>> &files);

    quint64 m_serial = 0;
    bool m_running = false;
    AnalysisWorker m_worker;    // last: it goes first, before anything its jobs reach
};
