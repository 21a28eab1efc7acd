// The editor's text area: files, line breaks, options, languages and dialogs on top of QScintilla.
#include "edit_control.h"

#include "jump_placement.h"
#include "widget_names.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>

#include <Qsci/qscilexer.h>

#include <algorithm>
#include <utility>


namespace {

using Sci = QsciScintillaBase;

// Every kind of change except the insertion and deletion notices themselves and the undo and
// step bits: Scintilla notifies when any bit of the mask is set, and QScintilla counts characters
// from the top of the text for each insertion or deletion it hears of. The before-notices still
// tell where each change goes.
constexpr unsigned long ChangeKinds = Sci::SC_MOD_CHANGESTYLE | Sci::SC_MOD_CHANGEFOLD | Sci::SC_MOD_CHANGEMARKER
    | Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE | Sci::SC_MOD_CHANGEINDICATOR
    | Sci::SC_MOD_CHANGELINESTATE | Sci::SC_MOD_CHANGEMARGIN | Sci::SC_MOD_CHANGEANNOTATION
    | Sci::SC_MOD_CONTAINER | Sci::SC_MOD_LEXERSTATE | Sci::SC_MOD_INSERTCHECK | Sci::SC_MOD_CHANGETABSTOPS;

// Scintilla's text range: a span of bytes and the buffer they are copied into, NUL added.
struct TextRange
{
    long first;
    long end;
    char *bytes;
};

int scintillaEolMode(LineBreakStyle style)
{
    switch (style) {
    case LineBreakStyle::Lf: return QsciScintillaBase::SC_EOL_LF;
    case LineBreakStyle::Cr: return QsciScintillaBase::SC_EOL_CR;
    case LineBreakStyle::CrLf: break;
    }
    return QsciScintillaBase::SC_EOL_CRLF;
}

} // namespace

EditControl::EditControl(QWidget *parent)
    : QsciScintilla(parent)
{
    SendScintilla(SCI_SETMODEVENTMASK, ChangeKinds);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int modification, const char *, int length) { noteChange(position, modification, length); });
    nameWidget(this, QStringLiteral("maxEdit"), tr("Script text"));
    setUtf8(true);
    // Margins stay empty until a feature uses them: no bookmarks or folding.
    setMarginWidth(0, 0);
    setMarginWidth(1, 0);
    // The horizontal scroll bar follows the longest line instead of a fixed width.
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
    // The last lines can scroll up too, so a jump to one of them lands in the upper third.
    SendScintilla(SCI_SETENDATLASTLINE, 0UL);
    SendScintilla(SCI_SETEOLMODE, scintillaEolMode(m_lineBreaks));

    m_theme.font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    setEditorFont(m_theme.font);
    applyOptions(EditorOptions());
}

EditControl::~EditControl()
{
    // QScintilla may still notify while it takes its document down, after our members are gone:
    // neither we nor a feature reading us may hear it then.
    disconnect(this, nullptr, this, nullptr);
    disconnect(this, &QsciScintillaBase::SCN_UPDATEUI, nullptr, nullptr);
}

// Hands the file's text to Scintilla as it is read, so the whole text never exists twice.
class EditControl::LoadingSink : public TextSink
{
public:
    explicit LoadingSink(EditControl &control) : m_control(control) {}
    ~LoadingSink() override
    {
        if (m_started)
            m_control.endLoad();
    }
    void reserve(qint64 bytes) override
    {
        m_started = true;
        m_control.beginLoad(bytes);
    }
    void append(const char *utf8, qsizetype length) override
    {
        m_control.SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(length), utf8);
    }
    void restart() override { m_control.SendScintilla(SCI_CLEARALL); }

private:
    EditControl &m_control;
    bool m_started = false;
};

FileResult EditControl::openFile(const QString &path)
{
    // Taken before reading: a file changed while it is read no longer matches it.
    const FileStamp stamp = StampOf(path);
    DecodedText text;
    FileResult read;
    {
        LoadingSink sink(*this);
        read = TextFile::readInto(path, sink, &text);
        if (read)
            m_lineBreaks = text.lineBreaks;
    }
    if (!read)
        return read;
    if (text.encoding == TextEncoding::Windows1252) {
        // Not UTF-8: which code page it is in takes the whole file to tell.
        QByteArray bytes;
        read = TextFile::read(path, &bytes);
        if (!read)
            return read;
        text = TextFile::decode(std::move(bytes));
        m_lineBreaks = text.lineBreaks;
        loadUtf8(text.utf8);
    }
    setEncoding(text.encoding);
    if (text.encoding == TextEncoding::Utf8 || text.encoding == TextEncoding::Utf8WithBom) {
        const qint64 skip = text.encoding == TextEncoding::Utf8WithBom ? 3 : 0;
        if (stamp.size - skip == textLength())
            m_sourceFile = SourceFile{path, stamp, skip};
    }
    return {};
}

