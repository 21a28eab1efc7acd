// The "NPC Script" language: feeds the document's bytes to ScriptStyler and writes back its results.
#include "script_lexer.h"

#include <QColor>
#include <QFont>

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <optional>

#include "colour_theme.h"

static_assert(ScriptStyler::FoldBase == QsciScintillaBase::SC_FOLDLEVELBASE
                  && ScriptStyler::FoldHeader == QsciScintillaBase::SC_FOLDLEVELHEADERFLAG
                  && ScriptStyler::MaxDepth + ScriptStyler::FoldBase == QsciScintillaBase::SC_FOLDLEVELNUMBERMASK,
              "the styler's fold levels are Scintilla's");

namespace {

// Whole lines of about this many bytes are styled at a time, so a full restyle of a large file
// needs no buffer as large as the file.
constexpr int ChunkSize = 1 << 18;

} // namespace

ScriptLexer::ScriptLexer(const LanguageDefinition &definition, QObject *parent)
    : QsciLexerCustom(parent), m_styler(definition)
{
}

const char *ScriptLexer::language() const
{
    return "NPC Script";
}

QString ScriptLexer::description(int style) const
{
    switch (style) {
    case Default: return tr("Default");
    case Keyword: return tr("Keyword");
    case Operator: return tr("Operator");
    case Comment: return tr("Comment");
    case String: return tr("String");
    case Number: return tr("Number");
    case TagAttribute: return tr("Tag attribute");
    case TagElement: return tr("Tag element");
    case ScopeKeyword: return tr("Scope keyword");
    default: return QString();
    }
}

QColor ScriptLexer::defaultColor(int style) const
{
    switch (style) {
    case Keyword: return QColor(0x00, 0x00, 0xFF);
    case Operator: return QColor(0x80, 0x00, 0x00);
    case Comment: return QColor(0x00, 0x80, 0x00);
    case String: return QColor(0xA0, 0x00, 0xA0);
    case Number: return QColor(0xFF, 0x80, 0x00);
    case TagAttribute: return QColor(0x80, 0x80, 0x00);
    case TagElement: return QColor(0x00, 0x80, 0xC0);
    case ScopeKeyword: return QColor(0x00, 0x00, 0x80);
    default: return QColor(0x00, 0x00, 0x00);
    }
}

QFont ScriptLexer::defaultFont(int style) const
{
    QFont font = QsciLexerCustom::defaultFont(style);
    if (style == Keyword || style == ScopeKeyword)
        font.setBold(true);
    if (style == Comment)
        font.setItalic(true);
    return font;
}

bool ScriptLexer::caseSensitive() const
{
    return false;
}

void ScriptLexer::styleText(int start, int end)
{
    QsciScintilla *control = editor();
    if (!control)
        return;
    const auto sendMessage = [control](unsigned int message, unsigned long wParam = 0, long lParam = 0) {
        return int(control->SendScintilla(message, wParam, lParam));
    };
    const int length = sendMessage(QsciScintillaBase::SCI_GETLENGTH);
    // A line's state is right only while the lines before it are styled.
    start = std::clamp(std::min(start, sendMessage(QsciScintillaBase::SCI_GETENDSTYLED)), 0, length);
    end = std::clamp(end, start, length);
    const int lineCount = sendMessage(QsciScintillaBase::SCI_GETLINECOUNT);
    const auto lineStart = [&](int line) {
        return line < lineCount ? sendMessage(QsciScintillaBase::SCI_POSITIONFROMLINE, line) : length;
    };
    int line = sendMessage(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
    const int lastLine = sendMessage(QsciScintillaBase::SCI_LINEFROMPOSITION, std::max(start, end - 1));
    const int stop = lineStart(lastLine + 1);
    int position = lineStart(line);
    int state = line > 0 ? sendMessage(QsciScintillaBase::SCI_GETLINESTATE, line) : 0;

    while (position < stop) {
        int chunkEnd = stop;
        if (stop - position > ChunkSize) {
            const int chunkLine = sendMessage(QsciScintillaBase::SCI_LINEFROMPOSITION, position + ChunkSize);
            chunkEnd = lineStart(std::max(chunkLine, line + 1));
        }
        const int size = chunkEnd - position;
        // Points into the document without copying it; only the gap may move.
        const auto *text = reinterpret_cast<const char *>(control->SendScintilla(
            QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(position), long(size)));
        if (!text)
            return;
        m_styles.resize(size);
        m_lines.clear();
        m_styler.style(text, size, state, m_styles.data(), m_lines);

        sendMessage(QsciScintillaBase::SCI_STARTSTYLING, position);
        control->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, uintptr_t(size),
                               reinterpret_cast<const char *>(m_styles.data()));
        for (const ScriptStyler::Line &styled : m_lines) {
            sendMessage(QsciScintillaBase::SCI_SETFOLDLEVEL, line, styled.foldLevel);
            state = styled.nextState;
            if (++line < lineCount)
                sendMessage(QsciScintillaBase::SCI_SETLINESTATE, line, state);
        }
        position = chunkEnd;
    }
}

void ScriptLexer::applyColourTheme(const ColourTheme &theme)
{
    struct Look
    {
        int style;
        TextRole role;
        std::optional<EditorElement> colour;     // none: only the scheme colours the style
        std::optional<StyledElement> fontStyle;  // none: the style keeps its font
    };
    static const Look looks[] = {
        {Default, TextRole::Plain, std::nullopt, std::nullopt},
        {Keyword, TextRole::Keyword, EditorElement::KeywordText, StyledElement::Keyword},
        {ScopeKeyword, TextRole::ScopeKeyword, EditorElement::ScopeKeywordText, StyledElement::Keyword},
        {Operator, TextRole::Operator, EditorElement::OperatorText, StyledElement::Operator},
        {Comment, TextRole::Comment, EditorElement::CommentText, StyledElement::Comment},
        {String, TextRole::String, EditorElement::StringText, std::nullopt},
        {Number, TextRole::Number, EditorElement::NumberText, std::nullopt},
        {TagAttribute, TextRole::TagAttribute, std::nullopt, std::nullopt},
        {TagElement, TextRole::TagElement, std::nullopt, std::nullopt},
    };
    if (theme.scheme) {
        setDefaultPaper(theme.scheme->paper);
        setDefaultColor(theme.scheme->scriptText.at(TextRole::Plain));
    }
    for (const Look &look : looks) {
        QColor colour = look.colour ? theme.colour(*look.colour) : QColor();
        if (!colour.isValid() && theme.scheme)
            colour = theme.scheme->scriptText.at(look.role);
        setColor(colour.isValid() ? colour : defaultColor(look.style), look.style);
        setPaper(theme.scheme ? theme.scheme->paper : defaultPaper(look.style), look.style);
        if (!look.fontStyle)
            continue;
        // A bold or italic editor font stays so.
        const FontStyle fontStyle = theme.fontStyle(*look.fontStyle);
        QFont styled = font(look.style);
        styled.setBold(theme.font.bold() || fontStyle.testFlag(FontStyleFlag::Bold));
        styled.setItalic(theme.font.italic() || fontStyle.testFlag(FontStyleFlag::Italic));
        setFont(styled, look.style);
    }
}

#include "moc_script_lexer.cpp"
