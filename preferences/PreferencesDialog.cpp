#include "preferences/PreferencesDialog.h"

#include "photo/DefaultExifItems.h"
#include "photo/LabelMedia.h"
#include "photo/PhotoInfo.h"
#include "photo/SettingsFile.h"
#include "preferences/PanelColours.h"
#include "preferences/PanelFit.h"
#include "ui_PreferencesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

constexpr int tapeItemIndex = 0;
constexpr int rollItemIndex = 1;

const std::vector<FontMember> noMembers;

// fontconfig's regular weight and upright slant.
constexpr int regularWeight = 80;
constexpr int uprightSlant = 0;

// The face a family opens on: the upright one nearest the regular weight (the first
// of equals), or the nearest of all when the family has no upright face.
quint64 regularFaceIndex(const std::vector<FontMember>& members) {
    const auto distance = [](const FontMember& member) {
        return std::pair{member.slant != uprightSlant, std::abs(member.weight - regularWeight)};
    };
    const auto regular = std::min_element(
        members.begin(), members.end(),
        [&](const FontMember& a, const FontMember& b) { return distance(a) < distance(b); });
    return regular == members.end() ? 0 : quint64(regular - members.begin());
}

} // namespace

PreferencesDialog::PreferencesDialog(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PreferencesDialog>()) {
    ui_->setupUi(this);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setObjectName("setPreferenceButton");
    ui_->buttonBox->button(QDialogButtonBox::Cancel)->setObjectName("cancelPreferenceButton");
    using Item = PhotoInfo::Item;
    itemCheckBoxes_ = {
        {ui_->makerCk, Item::Maker},
        {ui_->modelCk, Item::Model},
        {ui_->lensMakerCk, Item::LensMaker},
        {ui_->lensModelCk, Item::LensModel},
        {ui_->fLengthCk, Item::FocalLength},
        {ui_->fLength35Ck, Item::FocalLengthIn35mmFormat},
        {ui_->fNumberCk, Item::FNumber},
        {ui_->expTimeCk, Item::ExposureTime},
        {ui_->sensitivityCk, Item::Sensitivity},
        {ui_->biasCk, Item::ExposureBiasValue},
        {ui_->expModeCk, Item::ExposureMode},
        {ui_->expProgramCk, Item::ExposureProgram},
        {ui_->meteringCk, Item::MeteringMode},
        {ui_->wbCk, Item::WhiteBalance},
        {ui_->dateTimeOrgCk, Item::DateTimeOriginal},
        {ui_->fileNameCk, Item::FileName},
    };

    connect(ui_->mediaTypeButton, &QComboBox::activated, this, &PreferencesDialog::selectMedia);
    connect(ui_->fontFamilyButton, &QComboBox::activated, this,
            &PreferencesDialog::selectFontFamily);
    connect(ui_->fontStyleButton, &QComboBox::activated, this, &PreferencesDialog::selectFontStyle);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The boxes start as a new user's display settings.
    setExifItemState(defaultExifItemsStatus());
    awakeFromNib();
    applyPanelColours(this);
    fitPanelToScreen(*this, *ui_->panelScroll);
}

PreferencesDialog::~PreferencesDialog() = default;

// The family list shows display names; every lookup goes by the family's own name at
// the same index.
void PreferencesDialog::awakeFromNib() {
    fontFamily_ = FontCatalogue::availableFontFamilies();
    for (const QString& family : std::as_const(fontFamily_))
        fontFamilyLocal_.append(FontCatalogue::localizedNameForFamily(family));
    ui_->fontFamilyButton->clear();
    ui_->fontFamilyButton->addItems(fontFamilyLocal_);
    ui_->fontStyleButton->clear();
    for (const FontMember& member : membersAt(0))
        ui_->fontStyleButton->addItem(member.styleName);
}

const std::vector<FontMember>& PreferencesDialog::membersAt(int familyIndex) const {
    if (familyIndex < 0 || familyIndex >= fontFamily_.size())
        return noMembers;
    // Listing the faces takes a font-database query per family, so a family's faces
    // are listed when it is first shown rather than for every family at once.
    const QString& family = fontFamily_.at(familyIndex);
    auto members = fontList_.find(family);
    if (members == fontList_.end())
        members =
            fontList_.emplace(family, FontCatalogue::availableMembersOfFontFamily(family)).first;
    return members->second;
}

void PreferencesDialog::showFace(int familyIndex, quint64 styleIndex) {
    const std::vector<FontMember>& members = membersAt(familyIndex);
    if (styleIndex >= members.size())
        styleIndex = 0;

    ui_->fontFamilyButton->setCurrentIndex(familyIndex);
    ui_->fontStyleButton->clear();
    for (const FontMember& member : members)
        ui_->fontStyleButton->addItem(member.styleName);
    ui_->fontStyleButton->setCurrentIndex(members.empty() ? -1 : int(styleIndex));

    fontName_ = members.empty() ? QString() : members[styleIndex].postScriptName;
    fontFamilyName_ = fontFamily_.at(familyIndex);
    fontStyleIndex_ = styleIndex;
}

