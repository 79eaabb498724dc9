#include "TagFixtures.h"

#include "photo/ExifValueRules.h"
#include "platform/LocalizedText.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace {

using Fraction = std::pair<std::int32_t, std::int32_t>;

std::optional<QString> fNumber(std::int32_t n, std::int32_t d) {
    return fNumberValue(*rationalTag(n, d));
}
std::optional<QString> exposure(std::int32_t n, std::int32_t d) {
    return exposureTimeValue(*rationalTag(n, d));
}
std::optional<QString> bias(std::int32_t n, std::int32_t d) {
    return exposureBiasValueText(*rationalTag(n, d));
}

class ExifValueRulesTest : public testing::Test {
protected:
    void SetUp() override { useEmptyStringTable(); }
};

TEST_F(ExifValueRulesTest, YakubunReducesInPlaceAndAnswersTheDivisor) {
    struct Case {
        Fraction in;
        Fraction out;
        std::int32_t divisor;
    };
    for (const Case& c :
         {Case{{10, 2500}, {1, 250}, 10}, Case{{3, 10}, {3, 10}, 1}, Case{{10, 3000}, {1, 300}, 10},
          Case{{6, 4}, {3, 2}, 2}, Case{{7, 7}, {1, 1}, 7}}) {
        auto [n, d] = c.in;
        EXPECT_EQ(yakubun(n, d), c.divisor) << c.in.first << "/" << c.in.second;
        EXPECT_EQ(Fraction(n, d), c.out);
    }
}

TEST_F(ExifValueRulesTest, YakubunRefusesAFractionWhoseReductionOverflows) {
    std::int32_t n = -1;
    std::int32_t d = INT_MIN;
    EXPECT_EQ(yakubun(n, d), 0);
    EXPECT_EQ(Fraction(n, d), Fraction(-1, INT_MIN));
}

TEST_F(ExifValueRulesTest, FNumberIsFormedInSinglePrecision) {
    EXPECT_EQ(fNumber(28, 10), "F/2.8");
    EXPECT_EQ(fNumber(265, 100), "F/2.7"); // 2.65f lies just below 2.65
    EXPECT_EQ(fNumber(71, 10), "F/7.1");
    EXPECT_EQ(fNumber(10, 1), "F/10.0");
    EXPECT_EQ(fNumber(0, 1), std::nullopt);
    EXPECT_EQ(fNumber(5, 0), std::nullopt);
    EXPECT_EQ(fNumber(-28, 10), std::nullopt);
}

TEST_F(ExifValueRulesTest, ExposureTimeIsAFractionUpToOneSecond) {
    EXPECT_EQ(exposure(1, 250), "1/250s");
    EXPECT_EQ(exposure(10, 2500), "1/250s");
    EXPECT_EQ(exposure(10, 10), "1/1s");
    EXPECT_EQ(exposure(3, 10), "3/10s");
    EXPECT_EQ(exposure(25, 10), "2.5s");
    EXPECT_EQ(exposure(2, 1), "2.0s");
    EXPECT_EQ(exposure(105, 100), "1.0s");
    EXPECT_EQ(exposure(-1, -250), "1/250s");
    EXPECT_EQ(exposure(0, 1), std::nullopt);
    EXPECT_EQ(exposure(1, 0), std::nullopt);
    EXPECT_EQ(exposure(-1, INT_MIN), std::nullopt);
}

TEST_F(ExifValueRulesTest, ExposureBiasIsASignedMixedFraction) {
    const std::pair<Fraction, const char*> cases[] = {
        {{0, 3}, "+/-0"},    {{1, 3}, "+1/3"},       {{-2, 3}, "-2/3"}, {{2, -3}, "-2/3"},
        {{4, 3}, "+1 1/3"},  {{-5, 3}, "-1 2/3"},    {{3, 3}, "+1"},    {{-6, 3}, "-2"},
        {{2, 6}, "+1/3"},    {{-1, -1}, "+1"},       {{0, 0}, nullptr}, {{1, 0}, nullptr},
        {{-1, -3}, nullptr}, {{INT_MIN, 1}, nullptr}};
    for (const auto& [fraction, expected] : cases) {
        const auto value = bias(fraction.first, fraction.second);
        if (expected)
            EXPECT_EQ(value, QString::fromLatin1(expected))
                << fraction.first << "/" << fraction.second;
        else
            EXPECT_EQ(value, std::nullopt) << fraction.first << "/" << fraction.second;
    }
}

