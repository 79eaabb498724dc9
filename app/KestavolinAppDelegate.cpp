#include "app/KestavolinAppDelegate.h"

#include "app/DialogRunner.h"
#include "app/LensNames.h"
#include "app/MainWindow.h"
#include "app/OpenDialogFilters.h"
#include "app/PrintJobWatcher.h"
#include "label/TapeLength.h"
#include "exiflistlib/exiflist.h"
#include "label/ScaleViewer.h"
#include "label/Tack66View.h"
#include "label/TapeView.h"
#include "photo/AnalysisFailure.h"
#include "photo/ConstStrings.h"
#include "photo/Kestavolin.h"
#include "photo/PhotoFileTypes.h"
#include "photo/SettingsFile.h"
#include "platform/Alert.h"
#include "platform/FileData.h"
#include "platform/LabelPage.h"
#include "platform/LocalizedText.h"
#include "platform/Picture.h"
#include "platform/PrintSetup.h"
#include "preferences/PreferencesKestavolin.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTimer>

namespace {

const QString windowTitle = QStringLiteral("Kestavolin");
const QString openDialogMessage = QStringLiteral("File Open");
// What a label's text holds before anything was put in.
const QString blankLabelText = QStringLiteral(" ");

void showAlert(const QString& titleKey, const QString& messageKey, const QString& buttonKey) {
    runAlertPanel(localizedString(titleKey), localizedString(messageKey),
                  localizedString(buttonKey), QString(), QString());
}

// A file that cannot be read at all (missing, empty, too short, changed while read) is
// told as one of no known kind.
void showUnreadableFileAlert() {
    showAnalysisAlert(analysisFailure(EXIFLIST_ERROR_FORMAT));
}

} // namespace

KestavolinAppDelegate::KestavolinAppDelegate(DialogRunner& dialogs, const QString& plistFilePath)
    : dialogs_(dialogs), window_(std::make_unique<MainWindow>()), settings_(plistFilePath),
      printJobs_(new PrintJobWatcher(this)), decodePicture_(&Picture::initWithData) {
    connect(printJobs_, &PrintJobWatcher::jobFailed, this, &KestavolinAppDelegate::printJobFailed);
    // Nothing is printable until start-up has decided the medium.
    connectInterface();
}

KestavolinAppDelegate::~KestavolinAppDelegate() = default;

