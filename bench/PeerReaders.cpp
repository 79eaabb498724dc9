#include "bench/PeerReaders.h"

#include "exiflistlib/exiflist.h"

#include <benchmark/benchmark.h>
#include <exiv2/exiv2.hpp>
#include <libexif/exif-data.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

enum class Directory { Zeroth, Exif };

struct AnalysedTag {
    Directory directory;
    std::uint16_t tag;
};

constexpr std::array<AnalysedTag, PeerReaders::analysedTagCount> analysedTags{{
    {Directory::Zeroth, TAG_IMAGE_DESCRIPTION},
    {Directory::Zeroth, TAG_MAKE},
    {Directory::Zeroth, TAG_MODEL},
    {Directory::Zeroth, TAG_ARTIST},
    {Directory::Zeroth, TAG_COPYRIGHT},
    {Directory::Exif, TAG_LENS_MAKE},
    {Directory::Exif, TAG_LENS_MODEL},
    {Directory::Exif, TAG_FNUMBER},
    {Directory::Exif, TAG_EXPOSURE_TIME},
    {Directory::Exif, TAG_PHOTOGRAPHIC_SENSITIVITY},
    {Directory::Exif, TAG_EXPOSURE_BIAS_VALUE},
    {Directory::Exif, TAG_EXPOSURE_MODE},
    {Directory::Exif, TAG_EXPOSURE_PROGRAM},
    {Directory::Exif, TAG_METERING_MODE},
    {Directory::Exif, TAG_LIGHT_SOURCE},
    {Directory::Exif, TAG_FLASH},
    {Directory::Exif, TAG_FOCAL_LENGTH},
    {Directory::Exif, TAG_FOCAL_LENGTH_IN_35MM_FORMAT},
    {Directory::Exif, TAG_WHITE_BALANCE},
    {Directory::Exif, TAG_SCENE_CAPTURE_TYPE},
    {Directory::Exif, TAG_GAIN_CONTROL},
    {Directory::Exif, TAG_CONTRAST},
    {Directory::Exif, TAG_SATURATION},
    {Directory::Exif, TAG_SHARPNESS},
    {Directory::Exif, TAG_SUBJECT_DISTANCE_RANGE},
    {Directory::Exif, TAG_DATE_TIME_ORIGINAL},
    {Directory::Exif, TAG_DATE_TIME_DIGITIZED},
    {Directory::Exif, TAG_EXIF_VERSION},
    {Directory::Exif, TAG_PIXEL_X_DIMENSION},
    {Directory::Exif, TAG_PIXEL_Y_DIMENSION},
}};

const std::vector<Exiv2::ExifKey>& exiv2Keys() {
    static const std::vector<Exiv2::ExifKey> keys = [] {
        std::vector<Exiv2::ExifKey> made;
        for (const AnalysedTag& tag : analysedTags)
            made.emplace_back(tag.tag, tag.directory == Directory::Zeroth ? "Image" : "Photo");
        return made;
    }();
    return keys;
}

// Keeps the texts observable so the conversions cannot be optimised away.
template <typename Text> void consume(const Text& text) {
    benchmark::DoNotOptimize(text);
}

} // namespace

namespace PeerReaders {

int readWithExiv2(const unsigned char* bytes, std::size_t length) {
    int found = 0;
    try {
        auto image = Exiv2::ImageFactory::open(bytes, static_cast<long>(length));
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        for (const Exiv2::ExifKey& key : exiv2Keys()) {
            const auto tag = exif.findKey(key);
            if (tag == exif.end())
                continue;
            consume(tag->print(&exif));
            ++found;
        }
    } catch (const Exiv2::AnyError&) {
        return found;
    }
    return found;
}

int readWithLibexif(const unsigned char* bytes, std::size_t length) {
    ExifData* data = exif_data_new_from_data(bytes, static_cast<unsigned int>(length));
    if (data == nullptr)
        return 0;
    int found = 0;
    char text[256];
    for (const AnalysedTag& tag : analysedTags) {
        ExifContent* content =
            data->ifd[tag.directory == Directory::Zeroth ? EXIF_IFD_0 : EXIF_IFD_EXIF];
        ExifEntry* entry = exif_content_get_entry(content, static_cast<ExifTag>(tag.tag));
        if (entry == nullptr)
            continue;
        consume(exif_entry_get_value(entry, text, sizeof text));
        ++found;
    }
    exif_data_unref(data);
    return found;
}

void silencePeerWarnings() {
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
}

} // namespace PeerReaders
