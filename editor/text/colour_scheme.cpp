// The Light and Dark schemes, and the contrast computation they are held to.
#include "colour_scheme.h"

#include <algorithm>
#include <cmath>

namespace {

double linearChannel(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor rgb(unsigned int value)
{
    return QColor::fromRgb(value);
}

// Today's look, with every colour that read poorly darkened just enough to reach the minimum:
// red strings and operators, grey comments, faint line numbers, the grey call tip text, the
// amber warning squiggle and the pale selection.
ColourScheme lightScheme()
{
    ColourScheme scheme;
    scheme.kind = SchemeKind::Light;
    scheme.name = "Light";
    scheme.paper = rgb(0xFFFFFF);
    scheme.currentLine = rgb(0xF0F0F0);
    scheme.caret = rgb(0x000000);
    scheme.selectionText = rgb(0xFFFFFF);
    scheme.selectionBack = rgb(0x1D6AA5);
    scheme.matchedBrace = rgb(0x0000FF);
    scheme.unmatchedBrace = rgb(0xD00000);
    scheme.scriptText = {
        {TextRole::Plain, rgb(0x000000)},        {TextRole::Keyword, rgb(0x0000FF)},
        {TextRole::ScopeKeyword, rgb(0x0000FF)}, {TextRole::Operator, rgb(0xD00000)},
        {TextRole::Comment, rgb(0x696969)},      {TextRole::String, rgb(0xD00000)},
        {TextRole::Number, rgb(0x8000E1)},       {TextRole::TagAttribute, rgb(0x6B6B00)},
        {TextRole::TagElement, rgb(0x006B9E)},
    };
    scheme.basicText = {
        {TextRole::Plain, rgb(0x000000)},    {TextRole::Comment, rgb(0x008000)},
        {TextRole::Number, rgb(0x8000E1)},   {TextRole::Keyword, rgb(0x0000FF)},
        {TextRole::Function, rgb(0x0060A0)}, {TextRole::String, rgb(0xA00000)},
        {TextRole::Preprocessor, rgb(0x6B6B00)}, {TextRole::Operator, rgb(0x800000)},
        {TextRole::Constant, rgb(0x804000)}, {TextRole::Label, rgb(0x696969)},
        {TextRole::Error, rgb(0xD00000)},
    };
    scheme.lineNumbers = rgb(0x5E5E5E);
    scheme.marginBack = rgb(0xE0E0E0);
    // The fold margin keeps the look QScintilla gives it.
    scheme.callTipText = rgb(0x505050);
    scheme.callTipHighlight = rgb(0x00007F);
    scheme.callTipBack = rgb(0xFFFFFF);
    scheme.errorMark = rgb(0xD02020);
    scheme.warningMark = rgb(0x8A5C00);
    return scheme;
}

ColourScheme darkScheme()
{
    ColourScheme scheme;
    scheme.kind = SchemeKind::Dark;
    scheme.name = "Dark";
    scheme.paper = rgb(0x1E1E1E);
    scheme.currentLine = rgb(0x282828);
    scheme.caret = rgb(0xF0F0F0);
    scheme.selectionText = rgb(0xFFFFFF);
    scheme.selectionBack = rgb(0x264F78);
    scheme.matchedBrace = rgb(0xFFD700);
    scheme.unmatchedBrace = rgb(0xFF6B6B);
    scheme.scriptText = {
        {TextRole::Plain, rgb(0xD4D4D4)},        {TextRole::Keyword, rgb(0x569CD6)},
        {TextRole::ScopeKeyword, rgb(0xC586C0)}, {TextRole::Operator, rgb(0xF08080)},
        {TextRole::Comment, rgb(0x7CA668)},      {TextRole::String, rgb(0xCE9178)},
        {TextRole::Number, rgb(0xB5CEA8)},       {TextRole::TagAttribute, rgb(0x9CDCFE)},
        {TextRole::TagElement, rgb(0x4EC9B0)},
    };
    scheme.basicText = {
        {TextRole::Plain, rgb(0xD4D4D4)},    {TextRole::Comment, rgb(0x7CA668)},
        {TextRole::Number, rgb(0xB5CEA8)},   {TextRole::Keyword, rgb(0x569CD6)},
        {TextRole::Function, rgb(0xDCDCAA)}, {TextRole::String, rgb(0xCE9178)},
        {TextRole::Preprocessor, rgb(0xC586C0)}, {TextRole::Operator, rgb(0xD4D4D4)},
        {TextRole::Constant, rgb(0x4FC1FF)}, {TextRole::Label, rgb(0xA0A0A0)},
        {TextRole::Error, rgb(0xFF6B6B)},
    };
    scheme.lineNumbers = rgb(0x909090);
    scheme.marginBack = rgb(0x252526);
    scheme.foldMarginBack = rgb(0x252526);
    scheme.foldMarkFore = rgb(0x252526);
    scheme.foldMarkBack = rgb(0x909090);
    scheme.callTipText = rgb(0xD4D4D4);
    scheme.callTipHighlight = rgb(0x9CDCFE);
    scheme.callTipBack = rgb(0x252526);
    scheme.errorMark = rgb(0xFF7070);
    scheme.warningMark = rgb(0xE0B000);
    scheme.panels = {
        {QPalette::Window, rgb(0x2B2B2B)},       {QPalette::WindowText, rgb(0xE0E0E0)},
        {QPalette::Base, rgb(0x1E1E1E)},         {QPalette::AlternateBase, rgb(0x262626)},
        {QPalette::Text, rgb(0xD4D4D4)},         {QPalette::Button, rgb(0x333333)},
        {QPalette::ButtonText, rgb(0xE0E0E0)},   {QPalette::Highlight, rgb(0x264F78)},
        {QPalette::HighlightedText, rgb(0xFFFFFF)}, {QPalette::ToolTipBase, rgb(0x252526)},
        {QPalette::ToolTipText, rgb(0xD4D4D4)},  {QPalette::PlaceholderText, rgb(0x9A9A9A)},
        {QPalette::Link, rgb(0x4FC1FF)},         {QPalette::LinkVisited, rgb(0xC586C0)},
        {QPalette::BrightText, rgb(0xFF6B6B)},   {QPalette::Light, rgb(0x505050)},
        {QPalette::Midlight, rgb(0x3C3C3C)},     {QPalette::Mid, rgb(0x2F2F2F)},
        {QPalette::Dark, rgb(0x1A1A1A)},         {QPalette::Shadow, rgb(0x000000)},
    };
    return scheme;
}

QString roleName(TextRole role)
{
    switch (role) {
    case TextRole::Plain: return QStringLiteral("plain text");
    case TextRole::Keyword: return QStringLiteral("keyword");
    case TextRole::ScopeKeyword: return QStringLiteral("scope keyword");
    case TextRole::Function: return QStringLiteral("function");
    case TextRole::Operator: return QStringLiteral("operator");
    case TextRole::Comment: return QStringLiteral("comment");
    case TextRole::String: return QStringLiteral("string");
    case TextRole::Number: return QStringLiteral("number");
    case TextRole::Preprocessor: return QStringLiteral("preprocessor");
    case TextRole::Constant: return QStringLiteral("constant");
    case TextRole::Label: return QStringLiteral("label");
    case TextRole::Error: return QStringLiteral("error");
    case TextRole::TagAttribute: return QStringLiteral("tag attribute");
    case TextRole::TagElement: return QStringLiteral("tag element");
    }
    return QString();
}

} // namespace

double RelativeLuminance(const QColor &colour)
{
    const QColor srgb = colour.toRgb();
    return 0.2126 * linearChannel(srgb.redF()) + 0.7152 * linearChannel(srgb.greenF())
        + 0.0722 * linearChannel(srgb.blueF());
}

double ContrastRatio(const QColor &first, const QColor &second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableOn(const QColor &colour, const QColor &background)
{
    if (ContrastRatio(colour, background) >= MinimumTextContrast)
        return colour;
    const QColor target = RelativeLuminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    const QColor from = colour.toRgb();
    // Small steps keep the hue recognisable: the first mix that reads is the one taken.
    for (int step = 1; step <= 50; ++step) {
        const double t = step / 50.0;
        const auto mix = [t](double a, double b) { return a + (b - a) * t; };
        // Rounded to the 8-bit channels the text area draws with, so the check holds there.
        const QColor mixed(QColor::fromRgbF(float(mix(from.redF(), target.redF())), float(mix(from.greenF(), target.greenF())),
                                            float(mix(from.blueF(), target.blueF()))).rgb());
        if (ContrastRatio(mixed, background) >= MinimumTextContrast)
            return mixed;
    }
    return target;
}

SchemeKind DesktopSchemeKind(const QColor &desktopWindow)
{
    return desktopWindow.toHsl().lightnessF() < 0.5 ? SchemeKind::Dark : SchemeKind::Light;
}

const ColourScheme &SchemeFor(SchemeKind kind)
{
    static const ColourScheme light = lightScheme();
    static const ColourScheme dark = darkScheme();
    return kind == SchemeKind::Dark ? dark : light;
}

QPalette SchemePalette(const ColourScheme &scheme, const QPalette &base)
{
    QPalette palette = base;
    for (const auto &[role, colour] : scheme.panels)
        palette.setColor(role, colour);
    if (!scheme.panels.empty()) {
        // Greyed text is meant to recede; it stays apart from the window and the base.
        const QColor greyed = rgb(0x7A7A7A);
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, greyed);
    }
    return palette;
}

QList<ColourPair> ReadablePairs(const ColourScheme &scheme)
{
    QList<ColourPair> pairs;
    // Text and squiggles stand on the paper and on the caret's line.
    const auto onText = [&](const QString &what, const QColor &colour) {
        pairs.append({what + QStringLiteral(" on the paper"), colour, scheme.paper});
        pairs.append({what + QStringLiteral(" on the caret's line"), colour, scheme.currentLine});
    };
    for (const auto &[role, colour] : scheme.scriptText)
        onText(QStringLiteral("script ") + roleName(role), colour);
    for (const auto &[role, colour] : scheme.basicText)
        onText(QStringLiteral("Basic ") + roleName(role), colour);
    onText(QStringLiteral("matched brace"), scheme.matchedBrace);
    onText(QStringLiteral("unmatched brace"), scheme.unmatchedBrace);
    onText(QStringLiteral("error squiggle"), scheme.errorMark);
    onText(QStringLiteral("warning squiggle"), scheme.warningMark);
    onText(QStringLiteral("caret"), scheme.caret);
    pairs.append({QStringLiteral("selected text"), scheme.selectionText, scheme.selectionBack});
    pairs.append({QStringLiteral("line numbers"), scheme.lineNumbers, scheme.marginBack});
    pairs.append({QStringLiteral("call tip text"), scheme.callTipText, scheme.callTipBack});
    pairs.append({QStringLiteral("call tip highlight"), scheme.callTipHighlight, scheme.callTipBack});

    // The panels' text on the surfaces it is drawn on.
    static const struct
    {
        const char *what;
        QPalette::ColorRole text;
        QPalette::ColorRole background;
    } panelPairs[] = {
        {"panel text", QPalette::Text, QPalette::Base},
        {"panel text on alternate rows", QPalette::Text, QPalette::AlternateBase},
        {"window text", QPalette::WindowText, QPalette::Window},
        {"button text", QPalette::ButtonText, QPalette::Button},
        {"highlighted text", QPalette::HighlightedText, QPalette::Highlight},
        {"tip text", QPalette::ToolTipText, QPalette::ToolTipBase},
        {"placeholder text", QPalette::PlaceholderText, QPalette::Base},
        {"link", QPalette::Link, QPalette::Base},
    };
    const auto panelColour = [&scheme](QPalette::ColorRole role) {
        for (const auto &[panelRole, colour] : scheme.panels)
            if (panelRole == role)
                return colour;
        return QColor();
    };
    for (const auto &pair : panelPairs) {
        const QColor text = panelColour(pair.text);
        const QColor background = panelColour(pair.background);
        if (text.isValid() && background.isValid())
            pairs.append({QLatin1String(pair.what), text, background});
    }
    return pairs;
}
