// Styling NPC script bytes from the ten token lists: one pass, no copies, no allocation per word.
#include "script_styler.h"

#include "language_definition.h"
#include "word_bytes.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t HashStart = 2166136261u;
constexpr uint32_t HashFactor = 16777619u;
constexpr int MaxCommentPairs = 255;    // the open pair has to fit in the low byte of a state

std::vector<std::string> tokenBytes(const QString &list)
{
    std::vector<std::string> tokens;
    for (const QString &token : LanguageDefinition::tokens(list)) {
        std::string bytes = token.toStdString();
        // A token holding a line break could never match: lines are styled one at a time.
        if (bytes.find_first_of("\r\n") == std::string::npos)
            tokens.push_back(std::move(bytes));
    }
    return tokens;
}

} // namespace

ScriptStyler::ScriptStyler(const LanguageDefinition &definition)
{
    for (int c = 0; c < 256; ++c) {
        m_lower[c] = (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
        const bool digit = c >= '0' && c <= '9';
        // A token never matches inside a word, "café" included.
        const bool word = isWordByte(static_cast<unsigned char>(c));
        m_byteClass[c] = (word ? WordByte : 0) | (digit ? DigitByte : 0)
            | ((c == '\r' || c == '\n') ? LineEndByte : 0);
    }

    addTokens(tokenBytes(definition.singleLineComments), LineComment, false);
    const std::vector<std::string> starts = tokenBytes(definition.multilineComments1);
    const std::vector<std::string> ends = tokenBytes(definition.multilineComments2);
    const size_t pairs = std::min({starts.size(), ends.size(), size_t(MaxCommentPairs)});
    for (size_t pair = 0; pair < pairs; ++pair) {
        addToken(starts[pair], BlockComment, false, int(m_commentEnds.size()));
        m_commentEnds.push_back(ends[pair]);
    }
    for (const std::string &delimiter : tokenBytes(definition.stringDelimiters)) {
        addToken(delimiter, StringDelimiter, false, int(m_delimiters.size()));
        m_delimiters.push_back(delimiter);
    }
    addTokens(tokenBytes(definition.scopeKeywords1), ScopeOpen, false);
    addTokens(tokenBytes(definition.scopeKeywords2), ScopeClose, false);
    addTokens(tokenBytes(definition.keywords), KeywordWord, true);
    addTokens(tokenBytes(definition.tagElementNames), TagElementWord, true);
    addTokens(tokenBytes(definition.tagAttributeNames), TagAttributeWord, true);
    addTokens(tokenBytes(definition.operators), OperatorToken, false);

    for (std::vector<int> &bucket : m_symbolTokens) {
        std::stable_sort(bucket.begin(), bucket.end(), [this](int a, int b) {
            const Token &x = m_tokens[a];
            const Token &y = m_tokens[b];
            return x.bytes.size() != y.bytes.size() ? x.bytes.size() > y.bytes.size() : x.kind < y.kind;
        });
    }
    buildWordTable();
    buildTextTable();
    if (m_tokens.empty())
        m_numberStyle = Default;
}

void ScriptStyler::addTokens(const std::vector<std::string> &tokens, Kind kind, bool ignoreCase)
{
    for (const std::string &token : tokens)
        addToken(token, kind, ignoreCase, 0);
}

void ScriptStyler::addToken(const std::string &bytes, Kind kind, bool ignoreCase, int index)
{
    Token token{bytes, kind, ignoreCase, index};
    if (ignoreCase) {
        for (char &c : token.bytes)
            c = char(m_lower[static_cast<unsigned char>(c)]);
    }
    const int at = int(m_tokens.size());
    m_tokens.push_back(std::move(token));
    const std::string &stored = m_tokens.back().bytes;

    // Tokens made of letters only are looked up once a whole word is read; any other token
    // (" warp", "//", "OnInit:") is compared where its first byte stands.
    const bool wholeWord = std::all_of(stored.begin(), stored.end(),
                                       [](char c) { return isWordByte(static_cast<unsigned char>(c)); });
    if (wholeWord) {
        m_wordTokens.push_back(at);
        m_wordsOpenText = m_wordsOpenText || kind == LineComment || kind == BlockComment || kind == StringDelimiter;
        m_longestWord = std::max(m_longestWord, int(stored.size()));
        return;
    }
    const auto first = static_cast<unsigned char>(stored.front());
    m_symbolTokens[first].push_back(at);
    m_byteClass[first] |= TokenStartByte;
    if (ignoreCase && first >= 'a' && first <= 'z') {
        const unsigned char upper = first - ('a' - 'A');
        m_symbolTokens[upper].push_back(at);
        m_byteClass[upper] |= TokenStartByte;
    }
}

void ScriptStyler::buildWordTable()
{
    if (m_wordTokens.empty())
        return;
    uint32_t size = 16;
    while (size < m_wordTokens.size() * 2)
        size *= 2;
    m_wordMask = size - 1;
    m_wordHashes.assign(size, 0);
    m_wordSlots.assign(size, 0);
    for (int at : m_wordTokens) {
        uint32_t hash = HashStart;
        for (char c : m_tokens[at].bytes)
            hash = (hash ^ m_lower[static_cast<unsigned char>(c)]) * HashFactor;
        uint32_t slot = hash & m_wordMask;
        while (m_wordSlots[slot])
            slot = (slot + 1) & m_wordMask;
        m_wordHashes[slot] = hash;
        m_wordSlots[slot] = at + 1;
    }
}

void ScriptStyler::buildTextTable()
{
    const auto opensText = [](Kind kind) { return kind == LineComment || kind == BlockComment || kind == StringDelimiter; };
    bool apart = !m_wordsOpenText;
    for (size_t first = 0; first < m_symbolTokens.size(); ++first) {
        for (int index : m_symbolTokens[first]) {
            if (!opensText(m_tokens[size_t(index)].kind))
                continue;
            m_textSymbolTokens[first].push_back(index);
            m_byteClass[first] |= TextStartByte;
            // A word run could swallow such a first byte.
            apart = apart && !isWordByte(static_cast<unsigned char>(first));
        }
    }
    // Another token could cover a byte that opens a comment or a string, or, longer, win over such
    // a token where both match: then every token is needed. One no longer that starts with such a
    // byte ("/", "/=") matches only where none of them does, and covers nothing.
    std::array<size_t, 256> shortest{};
    for (size_t first = 0; first < m_textSymbolTokens.size(); ++first)
        for (int index : m_textSymbolTokens[first])
            shortest[first] = shortest[first] ? std::min(shortest[first], m_tokens[size_t(index)].bytes.size())
                                              : m_tokens[size_t(index)].bytes.size();
    for (const Token &token : m_tokens) {
        if (opensText(token.kind) || token.bytes.empty())
            continue;
        const auto first = static_cast<unsigned char>(token.bytes.front());
        apart = apart && (!(m_byteClass[first] & TextStartByte) || token.bytes.size() <= shortest[first]);
        for (size_t i = 1; i < token.bytes.size(); ++i)
            apart = apart && !(m_byteClass[static_cast<unsigned char>(token.bytes[i])] & TextStartByte);
    }
    m_otherSymbolsApart = apart;
}

const ScriptStyler::Token *ScriptStyler::lookUpWord(const unsigned char *word, int length, uint32_t hash) const
{
    if (length > m_longestWord)
        return nullptr;
    const Token *best = nullptr;
    // A word may stand in several lists (a keyword that also closes a block); the slots up to
    // the next free one hold every candidate, and the first kind wins.
    for (uint32_t slot = hash & m_wordMask; m_wordSlots[slot]; slot = (slot + 1) & m_wordMask) {
        if (m_wordHashes[slot] != hash)
            continue;
        const Token &token = m_tokens[m_wordSlots[slot] - 1];
        if (int(token.bytes.size()) != length || (best && best->kind <= token.kind))
            continue;
        bool same = true;
        for (int i = 0; i < length && same; ++i)
            same = (token.ignoreCase ? m_lower[word[i]] : word[i]) == static_cast<unsigned char>(token.bytes[i]);
        if (same)
            best = &token;
    }
    return best;
}

ScriptStyler::Match ScriptStyler::matchSymbol(const std::vector<int> &candidates, const unsigned char *text,
                                              int at, int length) const
{
    for (int index : candidates) {
        const Token &token = m_tokens[index];
        const int size = int(token.bytes.size());
        if (size > length - at)
            continue;
        const auto *bytes = reinterpret_cast<const unsigned char *>(token.bytes.data());
        bool same = true;
        for (int i = 0; i < size && same; ++i)
            same = (token.ignoreCase ? m_lower[text[at + i]] : text[at + i]) == bytes[i];
        if (!same)
            continue;
        // A token that begins or ends with a letter does not match inside a longer word.
        if (isWordByte(bytes[0]) && at > 0 && isWordByte(text[at - 1]))
            continue;
        if (isWordByte(bytes[size - 1]) && at + size < length && isWordByte(text[at + size]))
            continue;
        return {&token, size};
    }
    return {};
}

int ScriptStyler::commentEnd(const unsigned char *text, int at, int length, int &comment) const
{
    const std::string &close = m_commentEnds[comment - 1];
    const auto first = static_cast<unsigned char>(close.front());
    for (int j = at; j < length && !(m_byteClass[text[j]] & LineEndByte); ++j) {
        if (text[j] == first && int(close.size()) <= length - j
            && std::memcmp(text + j, close.data(), close.size()) == 0) {
            comment = 0;
            return j + int(close.size());
        }
    }
    return lineEnd(text, at, length);
}

int ScriptStyler::stringEnd(const unsigned char *text, int at, int length, int delimiter, bool *closed) const
{
    const std::string &close = m_delimiters[size_t(delimiter)];
    const auto first = static_cast<unsigned char>(close.front());
    const auto isLineEnd = [this](unsigned char c) { return (m_byteClass[c] & LineEndByte) != 0; };
    int j = at;
    while (j < length && !isLineEnd(text[j])) {
        if (text[j] == '\\') {
            j += (j + 1 < length && !isLineEnd(text[j + 1])) ? 2 : 1;
            continue;
        }
        if (text[j] == first && int(close.size()) <= length - j
            && std::memcmp(text + j, close.data(), close.size()) == 0) {
            if (closed)
                *closed = true;
            return j + int(close.size());
        }
        ++j;
    }
    if (closed)
        *closed = false;
    return j;
}

int ScriptStyler::lineEnd(const unsigned char *text, int at, int length) const
{
    while (at < length && !(m_byteClass[text[at]] & LineEndByte))
        ++at;
    return at;
}

ScriptStyler::TextRun ScriptStyler::textRunAt(const char *characters, int at, int length, int &comment) const
{
    const auto *text = reinterpret_cast<const unsigned char *>(characters);
    if (comment > int(m_commentEnds.size()))
        comment = 0;                // a state left by another definition
    if (comment) {
        const int end = commentEnd(text, at, length, comment);
        return {TextKind::BlockComment, end, comment != 0};
    }
    if (!mayOpenText(text[at]))
        return {};
    const Match match = matchSymbol(m_textSymbolTokens[text[at]], text, at, length);
    if (!match.token)
        return {};
    switch (match.token->kind) {
    case LineComment:
        return {TextKind::LineComment, lineEnd(text, at, length), false};
    case BlockComment: {
        comment = match.token->index + 1;
        const int end = commentEnd(text, at + match.length, length, comment);
        return {TextKind::BlockComment, end, comment != 0};
    }
    case StringDelimiter: {
        bool closed = false;
        const int end = stringEnd(text, at + match.length, length, match.token->index, &closed);
        return {TextKind::String, end, !closed};
    }
    default:
        return {};
    }
}

void ScriptStyler::style(const char *text, int length, int state, unsigned char *styles,
                         std::vector<Line> &lines) const
{
    styleText<true>(text, length, state, styles, lines);
}

void ScriptStyler::styleCommentsAndStrings(const char *text, int length, int state, unsigned char *styles,
                                           std::vector<Line> &lines) const
{
    if (m_wordsOpenText)
        styleText<true>(text, length, state, styles, lines);
    else
        styleText<false>(text, length, state, styles, lines);
}

template <bool LookUpWords>
void ScriptStyler::styleText(const char *characters, int length, int state, unsigned char *styles,
                             std::vector<Line> &lines) const
{
    const auto *text = reinterpret_cast<const unsigned char *>(characters);
    int comment = state & 0xFF;     // the open comment pair plus one; 0 outside comments
    if (comment > int(m_commentEnds.size()))
        comment = 0;                // a state left by another definition
    int depth = std::clamp(state >> 8, 0, MaxDepth);
    // The lowest depth before an opening on this line: "} else {" heads a block of its own.
    int lowest = depth;
    const auto isLineEnd = [this](unsigned char c) { return (m_byteClass[c] & LineEndByte) != 0; };
    const auto endLine = [&] {
        lines.push_back({(FoldBase + lowest) | (depth > lowest ? FoldHeader : 0), (depth << 8) | comment});
        lowest = depth;
    };

    // Without word look-ups, tokens that open no comment or string need not be matched either
    // when they cannot change what does.
    const bool textOnly = !LookUpWords && m_otherSymbolsApart;
    const auto *symbolTokens = textOnly ? &m_textSymbolTokens : &m_symbolTokens;
    const unsigned char startByte = textOnly ? TextStartByte : TokenStartByte;

    int i = 0;
    while (i < length) {
        const unsigned char c = text[i];
        if (isLineEnd(c)) {
            const int size = (c == '\r' && i + 1 < length && text[i + 1] == '\n') ? 2 : 1;
            std::memset(styles + i, comment ? Comment : Default, size);
            i += size;
            endLine();
            continue;
        }
        if (comment) {
            const int j = commentEnd(text, i, length, comment);
            std::memset(styles + i, Comment, j - i);
            i = j;
            continue;
        }

        Match match;
        if (m_byteClass[c] & startByte)
            match = matchSymbol((*symbolTokens)[c], text, i, length);
        if (!match.token && isWordByte(c)) {
            // Any symbol token matching here is longer than the word, so it was tried first.
            uint32_t hash = HashStart;
            int j = i;
            for (; j < length && isWordByte(text[j]); ++j)
                hash = (hash ^ m_lower[text[j]]) * HashFactor;
            match.length = j - i;
            if (LookUpWords && !m_wordTokens.empty())
                match.token = lookUpWord(text + i, match.length, hash);
            if (!match.token) {
                std::memset(styles + i, (m_byteClass[c] & DigitByte) ? m_numberStyle : static_cast<unsigned char>(Default), match.length);
                i = j;
                continue;
            }
        }
        if (!match.token) {
            styles[i++] = Default;
            continue;
        }

        int size = match.length;
        unsigned char style = Default;
        switch (match.token->kind) {
        case LineComment:
            size = lineEnd(text, i + size, length) - i;
            style = Comment;
            break;
        case BlockComment:
            comment = match.token->index + 1;
            style = Comment;
            break;
        case StringDelimiter:
            size = stringEnd(text, i + size, length, match.token->index, nullptr) - i;
            style = String;
            break;
        case ScopeOpen:
            lowest = std::min(lowest, depth);
            depth = std::min(depth + 1, MaxDepth);
            style = ScopeKeyword;
            break;
        case ScopeClose:
            depth = std::max(depth - 1, 0);
            style = ScopeKeyword;
            break;
        case KeywordWord: style = Keyword; break;
        case TagElementWord: style = TagElement; break;
        case TagAttributeWord: style = TagAttribute; break;
        case OperatorToken: style = Operator; break;
        }
        std::memset(styles + i, style, size);
        i += size;
    }
    if (length > 0 && !isLineEnd(text[length - 1]))
        endLine();
}
