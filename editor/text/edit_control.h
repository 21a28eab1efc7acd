// EditControl: the editor's text area. With the features attached to it, the only code that talks to QScintilla.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>

#include <memory>
#include <optional>

#include "colour_theme.h"
#include "language_registry.h"
#include "file_stamp.h"
#include "search_target.h"
#include "text_file.h"

enum class BraceMatching { None = 0, Strict = 1, Sloppy = 2 };

// Switches applied once at start (see applyEditorDefaults for the ones the editor starts with).
struct EditorOptions
{
    bool wordWrap = false;
    bool overtype = false;
    BraceMatching braceMatching = BraceMatching::Strict;
    bool highlightCurrentLine = true;
    bool enabled = true;
    bool autoIndent = true;
    int tabWidth = 4;
};

// Features on the text (the line-number margin, and later the script language's helpers) are
// objects of their own attached to the control from outside (see EditFeature), not methods of it.
// So is what screen readers get of it (see edit_control_accessible.h).

// QScintilla itself never hears of single insertions and deletions: its handling of each costs
// time in proportion to the text's length. The control reports them with textEdited instead.
class EditControl : public QsciScintilla, public SearchTarget
{
    Q_OBJECT

public:
    explicit EditControl(QWidget *parent = nullptr);
    ~EditControl() override;

    // Largest file openFile accepts.
    static constexpr qint64 MaxFileSize = TextFile::MaxFileSize;

    // Replaces the whole text with the file's; detects UTF-8 (with or without a byte-order mark)
    // or Windows-1252 and the line-break style. Not modified afterwards. Undo history cleared.
    FileResult openFile(const QString &path);
    // The file the text was opened from, while the text is still that file's bytes after its
    // byte-order mark (skip bytes) and nothing has been edited since.
    struct SourceFile
    {
        QString path;
        FileStamp stamp;
        qint64 skip = 0;
    };
    std::optional<SourceFile> unchangedSourceFile() const { return m_sourceFile; }
    // Reads the file again as the user says it is encoded; refused, with the text untouched,
    // when the bytes are not valid in that encoding.
    FileResult reopenFile(const QString &path, TextEncoding encoding);
    // Writes the whole text atomically, in the document's encoding and line-break style.
    // Afterwards not modified; modificationChanged reports it.
    FileResult saveFile(const QString &path);
    // Inserts the file's content at line/column, its line breaks converted to the document's.
    FileResult insertFile(const QString &path, int line, int column);

    // Replaces the selection, or inserts at the caret, with text whose line breaks are
    // converted to the document's style; the caret ends after the inserted text.
    void replaceSelectedText(const QString &text);

    void clearUndoHistory();
    // Starts an empty untitled document: no text, no history, UTF-8 and CR LF.
    void resetDocument();

    bool canUndo() const;
    bool canRedo() const;
    bool canCut() const;
    bool canCopy() const;
    bool canPaste() const;

    void setWhitespaceVisible(bool visible);
    bool isWhitespaceVisible() const;

    // Selects a language by name; "" switches highlighting off. False for an unknown name.
    bool setLanguage(const QString &name);
    QString language() const;
    LanguageRegistry &languages();

    void applyOptions(const EditorOptions &options);
    void setEditorFont(const QFont &font);
    QFont editorFont() const;
    // An invalid colour removes the element's colour: the language's own shows again.
    void setElementColour(EditorElement element, const QColor &colour);
    QColor elementColour(EditorElement element) const;
    void setElementFontStyle(StyledElement element, FontStyle style);
    FontStyle elementFontStyle(StyledElement element) const;
    // The font, colours and font styles that the languages are given.
    const ColourTheme &colourTheme() const;
    // Draws the text, margins, caret, selection and call tips in scheme; nullptr leaves each
    // language its own colours. The scheme must outlive the control (see SchemeFor).
    void setColourScheme(const ColourScheme *scheme);
    const ColourScheme *colourScheme() const;
    // Folding redefines the fold marks, so the scheme's colours go back onto them.
    void setFolding(FoldStyle fold, int margin = 2) override;

