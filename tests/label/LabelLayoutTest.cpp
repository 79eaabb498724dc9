#include "LabelFixtures.h"

#include "label/Tack66Layout.h"
#include "label/TapeLayout.h"
#include "photo/ConstStrings.h"
#include "photo/DefaultExifItems.h"
#include "platform/FileData.h"
#include "platform/FontCatalogue.h"
#include "platform/LocalizedText.h"
#include "platform/Picture.h"

#include <gtest/gtest.h>

namespace {

const QString tapePath = QStringLiteral("/photos/IMG_0001.JPG");

QVariantMap fullInfo() {
    return {{maker, QStringLiteral("Canon")},
            {model, QStringLiteral("Canon EOS 40D")},
            {lensMaker, QStringLiteral("Canon")},
            {lensModel, QStringLiteral("EF-S 17-85mm")},
            {focalLength, QStringLiteral("35mm")},
            {focalLengthIn35mmFormat, QStringLiteral("(56mm)")},
            {fNumber, QStringLiteral("F/7.1")},
            {exposureTime, QStringLiteral("1/160s")},
            {sensitivity, QStringLiteral("ISO100 ")},
            {exposureBiasValue, QStringLiteral("+0.3EV")},
            {exposureMode, QStringLiteral("Auto")},
            {exposureProgram, QStringLiteral("Program")},
            {meteringMode, QStringLiteral("Pattern")},
            {whiteBalance, QStringLiteral("AutoWB")},
            {dateTimeOriginal, QStringLiteral("2008:05:30 15:56:01")},
            {dateTimeDigitized, QStringLiteral("2008:05:30 15:56:02")}};
}

// fullInfo() with some entries replaced or added and some removed.
QVariantMap infoWith(const QVariantMap& changes, const QStringList& removed = {}) {
    QVariantMap info = fullInfo();
    for (auto it = changes.begin(); it != changes.end(); ++it)
        info.insert(it.key(), it.value());
    for (const QString& key : removed)
        info.remove(key);
    return info;
}

QVariantMap everyItemOn() {
    return itemsOn({maker, model, lensMaker, lensModel, focalLength, focalLengthIn35mmFormat,
                    fNumber, exposureTime, sensitivity, exposureBiasValue, exposureMode,
                    exposureProgram, meteringMode, whiteBalance, dateTimeOriginal, fileName});
}

QVariantMap withSignType(QVariantMap settings, const QString& signType) {
    settings.insert(QStringLiteral("SignType"), signType);
    return settings;
}

QStringList tapeLines(const TapeLayout& tape) {
    return {tape.exifInst().string(), tape.exifExpos().string(), tape.exifMode().string(),
            tape.exifOther().string()};
}

QStringList rollTexts(const Tack66Layout& roll) {
    return {roll.exifInst().string(), roll.exifLens1().string(), roll.exifLens2().string(),
            roll.exifData().string(), roll.dateTime().string(),  roll.fileNameStr().string()};
}

// The texts a layout builds from the photograph, by field.
QStringList exifTexts(const LabelLayout& layout) {
    QStringList texts;
    for (const PlacedText& placed : layout.placedTexts())
        if (placed.field.startsWith(QStringLiteral("exif")) ||
            placed.field == QStringLiteral("dateTime") ||
            placed.field == QStringLiteral("fileNameStr"))
            texts << placed.text.string();
    return texts;
}

class LabelLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { useEmptyStringTable(); }

    void show(LabelLayout& layout, const QVariantMap& settings, const QVariantMap& info,
              const QString& path = tapePath, const QSizeF& pictureSize = QSizeF(3000, 2000)) {
        record = recordWith(info, path, pictureSize);
        layout.setExifSetingDisplay(settings);
        layout.setExifData(record.get());
    }

    TapeLayout tape;
    Tack66Layout roll;
    std::unique_ptr<Kestavolin> record;
};

// Each medium, with every behaviour of the common base.
class BothMediaTest : public LabelLayoutTest, public ::testing::WithParamInterface<QString> {
protected:
    LabelLayout& layout() {
        return GetParam() == MediaTape18Key ? static_cast<LabelLayout&>(tape) : roll;
    }
};

