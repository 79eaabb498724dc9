// The analysis of a photograph: the metadata reader's tables turned into its photo
// information.

#include "photo/PhotoRecord.h"

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
using TextMember = std::optional<QString> PhotoInfo::*;

// One lookup of the analysis: reads its tag(s) from the tables and stores what its
// value rule yields.
using Lookup = std::function<void(ExifIfdTable* const* tables, PhotoInfo& info)>;

Lookup textLookup(int ifdType, std::uint16_t tag, TextMember member, TextRule rule) {
    return [=](ExifIfdTable* const* tables, PhotoInfo& info) {
        if (const TagCopy copy = usableTag(tables, ifdType, tag)) {
            if (auto value = rule(*copy))
                info.*member = std::move(value);
        }
    };
}

Lookup makerLookup() {
    return [](ExifIfdTable* const* tables, PhotoInfo& info) {
        if (const TagCopy copy = usableTag(tables, IFD_0TH, TAG_MAKE)) {
            if (auto value = makerValue(*copy)) {
                info.skipMaker = value->skipMaker;
                info.maker = value->maker;
            }
        }
    };
}

Lookup sensitivityLookup() {
    return [](ExifIfdTable* const* tables, PhotoInfo& info) {
        const auto exifTag = [tables](std::uint16_t tag) {
            return usableTag(tables, IFD_EXIF, tag);
        };
        if (auto value = sensitivityValue(exifTag))
            info.sensitivity = std::move(value);
    };
}

Lookup flashLookup() {
    return [](ExifIfdTable* const* tables, PhotoInfo& info) {
        if (const TagCopy copy = usableTag(tables, IFD_EXIF, TAG_FLASH)) {
            if (auto value = flashValue(*copy))
                info.flash = *value;
        }
    };
}

// The lookups in the order they are made.
const std::array<Lookup, 30>& lookups() {
    static const std::array<Lookup, 30> table{
        textLookup(IFD_0TH, TAG_IMAGE_DESCRIPTION, &PhotoInfo::imageDescription, textValue),
        makerLookup(),
        textLookup(IFD_0TH, TAG_MODEL, &PhotoInfo::model, textValue),
        textLookup(IFD_0TH, TAG_ARTIST, &PhotoInfo::artist, textValue),
        textLookup(IFD_0TH, TAG_COPYRIGHT, &PhotoInfo::copyright, textValue),
        textLookup(IFD_EXIF, TAG_LENS_MAKE, &PhotoInfo::lensMaker, textValue),
        textLookup(IFD_EXIF, TAG_LENS_MODEL, &PhotoInfo::lensModel, textValue),
        textLookup(IFD_EXIF, TAG_FNUMBER, &PhotoInfo::fNumber, fNumberValue),
        textLookup(IFD_EXIF, TAG_EXPOSURE_TIME, &PhotoInfo::exposureTime, exposureTimeValue),
        sensitivityLookup(),
        textLookup(IFD_EXIF, TAG_EXPOSURE_BIAS_VALUE, &PhotoInfo::exposureBiasValue,
                   exposureBiasValueText),
        textLookup(IFD_EXIF, TAG_EXPOSURE_MODE, &PhotoInfo::exposureMode, exposureModeWord),
        textLookup(IFD_EXIF, TAG_EXPOSURE_PROGRAM, &PhotoInfo::exposureProgram,
                   exposureProgramWord),
        textLookup(IFD_EXIF, TAG_METERING_MODE, &PhotoInfo::meteringMode, meteringModeWord),
        textLookup(IFD_EXIF, TAG_LIGHT_SOURCE, &PhotoInfo::lightSource, lightSourceWord),
        flashLookup(),
        textLookup(IFD_EXIF, TAG_FOCAL_LENGTH, &PhotoInfo::focalLength, focalLengthValue),
        textLookup(IFD_EXIF, TAG_FOCAL_LENGTH_IN_35MM_FORMAT, &PhotoInfo::focalLengthIn35mmFormat,
                   focalLengthIn35mmValue),
        textLookup(IFD_EXIF, TAG_WHITE_BALANCE, &PhotoInfo::whiteBalance, whiteBalanceWord),
        textLookup(IFD_EXIF, TAG_SCENE_CAPTURE_TYPE, &PhotoInfo::sceneCaptureType,
                   sceneCaptureTypeWord),
        textLookup(IFD_EXIF, TAG_GAIN_CONTROL, &PhotoInfo::gainControl, gainControlWord),
        textLookup(IFD_EXIF, TAG_CONTRAST, &PhotoInfo::contrast, contrastWord),
        textLookup(IFD_EXIF, TAG_SATURATION, &PhotoInfo::saturation, saturationWord),
        textLookup(IFD_EXIF, TAG_SHARPNESS, &PhotoInfo::sharpness, sharpnessWord),
        textLookup(IFD_EXIF, TAG_SUBJECT_DISTANCE_RANGE, &PhotoInfo::subjectDistance,
                   subjectDistanceRangeWord),
        textLookup(IFD_EXIF, TAG_DATE_TIME_ORIGINAL, &PhotoInfo::dateTimeOriginal, textValue),
        textLookup(IFD_EXIF, TAG_DATE_TIME_DIGITIZED, &PhotoInfo::dateTimeDigitized, textValue),
        textLookup(IFD_EXIF, TAG_EXIF_VERSION, &PhotoInfo::exifVersion, exifVersionValue),
        textLookup(IFD_EXIF, TAG_PIXEL_X_DIMENSION, &PhotoInfo::pixelXDimension,
                   pixelDimensionValue),
        textLookup(IFD_EXIF, TAG_PIXEL_Y_DIMENSION, &PhotoInfo::pixelYDimension,
                   pixelDimensionValue),
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
        lookup(tables.get(), info_);
    return true;
}
