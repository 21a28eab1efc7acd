// Reading a script as the server does: header lines split on tabs by the loader, then each body
// by the script grammar, with explicit state stacks so that deep nesting costs no more than depth.
#include "script_model.h"
#include "script_tokenizer.h"

#include <algorithm>
#include <array>
#include <cstring>

#include <sys/mman.h>

namespace {

// A reading records at most this many faults: a text of nothing but faults stays quick to show.
constexpr size_t MostProblems = 1000;
// Blocks and brackets nest at most this deep; deeper ones are counted, not kept, so that a text
// of nothing but openings costs no more memory than a normal one.
constexpr size_t MostDepth = 1024;
// A text from this size on has room for its lists taken at once.
constexpr size_t LargeText = 4 << 20;

enum class Keyword : unsigned char {
    None, If, Else, While, For, Do, Switch, Case, Default, Break, Continue, Function, Public, Private
};

inline char foldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A token with the line it stands on.
struct Tok
{
    TokenKind kind = TokenKind::End;
    bool variable = false;
    bool open = false;
    bool header = false;        // a header line inside a body: the body was never closed
    unsigned char operatorBits = 0; // ScriptOperator bits of a Punct token
    uint32_t start = 0;
    uint32_t length = 0;
    int line = 0;
    uint32_t lineStart = 0;
};

// A header line's fields as the loader splits them.
struct HeaderLine
{
    const ScriptHeaderKind *kind = nullptr;
    BlockKind blockKind = BlockKind::Npc;
    std::string_view name;
    std::string_view source;    // duplicate(<source>)
    size_t bodyBrace = std::string_view::npos;  // offset of the body's "{" in the text
    bool blanks = false;
};

// What a statement-level construct waits for.
enum class Frame : unsigned char {
    Body,           // the NPC's or function's script, up to its "}"
    Brace,          // "{ ... }"
    Switch,         // "switch (...) { ... }"
    LocalFunction,  // "function F { ... }"
    If,             // "if (...)", waiting for its statement
    IfDone,         // its statement read: an "else" may follow
    Else,
    Loop,           // "while (...)" or "for (...)", waiting for its statement
    Do,             // "do", waiting for its statement
    DoWhile,        // "do ... ": waiting for "while (...);"
};

struct StatementFrame
{
    Frame frame;
    int loops;          // loops around, up to the nearest function
    int switches;
    int switchFrame;    // index of the innermost switch frame, or -1
    uint32_t start;     // where it opened, for faults
    int line;
    uint32_t lineStart;
    int indent;         // the opening line's indentation, for a brace
};

// A switch's "case" values and whether it had a "default".
struct SwitchCases
{
    std::vector<std::string> values;
    bool hasDefault = false;
};

// What an expression is inside.
enum class Expr : unsigned char {
    Args,       // a statement command's arguments without brackets, up to ";"
    Call,       // "f(...)"
    Paren,      // "(...)"
    Index,      // "[...]"
    Condition,  // the condition of "if", "while", "switch": one expression
    DoCondition,// "while (...)" of a "do", then ";"
    Value,      // an assignment's value, up to ";"
    ForInit,    // the parts of "for (init; condition; step)"
    ForCondition,
    ForStep,
};

struct ExprFrame
{
    // Provided, so that a frame built in place is not first cleared whole: nearly every statement
    // builds one, and clearing it cost more than the rest of opening it.
    ExprFrame() {}

    Expr expr = Expr::Args;
    bool expectOperand = true;
    int ternaries = 0;
    int arguments = 0;          // arguments begun
    int argumentTokens = 0;     // tokens of the current argument
    int call = -1;              // the ScriptCall counted, or -1
    int command = -1;           // its profile command
    bool statementCall = false; // a statement's command with "(": its brackets may hold only a first value
    bool forPart = false;       // a command as a part of "for (...)"
    Tok name;                   // the called name
    Tok first;                  // the current argument's first token
    uint32_t start = 0;         // the opening bracket
    int line = 0;
    uint32_t lineStart = 0;
};

class Parser
{
public:
    Parser(std::shared_ptr<const ScriptProfile> profile, std::string_view text,
           const std::atomic<bool> *stop = nullptr, const ReadProgress *progress = nullptr)
        : m_profile(*profile), m_text(text), m_stop(stop), m_progress(progress)
    {
        m_model.profile = std::move(profile);
        auto names = std::make_shared<ScriptNames>();
        m_names = names.get();
        m_model.names = std::move(names);
    }

    ScriptModel build();
    bool anyHeader() const;

private:
    // File level.
    size_t topLevel(size_t at);
    bool readHeader(size_t lineStart, size_t lineEnd, bool strict, HeaderLine *header) const;
    size_t startBlock(const HeaderLine &header, size_t lineStart, size_t lineEnd);
    // Past the "}" that closes the "{" at brace, for a script that is not read.
    size_t skipScript(size_t brace);
    void endBlock(int line);

    // Body level.
    size_t body(size_t from);
    // Reads the next token into m_next, written in place: a token returned and copied costs a
    // stall on every token.
    void fetch();
    // After a line end: counts the line, and when the next line is a header, makes m_next the
    // End that says so and returns true. Kept out of fetch, whose every call it would slow.
    [[gnu::noinline]] bool lineEnded(const ScriptToken &lineEnd);
    // A "/*" is open where the tokenizer stands: the line it stands on is kept for its fault.
    void noteOpenComment();
    void advance();
    void statementToken();
    void expressionToken();
    void completeStatement();
    void beginStatement(const Tok &token);
    void beginCommand(const Tok &name, bool expression);
    void endArgument(ExprFrame &frame);
    void endExpression();
    void recordCall(const ExprFrame &frame);
    void closeBrace(const Tok &token);
    void recover();
    void tooDeep(const Tok &token);
    // Drops the expressions being read after a fault: their calls' arguments are not counted.
    void abandonExpressions();
    void unclosedAtEnd(uint32_t end, int line);

    // Faults and positions.
    int column(uint32_t lineStart, uint32_t at);
    void report(ProblemKind kind, const Tok &token, std::string message);
    void report(ProblemKind kind, int line, uint32_t lineStart, uint32_t start, uint32_t length, std::string message);
    std::string_view textOf(const Tok &token) const { return m_text.substr(token.start, token.length); }
    Keyword keyword(std::string_view word) const;
    bool is(const Tok &token, char c) const { return token.kind == TokenKind::Punct && token.length == 1 && m_text[token.start] == c; }
    static bool isAssignment(const Tok &token) { return token.operatorBits & ScriptOperator::Assigning; }
    static bool isBinary(const Tok &token) { return token.operatorBits & ScriptOperator::Binary; }
    // "++" or "--"
    static bool isStep(const Tok &token) { return token.operatorBits & ScriptOperator::Step; }
    // A name that may be called: no sigil before it, though "$" may end it, as in "_$(...)".
    bool callable(const Tok &token) const
    {
        const char c = m_text[token.start];
        return c != '.' && c != '@' && c != '$' && c != '\'' && c != '#';
    }
    int indentOf(uint32_t lineStart) const;
    // Whether the caller has told the reading to stop; the model is marked stopped when so.
    bool stopAsked()
    {
        m_model.stopped = m_model.stopped || (m_stop && m_stop->load(std::memory_order_relaxed));
        return m_model.stopped;
    }

    const ScriptProfile &m_profile;
    std::string_view m_text;
    ScriptModel m_model;
    ScriptNames *m_names;   // the model's, written while reading
    const std::atomic<bool> *m_stop;
    const ReadProgress *m_progress;
    unsigned m_tokensRead = 0;      // since the stop flag was last looked at

