// ScriptServerChoice: which server's profile the editor reads scripts with, kept in the settings.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "script_profile.h"

#include "language_definition.h"

class AnalysisService;
class EditControl;
class QActionGroup;
class QMenu;
class ScriptCompletion;
class ScriptIndexer;

// The names of profile's commands, for highlighting; none without a profile.
QStringList ProfileCommandNames(const ScriptProfile *profile);

// Everything that reads the script with a server's knowledge.
struct ScriptReaders
{
    AnalysisService &analysis;
    ScriptCompletion &completion;
    ScriptIndexer &indexer;
    EditControl &control;
    QString definitionFile;
    LanguageDefinition definition;
};

// Hands profile to every reader: the model and the checks, completion and tips, the cross-file
// index and the highlighting. Without a profile the definition's keywords stand for commands.
void UseScriptProfile(const ScriptReaders &readers, const std::shared_ptr<const ScriptProfile> &profile);

class ScriptServerChoice : public QObject
{
    Q_OBJECT

public:
    // folders: where profiles are found, the user's own first, so that their copy wins. The
    // choice is kept in settingsFile; rAthena when none is kept or the kept one is gone.
    ScriptServerChoice(const QStringList &folders, const QString &settingsFile, QObject *parent = nullptr);

    const std::vector<ScriptProfileFile> &profiles() const;
    QString chosenId() const;
    // The chosen profile as read from its file; nullptr when it could not be read, with the
    // reason in loadError().
    std::shared_ptr<const ScriptProfile> profile() const;
    QString loadError() const;

    // Reads and keeps the profile of id; profileChanged follows. False for an id no folder has.
    bool choose(const QString &id);
    // One checkable item per profile, the chosen one checked, in menu.
    void fillMenu(QMenu &menu);

Q_SIGNALS:
    void profileChanged(const std::shared_ptr<const ScriptProfile> &profile);

private:
    void load();

    QStringList m_folders;
    QString m_settingsFile;
    std::vector<ScriptProfileFile> m_profiles;
    QString m_chosen;
    std::shared_ptr<const ScriptProfile> m_profile;
    QString m_error;
    QActionGroup *m_group = nullptr;
};
