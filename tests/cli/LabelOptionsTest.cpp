#include "LabelFixtures.h"

#include "cli/LabelOptionsReader.h"
#include "label/RollLayout.h"
#include "label/TapeLayout.h"
#include "photo/DefaultExifItems.h"
#include "photo/LabelMedia.h"
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
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

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
    EXPECT_EQ(defaults.medium, LabelMedia::tape18Name);
    EXPECT_EQ(defaults.photographer, "Photographer");
    EXPECT_EQ(defaults.displaySettings, defaultExifItemsStatus());
    EXPECT_FALSE(defaults.title || defaults.lens);

    QVariantMap switched = defaultExifItemsStatus();
    switched.insert(
        {{"LensMaker", true}, {"ExposureMode", true}, {"Maker", false}, {"fileName", false}});
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
                                       {QStringLiteral("exifItem"), QVariantMap{{"Maker", false}}},
                                       {QStringLiteral("mediaTypeName"), LabelMedia::roll60Name}});
    auto options = std::get<LabelOptions>(optionsFrom({"--settings", path}));
    EXPECT_EQ(options.photographer, "Ana");
    EXPECT_EQ(options.displaySettings, (QVariantMap{{"Maker", false}})) << "taken whole";
    EXPECT_EQ(options.medium, LabelMedia::roll60Name);
    options = std::get<LabelOptions>(
        optionsFrom({"--settings", path, "--medium", "Tape 18", "--photographer", "Bo"}));
    EXPECT_EQ(options.medium, LabelMedia::tape18Name) << "the command line wins";
    EXPECT_EQ(options.photographer, "Bo");

    const QString odd = settingsFile({{QStringLiteral("photographer"), 12},
                                      {QStringLiteral("exifItem"), QStringLiteral("all")},
                                      {QStringLiteral("mediaTypeName"), QStringLiteral("")}});
    options = std::get<LabelOptions>(optionsFrom({"--settings", odd}));
    EXPECT_EQ(options.photographer, "Photographer");
    EXPECT_EQ(options.displaySettings, defaultExifItemsStatus());
    EXPECT_EQ(options.medium, LabelMedia::tape18Name);
}

TEST_F(LabelOptionsTest, LayoutIsPreparedAndFedInTheApplicationsOrder) {
    auto options = std::get<LabelOptions>(optionsFrom(
        {"--medium", "Roll 60", "--title", "Quay", "--photographer", "Ana", "--lens", "Tele 300"}));
    const auto layout = makeLabelLayout(options);
    ASSERT_EQ(layout->medium(), LabelMedia::roll60Name);
    const auto record = recordWith(PhotoInfo{.maker = "Canon", .lensModel = "EF 50mm"});
    showPhotograph(*layout, options, record.get());
    const auto& roll = static_cast<const RollLayout&>(*layout);
    EXPECT_EQ(roll.titleText().string(), "Quay");
    EXPECT_EQ(roll.photographerText().string(), "Ana");
    EXPECT_EQ(roll.lensFirstLine().string(), "Tele 300") << "the lens comes after the photograph";
}

} // namespace