    // The reading position.
    ScriptTokenizer m_tokens{std::string_view()};
    int m_line = 0;
    uint32_t m_lineStart = 0;
    // The last, current and next tokens take turns in three slots: a token copied from one
    // slot to another on every step cost more than reading it.
    Tok m_slots[3];
    Tok *m_last = &m_slots[0];  // the last token taken before m_cur
    Tok *m_cur = &m_slots[1];
    Tok *m_next = &m_slots[2];
    int m_commentLine = 0;      // where an open "/*" stands
    uint32_t m_commentLineStart = 0;

    // The block being read.
    int m_block = -1;
    std::vector<StatementFrame> m_frames;
    std::vector<ExprFrame> m_exprs;
    std::vector<SwitchCases> m_switches;
    bool m_statementStart = true;
    bool m_bodyClosed = false;
    size_t m_overflow = 0;          // braces opened past MostDepth
    bool m_toldDepth = false;
    // The first "}" that closed a brace opened at another indentation: when the block turns
    // out unclosed, that brace is the one missing its "}".
    bool m_mismatch = false;
    StatementFrame m_mismatched{};

    // Column cache: columns of one line are asked in order.
    uint32_t m_columnLine = UINT32_MAX;
    uint32_t m_columnAt = 0;
    int m_columnValue = 0;
};

int Parser::column(uint32_t lineStart, uint32_t at)
{
    if (lineStart != m_columnLine || at < m_columnAt) {
        m_columnLine = lineStart;
        m_columnAt = lineStart;
        m_columnValue = 0;
    }
    const uint32_t until = uint32_t(std::min<size_t>(at, m_text.size()));
    // Eight bytes at a time: a byte counts unless it continues a character (10xxxxxx).
    constexpr uint64_t Highs = 0x8080808080808080ull;
    for (; m_columnAt + 8 <= until; m_columnAt += 8) {
        uint64_t bytes;
        std::memcpy(&bytes, m_text.data() + m_columnAt, 8);
        const uint64_t continuing = bytes & ~(bytes << 1) & Highs;
        // One bit per continuing byte, summed by a multiply into the top byte.
        m_columnValue += 8 - int(((continuing >> 7) * 0x0101010101010101ull) >> 56);
    }
    for (; m_columnAt < until; ++m_columnAt)
        m_columnValue += (static_cast<unsigned char>(m_text[m_columnAt]) & 0xC0) != 0x80;
    return m_columnValue;
}

void Parser::report(ProblemKind kind, const Tok &token, std::string message)
{
    report(kind, token.line, token.lineStart, token.start, std::max<uint32_t>(token.length, 1), std::move(message));
}

void Parser::report(ProblemKind kind, int line, uint32_t lineStart, uint32_t start, uint32_t length, std::string message)
{
    if (m_model.problems.size() >= MostProblems)
        return;
    const int first = column(lineStart, start);
    const int last = column(lineStart, start + length);
    m_model.problems.push_back({kind, line, first, std::max(last - first, 1), std::move(message)});
}

// The grammar's words, in lower case.
struct KeywordWord
{
    std::string_view word;
    Keyword keyword;
};
constexpr KeywordWord KeywordWords[] = {
    {"if", Keyword::If}, {"else", Keyword::Else}, {"while", Keyword::While}, {"for", Keyword::For},
    {"do", Keyword::Do}, {"switch", Keyword::Switch}, {"case", Keyword::Case}, {"default", Keyword::Default},
    {"break", Keyword::Break}, {"continue", Keyword::Continue}, {"function", Keyword::Function},
    {"public", Keyword::Public}, {"private", Keyword::Private},
};

Keyword Parser::keyword(std::string_view word) const
{
    // Most words are commands: their first letter and length already tell, read from a table
    // rather than a switch, whose jump the processor mostly guesses wrong.
    static constexpr auto Lengths = [] {
        std::array<uint16_t, 128> lengths{};    // bit n: a keyword of n letters starts so
        for (const KeywordWord &keyword : KeywordWords)
            lengths[size_t(keyword.word[0])] |= uint16_t(1u << keyword.word.size());
        return lengths;
    }();
    const size_t n = word.size();
    if (n < 2 || n > 8)
        return Keyword::None;
    const auto first = static_cast<unsigned char>(m_profile.ignoreCase ? foldCase(word[0]) : word[0]);
    if (first >= Lengths.size() || !((Lengths[first] >> n) & 1))
        return Keyword::None;
    char lowered[8];
    for (size_t i = 0; i < n; ++i)
        lowered[i] = m_profile.ignoreCase ? foldCase(word[i]) : word[i];
    const std::string_view w(lowered, n);
    for (const KeywordWord &keyword : KeywordWords) {
        if (keyword.word != w)
            continue;
        const bool visibility = keyword.keyword == Keyword::Public || keyword.keyword == Keyword::Private;
        return visibility && !m_profile.functionVisibility ? Keyword::None : keyword.keyword;
    }
    return Keyword::None;
}

int Parser::indentOf(uint32_t lineStart) const
{
    int indent = 0;
    for (size_t i = lineStart; i < m_text.size() && isBlank(m_text[i]); ++i)
        indent += m_text[i] == '\t' ? 4 : 1;
    return indent;
}

// ---------------------------------------------------------------------------------------------
// File level: the loader reads a line at a time.

bool Parser::readHeader(size_t lineStart, size_t lineEnd, bool strict, HeaderLine *header) const
{
    const std::string_view line = m_text.substr(lineStart, lineEnd - lineStart);
    // The loader's fields: w1<TAB>w2<TAB>w3<TAB>w4, w4 running to the next tab or the line end.
    std::string_view fields[4];
    int count = 0;
    size_t at = 0;
    bool blanks = false;
    if (line.find('\t') != std::string_view::npos || strict) {
        while (count < 4) {
            const size_t tab = line.find('\t', at);
            fields[count++] = line.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at);
            if (tab == std::string_view::npos)
                break;
            at = tab + 1;
        }
    }
    const auto kindOf = [this](std::string_view word, std::string_view *inside) -> const ScriptHeaderKind * {
        const size_t paren = word.find('(');
        if (paren != std::string_view::npos) {
            if (word.back() != ')')
                return nullptr;
            *inside = word.substr(paren + 1, word.size() - paren - 2);
            word = word.substr(0, paren);
        }
        const ScriptHeaderKind *kind = m_profile.header(word);
        if (!kind)
            return nullptr;
        const bool duplicate = kind->kind == BlockKind::Duplicate;
        if (paren == std::string_view::npos ? duplicate : !(duplicate || kind->takesState))
            return nullptr;
        return kind;
    };
    std::string_view inside;
    const ScriptHeaderKind *kind = count >= 2 ? kindOf(fields[1], &inside) : nullptr;
    if (kind && count < kind->minFields)
        return false;   // a header word, but fields missing: no blanks stand for them
    if (!kind) {
        if (strict)
            return false;
        // Blanks where tabs belong: read the words to tell the user what the line was meant to be.
        std::string_view words[64];
        int wordCount = 0;
        for (size_t i = 0; i < line.size() && wordCount < 64;) {
            while (i < line.size() && (isBlank(line[i]) || line[i] == '\r'))
                ++i;
            const size_t start = i;
            while (i < line.size() && !isBlank(line[i]) && line[i] != '\r')
                ++i;
            if (i > start)
                words[wordCount++] = line.substr(start, i - start);
        }
        inside = {};
        kind = wordCount >= 3 ? kindOf(words[1], &inside) : nullptr;
        if (!kind || wordCount < std::min(kind->minFields, 3))
            return false;
        const std::string_view place = words[0];
        if (place != "-" && place != "function" && place.find(',') == std::string_view::npos)
            return false;
        fields[0] = words[0];
        fields[1] = words[1];
        // The name runs up to the last word, which holds the sprite or the "{".
        const std::string_view lastWord = words[wordCount - 1];
        const bool nameToEnd = wordCount == 3 || kind->kind == BlockKind::MapFlag;
        const char *nameEnd = nameToEnd ? lastWord.data() + lastWord.size() : words[wordCount - 2].data() + words[wordCount - 2].size();
        fields[2] = std::string_view(words[2].data(), size_t(nameEnd - words[2].data()));
        fields[3] = nameToEnd ? std::string_view() : lastWord;
        count = nameToEnd ? 3 : 4;
        blanks = true;
    }
    header->kind = kind;
    header->blanks = blanks;
    header->source = inside;
    std::string_view name = fields[2];
    while (!name.empty() && (name.back() == '\r' || isBlank(name.back())))
        name.remove_suffix(1);
    header->name = name;
    const std::string_view place = fields[0];
    header->blockKind = kind->kind;
    if (kind->kind == BlockKind::Npc) {
        if (place == "function")
            header->blockKind = BlockKind::Function;
        else if (place == "-")
            header->blockKind = BlockKind::FloatingScript;
    }
    if (kind->hasBody && count >= 4) {
        const size_t brace = fields[3].find('{');
        if (brace != std::string_view::npos)
            header->bodyBrace = size_t(fields[3].data() - m_text.data()) + brace;
    }
    return true;
}