// Every request of the main window and the action that answers it.
void KestavolinAppDelegate::connectInterface() {
    MainWindow* window = window_.get();
    connect(window, &MainWindow::openRequested, this, &KestavolinAppDelegate::openFile);
    connect(window, &MainWindow::newWindowRequested, this, &KestavolinAppDelegate::newWindow);
    connect(window, &MainWindow::pageSetupRequested, this, &KestavolinAppDelegate::pageSetup);
    connect(window, &MainWindow::printRequested, this, &KestavolinAppDelegate::printTape);
    connect(window, &MainWindow::quitRequested, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    connect(window, &MainWindow::deleteLensRequested, this, &KestavolinAppDelegate::deleteLensName);
    connect(window, &MainWindow::preferencesRequested, this,
            &KestavolinAppDelegate::selectPreferences);
    connect(window, &MainWindow::aboutRequested, this, &KestavolinAppDelegate::showAbout);
    connect(window, &MainWindow::lensChosen, this, &KestavolinAppDelegate::inputLensName);
    connect(window, &MainWindow::photographerEdited, this,
            &KestavolinAppDelegate::inputPhotograper);
    connect(window, &MainWindow::titleEdited, this, &KestavolinAppDelegate::titleInput);
    // The application has this one window: closing it saves the settings and ends
    // the application.
    connect(window, &MainWindow::closed, this, &KestavolinAppDelegate::applicationWillTerminate);
    connect(window, &MainWindow::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool KestavolinAppDelegate::tapeMedium() const {
    return settings_.mediaTypeName() == MediaTape18Key;
}

// Both labels print once start-up has made the view of the medium.
void KestavolinAppDelegate::enablePrintingForMedium() {
    window_->setPrintingEnabled(labelViewOfMedium() != nullptr);
}

LabelView* KestavolinAppDelegate::labelViewOfMedium() const {
    if (tapeMedium())
        return tapeImageView_;
    return tack66ImageView_;
}

void KestavolinAppDelegate::applicationDidFinishLaunching() {
    settings_ = Settings(settings_.plistFilePath());
    titleName_.clear();
    runActive_ = true;
    settings_.load();
    reportSettingsSaveFailure();

    showLensList();
    selectDefaultLens();
    window_->setPhotographer(settings_.photographer());

    if (!settings_.setMedia()) {
        const std::optional<QString> medium = dialogs_.askForMedium();
        // The panel ends without a choice only when the application is being ended:
        // nothing is stored for the medium, so the next start asks again, and no label
        // is made for the few moments that remain.
        if (!medium)
            return;
        settings_.chooseStartupMedium(*medium);
        // Stored at once: whatever happens later in this run, the next start has it.
        settings_.save();
    }

    if (tapeMedium())
        createTapeViews();
    else
        createRollView();
    enablePrintingForMedium();

    if (fileDropWhenAppStart_ && pickupFilePath_)
        loadPhotoIntoMediumView(*pickupFilePath_);
}

void KestavolinAppDelegate::showLensList() {
    window_->setLensNames(settings_.lensList());
}

// The photograph's own lens when the list offers it, otherwise no selection.
void KestavolinAppDelegate::selectDefaultLens() {
    const QStringList lenses = settings_.lensList();
    qsizetype index = lenses.indexOf(SettingsFile::photographLensEntry);
    if (index < 0)
        index = lenses.indexOf(SettingsFile::photographLensEntry.toLower());
    window_->selectLensAt(int(index));
}

void KestavolinAppDelegate::createTapeViews() {
    tapeImageView_ = new TapeView;
    tapeImageView_->setFonts(settings_.printFontName());
    tapeImageView_->setAuthor(settings_.photographer());
    scale_ = new ScaleViewer;
    connect(tapeImageView_, &LabelView::photoDropped, this,
            &KestavolinAppDelegate::loadDroppedPhoto);
    window_->showTapeLabel(tapeImageView_, scale_);
}

void KestavolinAppDelegate::createRollView() {
    tack66ImageView_ = new Tack66View;
    tack66ImageView_->setFonts(settings_.printFontName());
    tack66ImageView_->setAuthor(settings_.photographer());
    connect(tack66ImageView_, &LabelView::photoDropped, this,
            &KestavolinAppDelegate::loadDroppedPhoto);
    window_->showRollLabel(tack66ImageView_);
}

void KestavolinAppDelegate::applicationWillTerminate() {
    settings_.save();
}

void KestavolinAppDelegate::saveSettings() {
    settings_.save();
    reportSettingsSaveFailure();
}

// A settings file that could not be written is told in the window, with the reason.
void KestavolinAppDelegate::reportSettingsSaveFailure() {
    if (settings_.saveError().isEmpty())
        return;
    runAlertPanel(localizedString(QStringLiteral("settingsNotSaved")),
                  localizedString(QStringLiteral("settingsNotSavedMsg")) + QStringLiteral("\n\n") +
                      settings_.saveError(),
                  localizedString(QStringLiteral("Ok")), QString(), QString());
}

void KestavolinAppDelegate::newWindow() {
    if (!window_->isVisible())
        redisplayWindow();
}

void KestavolinAppDelegate::redisplayWindow() {
    window_->setTitle(QString());
    window_->selectLensAt(0);
    window_->setWindowTitle(windowTitle);
    if (LabelView* view = labelViewOfMedium()) {
        view->clearAllStr();
        view->setAuthor(settings_.photographer());
    }
    kestavolin_.reset();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

// A file too short to analyse (or gone) gives no record; the user is told, since the
// record shows no alert of its own for it.
void KestavolinAppDelegate::readPhoto(const QString& path) {
    AnalysisOptions options;
    options.pictureDecoder = [this](const FileData& data) {
        return decodeBesideTheEventLoop(data, decodePicture_);
    };
    readingPhoto_ = true;
    const auto data = FileData::initWithContentsOfFile(path);
    kestavolin_ = Kestavolin::initWithData(data, options);
    readingPhoto_ = false;
    if (!waitingRequests_.isEmpty())
        QTimer::singleShot(0, this, &KestavolinAppDelegate::takeWaitingRequests);
    // A file that shrank while it was read gave zeros in place of its bytes.
    if (data && data->changedWhileRead())
        kestavolin_.reset();
    if (!kestavolin_) {
        showUnreadableFileAlert();
        return;
    }
    if (const auto failure = kestavolin_->failure())
        showAnalysisAlert(*failure);
    kestavolin_->setFileName(path);
    if (kestavolin_->haveExif())
        window_->setWindowTitle(QFileInfo(path).fileName());
}

void KestavolinAppDelegate::showPhoto(LabelView& view) {
    view.setExifSetingDisplay(settings_.exifItemsStatus());
    view.setExifData(kestavolin_.get());
    view.repaint();
}

void KestavolinAppDelegate::loadPhotoIntoMediumView(const QString& path) {
    readPhoto(path);
    if (LabelView* view = labelViewOfMedium())
        showPhoto(*view);
}

void KestavolinAppDelegate::openFile() {
    dialogs_.chooseFileToOpen(window_.get(), openDialogMessage, openDialogNameFilters(),
                              [this](const QString& path) {
                                  if (!window_->isVisible())
                                      redisplayWindow();
                                  loadPhotoIntoMediumView(path);
                              });
}

void KestavolinAppDelegate::applicationOpenFiles(const QStringList& paths) {
    if (paths.size() != 1)
        return;
    const QString& path = paths.first();
    const QFileInfo file(path);
    if (!file.exists()) {
        showUnreadableFileAlert();
        return;
    }
    if (file.isDir() || !hasPhotoExtension(path)) {
        showAlert(QStringLiteral("DropEroor"), QStringLiteral("OnlyTiffOrJpegOrPsdMessage"),
                  QStringLiteral("Ok"));
        return;
    }
    pickupFilePath_ = path;
    // Before start-up there is no label view yet: start-up loads the photograph at its end.
    if (!runActive_) {
        fileDropWhenAppStart_ = true;
        return;
    }
    if (!window_->isVisible())
        redisplayWindow();
    loadPhotoIntoMediumView(path);
}

void KestavolinAppDelegate::takeHandedOverRequest(const QStringList& paths) {
    if (readingPhoto_) {
        waitingRequests_.append(paths);
        return;
    }
    if (!paths.isEmpty()) {
        applicationOpenFiles(paths);
        return;
    }
    newWindow();
    window_->raise();
    window_->activateWindow();
}

void KestavolinAppDelegate::takeWaitingRequests() {
    while (!readingPhoto_ && !waitingRequests_.isEmpty())
        takeHandedOverRequest(waitingRequests_.takeFirst());
}

// The window's visibility is not looked at: a drop can only come from a shown label.
void KestavolinAppDelegate::loadDroppedPhoto(const QString& path) {
    if (path.size() < minimumDropPathLength || !hasPhotoExtension(path))
        return;
    loadPhotoIntoMediumView(path);
}

void KestavolinAppDelegate::inputLensName(const QString& name) {
    QStringList lenses = settings_.lensList();
    if (lenses.contains(name)) {
        setUserLensOnLabel(name);
        return;
    }
    if (isBlankLensName(name))
        return;
    if (lenses.size() > lensListAddLimit) {
        showAlert(QStringLiteral("lensOverFlow"), QStringLiteral("lensOverMsg"),
                  QStringLiteral("Colse"));
        return;
    }
    lenses.append(name);
    settings_.setLensList(lenses);
    showLensList();
    // Rebuilding the list must not change what the box shows.
    window_->selectLensAt(int(lenses.indexOf(name)));
    setUserLensOnLabel(name);
    saveSettings();
}

void KestavolinAppDelegate::deleteLensName() {
    if (!window_->isVisible())
        return;
    const int answer = runAlertPanel(localizedString(QStringLiteral("lensDelCoution")),
                                     localizedString(QStringLiteral("lensDelMessage")),
                                     localizedString(QStringLiteral("OK")),
                                     localizedString(QStringLiteral("Cansel")), QString());
    if (answer != alertDefaultReturn)
        return;
    const QString name = window_->lensName();
    QStringList lenses = settings_.lensList();
    if (!lenses.contains(name)) {
        showAlert(QStringLiteral("lensNotDelete"), QStringLiteral("lensNotDeleteMsg"),
                  QStringLiteral("Colse"));
        return;
    }
    // The photograph's own lens cannot be deleted, in any letter case.
    if (SettingsFile::namesPhotographLens(name))
        return;
    lenses.removeAll(name);
    settings_.setLensList(lenses);
    showLensList();
    selectDefaultLens();
    setUserLensOnLabel(window_->lensName());
    saveSettings();
}

void KestavolinAppDelegate::setUserLensOnLabel(const QString& name) {
    if (LabelView* view = labelViewOfMedium())
        view->setUserLens(name);
}

// A refused name puts the kept one back in the field, so that field and label agree.
void KestavolinAppDelegate::inputPhotograper(const QString& name) {
    if (name.isEmpty() || name.size() > maximumPhotographerLength) {
        window_->setPhotographer(settings_.photographer());
        return;
    }
    settings_.setPhotographer(name);
    settings_.save();
    if (LabelView* view = labelViewOfMedium())
        view->setAuthor(settings_.photographer());
}

// An emptied field removes the title: the label returns to the blank a new label
// starts with. A title too long is refused and the field shows the kept one again.
void KestavolinAppDelegate::titleInput(const QString& title) {
    if (title.size() > maximumTitleLength) {
        window_->setTitle(titleName_);
        return;
    }
    titleName_ = title;
    if (LabelView* view = labelViewOfMedium())
        view->setTitle(titleName_.isEmpty() ? blankLabelText : titleName_);
}

void KestavolinAppDelegate::pageSetup() {
    LabelView* view = labelViewOfMedium();
    if (!window_->isVisible() || !view)
        return;
    QPrinter& printer = PrintSetup::sharedPrinter();
    if (const QPageLayout* chosen = chosenPaperFor(printer.printerName()))
        printer.setPageLayout(*chosen);
    else
        PrintSetup::proposePageSetup(printer, view->layout().labelSize());
    if (dialogs_.runPageSetup(printer, window_.get()))
        chosenPaper_ = {printer.printerName(), printer.pageLayout()};
}

const QPageLayout* KestavolinAppDelegate::chosenPaperFor(const QString& queue) const {
    return chosenPaper_ && chosenPaper_->first == queue ? &chosenPaper_->second : nullptr;
}

// Prints the label of the medium: tells the tape length to set, lets the user choose
// the queue and the printer's own options, sends the label on the page the queue's
// driver needs and follows the job; every failure on the way is an alert.
void KestavolinAppDelegate::printTape() {
    LabelView* view = labelViewOfMedium();
    if (!window_->isVisible() || !view)
        return;
    const QSizeF labelSize = view->layout().labelSize();
    // Line breaks of this platform in place of the carriage returns of the message format.
    const QString message = QStringLiteral("%1\n\n %2 mm")
                                .arg(localizedString(QStringLiteral("tapeSetMsg")))
                                .arg(tapeLengthMillimetres(labelSize.width()));
    runAlertPanel(localizedString(QStringLiteral("tapeLengthMassage")), message,
                  localizedString(QStringLiteral("Ok")), QString(), QString());

    QPrinter& printer = PrintSetup::sharedPrinter();
    PrintSetup::proposePageSetup(printer, labelSize);
    if (!dialogs_.runPrintDialog(printer, window_.get()))
        return;
    const QString documentName =
        kestavolin_ ? QFileInfo(kestavolin_->fileName()).fileName() : windowTitle;
    PrintSetup::JobSettings job = PrintSetup::jobSettings(printer, documentName);
    if (const QPageLayout* chosen = chosenPaperFor(printer.printerName()))
        job.chosenPaper = *chosen;
    const PrintSetup::Label label{labelSize,
                                  [view](QPainter& painter) { view->paintLabel(painter); }};
    const PrintSetup::Submission submission = PrintSetup::printLabel(job, label);
    if (submission.failure != PrintSetup::Failure::None) {
        runAlertPanel(localizedString(QStringLiteral("printFailedTitle")),
                      PrintSetup::failureMessage(submission, job),
                      localizedString(QStringLiteral("Ok")), QString(), QString());
        return;
    }
    if (submission.jobId != 0)
        printJobs_->follow(job.queue, submission.jobId);
    if (submission.scale < 1.0) {
        runAlertPanel(
            localizedString(QStringLiteral("printScaledTitle")),
            localizedString(QStringLiteral("printScaledMsg")).arg(printedPercent(submission.scale)),
            localizedString(QStringLiteral("Ok")), QString(), QString());
    }
}

void KestavolinAppDelegate::printJobFailed(const QString& queue,
                                           const PrintJob::Progress& progress) {
    runAlertPanel(localizedString(QStringLiteral("printFailedTitle")),
                  PrintSetup::jobEndMessage(progress, queue), localizedString(QStringLiteral("Ok")),
                  QString(), QString());
}

void KestavolinAppDelegate::selectPreferences() {
    PreferencesKestavolin panel(window_.get());
    panel.setFontFountStyle(settings_.printFontFamilyName(), settings_.printPontStyleIndex());
    panel.setMediaType(settings_.mediaTypeName());
    panel.setExifItemState(settings_.exifItemsStatus());
    if (!dialogs_.runPreferences(panel))
        return;

    // A panel that could not place any font keeps the label font as it is.
    if (!panel.psFontName().isEmpty())
        settings_.setPrintFont(panel.fontFamilyName(), panel.psFontName(), panel.fontStyleIndex());
    settings_.setMediaName(panel.mediaType());
    settings_.takeExifItems(panel.exifItemState());

    if (LabelView* view = labelViewOfMedium()) {
        view->setExifSetingDisplay(panel.exifItemState());
        view->setFonts(settings_.printFontName());
        view->setAuthor(settings_.photographer());
        if (kestavolin_ && kestavolin_->haveExif())
            view->setExifData(kestavolin_.get());
        view->setTitle(titleName_);
    }
    saveSettings();
}

void KestavolinAppDelegate::showAbout() {
    dialogs_.showAbout(
        window_.get(), localizedString(QStringLiteral("AboutTitle")),
        localizedString(QStringLiteral("AboutMsg")).arg(QStringLiteral(KESTAVOLIN_VERSION)));
}
