// 8-bit text as our files hold it: UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace TextCodec {

// True when the bytes form valid UTF-8 (overlong forms and surrogates are invalid).
bool isValidUtf8(QByteArrayView bytes);

bool hasUtf8Bom(QByteArrayView bytes);

QString decodeWindows1252(const QByteArray &bytes);
// The same text as decodeWindows1252, straight to UTF-8 bytes. Bytes moved in are converted
// in place.
QByteArray windows1252ToUtf8(QByteArray bytes);

// Characters without a Windows-1252 byte become '?'; ok tells whether that happened.
QByteArray encodeWindows1252(const QString &text, bool *ok = nullptr);

// UTF-8 text; a byte-order mark at the start is kept as U+FEFF, not dropped.
QString fromUtf8KeepingMark(const QByteArray &utf8);

// UTF-8 when the bytes are valid UTF-8 (one leading byte-order mark is dropped; a second one
// stays in the text), Windows-1252 otherwise, mark and all.
QString decode(const QByteArray &bytes);

} // namespace TextCodec