size_t Parser::topLevel(size_t at)
{
    const size_t size = m_text.size();
    while (at < size) {
        // The loader skips blanks, line ends and comments before a line.
        const char c = m_text[at];
        if (isBlank(c) || c == '\f' || c == '\v') {
            ++at;
            continue;
        }
        if (c == '\n' || c == '\r') {
            at += (c == '\r' && at + 1 < size && m_text[at + 1] == '\n') ? 2 : 1;
            ++m_line;
            m_lineStart = uint32_t(at);
            continue;
        }
        if (c == '/' && at + 1 < size && m_text[at + 1] == '/') {
            while (at < size && m_text[at] != '\n' && m_text[at] != '\r')
                ++at;
            continue;
        }
        if (c == '/' && at + 1 < size && m_text[at + 1] == '*') {
            const int line = m_line;
            const uint32_t lineStart = m_lineStart;
            const size_t opened = at;
            at += 2;
            for (;; ++at) {
                if (at >= size) {
                    report(ProblemKind::OpenText, line, lineStart, uint32_t(opened), 2, "Comment is not closed");
                    return size;
                }
                if (m_text[at] == '*' && at + 1 < size && m_text[at + 1] == '/') {
                    at += 2;
                    break;
                }
                if (m_text[at] == '\n' || (m_text[at] == '\r' && (at + 1 >= size || m_text[at + 1] != '\n'))) {
                    ++m_line;
                    m_lineStart = uint32_t(at + 1);
                }
            }
            continue;
        }
        size_t end = at;
        while (end < size && m_text[end] != '\n' && m_text[end] != '\r')
            ++end;
        HeaderLine header;
        if (readHeader(at, end, false, &header)) {
            at = startBlock(header, at, end);
            if (stopAsked())
                return size;
            if (m_progress)
                (*m_progress)(at);
            continue;
        }
        if (c == '}') {
            report(ProblemKind::Pairing, m_line, m_lineStart, uint32_t(at), 1, "'}' has no matching '{'");
            at = end;
            continue;
        }
        const std::string_view line = m_text.substr(at, end - at);
        const size_t tab = line.find('\t');
        const size_t nextTab = tab == std::string_view::npos ? tab : line.find('\t', tab + 1);
        if (nextTab == std::string_view::npos || nextTab == tab + 1) {
            report(ProblemKind::BadLine, m_line, m_lineStart, uint32_t(at), uint32_t(end - at),
                   "The server cannot read this line: a header needs its fields separated by tabs");
            at = end;
            continue;
        }
        // Tab-separated fields the loader still cannot take: say what is wrong with the word.
        const std::string_view word = line.substr(tab + 1, nextTab - tab - 1);
        if (!m_profile.header(word.substr(0, word.find('('))))
            report(ProblemKind::BadLine, m_line, m_lineStart, uint32_t(at + tab + 1), uint32_t(word.size()),
                   "'" + std::string(word.substr(0, 40)) + "' is not a header this server knows");
        else
            report(ProblemKind::BadLine, m_line, m_lineStart, uint32_t(at), uint32_t(end - at),
                   "The server cannot read this header: a field is missing or its word is misspelt");
        // The script after such a line is not read either: one finding, and reading goes on after
        // its "}".
        size_t last = end;
        while (last > at && isBlank(m_text[last - 1]))
            --last;
        at = last > at && m_text[last - 1] == '{' ? skipScript(last - 1) : end;
    }
    return at;
}

size_t Parser::skipScript(size_t brace)
{
    ScriptTokenizer tokens(m_text, brace + 1);
    int depth = 1;
    for (;;) {
        const ScriptToken token = tokens.next();
        if (token.kind == TokenKind::End)
            return m_text.size();
        if (token.kind == TokenKind::LineEnd) {
            ++m_line;
            m_lineStart = token.start + token.length;
        } else if (token.kind == TokenKind::Punct && token.length == 1) {
            const char c = m_text[token.start];
            if (c == '{')
                ++depth;
            else if (c == '}' && --depth == 0)
                return token.start + 1;
        }
    }
}

size_t Parser::startBlock(const HeaderLine &header, size_t lineStart, size_t lineEnd)
{
    ScriptBlock block;
    block.kind = header.blockKind;
    block.name = std::string(header.name);
    const size_t split = header.name.find("::");
    block.uniqueStart = split == std::string_view::npos ? 0 : uint32_t(split + 2);
    block.line = m_line;
    block.endLine = m_line;
    block.blankSeparated = header.blanks;
    // Going to a definition lands on the name itself.
    block.nameColumn = column(m_lineStart, uint32_t(header.name.data() - m_text.data()));
    if (!header.source.empty()) {
        block.source = int(m_model.sources.size());
        m_model.sources.push_back(
            {std::string(header.source), column(m_lineStart, uint32_t(header.source.data() - m_text.data()))});
    }
    // Blocks are read one at a time: the block's items are those added to the model's lists
    // until the next block starts.
    block.labels.first = uint32_t(m_model.labels.size());
    block.jumps.first = uint32_t(m_model.jumps.size());
    block.functions.first = uint32_t(m_model.functions.size());
    m_model.blocks.push_back(std::move(block));
    m_block = int(m_model.blocks.size()) - 1;
    if (header.blanks)
        report(ProblemKind::BlankHeader, m_line, m_lineStart, uint32_t(lineStart), uint32_t(lineEnd - lineStart),
               "The fields of this header are separated by blanks; the server needs tabs");
    if (!header.kind->hasBody || header.blockKind == BlockKind::Duplicate) {
        m_block = -1;
        return lineEnd;
    }
    if (header.bodyBrace == std::string_view::npos) {
        report(ProblemKind::BadLine, m_line, m_lineStart, uint32_t(lineStart), uint32_t(lineEnd - lineStart),
               "The script's '{' must stand at the end of its header line");
        m_block = -1;
        return lineEnd;
    }
    const size_t after = body(header.bodyBrace);
    m_block = -1;
    return after;
}

