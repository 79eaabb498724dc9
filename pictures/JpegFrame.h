#pragma once

#include "pictures/PictureReduction.h"

#include <QtGlobal>

#include <cstddef>
#include <optional>

// What a JPEG's frame header (and its first scan header) says about decoding it,
// read without decoding anything.
struct JpegFrame {
    int width = 0;
    int height = 0;
    // Progressive files, and sequential ones whose first scan leaves out a component,
    // are decoded into a buffer of every coefficient of the whole picture before any
    // scaling: memory grows with the declared size, not with the decoded one.
    bool needsWholeCoefficientBuffer = false;
    // The bytes of that buffer (two bytes a coefficient, 64 to a block of every
    // component, as the decoder rounds them); 0 when none is needed.
    qint64 coefficientBufferBytes = 0;

    // The frame of the JPEG in bytes, or nothing when they are not a JPEG with a
    // frame header.
    static std::optional<JpegFrame> read(const unsigned char* bytes, std::size_t length);

    // The memory decoding the picture for its print boxes takes at most: the
    // coefficient buffer, when it needs one, and the pixels the decoder hands over
    // before Qt's final scaling.
    qint64 decodeBytes(const PrintBoxes& boxes) const;
};
