#include "StructureFields.h"

#include <set>

namespace {

// Enough directories and entries for any real file; a loop of offsets stops at them.
constexpr int maximumDirectories = 16;
constexpr int maximumEntries = 512;
constexpr int maximumResources = 256;
constexpr quint16 exifPointerTag = 0x8769;
constexpr quint16 gpsPointerTag = 0x8825;
constexpr quint16 interoperabilityPointerTag = 0xA005;
constexpr quint16 psdExifResource = 0x0422;
constexpr quint16 psdExifResourceAlternative = 0x0423;

class Walker {
public:
    explicit Walker(const QByteArray& bytes) : bytes_(bytes) {}

    void walkTiff(std::size_t base) {
        if (!has(base, 8))
            return;
        const bool bigEndian = byteAt(base) == 'M';
        add(base + 4, 4, bigEndian);
        std::vector<quint32> pending{read(base + 4, 4, bigEndian)};
        std::set<quint32> seen;
        while (!pending.empty() && seen.size() < maximumDirectories) {
            const quint32 directory = pending.back();
            pending.pop_back();
            if (directory == 0 || !seen.insert(directory).second || !has(base + directory, 2))
                continue;
            const std::size_t start = base + directory;
            add(start, 2, bigEndian);
            const int count =
                std::min<int>(static_cast<int>(read(start, 2, bigEndian)), maximumEntries);
            for (int index = 0; index < count; ++index) {
                const std::size_t entry = start + 2 + 12 * static_cast<std::size_t>(index);
                if (!has(entry, 12))
                    return;
                for (const auto& [offset, width] : {std::pair{2, 2}, {4, 4}, {8, 4}})
                    add(entry + offset, width, bigEndian);
                const auto tag = static_cast<quint16>(read(entry, 2, bigEndian));
                if (tag == exifPointerTag || tag == gpsPointerTag ||
                    tag == interoperabilityPointerTag)
                    pending.push_back(read(entry + 8, 4, bigEndian));
            }
            const std::size_t next = start + 2 + 12 * static_cast<std::size_t>(count);
            if (has(next, 4)) {
                add(next, 4, bigEndian);
                pending.push_back(read(next, 4, bigEndian));
            }
        }
    }

    void walkJpeg() {
        for (std::size_t position = 2; has(position, 4) && byteAt(position) == 0xFF;) {
            const quint8 marker = byteAt(position + 1);
            add(position + 2, 2, true);
            const quint32 length = read(position + 2, 2, true);
            if (marker == 0xE1 && has(position + 4, 6) &&
                bytes_.mid(static_cast<qsizetype>(position) + 4, 6) == QByteArray("Exif\0\0", 6))
                walkTiff(position + 10);
            if (marker == 0xDA || length < 2)
                return;
            position += 2 + length;
        }
    }

    void walkPsd() {
        constexpr std::size_t colourModeLength = 26;
        for (const auto& [offset, width] :
             {std::pair{12, 2}, {14, 4}, {18, 4}, {22, 2}, {24, 2}, {26, 4}})
            add(offset, width, true);
        if (!has(colourModeLength, 4))
            return;
        const std::size_t resources = colourModeLength + 4 + read(colourModeLength, 4, true);
        add(resources, 4, true);
        if (!has(resources, 4))
            return;
        const std::size_t end = resources + 4 + read(resources, 4, true);
        add(end, 4, true);
        std::size_t position = resources + 4;
        for (int count = 0; count < maximumResources && position < end && has(position, 7);
             ++count) {
            const auto id = static_cast<quint16>(read(position + 4, 2, true));
            const std::size_t sizeField = position + 6 + ((byteAt(position + 6) + 2u) & ~1u);
            if (!has(sizeField, 4))
                return;
            add(sizeField, 4, true);
            const quint32 size = read(sizeField, 4, true);
            if (id == psdExifResource || id == psdExifResourceAlternative)
                walkTiff(sizeField + 4);
            position = sizeField + 4 + ((static_cast<std::size_t>(size) + 1) & ~std::size_t{1});
        }
    }

    std::vector<StructureField> fields;

private:
    bool has(std::size_t offset, std::size_t width) const {
        return offset <= static_cast<std::size_t>(bytes_.size()) &&
               width <= static_cast<std::size_t>(bytes_.size()) - offset;
    }
    quint8 byteAt(std::size_t offset) const {
        return static_cast<quint8>(bytes_[static_cast<qsizetype>(offset)]);
    }
    quint32 read(std::size_t offset, int width, bool bigEndian) const {
        quint32 value = 0;
        for (int index = 0; index < width; ++index)
            value =
                (value << 8) |
                byteAt(offset + static_cast<std::size_t>(bigEndian ? index : width - 1 - index));
        return value;
    }
    void add(std::size_t offset, int width, bool bigEndian) {
        if (has(offset, static_cast<std::size_t>(width)))
            fields.push_back({offset, width, bigEndian});
    }

    const QByteArray& bytes_;
};

} // namespace

std::vector<StructureField> structureFields(const QByteArray& bytes) {
    Walker walker(bytes);
    if (bytes.startsWith("\xFF\xD8"))
        walker.walkJpeg();
    else if (bytes.startsWith("II*") || bytes.startsWith(QByteArray("MM\0*", 4)))
        walker.walkTiff(0);
    else if (bytes.startsWith("8BPS"))
        walker.walkPsd();
    return walker.fields;
}

void writeField(QByteArray& bytes, const StructureField& field, quint32 value) {
    for (int index = 0; index < field.width; ++index) {
        const int shift = 8 * (field.bigEndian ? field.width - 1 - index : index);
        bytes[static_cast<qsizetype>(field.offset) + index] =
            static_cast<char>((value >> shift) & 0xFF);
    }
}