void Parser::endBlock(int line)
{
    ScriptBlock &block = m_model.blocks[size_t(m_block)];
    block.endLine = std::max(line, block.line);
}

// ---------------------------------------------------------------------------------------------
// Body level: the script grammar, a token at a time.

void Parser::fetch()
{
    for (;;) {
        const ScriptToken token = m_tokens.next();
        if (token.kind == TokenKind::LineEnd) {
            if (lineEnded(token))
                return;
            continue;
        }
        if (token.kind != TokenKind::End)
            m_commentLine = -1;
        *m_next = Tok{token.kind, token.variable, token.open, false, token.operatorBits, token.start, token.length,
                      m_line, m_lineStart};
        return;
    }
}

void Parser::noteOpenComment()
{
    // Opened on the current line: the first, or one after an earlier one closed ("*/ /*").
    if (m_commentLine < 0 || m_tokens.openComment() >= m_lineStart) {
        m_commentLine = m_line;
        m_commentLineStart = m_lineStart;
    }
}

bool Parser::lineEnded(const ScriptToken &lineEnd)
{
    if (!m_tokens.inComment())
        m_commentLine = -1;     // a comment opened later starts its own line
    else
        noteOpenComment();
    ++m_line;
    m_lineStart = lineEnd.start + lineEnd.length;
    // A header line inside a body: the body was never closed. Not looked for after the "}" that
    // closes the body, where the next block's header is read anyway.
    const size_t at = m_lineStart;
    const bool bodyEnds = is(*m_cur, '}') && m_frames.size() == 1 && m_exprs.empty() && m_overflow == 0;
    if (bodyEnds || m_tokens.inComment() || at >= m_text.size() || isBlank(m_text[at]) || m_text[at] == '/'
        || m_text[at] == '}' || m_text[at] == '\n' || m_text[at] == '\r')
        return false;
    size_t end = at;
    bool tab = false;
    while (end < m_text.size() && m_text[end] != '\n' && m_text[end] != '\r') {
        tab = tab || m_text[end] == '\t';
        if (!tab && (m_text[end] == ' ' || m_text[end] == '"' || m_text[end] == '(' || m_text[end] == ';'))
            break;
        ++end;
    }
    HeaderLine header;
    if (!tab || (end < m_text.size() && m_text[end] != '\n' && m_text[end] != '\r')
        || !readHeader(at, end, true, &header))
        return false;
    *m_next = Tok{TokenKind::End, false, false, true, 0, uint32_t(at), 0, m_line, m_lineStart};
    return true;
}

void Parser::advance()
{
    Tok *const free = m_last;
    m_last = m_cur;
    m_cur = m_next;
    m_next = free;
    if (m_cur->kind != TokenKind::End)
        fetch();
}

size_t Parser::body(size_t from)
{
    // The "{" opens the body: the script runs to the "}" that closes it.
    m_frames.clear();
    m_exprs.clear();
    m_switches.clear();
    m_mismatch = false;
    m_bodyClosed = false;
    m_overflow = 0;
    m_toldDepth = false;
    m_statementStart = true;
    m_frames.push_back({Frame::Body, 0, 0, -1, uint32_t(from), m_line, m_lineStart, indentOf(m_lineStart)});
    m_tokens = ScriptTokenizer(m_text, from + 1);
    m_commentLine = -1;
    *m_cur = Tok{};
    *m_last = Tok{};
    fetch();
    for (;;) {
        advance();
        // A body may be as long as the text: the flag is looked at inside it too.
        if (++m_tokensRead == 4096) {
            m_tokensRead = 0;
            if (stopAsked())
                return m_text.size();
            if (m_progress)
                (*m_progress)(m_cur->start);
        }
        if (m_cur->kind == TokenKind::End) {
            if (m_cur->header) {
                // The header belongs to the next block: go back to its line.
                unclosedAtEnd(m_cur->start, m_cur->line - 1);
                m_line = m_cur->line;
                m_lineStart = m_cur->lineStart;
                return m_cur->start;
            }
            if (m_tokens.openComment() != std::string_view::npos)
                noteOpenComment();
            if (m_tokens.openComment() != std::string_view::npos)
                report(ProblemKind::OpenText, m_commentLine, m_commentLineStart, uint32_t(m_tokens.openComment()),
                       2, "Comment is not closed");
            unclosedAtEnd(uint32_t(m_text.size()), m_line);
            return m_text.size();
        }
        if (m_cur->kind == TokenKind::String && m_cur->open)
            report(ProblemKind::OpenText, *m_cur, "String is not closed");
        if (!m_exprs.empty())
            expressionToken();
        else
            statementToken();
        if (m_exprs.size() > MostDepth) {
            tooDeep(*m_cur);
            recover();
        }
        if (m_frames.size() > MostDepth + 64) {
            tooDeep(*m_cur);
            m_frames.resize(MostDepth);
        }
        if (m_bodyClosed) {
            // The loader goes on right after the "}".
            m_line = m_cur->line;
            m_lineStart = m_cur->lineStart;
            return m_cur->start + 1;
        }
    }
}

void Parser::unclosedAtEnd(uint32_t, int line)
{
    abandonExpressions();
    // One fault for the block: at the brace whose "}" is missing as the indentation tells, else
    // at the innermost brace still open.
    const StatementFrame *open = nullptr;
    if (m_mismatch) {
        open = &m_mismatched;
    } else {
        for (auto it = m_frames.rbegin(); it != m_frames.rend() && !open; ++it)
            if (it->frame == Frame::Body || it->frame == Frame::Brace || it->frame == Frame::Switch
                || it->frame == Frame::LocalFunction)
                open = &*it;
    }
    if (open)
        report(ProblemKind::Pairing, open->line, open->lineStart, open->start, 1, "'{' is not closed");
    if (m_block >= 0)
        endBlock(line);
    m_frames.clear();
}

void Parser::tooDeep(const Tok &token)
{
    if (!m_toldDepth)
        report(ProblemKind::Syntax, token, "Blocks and brackets are nested too deeply here");
    m_toldDepth = true;
}

void Parser::abandonExpressions()
{
    // Their calls' names are still judged; their counts are not known.
    for (ExprFrame &frame : m_exprs) {
        if (frame.call >= 0 && frame.command < 0) {
            frame.arguments = -1;
            recordCall(frame);
        }
    }
    m_exprs.clear();
}

void Parser::recover()
{
    // After a fault inside a statement, read on from its ";" or the next brace.
    abandonExpressions();
    while (m_next->kind != TokenKind::End && !is(*m_next, '{') && !is(*m_next, '}')) {
        const bool semicolon = is(*m_next, ';');
        advance();
        if (semicolon) {
            completeStatement();
            return;
        }
    }
    m_statementStart = true;
}

void Parser::completeStatement()
{
    // A statement has ended: the constructs waiting for one take it, innermost first.
    m_statementStart = true;
    while (!m_frames.empty()) {
        StatementFrame &top = m_frames.back();
        switch (top.frame) {
        case Frame::If:
            top.frame = Frame::IfDone;
            return;     // an "else" may follow: the next token tells
        case Frame::Else:
        case Frame::Loop:
        case Frame::IfDone:
            m_frames.pop_back();
            continue;
        case Frame::Do:
            top.frame = Frame::DoWhile;
            return;
        default:
            return;
        }
    }
}

