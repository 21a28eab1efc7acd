// Building the script model in one pass over the text, finding comments and strings as it goes.
#include "script_model.h"

#include "language_definition.h"
#include "script_styler.h"
#include "word_bytes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <unordered_map>

namespace {

constexpr size_t PieceSize = 1 << 20;

enum : unsigned char { WordByte = 1, SigilByte = 2, StructureByte = 4, BlankByte = 8, LineEndByte = 16, TextStartByte = 32 };

// Byte classes by table: the walk looks at every byte of the text.
const std::array<unsigned char, 256> ByteClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        const bool word = isWordByte(static_cast<unsigned char>(c));
        const bool sigil = c == '.' || c == '@' || c == '$' || c == '\'' || c == '#';
        const bool structure = c == '{' || c == '}' || c == '(' || c == ')' || c == '[' || c == ']' || c == ';';
        classes[size_t(c)] = (word ? WordByte : 0) | (sigil ? SigilByte : 0) | (structure ? StructureByte : 0)
            | ((c == ' ' || c == '\t') ? BlankByte : 0) | ((c == '\r' || c == '\n') ? LineEndByte : 0);
    }
    return classes;
}();

inline char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

// The words a statement may start with, in lower case, by open addressing.
class WordTable
{
public:
    // Of a word in any case: its length and three of its bytes, so a look-up costs the same for
    // any word; the few words that share them are told apart by comparing.
    static uint32_t hash(std::string_view word)
    {
        if (word.empty())
            return 0;
        const auto byte = [&word](size_t i) { return uint32_t(static_cast<unsigned char>(asciiLower(word[i]))); };
        const uint32_t key = (uint32_t(word.size()) << 24) ^ (byte(0) << 16) ^ (byte(word.size() / 2) << 8)
            ^ byte(word.size() - 1);
        return key * 2654435761u;
    }

    void reserve(size_t count)
    {
        size_t size = 16;
        while (size < count * 4)
            size *= 2;
        m_slots.assign(size, {});
        m_mask = uint32_t(size - 1);
    }

    // Keeps the first grammar given for a word unless replace is set.
    void add(std::string_view word, int grammar, bool replace)
    {
        const uint32_t h = hash(word);
        uint32_t at = (h >> 16) & m_mask;
        for (; m_slots[at].used; at = (at + 1) & m_mask) {
            if (m_slots[at].hash == h && m_slots[at].word == word) {
                if (replace)
                    m_slots[at].grammar = grammar;
                return;
            }
        }
        m_slots[at] = {true, h, word, grammar};
    }

    // The grammar of a word in any case, or 0.
    int find(std::string_view word) const
    {
        const uint32_t h = hash(word);
        for (uint32_t at = (h >> 16) & m_mask; m_slots[at].used; at = (at + 1) & m_mask) {
            const Slot &slot = m_slots[at];
            if (slot.hash != h || slot.word.size() != word.size())
                continue;
            size_t i = 0;
            while (i < word.size() && asciiLower(word[i]) == slot.word[i])
                ++i;
            if (i == word.size())
                return slot.grammar;
        }
        return 0;
    }

private:
    struct Slot
    {
        bool used = false;
        uint32_t hash = 0;
        std::string_view word;
        int grammar = 0;
    };
    std::vector<Slot> m_slots;
    uint32_t m_mask = 0;
};

inline bool isSigil(unsigned char c)
{
    return ByteClasses[c] & SigilByte;
}

// The punctuation that opens or closes something: brackets and the statement's end.
inline bool isStructure(unsigned char c)
{
    return ByteClasses[c] & StructureByte;
}

std::string lower(std::string_view word)
{
    std::string result(word);
    for (char &c : result)
        if (c >= 'A' && c <= 'Z')
            c = char(c + ('a' - 'A'));
    return result;
}

// Words of the language's grammar, known whatever the definition file lists; Command stands
// for the definition's keywords.
enum class Grammar { None, Command, Condition, Else, Case, Default, Goto, Callsub, Function, Event, Menu, Other };

const std::pair<const char *, Grammar> GrammarWords[] = {
    {"if", Grammar::Condition}, {"while", Grammar::Condition}, {"for", Grammar::Condition},
    {"switch", Grammar::Condition}, {"else", Grammar::Else}, {"do", Grammar::Else}, {"case", Grammar::Case},
    {"default", Grammar::Default}, {"goto", Grammar::Goto}, {"callsub", Grammar::Callsub},
    {"function", Grammar::Function}, {"doevent", Grammar::Event}, {"donpcevent", Grammar::Event},
    {"menu", Grammar::Menu}, {"select", Grammar::Menu}, {"break", Grammar::Other},
    {"continue", Grammar::Other}, {"return", Grammar::Other}, {"end", Grammar::Other}};

// Longer words are no command of the language: they are looked up no further.
constexpr size_t LongestWord = 64;

struct Header
{
    BlockKind kind;
    std::string_view name;
};

// Whether a line may be a header: its first field, which holds no blank, quote, bracket or ";",
// is followed by a tab or a blank.
bool mayBeHeader(const unsigned char *line, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        switch (line[i]) {
        case '\t':
        case ' ':
            return i > 0;
        case '\r': case '\n': case '"': case '(': case ')': case ';': case '{': case '}':
            return false;
        default:
            break;
        }
    }
    return false;
}

