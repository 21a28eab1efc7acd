// The double-byte code pages real scripts are written in (Korean, Chinese, Japanese): which one
// a file that is not UTF-8 is likeliest in, and strict conversion to and from them through Qt's
// named converters (ICU).
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "text_file.h"

namespace EastAsianCodec {

// True for the encodings this namespace converts (EUC-KR, GBK, Big5, Shift-JIS).
bool isDoubleByte(TextEncoding encoding);

// The likeliest of the double-byte encodings for bytes that are not valid UTF-8, or
// Windows-1252 when none of them reads the bytes as plausible text.
TextEncoding detect(const QByteArray &bytes);

// The text, or nothing when the bytes are not valid in the encoding.
std::optional<QString> decode(const QByteArray &bytes, TextEncoding encoding);
// The bytes, or nothing when a character has no place in the encoding or would read back as
// another one.
std::optional<QByteArray> encode(const QString &text, TextEncoding encoding);

} // namespace EastAsianCodec

// How the encoding is named to the user: "UTF-8", "EUC-KR", "Shift-JIS" and so on.
QString EncodingName(TextEncoding encoding);