void Parser::closeBrace(const Tok &token)
{
    if (m_overflow > 0) {
        --m_overflow;
        completeStatement();
        return;
    }
    // Constructs waiting for a statement inside the braces end with them.
    while (!m_frames.empty() && m_frames.back().frame != Frame::Body && m_frames.back().frame != Frame::Brace
           && m_frames.back().frame != Frame::Switch && m_frames.back().frame != Frame::LocalFunction) {
        const StatementFrame &waiting = m_frames.back();
        if (waiting.frame == Frame::If || waiting.frame == Frame::Loop || waiting.frame == Frame::Else
            || waiting.frame == Frame::Do)
            report(ProblemKind::Syntax, token, "A statement is missing before this '}'");
        else if (waiting.frame == Frame::DoWhile)
            report(ProblemKind::Syntax, token, "'do' needs 'while (...)' after its statement");
        m_frames.pop_back();
    }
    if (m_frames.empty())
        return;
    const StatementFrame closed = m_frames.back();
    if (!m_mismatch && closed.frame != Frame::Body && indentOf(token.lineStart) != closed.indent
        && token.start - token.lineStart <= uint32_t(indentOf(token.lineStart))) {
        // The first "}" at another indentation than its "{": if the block ends unclosed, this
        // "{" is the one that lacks its "}".
        bool alone = true;
        for (size_t i = token.lineStart; i < token.start; ++i)
            alone = alone && isBlank(m_text[i]);
        if (alone) {
            m_mismatch = true;
            m_mismatched = closed;
        }
    }
    m_frames.pop_back();
    if (closed.frame == Frame::Switch && !m_switches.empty())
        m_switches.pop_back();
    if (closed.frame == Frame::Body) {
        m_bodyClosed = true;
        if (m_block >= 0)
            endBlock(token.line);
        return;
    }
    completeStatement();
}

void Parser::beginCommand(const Tok &name, bool expression)
{
    // Built in place: a frame is large, and nearly every statement opens one.
    ExprFrame &frame = m_exprs.emplace_back();
    frame.call = 1;
    frame.command = m_profile.commandIndex(textOf(name));
    frame.name = name;
    frame.line = name.line;
    frame.lineStart = name.lineStart;
    if (is(*m_next, '(')) {
        advance();
        frame.expr = Expr::Call;
        frame.start = m_cur->start;
        frame.line = m_cur->line;
        frame.lineStart = m_cur->lineStart;
        frame.statementCall = !expression;
        return;
    }
    if (expression) {
        // A function's name with no brackets: its arguments are not counted.
        frame.arguments = -1;
        recordCall(frame);
        m_exprs.pop_back();
        m_exprs.back().expectOperand = false;
        return;
    }
    frame.expr = Expr::Args;
}

void Parser::endArgument(ExprFrame &frame)
{
    if (frame.argumentTokens == 0)
        return;
    const int position = frame.arguments - 1;
    // Most commands name no label, event or function: their arguments need no look.
    const unsigned char roles = frame.command >= 0 ? m_profile.argumentRoles(frame.command) : 0;
    if (roles != 0 && frame.argumentTokens == 1) {
        const ScriptCommand &command = m_profile.commands[size_t(frame.command)];
        const Tok &token = frame.first;
        ScriptBlock &block = m_model.blocks[size_t(m_block)];
        if (token.kind == TokenKind::Word && !token.variable && command.takesLabel(position)) {
            m_model.jumps.push_back({m_names->add(textOf(token)), token.line, column(token.lineStart, token.start)});
            ++block.jumps.count;
        } else if (token.kind == TokenKind::String && !token.open && token.length > 2) {
            const std::string_view value = m_text.substr(token.start + 1, token.length - 2);
            if ((roles & ScriptProfile::NamesEvent) && command.takesEvent(position)) {
                const size_t split = value.find("::");
                if (split != std::string_view::npos && split > 0 && split + 2 < value.size()
                    && value.find('\\') == std::string_view::npos) {
                    const int first = column(token.lineStart, token.start);
                    m_model.references.push_back({ScriptReference::Event, m_block, token.line, first,
                                                  column(token.lineStart, token.start + token.length) - first,
                                                  std::string(value.substr(0, split)), std::string(value.substr(split + 2))});
                }
            } else if (position == 0 && (roles & ScriptProfile::NamesFunction)
                       && value.find('\\') == std::string_view::npos) {
                const int first = column(token.lineStart, token.start);
                m_model.references.push_back({ScriptReference::Function, m_block, token.line, first,
                                              column(token.lineStart, token.start + token.length) - first,
                                              std::string(value), {}});
            }
        }
    }
    frame.argumentTokens = 0;
}

void Parser::endExpression()
{
    ExprFrame &frame = m_exprs.back();
    if (frame.call >= 0) {
        endArgument(frame);
        recordCall(frame);
    }
    m_exprs.pop_back();
}

void Parser::recordCall(const ExprFrame &frame)
{
    // Only the calls the checks must judge are kept: most are known with the right count, and a
    // large script holds millions of them.
    if (frame.command >= 0
        && (frame.arguments < 0 || m_profile.commands[size_t(frame.command)].acceptsCount(frame.arguments)))
        return;
    const Tok &name = frame.name;
    ScriptCall call;
    call.command = frame.command;
    call.block = m_block;
    call.line = name.line;
    call.column = column(name.lineStart, name.start);
    call.length = column(name.lineStart, name.start + name.length) - call.column;
    call.arguments = frame.arguments;
    if (call.command < 0)
        call.name = std::string(textOf(name));
    m_model.calls.push_back(std::move(call));
}

void Parser::beginStatement(const Tok &token)
{
    // token is a Word that starts a statement and no keyword.
    if (is(*m_next, ':')) {
        ScriptBlock &block = m_model.blocks[size_t(m_block)];
        m_model.labels.push_back({m_names->add(textOf(token)), token.line, column(token.lineStart, token.start)});
        ++block.labels.count;
        advance();
        return;
    }
    if (token.variable || isAssignment(*m_next) || is(*m_next, '[')) {
        if (!m_profile.assignments) {
            report(ProblemKind::Assignment, token, "This server has no assignment statement: write 'set'");
            recover();
            return;
        }
        m_statementStart = false;
        // The variable, an index, then the operator and the value.
        ExprFrame value;
        value.expr = Expr::Value;
        value.expectOperand = false;
        value.line = token.line;
        value.lineStart = token.lineStart;
        m_exprs.push_back(value);
        return;
    }
    m_statementStart = false;
    beginCommand(token, false);
}

