// The cross-file index: the files are read on a worker of their own, so the document's analysis
// never waits for a folder of scripts.
#include "script_indexer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <new>

#include "text_file.h"

namespace {

// Reads a file into a model; nullptr when it cannot be read or holds no script at all.
std::shared_ptr<const ScriptModel> readModel(const QString &path, const std::shared_ptr<const ScriptProfile> &profile)
{
    // A file too large for the editor to open is not read whole either: a log named .txt in a
    // folder of scripts can be gigabytes.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > TextFile::MaxFileSize)
        return nullptr;
    QByteArray bytes;
    try {
        bytes = file.readAll();
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
    const std::string_view text(bytes.constData(), size_t(bytes.size()));
    if (!HasScriptHeader(*profile, text))
        return nullptr;
    return std::make_shared<const ScriptModel>(BuildScriptModel(profile, text));
}

} // namespace

QStringList IndexedFiles(const QStringList &projectFiles, const QString &scriptPath)
{
    QStringList files;
    if (!projectFiles.isEmpty()) {
        for (const QString &file : projectFiles)
            files << QFileInfo(file).absoluteFilePath();
    } else if (!scriptPath.isEmpty()) {
        const QDir folder = QFileInfo(scriptPath).absoluteDir();
        for (const QString &name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
            files << folder.absoluteFilePath(name);
    }
    files.removeDuplicates();
    // The script itself is checked from the text being edited: reading its saved copy as well
    // would parse it twice and keep a second model of it, doubling the cost of a large script.
    if (!scriptPath.isEmpty())
        files.removeAll(QFileInfo(scriptPath).absoluteFilePath());
    return files;
}

ScriptIndexer::ScriptIndexer(QObject *parent)
    : QObject(parent)
    , m_models(std::make_shared<const Models>())
    , m_index(std::make_shared<const ScriptIndex>())
{
}

ScriptIndexer::~ScriptIndexer() = default;

std::shared_ptr<const ScriptIndex> ScriptIndexer::index() const
{
    return m_index;
}

void ScriptIndexer::setProfile(std::shared_ptr<const ScriptProfile> profile)
{
    m_profile = std::move(profile);
    m_models = std::make_shared<const Models>();
    ++m_serial;
    for (const QString &file : std::as_const(m_files))
        m_toRead.insert(file, m_serial);
    start();
}

void ScriptIndexer::setFiles(const QStringList &paths)
{
    if (paths == m_files)
        return;
    m_files = paths;
    ++m_serial;
    for (const QString &file : std::as_const(m_files))
        if (!m_models->count(file.toStdString()))
            m_toRead.insert(file, m_serial);
    start();
}

void ScriptIndexer::fileSaved(const QString &path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    if (!m_files.contains(file))
        return;
    m_toRead.insert(file, ++m_serial);
    start();
}

void ScriptIndexer::start()
{
    if (!m_profile)
        return;
    // Latest wins: each job reads every file still to be read, on top of the latest index.
    const QMap<QString, quint64> toRead = m_toRead;
    m_worker.submit(AnalysisWorker::Lane::Model,
                    [this, toRead, files = m_files, models = m_models, profile = m_profile, serial = m_serial](
                        const std::atomic<bool> &cancelled) {
                        auto next = std::make_shared<Models>();
                        for (const QString &file : files) {
                            const std::string key = file.toStdString();
                            if (cancelled)
                                return;
                            if (toRead.contains(file)) {
                                if (auto model = readModel(file, profile))
                                    next->emplace(key, std::move(model));
                            } else if (const auto found = models->find(key); found != models->end()) {
                                next->emplace(key, found->second);
                            }
                        }
                        auto index = std::make_shared<ScriptIndex>(profile->ignoreCase);
                        for (const auto &[key, model] : *next)
                            index->add(key, model);
                        index->prepare();
                        QMetaObject::invokeMethod(this, [this, serial, next, index] { built(serial, next, index); },
                                                  Qt::QueuedConnection);
                    });
}

void ScriptIndexer::built(quint64 serial, const std::shared_ptr<const Models> &models,
                          const std::shared_ptr<const ScriptIndex> &index)
{
    if (serial != m_serial)
        return;   // a newer job is under way with everything this one read
    m_models = models;
    m_index = index;
    m_toRead.clear();
    Q_EMIT indexChanged(m_index);
}
