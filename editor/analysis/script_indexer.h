// ScriptIndexer: the cross-file index of the other scripts, built in the background and kept
// up to date as files are saved.
#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <map>
#include <memory>

#include "analysis_worker.h"
#include "script_index.h"

// The files the checks look at beside the script: the open project's, or else the ".txt" files in
// the script's folder, the script itself left out. Nothing when there is neither.
QStringList IndexedFiles(const QStringList &projectFiles, const QString &scriptPath);

class ScriptIndexer : public QObject
{
    Q_OBJECT

public:
    using Models = std::map<std::string, std::shared_ptr<const ScriptModel>>;

    explicit ScriptIndexer(QObject *parent = nullptr);
    ~ScriptIndexer() override;

    // The latest index; empty before the first one is built.
    std::shared_ptr<const ScriptIndex> index() const;

    // Reads every file again with profile: the commands and case rules are the profile's.
    void setProfile(std::shared_ptr<const ScriptProfile> profile);
    // The files to index; those already read with the same profile are not read again.
    void setFiles(const QStringList &paths);
    // A file was written: it is read again if it is one of the indexed files.
    void fileSaved(const QString &path);

Q_SIGNALS:
    void indexChanged(const std::shared_ptr<const ScriptIndex> &index);

private:
    void start();
    void built(quint64 serial, const std::shared_ptr<const Models> &models,
               const std::shared_ptr<const ScriptIndex> &index);

    std::shared_ptr<const ScriptProfile> m_profile;
    QStringList m_files;
    std::shared_ptr<const Models> m_models;     // by path, of the latest index
    std::shared_ptr<const ScriptIndex> m_index;
    QMap<QString, quint64> m_toRead;            // files to read, with the serial that asked
    quint64 m_serial = 0;
    AnalysisWorker m_worker;                    // last: it goes first
};
