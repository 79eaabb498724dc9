// The analysis together with the picture. Kept apart from the metadata analysis so
// that programs which only read metadata link without the picture decoders and the
// GUI library they need.

#include "photo/PhotoRecord.h"

#include "pictures/Picture.h"
#include "platform/FileData.h"

std::unique_ptr<PhotoRecord> PhotoRecord::initWithData(const std::shared_ptr<const FileData>& data,
                                                       AnalysisOptions options) {
    if (tooShort(data))
        return nullptr;
    auto record = std::make_unique<PhotoRecord>(options);
    record->haveExif_ = record->dataAnalysisWithData(*data);
    return record;
}

void PhotoRecord::setPhotoData(const FileData& data) {
    haveExif_ = false;
    failure_.reset();
    if (data.length() >= minimumLength)
        haveExif_ = dataAnalysisWithData(data);
}

namespace {

std::shared_ptr<Picture> decodedPicture(const AnalysisOptions& options, const FileData& data) {
    return options.pictureDecoder ? options.pictureDecoder(data)
                                  : Picture::initWithData(data, options.pictureBoxes);
}

} // namespace

bool PhotoRecord::dataAnalysisWithData(const FileData& data) {
    withoutCameraData_ = false;
    if (!analyseMetadata(data))
        return acceptPictureAlone(data);
    if (options_.decodePicture)
        photoImage_ = decodedPicture(options_, data);
    else
        photoImage_.reset();
    return true;
}

bool PhotoRecord::acceptPictureAlone(const FileData& data) {
    if (!options_.acceptWithoutCameraData || !options_.decodePicture)
        return false;
    // Only a picture makes such a label worth printing; without one the reader's
    // failure stands.
    std::shared_ptr<Picture> picture = decodedPicture(options_, data);
    if (!picture)
        return false;
    photoImage_ = std::move(picture);
    info_ = {};
    failure_.reset();
    withoutCameraData_ = true;
    return true;
}