void PreferencesDialog::setFontFamilyAndStyle(const QString& familyName, quint64 styleIndex) {
    const int familyIndex = fontFamily_.indexOf(familyName);
    if (familyIndex >= 0) {
        showFace(familyIndex, styleIndex);
        return;
    }

    const std::optional<ResolvedFont> resolved = FontCatalogue::resolveFont(familyName);
    if (!resolved)
        return;
    const int resolvedIndex = fontFamily_.indexOf(resolved->family);
    if (resolvedIndex < 0)
        return;
    const std::vector<FontMember>& members = membersAt(resolvedIndex);
    const auto face = std::find_if(members.begin(), members.end(), [&](const FontMember& m) {
        return m.postScriptName == resolved->postScriptName;
    });
    showFace(resolvedIndex, face == members.end() ? 0 : quint64(face - members.begin()));
}

void PreferencesDialog::setMediaType(const QString& name) {
    const bool tape = name == LabelMedia::tape18Name;
    mediaType_ = tape ? LabelMedia::tape18Name : LabelMedia::roll60Name;
    ui_->mediaTypeButton->setCurrentIndex(tape ? tapeItemIndex : rollItemIndex);
}

void PreferencesDialog::setExifItemState(const QVariantMap& items) {
    if (items.isEmpty())
        return;
    makerSkip_ = SettingsFile::isItemOn(items, PhotoInfo::Item::SkipMaker);
    for (const auto& [checkBox, item] : itemCheckBoxes_)
        checkBox->setChecked(SettingsFile::isItemOn(items, item));
}

bool PreferencesDialog::openPreferencesPanel() {
    return exec() == QDialog::Accepted;
}

QComboBox* PreferencesDialog::mediaTypeButton() const {
    return ui_->mediaTypeButton;
}

QComboBox* PreferencesDialog::fontFamilyButton() const {
    return ui_->fontFamilyButton;
}

QComboBox* PreferencesDialog::fontStyleButton() const {
    return ui_->fontStyleButton;
}

QPushButton* PreferencesDialog::setPreferenceButton() const {
    return ui_->buttonBox->button(QDialogButtonBox::Ok);
}

QPushButton* PreferencesDialog::cancelPreferenceButton() const {
    return ui_->buttonBox->button(QDialogButtonBox::Cancel);
}

QCheckBox* PreferencesDialog::checkBoxForItem(PhotoInfo::Item item) const {
    for (const auto& [checkBox, shownItem] : itemCheckBoxes_) {
        if (shownItem == item)
            return checkBox;
    }
    return nullptr;
}

void PreferencesDialog::selectMedia() {
    mediaType_ = ui_->mediaTypeButton->currentIndex() == tapeItemIndex ? LabelMedia::tape18Name
                                                                       : LabelMedia::roll60Name;
}

void PreferencesDialog::selectFontFamily() {
    const int familyIndex = ui_->fontFamilyButton->currentIndex();
    if (familyIndex >= 0)
        showFace(familyIndex, regularFaceIndex(membersAt(familyIndex)));
}

// The family shown is taken along with the style, so the three font choices always
// describe the same face, even when no family was set or chosen before.
void PreferencesDialog::selectFontStyle() {
    const int familyIndex = ui_->fontFamilyButton->currentIndex();
    const int styleIndex = ui_->fontStyleButton->currentIndex();
    const std::vector<FontMember>& members = membersAt(familyIndex);
    if (styleIndex < 0 || std::size_t(styleIndex) >= members.size())
        return;
    fontFamilyName_ = fontFamily_.at(familyIndex);
    fontStyleIndex_ = quint64(styleIndex);
    fontName_ = members[std::size_t(styleIndex)].postScriptName;
}

void PreferencesDialog::setListOptions(bool titlesFromPhotos, bool labelWithoutCameraData) {
    ui_->titlesFromPhotosCk->setChecked(titlesFromPhotos);
    ui_->withoutCameraDataCk->setChecked(labelWithoutCameraData);
}

bool PreferencesDialog::titlesFromPhotos() const {
    return ui_->titlesFromPhotosCk->isChecked();
}

bool PreferencesDialog::labelWithoutCameraData() const {
    return ui_->withoutCameraDataCk->isChecked();
}

void PreferencesDialog::setDefaults(const QString& photographer, const QStringList& lensNames,
                                    const QString& lens) {
    givenPhotographer_ = photographer;
    ui_->defaultPhotographerBox->setText(photographer);
    ui_->defaultLensBox->clear();
    ui_->defaultLensBox->addItems(lensNames);
    ui_->defaultLensBox->setCurrentIndex(int(lensNames.indexOf(lens)));
}

QString PreferencesDialog::defaultPhotographer() const {
    const QString typed = ui_->defaultPhotographerBox->text();
    return typed.isEmpty() ? givenPhotographer_ : typed;
}

QString PreferencesDialog::defaultLens() const {
    return ui_->defaultLensBox->currentText();
}

void PreferencesDialog::accept() {
    exifItemState_.insert(PhotoInfo::itemName(PhotoInfo::Item::SkipMaker), makerSkip_);
    for (const auto& [checkBox, item] : itemCheckBoxes_)
        exifItemState_.insert(PhotoInfo::itemName(item), checkBox->checkState() == Qt::Checked);
    QDialog::accept();
}
