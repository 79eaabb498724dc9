#include "LabelFixtures.h"

#include "label/TapeLayout.h"
#include "photo/ConstStrings.h"
#include "platform/FontCatalogue.h"
#include "platform/LocalizedText.h"
#include "platform/Picture.h"

#include <gtest/gtest.h>

namespace {

float widthOf(const QString& text, const QFont& font) {
    return static_cast<float>(FontCatalogue::textWidth(text, font));
}

// The tape holds the thumbnail, the title column and the Exif column side by side,
// with room between and around them.
void expectTapeHoldsItsColumns(const TapeLayout& tape) {
    EXPECT_EQ(tape.tapeSize().height(), 43.0);
    EXPECT_GT(tape.tapeSize().width(), tape.imageWith() + tape.titleWith() + tape.exifWith());
}

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

QVariantMap everyItemOn() {
    return itemsOn({maker, model, lensMaker, lensModel, focalLength, focalLengthIn35mmFormat,
                    fNumber, exposureTime, sensitivity, exposureBiasValue, exposureMode,
                    exposureProgram, meteringMode, whiteBalance, dateTimeOriginal, fileName});
}

class TapeLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { useEmptyStringTable(); }

    void show(const QVariantMap& settings, const QVariantMap& info,
              const QString& path = QStringLiteral("/photos/IMG_0001.JPG")) {
        record = recordWith(info, path, QSizeF(3000, 2000));
        tape.setExifSetingDisplay(settings);
        tape.setExifData(record.get());
    }

    TapeLayout tape;
    std::unique_ptr<Kestavolin> record;
};

TEST_F(TapeLayoutTest, FreshLabelHasBlankTextsCaptionsAndAOnePointThumbnail) {
    EXPECT_EQ(tape.titleString().string(), " ");
    EXPECT_EQ(tape.authorString().string(), " ");
    EXPECT_EQ(tape.indexTitleString().string(), "Title");
    EXPECT_EQ(tape.indexAuthorString().string(), "Photographer");
    EXPECT_EQ(tape.exifInst().string(), " ");
    ASSERT_TRUE(tape.printImage());
    EXPECT_EQ(tape.printImage()->size(), QSizeF(1, 43));
    EXPECT_EQ(tape.imageWith(), 1.0f);
    const float caption = widthOf(QStringLiteral("Photographer"), tape.indexAuthorString().font());
    EXPECT_EQ(tape.titleWith(), std::max(caption, widthOf(" ", tape.titleString().font())));
    EXPECT_EQ(tape.exifWith(), widthOf(" ", tape.exifInst().font()));
    expectTapeHoldsItsColumns(tape);
}

TEST_F(TapeLayoutTest, ThumbnailIsScaledToTheStripHeightWithAFloatFactor) {
    show(everyItemOn(), fullInfo());
    EXPECT_NEAR(tape.imageWith(), 64.5, 1e-4);
    EXPECT_EQ(tape.printImage()->size().height(), 43.0);
    EXPECT_EQ(tape.printImage().get(), record->photoImage().get()) << "resized in place";
}

TEST_F(TapeLayoutTest, LinesUseTheirSeparators) {
    show(everyItemOn(), fullInfo());
    EXPECT_EQ(tape.exifInst().string(), "Canon. Canon EOS 40D. Canon. EF-S 17-85mm. ");
    EXPECT_EQ(tape.exifExpos().string(), "35mm (56mm) F/7.1 1/160s ISO100  +0.3EV");
    EXPECT_EQ(tape.exifMode().string(), "Auto Program Pattern");
    EXPECT_EQ(tape.exifOther().string(), "AutoWB 2008:05:30 15:56:01 IMG_0001.JPG");
    EXPECT_EQ(tape.exifWith(), widthOf(tape.exifInst().string(), tape.exifInst().font()));
    expectTapeHoldsItsColumns(tape);
}

TEST_F(TapeLayoutTest, AbsentItemsAreSkippedButLineOneKeepsItsSeparators) {
    QVariantMap info{{exposureTime, QStringLiteral("1/250s")}, {whiteBalance, "AutoWB"}};
    show(everyItemOn(), info);
    EXPECT_EQ(tape.exifInst().string(), ". . . ") << "model, lens maker and lens model absent";
    EXPECT_EQ(tape.exifExpos().string(), "1/250s ");
    EXPECT_EQ(tape.exifMode().string(), "");
    EXPECT_EQ(tape.exifOther().string(), "AutoWB IMG_0001.JPG") << "no date, no extra space";
}

TEST_F(TapeLayoutTest, DigitisedDateStandsInForTheOriginal) {
    QVariantMap info = fullInfo();
    info.remove(dateTimeOriginal);
    show(itemsOn({dateTimeOriginal}), info, QString());
    EXPECT_EQ(tape.exifOther().string(), "2008:05:30 15:56:02 ");
}

