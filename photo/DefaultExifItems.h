#pragma once

#include "photo/ConstStrings.h"

#include <QString>
#include <QVariantMap>

#include <utility>
#include <vector>

// The Exif item display settings a new user starts with: which items of the photo
// information the label shows. The one list every part builds its defaults from, in
// the order the defaults are built.
inline const std::vector<std::pair<QString, bool>>& defaultExifItems() {
    static const std::vector<std::pair<QString, bool>> items{
        {skipMaker, true},
        {maker, true},
        {model, true},
        {lensMaker, false},
        {lensModel, true},
        {focalLength, true},
        {fNumber, true},
        {exposureTime, true},
        {sensitivity, true},
        {exposureBiasValue, false},
        {exposureMode, false},
        {exposureProgram, false},
        {meteringMode, false},
        {whiteBalance, true},
        {focalLengthIn35mmFormat, false},
        {fileName, true},
        {dateTimeOriginal, true},
    };
    return items;
}

// The same list as a display settings dictionary.
inline QVariantMap defaultExifItemsStatus() {
    QVariantMap status;
    for (const auto& [key, shown] : defaultExifItems())
        status.insert(key, shown);
    return status;
}
