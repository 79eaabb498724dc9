// The analysis of a photograph: the metadata reader's tables turned into the photo
// information dictionary.

#include "photo/PhotoRecord.h"

#include "photo/ConstStrings.h"
#include "photo/ExifValueRules.h"
#include "photo/ExifWordRules.h"
#include "photo/TagCopy.h"
#include "platform/FileData.h"

#include <QtGlobal>

#include <array>
#include <functional>

namespace {

// Data shorter than this cannot hold any container signature.
constexpr qint64 shortestAnalysableLength = 2;

// Owns a table array from generateUsefulIfdTableArray.
struct TableArrayRelease {
    void operator()(ExifIfdTable** tables) const { freeIfdTableArray(tables); }
};
using TableArray = std::unique_ptr<ExifIfdTable*, TableArrayRelease>;

using TextRule = std::optional<QString> (*)(const ExifTagNode&);

// One lookup of the analysis: reads its tag(s) from the tables and stores what its
// value rule yields.
using Lookup = std::function<void(ExifIfdTable* const* tables, QVariantMap& dictionary)>;

Lookup textLookup(int ifdType, std::uint16_t tag, const QString& key, TextRule rule) {
    return [=](ExifIfdTable* const* tables, QVariantMap& dictionary) {
        if (const TagCopy copy = usableTag(tables, ifdType, tag)) {
            if (auto value = rule(*copy))
                dictionary.insert(key, *value);
        }
    };
}

Lookup makerLookup() {
    return [](ExifIfdTable* const* tables, QVariantMap& dictionary) {
        if (const TagCopy copy = usableTag(tables, IFD_0TH, TAG_MAKE)) {
            if (auto value = makerValue(*copy)) {
                dictionary.insert(skipMaker, value->skipMaker);
                dictionary.insert(maker, value->maker);
            }
        }
    };
}

Lookup sensitivityLookup() {
    return [](ExifIfdTable* const* tables, QVariantMap& dictionary) {
        const auto exifTag = [tables](std::uint16_t tag) {
            return usableTag(tables, IFD_EXIF, tag);
        };
        if (auto value = sensitivityValue(exifTag))
            dictionary.insert(sensitivity, *value);
    };
}

Lookup flashLookup() {
    return [](ExifIfdTable* const* tables, QVariantMap& dictionary) {
        if (const TagCopy copy = usableTag(tables, IFD_EXIF, TAG_FLASH)) {
            if (auto value = flashValue(*copy))
                dictionary.insert(flashKey, QVariant::fromValue<quint16>(*value));
        }
    };
}

// The lookups in the order they are made.
const std::array<Lookup, 30>& lookups() {
    static const std::array<Lookup, 30> table{
        textLookup(IFD_0TH, TAG_IMAGE_DESCRIPTION, imageDescription, textValue),
        makerLookup(),
        textLookup(IFD_0TH, TAG_MODEL, model, textValue),
        textLookup(IFD_0TH, TAG_ARTIST, artist, textValue),
        textLookup(IFD_0TH, TAG_COPYRIGHT, copyright, textValue),
        textLookup(IFD_EXIF, TAG_LENS_MAKE, lensMaker, textValue),
        textLookup(IFD_EXIF, TAG_LENS_MODEL, lensModel, textValue),
        textLookup(IFD_EXIF, TAG_FNUMBER, fNumber, fNumberValue),
        textLookup(IFD_EXIF, TAG_EXPOSURE_TIME, exposureTime, exposureTimeValue),
        sensitivityLookup(),
        textLookup(IFD_EXIF, TAG_EXPOSURE_BIAS_VALUE, exposureBiasValue, exposureBiasValueText),
        textLookup(IFD_EXIF, TAG_EXPOSURE_MODE, exposureMode, exposureModeWord),
        textLookup(IFD_EXIF, TAG_EXPOSURE_PROGRAM, exposureProgram, exposureProgramWord),
        textLookup(IFD_EXIF, TAG_METERING_MODE, meteringMode, meteringModeWord),
        textLookup(IFD_EXIF, TAG_LIGHT_SOURCE, lightSource, lightSourceWord),
        flashLookup(),
        textLookup(IFD_EXIF, TAG_FOCAL_LENGTH, focalLength, focalLengthValue),
        textLookup(IFD_EXIF, TAG_FOCAL_LENGTH_IN_35MM_FORMAT, focalLengthIn35mmFormat,
                   focalLengthIn35mmValue),
        textLookup(IFD_EXIF, TAG_WHITE_BALANCE, whiteBalance, whiteBalanceWord),
        textLookup(IFD_EXIF, TAG_SCENE_CAPTURE_TYPE, sceneCaptureType, sceneCaptureTypeWord),
        textLookup(IFD_EXIF, TAG_GAIN_CONTROL, gainControl, gainControlWord),
        textLookup(IFD_EXIF, TAG_CONTRAST, contrast, contrastWord),
        textLookup(IFD_EXIF, TAG_SATURATION, saturation, saturationWord),
        textLookup(IFD_EXIF, TAG_SHARPNESS, sharpness, sharpnessWord),
        textLookup(IFD_EXIF, TAG_SUBJECT_DISTANCE_RANGE, subjectDistance, subjectDistanceRangeWord),
        textLookup(IFD_EXIF, TAG_DATE_TIME_ORIGINAL, dateTimeOriginal, textValue),
        textLookup(IFD_EXIF, TAG_DATE_TIME_DIGITIZED, dateTimeDigitized, textValue),
        textLookup(IFD_EXIF, TAG_EXIF_VERSION, exifVersion, exifVersionValue),
        textLookup(IFD_EXIF, TAG_PIXEL_X_DIMENSION, pixelXDimension, pixelDimensionValue),
        textLookup(IFD_EXIF, TAG_PIXEL_Y_DIMENSION, pixelYDimension, pixelDimensionValue),
    };
    return table;
}

// The reader's directory tables of the bytes and the codes of its two steps.
struct MetadataTables {
    int format = EXIFLIST_SUCCESS; // the container detection's result
    int directories = 0;           // the directory reading's result
    TableArray tables;
    bool found() const {
        return format == EXIFLIST_SUCCESS && directories != EXIFLIST_ERROR_IFD && tables;
    }
};

MetadataTables readMetadataTables(const FileData& data) {
    // The reader only reads, so it works on the caller's bytes directly: a private
    // copy would cost a second file's worth of memory and change nothing.
    ExifReaderContext reader;
    setExifReaderContext(&reader, data.bytes(), data.length());
    MetadataTables metadata;
    metadata.format = selectFileFormat(&reader);
    if (metadata.format == EXIFLIST_SUCCESS)
        metadata.tables.reset(generateUsefulIfdTableArray(&reader, &metadata.directories));
    return metadata;
}

} // namespace

bool PhotoRecord::hasReadableMetadata(const FileData& data) {
    return data.length() >= shortestAnalysableLength && readMetadataTables(data).found();
}

bool PhotoRecord::analyseMetadata(const FileData& data) {
    failure_.reset();
    if (data.length() < shortestAnalysableLength)
        return false;

    const MetadataTables metadata = readMetadataTables(data);
    if (!metadata.found()) {
        failure_ = analysisFailure(metadata.format != EXIFLIST_SUCCESS ? metadata.format
                                                                       : metadata.directories);
        return false;
    }
    const TableArray& tables = metadata.tables;

    for (const Lookup& lookup : lookups())
        lookup(tables.get(), exifData_);
    return true;
}
