// ScriptChecker: Check Script on the text area, its problems underlined with their messages as tips.
#pragma once

#include "edit_feature.h"

#include <memory>
#include <vector>

#include "script_model.h"

class AnalysisService;
class ScriptIndex;

class ScriptChecker : public EditFeature
{
    Q_OBJECT

public:
    // Attaches to control switched on; the checks run on analysis's model.
    ScriptChecker(EditControl &control, AnalysisService &analysis);

    // Errors and warnings are marked apart: a red wave under an error, amber dashes under a warning.
    int indicator(Severity severity) const;

    // Checks the analysis of the current text away from the UI thread; checked follows. Does
    // nothing while switched off.
    void check();
    void setOptions(const CheckOptions &options);
    // The other files of the project or folder, for the checks that look beyond this one; the
    // checked file's own entry in it is left out by its path.
    void setIndex(std::shared_ptr<const ScriptIndex> index);
    void setPath(const QString &path);

    // The message of the problem marked at a byte position; empty where none is.
    QString messageAt(int position) const;
    // Puts the caret at a problem's start, shows it and gives the text the focus.
    void goTo(const ScriptProblem &problem);

Q_SIGNALS:
    // The problems found, once they are marked; sooner when an edit cuts the marking short.
    void checked(const std::vector<ScriptProblem> &problems);

private:
    void mark(const std::vector<ScriptProblem> &problems);
    // Marks problems for a few milliseconds, then lets the UI thread go until the next turn.
    void markSome();
    // Ends the marking; checked follows with every problem, marked or not.
    void finishMarking();
    void clearMarks();
    void showTip(int position, int x, int y);

    AnalysisService &m_analysis;
    CheckOptions m_options;
    std::shared_ptr<const ScriptIndex> m_index;
    int m_errorIndicator = -1;
    int m_warningIndicator = -1;
    std::vector<ScriptProblem> m_problems;    // indicator value n marks m_problems[n - 1]
    // Marking runs from the first problem on screen to the end, then from the top: m_marked
    // counts the problems done, m_firstMarked is where it began. -1 when no marking is under way.
    qsizetype m_marked = -1;
    size_t m_firstMarked = 0;
    QMetaObject::Connection m_edited;
};
