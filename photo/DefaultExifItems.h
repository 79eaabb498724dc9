#pragma once

#include "photo/PhotoInfo.h"

#include <QVariantMap>

#include <utility>
#include <vector>

// The Exif item display settings a new user starts with: which items of the photo
// information the label shows. The one list every part builds its defaults from, in
// the order the defaults are built.
inline const std::vector<std::pair<PhotoInfo::Item, bool>>& defaultExifItems() {
    using Item = PhotoInfo::Item;
    static const std::vector<std::pair<Item, bool>> items{
        {Item::SkipMaker, true},
        {Item::Maker, true},
        {Item::Model, true},
        {Item::LensMaker, false},
        {Item::LensModel, true},
        {Item::FocalLength, true},
        {Item::FNumber, true},
        {Item::ExposureTime, true},
        {Item::Sensitivity, true},
        {Item::ExposureBiasValue, false},
        {Item::ExposureMode, false},
        {Item::ExposureProgram, false},
        {Item::MeteringMode, false},
        {Item::WhiteBalance, true},
        {Item::FocalLengthIn35mmFormat, false},
        {Item::FileName, true},
        {Item::DateTimeOriginal, true},
    };
    return items;
}

// The same list as a display settings dictionary.
inline QVariantMap defaultExifItemsStatus() {
    QVariantMap status;
    for (const auto& [item, shown] : defaultExifItems())
        status.insert(PhotoInfo::itemName(item), shown);
    return status;
}