// A line such as "prontera,150,150,4<TAB>script<TAB>Name<TAB>100,{"; blanks stand in for
// tabs only when strict is false. The name is a view of line.
std::optional<Header> parseHeader(std::string_view line, bool strict)
{
    // The first three fields, and the last two: a name written with blanks for tabs runs from
    // the third field to the one before the last.
    std::string_view fields[3];
    std::string_view beforeLast;
    std::string_view last;
    size_t count = 0;
    const char separator = line.find('\t') != std::string_view::npos ? '\t' : ' ';
    if (separator == ' ' && strict)
        return std::nullopt;
    for (size_t start = 0; start < line.size();) {
        size_t end = line.find(separator, start);
        if (end == std::string_view::npos)
            end = line.size();
        if (end > start) {
            const std::string_view field = line.substr(start, end - start);
            if (count < 3)
                fields[count] = field;
            beforeLast = last;
            last = field;
            ++count;
        }
        start = end + 1;
    }
    if (count < 3)
        return std::nullopt;
    std::string_view name = fields[2];
    if (separator == ' ' && count > 4)
        name = std::string_view(fields[2].data(), size_t(beforeLast.data() + beforeLast.size() - fields[2].data()));
    const std::string_view place = fields[0];
    if (place.find_first_of(" \"();{}") != std::string_view::npos)
        return std::nullopt;
    // Types are short: a longer field is compared by its start, which is all "duplicate(" needs.
    char lowered[32];
    const size_t typeSize = std::min(fields[1].size(), sizeof lowered);
    for (size_t i = 0; i < typeSize; ++i)
        lowered[i] = asciiLower(fields[1][i]);
    const std::string_view type(lowered, typeSize);
    while (!name.empty() && (name.back() == '\r' || name.back() == ' '))
        name.remove_suffix(1);
    Header header{BlockKind::Npc, name};
    if (type == "script") {
        if (place == "function")
            header.kind = BlockKind::Function;
        else if (place == "-")
            header.kind = BlockKind::FloatingScript;
        else if (place.find(',') != std::string_view::npos)
            header.kind = BlockKind::Npc;
        else
            return std::nullopt;
    } else if (type == "shop" || type == "cashshop" || type == "itemshop" || type == "pointshop"
               || type == "marketshop" || type == "trader") {
        header.kind = BlockKind::Shop;
    } else if (type == "warp" || type == "warp2") {
        header.kind = BlockKind::Warp;
    } else if (type == "monster" || type == "boss_monster" || type == "miniboss_monster") {
        header.kind = BlockKind::Monster;
    } else if (type == "mapflag") {
        header.kind = BlockKind::MapFlag;
    } else if (type.substr(0, 10) == "duplicate(") {
        header.kind = BlockKind::Duplicate;
    } else {
        return std::nullopt;
    }
    return header;
}

// A block's labels and jumps come a few at a time: room for four at once saves growing by one, then two.
template <typename T>
void add(std::vector<T> &list, T &&item)
{
    if (list.capacity() == 0)
        list.reserve(4);
    list.push_back(std::move(item));
}

enum class TokenType { Word, Number, String, Punct };

struct Token
{
    TokenType type;
    std::string_view text;
    int line;
    int column;
    bool sigil = false;     // a variable: .@a, $b, @c, 'd, #e, or a name ending in "$"
    unsigned char next = 0; // the first non-blank byte after the token on its line, 0 at the end
    unsigned char after = 0; // the byte after that one
};

// A comment or a string at a token's first byte, as a text source tells.
struct TextRun
{
    bool found = false;
    bool comment = false;
    bool opensComment = false;  // a block comment opens here
    bool open = false;          // a string that reaches the line end
    size_t end = 0;             // past its end on this line
};

// Comments and strings found with the styler's text tokens as the scan reaches them. at() is asked
// at every byte that no word run holds, in text order, once each: it keeps the open comment.
class FoundTexts
{
public:
    FoundTexts(const ScriptStyler &styler, const char *text, size_t size, int &comment)
        : m_styler(styler), m_text(text), m_size(size), m_comment(comment), m_classes(ByteClasses)
    {
        for (size_t c = 0; c < m_classes.size(); ++c)
            if (styler.mayOpenText(static_cast<unsigned char>(c)))
                m_classes[c] |= TextStartByte;
    }

    // No word byte opens a comment or a string here.
    static constexpr bool WordsMayOpenText = false;
    unsigned char classOf(unsigned char c) const { return m_classes[c]; }
    // Whether a comment or a string may open at byte i, of class classOf(text[i]).
    bool mayOpen(size_t, unsigned char classes) const { return classes & TextStartByte; }
    // Whether the line at byte i starts inside a comment that an earlier line opened.
    bool commentGoesOn(size_t) const { return m_comment != 0; }

    TextRun at(size_t i) const
    {
        const bool goesOn = m_comment != 0;
        const ScriptStyler::TextRun run = m_styler.textRunAt(m_text, int(i), int(m_size), m_comment);
        if (run.kind == ScriptStyler::TextKind::None)
            return {};
        const bool comment = run.kind != ScriptStyler::TextKind::String;
        return {true, comment, !goesOn && run.kind == ScriptStyler::TextKind::BlockComment,
                !comment && run.open, size_t(run.end)};
    }

    bool plain(size_t i) const { return !(m_classes[static_cast<unsigned char>(m_text[i])] & TextStartByte); }