TEST_P(BothMediaTest, RecordsWithoutAnalysisChangeNothing) {
    show(layout(), everyItemOn(), fullInfo());
    const QJsonObject before = layoutDescription(layout());
    layout().setExifData(nullptr);
    Kestavolin unanalysed;
    layout().setExifData(&unanalysed);
    EXPECT_EQ(layoutDescription(layout()), before);
}

TEST_P(BothMediaTest, PhotographReplacesTitleAndPhotographerOnlyWhenAsked) {
    const QVariantMap info = infoWith({{imageDescription, QStringLiteral("Harbour")},
                                       {copyright, QStringLiteral("(c) Someone")},
                                       {artist, QStringLiteral("An Artist")}});
    layout().setTitle(QStringLiteral("Typed title"));
    layout().setAuthor(QStringLiteral("Typed Name"));
    show(layout(), withSignType(itemsOn({maker}), QStringLiteral("nobody")), info);
    EXPECT_EQ(layout().titleString().string(), "Typed title");
    EXPECT_EQ(layout().authorString().string(), "Typed Name");
    show(layout(), withSignType(itemsOn({imageDescription}), QStringLiteral("copyright")), info);
    EXPECT_EQ(layout().titleString().string(), "Harbour");
    EXPECT_EQ(layout().authorString().string(), "(c) Someone");
    show(layout(), withSignType({}, QStringLiteral("artist")), info);
    EXPECT_EQ(layout().authorString().string(), "An Artist");
    show(layout(), withSignType(itemsOn({imageDescription}), QStringLiteral("artist")),
         infoWith({}, {artist}));
    EXPECT_EQ(layout().titleString().string(), " ") << "absent entries leave a space";
    EXPECT_EQ(layout().authorString().string(), " ");
}

TEST_P(BothMediaTest, LensNamesOutsideOneToTwoHundredFiftyFiveAreIgnored) {
    show(layout(), itemsOn({lensModel}), fullInfo());
    layout().setUserLens(QStringLiteral("Tele 300"));
    const QStringList shown = exifTexts(layout());
    layout().setUserLens(QString());
    layout().setUserLens(QString(256, QLatin1Char('L')));
    EXPECT_EQ(exifTexts(layout()), shown);
    EXPECT_TRUE(shown.join(QString()).contains(QStringLiteral("Tele 300")));
    for (const QString& name : {QStringLiteral("EXIF"), QStringLiteral("eXiF")}) {
        layout().setUserLens(name);
        EXPECT_TRUE(layout().exifLens());
        EXPECT_TRUE(exifTexts(layout()).join(QString()).contains(QStringLiteral("EF-S 17-85mm")));
    }
}

TEST_P(BothMediaTest, NewFontReachesEveryTextAtItsOwnSize) {
    show(layout(), everyItemOn(), fullInfo());
    const auto before = layout().placedTexts();
    layout().setFonts(QStringLiteral("NimbusSansNarrow-Regular"));
    const auto after = layout().placedTexts();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].text.string(), before[i].text.string());
        EXPECT_EQ(after[i].text.font().pointSizeF(), before[i].text.font().pointSizeF());
        EXPECT_EQ(after[i].text.font(),
                  FontCatalogue::fontWithName(QStringLiteral("NimbusSansNarrow-Regular"),
                                              before[i].text.font().pointSizeF()))
            << after[i].field.toStdString();
    }
    EXPECT_EQ(layout().titleString().font().pointSizeF(), 14);
    EXPECT_EQ(layout().authorString().font().pointSizeF(), 12);
}

