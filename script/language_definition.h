// The lists that define a list-driven language, as the language definition file holds them.
#pragma once

#include <QString>
#include <QStringList>

// Each list holds one token per line: tokens are separated by line feeds ("\n"). Tokens are
// taken as they are, blanks included; empty tokens mean nothing.
struct LanguageDefinition
{
    QString keywords;
    QString operators;
    QString singleLineComments;
    QString multilineComments1;   // start markers
    QString multilineComments2;   // end markers, paired with the start markers by position
    QString stringDelimiters;
    QString tagAttributeNames;
    QString tagElementNames;
    QString scopeKeywords1;       // open a block (folding)
    QString scopeKeywords2;       // close a block
    // One further setting of the language; kept at 0, it changes nothing in our lexer.
    int setting = 0;

    // The tokens of one list, without empty ones.
    static QStringList tokens(const QString &list);
};

// The lists of section "Definition" of iniFile, each read whole and its "," turned into line
// feeds. A missing file, section or key gives an empty list.
LanguageDefinition ReadLanguageDefinition(const QString &iniFile);
