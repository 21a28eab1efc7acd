// Marking the script's problems in the text and telling them when the mouse rests on one.
#include "script_checker.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

#include "edit_control.h"
#include "jump_placement.h"
#include "script_index.h"
#include "analysis_service.h"

namespace {

constexpr int DwellMilliseconds = 500;
// A large script has thousands of problems: they are marked in slices this long, the UI thread
// free between them.
constexpr qint64 SliceNanoseconds = 2'000'000;
// The index's name for a script not saved yet; no file path looks like it.
const std::string UnsavedScriptKey = "\n(unsaved script)";

} // namespace

ScriptChecker::ScriptChecker(EditControl &control, AnalysisService &analysis)
    : EditFeature(control)
    , m_analysis(analysis)
{
    m_errorIndicator = control.indicatorDefine(QsciScintilla::SquiggleIndicator);
    m_warningIndicator = control.indicatorDefine(QsciScintilla::DashesIndicator);
    // The squiggles take the scheme's colours, so they read on its paper.
    const auto colourMarks = [this](const ColourScheme *scheme) {
        const ColourScheme &colours = scheme ? *scheme : SchemeFor(SchemeKind::Light);
        this->control().setIndicatorForegroundColor(colours.errorMark, m_errorIndicator);
        this->control().setIndicatorForegroundColor(colours.warningMark, m_warningIndicator);
    };
    colourMarks(control.colourScheme());
    connect(&control, &EditControl::colourSchemeChanged, this, colourMarks);
    connect(&m_analysis, &AnalysisService::checked, this,
            [this](uint64_t, const std::shared_ptr<const AnalysisService::Problems> &problems) {
                if (isActive())
                    mark(*problems);
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
                                                            const std::atomic<bool> &cancelled) {
        const ScriptModel &model = text->model;
        if (!model.profile)
            return CheckScript(model, nullptr, options, cancelled);
        // The index holds this file as it was saved; the checks read the text being edited in
        // its place, so that the other files are compared with what the user sees.
        ScriptIndex withText = index ? *index : ScriptIndex(model.profile->ignoreCase);
        CheckOptions withPath = options;
        if (withPath.path.empty())
            withPath.path = UnsavedScriptKey;
        withText.add(withPath.path, std::shared_ptr<const ScriptModel>(text, &model));
        return CheckScript(model, &withText, withPath, cancelled);
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
    // The problems on screen are marked first; the problems are in text order.
    const EditControl &text = control();
    const int firstLine = int(text.SendScintilla(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE,
                                                 text.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE)));
    m_firstMarked = size_t(std::lower_bound(m_problems.begin(), m_problems.end(), firstLine,
                                            [](const ScriptProblem &problem, int line) { return problem.line < line; })
                           - m_problems.begin());
    m_marked = 0;
    // An edit moves the text under the problems' lines and columns: the rest stay unmarked.
    m_edited = connect(&control(), &EditControl::textEdited, this, &ScriptChecker::finishMarking);
    markSome();
}

void ScriptChecker::markSome()
{
    if (m_marked < 0)
        return;
    QElapsedTimer clock;
    clock.start();
    EditControl &text = control();
    const long length = text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const qsizetype count = qsizetype(m_problems.size());
    while (m_marked < count) {
        const size_t i = (m_firstMarked + size_t(m_marked++)) % size_t(count);
        const ScriptProblem &problem = m_problems[i];
        // Columns and lengths count characters: a character may take several bytes.
        const long start = text.positionFromLineIndex(problem.line, problem.column);
        long end = text.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVE, static_cast<unsigned long>(start),
                                      static_cast<long>(problem.length));
        if (end <= start)
            end = length;   // past the text's end
        if (start >= 0 && start < length) {
            text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, indicator(problem.severity));
            text.SendScintilla(QsciScintillaBase::SCI_SETINDICATORVALUE, static_cast<unsigned long>(i + 1));
            text.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start),
                               end - start);
        }
        if (m_marked % 16 == 0 && clock.nsecsElapsed() > SliceNanoseconds) {
            QTimer::singleShot(0, this, &ScriptChecker::markSome);
            return;
        }
    }
    finishMarking();
}

void ScriptChecker::finishMarking()
{
    if (m_marked < 0)
        return;
    m_marked = -1;
    disconnect(m_edited);
    Q_EMIT checked(m_problems);
}

void ScriptChecker::clearMarks()
{
    m_marked = -1;
    disconnect(m_edited);
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
