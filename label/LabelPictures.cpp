#include "label/LabelPictures.h"

#include "label/RollLayout.h"
#include "label/TapeLayout.h"
#include "pictures/Picture.h"

#include <limits>

const PrintBoxes& labelPictureBoxes() {
    static const PrintBoxes boxes{
        QSizeF(std::numeric_limits<double>::infinity(), TapeLayout::tapeHeight),
        QSizeF(RollLayout::thumbnailSide, RollLayout::thumbnailSide)};
    return boxes;
}

std::shared_ptr<Picture> decodeLabelPicture(const FileData& data) {
    return Picture::initWithData(data, labelPictureBoxes());
}