TEST_F(TapeLayoutTest, MakerSkipComesFromThePhotographAndOutlivesAChosenLens) {
    QVariantMap info = fullInfo();
    info.insert(skipMaker, true);
    show(itemsOn({maker, model, lensModel}), info);
    EXPECT_EQ(tape.exifInst().string(), "Canon EOS 40D. EF-S 17-85mm. ");
    tape.setUserLens(QStringLiteral("Exif"));
    EXPECT_EQ(tape.exifInst().string(), "Canon EOS 40D EF-S 17-85mm ");
    // A photograph without the entry keeps the decision.
    info.remove(skipMaker);
    show(itemsOn({maker, model}), info);
    EXPECT_TRUE(tape.makerSkip());
    EXPECT_EQ(tape.exifInst().string(), "Canon EOS 40D. ");
}

TEST_F(TapeLayoutTest, ChosenLensNamesOfOneAndTwoHundredFiftyFiveCharactersAreNeverShown) {
    show(itemsOn({maker, model, lensModel}), fullInfo());
    const QString two(2, QLatin1Char('L'));
    const QString twoFiftyFour(254, QLatin1Char('L'));
    tape.setUserLens(two);
    EXPECT_EQ(tape.exifInst().string(), "Canon Canon EOS 40D " + two);
    tape.setUserLens(twoFiftyFour);
    EXPECT_EQ(tape.exifInst().string(), "Canon Canon EOS 40D " + twoFiftyFour);
    tape.setUserLens(QString(255, QLatin1Char('L')));
    EXPECT_EQ(tape.exifInst().string(), "Canon Canon EOS 40D ") << "kept, not shown";
    EXPECT_FALSE(tape.exifLens());
    tape.setUserLens(QStringLiteral("X"));
    EXPECT_EQ(tape.exifInst().string(), "Canon Canon EOS 40D ");
    // The next photograph still shows no lens while the user's choice stands.
    show(itemsOn({maker, model, lensModel}), fullInfo());
    EXPECT_EQ(tape.exifInst().string(), "Canon. Canon EOS 40D. ");
}

TEST_F(TapeLayoutTest, LensNamesOutsideOneToTwoHundredFiftyFiveAreIgnored) {
    show(itemsOn({lensModel}), fullInfo());
    tape.setUserLens(QStringLiteral("Tele 300"));
    tape.setUserLens(QString());
    tape.setUserLens(QString(256, QLatin1Char('L')));
    EXPECT_EQ(tape.exifInst().string(), "Tele 300");
}

TEST_F(TapeLayoutTest, ExifInAnyCaseShowsThePhotographsLens) {
    show(itemsOn({lensMaker, lensModel}), fullInfo());
    tape.setUserLens(QStringLiteral("Tele 300"));
    for (const QString& name : {QStringLiteral("EXIF"), QStringLiteral("eXiF")}) {
        tape.setUserLens(name);
        EXPECT_TRUE(tape.exifLens());
        EXPECT_EQ(tape.exifInst().string(), "Canon EF-S 17-85mm ");
    }
}

TEST_F(TapeLayoutTest, ModelOnButAbsentStartsTheLineWithItsSeparator) {
    QVariantMap info = fullInfo();
    info.remove(model);
    info.insert(skipMaker, true);
    show(itemsOn({maker, model}), info);
    EXPECT_EQ(tape.exifInst().string(), ". ");
}

TEST_F(TapeLayoutTest, SignTypeTakesThePhotographerFromTheNamedEntry) {
    QVariantMap settings = itemsOn({maker});
    settings.insert(QStringLiteral("SignType"), QStringLiteral("copyright"));
    QVariantMap info = fullInfo();
    info.insert(copyright, QStringLiteral("(c) Someone"));
    tape.setAuthor(QStringLiteral("Typed Name"));
    show(settings, info);
    EXPECT_EQ(tape.authorString().string(), "(c) Someone");
    info.remove(copyright);
    show(settings, info);
    EXPECT_EQ(tape.authorString().string(), " ");
    settings.insert(QStringLiteral("SignType"), QStringLiteral("nobody"));
    tape.setAuthor(QStringLiteral("Typed Name"));
    show(settings, info);
    EXPECT_EQ(tape.authorString().string(), "Typed Name");
}

TEST_F(TapeLayoutTest, ImageDescriptionReplacesTheTitleOnlyWhenAsked) {
    QVariantMap info = fullInfo();
    info.insert(imageDescription, QStringLiteral("Harbour at dusk"));
    tape.setTitle(QStringLiteral("Typed title"));
    show(itemsOn({maker}), info);
    EXPECT_EQ(tape.titleString().string(), "Typed title");
    show(itemsOn({maker, imageDescription}), info);
    EXPECT_EQ(tape.titleString().string(), "Harbour at dusk");
    EXPECT_EQ(tape.titleWith(), widthOf("Harbour at dusk", tape.titleString().font()));
}

TEST_F(TapeLayoutTest, NewSettingsTakeEffectAtTheNextPhotograph) {
    show(itemsOn({maker}), fullInfo());
    tape.setExifSetingDisplay(itemsOn({model}));
    EXPECT_EQ(tape.exifInst().string(), "Canon. ");
    tape.setExifData(record.get());
    EXPECT_EQ(tape.exifInst().string(), "Canon EOS 40D. ");
}

