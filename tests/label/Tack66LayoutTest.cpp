#include "LabelFixtures.h"

#include "label/Tack66Layout.h"
#include "photo/ConstStrings.h"
#include "platform/Picture.h"

#include <gtest/gtest.h>

namespace {

QVariantMap rollInfo() {
    return {{maker, QStringLiteral("NIKON CORPORATION")},
            {model, QStringLiteral("NIKON D70")},
            {lensMaker, QStringLiteral("Nikon")},
            {lensModel, QStringLiteral("AF-S DX 18-70mm")},
            {focalLength, QStringLiteral("50mm")},
            {focalLengthIn35mmFormat, QStringLiteral("(75mm)")},
            {fNumber, QStringLiteral("F/4.5")},
            {exposureTime, QStringLiteral("1/500s")},
            {sensitivity, QStringLiteral("ISO200 ")},
            {exposureBiasValue, QStringLiteral("-0.7EV")},
            {exposureMode, QStringLiteral("Auto")},
            {exposureProgram, QStringLiteral("NormalProgram")},
            {meteringMode, QStringLiteral("Pattern")},
            {whiteBalance, QStringLiteral("AutoWB")},
            {dateTimeOriginal, QStringLiteral("2005:04:10 11:12:13")}};
}

QVariantMap everyItemOn() {
    return itemsOn({maker, model, lensMaker, lensModel, focalLength, focalLengthIn35mmFormat,
                    fNumber, exposureTime, sensitivity, exposureBiasValue, exposureMode,
                    exposureProgram, meteringMode, whiteBalance, dateTimeOriginal, fileName});
}

class Tack66LayoutTest : public ::testing::Test {
protected:
    void show(const QVariantMap& settings, const QVariantMap& info,
              const QSizeF& pictureSize = QSizeF(4000, 3000),
              const QString& path = QStringLiteral("/photos/DSC_0001.JPG")) {
        record = recordWith(info, path, pictureSize);
        roll.setExifSetingDisplay(settings);
        roll.setExifData(record.get());
    }