TEST_F(ExifValueRulesTest, FocalLengthsCarryTheirSpacing) {
    EXPECT_EQ(focalLengthValue(*rationalTag(50, 1)), "50.0 mm ");
    EXPECT_EQ(focalLengthValue(*rationalTag(0, 1)), std::nullopt);
    EXPECT_EQ(focalLengthValue(*rationalTag(50, 0)), std::nullopt);
    EXPECT_EQ(focalLengthIn35mmValue(*shortTag(75)), "( 75 mm) ");
    EXPECT_EQ(focalLengthIn35mmValue(*shortTag(0)), std::nullopt);
}

TEST_F(ExifValueRulesTest, RationalRulesNeedTwoElements) {
    // A single SHORT has no denominator to read.
    EXPECT_EQ(fNumberValue(*shortTag(28)), std::nullopt);
    EXPECT_EQ(fNumberValue(*asciiTag("2.8")), std::nullopt);
    EXPECT_EQ(fNumberValue(*numericTag(TAG_FNUMBER, TIFF_TYPE_SHORT, 2, {28, 10})), "F/2.8");
}

TEST_F(ExifValueRulesTest, VersionAndDimensionsArePlainNumbers) {
    EXPECT_EQ(exifVersionValue(*undefinedTag("0230")), "48505148");
    EXPECT_EQ(exifVersionValue(*undefinedTag("023")), std::nullopt);
    EXPECT_EQ(exifVersionValue(*shortTag(230)), std::nullopt);
    EXPECT_EQ(pixelDimensionValue(*shortTag(4000)), "4000");
    EXPECT_EQ(pixelDimensionValue(*longTag(70000)), "70000");
    EXPECT_EQ(pixelDimensionValue(*asciiTag("4000")), std::nullopt);
}

TEST_F(ExifValueRulesTest, FlashKeepsTheLow16Bits) {
    EXPECT_EQ(flashValue(*shortTag(9)), 9);
    EXPECT_EQ(flashValue(*longTag(0x10018)), 0x18);
    EXPECT_EQ(flashValue(*asciiTag("9")), std::nullopt);
}

TEST_F(ExifValueRulesTest, TextIsDecodedUpToTheFirstNul) {
    EXPECT_EQ(textValue(*asciiTag(QByteArray("Canon EOS 40D\0", 14))), "Canon EOS 40D");
    EXPECT_EQ(textValue(*asciiTag(QByteArray("A\0B", 3))), "A");
    EXPECT_EQ(textValue(*asciiTag(QByteArray("\0", 1))), "");
    EXPECT_EQ(textValue(*asciiTag("FinePix E500   ")), "FinePix E500   ");
    EXPECT_EQ(textValue(*asciiTag("2008:05:30 15:56:01")), "2008:05:30 15:56:01");
    EXPECT_EQ(textValue(*asciiTag("Jos\xc3\xa9")), QString::fromUtf8("Jos\xc3\xa9"));
    EXPECT_EQ(textValue(*asciiTag("Jos\xe9")), std::nullopt);
    EXPECT_EQ(textValue(*asciiTag("\xc0\xaf")), std::nullopt); // overlong '/'
    EXPECT_EQ(textValue(*shortTag(1)), std::nullopt);
}

TEST_F(ExifValueRulesTest, MakerIsTheFirstMatchingRowOfTheMakerTable) {
    struct Case {
        QByteArray make;
        QString maker;
        bool skip;
    };
    for (const Case& c :
         {Case{"NIKON CORPORATION", "Nikon", true}, Case{"Canon", "Canon", true},
          Case{"FUJIFILM", "FUJIFILM", false}, Case{"RICOH PENTAX", "PENTAX", true},
          Case{"pentax ricoh", "PENTAX", true}, Case{"RICOH IMAGING", "RICHO", true},
          Case{"Leaf Valeo", "Leaf", false}, Case{"PHASE ONE", "Phase One", false},
          Case{"Acme Optical", "acme optical", false}, Case{QByteArray("\0", 1), "", false}}) {
        const auto value = makerValue(*asciiTag(c.make));
        ASSERT_TRUE(value) << c.make.constData();
        EXPECT_EQ(value->maker, c.maker);
        EXPECT_EQ(value->skipMaker, c.skip) << c.make.constData();
    }
    EXPECT_FALSE(makerValue(*asciiTag("Nikon\xff")));
}

