// The script server: the profiles found, the one chosen, and the Options > Script Server items.
#include "script_server_choice.h"

#include <QActionGroup>
#include <QMenu>

#include "analysis_service.h"
#include "ini.h"
#include "script_completion.h"
#include "script_indexer.h"
#include "script_language.h"

namespace {

const QString SettingsSection = QStringLiteral("Script Server");
const QString ProfileKey = QStringLiteral("Profile");

} // namespace

QStringList ProfileCommandNames(const ScriptProfile *profile)
{
    QStringList names;
    if (profile)
        for (const ScriptCommand &command : profile->commands)
            names << QString::fromStdString(command.name);
    return names;
}

void UseScriptProfile(const ScriptReaders &readers, const std::shared_ptr<const ScriptProfile> &profile)
{
    readers.analysis.setResources(std::make_shared<const ScriptResources>(readers.definition, profile));
    readers.completion.setProfile(profile);
    if (profile)
        readers.indexer.setProfile(profile);
    SetScriptKeywords(readers.control, readers.definitionFile, ProfileCommandNames(profile.get()));
}

ScriptServerChoice::ScriptServerChoice(const QStringList &folders, const QString &settingsFile, QObject *parent)
    : QObject(parent)
    , m_folders(folders)
    , m_settingsFile(settingsFile)
    , m_profiles(FindScriptProfiles(folders))
{
    m_chosen = ReadIni(SettingsSection, ProfileKey, QLatin1String(DefaultScriptProfileId), m_settingsFile);
    if (FindScriptProfile(m_folders, m_chosen).isEmpty())
        m_chosen = QLatin1String(DefaultScriptProfileId);
    load();
}

const std::vector<ScriptProfileFile> &ScriptServerChoice::profiles() const
{
    return m_profiles;
}

QString ScriptServerChoice::chosenId() const
{
    return m_chosen;
}

std::shared_ptr<const ScriptProfile> ScriptServerChoice::profile() const
{
    return m_profile;
}

QString ScriptServerChoice::loadError() const
{
    return m_error;
}

bool ScriptServerChoice::choose(const QString &id)
{
    if (FindScriptProfile(m_folders, id).isEmpty())
        return false;
    m_chosen = id;
    WriteIni(SettingsSection, ProfileKey, id, m_settingsFile);
    load();
    if (m_group)
        for (QAction *item : m_group->actions())
            item->setChecked(item->data().toString() == id);
    Q_EMIT profileChanged(m_profile);
    return true;
}

void ScriptServerChoice::fillMenu(QMenu &menu)
{
    m_group = new QActionGroup(&menu);
    m_group->setExclusive(true);
    for (const ScriptProfileFile &file : m_profiles) {
        QAction *item = menu.addAction(file.name);
        item->setObjectName(QStringLiteral("mOPTIONSSCRIPTSERVER_") + file.id);
        item->setData(file.id);
        item->setCheckable(true);
        item->setChecked(file.id == m_chosen);
        m_group->addAction(item);
        connect(item, &QAction::triggered, this, [this, id = file.id] { choose(id); });
    }
    menu.setEnabled(!m_profiles.empty());
}

void ScriptServerChoice::load()
{
    m_error.clear();
    const QString path = FindScriptProfile(m_folders, m_chosen);
    if (path.isEmpty()) {
        m_profile = nullptr;
        m_error = QStringLiteral("No profile for the script server '%1' was found.").arg(m_chosen);
        return;
    }
    auto profile = std::make_shared<ScriptProfile>();
    QString error;
    if (!ReadScriptProfile(path, profile.get(), &error)) {
        m_profile = nullptr;
        m_error = QStringLiteral("%1: %2").arg(path, error);
        return;
    }
    m_profile = std::move(profile);
}
