#include "LabelFixtures.h"

#include "cli/LabelOptionsReader.h"
#include "label/RollLayout.h"
#include "label/TapeLayout.h"
#include "photo/ConstStrings.h"
#include "photo/DefaultExifItems.h"
#include "platform/LocalizedText.h"
#include "platform/PropertyList.h"

#include <QCommandLineParser>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::variant<LabelOptions, QString> optionsFrom(const QStringList& arguments) {
    QCommandLineParser parser;
    LabelOptionsReader::addOptions(parser);
    EXPECT_TRUE(parser.parse(QStringList{QStringLiteral("render")} + arguments))
        << parser.errorText().toStdString();
    return LabelOptionsReader::read(parser);
}

class LabelOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        useEmptyStringTable();
        ASSERT_TRUE(folder.isValid());
    }

    QString settingsFile(const QVariantMap& settings) {
        const QString path = folder.filePath(QStringLiteral("kestavolin.plist"));
        EXPECT_EQ(PropertyList::writeXmlFile(path, settings), QString());
        return path;
    }

    QTemporaryDir folder;
};

// Without settings the defaults of a new user apply; --show and --hide switch items
// over them; unknown items and media and a missing settings file are refused.
TEST_F(LabelOptionsTest, DefaultsAndItemSwitchesApplyAndUnknownNamesAreRefused) {
    const auto defaults = std::get<LabelOptions>(optionsFrom({}));
    EXPECT_EQ(defaults.medium, MediaTape18Key);
    EXPECT_EQ(defaults.photographer, "Photographer");
    EXPECT_EQ(defaults.displaySettings, defaultExifItemsStatus());
    EXPECT_FALSE(defaults.title || defaults.lens);

    QVariantMap switched = defaultExifItemsStatus();
    switched.insert({{lensMaker, true}, {exposureMode, true}, {maker, false}, {fileName, false}});
    EXPECT_EQ(std::get<LabelOptions>(optionsFrom({"--show", "LensMaker,ExposureMode", "--hide",
                                                  "Maker", "--hide", "fileName"}))
                  .displaySettings,
              switched);

    for (const QStringList& refused :
         {QStringList{"--show", "Makr"}, QStringList{"--medium", "tape 18"},
          QStringList{"--settings", folder.filePath(QStringLiteral("missing.plist"))}})
        EXPECT_TRUE(std::holds_alternative<QString>(optionsFrom(refused)));
}

TEST_F(LabelOptionsTest, SettingsFileGivesPhotographerItemsAndMediumWhenWellTyped) {
    const QString path = settingsFile({{QStringLiteral("photographer"), QStringLiteral("Ana")},
                                       {QStringLiteral("exifItem"), QVariantMap{{maker, false}}},
                                       {QStringLiteral("mediaTypeName"), MediaRoll60Key}});
    auto options = std::get<LabelOptions>(optionsFrom({"--settings", path}));
    EXPECT_EQ(options.photographer, "Ana");
    EXPECT_EQ(options.displaySettings, (QVariantMap{{maker, false}})) << "taken whole";
    EXPECT_EQ(options.medium, MediaRoll60Key);
    options = std::get<LabelOptions>(
        optionsFrom({"--settings", path, "--medium", "Tape 18", "--photographer", "Bo"}));
    EXPECT_EQ(options.medium, MediaTape18Key) << "the command line wins";
    EXPECT_EQ(options.photographer, "Bo");

    const QString odd = settingsFile({{QStringLiteral("photographer"), 12},
                                      {QStringLiteral("exifItem"), QStringLiteral("all")},
                                      {QStringLiteral("mediaTypeName"), QStringLiteral("")}});
    options = std::get<LabelOptions>(optionsFrom({"--settings", odd}));
    EXPECT_EQ(options.photographer, "Photographer");
    EXPECT_EQ(options.displaySettings, defaultExifItemsStatus());
    EXPECT_EQ(options.medium, MediaTape18Key);
}

TEST_F(LabelOptionsTest, LayoutIsPreparedAndFedInTheApplicationsOrder) {
    auto options = std::get<LabelOptions>(optionsFrom(
        {"--medium", "Roll 60", "--title", "Quay", "--photographer", "Ana", "--lens", "Tele 300"}));
    const auto layout = makeLabelLayout(options);
    ASSERT_EQ(layout->medium(), MediaRoll60Key);
    const auto record =
        recordWith({{maker, QStringLiteral("Canon")}, {lensModel, QStringLiteral("EF 50mm")}});
    showPhotograph(*layout, options, record.get());
    const auto& roll = static_cast<const RollLayout&>(*layout);
    EXPECT_EQ(roll.titleText().string(), "Quay");
    EXPECT_EQ(roll.photographerText().string(), "Ana");
    EXPECT_EQ(roll.lensFirstLine().string(), "Tele 300") << "the lens comes after the photograph";
}

} // namespace
