// Check Project: the files are read and checked on a worker of their own, so typing goes on.
#include "project_check.h"

#include <QFile>

#include "script_index.h"

std::vector<FileProblems> CheckProjectSources(const std::vector<ProjectSource> &sources,
                                              const std::shared_ptr<const ScriptProfile> &profile,
                                              const CheckOptions &options, const std::atomic<bool> &cancelled)
{
    // Every model first: the cross-file checks of each file look at all the others.
    std::vector<FileProblems> files;
    std::vector<std::shared_ptr<const ScriptModel>> models;
    ScriptIndex index(profile->ignoreCase);
    for (const ProjectSource &source : sources) {
        if (cancelled)
            return {};
        std::string text;
        if (source.text) {
            text = *source.text;
        } else {
            QFile file(source.path);
            if (!file.open(QIODevice::ReadOnly)) {
                files.push_back({source.path, {}, QStringLiteral("The file could not be read: %1").arg(file.errorString())});
                models.push_back(nullptr);
                continue;
            }
            text = file.readAll().toStdString();
        }
        if (!HasScriptHeader(*profile, text))
            continue;
        auto model = std::make_shared<const ScriptModel>(BuildScriptModel(profile, text, &cancelled));
        if (model->stopped)
            return {};
        index.add(source.path.toStdString(), model);
        files.push_back({source.path, {}, {}});
        models.push_back(std::move(model));
    }
    index.prepare();
    for (size_t i = 0; i < files.size(); ++i) {
        if (cancelled)
            return {};
        if (!models[i])
            continue;
        CheckOptions withPath = options;
        withPath.path = files[i].path.toStdString();
        ScriptCheckResult checked = CheckScript(*models[i], &index, withPath, cancelled);
        if (checked.stopped)
            return {};
        files[i].problems = std::move(checked.problems);
    }
    return files;
}

ProjectCheck::ProjectCheck(QObject *parent)
    : QObject(parent)
{
}

ProjectCheck::~ProjectCheck() = default;

void ProjectCheck::start(std::vector<ProjectSource> sources, std::shared_ptr<const ScriptProfile> profile,
                         const CheckOptions &options)
{
    const quint64 serial = ++m_serial;
    m_running = true;
    m_worker.submit(AnalysisWorker::Lane::Check, [this, serial, sources = std::move(sources), profile = std::move(profile),
                                                  options](const std::atomic<bool> &cancelled) {
        auto files = std::make_shared<const std::vector<FileProblems>>(
            CheckProjectSources(sources, profile, options, cancelled));
        if (cancelled)
            return;
        QMetaObject::invokeMethod(this, [this, serial, files] { done(serial, files); }, Qt::QueuedConnection);
    });
}

void ProjectCheck::cancel()
{
    ++m_serial;
    m_running = false;
    m_worker.cancel(AnalysisWorker::Lane::Check);
}

bool ProjectCheck::running() const
{
    return m_running;
}

void ProjectCheck::done(quint64 serial, const std::shared_ptr<const std::vector<FileProblems>> &files)
{
    if (serial != m_serial)
        return;     // cancelled, or replaced by a newer check
    m_running = false;
    Q_EMIT checked(*files);
}