void Parser::statementToken()
{
    const Tok token = *m_cur;
    if (m_frames.empty())
        return;
    // After an "if" and its statement, only "else" goes on with it.
    while (!m_frames.empty() && m_frames.back().frame == Frame::IfDone) {
        if (token.kind == TokenKind::Word && keyword(textOf(token)) == Keyword::Else)
            break;
        m_frames.pop_back();
        completeStatement();
    }
    StatementFrame &top = m_frames.back();
    // What a construct opened here takes from the one around it; the indentation is read only
    // for those, since most statements open nothing.
    const auto inherit = [this, &token] {
        const StatementFrame &around = m_frames.back();
        return StatementFrame{Frame::Brace, around.loops, around.switches, around.switchFrame, token.start,
                              token.line, token.lineStart, indentOf(token.lineStart)};
    };
    if (top.frame == Frame::DoWhile) {
        if (token.kind != TokenKind::Word || keyword(textOf(token)) != Keyword::While) {
            report(ProblemKind::Syntax, token, "'do' needs 'while (...)' after its statement");
            m_frames.pop_back();
            completeStatement();
            statementToken();
            return;
        }
        if (!is(*m_next, '(')) {
            report(ProblemKind::MissingParenthesis, token, "'while' needs '(' before its condition");
            recover();
            return;
        }
        m_frames.pop_back();
        ExprFrame condition;
        condition.expr = Expr::DoCondition;
        condition.line = token.line;
        condition.lineStart = token.lineStart;
        m_exprs.push_back(condition);
        m_statementStart = false;
        return;
    }
    if (token.kind == TokenKind::Punct) {
        const char c = m_text[token.start];
        if (token.length == 1 && c == '{') {
            if (m_frames.size() >= MostDepth) {
                tooDeep(token);
                ++m_overflow;
                return;
            }
            StatementFrame brace = inherit();
            m_frames.push_back(brace);
            return;
        }
        if (token.length == 1 && c == '}') {
            closeBrace(token);
            return;
        }
        if (token.length == 1 && c == ';') {
            completeStatement();
            return;
        }
        if (isStep(token)) {
            if (!m_profile.assignments) {
                report(ProblemKind::Assignment, token, "This server has no assignment statement: write 'set'");
                recover();
                return;
            }
            ExprFrame value;
            value.expr = Expr::Value;
            value.line = token.line;
            value.lineStart = token.lineStart;
            m_exprs.push_back(value);
            m_statementStart = false;
            return;
        }
        if (m_model.problems.size() < MostProblems)
            report(ProblemKind::Syntax, token, "'" + std::string(textOf(token)) + "' cannot start a statement");
        recover();
        return;
    }
    if (token.kind == TokenKind::String && (m_next->operatorBits & ScriptOperator::Scope)) {
        // "NPC"::function(...): a public function of another NPC.
        advance();
        if (m_next->kind == TokenKind::Word) {
            advance();
            ExprFrame frame;
            frame.expr = Expr::Args;
            frame.line = token.line;
            frame.lineStart = token.lineStart;
            if (is(*m_next, '(')) {
                advance();
                frame.expr = Expr::Call;
                frame.statementCall = true;
                frame.start = m_cur->start;
            }
            m_exprs.push_back(frame);
            m_statementStart = false;
            return;
        }
    }
    if (token.kind != TokenKind::Word) {
        report(ProblemKind::Syntax, token, "A statement cannot start with '" + std::string(textOf(token).substr(0, 20)) + "'");
        recover();
        return;
    }
    const Keyword word = token.variable ? Keyword::None : keyword(textOf(token));
    switch (word) {
    case Keyword::None:
        beginStatement(token);
        return;
    case Keyword::If:
    case Keyword::While:
    case Keyword::Switch: {
        if (!is(*m_next, '(')) {
            report(ProblemKind::MissingParenthesis, token,
                   "'" + std::string(textOf(token)) + "' needs '(' before its condition");
            recover();
            return;
        }
        StatementFrame frame = inherit();
        frame.frame = word == Keyword::If ? Frame::If : word == Keyword::While ? Frame::Loop : Frame::Switch;
        if (word == Keyword::While)
            ++frame.loops;
        if (word == Keyword::Switch) {
            // The switch's braces follow its condition: read as the condition's end asks.
            ++frame.switches;
            frame.switchFrame = int(m_frames.size());
            m_switches.push_back({});
        }
        m_frames.push_back(frame);
        ExprFrame condition;
        condition.expr = Expr::Condition;
        condition.line = token.line;
        condition.lineStart = token.lineStart;
        m_exprs.push_back(condition);
        m_statementStart = false;
        return;
    }
    case Keyword::For: {
        if (!is(*m_next, '(')) {
            report(ProblemKind::MissingParenthesis, token, "'for' needs '(' before its parts");
            recover();
            return;
        }
        advance();
        StatementFrame frame = inherit();
        frame.frame = Frame::Loop;
        ++frame.loops;
        m_frames.push_back(frame);
        ExprFrame init;
        init.expr = Expr::ForInit;
        init.start = m_cur->start;
        init.line = m_cur->line;
        init.lineStart = m_cur->lineStart;
        m_exprs.push_back(init);
        m_statementStart = false;
        return;
    }
    case Keyword::Do: {
        StatementFrame frame = inherit();
        frame.frame = Frame::Do;
        ++frame.loops;
        m_frames.push_back(frame);
        return;
    }
    case Keyword::Else:
        if (!m_frames.empty() && m_frames.back().frame == Frame::IfDone) {
            m_frames.back().frame = Frame::Else;
            return;
        }
        report(ProblemKind::StrayElse, token, "'else' without 'if'");
        return;
    case Keyword::Case:
    case Keyword::Default: {
        // "case <value>:" and "default:" belong to the innermost switch.
        const bool isCase = word == Keyword::Case;
        std::string value;
        const Tok first = *m_next;
        while (m_next->kind != TokenKind::End && !is(*m_next, ':') && !is(*m_next, ';') && !is(*m_next, '{')
               && !is(*m_next, '}') && m_next->line == token.line) {
            advance();
            value += textOf(*m_cur);
        }
        if (!is(*m_next, ':')) {
            report(ProblemKind::Syntax, token, "'" + std::string(textOf(token)) + "' needs ':'");
            recover();
            return;
        }
        advance();
        const int switchFrame = m_frames.back().switchFrame;
        if (switchFrame < 0 || m_switches.empty()) {
            report(ProblemKind::Syntax, token, "'" + std::string(textOf(token)) + "' outside a 'switch'");
            return;
        }
        SwitchCases &cases = m_switches.back();
        if (!isCase) {
            if (cases.hasDefault)
                report(ProblemKind::DuplicateCase, token, "A second 'default' in this 'switch'");
            cases.hasDefault = true;
            return;
        }
        // Numbers compare by value: "0x10" and "16" are one case.
        std::string key = m_profile.key(value);
        char *end = nullptr;
        const long number = std::strtol(key.c_str(), &end, 0);
        if (!key.empty() && end && *end == 0)
            key = std::to_string(number);
        if (std::find(cases.values.begin(), cases.values.end(), key) != cases.values.end())
            report(ProblemKind::DuplicateCase, first.line, first.lineStart, first.start,
                   m_last->start + m_last->length - first.start,
                   "'case " + value + "' is already in this 'switch'");
        else
            cases.values.push_back(std::move(key));
        return;
    }
    case Keyword::Break:
    case Keyword::Continue: {
        const StatementFrame &here = m_frames.back();
        if (word == Keyword::Break ? here.loops + here.switches == 0 : here.loops == 0)
            report(ProblemKind::StrayJump, token,
                   word == Keyword::Break ? "'break' outside a loop or 'switch'" : "'continue' outside a loop");
        if (is(*m_next, ';')) {
            advance();
            completeStatement();
        } else {
            report(ProblemKind::MissingSemicolon, token, "';' is missing after this");
            completeStatement();
        }
        return;
    }
    case Keyword::Public:
    case Keyword::Private:
        if (m_next->kind == TokenKind::Word && keyword(textOf(*m_next)) == Keyword::Function) {
            advance();
        } else {
            beginStatement(token);
            return;
        }
        [[fallthrough]];
    case Keyword::Function: {
        if (m_next->kind != TokenKind::Word) {
            report(ProblemKind::Syntax, token, "'function' needs a name");
            recover();
            return;
        }
        advance();
        const Tok name = *m_cur;
        ScriptBlock &block = m_model.blocks[size_t(m_block)];
        const bool defined = is(*m_next, '{');
        m_model.functions.push_back({std::string(textOf(name)), name.line, column(name.lineStart, name.start), defined});
        ++block.functions.count;
        if (defined) {
            advance();
            StatementFrame frame = inherit();
            frame.frame = Frame::LocalFunction;
            frame.loops = 0;
            frame.switches = 0;
            frame.switchFrame = -1;
            frame.start = m_cur->start;
            frame.line = m_cur->line;
            frame.lineStart = m_cur->lineStart;
            m_frames.push_back(frame);
            return;
        }
        if (is(*m_next, ';')) {
            advance();
            return;
        }
        report(ProblemKind::MissingSemicolon, name, "';' is missing after this");
        return;
    }
    }
}

