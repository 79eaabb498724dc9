#include "app/SettingsController.h"

#include "app/DialogRunner.h"
#include "app/MainWindow.h"
#include "app/PhotoIntake.h"
#include "app/PhotoList.h"
#include "photo/LabelMedia.h"
#include "photo/SettingsFile.h"
#include "platform/Alert.h"
#include "platform/LocalizedText.h"
#include "platform/PropertyList.h"
#include "platform/WholeFileWriter.h"
#include "preferences/PreferencesDialog.h"
#include "printing/LabelPrinting.h"

#include <QFile>

#include <tuple>

namespace {

// A tape label as long as most photographs' (120 mm), and the roll label, as the medium
// the default printer has loaded is asked about at the first start.
const QSizeF typicalTapeLabel(340, 43);
const QSizeF rollLabel(170, 170);

} // namespace

SettingsController::SettingsController(const QString& path, const QString& formerPath,
                                       PhotoList& list, PhotoIntake& intake, MainWindow& window,
                                       DialogRunner& dialogs, AlertPresenter& alerts,
                                       QObject* parent)
    : QObject(parent), settings_(path), formerPath_(formerPath), list_(list), intake_(intake),
      window_(window), dialogs_(dialogs), alerts_(alerts) {
    connect(&window_, &MainWindow::preferencesRequested, this,
            &SettingsController::editPreferences);
}

bool SettingsController::start(LabelPrinting& printing) {
    adoptFormerFile();
    settings_.load();
    save();
    if (!settings_.hasMedium()) {
        printing.suggestMedium(
            {{LabelMedia::tape18Name, typicalTapeLabel}, {LabelMedia::roll60Name, rollLabel}});
        const std::optional<QString> medium = dialogs_.askForMedium(printing);
        // The panel ends without a choice only when the application is being ended:
        // nothing is stored for the medium, so the next start asks again.
        if (!medium)
            return false;
        settings_.setMedium(*medium);
        save();
    }
    applyDefaults();
    emit lensListChanged();
    return true;
}

// The file of an older version is copied whole, so that whatever it holds is read as
// before; a copy that cannot be made leaves the defaults to start from.
void SettingsController::adoptFormerFile() {
    const QString path = settings_.plistFilePath();
    if (QFile::exists(path) || !QFile::exists(formerPath_))
        return;
    QFile former(formerPath_);
    if (former.open(QIODevice::ReadOnly) && PropertyList::ensureParentFolder(path))
        std::ignore = WholeFileWriter::write(path, former.readAll());
}

void SettingsController::applyDefaults() {
    LabelOptions defaults;
    defaults.medium = settings_.medium();
    defaults.photographer = settings_.photographer();
    defaults.lens = settings_.defaultLens();
    defaults.font = settings_.printFontName();
    defaults.displaySettings = settings_.exifItemsStatus();
    list_.setLabelDefaults(defaults);
    intake_.setAcceptWithoutCameraData(settings_.isOn(SettingsFile::labelWithoutCameraDataKey));
    intake_.setTitlesFromPhotos(settings_.isOn(SettingsFile::titlesFromPhotosKey));
}

void SettingsController::setLensList(const QStringList& names) {
    settings_.setLensList(names);
    applyDefaults();
    save();
}

void SettingsController::save() {
    const Status saved = settings_.save();
    if (saved) {
        saveFailureTold_ = false;
        return;
    }
    if (std::exchange(saveFailureTold_, true))
        return;
    alerts_.present({.title = localizedString(QStringLiteral("settingsNotSaved")),
                     .message = localizedString(QStringLiteral("settingsNotSavedMsg")) +
                                QStringLiteral("\n\n") + saved.failure().text(),
                     .defaultButton = localizedString(QStringLiteral("Ok"))});
}

void SettingsController::editPreferences() {
    PreferencesDialog panel(&window_);
    panel.setFontFamilyAndStyle(settings_.printFontFamilyName(), settings_.printFontStyleIndex());
    panel.setMediaType(settings_.medium());
    panel.setExifItemState(settings_.exifItemsStatus());
    panel.setDefaults(settings_.photographer(), settings_.lensList(),
                      settings_.defaultLens().value_or(QString()));
    panel.setListOptions(settings_.isOn(SettingsFile::titlesFromPhotosKey),
                         settings_.isOn(SettingsFile::labelWithoutCameraDataKey));
    if (!dialogs_.runPreferences(panel))
        return;

    // A panel that could not place any font keeps the label font as it is.
    if (!panel.psFontName().isEmpty())
        settings_.setPrintFont(panel.fontFamilyName(), panel.psFontName(), panel.fontStyleIndex());
    settings_.setMedium(panel.mediaType());
    settings_.takeExifItems(panel.exifItemState());
    settings_.setPhotographer(panel.defaultPhotographer());
    if (!panel.defaultLens().isEmpty())
        settings_.setDefaultLens(panel.defaultLens());
    settings_.setOn(SettingsFile::titlesFromPhotosKey, panel.titlesFromPhotos());
    settings_.setOn(SettingsFile::labelWithoutCameraDataKey, panel.labelWithoutCameraData());
    applyDefaults();
    save();
}