TEST_P(BothMediaTest, ClearAllStrForgetsThumbnailSettingsAndTexts) {
    show(layout(), everyItemOn(), fullInfo());
    layout().setTitle(QStringLiteral("A title"));
    layout().clearAllStr();
    EXPECT_FALSE(layout().printImage());
    EXPECT_TRUE(layout().thumbnailSize().isEmpty());
    EXPECT_EQ(layout().titleString().string(), " ");
    EXPECT_EQ(layout().authorString().string(), " ");
    for (const QString& text : exifTexts(layout()))
        EXPECT_EQ(text, " ");
    // The next photograph shows its thumbnail and, with every item off, no Exif text.
    layout().setExifData(record.get());
    EXPECT_TRUE(layout().printImage());
    const QStringList noItems = GetParam() == MediaTape18Key
                                    ? QStringList({"", "", "", ""})
                                    : QStringList({"\r\r\r\r\r", "", "", " ", "", ""});
    EXPECT_EQ(exifTexts(layout()), noItems);
}

// A photograph analysed without any metadata (a TIFF without an Exif directory) shows
// no camera of the photograph before it, not even under a lens chosen afterwards.
TEST_P(BothMediaTest, AnAnalysedRecordWithoutEntriesBlanksTheExifTexts) {
    show(layout(), everyItemOn(), fullInfo());
    show(layout(), everyItemOn(), {}, QString(), QSizeF(300, 200));
    EXPECT_TRUE(layout().printImage());
    for (const QString& text : exifTexts(layout()))
        EXPECT_EQ(text, " ");
    layout().setUserLens(QStringLiteral("Zoom"));
    EXPECT_FALSE(exifTexts(layout()).join(QString()).contains(QStringLiteral("Canon")));
}

// Both media may hold the same picture; neither changes the thumbnail of the other.
TEST_P(BothMediaTest, ThumbnailDoesNotDependOnTheOtherMedium) {
    LabelLayout& other = GetParam() == MediaTape18Key ? static_cast<LabelLayout&>(roll) : tape;
    show(layout(), everyItemOn(), fullInfo());
    const QSizeF alone = layout().thumbnailSize();
    other.setExifData(record.get());
    EXPECT_EQ(layout().thumbnailSize(), alone);
    EXPECT_NE(other.thumbnailSize(), alone);
    layout().setExifData(record.get());
    EXPECT_EQ(layout().thumbnailSize(), alone);
    EXPECT_EQ(record->photoImage()->size(), QSizeF(3000, 2000));
}

INSTANTIATE_TEST_SUITE_P(Media, BothMediaTest, ::testing::Values(MediaTape18Key, MediaRoll60Key),
                         [](const auto& info) {
                             return info.param == MediaTape18Key ? "Tape" : "Roll";
                         });

// The bundled sample photograph with the application's default display settings, as
// the label of a first start shows it.
TEST_F(LabelLayoutTest, SampleTapeLabelKeepsItsLengthAndPlaces) {
    auto sample =
        Kestavolin::initWithData(FileData::initWithContentsOfFile(samplePhotographPath()));
    ASSERT_TRUE(sample && sample->haveExif());
    sample->setFileName(samplePhotographPath());
    tape.setAuthor(QStringLiteral("Photographer"));
    tape.setExifSetingDisplay(defaultExifItemsStatus());
    tape.setExifData(sample.get());
    EXPECT_EQ(tape.tapeSize(), QSizeF(348.207275390625, 43));
    const auto placed = tape.placedTexts();
    ASSERT_EQ(placed.size(), 8u);
    EXPECT_EQ(placed[0].lowerLeft, QPointF(75.23529052734375, 19));
    EXPECT_EQ(placed[3].lowerLeft, QPointF(75.23529052734375, 34));
    EXPECT_EQ(placed[4].lowerLeft, QPointF(153.30728149414062, 0));
    EXPECT_EQ(placed[7].lowerLeft, QPointF(153.30728149414062, 31.5));
    EXPECT_EQ(placed[7].text.width(), 85.08999633789062f);
    EXPECT_EQ(tapeLines(tape), QStringList({"Canon EOS 40D. . ", "135.0 mm  F/7.1 1/160s ISO100  ",
                                            "", "AWB 2008:05:30 15:56:01 Canon_40D.jpg"}));
}

