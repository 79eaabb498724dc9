#include "photo/SettingsFile.h"
#include "platform/FontCatalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsFile, OnlyTheBooleanTrueSwitchesAnItemOn) {
    using Item = PhotoInfo::Item;
    const QVariantMap items{
        {"Maker", true}, {"Model", false}, {"LensMaker", "true"}, {"LensModel", 1}};
    EXPECT_TRUE(SettingsFile::isItemOn(items, Item::Maker));
    for (const Item item : {Item::Model, Item::LensMaker, Item::LensModel, Item::FocalLength})
        EXPECT_FALSE(SettingsFile::isItemOn(items, item))
            << PhotoInfo::itemName(item).toStdString();
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
