// Searching and replacing in a search target, without any dialog.
#pragma once

#include <QString>

#include "search_target.h"

class Finder
{
public:
    explicit Finder(SearchTarget &target);

    void setSearchText(const QString &text);
    QString searchText() const;
    void setReplaceText(const QString &text);
    QString replaceText() const;
    void setOptions(const FindOptions &options);
    FindOptions options() const;

    // Finds the next match from the caret in the search direction (or against it for
    // findPrevious) and selects it; wraps around when allowed. False when nothing matches.
    bool findNext();
    bool findPrevious();
    // Replaces the selection when it is a match, then selects the next match.
    bool replace();
    // Replaces every match in one undo step; returns the count.
    int replaceAll();

private:
    bool findInDirection(bool forward);
    bool selectionMatches() const;
    // The replacement for the match just found: the groups put in for a regular expression.
    QString replacementForMatch() const;

    SearchTarget &m_target;
    QString m_searchText;
    QString m_replaceText;
    FindOptions m_options;
};