TEST_F(LabelLayoutTest, FreshTapeHasBlankTextsCaptionsAndAOnePointThumbnail) {
    EXPECT_EQ(tape.titleString().string(), " ");
    EXPECT_EQ(tape.authorString().string(), " ");
    EXPECT_EQ(tape.indexTitleString().string(), "Title");
    EXPECT_EQ(tape.indexAuthorString().string(), "Photographer");
    EXPECT_EQ(tapeLines(tape), QStringList({" ", " ", " ", " "}));
    ASSERT_TRUE(tape.printImage());
    EXPECT_EQ(tape.thumbnailSize(), QSizeF(1, 43));
    EXPECT_EQ(tape.titleWith(), tape.indexAuthorString().width()) << "the widest caption";
    EXPECT_EQ(tape.labelSize().height(), 43);
}

TEST_F(LabelLayoutTest, TapeThumbnailIsScaledToTheStripHeight) {
    show(tape, everyItemOn(), fullInfo());
    EXPECT_NEAR(tape.imageWith(), 64.5, 1e-4);
    EXPECT_EQ(tape.thumbnailSize().height(), 43.0);
}

struct TapeCase {
    const char* name;
    QVariantMap settings;
    QVariantMap info;
    QString path;
    QStringList lines;
};

TEST_F(LabelLayoutTest, TapeLinesFollowTheSettingsAndTheirSeparators) {
    const TapeCase cases[] = {
        {"every item",
         everyItemOn(),
         fullInfo(),
         tapePath,
         {"Canon. Canon EOS 40D. Canon. EF-S 17-85mm. ", "35mm (56mm) F/7.1 1/160s ISO100  +0.3EV",
          "Auto Program Pattern", "AutoWB 2008:05:30 15:56:01 IMG_0001.JPG"}},
        {"absent items are skipped; line one keeps the separators of model and lens",
         everyItemOn(),
         {{exposureTime, QStringLiteral("1/250s")}, {whiteBalance, QStringLiteral("AutoWB")}},
         tapePath,
         {". . . ", "1/250s ", "", "AutoWB IMG_0001.JPG"}},
        {"the digitised date stands in for the original",
         itemsOn({dateTimeOriginal}),
         infoWith({}, {dateTimeOriginal}),
         QString(),
         {"", "", "", "2008:05:30 15:56:02 "}},
        {"a skipped maker",
         itemsOn({maker, model, lensModel}),
         infoWith({{skipMaker, true}}),
         tapePath,
         {"Canon EOS 40D. EF-S 17-85mm. ", "", "", ""}},
        {"a model on but absent",
         itemsOn({maker, model}),
         infoWith({{skipMaker, true}}, {model}),
         tapePath,
         {". ", "", "", ""}},
    };
    for (const TapeCase& c : cases) {
        TapeLayout fresh;
        show(fresh, c.settings, c.info, c.path);
        EXPECT_EQ(tapeLines(fresh), c.lines) << c.name;
    }
}

TEST_F(LabelLayoutTest, TapeMakerSkipOutlivesAChosenLensAndAPhotographWithoutTheEntry) {
    show(tape, itemsOn({maker, model, lensModel}), infoWith({{skipMaker, true}}));
    tape.setUserLens(QStringLiteral("Exif"));
    EXPECT_EQ(tape.exifInst().string(), "Canon EOS 40D EF-S 17-85mm ");
    show(tape, itemsOn({maker, model}), fullInfo());
    EXPECT_TRUE(tape.makerSkip());
    EXPECT_EQ(tape.exifInst().string(), "Canon EOS 40D. ");
    // The roll decides again for every photograph.
    show(roll, itemsOn({maker, model}), infoWith({{skipMaker, true}}));
    EXPECT_EQ(roll.exifInst().string(), "Canon EOS 40D");
    show(roll, itemsOn({maker, model}), fullInfo());
    EXPECT_EQ(roll.exifInst().string(), "Canon Canon EOS 40D");
}

