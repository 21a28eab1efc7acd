#include "file_search.h"

#include <QDirIterator>
#include <QFileInfo>

#include "text_codec.h"
#include "text_file.h"

namespace {

// What a binary file is told by: a NUL byte where text would have none.
constexpr qsizetype BinaryProbeBytes = 8 * 1024;

} // namespace

LineMatcher::LineMatcher(const FileSearchQuery &query)
{
    if (query.text.isEmpty()) {
        m_error = QStringLiteral("Type a text to search for.");
        return;
    }
    QString pattern = query.regularExpression ? query.text : QRegularExpression::escape(query.text);
    // A whole word has no word character right before or after it; a plain \b would also accept
    // a match that itself starts or ends with punctuation inside a word.
    if (query.wholeWord)
        pattern = QStringLiteral("(?<!\\w)(?:") + pattern + QStringLiteral(")(?!\\w)");
    QRegularExpression::PatternOptions options = QRegularExpression::UseUnicodePropertiesOption;
    if (!query.matchCase)
        options |= QRegularExpression::CaseInsensitiveOption;
    m_expression = QRegularExpression(pattern, options);
    if (!m_expression.isValid()) {
        m_error = QStringLiteral("The regular expression is not valid: %1 (at character %2).")
                      .arg(m_expression.errorString())
                      .arg(m_expression.patternErrorOffset());
        return;
    }
    m_expression.optimize();
}

bool LineMatcher::isValid() const
{
    return m_error.isEmpty();
}

QString LineMatcher::errorText() const
{
    return m_error;
}

QList<QPair<int, int>> LineMatcher::matches(const QString &line) const
{
    QList<QPair<int, int>> found;
    if (!isValid())
        return found;
    QRegularExpressionMatchIterator it = m_expression.globalMatch(line);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        found.append({int(match.capturedStart()), int(match.capturedLength())});
    }
    return found;
}

QStringList FilesInFolder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

QList<FileSearchHit> SearchFileBytes(const QString &path, const QByteArray &bytes, const LineMatcher &matcher)
{
    QList<FileSearchHit> hits;
    if (!matcher.isValid() || bytes.left(BinaryProbeBytes).contains('\0'))
        return hits;
    const QString text = TextCodec::fromUtf8KeepingMark(TextFile::decode(bytes).utf8);
    int line = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
            ++end;
        const QString lineText = text.mid(start, end - start);
        for (const auto &[column, length] : matcher.matches(lineText)) {
            FileSearchHit hit{path, line, column, length, lineText, 0};
            if (lineText.size() > FileSearchHit::ExcerptLength) {
                // Some context before the match, the rest after it.
                const int before = FileSearchHit::ExcerptLength / 4;
                hit.excerptStart = int(qBound(qsizetype(0), qsizetype(column - before),
                                              lineText.size() - FileSearchHit::ExcerptLength));
                hit.excerpt = lineText.mid(hit.excerptStart, FileSearchHit::ExcerptLength);
            }
            hits.append(hit);
        }
        if (end >= text.size())
            break;
        // CR LF is one break; a lone CR or LF is one too.
        start = end + ((text.at(end) == QLatin1Char('\r') && end + 1 < text.size()
                        && text.at(end + 1) == QLatin1Char('\n')) ? 2 : 1);
        ++line;
    }
    return hits;
}

void SearchFiles(const QStringList &files, const LineMatcher &matcher, const std::atomic<bool> &cancelled,
                 const FileSearchCallbacks &callbacks)
{
    int done = 0;
    for (const QString &file : files) {
        if (cancelled)
            return;
        QByteArray bytes;
        if (TextFile::read(file, &bytes)) {
            const QList<FileSearchHit> hits = SearchFileBytes(file, bytes, matcher);
            if (!hits.isEmpty() && callbacks.found)
                callbacks.found(hits);
        }
        if (callbacks.progress)
            callbacks.progress(++done);
    }
}
