// Writes the reader's test fixtures as files, to seed the reader's fuzz target:
//     write_reader_seeds <directory>

#include "FixtureBuilder.h"

#include "exiflistlib/exiflist.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using namespace fixture;

namespace {

Bytes photographTiff(Order order) {
    TiffBuilder builder;
    builder.order = order;
    builder.zeroth = {asciiEntry(TAG_MAKE, "Maker"), asciiEntry(TAG_MODEL, "Model 1"),
                      asciiEntry(TAG_DATE_TIME, "2024:01:02 03:04:05")};
    builder.exif = std::vector<Entry>{
        rationalEntry(TAG_EXPOSURE_TIME, TIFF_TYPE_RATIONAL, {1, 250}),
        rationalEntry(TAG_FNUMBER, TIFF_TYPE_RATIONAL, {28, 10}),
        shortEntry(TAG_PHOTOGRAPHIC_SENSITIVITY, TIFF_TYPE_SHORT, {400}),
        byteEntry(TAG_EXIF_VERSION, TIFF_TYPE_UNDEFINED, {'0', '2', '3', '1'}),
        rationalEntry(TAG_EXPOSURE_BIAS_VALUE, TIFF_TYPE_SRATIONAL, {0xFFFFFFFF, 3}),
        shortEntry(TAG_FLASH, TIFF_TYPE_SHORT, {16}),
        rationalEntry(TAG_LENS_SPECIFICATION, TIFF_TYPE_RATIONAL, {24, 1, 70, 1, 28, 10, 28, 10}),
        asciiEntry(TAG_LENS_MODEL, "Zoom 24-70mm")};
    builder.gps =
        std::vector<Entry>{byteEntry(0, TIFF_TYPE_BYTE, {2, 3, 0, 0}), asciiEntry(1, "N")};
    builder.nextIfdOffset = 8;
    return builder.build();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const Bytes little = photographTiff(Order::little);
    const Bytes big = photographTiff(Order::big);
    PsdHeader indexed;
    indexed.colorMode = 2;
    const std::vector<std::pair<std::string, Bytes>> seeds = {
        {"tiff-little-endian.tif", little},
        {"tiff-big-endian.tif", big},
        {"jpeg-app0-xmp-exif.jpg",
         jpegWithExif(little, {segment(0xFFE0, Bytes(14, 'J')),
                               segment(0xFFE1, Bytes{'h', 't', 't', 'p', ':', '/', '/'})})},
        {"jpeg-no-exif.jpg", jpeg({segment(0xFFE0, Bytes(14, 'J')), {0xFF, 0xD9}})},
        {"psd-exif.psd", psdWithExif(big)},
        {"psd-indexed-named-resources.psd",
         psd(indexed, Bytes(768, 1),
             {psdResource(1036, "thumb", Bytes(9, 2)), psdResource(1059, "exif", little)})},
    };
    for (const auto& [name, bytes] : seeds) {
        std::ofstream out(std::string(argv[1]) + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", name.c_str());
            return 1;
        }
    }
    return 0;
}
