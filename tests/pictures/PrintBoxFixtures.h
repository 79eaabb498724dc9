#pragma once

#include "pictures/PictureReduction.h"

#include <limits>

// Print boxes as a caption label's thumbnails have them: a strip 43 points high,
// however wide, and a square of 67 points.
inline const PrintBoxes thumbnailBoxes{QSizeF(std::numeric_limits<double>::infinity(), 43),
                                       QSizeF(67, 67)};

// One box that prints a picture of pixelHeight rows at scale of its pixels.
inline PrintBoxes boxesScaling(double scale, int pixelHeight) {
    return {QSizeF(std::numeric_limits<double>::infinity(),
                   scale * pixelHeight * 72.0 / PictureReduction::printResolutionDpi)};
}
