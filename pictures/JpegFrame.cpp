#include "pictures/JpegFrame.h"

#include "pictures/ByteCursor.h"

#include <algorithm>
#include <vector>

namespace {

constexpr unsigned char markerPrefix = 0xFF;
constexpr unsigned char startOfImage = 0xD8;
constexpr unsigned char startOfScan = 0xDA;
constexpr unsigned char endOfImage = 0xD9;
constexpr int blockSide = 8;
constexpr qint64 bytesPerBlock = 64 * 2;
// The JPEG decoder reduces by at most this factor in each direction while decoding;
// Qt scales what it yields the rest of the way.
constexpr qint64 largestReduction = 8;
constexpr qint64 bytesPerPixel = 4;

struct Component {
    int horizontal = 1;
    int vertical = 1;
};

bool isFrameMarker(unsigned char marker) {
    // SOF0 to SOF15 except DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isProgressive(unsigned char marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

// Markers without a length field.
bool standsAlone(unsigned char marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

qint64 ceilDiv(qint64 a, qint64 b) {
    return (a + b - 1) / b;
}

qint64 roundUp(qint64 a, qint64 b) {
    return ceilDiv(a, b) * b;
}

qint64 coefficientBytes(int width, int height, const std::vector<Component>& components) {
    int maxHorizontal = 1, maxVertical = 1;
    for (const Component& c : components) {
        maxHorizontal = std::max(maxHorizontal, c.horizontal);
        maxVertical = std::max(maxVertical, c.vertical);
    }
    qint64 bytes = 0;
    for (const Component& c : components) {
        const qint64 columns =
            ceilDiv(qint64(width) * c.horizontal, qint64(maxHorizontal) * blockSide);
        const qint64 rows = ceilDiv(qint64(height) * c.vertical, qint64(maxVertical) * blockSide);
        bytes += roundUp(columns, c.horizontal) * roundUp(rows, c.vertical) * bytesPerBlock;
    }
    return bytes;
}

} // namespace

std::optional<JpegFrame> JpegFrame::read(const unsigned char* bytes, std::size_t length) {
    if (length < 4 || bytes[0] != markerPrefix || bytes[1] != startOfImage)
        return std::nullopt;
    std::optional<JpegFrame> frame;
    std::vector<Component> components;
    ByteCursor cursor(bytes, length);
    cursor.skip(2);
    while (cursor.remaining() >= 2) {
        if (*cursor.peek() != markerPrefix) {
            cursor.skip(1); // entropy-coded data or padding between segments
            continue;
        }
        const unsigned char marker = *cursor.peek(1);
        if (marker == markerPrefix) {
            cursor.skip(1); // fill bytes before a marker
            continue;
        }
        cursor.skip(2);
        if (marker == 0x00 || standsAlone(marker))
            continue;
        if (marker == endOfImage)
            break;
        // The segment's length counts its own two bytes.
        const std::size_t available = cursor.remaining();
        const auto declared = cursor.read(2);
        if (!declared || *declared < 2 || *declared > available)
            break;
        const std::size_t segment = *declared;
        const unsigned char* body = cursor.here();
        if (isFrameMarker(marker) && !frame && segment >= 8) {
            const int count = body[5];
            if (count == 0 || segment < 8 + std::size_t(count) * 3)
                return std::nullopt;
            frame = JpegFrame{};
            frame->height = (body[1] << 8) | body[2];
            frame->width = (body[3] << 8) | body[4];
            frame->needsWholeCoefficientBuffer = isProgressive(marker);
            for (int i = 0; i < count; ++i) {
                const unsigned char sampling = body[6 + i * 3 + 1];
                components.push_back({std::max(1, sampling >> 4), std::max(1, sampling & 0x0F)});
            }
        } else if (marker == startOfScan && frame) {
            if (segment >= 3 && body[0] < components.size())
                frame->needsWholeCoefficientBuffer = true;
            break;
        }
        cursor.skip(segment - 2);
    }
    if (frame && frame->needsWholeCoefficientBuffer)
        frame->coefficientBufferBytes = coefficientBytes(frame->width, frame->height, components);
    return frame;
}

qint64 JpegFrame::decodeBytes(const PrintBoxes& boxes) const {
    const QSize full(width, height);
    const QSize decoded =
        PictureReduction::halvedAtLeast(full, PictureReduction::neededSize(full, boxes));
    const qint64 reducedPixels =
        ceilDiv(width, largestReduction) * ceilDiv(height, largestReduction);
    const qint64 pixels = std::max(qint64(decoded.width()) * decoded.height(), reducedPixels);
    return coefficientBufferBytes + pixels * bytesPerPixel;
}
