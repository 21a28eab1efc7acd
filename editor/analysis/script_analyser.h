// ScriptAnalyser: builds the script model of a text snapshot on a thread of its own.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <string>
#include <unordered_set>

#include "language_definition.h"
#include "script_model.h"
#include "script_styler.h"

class QThread;

// What building a model needs from the definition file, read once and shared by every user.
struct ScriptResources
{
    explicit ScriptResources(const LanguageDefinition &definition);

    LanguageDefinition definition;
    ScriptStyler styler;
    std::unordered_set<std::string> keywords;
};

// The definition file's resources; a missing file gives empty lists.
std::shared_ptr<const ScriptResources> LoadScriptResources(const QString &iniFile);

class ScriptAnalyser : public QObject
{
    Q_OBJECT

public:
    explicit ScriptAnalyser(std::shared_ptr<const ScriptResources> resources, QObject *parent = nullptr);
    // Waits for a model still being built: it holds the resources.
    ~ScriptAnalyser() override;

    // Builds the model of utf8 away from the caller's thread; a newer call makes the older
    // one's result be dropped, so only the latest text's model arrives.
    void analyse(QByteArray utf8);

Q_SIGNALS:
    void finished(std::shared_ptr<const ScriptModel> model);

private:
    std::shared_ptr<const ScriptResources> m_resources;
    QList<QThread *> m_threads;
    quint64 m_generation = 0;
};
