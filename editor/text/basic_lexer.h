// BasicLexer: the "Basic" language, on top of Scintilla's own "vb" lexer.
#pragma once

#include <Qsci/qscilexer.h>

#include "colour_scheme.h"
#include "language_registry.h"

class BasicLexer : public QsciLexer, public ElementStyledLanguage
{
    Q_OBJECT

public:
    // Style numbers of Scintilla's "vb" lexer.
    enum {
        Default = 0,
        Comment = 1,
        Number = 2,
        Keyword = 3,
        String = 4,
        Preprocessor = 5,
        Operator = 6,
        Identifier = 7,
        Date = 8,
        UnclosedString = 9,
        Keyword2 = 10,
        Keyword3 = 11,
        Keyword4 = 12,
        Constant = 13,
        Asm = 14,
        Label = 15,
        Error = 16,
        HexNumber = 17,
        BinNumber = 18,
    };

    explicit BasicLexer(QObject *parent = nullptr);

    const char *language() const override;
    const char *lexer() const override;
    const char *keywords(int set) const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QFont defaultFont(int style) const override;
    bool caseSensitive() const override;
    const char *wordCharacters() const override;

    // Every style takes the scheme's colour for its role and the scheme's paper; without a
    // scheme, the Light scheme's colours.
    void applyColourTheme(const ColourTheme &theme) override;

    // The kind of text a style holds.
    static TextRole role(int style);
};
