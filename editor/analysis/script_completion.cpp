// Completion lists and calltips, decided from the line typed so far.
#include "script_completion.h"

#include <QRegularExpression>
#include <QToolTip>

#include <algorithm>
#include <vector>

#include "analysis_service.h"
#include "command_catalogue.h"
#include "edit_control.h"
#include "parse.h"
#include "script_profile.h"

namespace {

constexpr int LettersBeforeOffer = 3;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// A variable's sigil: the word after it names a variable, not a command.
bool isSigil(QChar c)
{
    return QStringLiteral(".@$'#").contains(c);
}

QString trailingWord(const QString &text)
{
    int start = int(text.size());
    while (start > 0 && isWordCharacter(text[start - 1]))
        --start;
    return text.mid(start);
}

// Whether the text before a word puts it where a menu expects a label: after an odd number
// of commas outside strings.
bool atMenuLabel(const QString &before)
{
    static const QRegularExpression menu(QStringLiteral("^\\s*menu\\b(.*),\\s*$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = menu.match(before);
    if (!match.hasMatch())
        return false;
    int commas = 1;
    bool inString = false;
    const QString arguments = match.captured(1);
    for (int i = 0; i < arguments.size(); ++i) {
        if (inString && arguments[i] == QLatin1Char('\\'))
            ++i;
        else if (arguments[i] == QLatin1Char('"'))
            inString = !inString;
        else if (!inString && arguments[i] == QLatin1Char(','))
            ++commas;
    }
    return commas % 2 == 1;
}

const QHash<QString, QString> &catalogueHelp()
{
    static const QHash<QString, QString> help = [] {
        QHash<QString, QString> byName;
        for (const CatalogueEntry &entry : commandCatalogue()) {
            const QString name = trailingWord(entry.text.section(QLatin1Char(' '), 0, 0)
                                                  .section(QLatin1Char('('), 0, 0).section(QLatin1Char(';'), 0, 0));
            if (!name.isEmpty() && !byName.contains(name.toLower()))
                byName.insert(name.toLower(), entry.help);
        }
        return byName;
    }();
    return help;
}

} // namespace

QStringList CompletionWords(const QString &lineBeforeCaret, const QStringList &keywords, const QStringList &labels)
{
    const QString word = trailingWord(lineBeforeCaret);
    if (word.size() < LettersBeforeOffer || word[0].isDigit())
        return {};
    const QString before = lineBeforeCaret.left(lineBeforeCaret.size() - word.size());
    // A variable's name follows its sigil: nothing to offer.
    if (!before.isEmpty() && isSigil(before.back()))
        return {};
    static const QRegularExpression jump(QStringLiteral("\\b(goto|callsub)\\s*\\(?\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const bool label = jump.match(before).hasMatch() || atMenuLabel(before);
    QStringList words;
    for (const QString &candidate : label ? labels : keywords)
        if (candidate.startsWith(word, Qt::CaseInsensitive) && !candidate.contains(QLatin1Char(' ')))
            words << candidate;
    std::sort(words.begin(), words.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

namespace {

// The command named just before a closing blank or "(" of lineBeforeCaret; empty when none is.
QString commandBefore(const QString &lineBeforeCaret)
{
    if (lineBeforeCaret.isEmpty() || (lineBeforeCaret.back() != QLatin1Char(' ') && lineBeforeCaret.back() != QLatin1Char('(')))
        return {};
    const QString before = lineBeforeCaret.left(lineBeforeCaret.size() - 1);
    const QString word = trailingWord(before);
    // A variable of the same name is no command.
    const QString ahead = before.left(before.size() - word.size());
    if (!ahead.isEmpty() && isSigil(ahead.back()))
        return {};
    return word;
}

// Calltips do not wrap: a long help line would run off the window, so it is broken at blanks.
QString wrappedHelp(const QString &help)
{
    constexpr int Width = 80;
    QString text = help;
    int lineStart = 0;
    while (text.size() - lineStart > Width) {
        const int blank = text.lastIndexOf(QLatin1Char(' '), lineStart + Width);
        if (blank <= lineStart)
            break;  // one word longer than a line stays whole
        text[blank] = QLatin1Char('\n');
        lineStart = blank + 1;
    }
    return text;
}

} // namespace

QString CommandHelp(const QString &lineBeforeCaret)
{
    const QString word = commandBefore(lineBeforeCaret);
    return word.isEmpty() ? QString() : catalogueHelp().value(word.toLower());
}

QString CommandTip(const QString &name, const ScriptProfile *profile)
{
    if (name.isEmpty())
        return {};
    const QString help = wrappedHelp(catalogueHelp().value(name.toLower()));
    const ScriptCommand *command = profile ? profile->command(name.toStdString()) : nullptr;
    if (!command)
        return help;
    const QString shape = QString::fromStdString(FormatSignature(*command));
    return help.isEmpty() ? shape : shape + QLatin1Char('\n') + help;
}

QString CommandTipBefore(const QString &lineBeforeCaret, const ScriptProfile *profile)
{
    return CommandTip(commandBefore(lineBeforeCaret), profile);
}

CaretContext ContextBefore(const QString &lineBeforeCaret)
{
    struct Open
    {
        QString name;           // the word before the "("
        bool condition = false; // of if, while, for or switch: the statement starts after it
    };
    std::vector<Open> opens;
    QString statement;          // the first word of the statement, while it may be a command
    int statementEnd = 0;       // just after that word
    bool atStart = true;        // no word of the statement read yet
    bool inString = false;
    QString word;
    const auto endStatement = [&] {
        statement.clear();
        atStart = true;
    };
    const auto isNameCharacter = [](QChar c) { return isWordCharacter(c) || isSigil(c); };
    const int size = int(lineBeforeCaret.size());
    for (int i = 0; i < size; ++i) {
        const QChar c = lineBeforeCaret[i];
        if (inString) {
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == QLatin1Char('"'))
                inString = false;
            continue;
        }
        if (isNameCharacter(c)) {
            const int start = i;
            while (i + 1 < size && isNameCharacter(lineBeforeCaret[i + 1]))
                ++i;
            word = lineBeforeCaret.mid(start, i - start + 1);
            if (word.compare(QLatin1String("else"), Qt::CaseInsensitive) == 0) {
                endStatement();
            } else if (atStart) {
                atStart = false;
                statement = word;
                statementEnd = i + 1;
            }
            continue;
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;   // "if (" names its "(" as "if(" does
        const QString before = word;
        word.clear();
        if (c == QLatin1Char('"')) {
            inString = true;
        } else if (c == QLatin1Char('/') && i + 1 < size && lineBeforeCaret[i + 1] == QLatin1Char('/')) {
            return {true, {}};
        } else if (c == QLatin1Char('(')) {
            static const QStringList conditions{QStringLiteral("if"), QStringLiteral("while"), QStringLiteral("for"),
                                                QStringLiteral("switch")};
            opens.push_back({before, conditions.contains(before, Qt::CaseInsensitive) && before == statement});
        } else if (c == QLatin1Char(')')) {
            if (!opens.empty()) {
                const bool condition = opens.back().condition;
                opens.pop_back();
                if (condition && opens.empty())
                    endStatement();
            }
        } else if (c == QLatin1Char(';') && !opens.empty() && opens.front().condition) {
            // A "for" loop's own parts.
        } else if (c == QLatin1Char(';') || c == QLatin1Char('{') || c == QLatin1Char('}')) {
            opens.clear();
            endStatement();
        } else if (c == QLatin1Char(':') && opens.empty()
                   && !(i + 1 < size && lineBeforeCaret[i + 1] == QLatin1Char(':'))
                   && !(i > 0 && lineBeforeCaret[i - 1] == QLatin1Char(':'))) {
            endStatement();     // after a label or a case
        } else if (c == QLatin1Char('=') && opens.empty() && !atStart) {
            statement.clear();  // an assignment: its first word is a variable
        }
    }
    if (inString)
        return {true, {}};
    if (!opens.empty())
        return {false, opens.back().name};
    // A statement's command takes its arguments after its name.
    return {false, !statement.isEmpty() && statementEnd < size ? statement : QString()};
}

ScriptCompletion::ScriptCompletion(EditControl &control, const AnalysisService &analysis, const QStringList &keywords)
    : EditFeature(control)
    , m_analysis(analysis)
{
    for (const QString &keyword : keywords)
        m_definitionKeywords << keyword.trimmed();
    m_keywords = m_definitionKeywords;
    connect(this, &EditFeature::activeChanged, this, [this](bool active) { active ? start() : stop(); });
    setActive(true);
}

void ScriptCompletion::start()
{
    EditControl &text = control();
    text.SendScintilla(QsciScintillaBase::SCI_AUTOCSETIGNORECASE, 1UL);
    text.SendScintilla(QsciScintillaBase::SCI_AUTOCSETCASEINSENSITIVEBEHAVIOUR, 1UL);  // ignore case
    m_characters = connect(&text, &QsciScintillaBase::SCN_CHARADDED, this, &ScriptCompletion::characterAdded);
    m_dwell = connect(&text, &QsciScintillaBase::SCN_DWELLSTART, this, &ScriptCompletion::showTip);
}

void ScriptCompletion::setProfile(std::shared_ptr<const ScriptProfile> profile)
{
    m_profile = std::move(profile);
    m_keywords = m_definitionKeywords;
    if (m_profile)
        for (const ScriptCommand &command : m_profile->commands)
            m_keywords << QString::fromStdString(command.name);
}

QString ScriptCompletion::tipAt(int position) const
{
    const EditControl &text = control();
    const long length = text.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    if (!isActive() || position < 0 || position >= length)
        return {};
    const long start = text.SendScintilla(QsciScintillaBase::SCI_WORDSTARTPOSITION, static_cast<unsigned long>(position), 1L);
    const long end = text.SendScintilla(QsciScintillaBase::SCI_WORDENDPOSITION, static_cast<unsigned long>(position), 1L);
    if (end <= start)
        return {};
    const auto *bytes = reinterpret_cast<const char *>(
        text.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    // A variable's name is no command, nor is a label being defined.
    const char before = start > 0 ? char(text.SendScintilla(QsciScintillaBase::SCI_GETCHARAT, static_cast<unsigned long>(start - 1))) : ' ';
    const char after = end < length ? char(text.SendScintilla(QsciScintillaBase::SCI_GETCHARAT, static_cast<unsigned long>(end))) : ' ';
    if ((before && isSigil(QLatin1Char(before))) || after == ':')
        return {};
    return CommandTip(QString::fromUtf8(bytes, qsizetype(end - start)), m_profile.get());
}

void ScriptCompletion::showTip(int position, int x, int y)
{
    const QString tip = tipAt(position);
    if (tip.isEmpty())
        return;
    // A problem's message shown for the same place stays above the command's shape.
    const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::showText(control().viewport()->mapToGlobal(QPoint(x, y)), shown.isEmpty() ? tip : shown + QLatin1Char('\n') + tip,
                       control().viewport());
}

void ScriptCompletion::stop()
{
    disconnect(m_characters);
    disconnect(m_dwell);
    control().SendScintilla(QsciScintillaBase::SCI_AUTOCCANCEL);
    control().SendScintilla(QsciScintillaBase::SCI_CALLTIPCANCEL);
}

QStringList ScriptCompletion::labelsAtCaret() const
{
    int line = 0;
    int column = 0;
    control().getCursorPosition(&line, &column);
    QStringList labels;
    // The latest model may be a few keys behind the text: its labels still hold.
    const std::shared_ptr<const AnalysedText> text = m_analysis.latest();
    if (const ScriptBlock *block = text->model.blockAt(line))
        for (const ScriptLabel &label : text->model.labelsOf(*block))
            labels << QString::fromUtf8(label.name);
    return labels;
}

void ScriptCompletion::characterAdded(int character)
{
    EditControl &text = control();
    const long caret = text.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long line = text.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const long lineStart = text.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const auto *bytes = reinterpret_cast<const char *>(text.SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(lineStart), caret - lineStart));
    const QString lineBeforeCaret = QString::fromUtf8(bytes, qsizetype(caret - lineStart));
    if (character == ';' || character == '\n' || character == '\r') {
        text.SendScintilla(QsciScintillaBase::SCI_CALLTIPCANCEL);
        return;
    }
    // A blank or "(" after a command's name brings up its tip; a "," among its arguments again.
    if (character == ' ' || character == '(' || character == ',') {
        QString help = character == ',' ? QString() : CommandTipBefore(lineBeforeCaret, m_profile.get());
        if (help.isEmpty() && character != '(') {
            const CaretContext context = ContextBefore(lineBeforeCaret);
            help = context.inText ? QString() : CommandTip(context.command, m_profile.get());
        }
        if (!help.isEmpty())
            text.SendScintilla(QsciScintillaBase::SCI_CALLTIPSHOW, static_cast<unsigned long>(caret), help.toUtf8().constData());
        return;
    }
    if (character > 0x7F || !isWordCharacter(QChar(character)) || text.SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE))
        return;
    // Words typed in a string or a comment are the script's text, not names to complete.
    if (ContextBefore(lineBeforeCaret).inText)
        return;
    const QStringList words = CompletionWords(lineBeforeCaret, m_keywords, labelsAtCaret());
    if (!words.isEmpty())
        text.SendScintilla(QsciScintillaBase::SCI_AUTOCSHOW, static_cast<unsigned long>(trailingWord(lineBeforeCaret).toUtf8().size()),
                           words.join(QLatin1Char(' ')).toUtf8().constData());
}