FileResult EditControl::reopenFile(const QString &path, TextEncoding encoding)
{
    QByteArray bytes;
    const FileResult read = TextFile::read(path, &bytes);
    if (!read)
        return read;
    const std::optional<DecodedText> text = TextFile::decodeAs(bytes, encoding);
    if (!text)
        return {false, QStringLiteral("The file holds bytes that are not valid in that encoding.")};
    m_lineBreaks = text->lineBreaks;
    loadUtf8(text->utf8);
    setEncoding(text->encoding);
    return {};
}

void EditControl::setEncoding(TextEncoding encoding)
{
    if (encoding == m_encoding)
        return;
    m_encoding = encoding;
    Q_EMIT encodingChanged(encoding);
}

void EditControl::loadUtf8(const QByteArray &utf8)
{
    beginLoad(utf8.size());
    // Raw bytes with a length: line breaks stay as they are and NUL bytes survive.
    SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    endLoad();
}

void EditControl::beginLoad(qint64 size)
{
    // Loading replaces the document even when the user has made it read-only.
    m_readOnlyAfterLoad = isReadOnly();
    setReadOnly(false);
    // A reader is not read the whole old and new text; it hears the caret at the top instead.
    m_loading = true;
    m_sourceFile.reset();
    Q_EMIT loadStarted();
    // Nothing of the load is undoable, so the history would only hold a copy of the whole text.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(size + 1024));
}

void EditControl::endLoad()
{
    SendScintilla(SCI_SETEOLMODE, scintillaEolMode(m_lineBreaks));
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    // The top of the text, without the caret scrolling into view: that would lay out the whole
    // first line at once, seconds for a file on one long line, only to find it already in view.
    SendScintilla(SCI_SETEMPTYSELECTION, 0UL);
    SendScintilla(SCI_SETFIRSTVISIBLELINE, 0UL);
    SendScintilla(SCI_SETXOFFSET, 0UL);
    setReadOnly(m_readOnlyAfterLoad);
    setModified(false);
    m_loading = false;
    finishEdits();
}

FileResult EditControl::saveFile(const QString &path)
{
    const auto *text = static_cast<const char *>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    const qint64 length = SendScintilla(SCI_GETLENGTH);
    const EncodedText encoded = TextFile::encode(QByteArray::fromRawData(text, length), m_encoding);
    const FileResult written = TextFile::write(path, encoded.bytes);
    if (!written)
        return written;
    setEncoding(encoded.encoding);
    setModified(false);
    return {};
}

FileResult EditControl::insertFile(const QString &path, int line, int column)
{
    if (isReadOnly())
        return {false, QStringLiteral("The text is read-only.")};
    QByteArray bytes;
    const FileResult read = TextFile::read(path, &bytes);
    if (!read)
        return read;
    const QByteArray utf8 = TextFile::withLineBreaks(TextFile::decode(bytes).utf8, m_lineBreaks);
    const int position = positionAt(line, column);
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(position), static_cast<long>(position));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    SendScintilla(SCI_ENDUNDOACTION);
    finishEdits();
    return {};
}

void EditControl::replaceSelectedText(const QString &text)
{
    if (isReadOnly())
        return;
    const QByteArray utf8 = TextFile::withLineBreaks(text.toUtf8(), m_lineBreaks);
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_TARGETFROMSELECTION);
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    const long start = SendScintilla(SCI_GETTARGETSTART);
    const long end = SendScintilla(SCI_GETTARGETEND);
    SendScintilla(SCI_ENDUNDOACTION);
    // Styled before the caret moves: bringing the caret into view lays the line out, and a line
    // styled only afterwards is laid out again, seconds for a module's line of megabytes.
    SendScintilla(SCI_COLOURISE, static_cast<unsigned long>(start), end);
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(end));
    finishEdits();
}

