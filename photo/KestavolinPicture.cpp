// The analysis together with the picture. Kept apart from the metadata analysis so
// that programs which only read metadata link without the picture decoders and the
// GUI library they need.

#include "photo/Kestavolin.h"

#include "platform/FileData.h"
#include "platform/Picture.h"

std::unique_ptr<Kestavolin> Kestavolin::initWithData(const std::shared_ptr<const FileData>& data,
                                                     AnalysisOptions options) {
    if (tooShort(data))
        return nullptr;
    auto record = std::make_unique<Kestavolin>(options);
    record->haveExif_ = record->dataAnalysisWithData(*data);
    return record;
}

void Kestavolin::setPhotoData(const FileData& data) {
    haveExif_ = false;
    failure_.reset();
    if (data.length() >= minimumLength)
        haveExif_ = dataAnalysisWithData(data);
}

bool Kestavolin::dataAnalysisWithData(const FileData& data) {
    if (!analyseMetadata(data))
        return false;
    if (options_.decodePicture)
        photoImage_ =
            options_.pictureDecoder ? options_.pictureDecoder(data) : Picture::initWithData(data);
    else
        photoImage_.reset();
    return true;
}
