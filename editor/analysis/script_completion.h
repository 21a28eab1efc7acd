// ScriptCompletion: offers keywords and labels as a word is typed, and a command's help as a calltip.
#pragma once

#include "edit_feature.h"

#include <QHash>
#include <QStringList>

#include <memory>

class AnalysisService;
struct ScriptProfile;

// The words offered for the word at the end of lineBeforeCaret, sorted without regard to case:
// nothing before its third letter; the labels where a label is expected (after goto, callsub or
// at a menu's label position), the keywords elsewhere.
QStringList CompletionWords(const QString &lineBeforeCaret, const QStringList &keywords, const QStringList &labels);

// The catalogue's help line of the command named just before a closing blank or "(" of
// lineBeforeCaret; empty when there is none.
QString CommandHelp(const QString &lineBeforeCaret);

// What the calltip and the mouse tell of the command name: its argument shape in profile, e.g.
// "warp <map>, <x>, <y>[, <char id>]", and under it the catalogue's help line where there is one;
// the help line alone for a command the profile lacks. Empty for a word that is no command.
QString CommandTip(const QString &name, const ScriptProfile *profile);
// The tip of the command named just before a closing blank or "(" of lineBeforeCaret.
QString CommandTipBefore(const QString &lineBeforeCaret, const ScriptProfile *profile);

// Where the caret stands, from its line up to it: in a string or a "//" comment, where no word is
// offered, or among the arguments of a command or function, named as written.
struct CaretContext
{
    bool inText = false;
    QString command;    // the innermost open "(" belongs to it, else it starts the statement
};
CaretContext ContextBefore(const QString &lineBeforeCaret);

class ScriptCompletion : public EditFeature
{
    Q_OBJECT

public:
    // Attaches to control switched on; the labels come from analysis's latest model.
    ScriptCompletion(EditControl &control, const AnalysisService &analysis, const QStringList &keywords);

    // Every command of profile is offered besides the keywords, and its shape shown in tips.
    void setProfile(std::shared_ptr<const ScriptProfile> profile);
    // The tip for the command under the byte at position; empty where there is none.
    QString tipAt(int position) const;

private:
    void start();
    void stop();
    void characterAdded(int character);
    void showTip(int position, int x, int y);
    QStringList labelsAtCaret() const;

    const AnalysisService &m_analysis;
    QStringList m_definitionKeywords;
    QStringList m_keywords;     // the definition's, then the profile's commands
    std::shared_ptr<const ScriptProfile> m_profile;
    QMetaObject::Connection m_characters;
    QMetaObject::Connection m_dwell;
};
