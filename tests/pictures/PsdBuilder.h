#pragma once

#include <QByteArray>

#include <cstdint>
#include <functional>

// Builds small layered-document files for the decoder tests: a header, empty colour
// mode, resource and layer sections, and the composite image in planar order.
struct PsdDocument {
    int width = 4;
    int height = 3;
    int channels = 3;
    int depth = 8;
    int colorMode = 3; // 1 grayscale, 3 RGB, 4 CMYK
    bool rle = false;
    bool largeDocument = false;
    // The sample of a channel at (x, y), at full depth (0..255 or 0..65535).
    std::function<std::uint16_t(int channel, int x, int y)> sample;
};

QByteArray buildPsd(const PsdDocument& document);
