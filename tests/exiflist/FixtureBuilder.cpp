#include "FixtureBuilder.h"

#include "exiflistlib/exiflist.h"

namespace fixture {
namespace {

constexpr uint32_t tiffHeaderSize = 8;
constexpr uint32_t valueFieldSize = 4;

void appendUnit(Bytes& out, uint32_t value, int width, Order order) {
    for (int i = 0; i < width; ++i) {
        const int shift = order == Order::little ? 8 * i : 8 * (width - 1 - i);
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}

void appendBigEndian16(Bytes& out, uint16_t value) {
    appendUnit(out, value, 2, Order::big);
}

void appendBigEndian32(Bytes& out, uint32_t value) {
    appendUnit(out, value, 4, Order::big);
}

Bytes encodeUnits(const Entry& entry, Order order) {
    Bytes out;
    for (uint32_t unit : entry.units)
        appendUnit(out, unit, entry.unitWidth, order);
    return out;
}

uint32_t directorySize(const std::vector<Entry>& entries) {
    return 2 + 12 * static_cast<uint32_t>(entries.size()) + 4;
}

// Writes a directory at the end of `out`; out-of-line values go to `values`, which
// will start at file offset `valuesStart`.
void writeDirectory(Bytes& out, const std::vector<Entry>& entries, uint32_t next, Order order,
                    Bytes& values, uint32_t valuesStart) {
    appendUnit(out, static_cast<uint32_t>(entries.size()), 2, order);
    for (const Entry& entry : entries) {
        appendUnit(out, entry.tag, 2, order);
        appendUnit(out, entry.type, 2, order);
        appendUnit(out, entry.count, 4, order);
        Bytes value = encodeUnits(entry, order);
        if (entry.valueField) {
            appendUnit(out, *entry.valueField, 4, order);
        } else if (value.size() <= valueFieldSize) {
            value.resize(valueFieldSize, 0);
            out.insert(out.end(), value.begin(), value.end());
        } else {
            appendUnit(out, valuesStart + static_cast<uint32_t>(values.size()), 4, order);
            values.insert(values.end(), value.begin(), value.end());
            if (values.size() % 2 == 1)
                values.push_back(0);
        }
    }
    appendUnit(out, next, 4, order);
}

} // namespace

Entry byteEntry(uint16_t tag, uint16_t type, const Bytes& values) {
    return {tag, type, static_cast<uint32_t>(values.size()), {values.begin(), values.end()}, 1, {}};
}

Entry asciiEntry(uint16_t tag, const std::string& text) {
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return byteEntry(tag, TIFF_TYPE_ASCII, bytes);
}

Entry shortEntry(uint16_t tag, uint16_t type, const std::vector<uint32_t>& values) {
    return {tag, type, static_cast<uint32_t>(values.size()), values, 2, {}};
}

Entry longEntry(uint16_t tag, uint16_t type, const std::vector<uint32_t>& values) {
    return {tag, type, static_cast<uint32_t>(values.size()), values, 4, {}};
}

Entry rationalEntry(uint16_t tag, uint16_t type, const std::vector<uint32_t>& words) {
    return {tag, type, static_cast<uint32_t>(words.size() / 2), words, 4, {}};
}

Entry rawEntry(uint16_t tag, uint16_t type, uint32_t count, uint32_t valueField) {
    return {tag, type, count, {}, 1, valueField};
}

Bytes TiffBuilder::build() const {
    std::vector<Entry> zerothEntries = zeroth;
    const bool withExifPointer = exif || exifPointer;
    const bool withGpsPointer = gps || gpsPointer;
    const uint32_t pointerCount = (withExifPointer ? 1 : 0) + (withGpsPointer ? 1 : 0);
    const uint32_t zerothOffset = tiffHeaderSize;
    const uint32_t exifOffset = zerothOffset + directorySize(zerothEntries) + 12 * pointerCount;
    const uint32_t gpsOffset = exifOffset + (exif ? directorySize(*exif) : 0);
    const uint32_t valuesStart = gpsOffset + (gps ? directorySize(*gps) : 0);
    if (withExifPointer)
        zerothEntries.push_back(
            longEntry(TAG_EXIF_IFD_POINTER, TIFF_TYPE_LONG, {exifPointer.value_or(exifOffset)}));
    if (withGpsPointer)
        zerothEntries.push_back(
            longEntry(TAG_GPS_INFO_IFD_POINTER, TIFF_TYPE_LONG, {gpsPointer.value_or(gpsOffset)}));

    Bytes out = order == Order::little ? Bytes{'I', 'I'} : Bytes{'M', 'M'};
    appendUnit(out, 42, 2, order);
    appendUnit(out, zerothOffset, 4, order);
    Bytes values;
    writeDirectory(out, zerothEntries, nextIfdOffset, order, values, valuesStart);
    if (exif)
        writeDirectory(out, *exif, 0, order, values, valuesStart);
    if (gps)
        writeDirectory(out, *gps, 0, order, values, valuesStart);
    out.insert(out.end(), values.begin(), values.end());
    return out;
}

Bytes minimalTiff(Order order) {
    TiffBuilder builder;
    builder.order = order;
    builder.zeroth = {asciiEntry(TAG_MAKE, "ABCD")};
    return builder.build();
}

Bytes concat(const std::vector<Bytes>& parts) {
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

Bytes segmentWithLength(uint16_t marker, uint16_t length, const Bytes& payload) {
    Bytes out;
    out.reserve(4 + payload.size());
    appendBigEndian16(out, marker);
    appendBigEndian16(out, length);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

Bytes segment(uint16_t marker, const Bytes& payload) {
    return segmentWithLength(marker, static_cast<uint16_t>(payload.size() + 2), payload);
}

Bytes jpeg(const std::vector<Bytes>& parts) {
    return concat({{0xFF, 0xD8}, concat(parts)});
}

Bytes jpegWithExif(const Bytes& tiff, const std::vector<Bytes>& segmentsBefore) {
    const Bytes exifPayload = concat({{'E', 'x', 'i', 'f', 0, 0}, tiff});
    std::vector<Bytes> parts = segmentsBefore;
    parts.push_back(segment(0xFFE1, exifPayload));
    parts.push_back({0xFF, 0xD9});
    return jpeg(parts);
}

Bytes psdResource(uint16_t id, const std::string& name, const Bytes& data) {
    Bytes out = {'8', 'B', 'I', 'M'};
    appendBigEndian16(out, id);
    out.push_back(static_cast<unsigned char>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    if ((1 + name.size()) % 2 == 1)
        out.push_back(0);
    appendBigEndian32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2 == 1)
        out.push_back(0);
    return out;
}

Bytes psd(const PsdHeader& header, const Bytes& colorData, const std::vector<Bytes>& resources) {
    Bytes out(header.signature.begin(), header.signature.end());
    appendBigEndian16(out, header.version);
    out.insert(out.end(), header.reserved.begin(), header.reserved.end());
    appendBigEndian16(out, header.channels);
    appendBigEndian32(out, header.rows);
    appendBigEndian32(out, header.columns);
    appendBigEndian16(out, header.depth);
    appendBigEndian16(out, header.colorMode);
    appendBigEndian32(out, static_cast<uint32_t>(colorData.size()));
    out.insert(out.end(), colorData.begin(), colorData.end());
    const Bytes section = concat(resources);
    appendBigEndian32(out, static_cast<uint32_t>(section.size()));
    out.insert(out.end(), section.begin(), section.end());
    return out;
}

Bytes psdWithExif(const Bytes& tiff) {
    return psd({}, {}, {psdResource(1058, "", tiff)});
}

} // namespace fixture
