#include "LabelFixtures.h"

#include "label/RollLayout.h"
#include "label/TapeLayout.h"
#include "photo/DefaultExifItems.h"
#include "photo/LabelMedia.h"
#include "pictures/Picture.h"
#include "platform/FileData.h"
#include "platform/FontCatalogue.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString photoPath = QStringLiteral("/photos/IMG_0001.JPG");
const QString narrowFont = QStringLiteral("NimbusSansNarrow-Regular");

using Item = PhotoInfo::Item;

// A full set of items, changed as asked.
PhotoInfo infoWith(const std::function<void(PhotoInfo&)>& change = nullptr) {
    PhotoInfo info = cameraInfo();
    if (change)
        change(info);
    return info;
}

PhotoInfo makerSkipped() {
    return infoWith([](PhotoInfo& info) { info.skipMaker = true; });
}

QVariantMap withSignType(QVariantMap settings, const QString& signType) {
    settings.insert(QStringLiteral("SignType"), signType);
    return settings;
}

// The texts taken from the photograph, in drawing order: on the tape the Exif lines
// from the bottom up; on the roll the exposure block, camera, both lens lines, file
// name and date.
QStringList exifTexts(const LabelLayout& layout) {
    QStringList texts;
    for (const PlacedText& placed : layout.placedTexts())
        if (!placed.field.startsWith(QStringLiteral("title")) &&
            !placed.field.startsWith(QStringLiteral("author")) &&
            !placed.field.startsWith(QStringLiteral("index")))
            texts << placed.text.string();
    return texts;
}

class LabelLayoutTest : public ::testing::Test {
protected:
    void show(LabelLayout& layout, const QVariantMap& settings, const PhotoInfo& info,
              const QString& path = photoPath, const QSizeF& pictureSize = QSizeF(3000, 2000)) {
        record = recordWith(info, path, pictureSize);
        layout.setDisplaySettings(settings);
        layout.setExifData(record.get());
    }

    TapeLayout tape;
    RollLayout roll;
    std::unique_ptr<PhotoRecord> record;
};

// The behaviours of the common base, on each medium.
class BothMediaTest : public LabelLayoutTest, public ::testing::WithParamInterface<QString> {
protected:
    bool onTape() const { return GetParam() == LabelMedia::tape18Name; }
    LabelLayout& layout() { return onTape() ? static_cast<LabelLayout&>(tape) : roll; }
    LabelLayout& otherLayout() { return onTape() ? static_cast<LabelLayout&>(roll) : tape; }
};

TEST_P(BothMediaTest, OnlyAnAnalysedPhotographChangesTheLabel) {
    show(layout(), everyItemOn(), infoWith());
    const QJsonObject before = layoutDescription(layout());
    layout().setExifData(nullptr);
    PhotoRecord unanalysed;
    layout().setExifData(&unanalysed);
    layout().setDisplaySettings({});
    EXPECT_EQ(layoutDescription(layout()), before) << "settings wait for the next photograph";
    layout().setExifData(record.get());
    EXPECT_NE(layoutDescription(layout()), before);
}

TEST_P(BothMediaTest, PhotographReplacesTitleAndPhotographerOnlyWhenAsked) {
    const PhotoInfo info = infoWith([](PhotoInfo& changed) {
        changed.imageDescription = "Harbour";
        changed.artist = "An Artist";
        changed.copyright = "(c) Someone";
    });
    layout().setTitle(QStringLiteral("Typed title"));
    layout().setPhotographer(QStringLiteral("Typed Name"));
    show(layout(), withSignType(itemsOn({Item::Maker}), QStringLiteral("nobody")), info);
    EXPECT_EQ(layout().titleText().string(), "Typed title");
    EXPECT_EQ(layout().photographerText().string(), "Typed Name");
    show(layout(), withSignType(itemsOn({Item::ImageDescription}), QStringLiteral("copyright")),
         info);
    EXPECT_EQ(layout().titleText().string(), "Harbour");
    EXPECT_EQ(layout().photographerText().string(), "(c) Someone");
    show(layout(), withSignType({}, QStringLiteral("artist")), info);
    EXPECT_EQ(layout().photographerText().string(), "An Artist");
    show(layout(), withSignType(itemsOn({Item::ImageDescription}), QStringLiteral("artist")),
         infoWith([](PhotoInfo& info) { info.artist.reset(); }));
    EXPECT_EQ(layout().titleText().string(), " ") << "absent entries leave a space";
    EXPECT_EQ(layout().photographerText().string(), " ");
}

