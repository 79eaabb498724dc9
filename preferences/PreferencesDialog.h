#pragma once

#include "photo/PhotoInfo.h"
#include "platform/FontCatalogue.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <map>
#include <memory>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace Ui {
class PreferencesDialog;
}

// The preferences panel: the label medium, the label font (family and style), which
// Exif items the label shows, the photographer and lens of photographs that have none
// of their own, and how the photo list takes photographs in. The caller loads the
// current settings into it, runs it with openPreferencesPanel() and, when that answers true, reads
// the choices back. The panel itself reads and writes no file.
class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    // Loads the interface and fills the font lists with every installed family.
    explicit PreferencesDialog(QWidget* parent = nullptr);
    ~PreferencesDialog() override;

    // Shows the family and the style at styleIndex (the first style when the index is
    // out of range). A family that is not installed is looked up as fontconfig
    // resolves it, so a name served through an alias ("Helvetica") shows the family
    // and style actually used; a name fontconfig cannot place changes nothing.
    void setFontFamilyAndStyle(const QString& familyName, quint64 styleIndex);
    // "Tape 18" selects the tape; any other name selects "Roll 60".
    void setMediaType(const QString& name);
    // Sets the check boxes from the display settings; a missing or non-boolean value
    // is off. An empty dictionary leaves the boxes as designed.
    void setExifItemState(const QVariantMap& items);
    // The photo list's two opt-in switches: a photograph given no title takes its own
    // stored title, and one without camera data is labelled from its picture.
    void setListOptions(bool titlesFromPhotos, bool labelWithoutCameraData);
    bool titlesFromPhotos() const;
    bool labelWithoutCameraData() const;
    // The default photographer, and the default lens among the lens list's names
    // (none shown when the list does not hold it).
    void setDefaults(const QString& photographer, const QStringList& lensNames,
                     const QString& lens);
    // The photographer typed; an emptied field answers the one it was given.
    QString defaultPhotographer() const;
    QString defaultLens() const;

    // Runs the panel modally; true when the user confirmed.
    bool openPreferencesPanel();

    // The choices. The font is empty until a family was set or chosen.
    const QString& psFontName() const { return fontName_; }
    const QString& fontFamilyName() const { return fontFamilyName_; }
    quint64 fontStyleIndex() const { return fontStyleIndex_; }
    const QString& mediaType() const { return mediaType_; }
    // Empty until confirmed, then the sixteen item keys plus "skipMaker".
    const QVariantMap& exifItemState() const { return exifItemState_; }

    // Installed families in catalogue order, and their display names.
    const QStringList& fontFamily() const { return fontFamily_; }
    const QStringList& fontFamilyLocal() const { return fontFamilyLocal_; }

    QDialog* preferencesPanel() { return this; }
    QComboBox* mediaTypeButton() const;
    QComboBox* fontFamilyButton() const;
    QComboBox* fontStyleButton() const;
    QPushButton* setPreferenceButton() const;
    QPushButton* cancelPreferenceButton() const;
    // The check box of a display-settings key; null for a key without one.
    QCheckBox* checkBoxForItem(PhotoInfo::Item item) const;

public slots:
    void selectMedia();
    void selectFontFamily();
    void selectFontStyle();
    // Takes the check boxes' states as the confirmed choice and ends the panel; Cancel,
    // Escape and the window's close button end it with reject().
    void accept() override;

private:
    void awakeFromNib();
    const std::vector<FontMember>& membersAt(int familyIndex) const;
    void showFace(int familyIndex, quint64 styleIndex);

    std::unique_ptr<Ui::PreferencesDialog> ui_;
    // Check boxes in the order the display settings are written.
    std::vector<std::pair<QCheckBox*, PhotoInfo::Item>> itemCheckBoxes_;

    QStringList fontFamily_;
    QStringList fontFamilyLocal_;
    // Family name to its faces, filled as families are shown. A node-based map, so
    // a reference to one family's faces stays valid while others are added.
    mutable std::map<QString, std::vector<FontMember>> fontList_;
    QString fontName_;
    QString fontFamilyName_;
    quint64 fontStyleIndex_ = 0;
    QString mediaType_;
    QString givenPhotographer_;
    QVariantMap exifItemState_;
    bool makerSkip_ = true;
};