TEST_F(ExifValueRulesTest, MakerIsLowerCasedWithFullUnicodeMapping) {
    const auto value = makerValue(*asciiTag("\xc3\x84RGER"));
    ASSERT_TRUE(value);
    EXPECT_EQ(value->maker, QString::fromUtf8("\xc3\xa4rger"));
}

// Sensitivity: which lookups are made and what they give.
struct SensitivityCase {
    const char* name;
    std::optional<std::uint16_t> isoSpeed;
    std::optional<std::uint16_t> type;
    std::optional<std::uint16_t> photographic;
    std::optional<QString> expected;
};

class SensitivityTest : public testing::TestWithParam<SensitivityCase> {
protected:
    void SetUp() override { useEmptyStringTable(); }
};

TEST_P(SensitivityTest, FollowsIsoSpeedThenTypeAndPhotographicSensitivity) {
    const SensitivityCase& c = GetParam();
    TagDirectory exif(IFD_EXIF);
    if (c.isoSpeed)
        exif.addNumbers(TAG_ISO_SPEED, TIFF_TYPE_LONG, 1, {*c.isoSpeed});
    if (c.type)
        exif.addNumbers(TAG_SENSITIVITY_TYPE, TIFF_TYPE_SHORT, 1, {*c.type});
    if (c.photographic)
        exif.addNumbers(TAG_PHOTOGRAPHIC_SENSITIVITY, TIFF_TYPE_SHORT, 1, {*c.photographic});
    const auto value = sensitivityValue([&exif](std::uint16_t tag) { return exif.usableTag(tag); });
    EXPECT_EQ(value, c.expected);
    if (c.isoSpeed) {
        EXPECT_EQ(exif.lookedUp(), std::vector<std::uint16_t>{TAG_ISO_SPEED});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sensitivity, SensitivityTest,
    testing::Values(
        SensitivityCase{"isoSpeed", 400, 3, 200, "iso400"},
        SensitivityCase{"zeroIsoSpeedEndsTheRule", 0, std::nullopt, 200, std::nullopt},
        SensitivityCase{"photographic", std::nullopt, 2, 200, "ISO200 "},
        SensitivityCase{"photographicWithoutType", std::nullopt, std::nullopt, 200, "ISO200 "},
        SensitivityCase{"rei", std::nullopt, 2, 0, "rei"},
        SensitivityCase{"sos", std::nullopt, 1, 0, "sos"},
        SensitivityCase{"sosWithIso", std::nullopt, 4, 0, "sos"},
        SensitivityCase{"isoOnly", std::nullopt, 3, 0, "iso"},
        SensitivityCase{"isoCombined", std::nullopt, 7, 0, "iso"},
        SensitivityCase{"unknown", std::nullopt, 0, 0, "UnknownSens"},
        SensitivityCase{"other", std::nullopt, 8, 0, "OtherSens"},
        SensitivityCase{"emptyWithoutType", std::nullopt, std::nullopt, 0, ""},
        SensitivityCase{"typeWithoutPhotographic", std::nullopt, 2, std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<SensitivityCase>& info) { return info.param.name; });

TEST(SensitivityLookups, AnUnreadableIsoSpeedFallsBackToTheOtherTags) {
    useEmptyStringTable();
    TagDirectory exif(IFD_EXIF);
    exif.addUnreadable(TAG_ISO_SPEED);
    exif.addNumbers(TAG_PHOTOGRAPHIC_SENSITIVITY, TIFF_TYPE_SHORT, 1, {100});
    EXPECT_EQ(sensitivityValue([&exif](std::uint16_t tag) { return exif.usableTag(tag); }),
              "ISO100 ");
    EXPECT_EQ(exif.lookedUp(), (std::vector<std::uint16_t>{TAG_ISO_SPEED, TAG_SENSITIVITY_TYPE,
                                                           TAG_PHOTOGRAPHIC_SENSITIVITY}));
}

} // namespace