TEST_P(BothMediaTest, LensNamesOutsideOneToTwoHundredFiftyFiveAreIgnored) {
    show(layout(), itemsOn({Item::LensModel}), infoWith());
    layout().setUserLens(QStringLiteral("Tele 300"));
    const QStringList shown = exifTexts(layout());
    EXPECT_TRUE(shown.join(QString()).contains(QStringLiteral("Tele 300")));
    layout().setUserLens(QString());
    layout().setUserLens(QString(256, QLatin1Char('L')));
    EXPECT_EQ(exifTexts(layout()), shown);
    for (const QString& name : {QStringLiteral("EXIF"), QStringLiteral("eXiF")}) {
        layout().setUserLens(name);
        EXPECT_TRUE(layout().exifLens());
        EXPECT_TRUE(exifTexts(layout()).join(QString()).contains(QStringLiteral("EF-S 17-85mm")));
    }
}

TEST_P(BothMediaTest, NewFontReachesEveryTextAtItsOwnSizeAndRowHeight) {
    show(layout(), everyItemOn(), infoWith());
    const auto before = layout().placedTexts();
    layout().setFonts(narrowFont);
    const auto after = layout().placedTexts();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        const qreal size = before[i].text.font().pointSizeF();
        EXPECT_EQ(after[i].text.string(), before[i].text.string());
        EXPECT_EQ(after[i].text.font(), FontCatalogue::fontWithName(narrowFont, size));
        EXPECT_EQ(after[i].text.fixedRowHeight(), before[i].text.fixedRowHeight());
    }
    EXPECT_EQ(layout().titleText().font().pointSizeF(), 14);
    EXPECT_EQ(layout().photographerText().font().pointSizeF(), 12);
}

// Clearing forgets thumbnail, settings and texts; a photograph analysed without any
// metadata (a TIFF without an Exif directory) shows no camera of the photograph
// before it, not even under a lens chosen afterwards.
TEST_P(BothMediaTest, ClearingOrAnAnalysedRecordWithoutEntriesBlanksTheTexts) {
    show(layout(), everyItemOn(), infoWith());
    layout().setTitle(QStringLiteral("A title"));
    layout().clear();
    EXPECT_FALSE(layout().thumbnail());
    EXPECT_TRUE(layout().thumbnailSize().isEmpty());
    EXPECT_EQ(layout().titleText().string(), " ");
    EXPECT_EQ(layout().photographerText().string(), " ");
    for (const PlacedText& placed : layout().placedTexts()) {
        if (!placed.field.startsWith(QStringLiteral("index"))) {
            EXPECT_EQ(placed.text.string(), " ");
        }
        EXPECT_FALSE(placed.text.fixedRowHeight()) << "the roll's block loses its row height";
    }
    // The next photograph shows its thumbnail and, with every item off, no Exif text.
    layout().setExifData(record.get());
    EXPECT_TRUE(layout().thumbnail());
    EXPECT_EQ(exifTexts(layout()), onTape() ? QStringList({"", "", "", ""})
                                            : QStringList({"\r\r\r\r\r", "", "", " ", "", ""}));

    show(layout(), everyItemOn(), infoWith());
    show(layout(), everyItemOn(), {}, QString(), QSizeF(300, 200));
    EXPECT_TRUE(layout().thumbnail());
    EXPECT_EQ(exifTexts(layout()), QStringList(onTape() ? 4 : 6, QStringLiteral(" ")));
    layout().setUserLens(QStringLiteral("Zoom"));
    EXPECT_FALSE(exifTexts(layout()).join(QString()).contains(QStringLiteral("Canon")));
}

// Both media may hold the same picture; neither changes the thumbnail of the other.
TEST_P(BothMediaTest, ThumbnailDoesNotDependOnTheOtherMedium) {
    show(layout(), everyItemOn(), infoWith());
    const QSizeF alone = layout().thumbnailSize();
    otherLayout().setExifData(record.get());
    EXPECT_EQ(layout().thumbnailSize(), alone);
    EXPECT_NE(otherLayout().thumbnailSize(), alone);
    layout().setExifData(record.get());
    EXPECT_EQ(layout().thumbnailSize(), alone);
    EXPECT_EQ(record->photoImage()->size(), QSizeF(3000, 2000));
}

INSTANTIATE_TEST_SUITE_P(Media, BothMediaTest,
                         ::testing::Values(LabelMedia::tape18Name, LabelMedia::roll60Name),
                         [](const auto& info) {
                             return info.param == LabelMedia::tape18Name ? "Tape" : "Roll";
                         });