    // The first byte from i on that is a line end, a bracket, a ";" or may open a comment or a string.
    size_t skipPlain(size_t i) const
    {
        while (i < m_size && !(m_classes[static_cast<unsigned char>(m_text[i])] & (LineEndByte | StructureByte | TextStartByte)))
            ++i;
        return i;
    }

    // The last "{" of a line's bytes [from, to) that is code, or npos. Reads the comments and strings
    // on the way, so the scan goes on at that "{", or at to when there is none.
    size_t lastCodeBrace(size_t from, size_t to) const
    {
        size_t brace = std::string_view::npos;
        for (size_t j = from; j < to;) {
            if (isWordByte(static_cast<unsigned char>(m_text[j]))) {
                ++j;
                while (j < to && isWordByte(static_cast<unsigned char>(m_text[j])))
                    ++j;
                continue;
            }
            const TextRun run = (m_comment || mayOpen(j, classOf(static_cast<unsigned char>(m_text[j])))) ? at(j) : TextRun{};
            if (run.found) {
                j = run.end;
                continue;
            }
            if (m_text[j] == '{')
                brace = j;
            ++j;
        }
        if (brace != std::string_view::npos)
            m_comment = 0;      // no comment is open at a "{" that is code
        return brace;
    }

private:
    const ScriptStyler &m_styler;
    const char *m_text;
    size_t m_size;
    int &m_comment;
    std::array<unsigned char, 256> m_classes;
};

// Comments and strings read from the bytes' styles.
class StyledTexts
{
public:
    StyledTexts(const char *text, const unsigned char *styles, size_t size)
        : m_text(text), m_styles(styles), m_size(size)
    {
    }

    static constexpr bool WordsMayOpenText = true;
    unsigned char classOf(unsigned char c) const { return ByteClasses[c]; }
    bool mayOpen(size_t i, unsigned char) const { return !plain(i); }
    bool commentGoesOn(size_t i) const { return m_styles[i] == ScriptStyler::Comment; }

    TextRun at(size_t i) const
    {
        const unsigned char style = m_styles[i];
        if (style != ScriptStyler::Comment && style != ScriptStyler::String)
            return {};
        size_t j = i;
        while (j < m_size && m_styles[j] == style && m_text[j] != '\n' && m_text[j] != '\r')
            ++j;
        TextRun run{true, style == ScriptStyler::Comment, false, false, j};
        if (run.comment) {
            run.opensComment = m_text[i] == '/' && i + 1 < m_size && m_text[i + 1] == '*';
            return run;
        }
        // Strings side by side make one run: it is open when a quote in it has no partner.
        for (size_t k = i; k < j; ++k) {
            if (!run.open && m_text[k] == '"')
                run.open = true;
            else if (run.open && m_text[k] == '\\')
                ++k;
            else if (run.open && m_text[k] == '"')
                run.open = false;
        }
        return run;
    }

    bool plain(size_t i) const { return m_styles[i] != ScriptStyler::Comment && m_styles[i] != ScriptStyler::String; }

    size_t skipPlain(size_t i) const
    {
        while (i < m_size && !(ByteClasses[static_cast<unsigned char>(m_text[i])] & (LineEndByte | StructureByte)) && plain(i))
            ++i;
        return i;
    }

    size_t lastCodeBrace(size_t from, size_t to) const
    {
        for (size_t j = to; j > from; --j)
            if (m_text[j - 1] == '{' && plain(j - 1))
                return j - 1;
        return std::string_view::npos;
    }

private:
    const char *m_text;
    const unsigned char *m_styles;
    size_t m_size;
};

// Up to this many labels in a block, each is compared with each: cheaper than sorting them.
constexpr size_t SmallLabelCount = 16;

class Builder
{
public:
    Builder(const ScriptStyler &styler, const std::unordered_set<std::string> &keywords)
        : m_styler(styler), m_keywords(keywords)
    {
        // One table for every word a statement may start with, keyed by views of their bytes.
        m_words.reserve(keywords.size() + std::size(GrammarWords));
        for (const std::string &keyword : keywords)
            m_words.add(keyword, int(Grammar::Command), false);
        for (const auto &[word, grammar] : GrammarWords)
            m_words.add(word, int(grammar), true);
    }

    ScriptModel build(std::string_view text);

private:
    struct Open
    {
        char bracket;
        int line;
        int column;
        bool blockBody;
    };

    enum class Expect { Nothing, JumpTarget, CallTarget, FunctionName, EventName };

