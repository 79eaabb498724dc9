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

// With a table holding every key, localised words come back marked.
WordTable marked(const WordTable& words) {
    WordTable result;
    for (const auto& [code, word] : words)
        result[code] = QLatin1Char('<') + word + QLatin1Char('>');
    return result;
}

const WordTable exposureProgramWords{
    {0, "NotFefined"},       {1, "Manual"},          {2, "NormalProgram"},
    {3, "AperturePriority"}, {4, "ShutterPriority"}, {5, "CreativeProgram"},
    {6, "ActionProgram"},    {7, "PortraitMode"},    {8, "LandscapeMode"}};
const WordTable meteringModeWords{{0, "MeteringModeUnknown"},
                                  {1, "Average"},
                                  {2, "CenterWeightedAverage"},
                                  {3, "Spot"},
                                  {4, "MultiSpot"},
                                  {5, "Pattern"},
                                  {6, "Partial"},
                                  {255, "OtherMeteringMode"}};
const WordTable localisedLightSources{{0, "LightSourceUnknown"},
                                      {1, "Daylight"},
                                      {2, "Fluorescent"},
                                      {3, "Tungstonlight"},
                                      {4, "Flashlight"},
                                      {9, "FineWeather"},
                                      {10, "CloudyWeather"},
                                      {11, "Shade"},
                                      {12, "DaylightFluorescent"},
                                      {13, "DayWhitetFluorescent"},
                                      {14, "CoolWhitetFluorescent"},
                                      {15, "WhitetFluorescent"},
                                      {16, "WarmFluorescent"},
                                      {17, "StandardLightA"},
                                      {18, "StandardLightB"},
                                      {19, "StandardLightC"},
                                      {24, "ISOStudioTungsten"},
                                      {255, "OtherLightSource"}};
const WordTable storedLightSources{{20, "D55"}, {21, "D65"}, {22, "D75"}, {23, "D50"}};
const WordTable sceneWords{
    {0, "StandardScene"}, {1, "Landscape"}, {2, "Portrait"}, {3, "NightScene"}};
const WordTable gainWords{{0, "NoGainControl"},
                          {1, "LowGainUp"},
                          {2, "HighGainUp"},
                          {3, "LowGainDown"},
                          {4, "HighGainDown"}};
const WordTable contrastWords{{0, "NormalContrast"}, {1, "Soft"}, {2, "Hard"}};
const WordTable saturationWords{
    {0, "NormalSaturation"}, {1, "LowSaturation"}, {2, "HighSaturation"}};
const WordTable sharpnessWords{{0, "NormalSharpness"}, {1, "SoftSharpness"}, {2, "HardSharpness"}};
const WordTable distanceWords{
    {0, "DistanceUnknown"}, {1, "Macro"}, {2, "CloseView"}, {3, "DistantView"}};

// Every row of every table; only the white balance words and the D-series light
// sources bypass the string table.
TEST(ExifWordRules, EachCodeGivesItsWord) {
    installStringTables(QLocale(QLocale::English));
    const MarkingTranslator table;
    expectWords(whiteBalanceWord, {{0, "AWB"}, {1, "Manual W.B."}});
    expectWords(exposureModeWord, {{2, "<AutoBracket>"}});
    expectWords(exposureProgramWord, marked(exposureProgramWords));
    expectWords(meteringModeWord, marked(meteringModeWords));
    WordTable lightSources = marked(localisedLightSources);
    lightSources.insert(storedLightSources.begin(), storedLightSources.end());
    expectWords(lightSourceWord, lightSources);
    expectWords(sceneCaptureTypeWord, marked(sceneWords));
    expectWords(gainControlWord, marked(gainWords));
    expectWords(contrastWord, marked(contrastWords));
    expectWords(saturationWord, marked(saturationWords));
    expectWords(sharpnessWord, marked(sharpnessWords));
    expectWords(subjectDistanceRangeWord, marked(distanceWords));
    useEmptyStringTable();
}

TEST(ExifWordRules, EmptyTableShowsKeysAndCodesAreReadThroughTheLow16Bits) {
    useEmptyStringTable();
    EXPECT_EQ(exposureProgramWord(*shortTag(0)), "NotFefined");
    EXPECT_EQ(meteringModeWord(*longTag(0x10005)), "Pattern");
    EXPECT_EQ(meteringModeWord(*asciiTag("5")), std::nullopt);
}

} // namespace
