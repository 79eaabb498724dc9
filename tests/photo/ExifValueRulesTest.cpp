#include "TagFixtures.h"

#include "photo/ExifValueRules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class ExifValueRulesTest : public testing::Test {};

// Each text rule with the tags it reads: nullptr expects no value.
TEST_F(ExifValueRulesTest, TextRulesGiveTheirGoldenValues) {
    using Rule = std::optional<QString> (*)(const ExifTagNode&);
    struct Case {
        Rule rule;
        TagCopy tag;
        const char* expected;
    };
    const Case cases[] = {
        // F-number in single precision: 2.65f lies just below 2.65.
        {fNumberValue, rationalTag(28, 10), "F/2.8"},
        {fNumberValue, rationalTag(265, 100), "F/2.7"},
        {fNumberValue, rationalTag(0, 1), nullptr},
        {fNumberValue, rationalTag(5, 0), nullptr},
        // Rationals need two elements.
        {fNumberValue, shortTag(28), nullptr},
        {fNumberValue, numericTag(TAG_FNUMBER, TIFF_TYPE_SHORT, 2, {28, 10}), "F/2.8"},
        // Exposure time: a reduced fraction up to one second, then seconds.
        {exposureTimeValue, rationalTag(10, 2500), "1/250s"},
        {exposureTimeValue, rationalTag(7, 7), "1/1s"},
        {exposureTimeValue, rationalTag(25, 10), "2.5s"},
        {exposureTimeValue, rationalTag(-1, -250), "1/250s"},
        {exposureTimeValue, rationalTag(0, 1), nullptr},
        {exposureTimeValue, rationalTag(-1, INT_MIN), nullptr},
        // Exposure bias: a signed mixed fraction.
        {exposureBiasValueText, rationalTag(0, 3), "+/-0"},
        {exposureBiasValueText, rationalTag(2, -3), "-2/3"},
        {exposureBiasValueText, rationalTag(4, 3), "+1 1/3"},
        {exposureBiasValueText, rationalTag(-5, 3), "-1 2/3"},
        {exposureBiasValueText, rationalTag(-6, 3), "-2"},
        {exposureBiasValueText, rationalTag(2, 6), "+1/3"},
        {exposureBiasValueText, rationalTag(0, 0), nullptr},
        {exposureBiasValueText, rationalTag(-1, -3), nullptr},
        {exposureBiasValueText, rationalTag(INT_MIN, 1), nullptr},
        // Focal lengths carry their spacing.
        {focalLengthValue, rationalTag(50, 1), "50.0 mm "},
        {focalLengthValue, rationalTag(0, 1), nullptr},
        {focalLengthIn35mmValue, shortTag(75), "( 75 mm) "},
        {focalLengthIn35mmValue, shortTag(0), nullptr},
        // Version and dimensions are plain numbers.
        {exifVersionValue, undefinedTag("0230"), "48505148"},
        {exifVersionValue, undefinedTag("023"), nullptr},
        {pixelDimensionValue, longTag(70000), "70000"},
        {pixelDimensionValue, asciiTag("4000"), nullptr},
        // Text: UTF-8 up to the first NUL.
        {textValue, asciiTag(QByteArray("A\0B", 3)), "A"},
        {textValue, asciiTag(QByteArray("\0", 1)), ""},
        {textValue, asciiTag("Jos\xc3\xa9"), "Jos\xc3\xa9"},
        {textValue, asciiTag("Jos\xe9"), nullptr},
        {textValue, shortTag(1), nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<QString> value = c.rule(*c.tag);
        if (c.expected)
            EXPECT_EQ(value, QString::fromUtf8(c.expected)) << "expected " << c.expected;
        else
            EXPECT_EQ(value, std::nullopt);
    }
}

TEST_F(ExifValueRulesTest, FlashKeepsTheLow16Bits) {
    EXPECT_EQ(flashValue(*shortTag(9)), 9);
    EXPECT_EQ(flashValue(*longTag(0x10018)), 0x18);
    EXPECT_EQ(flashValue(*asciiTag("9")), std::nullopt);
}

TEST_F(ExifValueRulesTest, MakerIsTheFirstMatchingRowOfTheMakerTable) {
    struct Case {
        QByteArray make;
        QString maker;
        bool skip;
    };
    for (const Case& c :
         {Case{"NIKON CORPORATION", "Nikon", true}, Case{"FUJIFILM", "FUJIFILM", false},
          Case{"RICOH PENTAX", "PENTAX", true}, Case{"pentax ricoh", "PENTAX", true},
          Case{"RICOH IMAGING", "RICHO", true}, Case{"Acme Optical", "acme optical", false},
          Case{QByteArray("\0", 1), "", false},
          // Lower case with the full Unicode mapping.
          Case{"\xc3\x84RGER", QString::fromUtf8("\xc3\xa4rger"), false}}) {
        const auto value = makerValue(*asciiTag(c.make));
        ASSERT_TRUE(value) << c.make.constData();
        EXPECT_EQ(value->maker, c.maker);
        EXPECT_EQ(value->skipMaker, c.skip) << c.make.constData();
    }
    EXPECT_FALSE(makerValue(*asciiTag("Nikon\xff")));
}

// Sensitivity follows the ISO speed, then the sensitivity type and the photographic
// sensitivity; an ISO speed present ends the lookups, an unreadable one does not.
TEST_F(ExifValueRulesTest, SensitivityFollowsIsoSpeedThenTypeAndPhotographicSensitivity) {
    using Tag = std::optional<std::uint16_t>;
    struct Case {
        Tag isoSpeed;
        Tag type;
        Tag photographic;
        std::optional<QString> expected;
    };
    const Tag none;
    const Case cases[] = {
        {400, 3, 200, "iso400"},      {0, none, 200, std::nullopt},  {none, 2, 200, "ISO200 "},
        {none, none, 200, "ISO200 "}, {none, 2, 0, "rei"},           {none, 1, 0, "sos"},
        {none, 7, 0, "iso"},          {none, 0, 0, "UnknownSens"},   {none, 8, 0, "OtherSens"},
        {none, none, 0, ""},          {none, 2, none, std::nullopt},
    };
    for (const Case& c : cases) {
        TagDirectory exif(IFD_EXIF);
        if (c.isoSpeed)
            exif.addNumbers(TAG_ISO_SPEED, TIFF_TYPE_LONG, 1, {*c.isoSpeed});
        if (c.type)
            exif.addNumbers(TAG_SENSITIVITY_TYPE, TIFF_TYPE_SHORT, 1, {*c.type});
        if (c.photographic)
            exif.addNumbers(TAG_PHOTOGRAPHIC_SENSITIVITY, TIFF_TYPE_SHORT, 1, {*c.photographic});
        EXPECT_EQ(sensitivityValue([&exif](std::uint16_t tag) { return exif.usableTag(tag); }),
                  c.expected)
            << c.isoSpeed.value_or(-1) << " " << c.type.value_or(-1);
        EXPECT_TRUE(!c.isoSpeed || exif.lookedUp() == std::vector<std::uint16_t>{TAG_ISO_SPEED});
    }
    TagDirectory exif(IFD_EXIF);
    exif.addUnreadable(TAG_ISO_SPEED);
    exif.addNumbers(TAG_PHOTOGRAPHIC_SENSITIVITY, TIFF_TYPE_SHORT, 1, {100});
    EXPECT_EQ(sensitivityValue([&exif](std::uint16_t tag) { return exif.usableTag(tag); }),
              "ISO100 ");
    EXPECT_EQ(exif.lookedUp(), (std::vector<std::uint16_t>{TAG_ISO_SPEED, TAG_SENSITIVITY_TYPE,
                                                           TAG_PHOTOGRAPHIC_SENSITIVITY}));
}

} // namespace
