#include "ReaderHelpers.h"
#include "common/SampleFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

using namespace fixture;

namespace {

namespace fs = std::filesystem;

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string textOf(const ExifTagNode* node) {
    const auto* bytes = reinterpret_cast<const char*>(node->byteData);
    return std::string(bytes, strnlen(bytes, node->count));
}

TEST(SampleFiles, BundledPhotographReadsAsItsCameraWroteIt) {
    int result = 0;
    TableArray tables =
        readTables(readFile(fs::path(KESTAVOLIN_TEST_DATA_DIR) / "Canon_40D.jpg"), result);
    ASSERT_EQ(result, 3);
    NodeCopy make(getTagInfo(tables.get(), IFD_0TH, TAG_MAKE));
    NodeCopy model(getTagInfo(tables.get(), IFD_0TH, TAG_MODEL));
    NodeCopy fNumber(getTagInfo(tables.get(), IFD_EXIF, TAG_FNUMBER));
    NodeCopy exposure(getTagInfo(tables.get(), IFD_EXIF, TAG_EXPOSURE_TIME));
    NodeCopy iso(getTagInfo(tables.get(), IFD_EXIF, TAG_PHOTOGRAPHIC_SENSITIVITY));
    ASSERT_TRUE(make && model && fNumber && exposure && iso);
    EXPECT_EQ(textOf(make.get()), "Canon");
    EXPECT_EQ(textOf(model.get()), "Canon EOS 40D");
    EXPECT_EQ(std::vector<uint32_t>(fNumber->numData, fNumber->numData + 2),
              (std::vector<uint32_t>{71, 10}));
    EXPECT_EQ(std::vector<uint32_t>(exposure->numData, exposure->numData + 2),
              (std::vector<uint32_t>{1, 160}));
    EXPECT_EQ(iso->numData[0], 100u);
    EXPECT_EQ(tables[2]->firstNode, nullptr);
}

// Every sample photograph goes through detection, table building, tag copies and the
// dump without a crash, and every result is one the reader documents.
TEST(SampleFiles, CorpusGivesOnlyDocumentedResults) {
    const fs::path samples = sampleFolder();
    if (samples.empty())
        GTEST_SKIP() << "no sample photographs";
    const std::set<int> detectionCodes = {EXIFLIST_SUCCESS,
                                          EXIFLIST_ERROR_FORMAT,
                                          EXIFLIST_ERROR_PSD_NO_RESOURCES,
                                          EXIFLIST_ERROR_PSD_HEADER,
                                          EXIFLIST_ERROR_PSD_CHANNELS,
                                          EXIFLIST_ERROR_PSD_HEIGHT,
                                          EXIFLIST_ERROR_PSD_DEPTH,
                                          EXIFLIST_ERROR_PSD_COLOR_MODE,
                                          EXIFLIST_ERROR_PSD_COLOR_DATA,
                                          EXIFLIST_ERROR_PSD_NO_EXIF,
                                          EXIFLIST_ERROR_JPEG_SEGMENT_LENGTH,
                                          EXIFLIST_ERROR_JPEG_EXIF_NOT_FIRST,
                                          EXIFLIST_ERROR_JPEG_NO_EXIF};
    std::FILE* sink = std::fopen("/dev/null", "w");
    ASSERT_NE(sink, nullptr);
    int files = 0;
    int withTables = 0;
    for (const auto& entry : fs::recursive_directory_iterator(samples)) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        const Bytes data = readFile(entry.path());
        FileStrm strm;
        const int detection = detect(data, strm);
        EXPECT_TRUE(detectionCodes.count(detection)) << entry.path() << ": " << detection;
        if (detection != EXIFLIST_SUCCESS)
            continue;
        int result = 0;
        TableArray tables(generateUsefulIfdTableArray(&strm, &result));
        EXPECT_TRUE((result >= 1 && result <= 3) || result == EXIFLIST_ERROR_IFD)
            << entry.path() << ": " << result;
        if (tables == nullptr) {
            EXPECT_EQ(result, EXIFLIST_ERROR_IFD) << entry.path();
            continue;
        }
        ++withTables;
        for (int type : {IFD_0TH, IFD_EXIF, IFD_GPS})
            for (uint16_t tag : {TAG_MAKE, TAG_MODEL, TAG_FNUMBER, TAG_EXPOSURE_TIME})
                NodeCopy(getTagInfo(tables.get(), type, tag));
        dumpIfdTableArrayToFile(sink, tables.get(), EXIFLIST_DUMP_DETAILED);
    }
    std::fclose(sink);
    EXPECT_GT(files, 0);
    EXPECT_GT(withTables, 0);
}

} // namespace
