#include "photo/Kestavolin.h"

#include "platform/FileData.h"

Kestavolin::Kestavolin() = default;

Kestavolin::Kestavolin(AnalysisOptions options) : options_(options) {}

bool Kestavolin::tooShort(const std::shared_ptr<const FileData>& data) {
    return !data || data->length() < minimumLength;
}

std::unique_ptr<Kestavolin>
Kestavolin::initWithMetadata(const std::shared_ptr<const FileData>& data) {
    if (tooShort(data))
        return nullptr;
    auto record = std::make_unique<Kestavolin>(AnalysisOptions{.decodePicture = false});
    record->haveExif_ = record->analyseMetadata(*data);
    return record;
}