TEST_F(LabelLayoutTest, TapeShowsChosenLensNamesOfTwoToTwoHundredFiftyFourCharacters) {
    show(tape, itemsOn({maker, model, lensModel}), fullInfo());
    for (const int length : {2, 254}) {
        const QString name(length, QLatin1Char('L'));
        tape.setUserLens(name);
        EXPECT_EQ(tape.exifInst().string(), "Canon Canon EOS 40D " + name);
    }
    for (const int length : {255, 1}) {
        tape.setUserLens(QString(length, QLatin1Char('L')));
        EXPECT_EQ(tape.exifInst().string(), "Canon Canon EOS 40D ") << "kept, not shown";
        EXPECT_FALSE(tape.exifLens());
    }
    // The next photograph still shows no lens while the user's choice stands.
    show(tape, itemsOn({maker, model, lensModel}), fullInfo());
    EXPECT_EQ(tape.exifInst().string(), "Canon. Canon EOS 40D. ");
}

TEST_F(LabelLayoutTest, TapeSettingsTakeEffectAtTheNextPhotograph) {
    show(tape, itemsOn({maker}), fullInfo());
    tape.setExifSetingDisplay(itemsOn({model}));
    EXPECT_EQ(tape.exifInst().string(), "Canon. ");
    tape.setExifData(record.get());
    EXPECT_EQ(tape.exifInst().string(), "Canon EOS 40D. ");
}

TEST_F(LabelLayoutTest, TapeLengthFollowsItsTexts) {
    show(tape, everyItemOn(), fullInfo());
    const double withPhotograph = tape.tapeSize().width();
    show(tape, everyItemOn(), {}, QString(), QSizeF(200, 43));
    EXPECT_EQ(tape.imageWith(), 200.0f);
    EXPECT_NE(tape.tapeSize().width(), withPhotograph);
    // Chinese, Japanese and Korean characters are a full em wide in every face.
    const double untitled = tape.tapeSize().width();
    tape.setTitle(QStringLiteral("富士山の朝"));
    EXPECT_NEAR(tape.titleWith(), 5 * 14, 0.01);
    EXPECT_NEAR(tape.tapeSize().width() - untitled, 5 * 14 - tape.indexAuthorString().width(),
                0.01);
    const QString longTitle(400, QLatin1Char('w'));
    tape.setTitle(longTitle);
    EXPECT_EQ(tape.titleString().string(), longTitle) << "never cut";
    EXPECT_GT(tape.tapeSize().width(), 2000);
    const double inRegularFace = tape.tapeSize().width();
    tape.setFonts(QStringLiteral("NimbusSansNarrow-Regular"));
    EXPECT_LT(tape.tapeSize().width(), inRegularFace);
}

TEST_F(LabelLayoutTest, RollThumbnailFitsSixtySevenPointsAndIsNeverEnlarged) {
    const std::pair<QSizeF, QSizeF> cases[] = {
        {{4000, 3000}, {67, 50.25}},
        {{3000, 4000}, {50.25, 67}},
        {{50, 40}, {50, 40}},
        {{100, 100}, {67, 67}},
    };
    for (const auto& [picture, thumbnail] : cases) {
        show(roll, everyItemOn(), fullInfo(), tapePath, picture);
        EXPECT_NEAR(roll.thumbnailSize().width(), thumbnail.width(), 1e-4);
        EXPECT_NEAR(roll.thumbnailSize().height(), thumbnail.height(), 1e-4);
    }
}

struct RollCase {
    const char* name;
    QVariantMap settings;
    QVariantMap info;
    QString path;
    QStringList texts; // camera, lens 1, lens 2, exposure block, date, file name
};