    template <typename Texts>
    void scan(const char *text, size_t size, Texts &texts);
    template <typename Texts>
    size_t startLine(const char *text, size_t size, size_t i, Texts &texts);
    void lineEnded();
    void token(const Token &token);
    void punct(const Token &token);
    void bodyToken(const Token &token);
    void statementToken(const Token &token);
    void closeMenuArgument();
    void startBlock(const Header &header);
    void endBlock(int line);
    void checkManyLabels(const ScriptBlock &block);
    void report(ProblemKind kind, int line, int column, int length, std::string message);
    void reportOpen(const Open &open);
    bool inBody() const { return m_block >= 0 && m_bodyOpen; }
    bool inPlainStatement() const
    {
        return inBody() && !m_statementStart && !m_skipColon && !m_skipToColon && !m_menu
            && m_expect == Expect::Nothing && !m_pendingSemicolon;
    }
    bool inMenuArguments() const
    {
        return inBody() && m_menu && !m_statementStart && !m_skipColon && !m_skipToColon
            && m_expect == Expect::Nothing && !m_pendingSemicolon;
    }
    // A token of a menu's argument other than the "," that ends it.
    void menuArgumentToken(TokenType type, bool sigil, std::string_view text, int column)
    {
        ++m_menuArgumentTokens;
        if (m_stack.size() == m_menuDepth && type == TokenType::Word && !sigil)
            m_menuLabel = MenuLabel{text, m_line, column};
        else
            m_menuLabel.reset();
    }
    void endStatement()
    {
        m_statementStart = true;
        m_statementTokens = 0;
        m_statementBase = m_stack.size();
        m_awaitCondition = false;
    }
    // Counts the tokens of bytes [from, to) of a plain statement, as the last token stands.
    void countPlainRun(const unsigned char *bytes, size_t from, size_t to, size_t lineStart)
    {
        while (to > from && (ByteClasses[bytes[to - 1]] & BlankByte))
            --to;
        if (to == from)
            return;
        size_t start = to - 1;
        const bool suffix = bytes[start] == '$' && start > from && isWordByte(bytes[start - 1]);
        const bool word = isWordByte(bytes[start]) || suffix;
        if (word) {
            // Read back as the scan reads forward: sigils, a word, and a "$" after it.
            start -= suffix ? 1 : 0;
            while (start > from && isWordByte(bytes[start - 1]))
                --start;
            while (start > from && isSigil(bytes[start - 1])
                   && !(bytes[start - 1] == '$' && start - 1 > from && isWordByte(bytes[start - 2])))
                --start;
        }
        countPlainToken(int(start - lineStart), int(to - start), word);
    }
    void countPlainToken(int column, int length, bool ends)
    {
        m_lastLine = m_line;
        m_lastColumn = column;
        m_lastLength = length;
        ++m_statementTokens;
        m_lastEnds = ends;
    }
    bool nested() const { return m_stack.size() > m_statementBase; }
    int braceDepth() const;

    const ScriptStyler &m_styler;
    const std::unordered_set<std::string> &m_keywords;
    WordTable m_words;
    ScriptModel m_model;

    int m_line = 0;
    std::vector<Open> m_stack;
    std::optional<std::pair<int, int>> m_commentStart;

    int m_block = -1;               // index in m_model.blocks, -1 between blocks
    bool m_bodyOpen = false;
    bool m_awaitBody = false;

    // The statement being read.
    bool m_statementStart = true;
    int m_statementTokens = 0;
    size_t m_statementBase = 0;     // stack size where the statement began
    bool m_lastEnds = false;        // the last token could end a statement
    size_t m_conditionDepth = 0;    // stack size inside "if (", 0 when no condition is read
    bool m_awaitCondition = false;
    bool m_skipToColon = false;     // "case ...:"
    bool m_skipColon = false;       // the ":" after a label or "default"
    Expect m_expect = Expect::Nothing;
    bool m_expectParen = false;
    std::optional<Token> m_event;   // a "Name::Label" string waiting for its end
    bool m_pendingSemicolon = false;
    bool m_openString = false;      // on this line: the statement's end is not known
    int m_lastLine = 0;
    int m_lastColumn = 0;
    int m_lastLength = 0;

    // A "menu" or "select" statement's arguments: every second one names a label.
    bool m_menu = false;
    size_t m_menuDepth = 0;
    int m_menuArgument = 0;
    int m_menuArgumentTokens = 0;
    // The argument read so far, when it is a single word that may name a label.
    struct MenuLabel
    {
        std::string_view name;
        int line = 0;
        int column = 0;
    };
    std::optional<MenuLabel> m_menuLabel;

    std::vector<ScriptProblem> m_unknown;
    std::vector<std::string_view> m_unknownWords;   // m_unknown's, as written
    std::vector<std::string_view> m_functions;      // names the script defines, as written
    std::vector<std::string_view> m_names;  // checkManyLabels's
    std::vector<size_t> m_order;
};

int Builder::braceDepth() const
{
    int depth = 0;
    for (const Open &open : m_stack)
        depth += open.bracket == '{';
    return depth;
}

void Builder::report(ProblemKind kind, int line, int column, int length, std::string message)
{
    m_model.problems.push_back({kind, line, column, std::max(length, 1), std::move(message)});
}

void Builder::reportOpen(const Open &open)
{
    report(ProblemKind::Pairing, open.line, open.column, 1,
           std::string("'") + open.bracket + "' is not closed");
}

