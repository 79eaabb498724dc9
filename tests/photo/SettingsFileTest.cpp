#include "photo/SettingsFile.h"
#include "platform/FontCatalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsFile, OnlyTheBooleanTrueSwitchesAnItemOn) {
    const QVariantMap items{{"on", true}, {"off", false}, {"text", "true"}, {"one", 1}};
    EXPECT_TRUE(SettingsFile::isItemOn(items, "on"));
    for (const char* key : {"off", "text", "one", "missing"})
        EXPECT_FALSE(SettingsFile::isItemOn(items, key)) << key;
}

TEST(SettingsFile, ThePhotographsLensIsExifInAnyLetterCase) {
    for (const char* name : {"Exif", "EXIF", "exif", "eXiF"})
        EXPECT_TRUE(SettingsFile::namesPhotographLens(name)) << name;
    for (const char* name : {"Exif ", "Exi", "", "Exif 50mm"})
        EXPECT_FALSE(SettingsFile::namesPhotographLens(name)) << name;
}

TEST(SettingsFile, DefaultFontIsMyriadProWhenInstalledElseHelvetica) {
    const SettingsFile::Font& font = SettingsFile::defaultFont();
    EXPECT_EQ(font.styleIndex, 0u);
    if (FontCatalogue::availableFontFamilies().contains("Myriad Pro")) {
        EXPECT_EQ(font.postScriptName, "MyriadPro-Regular");
    } else {
        EXPECT_EQ(font.familyName, "Helvetica");
        EXPECT_EQ(font.postScriptName, "Helvetica");
    }
}

} // namespace