TEST_F(LabelLayoutTest, RollTextsAreCutToTheirLimits) {
    const RollCase cases[] = {
        {"every item",
         everyItemOn(),
         fullInfo(),
         tapePath,
         {"Canon Canon EOS 40D", "Canon EF-S 17-85mm ", " ",
          "35mm(56mm)\rF/7.1 1/160s\rISO100  +0.3EV\rProgram\rPattern\rAutoWB",
          "2008:05:30 15:56:01", "IMG_0001.JPG"}},
        {"rows cut at nineteen; empty rows keep their place; no date is empty",
         itemsOn({focalLength, focalLengthIn35mmFormat, whiteBalance}),
         infoWith({{focalLength, QStringLiteral("18.0-55.0mm")},
                   {focalLengthIn35mmFormat, QStringLiteral("(27-83mm)")}}),
         tapePath,
         {"", "", " ", "18.0-55.0mm(27-83mm\r\r\r\r\rAutoWB", "", ""}},
        {"camera line cut at thirty-four",
         itemsOn({maker, model}),
         infoWith({{model, QStringLiteral("Model Name Of Twenty Two Plus")}}),
         tapePath,
         {"Canon Model Name Of Twenty Two Plu", "", " ", "\r\r\r\r\r", "", ""}},
        {"file name cut at nineteen, the date never",
         itemsOn({dateTimeOriginal, fileName}),
         infoWith({{dateTimeOriginal, QStringLiteral("2008:05:30 15:56:01 and more")}}),
         QStringLiteral("/photos/IMG_20240101_123456_x.jpg"),
         {"", "", " ", "\r\r\r\r\r", "2008:05:30 15:56:01 and more", "IMG_20240101_123456"}},
    };
    for (const RollCase& c : cases) {
        show(roll, c.settings, c.info, c.path);
        EXPECT_EQ(rollTexts(roll), c.texts) << c.name;
        EXPECT_EQ(roll.exifData().rowHeight(), Tack66Layout::exposureRowHeight) << c.name;
    }
}

TEST_F(LabelLayoutTest, RollLensTextSplitsAfterThirtyFourAndIsCutAtSixtyEight) {
    show(roll, itemsOn({lensMaker, lensModel}), fullInfo());
    EXPECT_EQ(roll.exifLens1().string(), "Canon EF-S 17-85mm ");
    // A chosen lens shows no lens maker and no trailing space.
    roll.setUserLens(QStringLiteral("Exif"));
    EXPECT_EQ(roll.exifLens1().string(), "EF-S 17-85mm");
    roll.setUserLens(QStringLiteral("Z"));
    EXPECT_EQ(roll.exifLens1().string(), "");
    const QString eighty = QString::fromLatin1("0123456789").repeated(8);
    const std::pair<int, QStringList> cases[] = {
        {34, {eighty.left(34), " "}},
        {35, {eighty.left(34), eighty.mid(34, 1)}},
        {80, {eighty.left(34), eighty.mid(34, 34)}},
    };
    for (const auto& [length, lines] : cases) {
        roll.setUserLens(eighty.left(length));
        EXPECT_EQ(QStringList({roll.exifLens1().string(), roll.exifLens2().string()}), lines);
    }
}

TEST_F(LabelLayoutTest, RollCutsTitleAndPhotographerFromThePhotographOnly) {
    const QVariantMap info =
        infoWith({{artist, QStringLiteral("Somebody With A Long Name")},
                  {imageDescription, QStringLiteral("A description of the view")}});
    show(roll, withSignType(itemsOn({imageDescription}), QStringLiteral("artist")), info);
    EXPECT_EQ(roll.authorString().string(), "Somebody With A Lon");
    EXPECT_EQ(roll.titleString().string(), "A description of th");
    roll.setTitle(QStringLiteral("A typed title that is not cut at all"));
    EXPECT_EQ(roll.titleString().string(), "A typed title that is not cut at all");
}

TEST_F(LabelLayoutTest, RollBlockKeepsItsRowHeightUntilCleared) {
    show(roll, everyItemOn(), fullInfo());
    roll.setFonts(QStringLiteral("NimbusSansNarrow-Regular"));
    EXPECT_EQ(roll.exifData().rowHeight(), 11);
    roll.clearAllStr();
    EXPECT_FALSE(roll.exifData().fixedRowHeight()) << "the block loses its row height";
}

TEST_F(LabelLayoutTest, RollTextsArePlacedAtFixedPoints) {
    const auto placed = roll.placedTexts();
    ASSERT_EQ(placed.size(), 8u);
    EXPECT_EQ(placed[2].field, "exifData");
    EXPECT_EQ(placed[2].lowerLeft, QPointF(80, 69));
    EXPECT_EQ(placed[6].field, "fileNameStr");
    EXPECT_EQ(placed[6].lowerLeft, QPointF(10, 150));
    EXPECT_EQ(roll.labelSize(), QSizeF(170, 170));
}

} // namespace