TEST_F(TapeLayoutTest, ClearAllStrSwitchesEveryItemOff) {
    show(everyItemOn(), fullInfo());
    tape.setTitle(QStringLiteral("A title"));
    tape.clearAllStr();
    EXPECT_FALSE(tape.printImage());
    EXPECT_EQ(tape.imageWith(), 1.0f);
    EXPECT_EQ(tape.titleString().string(), " ");
    EXPECT_EQ(tape.exifOther().string(), " ");
    expectTapeHoldsItsColumns(tape);
    tape.setExifData(record.get());
    EXPECT_TRUE(tape.printImage());
    for (const AttributedText* line :
         {&tape.exifInst(), &tape.exifExpos(), &tape.exifMode(), &tape.exifOther()})
        EXPECT_EQ(line->string(), "");
}

TEST_F(TapeLayoutTest, RecordsWithoutAnalysisChangeNothing) {
    show(everyItemOn(), fullInfo());
    const QString line = tape.exifInst().string();
    const QSizeF size = tape.labelSize();
    tape.setExifData(nullptr);
    Kestavolin unanalysed;
    tape.setExifData(&unanalysed);
    EXPECT_EQ(tape.exifInst().string(), line);
    EXPECT_EQ(tape.labelSize(), size);
}

// A photograph analysed without any metadata (a TIFF without an Exif directory) shows
// no camera of the photograph before it, and the label is as wide as its drawing.
TEST_F(TapeLayoutTest, AnAnalysedRecordWithoutEntriesBlanksTheExifLinesAndFitsTheWidth) {
    show(everyItemOn(), fullInfo());
    const double before = tape.labelSize().width();
    auto empty = recordWith({}, QString(), QSizeF(200, 43));
    tape.setExifData(empty.get());
    EXPECT_EQ(tape.imageWith(), 200.0f);
    for (const AttributedText* line :
         {&tape.exifInst(), &tape.exifExpos(), &tape.exifMode(), &tape.exifOther()})
        EXPECT_EQ(line->string(), " ");
    EXPECT_NE(tape.labelSize().width(), before) << "the width follows the new contents";
    expectTapeHoldsItsColumns(tape);
    // A lens chosen now names no camera of the earlier photograph either.
    tape.setUserLens(QStringLiteral("Zoom"));
    EXPECT_FALSE(tape.exifInst().string().contains(QStringLiteral("Canon")));
}

TEST_F(TapeLayoutTest, SmallerFontShortensTheLabel) {
    show(everyItemOn(), fullInfo());
    tape.setTitle(QStringLiteral("Evening light over the harbour"));
    const double before = tape.tapeSize().width();
    tape.setFonts(QStringLiteral("NimbusSansNarrow-Regular"));
    EXPECT_LT(tape.tapeSize().width(), before);
    float widest = 0;
    for (const AttributedText* line :
         {&tape.exifInst(), &tape.exifExpos(), &tape.exifMode(), &tape.exifOther()}) {
        EXPECT_EQ(line->font().pointSizeF(), 10);
        widest = std::max(widest, widthOf(line->string(), line->font()));
    }
    EXPECT_EQ(tape.exifWith(), widest);
    expectTapeHoldsItsColumns(tape);
}

TEST_F(TapeLayoutTest, LongTitleIsNeverCut) {
    const QString title(400, QLatin1Char('w'));
    tape.setTitle(title);
    EXPECT_EQ(tape.titleString().string(), title);
    EXPECT_EQ(tape.titleWith(), widthOf(title, tape.titleString().font()));
    EXPECT_GT(tape.tapeSize().width(), 2000);
}

TEST_F(TapeLayoutTest, CjkTitleLengthensTheTapeByAnEmACharacter) {
    show(everyItemOn(), fullInfo());
    const double before = tape.tapeSize().width();
    const float blankTitleColumn = tape.titleWith();
    tape.setTitle(QStringLiteral("富士山の朝"));
    // Chinese, Japanese and Korean characters are a full em wide in every face.
    EXPECT_NEAR(tape.titleWith(), 5 * tape.titleString().font().pointSizeF(), 0.01);
    EXPECT_NEAR(tape.tapeSize().width() - before, tape.titleWith() - blankTitleColumn, 0.01);
    expectTapeHoldsItsColumns(tape);
}

TEST_F(TapeLayoutTest, TextsArePlacedInTheirColumns) {
    show(everyItemOn(), fullInfo());
    const auto placed = tape.placedTexts();
    ASSERT_EQ(placed.size(), 8u);
    const float titleColumn = tape.imageWith() + 6 + 6;
    const float exifColumn = titleColumn + tape.titleWith() + 6;
    EXPECT_EQ(placed[0].field, "titleString");
    EXPECT_EQ(placed[0].lowerLeft, QPointF(titleColumn, 19));
    EXPECT_EQ(placed[3].lowerLeft, QPointF(titleColumn, 34));
    EXPECT_EQ(placed[4].field, "exifOther");
    EXPECT_EQ(placed[4].lowerLeft, QPointF(exifColumn, 0));
    EXPECT_EQ(placed[7].lowerLeft, QPointF(exifColumn, 31.5));
}

} // namespace
