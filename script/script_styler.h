// ScriptStyler: styles, line states and fold levels of NPC script bytes, with no widget involved.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct LanguageDefinition;

class ScriptStyler
{
public:
    enum Style : unsigned char {
        Default = 0,
        Keyword = 1,
        Operator = 2,
        Comment = 3,
        String = 4,
        Number = 5,
        TagAttribute = 6,
        TagElement = 7,
        ScopeKeyword = 8,
    };

    // Scintilla's fold level encoding: a base, a header flag and a 12-bit level number.
    static constexpr int FoldBase = 0x400;
    static constexpr int FoldHeader = 0x2000;
    static constexpr int MaxDepth = 0xFFF - FoldBase;

    // What styling one line gives: its fold level, and the state the next line starts in.
    struct Line
    {
        int foldLevel;
        int nextState;
    };

    explicit ScriptStyler(const LanguageDefinition &definition);

    // Styles length bytes of text that begin at a line start in state (0 at the top of a file;
    // otherwise a nextState given for the line before). Writes one style per byte to styles and
    // appends one Line per line to lines, the last one too when text ends inside it.
    void style(const char *text, int length, int state, unsigned char *styles,
               std::vector<Line> &lines) const;

    // As style(), for readers that only ask which bytes are comment or string text: words are
    // not looked up, so they get Default or Number, and fold levels ignore words that open or
    // close scopes. Comment and String styles, and the comment in each nextState, are as style()
    // gives them.
    void styleCommentsAndStrings(const char *text, int length, int state, unsigned char *styles,
                                 std::vector<Line> &lines) const;

    // Comments and strings one token at a time, for readers that split the text themselves.
    enum class TextKind : unsigned char { None, LineComment, BlockComment, String };
    struct TextRun
    {
        TextKind kind = TextKind::None;
        int end = 0;            // past its end marker, or at the line end when it stays open
        bool open = false;      // it reaches the line end without its end marker
    };

    // True when the tokens that open comments and strings alone decide where those lie, so that
    // textRunAt() finds what style() does. Otherwise another token can hide or replace one.
    bool textTokensDecide() const { return m_otherSymbolsApart && !m_wordsOpenText; }
    // Whether a comment or a string may open at a byte c that no word run holds.
    bool mayOpenText(unsigned char c) const { return (m_byteClass[c] & TextStartByte) != 0; }
    // The comment or string at byte at of a line, which no word run holds: one that goes on from
    // the line before when comment (a state's low byte) is set, else one that opens there.
    // Updates comment as style() updates the state.
    TextRun textRunAt(const char *text, int at, int length, int &comment) const;

private:
    // What a token does, in the order that settles a tie between tokens of the same length.
    enum Kind : unsigned char {
        LineComment,
        BlockComment,
        StringDelimiter,
        ScopeOpen,
        ScopeClose,
        KeywordWord,
        TagElementWord,
        TagAttributeWord,
        OperatorToken,
    };

    struct Token
    {
        std::string bytes;      // lower-cased when the token ignores case
        Kind kind;
        bool ignoreCase;
        int index;              // comment pair or string delimiter
    };

    struct Match
    {
        const Token *token = nullptr;
        int length = 0;
    };

    template <bool LookUpWords>
    void styleText(const char *text, int length, int state, unsigned char *styles,
                   std::vector<Line> &lines) const;
    int commentEnd(const unsigned char *text, int at, int length, int &comment) const;
    int stringEnd(const unsigned char *text, int at, int length, int delimiter, bool *closed) const;
    int lineEnd(const unsigned char *text, int at, int length) const;
    void addTokens(const std::vector<std::string> &tokens, Kind kind, bool ignoreCase);
    void addToken(const std::string &bytes, Kind kind, bool ignoreCase, int index);
    void buildWordTable();
    Match matchSymbol(const std::vector<int> &candidates, const unsigned char *text, int at, int length) const;
    void buildTextTable();
    const Token *lookUpWord(const unsigned char *word, int length, uint32_t hash) const;

    enum : unsigned char { WordByte = 1, LineEndByte = 2, DigitByte = 4, TokenStartByte = 8, TextStartByte = 16 };

    std::vector<Token> m_tokens;
    std::vector<int> m_wordTokens;                      // indexes into m_tokens, whole words only
    std::array<std::vector<int>, 256> m_symbolTokens;   // by first byte: longest first, then by kind
    std::array<unsigned char, 256> m_byteClass{};
    std::array<unsigned char, 256> m_lower{};
    std::vector<std::string> m_commentEnds;              // by comment pair
    std::vector<std::string> m_delimiters;               // by string delimiter

    // Open addressing over the lower-cased words; slot holds a token index plus one, 0 when free.
    std::vector<uint32_t> m_wordHashes;
    std::vector<int> m_wordSlots;
    uint32_t m_wordMask = 0;
    int m_longestWord = 0;
    bool m_wordsOpenText = false;           // a whole word starts a comment or a string
    // The tokens that open comments and strings, by first byte, in m_symbolTokens' order; when
    // m_otherSymbolsApart, no other token can hide or take the place of one of them, so
    // styleCommentsAndStrings looks for these alone.
    std::array<std::vector<int>, 256> m_textSymbolTokens;
    bool m_otherSymbolsApart = false;
    unsigned char m_numberStyle = Number;   // Default when no list holds a token: plain text
};
