// ScriptCompletion: offers keywords and labels as a word is typed, and a command's help as a calltip.
#pragma once

#include "edit_feature.h"

#include <QHash>
#include <QStringList>

class AnalysisService;

// The words offered for the word at the end of lineBeforeCaret, sorted without regard to case:
// nothing before its third letter; the labels where a label is expected (after goto, callsub or
// at a menu's label position), the keywords elsewhere.
QStringList CompletionWords(const QString &lineBeforeCaret, const QStringList &keywords, const QStringList &labels);

// The catalogue's help line of the command named just before a closing blank or "(" of
// lineBeforeCaret; empty when there is none.
QString CommandHelp(const QString &lineBeforeCaret);

class ScriptCompletion : public EditFeature
{
    Q_OBJECT

public:
    // Attaches to control switched on; the labels come from analysis's latest model.
    ScriptCompletion(EditControl &control, const AnalysisService &analysis, const QStringList &keywords);

private:
    void start();
    void stop();
    void characterAdded(int character);
    QStringList labelsAtCaret() const;

    const AnalysisService &m_analysis;
    QStringList m_keywords;
    QMetaObject::Connection m_characters;
};
