#include "photo/PhotoRecord.h"

#include "platform/FileData.h"

PhotoRecord::PhotoRecord() = default;

PhotoRecord::PhotoRecord(AnalysisOptions options) : options_(std::move(options)) {}

bool PhotoRecord::tooShort(const std::shared_ptr<const FileData>& data) {
    return !data || data->length() < minimumLength;
}

std::unique_ptr<PhotoRecord>
PhotoRecord::initWithMetadata(const std::shared_ptr<const FileData>& data) {
    if (tooShort(data))
        return nullptr;
    auto record = std::make_unique<PhotoRecord>(AnalysisOptions{.decodePicture = false});
    record->haveExif_ = record->analyseMetadata(*data);
    return record;
}
