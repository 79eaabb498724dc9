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

Result<LabelOptions> optionsFrom(const QStringList& arguments) {
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
        EXPECT_TRUE(PropertyList::writeXmlFile(path, settings).ok());
        return path;
    }

    QTemporaryDir folder;
};

// Without settings the defaults of a new user apply; --show and --hide switch items
// over them; unknown items and media and a missing settings file are refused.
TEST_F(LabelOptionsTest, DefaultsAndItemSwitchesApplyAndUnknownNamesAreRefused) {
    const auto defaults = optionsFrom({}).value();
    EXPECT_EQ(defaults.medium, LabelMedia::tape18Name);
    EXPECT_EQ(defaults.photographer, "Photographer");
    EXPECT_EQ(defaults.displaySettings, defaultExifItemsStatus());
    EXPECT_FALSE(defaults.title || defaults.lens);

    QVariantMap switched = defaultExifItemsStatus();
    switched.insert(
        {{"LensMaker", true}, {"ExposureMode", true}, {"Maker", false}, {"fileName", false}});
    EXPECT_EQ(
        optionsFrom({"--show", "LensMaker,ExposureMode", "--hide", "Maker", "--hide", "fileName"})
            ->displaySettings,
        switched);

    const QString missing = folder.filePath(QStringLiteral("missing.plist"));
    const std::pair<QStringList, QString> refusals[] = {
        {{"--show", "Makr"}, "cliUnknownItemMsg"},
        {{"--medium", "tape 18"}, "cliUnknownMediumMsg"},
        {{"--settings", missing}, "fileFailureMsg"},
    };
    for (const auto& [refused, key] : refusals) {
        const Result<LabelOptions> read = optionsFrom(refused);
        ASSERT_FALSE(read.ok()) << refused.join(' ').toStdString();
        EXPECT_EQ(read.failure().key, key);
        EXPECT_EQ(read.failure().arguments.value(0), refused.value(1)) << "names what is refused";
    }
}

TEST_F(LabelOptionsTest, SettingsFileGivesPhotographerItemsAndMediumWhenWellTyped) {
    const QString path = settingsFile({{QStringLiteral("photographer"), QStringLiteral("Ana")},
                                       {QStringLiteral("exifItem"), QVariantMap{{"Maker", false}}},
                                       {QStringLiteral("mediaTypeName"), LabelMedia::roll60Name}});
    auto options = optionsFrom({"--settings", path}).value();
    EXPECT_EQ(options.photographer, "Ana");
    EXPECT_EQ(options.displaySettings, (QVariantMap{{"Maker", false}})) << "taken whole";
    EXPECT_EQ(options.medium, LabelMedia::roll60Name);
    options =
        optionsFrom({"--settings", path, "--medium", "Tape 18", "--photographer", "Bo"}).value();
    EXPECT_EQ(options.medium, LabelMedia::tape18Name) << "the command line wins";
    EXPECT_EQ(options.photographer, "Bo");

    const QString odd = settingsFile({{QStringLiteral("photographer"), 12},
                                      {QStringLiteral("exifItem"), QStringLiteral("all")},
                                      {QStringLiteral("mediaTypeName"), QStringLiteral("")}});
    options = optionsFrom({"--settings", odd}).value();
    EXPECT_EQ(options.photographer, "Photographer");
    EXPECT_EQ(options.displaySettings, defaultExifItemsStatus());
    EXPECT_EQ(options.medium, LabelMedia::tape18Name);
}

TEST_F(LabelOptionsTest, LayoutIsPreparedAndFedInTheApplicationsOrder) {
    const auto options = optionsFrom({"--medium", "Roll 60", "--title", "Quay", "--photographer",
                                      "Ana", "--lens", "Tele 300"})
                             .value();
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
