#include "preferences/PreferencesKestavolin.h"

#include "photo/ConstStrings.h"
#include "photo/DefaultExifItems.h"
#include "platform/FontCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

namespace {

const QStringList checkBoxOutlets{"makerCk",       "modelCk",     "lensMakerCk",   "lensModelCk",
                                  "fLengthCk",     "fLength35Ck", "fNumberCk",     "expTimeCk",
                                  "sensitivityCk", "biasCk",      "expModeCk",     "expProgramCk",
                                  "meteringCk",    "wbCk",        "dateTimeOrgCk", "fileNameCk"};

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

// An installed family with at least `faces` faces, if the machine has one.
std::optional<QString> familyWithFaces(std::size_t faces) {
    for (const QString& family : FontCatalogue::availableFontFamilies()) {
        if (FontCatalogue::availableMembersOfFontFamily(family).size() >= faces)
            return family;
    }
    return std::nullopt;
}

class PreferencesKestavolinTest : public testing::Test {
protected:
    void SetUp() override {
        if (panel.fontFamily().isEmpty())
            GTEST_SKIP() << "no fonts installed";
    }
    PreferencesKestavolin panel;
};

TEST_F(PreferencesKestavolinTest, InterfaceHasEveryOutlet) {
    for (const QString& name : checkBoxOutlets)
        EXPECT_NE(panel.findChild<QCheckBox*>(name), nullptr) << name.toStdString();
    EXPECT_EQ(panel.mediaTypeButton()->count(), 2);
}

// The lists show every installed family (by its display name) and the first family's
// faces; nothing is chosen until a family is set or picked, and a style picked alone
// names the first family.
TEST_F(PreferencesKestavolinTest, FontListsOfferTheCatalogueAndChooseNothingBeforeAPick) {
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
// of range; picking a family then a style gives that face.
TEST_F(PreferencesKestavolinTest, SetOrPickedFontSelectsItsFace) {
    const std::optional<QString> family = familyWithFaces(3);
    if (!family)
        GTEST_SKIP() << "no family with three faces";
    const std::vector<FontMember> members = FontCatalogue::availableMembersOfFontFamily(*family);

    panel.setFontFountStyle(*family, 2);
    EXPECT_EQ(panel.fontFamilyName(), *family);
    EXPECT_EQ(panel.fontStyleIndex(), 2u);
    EXPECT_EQ(panel.psFontName(), members[2].postScriptName);
    EXPECT_EQ(panel.fontFamilyButton()->currentIndex(), panel.fontFamily().indexOf(*family));
    EXPECT_EQ(itemsOf(panel.fontStyleButton()), styleNames(members));
    EXPECT_EQ(panel.fontStyleButton()->currentIndex(), 2);

    panel.setFontFountStyle(*family, members.size());
    EXPECT_EQ(panel.fontStyleIndex(), 0u);
    EXPECT_EQ(panel.psFontName(), members[0].postScriptName);
    EXPECT_EQ(panel.fontStyleButton()->currentIndex(), 0);

    panel.fontFamilyButton()->setCurrentIndex(panel.fontFamily().indexOf(*family));
    panel.selectFontFamily();
    panel.fontStyleButton()->setCurrentIndex(1);
    panel.selectFontStyle();
    EXPECT_EQ(panel.fontStyleIndex(), 1u);
    EXPECT_EQ(panel.psFontName(), members[1].postScriptName);
}

TEST_F(PreferencesKestavolinTest, AliasFamilyOpensOnTheFaceItResolvesTo) {
    const std::optional<ResolvedFont> resolved = FontCatalogue::resolveFont("Helvetica");
    if (!resolved || !panel.fontFamily().contains(resolved->family))
        GTEST_SKIP() << "fontconfig offers no installed face for Helvetica";

    panel.setFontFountStyle("Helvetica", 0);
    EXPECT_EQ(panel.fontFamilyName(), resolved->family);
    EXPECT_EQ(panel.psFontName(), resolved->postScriptName);
    EXPECT_EQ(panel.fontFamilyButton()->currentText(),
              FontCatalogue::localizedNameForFamily(resolved->family));
    const std::vector<FontMember> members =
        FontCatalogue::availableMembersOfFontFamily(resolved->family);
    ASSERT_LT(panel.fontStyleIndex(), members.size());
    EXPECT_EQ(members[panel.fontStyleIndex()].postScriptName, resolved->postScriptName);
}

// A family opens on its regular face, whatever order its files list the faces in.
TEST_F(PreferencesKestavolinTest, ChoosingAFamilySelectsItsRegularFace) {
    for (const QString& family : panel.fontFamily()) {
        const std::vector<FontMember> members = FontCatalogue::availableMembersOfFontFamily(family);
        if (members.size() < 2)
            continue;
        panel.fontFamilyButton()->setCurrentIndex(panel.fontFamily().indexOf(family));
        panel.selectFontFamily();
        const FontMember& chosen = members.at(panel.fontStyleIndex());
        EXPECT_EQ(panel.psFontName(), chosen.postScriptName);
        const bool hasUpright = std::any_of(members.begin(), members.end(),
                                            [](const FontMember& m) { return m.slant == 0; });
        if (hasUpright) {
            EXPECT_EQ(chosen.slant, 0)
                << family.toStdString() << " opened on " << chosen.styleName.toStdString();
        }
    }
    if (panel.fontFamily().contains(QStringLiteral("URW Gothic"))) {
        panel.fontFamilyButton()->setCurrentIndex(panel.fontFamily().indexOf("URW Gothic"));
        panel.selectFontFamily();
        EXPECT_EQ(panel.psFontName(), QStringLiteral("URWGothic-Book"));
    }
}

TEST_F(PreferencesKestavolinTest, AnyMediumButTape18MeansRoll60) {
    panel.setMediaType(MediaTape18Key);
    EXPECT_EQ(panel.mediaType(), MediaTape18Key);
    EXPECT_EQ(panel.mediaTypeButton()->currentIndex(), 0);
    for (const QString& other : {MediaRoll60Key, QStringLiteral("tape 18"), QString()}) {
        panel.setMediaType(other);
        EXPECT_EQ(panel.mediaType(), MediaRoll60Key);
        EXPECT_EQ(panel.mediaTypeButton()->currentIndex(), 1);
    }
    panel.mediaTypeButton()->setCurrentIndex(0);
    panel.selectMedia();
    EXPECT_EQ(panel.mediaType(), MediaTape18Key);
}

TEST_F(PreferencesKestavolinTest, EmptySettingsKeepTheDesignedBoxes) {
    panel.setExifItemState({});
    panel.accept();
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(panel.exifItemState(), defaultExifItemsStatus());
}

TEST_F(PreferencesKestavolinTest, ConfirmWritesAllSeventeenKeysFromTheBoxes) {
    panel.setExifItemState(
        {{skipMaker, false}, {maker, true}, {model, "yes"}, {whiteBalance, true}});
    EXPECT_TRUE(panel.checkBoxForItem(maker)->isChecked());
    EXPECT_FALSE(panel.checkBoxForItem(model)->isChecked());
    EXPECT_FALSE(panel.checkBoxForItem(fileName)->isChecked());

    panel.checkBoxForItem(fileName)->setChecked(true);
    panel.checkBoxForItem(lensMaker)->setTristate(true);
    panel.checkBoxForItem(lensMaker)->setCheckState(Qt::PartiallyChecked);
    panel.accept();

    const QVariantMap state = panel.exifItemState();
    EXPECT_EQ(state.size(), 17);
    EXPECT_FALSE(state.value(skipMaker).toBool());
    EXPECT_TRUE(state.value(maker).toBool());
    EXPECT_FALSE(state.value(model).toBool());
    EXPECT_TRUE(state.value(fileName).toBool());
    EXPECT_TRUE(state.value(whiteBalance).toBool());
    EXPECT_FALSE(state.value(lensMaker).toBool());
    for (auto item = state.cbegin(); item != state.cend(); ++item)
        EXPECT_EQ(item.value().typeId(), QMetaType::Bool) << item.key().toStdString();
}

TEST_F(PreferencesKestavolinTest, CancelAndEscapeChangeNothing) {
    panel.reject();
    EXPECT_EQ(panel.result(), QDialog::Rejected);
    EXPECT_TRUE(panel.exifItemState().isEmpty());

    PreferencesKestavolin escaped;
    escaped.show();
    escaped.reject();
    EXPECT_EQ(escaped.result(), QDialog::Rejected);
    EXPECT_FALSE(escaped.isVisible());
}

} // namespace
