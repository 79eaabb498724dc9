#include "TiffFixture.h"

#include "exiflistlib/exiflist.h"

#include <QtEndian>

namespace {

constexpr std::uint32_t headerSize = 8;
constexpr std::uint32_t entrySize = 12;
constexpr std::uint32_t inlineValueSize = 4;

QByteArray littleEndian16(std::uint16_t value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray littleEndian32(std::uint32_t value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

std::uint32_t directorySize(std::size_t entries) {
    return 2 + entrySize * static_cast<std::uint32_t>(entries) + 4;
}

} // namespace

TiffFixture& TiffFixture::entry(Directory directory, std::uint16_t tag, std::uint16_t type,
                                std::uint32_t count, const QByteArray& value) {
    (directory == Directory::zeroth ? zeroth_ : exif_).push_back({tag, type, count, value});
    return *this;
}

TiffFixture& TiffFixture::ascii(Directory directory, std::uint16_t tag, const QByteArray& bytes) {
    return entry(directory, tag, TIFF_TYPE_ASCII, static_cast<std::uint32_t>(bytes.size()), bytes);
}

TiffFixture& TiffFixture::undefined(Directory directory, std::uint16_t tag,
                                    const QByteArray& bytes) {
    return entry(directory, tag, TIFF_TYPE_UNDEFINED, static_cast<std::uint32_t>(bytes.size()),
                 bytes);
}

TiffFixture& TiffFixture::shortValue(Directory directory, std::uint16_t tag, std::uint16_t value) {
    return entry(directory, tag, TIFF_TYPE_SHORT, 1, littleEndian16(value));
}

TiffFixture& TiffFixture::rational(Directory directory, std::uint16_t tag, std::int32_t numerator,
                                   std::int32_t denominator) {
    return entry(directory, tag, TIFF_TYPE_SRATIONAL, 1,
                 littleEndian32(static_cast<std::uint32_t>(numerator)) +
                     littleEndian32(static_cast<std::uint32_t>(denominator)));
}

TiffFixture& TiffFixture::exifPointer(std::uint32_t offset) {
    exifPointer_ = offset;
    return *this;
}

QByteArray TiffFixture::build() const {
    std::vector<Entry> zeroth = zeroth_;
    const bool withExif = !exif_.empty() || exifPointer_;
    if (withExif)
        zeroth.push_back({TAG_EXIF_IFD_POINTER, TIFF_TYPE_LONG, 1, {}});
    const std::uint32_t exifOffset = headerSize + directorySize(zeroth.size());
    std::uint32_t dataOffset = exifOffset + (exif_.empty() ? 0 : directorySize(exif_.size()));
    if (withExif)
        zeroth.back().value = littleEndian32(exifPointer_.value_or(exifOffset));

    QByteArray data;
    const auto writeDirectory = [&](const std::vector<Entry>& entries) {
        QByteArray directory = littleEndian16(static_cast<std::uint16_t>(entries.size()));
        for (const Entry& e : entries) {
            directory += littleEndian16(e.tag) + littleEndian16(e.type) + littleEndian32(e.count);
            if (e.value.size() <= static_cast<qsizetype>(inlineValueSize)) {
                directory += e.value.leftJustified(inlineValueSize, '\0');
            } else {
                directory += littleEndian32(dataOffset);
                data += e.value;
                dataOffset += static_cast<std::uint32_t>(e.value.size());
            }
        }
        return directory + littleEndian32(0);
    };
    QByteArray file = QByteArray("II") + littleEndian16(42) + littleEndian32(headerSize);
    file += writeDirectory(zeroth);
    if (!exif_.empty())
        file += writeDirectory(exif_);
    return file + data;
}
