#include "FixtureBuilder.h"
#include "TagFixtures.h"

#include "common/PhotoInfoPrinter.h"

#include "photo/AnalysisFailure.h"
#include "photo/PhotoRecord.h"
#include "pictures/Picture.h"
#include "platform/FileData.h"

#include <gtest/gtest.h>

namespace {

using fixture::asciiEntry;
using fixture::byteEntry;
using fixture::rationalEntry;
using fixture::shortEntry;

std::shared_ptr<const FileData> bytes(const QByteArray& data) {
    return FileData::fromByteArray(data);
}

std::shared_ptr<const FileData> bytes(const fixture::TiffBuilder& tiff) {
    const fixture::Bytes built = tiff.build();
    return bytes(QByteArray(reinterpret_cast<const char*>(built.data()), qsizetype(built.size())));
}

class PhotoRecordTest : public testing::Test {};

TEST(AnalysisFailure, EachReaderCodeIsToldByItsRow) {
    struct Row {
        int code;
        const char* title;
        const char* message;
        const char* description;
    };
    const char* psdHeader = "unsupported or damaged Photoshop header";
    const char* noPsdExif = "no Exif resource in the Photoshop file";
    const char* noJpegExif = "no Exif segment before the image data";
    const char* unreadable = "not a JPEG, TIFF or PSD file with readable metadata";
    const Row rows[] = {
        {-1, "ErrorMessage", "FailedOpenMsg", unreadable},
        {-20, "ErrorMessage", "NoExifMsg", noPsdExif},
        {-110, "IfdError", "IfdErrorMessage", "a metadata directory could not be read"},
        {-200, "ErrorMessage", "NotPSDMsg", psdHeader},
        {-212, "ErrorMessage", "FailPSDMsg", psdHeader},
        {-231, "ErrorMessage", "FailPSDMsg", noPsdExif},
        {-300, "ErrorMessage", "NotJpegMsg", "a JPEG segment reaches past the end of the file"},
        {-302, "ErrorMessage", "FailJpegMsg", noJpegExif},
        // A code the reader does not return is told as unreadable metadata.
        {-5000, "ErrorMessage", "FailTiffMsg", unreadable},
    };
    for (const Row& row : rows) {
        const AnalysisFailure failure = analysisFailure(row.code);
        EXPECT_STREQ(failure.alertTitleKey, row.title) << row.code;
        EXPECT_STREQ(failure.alertMessageKey, row.message) << row.code;
        EXPECT_STREQ(failure.description, row.description) << row.code;
    }
}

// Fewer than eight bytes give no record; eight that are no photograph give a record
// holding the failure.
TEST_F(PhotoRecordTest, DataThatIsNoPhotographGivesNoRecordOrItsFailure) {
    using Make = std::unique_ptr<PhotoRecord> (*)(const std::shared_ptr<const FileData>&);
    const Make withPicture = [](const std::shared_ptr<const FileData>& data) {
        return PhotoRecord::initWithData(data);
    };
    for (const Make make : {withPicture, Make(&PhotoRecord::initWithMetadata)}) {
        EXPECT_EQ(make(nullptr), nullptr);
        EXPECT_EQ(make(bytes("1234567")), nullptr);
        const auto record = make(bytes("12345678"));
        ASSERT_NE(record, nullptr);
        EXPECT_FALSE(record->haveExif());
        EXPECT_EQ(record->photoImage(), nullptr);
        ASSERT_TRUE(record->failure());
        EXPECT_EQ(record->failure()->code, -1);
    }
    PhotoRecord fresh;
    EXPECT_FALSE(fresh.dataAnalysisWithData(*bytes("I")));
    EXPECT_FALSE(fresh.haveExif());
}

TEST_F(PhotoRecordTest, AnExifPointerOutsideTheFileIsAnIfdError) {
    fixture::TiffBuilder tiff;
    tiff.zeroth = {asciiEntry(TAG_MODEL, "Model")};
    tiff.exifPointer = 100000;
    const auto record = PhotoRecord::initWithData(bytes(tiff));
    ASSERT_NE(record, nullptr);
    EXPECT_FALSE(record->haveExif());
    EXPECT_TRUE(record->info().isEmpty());
    ASSERT_TRUE(record->failure());
    EXPECT_EQ(record->failure()->code, -110);
}

// One row for each kind of entry (the sample corpus checks the mapping of the others).
TEST_F(PhotoRecordTest, EveryRowFillsItsItem) {
    const auto shortOf = [](std::uint16_t tag, std::uint32_t value) {
        return shortEntry(tag, TIFF_TYPE_SHORT, {value});
    };
    const auto rationalOf = [](std::uint16_t tag, std::int32_t numerator,
                               std::int32_t denominator) {
        return rationalEntry(tag, TIFF_TYPE_SRATIONAL,
                             {std::uint32_t(numerator), std::uint32_t(denominator)});
    };
    struct Row {
        fixture::Entry entry;
        std::optional<QString> PhotoInfo::*item;
        QString value;
    };
    const Row zeroth[] = {
        {asciiEntry(TAG_IMAGE_DESCRIPTION, "Harbour"), &PhotoInfo::imageDescription, "Harbour"},
        {asciiEntry(TAG_MAKE, "NIKON CORPORATION"), &PhotoInfo::maker, "Nikon"},
    };
    const Row exif[] = {
        {asciiEntry(TAG_LENS_MODEL, "50mm f/1.8"), &PhotoInfo::lensModel, "50mm f/1.8"},
        {rationalOf(TAG_FNUMBER, 28, 10), &PhotoInfo::fNumber, "F/2.8"},
        {shortOf(TAG_PHOTOGRAPHIC_SENSITIVITY, 200), &PhotoInfo::sensitivity, "ISO200 "},
        {shortOf(TAG_EXPOSURE_MODE, 2), &PhotoInfo::exposureMode, "AutoBracket"},
        {shortOf(TAG_LIGHT_SOURCE, 21), &PhotoInfo::lightSource, "D65"},
        {shortOf(TAG_FOCAL_LENGTH_IN_35MM_FORMAT, 75), &PhotoInfo::focalLengthIn35mmFormat,
         "( 75 mm) "},
        {asciiEntry(TAG_DATE_TIME_ORIGINAL, "2008:05:30 15:56:01"), &PhotoInfo::dateTimeOriginal,
         "2008:05:30 15:56:01"},
        {byteEntry(TAG_EXIF_VERSION, TIFF_TYPE_UNDEFINED, {'0', '2', '2', '1'}),
         &PhotoInfo::exifVersion, "48505049"},
        {shortOf(TAG_PIXEL_X_DIMENSION, 4000), &PhotoInfo::pixelXDimension, "4000"},
    };
    fixture::TiffBuilder tiff;
    tiff.exif.emplace();
    // The maker table's skip flag, and the flash code as the number.
    PhotoInfo expected{.skipMaker = true, .flash = 16};
    tiff.exif->push_back(shortOf(TAG_FLASH, 16));
    for (const Row& row : zeroth) {
        tiff.zeroth.push_back(row.entry);
        expected.*row.item = row.value;
    }
    for (const Row& row : exif) {
        tiff.exif->push_back(row.entry);
        expected.*row.item = row.value;
    }
    const auto record = PhotoRecord::initWithData(bytes(tiff));
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(record->haveExif());
    EXPECT_EQ(record->info(), expected);
}

TEST_F(PhotoRecordTest, ZerothDirectoryAloneIsASuccess) {
    fixture::TiffBuilder tiff;
    tiff.zeroth = {asciiEntry(TAG_MODEL, "X100"), asciiEntry(TAG_ARTIST, "Jos\xe9"),
                   byteEntry(TAG_COPYRIGHT, TIFF_TYPE_ASCII, {})};
    const auto record = PhotoRecord::initWithData(bytes(tiff));
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(record->haveExif());
    // Invalid UTF-8 and an empty value leave their keys out.
    EXPECT_EQ(record->info(), PhotoInfo{.model = "X100"});
}

TEST_F(PhotoRecordTest, ReanalysisKeepsEarlierEntries) {
    fixture::TiffBuilder first;
    first.zeroth = {asciiEntry(TAG_MODEL, "First"), asciiEntry(TAG_ARTIST, "Someone")};
    const auto record = PhotoRecord::initWithData(bytes(first));
    ASSERT_NE(record, nullptr);
    fixture::TiffBuilder second;
    second.zeroth = {asciiEntry(TAG_MODEL, "Second")};
    record->setPhotoData(*bytes(second));
    EXPECT_TRUE(record->haveExif());
    const PhotoInfo kept{.model = "Second", .artist = "Someone"};
    EXPECT_EQ(record->info(), kept);

    record->setPhotoData(*bytes("not a photograph"));
    EXPECT_FALSE(record->haveExif());
    EXPECT_EQ(record->info(), kept);
    EXPECT_TRUE(record->failure());

    // Data too short to analyse leaves no failure of an earlier analysis behind.
    record->setPhotoData(*bytes("short"));
    EXPECT_FALSE(record->haveExif());
    EXPECT_EQ(record->info(), kept);
    EXPECT_FALSE(record->failure());
}

TEST_F(PhotoRecordTest, PictureIsDecodedUnlessTheAnalysisSkipsIt) {
    const auto photograph =
        FileData::initWithContentsOfFile(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg"));
    ASSERT_NE(photograph, nullptr);
    const auto withPicture = PhotoRecord::initWithData(photograph);
    ASSERT_NE(withPicture, nullptr);
    ASSERT_TRUE(withPicture->haveExif());
    ASSERT_NE(withPicture->photoImage(), nullptr);
    EXPECT_EQ(withPicture->photoImage()->size(), QSizeF(100, 68));
    EXPECT_EQ(withPicture->info().fNumber, "F/7.1");

    const auto expectMetadataOnly = [&](const std::unique_ptr<PhotoRecord>& record) {
        ASSERT_NE(record, nullptr);
        EXPECT_TRUE(record->haveExif());
        EXPECT_EQ(record->photoImage(), nullptr);
        EXPECT_EQ(record->info(), withPicture->info());
    };
    expectMetadataOnly(PhotoRecord::initWithData(photograph, {.decodePicture = false}));
    expectMetadataOnly(PhotoRecord::initWithMetadata(photograph));
}

} // namespace