void Parser::expressionToken()
{
    // Read in place: the slot holds it until two more tokens are taken, and none is taken before
    // its last use here.
    const Tok &token = *m_cur;
    ExprFrame &frame = m_exprs.back();
    const bool punct = token.kind == TokenKind::Punct;
    const char c = punct ? m_text[token.start] : 0;
    const bool single = punct && token.length == 1;

    if (frame.expectOperand) {
        // A token that begins or goes on with a value: the argument it belongs to has begun.
        const auto operand = [&frame, &token] {
            if (frame.argumentTokens == 0) {
                frame.first = token;
                ++frame.arguments;
            }
            ++frame.argumentTokens;
        };
        const bool unary = single && (c == '-' || c == '!' || c == '~' || c == '+' || c == '(' || c == '[');
        if (token.kind == TokenKind::Word || token.kind == TokenKind::Number || token.kind == TokenKind::String
            || unary || isStep(token))
            operand();
        switch (token.kind) {
        case TokenKind::Number:
            frame.expectOperand = false;
            return;
        case TokenKind::String:
            if (m_next->operatorBits & ScriptOperator::Scope) {
                // "NPC"::function(...)
                advance();
                if (m_next->kind == TokenKind::Word)
                    advance();
                if (is(*m_next, '(')) {
                    advance();
                    ExprFrame call;
                    call.expr = Expr::Call;
                    call.start = m_cur->start;
                    call.line = m_cur->line;
                    call.lineStart = m_cur->lineStart;
                    frame.expectOperand = false;
                    m_exprs.push_back(call);
                    return;
                }
            }
            frame.expectOperand = false;
            return;
        case TokenKind::Word:
            if (callable(token) && is(*m_next, '(')) {
                frame.expectOperand = false;
                beginCommand(token, true);
                return;
            }
            if (!token.variable && frame.argumentTokens == 1
                && (frame.expr == Expr::ForInit || frame.expr == Expr::ForStep) && !isAssignment(*m_next)
                && !is(*m_next, '[')) {
                // "for (set .@i, 0; ...)": a command as a part.
                frame.expectOperand = false;
                beginCommand(token, false);
                m_exprs.back().forPart = true;
                return;
            }
            frame.expectOperand = false;
            return;
        default:
            break;
        }
        if (single && (c == '(' || c == '[')) {
            ExprFrame inner;
            inner.expr = c == '(' ? Expr::Paren : Expr::Index;
            inner.start = token.start;
            inner.line = token.line;
            inner.lineStart = token.lineStart;
            frame.expectOperand = false;   // once the bracket closes
            m_exprs.push_back(inner);
            return;
        }
        if (single && (c == '-' || c == '!' || c == '~' || c == '+')) {
            // A lone "-" where a label goes means the next statement.
            if (c == '-' && (is(*m_next, ',') || is(*m_next, ';') || is(*m_next, ')')))
                frame.expectOperand = false;
            return;
        }
        if (isStep(token))
            return;
        if (single && c == ')' && frame.expr == Expr::Call && frame.arguments == 0) {
            const bool statementCall = frame.statementCall;
            endExpression();
            if (statementCall) {
                // "close()": the statement still needs its ";".
                ExprFrame args;
                args.expr = Expr::Args;
                args.call = -1;
                args.expectOperand = false;
                m_exprs.push_back(args);
            }
            return;
        }
        if (single && (c == ';' || c == ')') && (frame.expr == Expr::ForInit || frame.expr == Expr::ForCondition
                                                  || frame.expr == Expr::ForStep)) {
            // An empty part of "for (;;)".
            frame.expectOperand = false;
            expressionToken();
            return;
        }
        if (single && c == ';' && frame.expr == Expr::Args && frame.arguments == 0) {
            const bool forPart = frame.forPart;
            endExpression();
            if (forPart) {
                m_exprs.back().expectOperand = false;
                expressionToken();
                return;
            }
            completeStatement();
            return;
        }
        if (single && c == ')' && frame.expr == Expr::Args && frame.forPart && frame.arguments == 0) {
            endExpression();
            m_exprs.back().expectOperand = false;
            expressionToken();
            return;
        }
        if (frame.expr == Expr::Args && frame.arguments == 0 && !frame.forPart) {
            // A command without arguments, and no ";" after it.
            report(ProblemKind::MissingSemicolon, *m_last, "';' is missing after this");
            endExpression();
            completeStatement();
            statementToken();
            return;
        }
        if (single && c == ')' && frame.expr == Expr::Paren) {
            report(ProblemKind::Syntax, token, "A value is missing before this ')'");
            m_exprs.pop_back();
            return;
        }
        if (single && c == '}') {
            report(ProblemKind::Syntax, token, "A value is missing before this '}'");
            abandonExpressions();
            statementToken();
            return;
        }
        report(ProblemKind::Syntax, token, "A value is missing before '" + std::string(textOf(token).substr(0, 20)) + "'");
        recover();
        return;
    }

    // After a value: an operator goes on, a separator or a closing bracket ends something.
    if (token.kind == TokenKind::String && m_last->kind == TokenKind::String) {
        // Strings side by side are one string.
        ++frame.argumentTokens;
        return;
    }
    if (isBinary(token)) {
        if (single && c == '?')
            ++frame.ternaries;
        frame.expectOperand = true;
        ++frame.argumentTokens;
        return;
    }
    if (single && c == ':' && frame.ternaries > 0) {
        --frame.ternaries;
        frame.expectOperand = true;
        ++frame.argumentTokens;
        return;
    }
    if (single && c == '[') {
        ExprFrame inner;
        inner.expr = Expr::Index;
        inner.start = token.start;
        inner.line = token.line;
        inner.lineStart = token.lineStart;
        ++frame.argumentTokens;
        m_exprs.push_back(inner);
        return;
    }
    if (isStep(token)) {
        ++frame.argumentTokens;
        return;
    }
    if (frame.expr == Expr::Value && isAssignment(token)) {
        // The assignment's operator, after its variable.
        frame.expectOperand = !isStep(token);
        return;
    }
    switch (frame.expr) {
    case Expr::Args:
        if (single && c == ',') {
            endArgument(frame);
            frame.expectOperand = true;
            return;
        }
        if (frame.forPart && single && (c == ';' || c == ')')) {
            // The part ends: "for" reads the token as its own.
            endExpression();
            m_exprs.back().expectOperand = false;
            expressionToken();
            return;
        }
        if (single && c == ';') {
            endExpression();
            completeStatement();
            return;
        }
        break;
    case Expr::Call:
        if (single && c == ',') {
            endArgument(frame);
            frame.expectOperand = true;
            return;
        }
        if (single && c == ')') {
            const bool statementCall = frame.statementCall;
            endArgument(frame);
            const ExprFrame closed = frame;
            m_exprs.pop_back();
            // "mes ("a") + "b", c;": the brackets held the first value only, and the call
            // goes on to its ";".
            const bool goesOn = statementCall && (isBinary(*m_next) || is(*m_next, ',') || is(*m_next, '['));
            if (!goesOn)
                recordCall(closed);
            if (statementCall && isAssignment(*m_next) && m_profile.assignments) {
                // "getd(".@x") = 1;": the call names the variable assigned.
                ExprFrame value;
                value.expr = Expr::Value;
                value.expectOperand = false;
                value.line = closed.line;
                value.lineStart = closed.lineStart;
                m_exprs.push_back(value);
                return;
            }
            if (statementCall) {
                if (goesOn) {
                    ExprFrame args = closed;
                    args.expr = Expr::Args;
                    args.arguments = 1;
                    args.argumentTokens = 2;
                    args.expectOperand = false;
                    args.statementCall = false;
                    m_exprs.push_back(args);
                    return;
                }
                ExprFrame args = closed;
                args.expr = Expr::Args;
                args.call = -1;
                args.expectOperand = false;
                m_exprs.push_back(args);
            }
            return;
        }
        break;
    case Expr::Paren:
        if (single && c == ')') {
            m_exprs.pop_back();
            return;
        }
        if (single && c == ',') {
            frame.expectOperand = true;
            return;
        }
        break;
    case Expr::Index:
        if (single && c == ']') {
            m_exprs.pop_back();
            return;
        }
        break;
    case Expr::Condition: {
        // The condition is one whole expression: what cannot go on with it starts the statement.
        m_exprs.pop_back();
        if (!m_frames.empty() && m_frames.back().frame == Frame::Switch) {
            if (!(single && c == '{')) {
                report(ProblemKind::Syntax, token, "'switch' needs '{' after its condition");
                if (!m_switches.empty())
                    m_switches.pop_back();
                m_frames.pop_back();
                m_statementStart = true;
                statementToken();
                return;
            }
            StatementFrame &sw = m_frames.back();
            sw.start = token.start;
            sw.line = token.line;
            sw.lineStart = token.lineStart;
            sw.indent = indentOf(token.lineStart);
            m_statementStart = true;
            return;
        }
        m_statementStart = true;
        statementToken();
        return;
    }
    case Expr::DoCondition:
        if (single && c == ';') {
            m_exprs.pop_back();
            completeStatement();
            return;
        }
        break;
    case Expr::Value:
        if (single && c == ';') {
            m_exprs.pop_back();
            completeStatement();
            return;
        }
        break;
    case Expr::ForInit:
    case Expr::ForCondition:
        if (single && c == ';') {
            frame.expr = frame.expr == Expr::ForInit ? Expr::ForCondition : Expr::ForStep;
            frame.expectOperand = true;
            frame.argumentTokens = 0;
            return;
        }
        if (frame.expr == Expr::ForInit && single && c == ',') {
            frame.expectOperand = true;
            return;
        }
        if (frame.expr == Expr::ForInit && isAssignment(token)) {
            frame.expectOperand = true;
            return;
        }
        break;
    case Expr::ForStep:
        if (single && c == ')') {
            m_exprs.pop_back();
            m_statementStart = true;
            return;
        }
        if (single && c == ',') {
            frame.expectOperand = true;
            return;
        }
        if (isAssignment(token)) {
            frame.expectOperand = !isStep(token);
            return;
        }
        break;
    }
    // Nothing goes on with the value: the statement or a bracket is not closed.
    if (frame.expr == Expr::Call || frame.expr == Expr::Paren || frame.expr == Expr::Index) {
        const char bracket = frame.expr == Expr::Index ? '[' : '(';
        report(ProblemKind::Pairing, frame.line, frame.lineStart, frame.start, 1,
               std::string("'") + bracket + "' is not closed");
        abandonExpressions();
        if (single && (c == '}' || c == '{'))
            statementToken();
        else if (single && c == ';')
            completeStatement();
        else
            recover();
        return;
    }
    // A new statement begins without the ";" of the last one. After a string that is not
    // closed, that fault is the one to tell.
    if (!(m_last->kind == TokenKind::String && m_last->open))
        report(ProblemKind::MissingSemicolon, *m_last, "';' is missing after this");
    while (!m_exprs.empty())
        endExpression();
    completeStatement();
    statementToken();
}

