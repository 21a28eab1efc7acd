// The "Basic" language: keywords and default colours for Scintilla's "vb" lexer.
#include "basic_lexer.h"

#include <QColor>
#include <QFont>

#include "colour_theme.h"

BasicLexer::BasicLexer(QObject *parent)
    : QsciLexer(parent)
{
}

const char *BasicLexer::language() const
{
    return "Basic";
}

const char *BasicLexer::lexer() const
{
    return "vb";
}

const char *BasicLexer::keywords(int set) const
{
    // The vb lexer lowers each word before looking it up, so the lists are lower case.
    if (set == 1)
        return "addressof alias and as attribute base begin binary boolean byref byte byval call "
               "case cdbl cint clng compare const csng cstr currency date decimal declare defbool "
               "defbyte defcur defdate defdbl defdec defint deflng defobj defsng defstr defvar dim "
               "do double each else elseif empty end enum eqv erase error event exit explicit false "
               "for friend function get global gosub goto if imp implements in input integer is let "
               "lib like load lock long loop lset me mid mod module new next not nothing null object "
               "on option optional or paramarray preserve print private property public raiseevent "
               "randomize redim rem resume return rset select set single static step stop string "
               "sub then to true type typeof unload until variant wend while with withevents xor";
    if (set == 2)
        return "abs array asc chr chr$ cos doevents eof exp fix format hex instr int lbound lcase "
               "left left$ len log ltrim msgbox now oct replace right right$ rnd rtrim sgn sin space "
               "split sqr str str$ strcomp tan trim ubound ucase val";
    return nullptr;
}

QString BasicLexer::description(int style) const
{
    switch (style) {
    case Default: return tr("Default");
    case Comment: return tr("Comment");
    case Number: return tr("Number");
    case Keyword: return tr("Keyword");
    case String: return tr("String");
    case Preprocessor: return tr("Preprocessor");
    case Operator: return tr("Operator");
    case Identifier: return tr("Identifier");
    case Date: return tr("Date");
    case UnclosedString: return tr("Unclosed string");
    case Keyword2: return tr("Built-in function");
    case Keyword3: return tr("Keyword set 3");
    case Keyword4: return tr("Keyword set 4");
    case Constant: return tr("Constant");
    case Asm: return tr("Inline assembler");
    case Label: return tr("Label");
    case Error: return tr("Error");
    case HexNumber: return tr("Hexadecimal number");
    case BinNumber: return tr("Binary number");
    default: return QString();
    }
}

TextRole BasicLexer::role(int style)
{
    switch (style) {
    case Comment: return TextRole::Comment;
    case Number:
    case HexNumber:
    case BinNumber:
    case Date: return TextRole::Number;
    case Keyword: return TextRole::Keyword;
    case Keyword2:
    case Keyword3:
    case Keyword4: return TextRole::Function;
    case String:
    case UnclosedString: return TextRole::String;
    case Preprocessor: return TextRole::Preprocessor;
    case Operator: return TextRole::Operator;
    case Constant: return TextRole::Constant;
    case Label: return TextRole::Label;
    case Error: return TextRole::Error;
    default: return TextRole::Plain;
    }
}

QColor BasicLexer::defaultColor(int style) const
{
    return SchemeFor(SchemeKind::Light).basicText.at(role(style));
}

void BasicLexer::applyColourTheme(const ColourTheme &theme)
{
    const ColourScheme &scheme = theme.scheme ? *theme.scheme : SchemeFor(SchemeKind::Light);
    setDefaultPaper(scheme.paper);
    setDefaultColor(scheme.basicText.at(TextRole::Plain));
    for (int style = Default; style <= BinNumber; ++style) {
        setColor(scheme.basicText.at(role(style)), style);
        setPaper(scheme.paper, style);
    }
}

QFont BasicLexer::defaultFont(int style) const
{
    QFont font = QsciLexer::defaultFont(style);
    if (style == Comment)
        font.setItalic(true);
    return font;
}

bool BasicLexer::caseSensitive() const
{
    return false;
}

const char *BasicLexer::wordCharacters() const
{
    return "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_$";
}

#include "moc_basic_lexer.cpp"