int EditControl::positionAt(int line, int column) const
{
    const int lineCount = static_cast<int>(SendScintilla(SCI_GETLINECOUNT));
    if (line < 0)
        return 0;
    if (line >= lineCount)
        return textLength();
    const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long lineEnd = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    if (column <= 0)
        return static_cast<int>(start);
    // Columns count characters; a column past the line's end means its end.
    const long position = SendScintilla(SCI_POSITIONRELATIVE, static_cast<unsigned long>(start),
                                        static_cast<long>(column));
    if (position <= start || position > lineEnd)
        return static_cast<int>(lineEnd);
    return static_cast<int>(position);
}

void EditControl::clearUndoHistory()
{
    SendScintilla(SCI_EMPTYUNDOBUFFER);
}

void EditControl::resetDocument()
{
    m_lineBreaks = LineBreakStyle::CrLf;
    loadUtf8(QByteArray());
    setEncoding(TextEncoding::Utf8);
}

bool EditControl::canUndo() const
{
    return SendScintilla(SCI_CANUNDO) != 0;
}

bool EditControl::canRedo() const
{
    return SendScintilla(SCI_CANREDO) != 0;
}

bool EditControl::canCut() const
{
    return hasSelectedText() && !isReadOnly();
}

bool EditControl::canCopy() const
{
    return hasSelectedText();
}

bool EditControl::canPaste() const
{
    // Scintilla only knows about read-only and protected text; the clipboard is asked here.
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return SendScintilla(SCI_CANPASTE) != 0 && clipboard && !clipboard->text().isEmpty();
}

void EditControl::setWhitespaceVisible(bool visible)
{
    m_whitespaceVisible = visible;
    setWhitespaceVisibility(visible ? QsciScintilla::WsVisible : QsciScintilla::WsInvisible);
}

bool EditControl::isWhitespaceVisible() const
{
    return m_whitespaceVisible;
}

bool EditControl::setLanguage(const QString &name)
{
    QsciLexer *previous = lexer();
    if (name.isEmpty()) {
        setLexer(nullptr);
        delete previous;
        m_language.clear();
        setEditorFont(m_theme.font);
        return true;
    }
    QsciLexer *next = m_languages.create(name, this);
    if (!next)
        return false;
    applyFontTo(next);
    setLexer(next);
    delete previous;
    m_language = name;
    applyElementStyles();
    applyChrome();
    return true;
}

QString EditControl::language() const
{
    return m_language;
}

LanguageRegistry &EditControl::languages()
{
    return m_languages;
}

void EditControl::applyOptions(const EditorOptions &options)
{
    setWrapMode(options.wordWrap ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    setOverwriteMode(options.overtype);
    switch (options.braceMatching) {
    case BraceMatching::None: setBraceMatching(QsciScintilla::NoBraceMatch); break;
    case BraceMatching::Sloppy: setBraceMatching(QsciScintilla::SloppyBraceMatch); break;
    case BraceMatching::Strict: setBraceMatching(QsciScintilla::StrictBraceMatch); break;
    }
    setCaretLineVisible(options.highlightCurrentLine);
    setEnabled(options.enabled);
    setAutoIndent(options.autoIndent);
    setTabWidth(qMax(1, options.tabWidth));
}

void EditControl::setEditorFont(const QFont &font)
{
    m_theme.font = font;
    if (QsciLexer *current = lexer())
        applyFontTo(current);
    else
        QsciScintilla::setFont(font);
    applyElementStyles();
    applyChrome();
}

void EditControl::applyFontTo(QsciLexer *language) const
{
    // The chosen face and size everywhere, while a language keeps its bold and italic styles.
    for (int style = 0; style <= QsciScintillaBase::STYLE_MAX; ++style) {
        if (language->description(style).isEmpty())
            continue;
        const QFont designed = language->defaultFont(style);
        QFont font = m_theme.font;
        font.setBold(m_theme.font.bold() || designed.bold());
        font.setItalic(m_theme.font.italic() || designed.italic());
        language->setFont(font, style);
    }
}

QFont EditControl::editorFont() const
{
    return m_theme.font;
}

void EditControl::setElementColour(EditorElement element, const QColor &colour)
{
    if (colour.isValid())
        m_theme.colours[element] = colour;
    else
        m_theme.colours.erase(element);
    if (element == EditorElement::CurrentLineBackground || element == EditorElement::LineNumberText)
        applyChrome();
    else
        applyElementStyles();
}

QColor EditControl::elementColour(EditorElement element) const
{
    return m_theme.colour(element);
}

void EditControl::setElementFontStyle(StyledElement element, FontStyle style)
{
    m_theme.fontStyles[element] = style;
    applyElementStyles();
}

FontStyle EditControl::elementFontStyle(StyledElement element) const
{
    return m_theme.fontStyle(element);
}

const ColourTheme &EditControl::colourTheme() const
{
    return m_theme;
}

void EditControl::setColourScheme(const ColourScheme *scheme)
{
    m_theme.scheme = scheme;
    applyElementStyles();
    applyChrome();
    Q_EMIT colourSchemeChanged(scheme);
}

const ColourScheme *EditControl::colourScheme() const
{
    return m_theme.scheme;
}

void EditControl::setFolding(FoldStyle fold, int margin)
{
    QsciScintilla::setFolding(fold, margin);
    applyFoldColours();
}

TextEncoding EditControl::encoding() const
{
    return m_encoding;
}

LineBreakStyle EditControl::lineBreakStyle() const
{
    return m_lineBreaks;
}

QString EditControl::lineBreak() const
{
    return QString::fromLatin1(TextFile::lineBreakBytes(m_lineBreaks));
}

int EditControl::findInRange(const QString &text, int from, int to, const FindOptions &options, int *length) const
{
    const QByteArray needle = text.toUtf8();
    if (needle.isEmpty())
        return -1;
    const int size = textLength();
    from = qBound(0, from, size);
    to = qBound(0, to, size);
    int flags = 0;
    if (options.matchCase)
        flags |= SCFIND_MATCHCASE;
    if (options.wholeWord)
        flags |= SCFIND_WHOLEWORD;
    // The C++ library's ECMAScript syntax: \\d, \\w, {n}, (?:…) and groups as people expect them.
    if (options.regularExpression)
        flags |= SCFIND_REGEXP | SCFIND_CXX11REGEX;
    SendScintilla(SCI_SETSEARCHFLAGS, static_cast<unsigned long>(flags));
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), static_cast<long>(to));
    const long found = SendScintilla(SCI_SEARCHINTARGET, static_cast<uintptr_t>(needle.size()), needle.constData());
    if (found < 0)
        return -1;
    if (length)
        *length = static_cast<int>(SendScintilla(SCI_GETTARGETEND) - found);
    return static_cast<int>(found);
}

