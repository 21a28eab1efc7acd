// The languages an edit control can select by name.
#include "language_registry.h"

#include "basic_lexer.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerjava.h>
#include <Qsci/qscilexerpascal.h>
#include <Qsci/qscilexersql.h>
#include <Qsci/qscilexerxml.h>

namespace {

template <typename Lexer>
LexerFactory factoryOf()
{
    return [](QObject *parent) -> QsciLexer * { return new Lexer(parent); };
}

} // namespace

LanguageRegistry::LanguageRegistry()
{
    registerLanguage(QStringLiteral("C/C++"), factoryOf<QsciLexerCPP>());
    registerLanguage(QStringLiteral("Basic"), factoryOf<BasicLexer>());
    registerLanguage(QStringLiteral("Java"), factoryOf<QsciLexerJava>());
    registerLanguage(QStringLiteral("Pascal"), factoryOf<QsciLexerPascal>());
    registerLanguage(QStringLiteral("SQL"), factoryOf<QsciLexerSQL>());
    registerLanguage(QStringLiteral("HTML"), factoryOf<QsciLexerHTML>());
    registerLanguage(QStringLiteral("XML"), factoryOf<QsciLexerXML>());
}

void LanguageRegistry::registerLanguage(const QString &name, LexerFactory factory)
{
    // An empty name means "no highlighting" and a missing factory could not make a lexer.
    if (name.isEmpty() || !factory)
        return;
    if (!m_factories.contains(name))
        m_names.append(name);
    m_factories.insert(name, std::move(factory));
}

bool LanguageRegistry::contains(const QString &name) const
{
    return m_factories.contains(name);
}

QStringList LanguageRegistry::names() const
{
    return m_names;
}

QsciLexer *LanguageRegistry::create(const QString &name, QObject *parent) const
{
    const auto it = m_factories.constFind(name);
    if (it == m_factories.constEnd())
        return nullptr;
    return (*it)(parent);
}