ScriptModel Builder::build(std::string_view text)
{
    int comment = 0;    // the open comment, as the styler's state gives it
    if (m_styler.textTokensDecide()) {
        // The comments and strings are found as the scan reaches them: one pass over the text.
        FoundTexts texts(m_styler, text.data(), text.size(), comment);
        scan(text.data(), text.size(), texts);
    } else {
        // Other tokens can change where comments and strings lie: the styler tells, a piece at a time.
        std::vector<unsigned char> styles;
        std::vector<ScriptStyler::Line> lines;
        int state = 0;
        size_t at = 0;
        while (at < text.size()) {
            size_t length = std::min(PieceSize, text.size() - at);
            if (at + length < text.size()) {
                // Pieces end at a line end, where the styler can stop and start again.
                const size_t lastBreak = text.substr(at, length).find_last_of('\n');
                if (lastBreak != std::string_view::npos)
                    length = lastBreak + 1;
            }
            styles.resize(length);
            lines.clear();
            m_styler.styleCommentsAndStrings(text.data() + at, int(length), state, styles.data(), lines);
            if (!lines.empty())
                state = lines.back().nextState;
            StyledTexts texts(text.data() + at, styles.data(), length);
            scan(text.data() + at, length, texts);
            at += length;
        }
        comment = state & 0xFF;
    }
    if (comment && m_commentStart)
        report(ProblemKind::OpenText, m_commentStart->first, m_commentStart->second, 2, "Comment is not closed");
    if (m_block >= 0)
        endBlock(m_line);
    for (const Open &open : m_stack)
        reportOpen(open);
    // A word the script defines as a function is a command of its own.
    if (!m_unknown.empty()) {
        std::unordered_set<std::string> functions;
        for (std::string_view name : m_functions)
            functions.insert(lower(name));
        for (size_t i = 0; i < m_unknown.size(); ++i)
            if (!functions.count(lower(m_unknownWords[i])))
                m_model.problems.push_back(std::move(m_unknown[i]));
    }
    std::stable_sort(m_model.problems.begin(), m_model.problems.end(),
                     [](const ScriptProblem &a, const ScriptProblem &b) {
                         return a.line != b.line ? a.line < b.line : a.column < b.column;
                     });
    return std::move(m_model);
}

template <typename Texts>
size_t Builder::startLine(const char *text, size_t size, size_t i, Texts &texts)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    if (i >= size)
        return i;
    if (texts.commentGoesOn(i)) {
        const TextRun run = texts.at(i);
        if (run.opensComment)
            m_commentStart = std::make_pair(m_line, 0);
        return run.end;
    }
    const unsigned char classes = texts.classOf(bytes[i]);
    if ((classes & (BlankByte | LineEndByte)) || texts.mayOpen(i, classes) || !mayBeHeader(bytes + i, size - i))
        return i;
    size_t end = i;
    size_t brace = std::string_view::npos;
    bool mayHoldText = false;
    for (; end < size && !(ByteClasses[bytes[end]] & LineEndByte); ++end) {
        if (bytes[end] == '{')
            brace = end;
        mayHoldText = mayHoldText || texts.mayOpen(end, texts.classOf(bytes[end]));
    }
    const std::optional<Header> header = parseHeader(std::string_view(text + i, end - i), !m_stack.empty());
    if (!header)
        return i;
    startBlock(*header);
    // The header's own words are not statements: go on at its "{", if any.
    if (mayHoldText)
        brace = texts.lastCodeBrace(i, end);
    if (brace != std::string_view::npos) {
        m_awaitBody = true;
        return brace;
    }
    // A script's "{" may stand on a line of its own; other blocks end here.
    if (header->kind == BlockKind::Npc || header->kind == BlockKind::FloatingScript || header->kind == BlockKind::Function)
        m_awaitBody = true;
    else
        endBlock(m_line);
    return end;
}

template <typename Texts>
void Builder::scan(const char *text, size_t size, Texts &texts)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    size_t lineStart = 0;
    size_t i = startLine(text, size, 0, texts);
    while (i < size) {
        const unsigned char c = bytes[i];
        const unsigned char classes = texts.classOf(c);
        size_t j = i + 1;
        TokenType type = TokenType::Punct;
        bool sigil = false;
        if ((classes & WordByte) && !(Texts::WordsMayOpenText && texts.mayOpen(i, classes))) {
            while (j < size && isWordByte(bytes[j]))
                ++j;
            if (j < size && bytes[j] == '$' && texts.plain(j)) {
                sigil = true;
                ++j;
            }
            type = (c >= '0' && c <= '9') ? TokenType::Number : TokenType::Word;
        } else if (classes & BlankByte) {
            while (j < size && (ByteClasses[bytes[j]] & BlankByte))
                ++j;
            i = j;
            continue;
        } else if (classes & LineEndByte) {
            i += (c == '\r' && j < size && bytes[j] == '\n') ? 2 : 1;
            lineEnded();
            ++m_line;
            lineStart = i;
            i = startLine(text, size, i, texts);
            continue;
        } else if (texts.mayOpen(i, classes)) {
            const TextRun run = texts.at(i);
            if (run.found && run.comment) {
                if (run.opensComment)
                    m_commentStart = std::make_pair(m_line, int(i - lineStart));
                i = run.end;
                continue;
            }
            if (run.found) {
                j = run.end;
                m_openString = m_openString || run.open;
                if (run.open)
                    report(ProblemKind::OpenText, m_line, int(i - lineStart), int(j - i), "String is not closed");
                type = TokenType::String;
            }
        } else if (classes & SigilByte) {
            // A sigil never starts a comment or a string in the definitions this is written for;
            // where one does, the variable ends before it.
            while (j < size && isSigil(bytes[j]) && texts.plain(j))
                ++j;
            const size_t wordStart = j;
            while (j < size && isWordByte(bytes[j]))
                ++j;
            if (j == wordStart) {
                j = i + 1;
            } else {
                sigil = true;
                if (j < size && bytes[j] == '$' && texts.plain(j))
                    ++j;
                type = (bytes[wordStart] >= '0' && bytes[wordStart] <= '9') ? TokenType::Number : TokenType::Word;
            }
        }
        const int column = int(i - lineStart);
        if (inPlainStatement()) {
            // Most tokens sit inside a statement that asks nothing of them: count them and go on.
            if (type != TokenType::Punct || !(classes & StructureByte)) {
                countPlainToken(column, int(j - i), type != TokenType::Punct);
                // Up to the next bracket, ";", comment, string or line end nothing can change
                // the statement: only its last token is wanted, should the line end there.
                i = texts.skipPlain(j);
                if (i > j)
                    countPlainRun(bytes, j, i, lineStart);
                continue;
            }
            // So does the ";" that ends one.
            if (c == ';' && !nested()) {
                m_lastLine = m_line;
                m_lastColumn = column;
                m_lastLength = 1;
                endStatement();
                i = j;
                continue;
            }
        }
        if ((type != TokenType::Punct || !(classes & StructureByte)) && inMenuArguments()) {
            // A menu's arguments: every second one may name a label.
            if (type == TokenType::Punct && c == ',' && m_stack.size() == m_menuDepth)
                closeMenuArgument();
            else
                menuArgumentToken(type, sigil, std::string_view(text + i, j - i), column);
            countPlainToken(column, int(j - i), type != TokenType::Punct);
            i = j;
            continue;
        }
        Token token{type, std::string_view(text + i, j - i), m_line, column, sigil};
        if ((type == TokenType::Word && m_statementStart) || (type == TokenType::String && m_expect == Expect::EventName)) {
            // Only a statement's first word and an event's name are judged by what follows them.
            size_t k = j;
            while (k < size && (ByteClasses[bytes[k]] & BlankByte))
                ++k;
            token.next = (k < size && !(ByteClasses[bytes[k]] & LineEndByte)) ? bytes[k] : 0;
            token.after = (token.next && k + 1 < size) ? bytes[k + 1] : 0;
        }
        i = j;
        this->token(token);
    }
}

