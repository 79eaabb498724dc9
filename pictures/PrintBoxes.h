#pragma once

#include <QSizeF>

#include <vector>

// The sizes a picture prints at: boxes, in points, each of which it is drawn into as
// large as it fits with its proportions kept. A box of infinite width draws the
// picture at the box's height, however wide it is. Pictures are decoded only as
// finely as their print boxes need (PictureReduction::neededSize).
using PrintBoxes = std::vector<QSizeF>;
