// Script files as bytes: reading and atomic writing with sentences for the user, and the
// conversion between a file's bytes and the UTF-8 document the editor holds.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The double-byte ones (EUC-KR/CP949, GBK, Big5, Shift-JIS) are read through ICU.
enum class TextEncoding { Utf8, Utf8WithBom, Windows1252, EucKr, Gbk, Big5, ShiftJis };
enum class LineBreakStyle { CrLf, Lf, Cr };

// Outcome of a file operation; error is a sentence for the user when ok is false.
struct FileResult
{
    bool ok = true;
    QString error;
    explicit operator bool() const { return ok; }
};

// A file's text as the editor holds it: UTF-8 bytes with the file's own line breaks.
struct DecodedText
{
    QByteArray utf8;
    TextEncoding encoding = TextEncoding::Utf8;
    LineBreakStyle lineBreaks = LineBreakStyle::CrLf;
};

// Bytes to write and the encoding they are in (which may differ from the one asked for).
struct EncodedText
{
    QByteArray bytes;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Where readInto puts a file's text, a piece at a time, as UTF-8.
class TextSink
{
public:
    virtual ~TextSink() = default;
    // Called once before the first piece with the file's size, an upper bound for UTF-8 text.
    virtual void reserve(qint64 bytes) = 0;
    virtual void append(const char *utf8, qsizetype length) = 0;
    // The file turned out not to be UTF-8: what was appended is dropped and the pieces start over.
    virtual void restart() = 0;
};

namespace TextFile {

// Largest file read() accepts.
inline constexpr qint64 MaxFileSize = 512LL * 1024 * 1024;

// Reads a whole file, or says in a sentence why it cannot be read.
FileResult read(const QString &path, QByteArray *bytes);
// Reads a file into sink a block at a time, decoded as decode() does, so no copy of the whole
// file is ever held. The text's encoding and line-break style go to decoded (its utf8 stays empty).
FileResult readInto(const QString &path, TextSink &sink, DecodedText *decoded);
// Replaces the file with bytes atomically (QSaveFile), or says why it cannot. A file with more
// than one name (hard links), or whose owner or group a new file could not keep, is written in
// place instead, after its old bytes were copied to path + "~"; the copy goes once the write is
// complete, and stays, named in the sentence, when it is not.
FileResult write(const QString &path, const QByteArray &bytes);
// Where write() keeps the old bytes while it writes a file in place.
QString backupPath(const QString &path);

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped and remembered),
// otherwise the likeliest Korean, Chinese or Japanese code page when one reads the bytes as
// plausible text and writes them back unchanged, and Windows-1252, mark and all, when none does.
// The line-break style is the first break's.
// Bytes moved in are kept, or converted in place, rather than copied.
DecodedText decode(QByteArray bytes);
// The bytes read in the encoding the user chose; nothing when they are not valid in it.
std::optional<DecodedText> decodeAs(const QByteArray &bytes, TextEncoding encoding);
// The document's bytes in encoding; a code-page document that gained a character the code
// page cannot hold, or whose code-page bytes would be read back as other UTF-8 text, is written
// as UTF-8 instead.
EncodedText encode(const QByteArray &utf8, TextEncoding encoding);

// The style of the first line break; a text without one gets the script format's CR LF.
LineBreakStyle detectLineBreaks(const QByteArray &bytes);
QByteArray lineBreakBytes(LineBreakStyle style);
// Every CR LF, lone CR and lone LF of utf8 becomes style's line break.
QByteArray withLineBreaks(const QByteArray &utf8, LineBreakStyle style);

} // namespace TextFile
