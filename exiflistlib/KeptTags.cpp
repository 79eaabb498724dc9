#include "exiflistlib/KeptTags.h"

#include "exiflistlib/exiflist.h"

#include <algorithm>
#include <array>

namespace exiflist {
namespace {

// Sorted by tag number.
constexpr std::array<uint16_t, 40> keptTags = {
    TAG_IMAGE_DESCRIPTION,
    TAG_MAKE,
    TAG_MODEL,
    TAG_SOFTWARE,
    TAG_DATE_TIME,
    TAG_ARTIST,
    TAG_COPYRIGHT,
    TAG_EXPOSURE_TIME,
    TAG_FNUMBER,
    TAG_EXIF_IFD_POINTER,
    TAG_EXPOSURE_PROGRAM,
    TAG_GPS_INFO_IFD_POINTER,
    TAG_PHOTOGRAPHIC_SENSITIVITY,
    TAG_SENSITIVITY_TYPE,
    TAG_ISO_SPEED,
    TAG_EXIF_VERSION,
    TAG_DATE_TIME_ORIGINAL,
    TAG_DATE_TIME_DIGITIZED,
    TAG_EXPOSURE_BIAS_VALUE,
    TAG_METERING_MODE,
    TAG_LIGHT_SOURCE,
    TAG_FLASH,
    TAG_FOCAL_LENGTH,
    TAG_PIXEL_X_DIMENSION,
    TAG_PIXEL_Y_DIMENSION,
    TAG_EXPOSURE_MODE,
    TAG_WHITE_BALANCE,
    TAG_FOCAL_LENGTH_IN_35MM_FORMAT,
    TAG_SCENE_CAPTURE_TYPE,
    TAG_GAIN_CONTROL,
    TAG_CONTRAST,
    TAG_SATURATION,
    TAG_SHARPNESS,
    TAG_SUBJECT_DISTANCE_RANGE,
    TAG_CAMERA_OWNER_NAME,
    TAG_BODY_SERIAL_NUMBER,
    TAG_LENS_SPECIFICATION,
    TAG_LENS_MAKE,
    TAG_LENS_MODEL,
    TAG_LENS_SERIAL_NUMBER,
};
static_assert(std::is_sorted(keptTags.begin(), keptTags.end()));

} // namespace

bool isKeptTag(uint16_t tag) {
    return std::binary_search(keptTags.begin(), keptTags.end(), tag);
}

} // namespace exiflist
