#include "app/LensController.h"

#include "app/LensNames.h"
#include "app/MainWindow.h"
#include "app/SettingsController.h"
#include "photo/SettingsFile.h"
#include "platform/Alert.h"
#include "platform/LocalizedText.h"

namespace {

AlertContent alertOf(const QString& titleKey, const QString& message) {
    return {.title = localizedString(titleKey),
            .message = message,
            .defaultButton = localizedString(QStringLiteral("Close"))};
}

} // namespace

LensController::LensController(SettingsController& settings, MainWindow& window,
                               AlertPresenter& alerts, QObject* parent)
    : QObject(parent), settings_(settings), window_(window), alerts_(alerts) {
    connect(&window_, &MainWindow::lensChosen, this, &LensController::takeLensName);
    connect(&window_, &MainWindow::deleteLensRequested, this, &LensController::deleteShownLens);
    connect(&window_, &MainWindow::shownLensChanged, this, &LensController::followShownName);
}

void LensController::showLensList() {
    window_.setLensNames(settings_.settings().lensList());
    followShownName();
}

// Delete Lens is offered for the names of the list other than the photograph's own lens.
void LensController::followShownName() {
    const QString name = window_.lensName();
    window_.setDeleteLensEnabled(settings_.settings().lensList().contains(name) &&
                                 !SettingsFile::namesPhotographLens(name));
}

void LensController::takeLensName(const QString& name) {
    QStringList lenses = settings_.settings().lensList();
    if (!lenses.contains(name)) {
        if (isBlankLensName(name))
            return;
        if (lenses.size() > lensListAddLimit) {
            alerts_.present(alertOf(QStringLiteral("lensOverFlow"),
                                    localizedString(QStringLiteral("lensOverMsg"))));
            return;
        }
        lenses.append(name);
        settings_.setLensList(lenses);
        window_.setLensNames(lenses);
    }
    followShownName();
    emit lensChosen(name);
}

void LensController::deleteShownLens() {
    const QString name = window_.lensName();
    QStringList lenses = settings_.settings().lensList();
    if (!window_.isVisible() || SettingsFile::namesPhotographLens(name))
        return;
    if (!lenses.contains(name)) {
        alerts_.present(alertOf(QStringLiteral("lensNotDelete"),
                                localizedText(QStringLiteral("lensNotDeleteMsg"), {name})));
        return;
    }
    const int answer =
        alerts_.present({.title = localizedString(QStringLiteral("lensDelCaution")),
                         .message = localizedText(QStringLiteral("lensDelMessage"), {name}),
                         .defaultButton = localizedString(QStringLiteral("OK")),
                         .alternateButton = localizedString(QStringLiteral("Cancel"))});
    if (answer != alertDefaultReturn)
        return;
    lenses.removeAll(name);
    settings_.setLensList(lenses);
    window_.setLensNames(lenses);
    followShownName();
}