// The bundled sample photograph with the default display settings, as a first start
// shows it.
TEST_F(LabelLayoutTest, SampleLabelsKeepTheirSizesAndPlaces) {
    auto sample =
        PhotoRecord::initWithData(FileData::initWithContentsOfFile(samplePhotographPath()));
    ASSERT_TRUE(sample && sample->haveExif());
    sample->setFileName(samplePhotographPath());
    for (LabelLayout* layout :
         {static_cast<LabelLayout*>(&tape), static_cast<LabelLayout*>(&roll)}) {
        layout->setPhotographer(QStringLiteral("Photographer"));
        layout->setDisplaySettings(defaultExifItemsStatus());
        layout->setExifData(sample.get());
    }
    EXPECT_EQ(tape.tapeSize(), QSizeF(348.207275390625, 43));
    const auto placed = tape.placedTexts();
    ASSERT_EQ(placed.size(), 8u);
    EXPECT_EQ(placed[0].lowerLeft, QPointF(75.23529052734375, 19));
    EXPECT_EQ(placed[3].lowerLeft, QPointF(75.23529052734375, 34));
    EXPECT_EQ(placed[4].lowerLeft, QPointF(153.30728149414062, 0));
    EXPECT_EQ(placed[7].lowerLeft, QPointF(153.30728149414062, 31.5));
    EXPECT_EQ(placed[7].text.width(), 79.52999877929688f);
    EXPECT_EQ(exifTexts(tape), QStringList({"AWB 2008:05:30 15:56:01 Canon_40D.jpg", "",
                                            "135.0 mm  F/7.1 1/160s ISO100  ", "Canon EOS 40D. "}));
    EXPECT_EQ(roll.labelSize(), QSizeF(170, 170));
    const auto rollPlaced = roll.placedTexts();
    EXPECT_EQ(rollPlaced[2].field, "exifData");
    EXPECT_EQ(rollPlaced[2].lowerLeft, QPointF(80, 69));
    EXPECT_EQ(rollPlaced[6].lowerLeft, QPointF(10, 150));
}

TEST_F(LabelLayoutTest, TapeStartsWithCaptionsAndALengthThatFollowsItsTexts) {
    EXPECT_EQ(tape.indexTitleString().string(), "Title");
    EXPECT_EQ(tape.indexAuthorString().string(), "Photographer");
    EXPECT_EQ(tape.thumbnailSize(), QSizeF(1, 43)) << "a blank one-point thumbnail";
    EXPECT_EQ(tape.titleWidth(), tape.indexAuthorString().width()) << "the widest caption";
    show(tape, everyItemOn(), infoWith());
    EXPECT_NEAR(tape.imageWidth(), 64.5, 1e-4);
    const double withPhotograph = tape.tapeSize().width();
    show(tape, everyItemOn(), {}, QString(), QSizeF(200, 43));
    EXPECT_EQ(tape.imageWidth(), 200.0f);
    EXPECT_NE(tape.tapeSize().width(), withPhotograph);
    // Chinese, Japanese and Korean characters are a full em wide in every face.
    const double untitled = tape.tapeSize().width();
    tape.setTitle(QStringLiteral("富士山の朝"));
    EXPECT_NEAR(tape.titleWidth(), 5 * 14, 0.01);
    EXPECT_NEAR(tape.tapeSize().width() - untitled, 5 * 14 - tape.indexAuthorString().width(),
                0.01);
    const QString longTitle(400, QLatin1Char('w'));
    tape.setTitle(longTitle);
    EXPECT_EQ(tape.titleText().string(), longTitle) << "never cut";
    EXPECT_GT(tape.tapeSize().width(), 2000);
    const double inRegularFace = tape.tapeSize().width();
    tape.setFonts(narrowFont);
    EXPECT_LT(tape.tapeSize().width(), inRegularFace);
}

