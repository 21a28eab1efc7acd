// Building script models off the UI thread, so that typing never waits for them.
#include "script_analyser.h"

#include <QThread>

ScriptResources::ScriptResources(const LanguageDefinition &definition)
    : definition(definition)
    , styler(definition)
    , keywords(CommandWords(definition))
{
}

std::shared_ptr<const ScriptResources> LoadScriptResources(const QString &iniFile)
{
    return std::make_shared<const ScriptResources>(ReadLanguageDefinition(iniFile));
}

ScriptAnalyser::ScriptAnalyser(std::shared_ptr<const ScriptResources> resources, QObject *parent)
    : QObject(parent)
    , m_resources(std::move(resources))
{
}

ScriptAnalyser::~ScriptAnalyser()
{
    for (QThread *thread : std::as_const(m_threads)) {
        thread->wait();
        delete thread;
    }
}

void ScriptAnalyser::analyse(QByteArray utf8)
{
    const quint64 generation = ++m_generation;
    std::shared_ptr<const ScriptResources> resources = m_resources;
    QThread *thread = QThread::create([this, generation, resources, text = std::move(utf8)] {
        auto model = std::make_shared<const ScriptModel>(BuildScriptModel(
            resources->styler, resources->keywords, std::string_view(text.constData(), size_t(text.size()))));
        // Queued to this object: delivered on its thread, or dropped if it is gone by then.
        QMetaObject::invokeMethod(this, [this, generation, model] {
            if (generation == m_generation)
                Q_EMIT finished(model);
        }, Qt::QueuedConnection);
    });
    m_threads.append(thread);
    connect(thread, &QThread::finished, this, [this, thread] {
        m_threads.removeOne(thread);
        thread->deleteLater();
    });
    thread->start(QThread::LowPriority);
}