void Builder::lineEnded()
{
    if (inBody() && !m_statementStart && m_statementTokens > 0 && !nested() && m_lastEnds && !m_openString
        && !m_awaitCondition && !m_skipToColon && m_expect == Expect::Nothing)
        m_pendingSemicolon = true;
    m_openString = false;
}

void Builder::startBlock(const Header &header)
{
    if (m_block >= 0)
        endBlock(m_line - 1);
    // A header inside braces: the braces before it were never closed.
    for (const Open &open : m_stack)
        reportOpen(open);
    m_stack.clear();
    ScriptBlock block;
    block.kind = header.kind;
    block.name = header.name;
    block.line = m_line;
    block.endLine = m_line;
    m_model.blocks.push_back(std::move(block));
    m_block = int(m_model.blocks.size()) - 1;
    m_bodyOpen = false;
    m_awaitBody = false;
    if (header.kind == BlockKind::Function)
        m_functions.push_back(header.name);
}

void Builder::checkManyLabels(const ScriptBlock &block)
{
    // Sorted names, not sets; the lists are kept from block to block.
    std::vector<std::string_view> &names = m_names;
    names.clear();
    for (const ScriptLabel &label : block.labels)
        names.push_back(label.name);
    m_order.resize(names.size());
    for (size_t i = 0; i < m_order.size(); ++i)
        m_order[i] = i;
    // By name, then by place: the first of equal names is the one defined, the others are twice.
    std::sort(m_order.begin(), m_order.end(),
              [&names](size_t a, size_t b) { return names[a] != names[b] ? names[a] < names[b] : a < b; });
    for (size_t i = 1; i < m_order.size(); ++i) {
        if (names[m_order[i]] != names[m_order[i - 1]])
            continue;
        const ScriptLabel &twice = block.labels[m_order[i]];
        report(ProblemKind::DuplicateLabel, twice.line, twice.column, int(twice.name.size()),
               "Label '" + twice.name + "' is defined twice in this block");
    }
    const auto lowerLess = [](std::string_view a, std::string_view b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return asciiLower(x) < asciiLower(y);
        });
    };
    std::sort(names.begin(), names.end(), lowerLess);
    for (const ScriptJump &jump : block.jumps)
        if (!std::binary_search(names.begin(), names.end(), std::string_view(jump.target), lowerLess))
            report(ProblemKind::MissingLabel, jump.line, jump.column, int(jump.target.size()),
                   "Label '" + jump.target + "' is not defined in this block");
}

void Builder::endBlock(int line)
{
    ScriptBlock &block = m_model.blocks[size_t(m_block)];
    block.endLine = std::max(line, block.line);
    // A block has few labels and a script a great many blocks: a few labels are compared one
    // with another, more are sorted.
    if (block.labels.size() <= SmallLabelCount) {
        for (size_t i = 1; i < block.labels.size(); ++i) {
            const ScriptLabel &label = block.labels[i];
            for (size_t j = 0; j < i; ++j) {
                if (block.labels[j].name == label.name) {
                    report(ProblemKind::DuplicateLabel, label.line, label.column, int(label.name.size()),
                           "Label '" + label.name + "' is defined twice in this block");
                    break;
                }
            }
        }
        for (const ScriptJump &jump : block.jumps) {
            const bool found = std::any_of(block.labels.begin(), block.labels.end(), [&jump](const ScriptLabel &label) {
                return label.name.size() == jump.target.size()
                    && std::equal(label.name.begin(), label.name.end(), jump.target.begin(),
                                  [](char x, char y) { return asciiLower(x) == asciiLower(y); });
            });
            if (!found)
                report(ProblemKind::MissingLabel, jump.line, jump.column, int(jump.target.size()),
                       "Label '" + jump.target + "' is not defined in this block");
        }
    } else {
        checkManyLabels(block);
    }
    m_block = -1;
    m_bodyOpen = false;
    m_awaitBody = false;
    m_statementStart = true;
    m_pendingSemicolon = false;
}

