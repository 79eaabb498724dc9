#include "app/Application.h"

#include "app/DialogRunner.h"
#include "app/EntryController.h"
#include "app/LensController.h"
#include "app/ListAutosave.h"
#include "app/MainWindow.h"
#include "app/PhotoIntake.h"
#include "app/PhotoList.h"
#include "app/PhotoListController.h"
#include "app/PrintController.h"
#include "app/SettingsController.h"
#include "app/WindowState.h"
#include "platform/Alert.h"
#include "platform/LocalizedText.h"
#include "platform/Result.h"

#include <QCoreApplication>
#include <QFileInfo>

Application::Application(DialogRunner& dialogs, AlertPresenter& alerts, const AppPaths& paths)
    : dialogs_(dialogs), alerts_(alerts), paths_(paths), window_(std::make_unique<MainWindow>()),
      list_(std::make_unique<PhotoList>()),
      intake_(std::make_unique<PhotoIntake>(*list_, maximumTitleLength)),
      settings_(std::make_unique<SettingsController>(paths_.settingsFile, paths_.formerSettingsFile,
                                                     *list_, *intake_, *window_, dialogs_,
                                                     alerts_)),
      entries_(std::make_unique<EntryController>(*list_, edits_, *window_)),
      lenses_(std::make_unique<LensController>(*settings_, *window_, alerts_)),
      photos_(std::make_unique<PhotoListController>(*list_, *intake_, edits_, *entries_, *window_,
                                                    dialogs_, alerts_)),
      printing_(std::make_unique<PrintController>(*list_, *entries_, *window_, dialogs_, alerts_)),
      autosave_(std::make_unique<ListAutosave>(*list_, paths_.listFile)) {
    connectWindow();
    WindowState(paths_.windowStateFile).restore(*window_);
}

Application::~Application() = default;

const LabelPrinting& Application::printing() const {
    return printing_->printing();
}

void Application::connectWindow() {
    MainWindow* window = window_.get();
    window->setUndoStack(&edits_);
    connect(lenses_.get(), &LensController::lensChosen, entries_.get(),
            &EntryController::chooseLens);
    connect(settings_.get(), &SettingsController::lensListChanged, lenses_.get(),
            &LensController::showLensList);
    connect(autosave_.get(), &ListAutosave::writeFailed, this, [this](const Failure& failure) {
        tellFailure(QStringLiteral("listNotWrittenTitle"), failure);
    });
    connect(window, &MainWindow::newWindowRequested, this, [this] { takeHandedOverRequest({}); });
    connect(window, &MainWindow::aboutRequested, this, [this] {
        dialogs_.showAbout(
            window_.get(), localizedString(QStringLiteral("AboutTitle")),
            localizedText(QStringLiteral("AboutMsg"), {QStringLiteral(KESTAVOLIN_VERSION)}));
    });
    connect(window, &MainWindow::quitRequested, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    // The application has this one window: closing it ends the application, which
    // saves everything on its way out.
    connect(window, &MainWindow::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool Application::start(const QStringList& photographs) {
    if (!settings_->start(printing_->printing()))
        return false;
    restoreList();
    autosave_->follow();
    started_ = true;
    photos_->add(photographs + std::exchange(waiting_, {}));
    return true;
}

// The list comes back as it was left; a damaged list file is told and kept aside.
void Application::restoreList() {
    Result<std::vector<PhotoEntry>> kept = autosave_->restore();
    if (!kept) {
        tellFailure(QStringLiteral("listNotRestoredTitle"), kept.failure());
        return;
    }
    QStringList names;
    for (const PhotoEntry& entry : *kept)
        names << QFileInfo(entry.path).fileName();
    photos_->add(std::move(*kept), names);
}

void Application::takeHandedOverRequest(const QStringList& paths) {
    if (!started_) {
        waiting_ += paths;
        return;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    photos_->add(paths);
}

void Application::saveAll() {
    settings_->save();
    autosave_->flush();
    WindowState(paths_.windowStateFile).save(*window_);
}

void Application::tellFailure(const QString& titleKey, const Failure& failure) {
    alerts_.present({.title = localizedString(titleKey),
                     .message = failure.text(),
                     .defaultButton = localizedString(QStringLiteral("Ok"))});
}