    TextEncoding encoding() const;
    LineBreakStyle lineBreakStyle() const;
    QString lineBreak() const;

    // The search target, in byte positions. replaceRanges makes one modification: one undo
    // step and no per-match redrawing, so thousands of matches stay fast.
    int textLength() const override;
    int selectionStartPosition() const override;
    int selectionEndPosition() const override;
    bool isReadOnly() const override;
    int findInRange(const QString &text, int from, int to, const FindOptions &options,
                    int *length) const override;
    void selectRange(int from, int to) override;
    int replaceRange(int from, int to, const QString &text) override;
    void replaceRanges(const QVector<QPair<int, int>> &ranges, const QString &text) override;
    void replaceEach(const QVector<RangeReplacement> &replacements) override;
    QString capturedGroup(int group) const override;
    // Moves the caret to the start of a line counted from 1, clamped to the text, and shows it.
    void goToLine(int line);
    // Moves the caret to a line and character column counted from 0; a column beyond the end of
    // its line means the line's end, a line beyond the text the text's end.
    void moveCaret(int line, int column);

    // The bytes from..to, copied across Scintilla's gap without moving it: features read the
    // text through this or SCI_GETCHARACTERPOINTER, never as one QString.
    QByteArray textBytes(int from, int to) const;
    // A byte position as an offset in UTF-16 code units, the unit of screen readers, and back.
    int utf16Offset(int position) const;
    int positionFromUtf16(int offset) const;
    // Sends textEdited and lineCountChanged for the edits made so far. The control does this
    // itself after each input event and on the next turn of the event loop.
    void finishEdits();
    // QsciScintilla::setText, with its edit reported before it returns.
    void setText(const QString &text) override;

Q_SIGNALS:
    // The face or size of the text changed; margins that measure text follow it.
    void editorFontChanged();
    // Another scheme took over: features that colour marks in the text follow it.
    void colourSchemeChanged(const ColourScheme *scheme);
    // Once one or more changes of the text are complete: from..to holds every byte that
    // changed, in the text as it is now (empty where text was only removed).
    void textEdited(int from, int to);
    // Once an edit changed the number of lines.
    void lineCountChanged(int lines);
    // Before each insertion or deletion that is not part of a load, while the text and its
    // positions are still as they were.
    void textChanging(int position, int length, bool inserting);
    // A load is replacing the whole text; no textChanging is sent for it.
    void loadStarted();
    // The file's encoding is another now: opened, reopened, reset, or saved as UTF-8 after
    // the text gained what its code page cannot hold.
    void encodingChanged(TextEncoding encoding);

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void noteChange(int position, int modification, int length);
    void scheduleFinish();
    void applyElementStyles();
    void applyFontTo(QsciLexer *language) const;
    void applyChrome();
    void applySchemeChrome();
    void applyFoldColours();
    class LoadingSink;
    void loadUtf8(const QByteArray &utf8);
    // Around a load: the old text goes, room is made for size bytes, nothing is undoable.
    void beginLoad(qint64 size);
    void endLoad();
    void setEncoding(TextEncoding encoding);
    int positionAt(int line, int column) const;

    LanguageRegistry m_languages;
    QString m_language;
    // Its font is the editor font.
    ColourTheme m_theme;
    TextEncoding m_encoding = TextEncoding::Utf8;
    LineBreakStyle m_lineBreaks = LineBreakStyle::CrLf;
    bool m_whitespaceVisible = false;
    // Changed bytes since the last textEdited, in the text as it is now; -1 when none.
    int m_editFrom = -1;
    int m_editTo = -1;
    int m_lineCount = 1;
    bool m_finishQueued = false;
    bool m_loading = false;
    bool m_readOnlyAfterLoad = false;
    mutable bool m_utf16Index = false;
    std::optional<SourceFile> m_sourceFile;
};
