// Marking the script's problems in the text and telling them when the mouse rests on one.
#include "script_checker.h"

#include <QToolTip>

#include "edit_control.h"
#include "analysis_service.h"

namespace {

constexpr int DwellMilliseconds = 500;

} // namespace

ScriptChecker::ScriptChecker(EditControl &control, AnalysisService &analysis)
    : EditFeature(control)
    , m_analysis(analysis)
{
    m_indicator = control.indicatorDefine(QsciScintilla::SquiggleIndicator);
    control.setIndicatorForegroundColor(QColor(0xD0, 0x20, 0x20), m_indicator);
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
    m_analysis.check([options = m_options](const ScriptModel &model, const std::atomic<bool> &) {
        return CheckScript(model, options);
    });
}

void ScriptChecker::setOptions(const CheckOptions &options)
{
    m_options = options;
}

void ScriptChecker::mark(const std::vector<ScriptProblem> &problems)
{
    clearMarks();
    m_problems = problems;
    EditControl &text = control();
    const long length = text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
    for (size_t i = 0; i < problems.size(); ++i) {
        const ScriptProblem &problem = problems[i];
        const long start = text.positionFromLineIndex(problem.line, problem.column);
        const long size = std::min<long>(problem.length, length - start);
        if (start < 0 || size <= 0)
            continue;
        text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORVALUE, static_cast<unsigned long>(i + 1));
        text.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start), size);
    }
}

void ScriptChecker::clearMarks()
{
    m_problems.clear();
    EditControl &text = control();
    text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
    text.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0UL, text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
}

QString ScriptChecker::messageAt(int position) const
{
    if (position < 0)
        return {};
    const long value = control().SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, m_indicator, position);
    if (value <= 0 || size_t(value) > m_problems.size())
        return {};
    return QString::fromStdString(m_problems[size_t(value) - 1].message);
}

void ScriptChecker::goTo(const ScriptProblem &problem)
{
    EditControl &text = control();
    text.moveCaret(problem.line, 0);
    const int position = text.positionFromLineIndex(problem.line, problem.column);
    text.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(std::max(position, 0)));
    text.setFocus();
}

void ScriptChecker::showTip(int position, int x, int y)
{
    const QString message = messageAt(position);
    if (!message.isEmpty())
        QToolTip::showText(control().viewport()->mapToGlobal(QPoint(x, y)), message, control().viewport());
}
