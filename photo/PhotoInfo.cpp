#include "photo/PhotoInfo.h"

#include <array>
#include <cstddef>

namespace {

using Item = PhotoInfo::Item;

constexpr std::size_t itemCount = static_cast<std::size_t>(Item::FileName) + 1;

// Each item's name and, for a text item, where the information holds it; in the
// order of the items.
struct ItemEntry {
    Item item;
    const char* name;
    std::optional<QString> PhotoInfo::*text;
};

constexpr std::array<ItemEntry, itemCount> itemEntries{{
    {Item::ImageDescription, "ImageDescription", &PhotoInfo::imageDescription},
    {Item::SkipMaker, "skipMaker", nullptr},
    {Item::Maker, "Maker", &PhotoInfo::maker},
    {Item::Model, "Model", &PhotoInfo::model},
    {Item::Artist, "Artist", &PhotoInfo::artist},
    {Item::Copyright, "Copyright", &PhotoInfo::copyright},
    {Item::LensMaker, "LensMaker", &PhotoInfo::lensMaker},
    {Item::LensModel, "LensModel", &PhotoInfo::lensModel},
    {Item::FNumber, "FNumber", &PhotoInfo::fNumber},
    {Item::ExposureTime, "ExposureTime", &PhotoInfo::exposureTime},
    {Item::Sensitivity, "Sensitivity", &PhotoInfo::sensitivity},
    {Item::ExposureBiasValue, "ExposureBiasValue", &PhotoInfo::exposureBiasValue},
    {Item::ExposureMode, "ExposureMode", &PhotoInfo::exposureMode},
    {Item::ExposureProgram, "ExposureProgram", &PhotoInfo::exposureProgram},
    {Item::MeteringMode, "MeteringMode", &PhotoInfo::meteringMode},
    {Item::LightSource, "LightSource", &PhotoInfo::lightSource},
    {Item::FocalLength, "FocalLength", &PhotoInfo::focalLength},
    {Item::FocalLengthIn35mmFormat, "FocalLengthIn35mmFormat", &PhotoInfo::focalLengthIn35mmFormat},
    {Item::WhiteBalance, "WhiteBalance", &PhotoInfo::whiteBalance},
    {Item::SceneCaptureType, "SceneCaptureType", &PhotoInfo::sceneCaptureType},
    {Item::GainControl, "GainControl", &PhotoInfo::gainControl},
    {Item::Contrast, "Contrast", &PhotoInfo::contrast},
    {Item::Saturation, "Saturation", &PhotoInfo::saturation},
    {Item::Sharpness, "Sharpness", &PhotoInfo::sharpness},
    {Item::SubjectDistance, "SubjectDistance", &PhotoInfo::subjectDistance},
    {Item::DateTimeOriginal, "DateTimeOriginal", &PhotoInfo::dateTimeOriginal},
    {Item::DateTimeDigitized, "DateTimeDigitized", &PhotoInfo::dateTimeDigitized},
    {Item::ExifVersion, "ExifVersion", &PhotoInfo::exifVersion},
    {Item::PixelXDimension, "PixelXDimension", &PhotoInfo::pixelXDimension},
    {Item::PixelYDimension, "PixelYDimension", &PhotoInfo::pixelYDimension},
    {Item::Flash, "Flash", nullptr},
    {Item::FileName, "fileName", nullptr},
}};

constexpr bool inItemOrder() {
    for (std::size_t index = 0; index < itemCount; ++index)
        if (itemEntries[index].item != static_cast<Item>(index))
            return false;
    return true;
}
static_assert(inItemOrder(), "one entry for each item, in the order of the items");

const ItemEntry& entryOf(Item item) {
    return itemEntries[static_cast<std::size_t>(item)];
}

} // namespace

const QString& PhotoInfo::itemName(Item item) {
    static const auto names = [] {
        std::array<QString, itemCount> made;
        for (std::size_t index = 0; index < itemCount; ++index)
            made[index] = QString::fromLatin1(itemEntries[index].name);
        return made;
    }();
    return names[static_cast<std::size_t>(item)];
}

const std::optional<QString>& PhotoInfo::text(Item item) const {
    static const std::optional<QString> none;
    const auto member = entryOf(item).text;
    return member ? this->*member : none;
}

bool PhotoInfo::isEmpty() const {
    return *this == PhotoInfo{};
}

QJsonObject PhotoInfo::toJson() const {
    QJsonObject json;
    for (const ItemEntry& entry : itemEntries)
        if (entry.text && this->*entry.text)
            json.insert(itemName(entry.item), *(this->*entry.text));
    if (skipMaker)
        json.insert(itemName(Item::SkipMaker), *skipMaker);
    if (flash)
        json.insert(itemName(Item::Flash), int{*flash});
    return json;
}
