// Colour schemes of the text area and the panels, and the contrast that text keeps in each.
#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

#include <map>
#include <utility>
#include <vector>

// The brightness of a colour as contrast checks weigh it (sRGB channels made linear, then
// weighted for the eye), from 0 for black to 1 for white.
double RelativeLuminance(const QColor &colour);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor &first, const QColor &second);
// Text and the marks in it keep at least this contrast against what they stand on.
inline constexpr double MinimumTextContrast = 4.5;
// colour itself when it already reaches MinimumTextContrast on background, else the nearest
// colour towards white (on a dark background) or black (on a light one) that does.
QColor ReadableOn(const QColor &colour, const QColor &background);

enum class SchemeKind { Light, Dark };
// What the user picks: a scheme, or whichever of the two the desktop looks like.
enum class SchemeChoice { Light, Dark, FollowDesktop };
// Dark when the desktop's window colour is closer to black than to white.
SchemeKind DesktopSchemeKind(const QColor &desktopWindow);

// The kinds of text the languages style; each language says which of its styles is which.
enum class TextRole {
    Plain, Keyword, ScopeKeyword, Function, Operator, Comment, String, Number, Preprocessor,
    Constant, Label, Error, TagAttribute, TagElement,
};

struct ColourScheme
{
    SchemeKind kind;
    const char *name;
    // The text area.
    QColor paper;
    QColor currentLine;
    QColor caret;
    QColor selectionText;
    QColor selectionBack;
    QColor matchedBrace;
    QColor unmatchedBrace;
    // Each language's text, by role.
    std::map<TextRole, QColor> scriptText;
    std::map<TextRole, QColor> basicText;
    // The margins beside the text.
    QColor lineNumbers;
    QColor marginBack;
    QColor foldMarginBack;
    QColor foldMarkFore;
    QColor foldMarkBack;
    // The tip that shows a command's arguments while typing.
    QColor callTipText;
    QColor callTipHighlight;
    QColor callTipBack;
    // Problem squiggles under the text.
    QColor errorMark;
    QColor warningMark;
    // The panels' palette; none: the desktop's own palette stays.
    std::vector<std::pair<QPalette::ColorRole, QColor>> panels;
};

const ColourScheme &SchemeFor(SchemeKind kind);
// The panels' palette: base with the scheme's panel colours set in every colour group.
QPalette SchemePalette(const ColourScheme &scheme, const QPalette &base);

// One colour of text or of a mark, and what it is seen against.
struct ColourPair
{
    QString what;
    QColor foreground;
    QColor background;
};
// Every pair of the scheme that must stay readable.
QList<ColourPair> ReadablePairs(const ColourScheme &scheme);
