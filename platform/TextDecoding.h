#pragma once

#include <QByteArrayView>
#include <QString>

// Bytes in a named encoding turned into text through the C library's iconv, which
// knows the encodings other programs write (UTF-8, UTF-16LE and UTF-16BE, CP932, ...).
struct DecodedText {
    // The text of the bytes up to the first one that does not decode.
    QString text;
    // How many bytes that text took; all of them when the bytes decoded whole.
    qsizetype decodedBytes = 0;
    bool complete = false;
};

// Decodes as far as the bytes are valid in the encoding. An encoding the C library
// does not know decodes nothing.
DecodedText decodeText(QByteArrayView bytes, const char* encoding);
