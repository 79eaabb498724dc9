#include "photo/ExifWordRules.h"

#include "photo/TagValues.h"
#include "platform/LocalizedText.h"

#include <cstdint>
#include <initializer_list>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Shown { localised, asStored };

struct Word {
    std::uint16_t code;
    QLatin1StringView text;
    Shown shown = Shown::localised;
};

using WordTable = std::initializer_list<Word>;

// The word of the table for the tag's code, or nothing for a code outside the table.
std::optional<QString> wordFor(const ExifTagNode& node, WordTable table) {
    const auto code = sixteenBitView(node);
    if (!code)
        return std::nullopt;
    for (const Word& word : table) {
        if (word.code == *code)
            return word.shown == Shown::localised ? localizedString(QString(word.text))
                                                  : QString(word.text);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> whiteBalanceWord(const ExifTagNode& node) {
    return wordFor(node, {{0, "AWB"_L1, Shown::asStored}, {1, "Manual W.B."_L1, Shown::asStored}});
}

std::optional<QString> exposureModeWord(const ExifTagNode& node) {
    return wordFor(node, {{2, "AutoBracket"_L1}});
}

std::optional<QString> exposureProgramWord(const ExifTagNode& node) {
    return wordFor(node, {{0, "NotDefined"_L1},
                          {1, "Manual"_L1},
                          {2, "NormalProgram"_L1},
                          {3, "AperturePriority"_L1},
                          {4, "ShutterPriority"_L1},
                          {5, "CreativeProgram"_L1},
                          {6, "ActionProgram"_L1},
                          {7, "PortraitMode"_L1},
                          {8, "LandscapeMode"_L1}});
}

std::optional<QString> meteringModeWord(const ExifTagNode& node) {
    return wordFor(node, {{0, "MeteringModeUnknown"_L1},
                          {1, "Average"_L1},
                          {2, "CenterWeightedAverage"_L1},
                          {3, "Spot"_L1},
                          {4, "MultiSpot"_L1},
                          {5, "Pattern"_L1},
                          {6, "Partial"_L1},
                          {255, "OtherMeteringMode"_L1}});
}

std::optional<QString> lightSourceWord(const ExifTagNode& node) {
    return wordFor(node, {{0, "LightSourceUnknown"_L1},
                          {1, "Daylight"_L1},
                          {2, "Fluorescent"_L1},
                          {3, "Tungstenlight"_L1},
                          {4, "Flashlight"_L1},
                          {9, "FineWeather"_L1},
                          {10, "CloudyWeather"_L1},
                          {11, "Shade"_L1},
                          {12, "DaylightFluorescent"_L1},
                          {13, "DayWhiteFluorescent"_L1},
                          {14, "CoolWhiteFluorescent"_L1},
                          {15, "WhiteFluorescent"_L1},
                          {16, "WarmFluorescent"_L1},
                          {17, "StandardLightA"_L1},
                          {18, "StandardLightB"_L1},
                          {19, "StandardLightC"_L1},
                          {20, "D55"_L1, Shown::asStored},
                          {21, "D65"_L1, Shown::asStored},
                          {22, "D75"_L1, Shown::asStored},
                          {23, "D50"_L1, Shown::asStored},
                          {24, "ISOStudioTungsten"_L1},
                          {255, "OtherLightSource"_L1}});
}

std::optional<QString> sceneCaptureTypeWord(const ExifTagNode& node) {
    return wordFor(
        node,
        {{0, "StandardScene"_L1}, {1, "Landscape"_L1}, {2, "Portrait"_L1}, {3, "NightScene"_L1}});
}

std::optional<QString> gainControlWord(const ExifTagNode& node) {
    return wordFor(node, {{0, "NoGainControl"_L1},
                          {1, "LowGainUp"_L1},
                          {2, "HighGainUp"_L1},
                          {3, "LowGainDown"_L1},
                          {4, "HighGainDown"_L1}});
}

std::optional<QString> contrastWord(const ExifTagNode& node) {
    return wordFor(node, {{0, "NormalContrast"_L1}, {1, "Soft"_L1}, {2, "Hard"_L1}});
}

std::optional<QString> saturationWord(const ExifTagNode& node) {
    return wordFor(node,
                   {{0, "NormalSaturation"_L1}, {1, "LowSaturation"_L1}, {2, "HighSaturation"_L1}});
}

std::optional<QString> sharpnessWord(const ExifTagNode& node) {
    return wordFor(node,
                   {{0, "NormalSharpness"_L1}, {1, "SoftSharpness"_L1}, {2, "HardSharpness"_L1}});
}

std::optional<QString> subjectDistanceRangeWord(const ExifTagNode& node) {
    return wordFor(
        node,
        {{0, "DistanceUnknown"_L1}, {1, "Macro"_L1}, {2, "CloseView"_L1}, {3, "DistantView"_L1}});
}
