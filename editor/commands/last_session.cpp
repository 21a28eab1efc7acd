// What was open when the editor closed, noted in the settings and opened again at the next start.
#include "last_session.h"

#include <QAction>

#include "document.h"
#include "edit_control.h"
#include "ini.h"
#include "project_commands.h"
#include "shell_helpers.h"

namespace {

const QString SettingsSection = QStringLiteral("Last Session");
const QString RestoreKey = QStringLiteral("Restore");
const QString ProjectKey = QStringLiteral("Project");
const QString ScriptKey = QStringLiteral("Script");
const QString LineKey = QStringLiteral("Line");

} // namespace

LastSession::LastSession(Document &document, ProjectCommands &projects, EditControl &control,
                         const QString &settingsFile, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_projects(projects)
    , m_control(control)
    , m_settingsFile(settingsFile)
    , m_enabled(ReadIni(SettingsSection, RestoreKey, QStringLiteral("0"), settingsFile) == QLatin1String("1"))
{
}

bool LastSession::isRestoring() const
{
    return m_enabled;
}

void LastSession::setRestoring(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    WriteIni(SettingsSection, RestoreKey, enabled ? QStringLiteral("1") : QStringLiteral("0"), m_settingsFile);
    if (!enabled)
        for (const QString &key : {ProjectKey, ScriptKey, LineKey})
            WriteIni(SettingsSection, key, QString(), m_settingsFile);
}

void LastSession::setItem(QAction *item)
{
    item->setCheckable(true);
    item->setChecked(m_enabled);
    connect(item, &QAction::toggled, this, &LastSession::setRestoring);
}

void LastSession::store()
{
    if (!m_enabled)
        return;
    int line = 0;
    int column = 0;
    m_control.getCursorPosition(&line, &column);
    WriteIni(SettingsSection, ProjectKey, m_projects.projectPath(), m_settingsFile);
    WriteIni(SettingsSection, ScriptKey, m_document.scriptFileName(), m_settingsFile);
    WriteIni(SettingsSection, LineKey, QString::number(line + 1), m_settingsFile);
}

void LastSession::restore(bool scriptNamed)
{
    if (!m_enabled)
        return;
    const QString project = ReadIni(SettingsSection, ProjectKey, QString(), m_settingsFile);
    if (fileExists(project))
        m_projects.openProject(project);
    if (scriptNamed)
        return;
    const QString script = ReadIni(SettingsSection, ScriptKey, QString(), m_settingsFile);
    if (!fileExists(script) || !m_document.openScriptFile(script, true))
        return;
    m_control.goToLine(ReadIni(SettingsSection, LineKey, QStringLiteral("1"), m_settingsFile).toInt());
}