int EditControl::textLength() const
{
    return static_cast<int>(SendScintilla(SCI_GETLENGTH));
}

int EditControl::selectionStartPosition() const
{
    return static_cast<int>(SendScintilla(SCI_GETSELECTIONSTART));
}

int EditControl::selectionEndPosition() const
{
    return static_cast<int>(SendScintilla(SCI_GETSELECTIONEND));
}

bool EditControl::isReadOnly() const
{
    return QsciScintilla::isReadOnly();
}

void EditControl::selectRange(int from, int to)
{
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(from));
    SendScintilla(SCI_ENSUREVISIBLE, static_cast<unsigned long>(line));
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(from), static_cast<long>(to));
    PlaceJumpedLine(*this, int(line));
}

int EditControl::replaceRange(int from, int to, const QString &text)
{
    if (isReadOnly())
        return -1;
    const QByteArray utf8 = text.toUtf8();
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), static_cast<long>(to));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    finishEdits();
    return static_cast<int>(SendScintilla(SCI_GETTARGETEND));
}

void EditControl::replaceEach(const QVector<RangeReplacement> &replacements)
{
    if (replacements.isEmpty() || isReadOnly())
        return;
    // One modification, as for replaceRanges: the region from the first match to the last,
    // rebuilt with each match's own text.
    const int from = replacements.first().from;
    const int to = replacements.last().to;
    const auto *document = static_cast<const char *>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    QByteArray region;
    int copied = from;
    for (const RangeReplacement &replacement : replacements) {
        region.append(document + copied, replacement.from - copied);
        region.append(replacement.text.toUtf8());
        copied = replacement.to;
    }
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), static_cast<long>(to));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(region.size()), region.constData());
    finishEdits();
}

QString EditControl::capturedGroup(int group) const
{
    // Scintilla keeps groups 1 to 9; the whole match is the target the search left.
    if (group == 0) {
        const long from = SendScintilla(SCI_GETTARGETSTART);
        return QString::fromUtf8(textBytes(int(from), int(SendScintilla(SCI_GETTARGETEND))));
    }
    const long size = SendScintilla(SCI_GETTAG, static_cast<uintptr_t>(group), static_cast<const char *>(nullptr));
    if (size <= 0)
        return QString();
    QByteArray bytes(size + 1, '\0');
    SendScintilla(SCI_GETTAG, static_cast<uintptr_t>(group), bytes.data());
    bytes.truncate(size);
    return QString::fromUtf8(bytes);
}

