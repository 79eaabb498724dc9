// Feeds arbitrary bytes to the lookup of a photograph's own title (XMP, IPTC and Exif
// blocks read through exiv2). Whatever the bytes, it must answer a title or none,
// without crashing, hanging or leaking; a title it answers is never blank.

#include "photo/EmbeddedTitle.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto title = embeddedTitle(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (title && title->trimmed().isEmpty())
        std::abort();
    return 0;
}
