#include "platform/TextDecoding.h"

#include <QByteArray>

#include <iconv.h>

namespace {

// Every character of the encodings read here takes at most four bytes in UTF-8, and no
// fewer than one byte of input.
constexpr qsizetype utf8BytesPerInputByte = 4;

} // namespace

DecodedText decodeText(QByteArrayView bytes, const char* encoding) {
    DecodedText decoded;
    const iconv_t converter = iconv_open("UTF-8", encoding);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return decoded;
    QByteArray utf8(bytes.size() * utf8BytesPerInputByte, Qt::Uninitialized);
    // iconv takes its input through a pointer to non-const, but does not write to it.
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    char* out = utf8.data();
    std::size_t outLeft = static_cast<std::size_t>(utf8.size());
    const bool whole =
        iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    decoded.complete = whole && inLeft == 0;
    decoded.decodedBytes = bytes.size() - static_cast<qsizetype>(inLeft);
    decoded.text = QString::fromUtf8(utf8.constData(), out - utf8.constData());
    return decoded;
}
