// The text area's look by element: colours and font styles, handed to the languages as one value.
#pragma once

#include <QColor>
#include <QFlags>
#include <QFont>

#include <map>

#include "colour_scheme.h"

// Parts of the text area that take a colour. The numbers are the element indexes of the
// editor's colour settings, so stored settings keep meaning the same part.
enum class EditorElement : int {
    OperatorText = 10,
    NumberText = 14,
    CommentText = 16,
    KeywordText = 20,
    ScopeKeywordText = 22,
    StringText = 24,
    LineNumberText = 26,
    CurrentLineBackground = 27,
};

// Parts of the text that take a font style, numbered as in the same settings.
enum class StyledElement : int { Keyword = 2, Comment = 5, Operator = 9 };

// Bold and italic combine: Bold | Italic is stored as 3.
enum class FontStyleFlag : int { Bold = 1, Italic = 2 };
Q_DECLARE_FLAGS(FontStyle, FontStyleFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyle)

struct ColourTheme
{
    // The editor's font; a bold or italic face stays so in every styled part.
    QFont font;
    std::map<EditorElement, QColor> colours;
    std::map<StyledElement, FontStyle> fontStyles;
    // The scheme the text is drawn in; none: each language keeps its own colours. An element
    // colour set above wins over the scheme's.
    const ColourScheme *scheme = nullptr;

    // An invalid colour where the theme sets none: the language keeps its own.
    QColor colour(EditorElement element) const
    {
        const auto found = colours.find(element);
        return found == colours.end() ? QColor() : found->second;
    }
    FontStyle fontStyle(StyledElement element) const
    {
        const auto found = fontStyles.find(element);
        return found == fontStyles.end() ? FontStyle() : found->second;
    }
};