void EditControl::replaceRanges(const QVector<QPair<int, int>> &ranges, const QString &text)
{
    if (ranges.isEmpty() || isReadOnly())
        return;
    const QByteArray replacement = text.toUtf8();
    const int from = ranges.first().first;
    const int to = ranges.last().second;
    const auto *document = static_cast<const char *>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    QByteArray region;
    region.reserve(to - from + ranges.size() * (replacement.size() + 1));
    int copied = from;
    for (const auto &range : ranges) {
        region.append(document + copied, range.first - copied);
        region.append(replacement);
        copied = range.second;
    }
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), static_cast<long>(to));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(region.size()), region.constData());
    finishEdits();
}

void EditControl::moveCaret(int line, int column)
{
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(positionAt(line, column)));
}

void EditControl::goToLine(int line)
{
    const int last = static_cast<int>(SendScintilla(SCI_GETLINECOUNT));
    const int index = qBound(1, line, qMax(1, last)) - 1;
    ensureLineVisible(index);
    moveCaret(index, 0);
    PlaceJumpedLine(*this, index);
    setFocus();
}

QByteArray EditControl::textBytes(int from, int to) const
{
    from = qBound(0, from, textLength());
    to = qBound(from, to, textLength());
    // One byte more for the NUL that Scintilla writes after the range.
    QByteArray copy(to - from + 1, Qt::Uninitialized);
    TextRange range{from, to, copy.data()};
    SendScintilla(SCI_GETTEXTRANGE, 0UL, &range);
    copy.chop(1);
    return copy;
}

int EditControl::utf16Offset(int position) const
{
    if (!m_utf16Index) {
        // Built once a reader first asks; Scintilla keeps it current through every edit after.
        SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, static_cast<unsigned long>(SC_LINECHARACTERINDEX_UTF16));
        m_utf16Index = true;
    }
    position = qBound(0, position, textLength());
    const unsigned long line = static_cast<unsigned long>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
    return static_cast<int>(SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, static_cast<long>(SC_LINECHARACTERINDEX_UTF16))
                            + SendScintilla(SCI_COUNTCODEUNITS, static_cast<unsigned long>(lineStart), static_cast<long>(position)));
}

int EditControl::positionFromUtf16(int offset) const
{
    const int length = textLength();
    if (offset <= 0)
        return 0;
    if (offset >= utf16Offset(length))
        return length;
    const unsigned long line = static_cast<unsigned long>(
        SendScintilla(SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(offset), static_cast<long>(SC_LINECHARACTERINDEX_UTF16)));
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long within = offset - SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, static_cast<long>(SC_LINECHARACTERINDEX_UTF16));
    if (within <= 0)
        return static_cast<int>(lineStart);
    return static_cast<int>(SendScintilla(SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(lineStart), within));
}

void EditControl::noteChange(int position, int modification, int length)
{
    const bool inserting = modification & SC_MOD_BEFOREINSERT;
    if (!inserting && !(modification & SC_MOD_BEFOREDELETE))
        return;
    if (!m_loading) {
        m_sourceFile.reset();
        Q_EMIT textChanging(position, length, inserting);
    }
    // The span changed so far is carried through this change: bytes after an insertion move
    // up, bytes after a deletion move down and bytes inside it collapse to its start.
    const int end = position + length;
    if (m_editFrom < 0) {
        m_editFrom = position;
        m_editTo = inserting ? end : position;
    } else if (inserting) {
        const auto moved = [&](int at) { return at >= position ? at + length : at; };
        m_editFrom = std::min(moved(m_editFrom), position);
        m_editTo = std::max(moved(m_editTo), end);
    } else {
        const auto moved = [&](int at) { return at <= position ? at : (at >= end ? at - length : position); };
        m_editFrom = std::min(moved(m_editFrom), position);
        m_editTo = std::max(moved(m_editTo), position);
    }
    scheduleFinish();
}

void EditControl::scheduleFinish()
{
    if (m_finishQueued)
        return;
    m_finishQueued = true;
    // Edits made by code rather than by input are reported on the next turn of the event loop.
    QMetaObject::invokeMethod(this, &EditControl::finishEdits, Qt::QueuedConnection);
}

