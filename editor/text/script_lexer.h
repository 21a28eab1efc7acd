// ScriptLexer: the "NPC Script" language, a list-driven lexer that styles and folds the document.
#pragma once

#include <Qsci/qscilexercustom.h>

#include <vector>

#include "language_definition.h"
#include "language_registry.h"
#include "script_styler.h"

class ScriptLexer : public QsciLexerCustom, public ElementStyledLanguage
{
    Q_OBJECT

public:
    enum Style {
        Default = ScriptStyler::Default,
        Keyword = ScriptStyler::Keyword,
        Operator = ScriptStyler::Operator,
        Comment = ScriptStyler::Comment,
        String = ScriptStyler::String,
        Number = ScriptStyler::Number,
        TagAttribute = ScriptStyler::TagAttribute,
        TagElement = ScriptStyler::TagElement,
        ScopeKeyword = ScriptStyler::ScopeKeyword,
    };

    explicit ScriptLexer(const LanguageDefinition &definition, QObject *parent = nullptr);

    const char *language() const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QFont defaultFont(int style) const override;
    bool caseSensitive() const override;

    // Styles whole lines from the one holding start (or from the first unstyled line, if that
    // comes earlier) through the one holding end - 1, and sets their fold levels.
    void styleText(int start, int end) override;

    // Every style takes the theme's scheme colour and paper, where the theme has a scheme;
    // keywords, scope keywords, operators, comments, strings and numbers take the theme's own
    // colours over the scheme's, and keywords (scope keywords too), comments and operators its
    // font styles.
    void applyColourTheme(const ColourTheme &theme) override;

private:
    ScriptStyler m_styler;
    std::vector<unsigned char> m_styles;
    std::vector<ScriptStyler::Line> m_lines;
};
