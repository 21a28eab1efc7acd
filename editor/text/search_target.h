// What Finder searches and replaces in: one text with a selection, addressed by positions.
#pragma once

#include <QPair>
#include <QString>
#include <QVector>

struct FindOptions
{
    bool matchCase = false;
    bool wholeWord = false;
    bool wrapAround = true;
    bool forward = true;
    // The search text is a regular expression; "\\1" and so on in a replacement stand for its groups.
    bool regularExpression = false;
    // Replace All works in the selection only.
    bool inSelection = false;
};

// One match and what replaces it.
struct RangeReplacement
{
    int from = 0;
    int to = 0;
    QString text;
};

// Positions are the target's own units (bytes in the text area); Finder only compares and
// passes them back, so it never needs to know which.
class SearchTarget
{
public:
    virtual ~SearchTarget() = default;

    virtual int textLength() const = 0;
    virtual int selectionStartPosition() const = 0;
    virtual int selectionEndPosition() const = 0;
    virtual bool isReadOnly() const = 0;
    // Start of the first match of text in [from, to) (to < from searches backwards), or -1;
    // length receives the match length.
    virtual int findInRange(const QString &text, int from, int to, const FindOptions &options,
                            int *length) const = 0;
    // Selects [from, to) (an empty range just moves the caret) and shows it.
    virtual void selectRange(int from, int to) = 0;
    // Replaces [from, to) with text; returns the end of the new text, or -1 when read-only.
    virtual int replaceRange(int from, int to, const QString &text) = 0;
    // Replaces each of the sorted, non-overlapping ranges with text as one undo step.
    virtual void replaceRanges(const QVector<QPair<int, int>> &ranges, const QString &text) = 0;
    // The same, each range with a text of its own.
    virtual void replaceEach(const QVector<RangeReplacement> &replacements)
    {
        for (auto it = replacements.crbegin(); it != replacements.crend(); ++it)
            replaceRange(it->from, it->to, it->text);
    }
    // The text of a group of the last regular-expression match findInRange found (0: all of it).
    virtual QString capturedGroup(int group) const
    {
        Q_UNUSED(group);
        return QString();
    }
};
