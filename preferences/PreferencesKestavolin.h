#pragma once

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
class PreferencesKestavolin;
}

// The preferences panel: the label medium, the label font (family and style) and
// which Exif items the label shows. The caller loads the current settings into it,
// runs it with openPreferencesPanel() and, when that answers true, reads the choices
// back. The panel itself reads and writes no file.
class PreferencesKestavolin : public QDialog {
    Q_OBJECT

public:
    // Loads the interface and fills the font lists with every installed family.
    explicit PreferencesKestavolin(QWidget* parent = nullptr);
    ~PreferencesKestavolin() override;

    // Shows the family and the style at styleIndex (the first style when the index is
    // out of range). A family that is not installed is looked up as fontconfig
    // resolves it, so a name served through an alias ("Helvetica") shows the family
    // and style actually used; a name fontconfig cannot place changes nothing.
    void setFontFountStyle(const QString& familyName, quint64 styleIndex);
    // "Tape 18" selects the tape; any other name selects "Roll 60".
    void setMediaType(const QString& name);
    // Sets the check boxes from the display settings; a missing or non-boolean value
    // is off. An empty dictionary leaves the boxes as designed.
    void setExifItemState(const QVariantMap& items);

    // Runs the panel modally; true when the user confirmed.
    bool openPreferencesPanel();

    // The choices. The font is empty until a family was set or chosen.
    const QString& psFontName() const { return m_fontName; }
    const QString& fontFamilyName() const { return m_fontFamilyName; }
    quint64 fontStyleIndex() const { return m_fontStyleIndex; }
    const QString& mediaType() const { return m_mediaType; }
    // Empty until confirmed, then the sixteen item keys plus "skipMaker".
    const QVariantMap& exifItemState() const { return m_exifItemState; }
    bool endCode() const { return m_endCode; }

    // Installed families in catalogue order, and their display names.
    const QStringList& fontFamily() const { return m_fontFamily; }
    const QStringList& fontFamilyLocal() const { return m_fontFamilyLocal; }

    QDialog* preferencesPanel() { return this; }
    QComboBox* mediaTypeButton() const;
    QComboBox* fontFamilyButton() const;
    QComboBox* fontStyleButton() const;
    QPushButton* setPreferenceButton() const;
    QPushButton* canselPreferenceButton() const;
    // The check box of a display-settings key; null for a key without one.
    QCheckBox* checkBoxForItem(const QString& key) const;

public slots:
    void selectMedia();
    void selectFontFamily();
    void selectFontStyle();
    void confirmed();
    void cansel();
    // Escape and the window's close button cancel.
    void reject() override;

private:
    void awakeFromNib();
    const std::vector<FontMember>& membersAt(int familyIndex) const;
    void showFace(int familyIndex, quint64 styleIndex);
    void finish(bool confirmedByUser);

    std::unique_ptr<Ui::PreferencesKestavolin> m_ui;
    // Check boxes in the order the display settings are written.
    std::vector<std::pair<QCheckBox*, QString>> m_itemCheckBoxes;

    QStringList m_fontFamily;
    QStringList m_fontFamilyLocal;
    // Family name to its faces, filled as families are shown. A node-based map, so
    // a reference to one family's faces stays valid while others are added.
    mutable std::map<QString, std::vector<FontMember>> m_fontList;
    QString m_fontName;
    QString m_fontFamilyName;
    quint64 m_fontStyleIndex = 0;
    QString m_mediaType;
    QVariantMap m_exifItemState;
    bool m_makerSkip = true;
    bool m_endCode = false;
};
