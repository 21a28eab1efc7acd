// Marking the script's problems in the text and telling them when the mouse rests on one.
#include "script_checker.h"

#include <QToolTip>

#include "edit_control.h"
#include "jump_placement.h"
#include "script_analyser.h"

namespace {

constexpr int DwellMilliseconds = 500;

} // namespace

ScriptChecker::ScriptChecker(EditControl &control, std::shared_ptr<const ScriptResources> resources)
    : EditFeature(control)
    , m_analyser(new ScriptAnalyser(std::move(resources), this))
{
    m_indicator = control.indicatorDefine(QsciScintilla::SquiggleIndicator);
    control.setIndicatorForegroundColor(QColor(0xD0, 0x20, 0x20), m_indicator);
    connect(m_analyser, &ScriptAnalyser::finished, this, [this](std::shared_ptr<const ScriptModel> model) {
        if (!isActive())
            return;
        const std::vector<ScriptProblem> problems = CheckScript(*model, m_options);
        mark(problems);
        Q_EMIT checked(problems);
    });
    connect(this, &EditFeature::activeChanged, this, [this](bool active) {
        if (!active)
            clearMarks();
    });
    control.SendScintilla(QsciScintillaBase::SCI_SETMOUSEDWELLTIME, DwellMilliseconds);
    connect(&control, &QsciScintillaBase::SCN_DWELLSTART, this, &ScriptChecker::showTip);
    connect(&control, &QsciScintillaBase::SCN_DWELLEND, this, [] { QToolTip::hideText(); });
    setActive(true);
}

void ScriptChecker::check()
{
    if (isActive())
        takeSnapshot([this](QByteArray text) { m_analyser->analyse(std::move(text)); });
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
    PlaceJumpedLine(text, problem.line);
    text.setFocus();
}

void ScriptChecker::showTip(int position, int x, int y)
{
    const QString message = messageAt(position);
    if (!message.isEmpty())
        QToolTip::showText(control().viewport()->mapToGlobal(QPoint(x, y)), message, control().viewport());
}