void Builder::token(const Token &token)
{
    if (m_pendingSemicolon) {
        // Only a new statement on the next line shows that the last one ended without ";".
        if ((token.type == TokenType::Word && !token.sigil) || (token.type == TokenType::Punct && token.text[0] == '}'))
            report(ProblemKind::MissingSemicolon, m_lastLine, m_lastColumn, m_lastLength,
                   "';' is missing after this");
        m_pendingSemicolon = false;
    }
    m_lastLine = token.line;
    m_lastColumn = token.column;
    m_lastLength = int(token.text.size());
    const char c = token.text[0];
    if (token.type == TokenType::Punct && (c == '{' || c == '}' || c == '(' || c == ')' || c == '[' || c == ']'))
        punct(token);
    else if (inBody())
        bodyToken(token);
}

inline void Builder::bodyToken(const Token &token)
{
    // Brackets inside a statement that asks nothing of them count as its other tokens do.
    if (!m_statementStart && !m_skipColon && !m_skipToColon && !m_menu && m_expect == Expect::Nothing
        && (token.type != TokenType::Punct || token.text[0] != ';')) {
        ++m_statementTokens;
        m_lastEnds = token.type != TokenType::Punct || token.text[0] == ')' || token.text[0] == ']';
        return;
    }
    // So are the ";" that end such statements.
    if (token.type == TokenType::Punct && token.text[0] == ';' && !m_skipColon && !m_skipToColon && !m_menu
        && m_expect == Expect::Nothing && !nested()) {
        endStatement();
        return;
    }
    statementToken(token);
}

void Builder::punct(const Token &token)
{
    const char c = token.text[0];
    if (c == '{' || c == '(' || c == '[') {
        if (c == '(' && m_awaitCondition) {
            m_awaitCondition = false;
            m_conditionDepth = m_stack.size() + 1;
        }
        const bool body = c == '{' && m_block >= 0 && m_awaitBody && braceDepth() == 0;
        if (c != '{' && inBody())
            bodyToken(token);
        m_stack.push_back({c, token.line, token.column, body});
        if (body) {
            m_bodyOpen = true;
            m_awaitBody = false;
        }
        if (c == '{') {
            m_statementStart = true;
            m_statementTokens = 0;
            m_statementBase = m_stack.size();
            m_menu = false;
        }
        return;
    }
    const char opening = c == '}' ? '{' : c == ')' ? '(' : '[';
    if (!m_stack.empty() && m_stack.back().bracket == opening) {
        const Open open = m_stack.back();
        m_stack.pop_back();
        if (c != '}') {
            if (inBody())
                bodyToken(token);
            if (c == ')' && m_conditionDepth && m_stack.size() + 1 == m_conditionDepth) {
                m_conditionDepth = 0;
                m_statementStart = true;
                m_statementTokens = 0;
                m_statementBase = m_stack.size();
            }
            return;
        }
        if (open.blockBody && m_block >= 0) {
            endBlock(token.line);
            m_statementBase = m_stack.size();
            return;
        }
    } else if (c == '}' && braceDepth() > 0) {
        // Brackets left open inside the block end with it.
        while (m_stack.back().bracket != '{') {
            reportOpen(m_stack.back());
            m_stack.pop_back();
        }
        const Open open = m_stack.back();
        m_stack.pop_back();
        if (open.blockBody && m_block >= 0) {
            endBlock(token.line);
            m_statementBase = m_stack.size();
            return;
        }
    } else {
        report(ProblemKind::Pairing, token.line, token.column, 1,
               std::string("'") + c + "' has no matching '" + opening + "'");
        return;
    }
    m_statementStart = true;
    m_statementTokens = 0;
    m_statementBase = m_stack.size();
    m_conditionDepth = 0;
    m_menu = false;
    m_skipToColon = false;
    m_expect = Expect::Nothing;
}

void Builder::closeMenuArgument()
{
    if (m_menuArgument % 2 == 1 && m_menuArgumentTokens == 1 && m_menuLabel) {
        add(m_model.blocks[size_t(m_block)].jumps, {std::string(m_menuLabel->name), m_menuLabel->line, m_menuLabel->column});
    }
    ++m_menuArgument;
    m_menuArgumentTokens = 0;
    m_menuLabel.reset();
}