    Tack66Layout roll;
    std::unique_ptr<Kestavolin> record;
};

TEST_F(Tack66LayoutTest, ThumbnailFitsSixtySevenPointsAndIsNeverEnlarged) {
    show(everyItemOn(), rollInfo(), QSizeF(4000, 3000));
    EXPECT_EQ(roll.printImage()->size(),
              QSizeF(67, 3000 * static_cast<double>(static_cast<float>(67.0 / 4000))));
    EXPECT_NEAR(roll.printImage()->size().height(), 50.25, 1e-4);
    EXPECT_EQ(roll.imageWith(), 67.0f);
    show(everyItemOn(), rollInfo(), QSizeF(3000, 4000));
    EXPECT_NEAR(roll.printImage()->size().width(), 50.25, 1e-4);
    EXPECT_EQ(roll.printImage()->size().height(), 67);
    show(everyItemOn(), rollInfo(), QSizeF(50, 40));
    EXPECT_EQ(roll.printImage()->size(), QSizeF(50, 40));
    show(everyItemOn(), rollInfo(), QSizeF(100, 100));
    EXPECT_EQ(roll.printImage()->size().width(), 67) << "a square is scaled by its width";
    EXPECT_EQ(roll.printImage()->size().height(), 100 * static_cast<double>(0.67f));
}

TEST_F(Tack66LayoutTest, ExposureBlockHasSixRowsElevenPointsApart) {
    show(everyItemOn(), rollInfo());
    EXPECT_EQ(roll.exifData().string(), "50mm(75mm)\rF/4.5 1/500s\rISO200  -0.7EV\r"
                                        "NormalProgram\rPattern\rAutoWB");
    EXPECT_EQ(roll.exifData().rowHeight(), 11);
    EXPECT_EQ(roll.exifInst().string(), "NIKON CORPORATION NIKON D70");
    EXPECT_EQ(roll.exifLens1().string(), "Nikon AF-S DX 18-70mm ");
    EXPECT_EQ(roll.exifLens2().string(), " ");
    EXPECT_EQ(roll.dateTime().string(), "2005:04:10 11:12:13");
    EXPECT_EQ(roll.fileNameStr().string(), "DSC_0001.JPG");
}

TEST_F(Tack66LayoutTest, RowsAreCutToNineteenAndEmptyRowsKeepTheirPlace) {
    QVariantMap info = rollInfo();
    info.insert(focalLength, QStringLiteral("18.0-55.0mm"));
    info.insert(focalLengthIn35mmFormat, QStringLiteral("(27-83mm)"));
    show(itemsOn({focalLength, focalLengthIn35mmFormat, whiteBalance}), info);
    EXPECT_EQ(roll.exifData().rows(),
              QStringList({"18.0-55.0mm(27-83mm", "", "", "", "", "AutoWB"}));
    show(itemsOn({whiteBalance}), info);
    EXPECT_EQ(roll.exifData().string(), "\r\r\r\r\rAutoWB");
}

TEST_F(Tack66LayoutTest, CameraLineIsCutAtThirtyFour) {
    QVariantMap info = rollInfo();
    info.insert(model, QStringLiteral("Model Name Of Twenty Two"));
    show(itemsOn({maker, model}), info);
    EXPECT_EQ(roll.exifInst().string(),
              QString("NIKON CORPORATION Model Name Of Twenty Two").left(34));
}

TEST_F(Tack66LayoutTest, LensTextSplitsAfterThirtyFourAndIsCutAtSixtyEight) {
    show(itemsOn({lensModel}), rollInfo());
    const QString eighty = QString::fromLatin1("0123456789").repeated(8);
    roll.setUserLens(eighty.left(34));
    EXPECT_EQ(roll.exifLens1().string(), eighty.left(34));
    EXPECT_EQ(roll.exifLens2().string(), " ");
    roll.setUserLens(eighty.left(35));
    EXPECT_EQ(roll.exifLens1().string(), eighty.left(34));
    EXPECT_EQ(roll.exifLens2().string(), eighty.mid(34, 1));
    roll.setUserLens(eighty);
    EXPECT_EQ(roll.exifLens1().string(), eighty.left(34));
    EXPECT_EQ(roll.exifLens2().string(), eighty.mid(34, 34));
}

TEST_F(Tack66LayoutTest, FileNameIsCutAtNineteenAndTheDateIsNot) {
    show(everyItemOn(), rollInfo(), QSizeF(4000, 3000),
         QStringLiteral("/photos/IMG_20240101_123456_x.jpg"));
    EXPECT_EQ(roll.fileNameStr().string(), "IMG_20240101_123456");
    QVariantMap info = rollInfo();
    info.insert(dateTimeOriginal, QStringLiteral("2005:04:10 11:12:13 and more text"));
    show(everyItemOn(), info);
    EXPECT_EQ(roll.dateTime().string(), "2005:04:10 11:12:13 and more text");
    QVariantMap settings = everyItemOn();
    settings.remove(dateTimeOriginal);
    show(settings, rollInfo());
    EXPECT_EQ(roll.dateTime().string(), "") << "empty, not a space";
}

TEST_F(Tack66LayoutTest, ChosenLensDropsTheLensMakerAndTheTrailingSpace) {
    show(itemsOn({lensMaker, lensModel}), rollInfo());
    EXPECT_EQ(roll.exifLens1().string(), "Nikon AF-S DX 18-70mm ");
    roll.setUserLens(QStringLiteral("Exif"));
    EXPECT_EQ(roll.exifLens1().string(), "AF-S DX 18-70mm");
    roll.setUserLens(QStringLiteral("Zoom 70-200mm"));
    EXPECT_EQ(roll.exifLens1().string(), "Zoom 70-200mm");
    roll.setUserLens(QStringLiteral("Z"));
    EXPECT_EQ(roll.exifLens1().string(), "");
    EXPECT_EQ(roll.exifLens2().string(), " ");
}

TEST_F(Tack66LayoutTest, MakerSkipIsDecidedAgainForEveryPhotograph) {
    QVariantMap info = rollInfo();
    info.insert(skipMaker, true);
    show(itemsOn({maker, model}), info);
    EXPECT_EQ(roll.exifInst().string(), "NIKON D70");
    info.remove(skipMaker);
    show(itemsOn({maker, model}), info);
    EXPECT_EQ(roll.exifInst().string(), "NIKON CORPORATION NIKON D70");
}

TEST_F(Tack66LayoutTest, PhotographerAndTitleFromThePhotographAreCutAtNineteen) {
    QVariantMap settings = itemsOn({imageDescription});
    settings.insert(QStringLiteral("SignType"), QStringLiteral("artist"));
    QVariantMap info = rollInfo();
    info.insert(artist, QStringLiteral("Somebody With A Long Name"));
    info.insert(imageDescription, QStringLiteral("A description of the view"));
    show(settings, info);
    EXPECT_EQ(roll.authorString().string(), "Somebody With A Lon");
    EXPECT_EQ(roll.titleString().string(), "A description of th");
    roll.setTitle(QStringLiteral("A typed title that is not cut at all"));
    EXPECT_EQ(roll.titleString().string(), "A typed title that is not cut at all");
}

TEST_F(Tack66LayoutTest, ClearAllStrThenAPhotographWithoutSettingsShowsOnlyTheThumbnail) {
    show(everyItemOn(), rollInfo());
    roll.clearAllStr();
    EXPECT_FALSE(roll.printImage());
    EXPECT_FALSE(roll.exifData().fixedRowHeight()) << "the block loses its row height";
    roll.setExifData(record.get());
    EXPECT_TRUE(roll.printImage());
    EXPECT_EQ(roll.exifInst().string(), "");
    EXPECT_EQ(roll.exifLens1().string(), "");
    EXPECT_EQ(roll.exifData().string(), "\r\r\r\r\r");
    EXPECT_EQ(roll.exifData().rowHeight(), 11);
    EXPECT_EQ(roll.titleString().string(), " ");
}

// A photograph analysed without any metadata shows no camera of the one before it.
TEST_F(Tack66LayoutTest, AnAnalysedRecordWithoutEntriesBlanksTheExifTexts) {
    show(everyItemOn(), rollInfo());
    auto empty = recordWith({}, QString(), QSizeF(300, 200));
    roll.setExifData(empty.get());
    EXPECT_TRUE(roll.printImage());
    for (const AttributedText* text : {&roll.exifInst(), &roll.exifLens1(), &roll.exifLens2(),
                                       &roll.exifData(), &roll.dateTime(), &roll.fileNameStr()})
        EXPECT_EQ(text->string(), " ");
}

TEST_F(Tack66LayoutTest, FontChangeKeepsTheBlockRowHeight) {
    show(everyItemOn(), rollInfo());
    roll.setFonts(QStringLiteral("NimbusSansNarrow-Regular"));
    EXPECT_EQ(roll.exifData().rowHeight(), 11);
    EXPECT_EQ(roll.exifData().font().pointSizeF(), 9);
    EXPECT_EQ(roll.titleString().font().pointSizeF(), 14);
}

TEST_F(Tack66LayoutTest, TextsArePlacedAtFixedPoints) {
    const auto placed = roll.placedTexts();
    ASSERT_EQ(placed.size(), 8u);
    EXPECT_EQ(placed[2].field, "exifData");
    EXPECT_EQ(placed[2].lowerLeft, QPointF(80, 69));
    EXPECT_EQ(placed[6].field, "fileNameStr");
    EXPECT_EQ(placed[6].lowerLeft, QPointF(10, 150));
    EXPECT_EQ(roll.labelSize(), QSizeF(170, 170));
}

} // namespace
