// Finding and replacing text in a search target; the find dialogs only drive this.
#include "finder.h"

Finder::Finder(SearchTarget &target)
    : m_target(target)
{
}

void Finder::setSearchText(const QString &text)
{
    m_searchText = text;
}

QString Finder::searchText() const
{
    return m_searchText;
}

void Finder::setReplaceText(const QString &text)
{
    m_replaceText = text;
}

QString Finder::replaceText() const
{
    return m_replaceText;
}

void Finder::setOptions(const FindOptions &options)
{
    m_options = options;
}

FindOptions Finder::options() const
{
    return m_options;
}

bool Finder::findNext()
{
    return findInDirection(m_options.forward);
}

bool Finder::findPrevious()
{
    return findInDirection(!m_options.forward);
}

bool Finder::findInDirection(bool forward)
{
    if (m_searchText.isEmpty())
        return false;
    const int length = m_target.textLength();
    int matchLength = 0;
    int found;
    if (forward) {
        const int from = m_target.selectionEndPosition();
        found = m_target.findInRange(m_searchText, from, length, m_options, &matchLength);
        if (found < 0 && m_options.wrapAround && from > 0)
            found = m_target.findInRange(m_searchText, 0, length, m_options, &matchLength);
    } else {
        const int from = m_target.selectionStartPosition();
        found = m_target.findInRange(m_searchText, from, 0, m_options, &matchLength);
        if (found < 0 && m_options.wrapAround && from < length)
            found = m_target.findInRange(m_searchText, length, 0, m_options, &matchLength);
    }
    if (found < 0)
        return false;
    m_target.selectRange(found, found + matchLength);
    return true;
}

bool Finder::selectionMatches() const
{
    const int start = m_target.selectionStartPosition();
    const int end = m_target.selectionEndPosition();
    if (start == end || m_searchText.isEmpty())
        return false;
    int matchLength = 0;
    return m_target.findInRange(m_searchText, start, end, m_options, &matchLength) == start
        && start + matchLength == end;
}

QString Finder::replacementForMatch() const
{
    if (!m_options.regularExpression)
        return m_replaceText;
    // \0 to \9 are the groups, \\ a backslash, \n, \r and \t their characters; any other
    // backslash stays as typed.
    QString result;
    for (qsizetype i = 0; i < m_replaceText.size(); ++i) {
        const QChar ch = m_replaceText.at(i);
        if (ch != QLatin1Char('\\') || i + 1 == m_replaceText.size()) {
            result += ch;
            continue;
        }
        const QChar next = m_replaceText.at(++i);
        if (next.isDigit() && next.unicode() < 0x80)
            result += m_target.capturedGroup(next.digitValue());
        else if (next == QLatin1Char('n'))
            result += QLatin1Char('\n');
        else if (next == QLatin1Char('r'))
            result += QLatin1Char('\r');
        else if (next == QLatin1Char('t'))
            result += QLatin1Char('\t');
        else if (next == QLatin1Char('\\'))
            result += next;
        else
            result += QLatin1Char('\\') + QString(next);
    }
    return result;
}

bool Finder::replace()
{
    if (m_searchText.isEmpty() || m_target.isReadOnly())
        return false;
    bool replaced = false;
    if (selectionMatches()) {
        const int start = m_target.selectionStartPosition();
        const int end = m_target.replaceRange(start, m_target.selectionEndPosition(), replacementForMatch());
        // Continue beyond the new text so a replacement holding the search text is not found again.
        if (m_options.forward)
            m_target.selectRange(end, end);
        else
            m_target.selectRange(start, start);
        replaced = true;
    }
    return findInDirection(m_options.forward) || replaced;
}

int Finder::replaceAll()
{
    if (m_searchText.isEmpty() || m_target.isReadOnly())
        return 0;
    // Collect every match first and replace them together; each search starts after the
    // previous match, so a replacement holding the search text is never searched again.
    const int start = m_options.inSelection ? m_target.selectionStartPosition() : 0;
    const int end = m_options.inSelection ? m_target.selectionEndPosition() : m_target.textLength();
    QVector<RangeReplacement> matches;
    int position = start;
    while (position < end) {
        int matchLength = 0;
        const int found = m_target.findInRange(m_searchText, position, end, m_options, &matchLength);
        if (found < 0 || matchLength <= 0)
            break;
        matches.append({found, found + matchLength, replacementForMatch()});
        position = found + matchLength;
    }
    if (m_options.regularExpression) {
        m_target.replaceEach(matches);
    } else {
        QVector<QPair<int, int>> ranges;
        for (const RangeReplacement &match : std::as_const(matches))
            ranges.append({match.from, match.to});
        m_target.replaceRanges(ranges, m_replaceText);
    }
    return static_cast<int>(matches.size());
}
