#include "preferences/PreferencesDialog.h"

#include "photo/DefaultExifItems.h"
#include "photo/LabelMedia.h"
#include "platform/FontCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

QStringList styleNames(const std::vector<FontMember>& members) {
    QStringList names;
    for (const FontMember& member : members)
        names.append(member.styleName);
    return names;
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

class PreferencesDialogTest : public testing::Test {
protected:
    void SetUp() override {
        if (panel.fontFamily().isEmpty())
            GTEST_SKIP() << "no fonts installed";
    }
    PreferencesDialog panel;
};

// The lists show every installed family (by its display name) and the first family's
// faces; nothing is chosen until a family is set or picked, and a style picked alone
// names the first family.
TEST_F(PreferencesDialogTest, FontListsOfferTheCatalogueAndChooseNothingBeforeAPick) {
    EXPECT_EQ(itemsOf(panel.fontFamilyButton()), panel.fontFamilyLocal());
    const QString first = panel.fontFamily().first();
    const std::vector<FontMember> members = FontCatalogue::availableMembersOfFontFamily(first);
    EXPECT_EQ(itemsOf(panel.fontStyleButton()), styleNames(members));
    EXPECT_EQ(panel.psFontName(), "");
    EXPECT_EQ(panel.fontFamilyName(), "");

    panel.fontStyleButton()->setCurrentIndex(0);
    panel.selectFontStyle();
    EXPECT_EQ(panel.fontFamilyName(), first);
    EXPECT_EQ(panel.psFontName(), members[0].postScriptName);
}

// Setting a family and an index selects that face, or the first when the index is out
// of range; an alias family opens on the face it resolves to.
TEST_F(PreferencesDialogTest, SetFontSelectsItsFace) {
    const QStringList families = panel.fontFamily();
    const auto family = std::find_if(families.begin(), families.end(), [](const QString& name) {
        return FontCatalogue::availableMembersOfFontFamily(name).size() >= 3;
    });
    if (family == families.end())
        GTEST_SKIP() << "no family with three faces";
    const std::vector<FontMember> members = FontCatalogue::availableMembersOfFontFamily(*family);
    panel.setFontFamilyAndStyle(*family, 2);
    EXPECT_EQ(panel.psFontName(), members[2].postScriptName);
    EXPECT_EQ(panel.fontFamilyButton()->currentIndex(), families.indexOf(*family));
    EXPECT_EQ(itemsOf(panel.fontStyleButton()), styleNames(members));
    EXPECT_EQ(panel.fontStyleButton()->currentIndex(), 2);
    panel.setFontFamilyAndStyle(*family, members.size());
    EXPECT_EQ(panel.fontStyleIndex(), 0u);
    EXPECT_EQ(panel.psFontName(), members[0].postScriptName);

    const std::optional<ResolvedFont> resolved = FontCatalogue::resolveFont("Helvetica");
    if (!resolved || !families.contains(resolved->family))
        GTEST_SKIP() << "fontconfig offers no installed face for Helvetica";
    panel.setFontFamilyAndStyle("Helvetica", 0);
    EXPECT_EQ(panel.fontFamilyName(), resolved->family);
    EXPECT_EQ(panel.psFontName(), resolved->postScriptName);
    EXPECT_EQ(panel.fontFamilyButton()->currentText(),
              FontCatalogue::localizedNameForFamily(resolved->family));
}

// A family opens on its regular face, whatever order its files list the faces in.
TEST_F(PreferencesDialogTest, ChoosingAFamilySelectsItsRegularFace) {
    for (const QString& family : panel.fontFamily()) {
        const std::vector<FontMember> members = FontCatalogue::availableMembersOfFontFamily(family);
        panel.fontFamilyButton()->setCurrentIndex(panel.fontFamily().indexOf(family));
        panel.selectFontFamily();
        const bool hasUpright = std::any_of(members.begin(), members.end(),
                                            [](const FontMember& m) { return m.slant == 0; });
        EXPECT_TRUE(!hasUpright || members.at(panel.fontStyleIndex()).slant == 0)
            << family.toStdString();
        EXPECT_TRUE(family != QStringLiteral("URW Gothic") ||
                    panel.psFontName() == QStringLiteral("URWGothic-Book"));
    }
}

TEST_F(PreferencesDialogTest, AnyMediumButTape18MeansRoll60) {
    EXPECT_EQ(panel.mediaTypeButton()->count(), 2);
    for (const auto& [medium, index] : {std::pair{LabelMedia::tape18Name, 0},
                                        {LabelMedia::roll60Name, 1},
                                        {QStringLiteral("tape 18"), 1},
                                        {QString(), 1}}) {
        panel.setMediaType(medium);
        EXPECT_EQ(panel.mediaType(), index ? LabelMedia::roll60Name : LabelMedia::tape18Name);
        EXPECT_EQ(panel.mediaTypeButton()->currentIndex(), index);
    }
}

// Every item has its box; empty settings keep the boxes as designed, and OK writes all
// seventeen keys of the settings file as booleans (a partly checked box is off); Cancel
// changes nothing.
TEST_F(PreferencesDialogTest, ConfirmWritesAllSeventeenKeysFromTheBoxes) {
    using Item = PhotoInfo::Item;
    for (const auto& [item, shown] : defaultExifItems())
        EXPECT_TRUE(item == Item::SkipMaker || panel.checkBoxForItem(item))
            << PhotoInfo::itemName(item).toStdString();
    panel.reject();
    EXPECT_TRUE(panel.exifItemState().isEmpty());
    panel.setExifItemState({});
    panel.accept();
    EXPECT_EQ(panel.exifItemState(), defaultExifItemsStatus());

    panel.setExifItemState(
        {{"skipMaker", false}, {"Maker", true}, {"Model", "yes"}, {"WhiteBalance", true}});
    EXPECT_TRUE(panel.checkBoxForItem(Item::Maker)->isChecked());
    EXPECT_FALSE(panel.checkBoxForItem(Item::Model)->isChecked());
    EXPECT_FALSE(panel.checkBoxForItem(Item::FileName)->isChecked());
    panel.checkBoxForItem(Item::FileName)->setChecked(true);
    panel.checkBoxForItem(Item::LensMaker)->setTristate(true);
    panel.checkBoxForItem(Item::LensMaker)->setCheckState(Qt::PartiallyChecked);
    panel.accept();

    const QVariantMap state = panel.exifItemState();
    const QVariantMap expected{{"skipMaker", false}, {"Maker", true},        {"Model", false},
                               {"fileName", true},   {"WhiteBalance", true}, {"LensMaker", false}};
    EXPECT_EQ(state.size(), 17);
    for (auto item = expected.cbegin(); item != expected.cend(); ++item)
        EXPECT_EQ(state.value(item.key()), item.value()) << item.key().toStdString();
    for (auto item = state.cbegin(); item != state.cend(); ++item)
        EXPECT_EQ(item.value().typeId(), QMetaType::Bool) << item.key().toStdString();
}

// The panel never opens beyond its screen; what does not fit scrolls, and OK and
// Cancel stay within the panel. It needs no more than a small laptop screen offers.
TEST_F(PreferencesDialogTest, FitsItsScreenWithItsButtonsInReach) {
    const QSize room = panel.screen()->availableSize();
    EXPECT_LE(panel.width(), room.width());
    EXPECT_LE(panel.height(), room.height());
    EXPECT_LE(panel.minimumSizeHint().height(), 600);
    EXPECT_LE(panel.minimumSizeHint().width(), 1024);
    panel.show();
    for (QPushButton* button : {panel.setPreferenceButton(), panel.cancelPreferenceButton()})
        EXPECT_TRUE(panel.rect().contains(button->mapTo(&panel, button->rect().bottomRight())));
}

} // namespace
