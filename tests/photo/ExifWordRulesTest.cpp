#include "MarkingTranslator.h"
#include "TagFixtures.h"

#include "photo/ExifWordRules.h"
#include "platform/LocalizedText.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using WordRule = std::optional<QString> (*)(const ExifTagNode&);
using WordTable = std::map<std::uint16_t, QString>;

// Every code the tag can carry: the rule's words for exactly the codes of the table.
void expectWords(WordRule rule, const WordTable& expected) {
    for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
        const auto word = rule(*shortTag(static_cast<std::uint16_t>(code)));
        const auto row = expected.find(static_cast<std::uint16_t>(code));
        if (row == expected.end())
            EXPECT_EQ(word, std::nullopt) << "code " << code;
        else
            EXPECT_EQ(word, row->second) << "code " << code;
    }
}

// Words for the codes 0, 1, 2... in order, each marked as a table holding every key
// returns it.
WordTable markedFromZero(const QStringList& words) {
    WordTable result;
    for (qsizetype code = 0; code < words.size(); ++code)
        result[static_cast<std::uint16_t>(code)] =
            QLatin1Char('<') + words[code] + QLatin1Char('>');
    return result;
}

QStringList split(const char* words) {
    return QString::fromLatin1(words).split(QLatin1Char(' '));
}

// Every row of every table; only the white balance words and the D-series light
// sources bypass the string table.
TEST(ExifWordRules, EachCodeGivesItsWord) {
    installStringTables(QLocale(QLocale::English));
    const MarkingTranslator table;
    expectWords(whiteBalanceWord, {{0, "AWB"}, {1, "Manual W.B."}});
    expectWords(exposureModeWord, {{2, "<AutoBracket>"}});
    expectWords(exposureProgramWord,
                markedFromZero(split("NotFefined Manual NormalProgram AperturePriority "
                                     "ShutterPriority CreativeProgram ActionProgram PortraitMode "
                                     "LandscapeMode")));
    WordTable metering = markedFromZero(
        split("MeteringModeUnknown Average CenterWeightedAverage Spot MultiSpot Pattern Partial"));
    metering[255] = "<OtherMeteringMode>";
    expectWords(meteringModeWord, metering);
    // The D-series light sources bypass the string table.
    WordTable lights = markedFromZero(split(
        "LightSourceUnknown Daylight Fluorescent Tungstonlight Flashlight 5 6 7 8 FineWeather "
        "CloudyWeather Shade DaylightFluorescent DayWhitetFluorescent CoolWhitetFluorescent "
        "WhitetFluorescent WarmFluorescent StandardLightA StandardLightB StandardLightC D55 "
        "D65 D75 D50 ISOStudioTungsten"));
    for (std::uint16_t unused : {5, 6, 7, 8})
        lights.erase(unused);
    for (std::uint16_t stored : {20, 21, 22, 23})
        lights[stored] = lights[stored].mid(1).chopped(1);
    lights[255] = "<OtherLightSource>";
    expectWords(lightSourceWord, lights);
    expectWords(sceneCaptureTypeWord,
                markedFromZero(split("StandardScene Landscape Portrait NightScene")));
    expectWords(
        gainControlWord,
        markedFromZero(split("NoGainControl LowGainUp HighGainUp LowGainDown HighGainDown")));
    expectWords(contrastWord, markedFromZero(split("NormalContrast Soft Hard")));
    expectWords(saturationWord,
                markedFromZero(split("NormalSaturation LowSaturation HighSaturation")));
    expectWords(sharpnessWord,
                markedFromZero(split("NormalSharpness SoftSharpness HardSharpness")));
    expectWords(subjectDistanceRangeWord,
                markedFromZero(split("DistanceUnknown Macro CloseView DistantView")));
    useEmptyStringTable();
}

TEST(ExifWordRules, EmptyTableShowsKeysAndCodesAreReadThroughTheLow16Bits) {
    useEmptyStringTable();
    EXPECT_EQ(exposureProgramWord(*shortTag(0)), "NotFefined");
    EXPECT_EQ(meteringModeWord(*longTag(0x10005)), "Pattern");
    EXPECT_EQ(meteringModeWord(*asciiTag("5")), std::nullopt);
}

} // namespace
