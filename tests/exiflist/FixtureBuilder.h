#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Builds small JPEG, TIFF and PSD files in memory for the reader's tests and seeds.
namespace fixture {

using Bytes = std::vector<unsigned char>;

enum class Order { little, big };

// One directory entry. `units` are the value's elements, each `unitWidth` bytes wide
// in the file's byte order; up to 4 bytes stand in the value field, more are placed
// after the directories. `valueField` replaces the value field as written (for
// offsets that lead nowhere).
struct Entry {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    std::vector<uint32_t> units;
    int unitWidth = 1;
    std::optional<uint32_t> valueField;
};

Entry byteEntry(uint16_t tag, uint16_t type, const Bytes& values);
Entry asciiEntry(uint16_t tag, const std::string& text); // adds the terminating zero
Entry shortEntry(uint16_t tag, uint16_t type, const std::vector<uint32_t>& values);
Entry longEntry(uint16_t tag, uint16_t type, const std::vector<uint32_t>& values);
// Numerator and denominator pairs.
Entry rationalEntry(uint16_t tag, uint16_t type, const std::vector<uint32_t>& words);
// An entry whose value field holds `valueField` and nothing is placed elsewhere.
Entry rawEntry(uint16_t tag, uint16_t type, uint32_t count, uint32_t valueField);

// A TIFF structure: header, the 0th IFD and optional Exif and GPS IFDs, followed by
// the out-of-line values. The directory pointers of the 0th IFD are added when the
// Exif or GPS IFD is present, unless `exifPointer` / `gpsPointer` fix their value.
struct TiffBuilder {
    Order order = Order::little;
    std::vector<Entry> zeroth;
    std::optional<std::vector<Entry>> exif;
    std::optional<std::vector<Entry>> gps;
    std::optional<uint32_t> exifPointer;
    std::optional<uint32_t> gpsPointer;
    uint32_t nextIfdOffset = 0;

    Bytes build() const;
};

// The smallest valid TIFF structure: a 0th IFD with one Make entry.
Bytes minimalTiff(Order order = Order::little);

// A JPEG segment: marker, big-endian length (payload + 2) and payload.
Bytes segment(uint16_t marker, const Bytes& payload);
// A segment whose length field says `length`, whatever the payload is.
Bytes segmentWithLength(uint16_t marker, uint16_t length, const Bytes& payload);
// Start of image, the given segments, an Exif APP1 segment with the TIFF structure and
// an end-of-image marker.
Bytes jpegWithExif(const Bytes& tiff, const std::vector<Bytes>& segmentsBefore = {});
// Start of image followed by the given bytes.
Bytes jpeg(const std::vector<Bytes>& parts);

struct PsdHeader {
    std::string signature = "8BPS";
    uint16_t version = 1;
    Bytes reserved = Bytes(6, 0);
    uint16_t channels = 3;
    uint32_t rows = 100;
    uint32_t columns = 200;
    uint16_t depth = 8;
    uint16_t colorMode = 3;
};

// An image resource block: "8BIM", ID, padded Pascal name, data size and padded data.
Bytes psdResource(uint16_t id, const std::string& name, const Bytes& data);
// Header, colour-mode data section and image-resources section made of `resources`.
Bytes psd(const PsdHeader& header, const Bytes& colorData, const std::vector<Bytes>& resources);
// A PSD with one Exif resource (ID 1058) holding the TIFF structure.
Bytes psdWithExif(const Bytes& tiff);

Bytes concat(const std::vector<Bytes>& parts);

} // namespace fixture
