#include "preferences/PreferencesKestavolin.h"

#include "photo/ConstStrings.h"
#include "photo/DefaultExifItems.h"
#include "photo/SettingsFile.h"
#include "preferences/PanelColours.h"
#include "ui_PreferencesKestavolin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// The panel's run ends with this code whether it was confirmed or cancelled; the
// answer is endCode().
constexpr int panelStopCode = 128;

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

PreferencesKestavolin::PreferencesKestavolin(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PreferencesKestavolin>()) {
    m_ui->setupUi(this);
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setObjectName("setPreferenceButton");
    m_ui->buttonBox->button(QDialogButtonBox::Cancel)->setObjectName("canselPreferenceButton");
    m_itemCheckBoxes = {
        {m_ui->makerCk, maker},
        {m_ui->modelCk, model},
        {m_ui->lensMakerCk, lensMaker},
        {m_ui->lensModelCk, lensModel},
        {m_ui->fLengthCk, focalLength},
        {m_ui->fLength35Ck, focalLengthIn35mmFormat},
        {m_ui->fNumberCk, fNumber},
        {m_ui->expTimeCk, exposureTime},
        {m_ui->sensitivityCk, sensitivity},
        {m_ui->biasCk, exposureBiasValue},
        {m_ui->expModeCk, exposureMode},
        {m_ui->expProgramCk, exposureProgram},
        {m_ui->meteringCk, meteringMode},
        {m_ui->wbCk, whiteBalance},
        {m_ui->dateTimeOrgCk, dateTimeOriginal},
        {m_ui->fileNameCk, fileName},
    };

    connect(m_ui->mediaTypeButton, &QComboBox::activated, this,
            &PreferencesKestavolin::selectMedia);
    connect(m_ui->fontFamilyButton, &QComboBox::activated, this,
            &PreferencesKestavolin::selectFontFamily);
    connect(m_ui->fontStyleButton, &QComboBox::activated, this,
            &PreferencesKestavolin::selectFontStyle);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &PreferencesKestavolin::confirmed);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &PreferencesKestavolin::cansel);

    // The boxes start as a new user's display settings.
    setExifItemState(defaultExifItemsStatus());
    awakeFromNib();
    applyPanelColours(this);
}

PreferencesKestavolin::~PreferencesKestavolin() = default;

// The family list shows display names; every lookup goes by the family's own name at
// the same index.
void PreferencesKestavolin::awakeFromNib() {
    m_fontFamily = FontCatalogue::availableFontFamilies();
    for (const QString& family : std::as_const(m_fontFamily))
        m_fontFamilyLocal.append(FontCatalogue::localizedNameForFamily(family));
    m_ui->fontFamilyButton->clear();
    m_ui->fontFamilyButton->addItems(m_fontFamilyLocal);
    m_ui->fontStyleButton->clear();
    for (const FontMember& member : membersAt(0))
        m_ui->fontStyleButton->addItem(member.styleName);
}

const std::vector<FontMember>& PreferencesKestavolin::membersAt(int familyIndex) const {
    if (familyIndex < 0 || familyIndex >= m_fontFamily.size())
        return noMembers;
    // Listing the faces takes a font-database query per family, so a family's faces
    // are listed when it is first shown rather than for every family at once.
    const QString& family = m_fontFamily.at(familyIndex);
    auto members = m_fontList.find(family);
    if (members == m_fontList.end())
        members =
            m_fontList.emplace(family, FontCatalogue::availableMembersOfFontFamily(family)).first;
    return members->second;
}

void PreferencesKestavolin::showFace(int familyIndex, quint64 styleIndex) {
    const std::vector<FontMember>& members = membersAt(familyIndex);
    if (styleIndex >= members.size())
        styleIndex = 0;

    m_ui->fontFamilyButton->setCurrentIndex(familyIndex);
    m_ui->fontStyleButton->clear();
    for (const FontMember& member : members)
        m_ui->fontStyleButton->addItem(member.styleName);
    m_ui->fontStyleButton->setCurrentIndex(members.empty() ? -1 : int(styleIndex));

    m_fontName = members.empty() ? QString() : members[styleIndex].postScriptName;
    m_fontFamilyName = m_fontFamily.at(familyIndex);
    m_fontStyleIndex = styleIndex;
}