TEST_F(LabelLayoutTest, ExifLinesFollowTheSettingsWithSeparatorsOnlyAfterValuesWithoutPadding) {
    const auto tapeTexts = [this](const QVariantMap& settings, const PhotoInfo& info) {
        TapeLayout fresh;
        show(fresh, settings, info);
        return exifTexts(fresh);
    };
    EXPECT_EQ(tapeTexts(everyItemOn(), infoWith()),
              QStringList({"AWB 2008:05:30 15:56:01 IMG_0001.JPG", "Auto Program Pattern",
                           "35.0 mm  ( 56 mm)  F/7.1 1/160s ISO100  +1/3",
                           "Canon. Canon EOS 40D. Canon. EF-S 17-85mm. "}));
    // Absent and empty items are skipped with their separators.
    EXPECT_EQ(tapeTexts(everyItemOn(), {.exposureTime = "1/250s",
                                        .sensitivity = "",
                                        .whiteBalance = "AutoWB",
                                        .dateTimeOriginal = ""}),
              QStringList({"AutoWB IMG_0001.JPG", "", "1/250s ", ""}));
    EXPECT_EQ(tapeTexts(everyItemOn(), infoWith([](PhotoInfo& info) {
                            info.lensMaker.reset();
                            info.lensModel.reset();
                        }))
                  .last(),
              "Canon. Canon EOS 40D. ");
    // The padding cameras store after their texts is not placed; a value of nothing
    // but padding is empty.
    EXPECT_EQ(tapeTexts(everyItemOn(), infoWith([](PhotoInfo& info) {
                            info.maker = "FUJIFILM";
                            info.model = QString("FinePix E500   ") + QChar(0);
                            info.lensMaker = "    ";
                            info.dateTimeOriginal = "2008:05:30 15:56:01 ";
                        }))
                  .replaceInStrings("EF-S 17-85mm", "lens"),
              QStringList({"AWB 2008:05:30 15:56:01 IMG_0001.JPG", "Auto Program Pattern",
                           "35.0 mm  ( 56 mm)  F/7.1 1/160s ISO100  +1/3",
                           "FUJIFILM. FinePix E500. lens. "}));
    show(roll, everyItemOn(), infoWith([](PhotoInfo& info) {
             info.maker = "wwl     ";
             info.model = "RR330      ";
             info.lensModel = "    ";
         }));
    EXPECT_EQ(roll.cameraLine().string(), "wwl RR330");
    EXPECT_EQ(roll.lensFirstLine().string(), "Canon ");
    EXPECT_EQ(tapeTexts(itemsOn({Item::DateTimeOriginal}),
                        infoWith([](PhotoInfo& info) { info.dateTimeOriginal.reset(); })),
              QStringList({"2008:05:30 15:56:02 ", "", "", ""}))
        << "the digitised date stands in for the original";
    EXPECT_EQ(tapeTexts(itemsOn({Item::Maker, Item::Model, Item::LensModel}), makerSkipped()),
              QStringList({"", "", "", "Canon EOS 40D. EF-S 17-85mm. "}));
    EXPECT_EQ(tapeTexts(itemsOn({Item::Maker, Item::Model}), infoWith([](PhotoInfo& info) {
                            info.skipMaker = true;
                            info.model.reset();
                        })),
              QStringList({"", "", "", ""}))
        << "a model on but absent";
}

TEST_F(LabelLayoutTest, MakerSkipOutlivesATapePhotographWithoutTheEntryButNotARollOne) {
    show(tape, itemsOn({Item::Maker, Item::Model, Item::LensModel}), makerSkipped());
    tape.setUserLens(QStringLiteral("Exif"));
    EXPECT_EQ(tape.exifInst().string(), "Canon EOS 40D EF-S 17-85mm ") << "a chosen lens too";
    show(tape, itemsOn({Item::Maker, Item::Model}), infoWith());
    EXPECT_TRUE(tape.makerSkip());
    EXPECT_EQ(tape.exifInst().string(), "Canon EOS 40D. ");
    show(roll, itemsOn({Item::Maker, Item::Model}), makerSkipped());
    EXPECT_EQ(roll.cameraLine().string(), "Canon EOS 40D");
    show(roll, itemsOn({Item::Maker, Item::Model}), infoWith());
    EXPECT_EQ(roll.cameraLine().string(), "Canon Canon EOS 40D");
}

TEST_F(LabelLayoutTest, TapeShowsChosenLensNamesOfTwoToTwoHundredFiftyFourCharacters) {
    show(tape, itemsOn({Item::Maker, Item::Model, Item::LensModel}), infoWith());
    for (const int length : {2, 254, 255, 1}) {
        const QString name(length, QLatin1Char('L'));
        tape.setUserLens(name);
        const bool shown = length == 2 || length == 254;
        EXPECT_EQ(tape.exifInst().string(), "Canon Canon EOS 40D " + (shown ? name : QString()));
        EXPECT_FALSE(tape.exifLens());
    }
    // The next photograph still shows no lens while the user's choice stands.
    show(tape, itemsOn({Item::Maker, Item::Model, Item::LensModel}), infoWith());
    EXPECT_EQ(tape.exifInst().string(), "Canon. Canon EOS 40D. ");
}

TEST_F(LabelLayoutTest, RollThumbnailFitsSixtySevenPointsAndIsNeverEnlarged) {
    const std::pair<QSizeF, QSizeF> cases[] = {{{4000, 3000}, {67, 50.25}},
                                               {{3000, 4000}, {50.25, 67}},
                                               {{50, 40}, {50, 40}},
                                               {{100, 100}, {67, 67}}};
    for (const auto& [picture, thumbnail] : cases) {
        show(roll, everyItemOn(), infoWith(), photoPath, picture);
        EXPECT_NEAR(roll.thumbnailSize().width(), thumbnail.width(), 1e-4);
        EXPECT_NEAR(roll.thumbnailSize().height(), thumbnail.height(), 1e-4);
    }
}

} // namespace
