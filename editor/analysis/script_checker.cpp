// Marking the script's problems in the text and telling them when the mouse rests on one.
#include "script_checker.h"

#include <QToolTip>

#include "edit_control.h"
#include "jump_placement.h"
#include "script_index.h"
#include "analysis_service.h"

namespace {

constexpr int DwellMilliseconds = 500;
// The index's name for a script not saved yet; no file path looks like it.
const std::string UnsavedScriptKey = "\n(unsaved script)";

} // namespace

ScriptChecker::ScriptChecker(EditControl &control, AnalysisService &analysis)
    : EditFeature(control)
    , m_analysis(analysis)
{
    m_errorIndicator = control.indicatorDefine(QsciScintilla::SquiggleIndicator);
    control.setIndicatorForegroundColor(QColor(0xD0, 0x20, 0x20), m_errorIndicator);
    m_warningIndicator = control.indicatorDefine(QsciScintilla::DashesIndicator);
    control.setIndicatorForegroundColor(QColor(0xC0, 0x80, 0x00), m_warningIndicator);
    connect(&m_analysis, &AnalysisService::checked, this,
            [this](uint64_t, const std::shared_ptr<const AnalysisService::Problems> &problems) {
                if (!isActive())
                    return;
                mark(*problems);
                Q_EMIT checked(*problems);
            });
    connect(this, &EditFeature::activeChanged, this, [this](bool active) {
        if (!active) {
            m_analysis.cancelCheck();
            clearMarks();
        }
    });
    control.SendScintilla(QsciScintillaBase::SCI_SETMOUSEDWELLTIME, DwellMilliseconds);
    connect(&control, &QsciScintillaBase::SCN_DWELLSTART, this, &ScriptChecker::showTip);
    connect(&control, &QsciScintillaBase::SCN_DWELLEND, this, [] { QToolTip::hideText(); });
    setActive(true);
}

void ScriptChecker::check()
{
    if (!isActive())
        return;
    m_analysis.check([options = m_options, index = m_index](const std::shared_ptr<const AnalysedText> &text,
                                                            const std::atomic<bool> &) {
        const ScriptModel &model = text->model;
        if (!model.profile)
            return CheckScript(model, options);
        // The index holds this file as it was saved; the checks read the text being edited in
        // its place, so that the other files are compared with what the user sees.
        ScriptIndex withText = index ? *index : ScriptIndex(model.profile->ignoreCase);
        CheckOptions withPath = options;
        if (withPath.path.empty())
            withPath.path = UnsavedScriptKey;
        withText.add(withPath.path, std::shared_ptr<const ScriptModel>(text, &model));
        return CheckScript(model, &withText, withPath);
    });
}

void ScriptChecker::setOptions(const CheckOptions &options)
{
    const std::string path = m_options.path;
    m_options = options;
    m_options.path = path;
}

void ScriptChecker::setIndex(std::shared_ptr<const ScriptIndex> index)
{
    m_index = std::move(index);
}

void ScriptChecker::setPath(const QString &path)
{
    m_options.path = path.toStdString();
}

int ScriptChecker::indicator(Severity severity) const
{
    return severity == Severity::Warning ? m_warningIndicator : m_errorIndicator;
}

void ScriptChecker::mark(const std::vector<ScriptProblem> &problems)
{
    clearMarks();
    m_problems = problems;
    EditControl &text = control();
    const long length = text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    for (size_t i = 0; i < problems.size(); ++i) {
        const ScriptProblem &problem = problems[i];
        // Columns and lengths count characters: a character may take several bytes.
        const long start = text.positionFromLineIndex(problem.line, problem.column);
        long end = text.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVE, static_cast<unsigned long>(start),
                                      static_cast<long>(problem.length));
        if (end <= start)
            end = length;   // past the text's end
        if (start < 0 || start >= length)
            continue;
        text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, indicator(problem.severity));
        text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORVALUE, static_cast<unsigned long>(i + 1));
        text.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start), end - start);
    }
}

void ScriptChecker::clearMarks()
{
    m_problems.clear();
    EditControl &text = control();
    for (const int indicator : {m_errorIndicator, m_warningIndicator}) {
        text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, indicator);
        text.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0UL, text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    }
}

QString ScriptChecker::messageAt(int position) const
{
    if (position < 0)
        return {};
    for (const int indicator : {m_errorIndicator, m_warningIndicator}) {
        const long value = control().SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, position);
        if (value > 0 && size_t(value) <= m_problems.size())
            return QString::fromStdString(m_problems[size_t(value) - 1].message);
    }
    return {};
}

void ScriptChecker::goTo(const ScriptProblem &problem)
{
    EditControl &text = control();
    text.moveCaret(problem.line, 0);
    const int position = text.positionFromLineIndex(problem.line, problem.column);
    text.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(std::max(position, 0)));
    PlaceJumpedLine(text, problem.line);
    text.setFocus();
}

void ScriptChecker::showTip(int position, int x, int y)
{
    const QString message = messageAt(position);
    if (!message.isEmpty())
        QToolTip::showText(control().viewport()->mapToGlobal(QPoint(x, y)), message, control().viewport());
}