void PreferencesKestavolin::setFontFountStyle(const QString& familyName, quint64 styleIndex) {
    const int familyIndex = m_fontFamily.indexOf(familyName);
    if (familyIndex >= 0) {
        showFace(familyIndex, styleIndex);
        return;
    }

    const std::optional<ResolvedFont> resolved = FontCatalogue::resolveFont(familyName);
    if (!resolved)
        return;
    const int resolvedIndex = m_fontFamily.indexOf(resolved->family);
    if (resolvedIndex < 0)
        return;
    const std::vector<FontMember>& members = membersAt(resolvedIndex);
    const auto face = std::find_if(members.begin(), members.end(), [&](const FontMember& m) {
        return m.postScriptName == resolved->postScriptName;
    });
    showFace(resolvedIndex, face == members.end() ? 0 : quint64(face - members.begin()));
}

void PreferencesKestavolin::setMediaType(const QString& name) {
    const bool tape = name == MediaTape18Key;
    m_mediaType = tape ? MediaTape18Key : MediaRoll60Key;
    m_ui->mediaTypeButton->setCurrentIndex(tape ? tapeItemIndex : rollItemIndex);
}

void PreferencesKestavolin::setExifItemState(const QVariantMap& items) {
    if (items.isEmpty())
        return;
    m_makerSkip = SettingsFile::isItemOn(items, skipMaker);
    for (const auto& [checkBox, key] : m_itemCheckBoxes)
        checkBox->setChecked(SettingsFile::isItemOn(items, key));
}

bool PreferencesKestavolin::openPreferencesPanel() {
    m_endCode = false;
    exec();
    return m_endCode;
}

QComboBox* PreferencesKestavolin::mediaTypeButton() const {
    return m_ui->mediaTypeButton;
}

QComboBox* PreferencesKestavolin::fontFamilyButton() const {
    return m_ui->fontFamilyButton;
}

QComboBox* PreferencesKestavolin::fontStyleButton() const {
    return m_ui->fontStyleButton;
}

QPushButton* PreferencesKestavolin::setPreferenceButton() const {
    return m_ui->buttonBox->button(QDialogButtonBox::Ok);
}

QPushButton* PreferencesKestavolin::canselPreferenceButton() const {
    return m_ui->buttonBox->button(QDialogButtonBox::Cancel);
}

QCheckBox* PreferencesKestavolin::checkBoxForItem(const QString& key) const {
    for (const auto& [checkBox, itemKey] : m_itemCheckBoxes) {
        if (itemKey == key)
            return checkBox;
    }
    return nullptr;
}

void PreferencesKestavolin::selectMedia() {
    m_mediaType =
        m_ui->mediaTypeButton->currentIndex() == tapeItemIndex ? MediaTape18Key : MediaRoll60Key;
}

void PreferencesKestavolin::selectFontFamily() {
    const int familyIndex = m_ui->fontFamilyButton->currentIndex();
    if (familyIndex >= 0)
        showFace(familyIndex, regularFaceIndex(membersAt(familyIndex)));
}

// The family shown is taken along with the style, so the three font choices always
// describe the same face, even when no family was set or chosen before.
void PreferencesKestavolin::selectFontStyle() {
    const int familyIndex = m_ui->fontFamilyButton->currentIndex();
    const int styleIndex = m_ui->fontStyleButton->currentIndex();
    const std::vector<FontMember>& members = membersAt(familyIndex);
    if (styleIndex < 0 || std::size_t(styleIndex) >= members.size())
        return;
    m_fontFamilyName = m_fontFamily.at(familyIndex);
    m_fontStyleIndex = quint64(styleIndex);
    m_fontName = members[std::size_t(styleIndex)].postScriptName;
}

void PreferencesKestavolin::confirmed() {
    m_exifItemState.insert(skipMaker, m_makerSkip);
    for (const auto& [checkBox, key] : m_itemCheckBoxes)
        m_exifItemState.insert(key, checkBox->checkState() == Qt::Checked);
    finish(true);
}

void PreferencesKestavolin::cansel() {
    finish(false);
}

void PreferencesKestavolin::reject() {
    cansel();
}

void PreferencesKestavolin::finish(bool confirmedByUser) {
    m_endCode = confirmedByUser;
    done(panelStopCode);
}
