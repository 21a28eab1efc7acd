// Completion lists and calltips, decided from the line typed so far.
#include "script_completion.h"

#include <QRegularExpression>

#include <algorithm>

#include "analysis_service.h"
#include "command_catalogue.h"
#include "edit_control.h"
#include "parse.h"

namespace {

constexpr int LettersBeforeOffer = 3;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
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
        for (const CatalogueEntry &entry : CommandCatalogue()) {
            const QString name = trailingWord(GetParameter(entry.tag, QStringLiteral("CMD")).section(QLatin1Char(' '), 0, 0)
                                                  .section(QLatin1Char('('), 0, 0).section(QLatin1Char(';'), 0, 0));
            if (!name.isEmpty() && !byName.contains(name.toLower()))
                byName.insert(name.toLower(), GetParameter(entry.tag, QStringLiteral("HELP")));
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
    if (!before.isEmpty() && QStringLiteral(".@$'#").contains(before.back()))
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

QString CommandHelp(const QString &lineBeforeCaret)
{
    if (lineBeforeCaret.isEmpty() || (lineBeforeCaret.back() != QLatin1Char(' ') && lineBeforeCaret.back() != QLatin1Char('(')))
        return {};
    const QString before = lineBeforeCaret.left(lineBeforeCaret.size() - 1);
    const QString word = trailingWord(before);
    return word.isEmpty() ? QString() : catalogueHelp().value(word.toLower());
}

ScriptCompletion::ScriptCompletion(EditControl &control, const AnalysisService &analysis, const QStringList &keywords)
    : EditFeature(control)
    , m_analysis(analysis)
{
    for (const QString &keyword : keywords)
        m_keywords << keyword.trimmed();
    connect(this, &EditFeature::activeChanged, this, [this](bool active) { active ? start() : stop(); });
    setActive(true);
}

void ScriptCompletion::start()
{
    EditControl &text = control();
    text.SendScintilla(QsciScintillaBase::SCI_AUTOCSETIGNORECASE, 1UL);
    text.SendScintilla(QsciScintillaBase::SCI_AUTOCSETCASEINSENSITIVEBEHAVIOUR, 1UL);  // ignore case
    m_characters = connect(&text, &QsciScintillaBase::SCN_CHARADDED, this, &ScriptCompletion::characterAdded);
}

void ScriptCompletion::stop()
{
    disconnect(m_characters);
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
        for (const ScriptLabel &label : block->labels)
            labels << QString::fromStdString(label.name);
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
    if (character == ' ' || character == '(') {
        const QString help = CommandHelp(lineBeforeCaret);
        if (!help.isEmpty())
            text.SendScintilla(QsciScintillaBase::SCI_CALLTIPSHOW, static_cast<unsigned long>(caret), help.toUtf8().constData());
        return;
    }
    if (character > 0x7F || !isWordCharacter(QChar(character)) || text.SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE))
        return;
    const QStringList words = CompletionWords(lineBeforeCaret, m_keywords, labelsAtCaret());
    if (!words.isEmpty())
        text.SendScintilla(QsciScintillaBase::SCI_AUTOCSHOW, static_cast<unsigned long>(trailingWord(lineBeforeCaret).toUtf8().size()),
                           words.join(QLatin1Char(' ')).toUtf8().constData());
}
