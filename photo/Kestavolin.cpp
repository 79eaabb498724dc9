#include "photo/Kestavolin.h"

#include "platform/FileData.h"
#include "platform/Picture.h"

Kestavolin::Kestavolin() = default;

Kestavolin::Kestavolin(AnalysisOptions options) : options_(options) {}

std::unique_ptr<Kestavolin> Kestavolin::initWithData(const std::shared_ptr<const FileData>& data,
                                                     AnalysisOptions options) {
    if (!data || data->length() < minimumLength)
        return nullptr;
    auto record = std::make_unique<Kestavolin>(options);
    record->haveExif_ = record->dataAnalysisWithData(*data);
    return record;
}

void Kestavolin::setPhotoData(const FileData& data) {
    haveExif_ = false;
    if (data.length() >= minimumLength)
        haveExif_ = dataAnalysisWithData(data);
}
