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
    return find(m_options.forward);
}

bool Finder::findPrevious()
{
    return find(!m_options.forward);
}

bool Finder::find(bool forward)
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

bool Finder::replace()
{
    if (m_searchText.isEmpty() || m_target.isReadOnly())
        return false;
    bool replaced = false;
    if (selectionMatches()) {
        const int start = m_target.selectionStartPosition();
        const int end = m_target.replaceRange(start, m_target.selectionEndPosition(), m_replaceText);
        // Continue beyond the new text so a replacement holding the search text is not found again.
        if (m_options.forward)
            m_target.selectRange(end, end);
        else
            m_target.selectRange(start, start);
        replaced = true;
    }
    return find(m_options.forward) || replaced;
}

int Finder::replaceAll()
{
    if (m_searchText.isEmpty() || m_target.isReadOnly())
        return 0;
    // Collect every match first and replace them together; each search starts after the
    // previous match, so a replacement holding the search text is never searched again.
    QVector<QPair<int, int>> matches;
    const int length = m_target.textLength();
    int position = 0;
    for (;;) {
        int matchLength = 0;
        const int found = m_target.findInRange(m_searchText, position, length, m_options, &matchLength);
        if (found < 0 || matchLength <= 0)
            break;
        matches.append({found, found + matchLength});
        position = found + matchLength;
    }
    m_target.replaceRanges(matches, m_replaceText);
    return static_cast<int>(matches.size());
}
