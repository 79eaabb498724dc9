#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

// Builds a little-endian TIFF file with a 0th directory and, when it has entries, an
// Exif directory; values longer than four bytes go to a data area after the
// directories.
class TiffFixture {
public:
    enum class Directory { zeroth, exif };

    TiffFixture& ascii(Directory directory, std::uint16_t tag, const QByteArray& bytes);
    TiffFixture& shortValue(Directory directory, std::uint16_t tag, std::uint16_t value);
    TiffFixture& rational(Directory directory, std::uint16_t tag, std::int32_t numerator,
                          std::int32_t denominator);
    TiffFixture& undefined(Directory directory, std::uint16_t tag, const QByteArray& bytes);
    // An entry with any type, count and value bytes.
    TiffFixture& entry(Directory directory, std::uint16_t tag, std::uint16_t type,
                       std::uint32_t count, const QByteArray& value);
    // Points the 0th directory's Exif pointer at this offset instead of the directory.
    TiffFixture& exifPointer(std::uint32_t offset);

    QByteArray build() const;

private:
    struct Entry {
        std::uint16_t tag;
        std::uint16_t type;
        std::uint32_t count;
        QByteArray value;
    };
    std::vector<Entry> zeroth_;
    std::vector<Entry> exif_;
    std::optional<std::uint32_t> exifPointer_;
};
