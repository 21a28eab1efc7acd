// Highlighting languages by name: seven built-in ones and any registered list-driven language.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QsciLexer;
struct ColourTheme;

// A language whose colours follow the editor's colour theme (the list-driven language and
// Basic do; QScintilla's other lexers keep their own colours where they read on the scheme).
class ElementStyledLanguage
{
public:
    virtual ~ElementStyledLanguage() = default;
    virtual void applyColourTheme(const ColourTheme &theme) = 0;
};

using LexerFactory = std::function<QsciLexer *(QObject *parent)>;

class LanguageRegistry
{
public:
    // Knows "C/C++", "Basic", "Java", "Pascal", "SQL", "HTML" and "XML" from the start.
    LanguageRegistry();

    // Registers (or replaces) a language under name.
    void registerLanguage(const QString &name, LexerFactory factory);
    bool contains(const QString &name) const;
    QStringList names() const;

    // A new lexer for name, owned by parent; nullptr for an unknown name.
    QsciLexer *create(const QString &name, QObject *parent) const;

private:
    QHash<QString, LexerFactory> m_factories;
    QStringList m_names;    // in order of registration
};
