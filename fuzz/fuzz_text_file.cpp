// Script file bytes: decoding and encoding again gives the very bytes that were read, and the
// decoded text is always valid UTF-8.
#include "fuzz_support.h"
#include "text_codec.h"
#include "text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const DecodedText decoded = TextFile::decode(bytes);
    FUZZ_CHECK(TextCodec::isValidUtf8(decoded.utf8));
    const EncodedText encoded = TextFile::encode(decoded.utf8, decoded.encoding);
    FUZZ_CHECK(encoded.encoding == decoded.encoding);
    FUZZ_CHECK(encoded.bytes == bytes);
    // Converting the line breaks to the file's own style twice changes nothing more.
    const QByteArray once = TextFile::withLineBreaks(decoded.utf8, decoded.lineBreaks);
    FUZZ_CHECK(TextFile::withLineBreaks(once, decoded.lineBreaks) == once);
    FUZZ_CHECK(TextFile::detectLineBreaks(once) == decoded.lineBreaks);
    return 0;
}