void EditControl::finishEdits()
{
    m_finishQueued = false;
    if (m_editFrom < 0)
        return;
    const int from = std::exchange(m_editFrom, -1);
    const int to = std::exchange(m_editTo, -1);
    const int lines = static_cast<int>(SendScintilla(SCI_GETLINECOUNT));
    const bool linesChanged = lines != m_lineCount;
    m_lineCount = lines;
    Q_EMIT textEdited(from, to);
    if (linesChanged)
        Q_EMIT lineCountChanged(lines);
}

void EditControl::setText(const QString &text)
{
    QsciScintilla::setText(text);
    finishEdits();
}

bool EditControl::event(QEvent *event)
{
    const bool handled = QsciScintilla::event(event);
    // A keystroke or a paste is reported before the next event is handled.
    if (m_editFrom >= 0)
        finishEdits();
    return handled;
}

bool EditControl::viewportEvent(QEvent *event)
{
    const bool handled = QsciScintilla::viewportEvent(event);
    if (m_editFrom >= 0)
        finishEdits();
    return handled;
}

void EditControl::applyElementStyles()
{
    QsciLexer *language = lexer();
    if (auto *styled = dynamic_cast<ElementStyledLanguage *>(language)) {
        styled->applyColourTheme(m_theme);
    } else if (language && m_theme.scheme) {
        // QScintilla's own languages keep their colours where they read on the scheme's
        // paper, and are lifted towards readable where they do not.
        // Text stands on the caret's line too.
        const QColor paper = m_theme.scheme->paper;
        const auto readable = [this, &paper](const QColor &colour) {
            return ReadableOn(ReadableOn(colour, paper), m_theme.scheme->currentLine);
        };
        language->setDefaultPaper(paper);
        language->setDefaultColor(readable(language->defaultColor()));
        for (int style = 0; style <= QsciScintillaBase::STYLE_MAX; ++style) {
            if (language->description(style).isEmpty())
                continue;
            language->setPaper(paper, style);
            language->setColor(readable(language->defaultColor(style)), style);
        }
    }
}

void EditControl::applyChrome()
{
    // Changing the font or the lexer resets the margin's style, so margin and caret line are redone.
    setMarginsFont(m_theme.font);
    applySchemeChrome();
    const QColor lineNumbers = m_theme.colour(EditorElement::LineNumberText);
    if (lineNumbers.isValid())
        setMarginsForegroundColor(lineNumbers);
    const QColor currentLine = m_theme.colour(EditorElement::CurrentLineBackground);
    if (currentLine.isValid())
        setCaretLineBackgroundColor(currentLine);
    Q_EMIT editorFontChanged();
}

void EditControl::applySchemeChrome()
{
    const ColourScheme *scheme = m_theme.scheme;
    if (!scheme)
        return;
    const QColor text = scheme->scriptText.at(TextRole::Plain);
    if (!lexer()) {
        QsciScintilla::setPaper(scheme->paper);
        QsciScintilla::setColor(text);
    }
    // The area right of each line's end is drawn in the default style.
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_DEFAULT), scheme->paper);
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_DEFAULT), text);
    setMarginsBackgroundColor(scheme->marginBack);
    setMarginsForegroundColor(scheme->lineNumbers);
    setCaretLineBackgroundColor(scheme->currentLine);
    setCaretForegroundColor(scheme->caret);
    setSelectionForegroundColor(scheme->selectionText);
    setSelectionBackgroundColor(scheme->selectionBack);
    setMatchedBraceForegroundColor(scheme->matchedBrace);
    setMatchedBraceBackgroundColor(scheme->paper);
    setUnmatchedBraceForegroundColor(scheme->unmatchedBrace);
    setUnmatchedBraceBackgroundColor(scheme->paper);
    setCallTipsForegroundColor(scheme->callTipText);
    setCallTipsHighlightColor(scheme->callTipHighlight);
    setCallTipsBackgroundColor(scheme->callTipBack);
    applyFoldColours();
}

void EditControl::applyFoldColours()
{
    const ColourScheme *scheme = m_theme.scheme;
    if (!scheme || !scheme->foldMarginBack.isValid())
        return;
    setFoldMarginColors(scheme->foldMarginBack, scheme->foldMarginBack);
    for (int mark = int(SC_MARKNUM_FOLDEREND); mark <= int(SC_MARKNUM_FOLDEROPEN); ++mark) {
        setMarkerForegroundColor(scheme->foldMarkFore, mark);
        setMarkerBackgroundColor(scheme->foldMarkBack, mark);
    }
}

#include "moc_edit_control.cpp"