bool Parser::anyHeader() const
{
    for (size_t at = 0; at < m_text.size();) {
        size_t end = at;
        bool tab = false;
        for (; end < m_text.size() && m_text[end] != '\n' && m_text[end] != '\r'; ++end)
            tab = tab || m_text[end] == '\t';
        size_t start = at;
        while (start < end && isBlank(m_text[start]))
            ++start;
        HeaderLine header;
        if (tab && readHeader(start, end, true, &header))
            return true;
        at = end + 1;
    }
    return false;
}

// Each first touch of a small page costs the kernel more than the item written into it: room of
// many megabytes is asked for in large pages, where the system has them.
void adviseLargePages(const void *start, size_t bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr uintptr_t Large = 2 << 20;
    const auto begin = reinterpret_cast<uintptr_t>(start);
    const uintptr_t end = begin + bytes;
    const uintptr_t first = (begin + Large - 1) & ~(Large - 1);
    const uintptr_t last = end & ~(Large - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#else
    (void)start;
    (void)bytes;
#endif
}

template <typename Item>
void adviseLargePages(const std::vector<Item> &items)
{
    adviseLargePages(items.data(), items.capacity() * sizeof(Item));
}

ScriptModel Parser::build()
{
    // Room for a large text's blocks, labels and jumps at once spares moving every one as the
    // lists grow, and the moment when old and new storage are both held. It is taken from the
    // text's size, not counted, since counting costs a pass over the text: pages never written
    // are never taken from the system, and a text denser than this merely grows its lists. A
    // small text's lists grow as they go: the room would be mostly unused, and where the heap
    // is in large pages, unused room is memory taken all the same.
    const size_t size = m_text.size();
    if (size >= LargeText) {
        m_model.blocks.reserve(size / 40);    // a file of monster lines holds a block per 60 bytes
        m_model.labels.reserve(size / 64);
        m_model.jumps.reserve(size / 64);
        adviseLargePages(m_model.blocks);
        adviseLargePages(m_model.labels);
        adviseLargePages(m_model.jumps);
        // Their names: a script of nothing but jumps and short labels holds a byte of them in 16.
        const auto names = m_names->reserve(size / 16);
        adviseLargePages(names.first, names.second);
    }
    topLevel(0);
    // Lines as an editor counts them, without the empty one after a final line end.
    const bool endsLine = !m_text.empty() && (m_text.back() == '\n' || m_text.back() == '\r');
    m_model.lineCount = m_line + (m_text.empty() || endsLine ? 0 : 1);
    // Calls are kept as they end, inner ones first.
    std::sort(m_model.calls.begin(), m_model.calls.end(), [](const ScriptCall &a, const ScriptCall &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    std::stable_sort(m_model.problems.begin(), m_model.problems.end(),
                     [](const ScriptProblem &a, const ScriptProblem &b) {
                         return a.line != b.line ? a.line < b.line : a.column < b.column;
                     });
    return std::move(m_model);
}

} // namespace

ScriptModel BuildScriptModel(std::shared_ptr<const ScriptProfile> profile, std::string_view text,
                             const std::atomic<bool> *stop, const ReadProgress *progress)
{
    if (!profile)
        profile = std::make_shared<const ScriptProfile>();
    return Parser(std::move(profile), text, stop, progress).build();
}

const ScriptBlock *ScriptModel::blockAt(int line) const
{
    auto it = std::upper_bound(blocks.begin(), blocks.end(), line,
                               [](int l, const ScriptBlock &block) { return l < block.line; });
    if (it == blocks.begin())
        return nullptr;
    --it;
    return line <= it->endLine ? &*it : nullptr;
}

bool HasScriptHeader(const ScriptProfile &profile, std::string_view text)
{
    // Any line with a tab that the loader reads as a header.
    auto shared = std::shared_ptr<const ScriptProfile>(&profile, [](const ScriptProfile *) {});
    Parser parser(shared, text);
    return parser.anyHeader();
}
