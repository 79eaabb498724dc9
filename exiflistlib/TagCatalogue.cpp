#include "exiflistlib/exiflist.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

// Names of the tags by directory: one catalogue for the TIFF, 1st and Exif
// directories, one for GPS and one for Interoperability.
namespace {

struct TagName {
    uint16_t tag;
    const char* name;
};

constexpr char unknownTagName[] = "(unknown)";

// Sorted by tag number.
constexpr std::array<TagName, 174> tiffAndExifTags = {{
    {254, "NewSubfileType"},
    {256, "ImageWidth"},
    {257, "ImageLength"},
    {258, "BitsPerSample"},
    {259, "Compression"},
    {262, "PhotometricInterpretation"},
    {263, "Threshholding"},
    {264, "CellWidth"},
    {265, "CellLength"},
    {266, "FillOrder"},
    {269, "DocumentName"},
    {270, "ImageDescription"},
    {271, "Make"},
    {272, "Model"},
    {273, "StripOffsets"},
    {274, "Orientation"},
    {277, "SamplesPerPixel"},
    {278, "RowsPerStrip"},
    {279, "StripByteCounts"},
    {280, "MinSampleValue"},
    {281, "MaxSampleValue"},
    {282, "XResolution"},
    {283, "YResolution"},
    {284, "PlanarConfiguration"},
    {285, "PageName"},
    {286, "XPosition"},
    {287, "YPosition"},
    {288, "FreeOffsets"},
    {289, "FreeByteCounts"},
    {290, "GrayResponseUnit"},
    {291, "GrayResponseCurve"},
    {292, "T4Options"},
    {293, "T6Options"},
    {296, "ResolutionUnit"},
    {297, "PageNumber"},
    {301, "TransferFunction"},
    {305, "Software"},
    {306, "DateTime"},
    {315, "Artist"},
    {316, "HostComputer"},
    {318, "WhitePoint"},
    {319, "PrimaryChromaticities"},
    {320, "ColorMap"},
    {321, "HalftoneHints"},
    {322, "TileWidth"},
    {323, "TileLength"},
    {324, "TileOffsets"},
    {325, "TileByteCounts"},
    {326, "BadFaxLines"},
    {327, "CleanFaxData"},
    {328, "ConsecutiveBadFaxLines"},
    {330, "SubIFDs"},
    {332, "InkSet"},
    {333, "InkNames"},
    {334, "NumberOfInks"},
    {336, "DotRange"},
    {337, "TargetPrinter"},
    {338, "ExtraSamples"},
    {339, "SampleFormat"},
    {340, "SMinSampleValue"},
    {341, "SMaxSampleValue"},
    {342, "TransferRange"},
    {343, "ClipPath"},
    {344, "XClipPathUnits"},
    {345, "YClipPathUnits"},
    {346, "Indexed"},
    {347, "JPEGTables"},
    {351, "OPIProxy"},
    {400, "GlobalParametersIFD"},
    {401, "ProfileType"},
    {402, "FaxProfile"},
    {403, "CodingMethods"},
    {404, "CodingMethods"},
    {405, "ModeNumber"},
    {433, "Decode"},
    {434, "DefaultImageColor"},
    {512, "JPEGProc"},
    {513, "JPEGInterchangeFormat"},
    {514, "JPEGInterchangeFormatLength"},
    {515, "JPEGRestartInterval"},
    {517, "JPEGLosslessPredictors"},
    {518, "JPEGPointTransforms"},
    {519, "JPEGQTables"},
    {520, "JPEGDCTables"},
    {529, "YCbCrCoefficients"},
    {530, "YCbCrSubSampling"},
    {531, "YCbCrPositioning"},
    {532, "ReferenceBlackWhite"},
    {559, "StripRowCounts"},
    {700, "XMLPacket"},
    {18246, "Rating"},
    {32781, "ImageID"},
    {33432, "Copyright"},
    {33434, "ExposureTime"},
    {33437, "FNumber"},
    {33723, "IPTC"},
    {34377, "Photoshop"},
    {34665, "ExifIFDPointer"},
    {34675, "IccProfile"},
    {34732, "ImageLayer"},
    {34735, "GeoKeyDirectoryTag"},
    {34736, "GeoDoubleParamsTag"},
    {34737, "GeoAsciiParamsTag"},
    {34850, "ExposureProgram"},
    {34852, "SpectralSensitivity"},
    {34853, "GPSInfoIFDPointer"},
    {34855, "PhotographicSensitivity"},
    {34856, "OECF"},
    {34864, "SensitivityType"},
    {34865, "StandardOutputSensitivity"},
    {34866, "RecommendedExposureIndex"},
    {34867, "ISOSpeed"},
    {34868, "ISOSpeedLatitudeyyy"},
    {34869, "ISOSpeedLatitudezzz"},
    {36864, "ExifVersion"},
    {36867, "DateTimeOriginal"},
    {36868, "DateTimeDigitized"},
    {37121, "ComponentsConfiguration"},
    {37122, "CompressedBitsPerPixel"},
    {37377, "ShutterSpeedValue"},
    {37378, "ApertureValue"},
    {37379, "BrightnessValue"},
    {37380, "ExposureBiasValue"},
    {37381, "MaxApertureValue"},
    {37382, "SubjectDistance"},
    {37383, "MeteringMode"},
    {37384, "LightSource"},
    {37385, "Flash"},
    {37386, "FocalLength"},
    {37396, "SubjectArea"},
    {37500, "MakerNote"},
    {37510, "UserComment"},
    {37520, "SubSecTime"},
    {37521, "SubSecTimeOriginal"},
    {37522, "SubSecTimeDigitized"},
    {37724, "ImageSourceData"},
    {40960, "FlashPixVersion"},
    {40961, "ColorSpace"},
    {40962, "PixelXDimension"},
    {40963, "PixelYDimension"},
    {40964, "RelatedSoundFile"},
    {40965, "InteroperabilityIFDPointer"},
    {41483, "FlashEnergy"},
    {41484, "SpatialFrequencyResponse"},
    {41486, "FocalPlaneXResolution"},
    {41487, "FocalPlaneYResolution"},
    {41488, "FocalPlaneResolutionUnit"},
    {41492, "SubjectLocation"},
    {41493, "ExposureIndex"},
    {41495, "SensingMethod"},
    {41728, "FileSource"},
    {41729, "SceneType"},
    {41730, "CFAPattern"},
    {41985, "CustomRendered"},
    {41986, "ExposureMode"},
    {41987, "WhiteBalance"},
    {41988, "DigitalZoomRatio"},
    {41989, "FocalLengthIn35mmFormat"},
    {41990, "SceneCaptureType"},
    {41991, "GainControl"},
    {41992, "Contrast"},
    {41993, "Saturation"},
    {41994, "Sharpness"},
    {41995, "DeviceSettingDescription"},
    {41996, "SubjectDistanceRange"},
    {42016, "ImageUniqueID"},
    {42032, "CameraOwnerName"},
    {42033, "BodySerialNumber"},
    {42034, "LensSpecification"},
    {42035, "LensMake"},
    {42036, "LensModel"},
    {42037, "LensSerialNumber"},
    {42240, "Gamma"},
    {50341, "PrintImVersion"},
}};

constexpr std::array<TagName, 32> gpsTags = {{
    {0, "GPSVersionID"},        {1, "GPSLatitudeRef"},
    {2, "GPSLatitude"},         {3, "GPSLongitudeRef"},
    {4, "GPSLongitude"},        {5, "GPSAltitudeRef"},
    {6, "GPSAltitude"},         {7, "GPSTimeStamp"},
    {8, "GPSSatellites"},       {9, "GPSStatus"},
    {10, "GPSMeasureMode"},     {11, "GPSDOP"},
    {12, "GPSSpeedRef"},        {13, "GPSSpeed"},
    {14, "GPSTrackRef"},        {15, "GPSTrack"},
    {16, "GPSImgDirectionRef"}, {17, "GPSImgDirection"},
    {18, "GPSMapDatum"},        {19, "GPSDestLatitudeRef"},
    {20, "GPSDestLatitude"},    {21, "GPSDestLongitudeRef"},
    {22, "GPSDestLongitude"},   {23, "GPSBearingRef"},
    {24, "GPSBearing"},         {25, "GPSDestDistanceRef"},
    {26, "GPSDestDistance"},    {27, "GPSProcessingMethod"},
    {28, "GPSAreaInformation"}, {29, "GPSDateStamp"},
    {30, "GPSDifferential"},    {31, "GPSHPositioningError"},
}};

constexpr std::array<TagName, 2> interoperabilityTags = {{
    {1, "InteroperabilityIndex"},
    {2, "InteroperabilityVersion"},
}};

constexpr bool byTag(const TagName& a, const TagName& b) {
    return a.tag < b.tag;
}
static_assert(std::is_sorted(tiffAndExifTags.begin(), tiffAndExifTags.end(), byTag));
static_assert(std::is_sorted(gpsTags.begin(), gpsTags.end(), byTag));

template <size_t N> constexpr bool namesFit(const std::array<TagName, N>& catalogue) {
    return std::all_of(catalogue.begin(), catalogue.end(), [](const TagName& entry) {
        return std::char_traits<char>::length(entry.name) < EXIFLIST_TAG_NAME_SIZE;
    });
}
static_assert(namesFit(tiffAndExifTags) && namesFit(gpsTags) && namesFit(interoperabilityTags));

std::span<const TagName> catalogueFor(int ifdType) {
    switch (ifdType) {
    case IFD_0TH:
    case IFD_1ST:
    case IFD_EXIF:
        return tiffAndExifTags;
    case IFD_GPS:
        return gpsTags;
    case IFD_INTEROPERABILITY:
        return interoperabilityTags;
    default:
        return {};
    }
}

} // namespace

const char* getTagName(int ifdType, uint16_t tag) {
    const std::span<const TagName> catalogue = catalogueFor(ifdType);
    const auto found =
        std::lower_bound(catalogue.begin(), catalogue.end(), TagName{tag, nullptr}, byTag);
    return found != catalogue.end() && found->tag == tag ? found->name : unknownTagName;
}
