#include "MarkingTranslator.h"
#include "TagFixtures.h"

#include "photo/ExifWordRules.h"

#include <gtest/gtest.h>

namespace {

// The first and last word of each table and a code beside or inside it that has none;
// words come marked "<key>" from the string table, except the white balance words and
// the D-series light sources, shown as stored.
TEST(ExifWordRules, EachTableGivesItsWordsAndNoneForOtherCodes) {
    using WordRule = std::optional<QString> (*)(const ExifTagNode&);
    struct Row {
        WordRule rule;
        std::uint16_t code;
        const char* word;
    };
    const Row rows[] = {
        {whiteBalanceWord, 0, "AWB"},
        {whiteBalanceWord, 1, "Manual W.B."},
        {whiteBalanceWord, 2, nullptr},
        {exposureModeWord, 2, "<AutoBracket>"},
        {exposureModeWord, 0, nullptr},
        {exposureProgramWord, 0, "<NotDefined>"},
        {exposureProgramWord, 8, "<LandscapeMode>"},
        {exposureProgramWord, 9, nullptr},
        {meteringModeWord, 6, "<Partial>"},
        {meteringModeWord, 255, "<OtherMeteringMode>"},
        {meteringModeWord, 7, nullptr},
        {lightSourceWord, 4, "<Flashlight>"},
        {lightSourceWord, 5, nullptr},
        {lightSourceWord, 9, "<FineWeather>"},
        {lightSourceWord, 19, "<StandardLightC>"},
        {lightSourceWord, 20, "D55"},
        {lightSourceWord, 23, "D50"},
        {lightSourceWord, 24, "<ISOStudioTungsten>"},
        {lightSourceWord, 255, "<OtherLightSource>"},
        {lightSourceWord, 256, nullptr},
        {sceneCaptureTypeWord, 3, "<NightScene>"},
        {gainControlWord, 4, "<HighGainDown>"},
        {contrastWord, 2, "<Hard>"},
        {saturationWord, 0, "<NormalSaturation>"},
        {sharpnessWord, 2, "<HardSharpness>"},
        {subjectDistanceRangeWord, 3, "<DistantView>"},
        {subjectDistanceRangeWord, 4, nullptr},
    };
    const MarkingTranslator table;
    for (const Row& row : rows) {
        const std::optional<QString> word = row.rule(*shortTag(row.code));
        if (row.word)
            EXPECT_EQ(word, QString::fromLatin1(row.word)) << row.code;
        else
            EXPECT_EQ(word, std::nullopt) << row.code;
    }
}

TEST(ExifWordRules, WithoutATableKeysShowAndCodesAreReadThroughTheLow16Bits) {
    EXPECT_EQ(exposureProgramWord(*shortTag(0)), "NotDefined");
    EXPECT_EQ(meteringModeWord(*longTag(0x10005)), "Pattern");
    EXPECT_EQ(meteringModeWord(*asciiTag("5")), std::nullopt);
}

} // namespace