void Builder::statementToken(const Token &token)
{
    ScriptBlock &block = m_model.blocks[size_t(m_block)];
    const char first = token.text[0];
    const bool punctuation = token.type == TokenType::Punct;

    if (m_skipColon && punctuation && first == ':') {
        m_skipColon = false;
        return;
    }
    m_skipColon = false;
    if (m_skipToColon) {
        if (punctuation && first == ':' && !nested()) {
            m_skipToColon = false;
            m_statementStart = true;
            m_statementTokens = 0;
        }
        return;
    }

    // What the word before asked for: a label, a function's name or an event string.
    const Expect expect = m_expect;
    m_expect = Expect::Nothing;
    if (expect == Expect::CallTarget && punctuation && first == '(' && !m_expectParen) {
        m_expectParen = true;
        m_expect = Expect::CallTarget;
    } else if ((expect == Expect::JumpTarget || expect == Expect::CallTarget) && token.type == TokenType::Word && !token.sigil) {
        add(block.jumps, {std::string(token.text), token.line, token.column});
    } else if (expect == Expect::FunctionName && token.type == TokenType::Word) {
        m_functions.push_back(token.text);
    } else if (expect == Expect::EventName) {
        if (punctuation && first == '(' && !m_expectParen) {
            m_expectParen = true;
            m_expect = Expect::EventName;
        } else if (token.type == TokenType::String && (token.next == ';' || token.next == ')' || token.next == ',')) {
            const std::string_view event = token.text.substr(1, token.text.size() - 2);
            const size_t split = event.find("::");
            if (split != std::string_view::npos && token.text.back() == '"') {
                const std::string_view npc = event.substr(0, split);
                const std::string_view label = event.substr(split + 2);
                const std::string_view shortName = std::string_view(block.name).substr(0, block.name.find('#'));
                if (!label.empty() && (npc == block.name || npc == shortName))
                    add(block.jumps, {std::string(label), token.line, token.column + int(split) + 3});
            }
        }
    }

    if (m_menu) {
        // An opening bracket is seen before it is pushed, a closing one after it is popped.
        const size_t depth = m_stack.size();
        if (punctuation && first == '(' && m_menuArgument == 0 && m_menuArgumentTokens == 0 && depth == m_menuDepth) {
            m_menuDepth = depth + 1;    // "select(": the arguments sit inside
        } else if (punctuation && (first == ',' || first == ';') && depth == m_menuDepth) {
            closeMenuArgument();
            m_menu = first == ',';
        } else if (punctuation && first == ')' && depth + 1 == m_menuDepth) {
            closeMenuArgument();
            m_menu = false;
        } else {
            menuArgumentToken(token.type, token.sigil, token.text, token.column);
        }
    }

    if (punctuation && first == ';' && !nested()) {
        m_statementStart = true;
        m_statementTokens = 0;
        m_statementBase = m_stack.size();
        m_menu = false;
        m_awaitCondition = false;
        return;
    }

    if (m_statementStart && token.type == TokenType::Word && !token.sigil) {
        m_statementStart = false;
        m_statementTokens = 1;
        m_statementBase = m_stack.size();
        m_lastEnds = true;
        const std::string_view word = token.text;
        const Grammar grammar = word.size() <= LongestWord ? Grammar(m_words.find(word)) : Grammar::None;
        if (token.next == ':' && token.after != ':') {
            if (grammar == Grammar::Default) {
                m_skipColon = true;
                m_statementStart = true;
                return;
            }
            add(block.labels, {std::string(word), token.line, token.column});
            m_skipColon = true;
            m_statementStart = true;
            return;
        }
        m_expectParen = false;
        switch (grammar) {
        case Grammar::Condition:
            m_awaitCondition = true;
            return;
        case Grammar::Else:
            m_statementStart = true;
            return;
        case Grammar::Case:
            m_skipToColon = true;
            return;
        case Grammar::Goto: m_expect = Expect::JumpTarget; return;
        case Grammar::Callsub: m_expect = Expect::CallTarget; return;
        case Grammar::Function: m_expect = Expect::FunctionName; return;
        case Grammar::Event: m_expect = Expect::EventName; return;
        case Grammar::Menu:
            m_menu = true;
            m_menuDepth = m_stack.size();
            m_menuArgument = 0;
            m_menuArgumentTokens = 0;
            m_menuLabel.reset();
            return;
        case Grammar::Default:
        case Grammar::Other:
        case Grammar::Command:
            return;
        case Grammar::None:
            break;
        }
        // A command: a word followed by its arguments, not by an assignment.
        const unsigned char n = token.next;
        const bool command = n == 0 || n == ';' || n == '"' || n == '(' || isWordByte(n) || n == '.'
            || n == '@' || n == '$' || n == '\'';
        // Without a keyword list every command would be unknown: nothing can be told then.
        if (command && !m_keywords.empty()) {
            m_unknown.push_back({ProblemKind::UnknownCommand, token.line, token.column, int(word.size()),
                                 "Unknown command '" + std::string(word) + "'"});
            m_unknownWords.push_back(word);
        }
        return;
    }
    if (m_statementStart && (token.type != TokenType::Punct || first != ';')) {
        m_statementStart = false;
        m_statementTokens = 0;
        m_statementBase = m_stack.size();
    }
    ++m_statementTokens;
    m_lastEnds = token.type != TokenType::Punct || first == ')' || first == ']';
}

} // namespace

const ScriptBlock *ScriptModel::blockAt(int line) const
{
    auto it = std::upper_bound(blocks.begin(), blocks.end(), line,
                               [](int l, const ScriptBlock &block) { return l < block.line; });
    if (it == blocks.begin())
        return nullptr;
    --it;
    return line <= it->endLine ? &*it : nullptr;
}

ScriptModel BuildScriptModel(const ScriptStyler &styler, const std::unordered_set<std::string> &keywords,
                             std::string_view text)
{
    return Builder(styler, keywords).build(text);
}

std::unordered_set<std::string> CommandWords(const LanguageDefinition &definition)
{
    std::unordered_set<std::string> words;
    for (const QString &keyword : LanguageDefinition::tokens(definition.keywords))
        words.insert(lower(keyword.trimmed().toStdString()));
    return words;
}

std::vector<ScriptProblem> CheckScript(const ScriptModel &model, const CheckOptions &options)
{
    std::vector<ScriptProblem> problems;
    for (const ScriptProblem &problem : model.problems)
        if (options.unknownCommands || problem.kind != ProblemKind::UnknownCommand)
            problems.push_back(problem);
    return problems;
}
