#include "app/KestavolinAppDelegate.h"

#include "app/DialogRunner.h"
#include "app/LensNames.h"
#include "app/ListFiller.h"
#include "app/ListLabels.h"
#include "app/MainWindow.h"
#include "app/OpenDialogFilters.h"
#include "app/PhotoIntake.h"
#include "app/PhotoList.h"
#include "app/PhotoListPanel.h"
#include "exiflistlib/exiflist.h"
#include "label/CaptionSheet.h"
#include "label/RollView.h"
#include "label/Ruler.h"
#include "label/TapeLength.h"
#include "label/TapeView.h"
#include "photo/AnalysisFailure.h"
#include "photo/ConstStrings.h"
#include "photo/PhotoFileTypes.h"
#include "photo/PhotoRecord.h"
#include "photo/SettingsFile.h"
#include "pictures/Picture.h"
#include "platform/Alert.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"
#include "platform/WholeFileWriter.h"
#include "preferences/PreferencesDialog.h"
#include "printing/LabelPage.h"
#include "printing/PrintJobWatcher.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTimer>

namespace {

const QString windowTitle = QStringLiteral("Kestavolin");
const QString openDialogMessage = QStringLiteral("File Open");
const QString captionSheetFilter = QStringLiteral("CSV (*.csv)");
// What a label's text holds before anything was put in.
const QString blankLabelText = QStringLiteral(" ");

void showAlert(const QString& titleKey, const QString& messageKey, const QString& buttonKey) {
    runAlertPanel(localizedString(titleKey), localizedString(messageKey),
                  localizedString(buttonKey), QString(), QString());
}

// An alert of the string table's title over a message already in the user's language.
void showMessage(const QString& titleKey, const QString& message) {
    runAlertPanel(localizedString(titleKey), message, localizedString(QStringLiteral("Ok")),
                  QString(), QString());
}

// A file that cannot be read at all (missing, empty, too short, changed while read) is
// told as one of no known kind.
void showUnreadableFileAlert() {
    showAnalysisAlert(analysisFailure(EXIFLIST_ERROR_FORMAT));
}

} // namespace

KestavolinAppDelegate::KestavolinAppDelegate(DialogRunner& dialogs, const QString& plistFilePath)
    : dialogs_(dialogs), window_(std::make_unique<MainWindow>()), settings_(plistFilePath),
      photoList_(new PhotoList(this)),
      intake_(new PhotoIntake(*photoList_, maximumTitleLength, this)),
      filler_(new ListFiller(*photoList_, *intake_, this)), printJobs_(new PrintJobWatcher(this)),
      decodePicture_(&Picture::initWithData) {
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
    connect(window, &MainWindow::printAllRequested, this, &KestavolinAppDelegate::printAll);
    connect(window, &MainWindow::exportAllRequested, this, &KestavolinAppDelegate::exportAllAsPdf);
    connect(window, &MainWindow::importSheetRequested, this,
            &KestavolinAppDelegate::importCaptionSheet);
    connect(window, &MainWindow::exportSheetRequested, this,
            &KestavolinAppDelegate::exportCaptionSheet);
    connect(window, &MainWindow::quitRequested, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    connect(window, &MainWindow::deleteLensRequested, this, &KestavolinAppDelegate::deleteLensName);
    connect(window, &MainWindow::preferencesRequested, this,
            &KestavolinAppDelegate::selectPreferences);
    connect(window, &MainWindow::aboutRequested, this, &KestavolinAppDelegate::showAbout);
    connect(window, &MainWindow::lensChosen, this, &KestavolinAppDelegate::inputLensName);
    connect(window, &MainWindow::photographerEdited, this,
            &KestavolinAppDelegate::inputPhotographer);
    connect(window, &MainWindow::titleEdited, this, &KestavolinAppDelegate::titleInput);
    // The application has this one window: closing it saves the settings and ends
    // the application.
    connect(window, &MainWindow::closed, this, &KestavolinAppDelegate::applicationWillTerminate);
    connect(window, &MainWindow::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);

    PhotoListPanel* panel = window->photoListPanel();
    panel->setList(photoList_);
    connect(panel, &PhotoListPanel::currentEntryChanged, this, &KestavolinAppDelegate::showEntry);
    connect(panel, &PhotoListPanel::cancelRequested, intake_, &PhotoIntake::cancel);
    connect(intake_, &PhotoIntake::progressChanged, panel, &PhotoListPanel::showProgress);
    connect(intake_, &PhotoIntake::finished, panel, &PhotoListPanel::hideProgress);
    connect(filler_, &ListFiller::firstArrived, this, [this, panel](int row) {
        panel->setCurrentRow(row);
        showEntry(row);
    });
    connect(photoList_, &PhotoList::rowsInserted, this, &KestavolinAppDelegate::listChanged);
    // A title edited in the list reaches the label and the field when its entry is shown.
    connect(photoList_, &PhotoList::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                const int row = shownRow();
                if (row >= first.row() && row <= last.row() &&
                    photoList_->entry(row).title != titleName_)
                    showEntry(row);
            });
    connect(photoList_, &PhotoList::rowsRemoved, this, &KestavolinAppDelegate::listChanged);
    connect(photoList_, &PhotoList::modelReset, this, &KestavolinAppDelegate::listChanged);
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
        return tapeView_;
    return rollView_;
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
    intake_->setAcceptWithoutCameraData(settings_.isOn(SettingsFile::labelWithoutCameraDataKey));
    intake_->setTitlesFromPhotos(settings_.isOn(SettingsFile::titlesFromPhotosKey));

    if (!settings_.hasMedium()) {
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
    applyLabelDefaults();

    if (fileDropWhenAppStart_ && !pickupFilePaths_.isEmpty())
        openPhotographs(pickupFilePaths_);
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
    tapeView_ = new TapeView;
    tapeView_->setFonts(settings_.printFontName());
    tapeView_->setPhotographer(settings_.photographer());
    scale_ = new Ruler;
    connect(tapeView_, &LabelView::photosDropped, this, &KestavolinAppDelegate::loadDroppedPhotos);
    window_->showTapeLabel(tapeView_, scale_);
}

void KestavolinAppDelegate::createRollView() {
    rollView_ = new RollView;
    rollView_->setFonts(settings_.printFontName());
    rollView_->setPhotographer(settings_.photographer());
    connect(rollView_, &LabelView::photosDropped, this, &KestavolinAppDelegate::loadDroppedPhotos);
    window_->showRollLabel(rollView_);
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
        view->clear();
        view->setPhotographer(settings_.photographer());
    }
    record_.reset();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

// A file too short to analyse (or gone) gives no record; the user is told, since the
// record shows no alert of its own for it.
std::shared_ptr<const FileData> KestavolinAppDelegate::readPhoto(const QString& path) {
    AnalysisOptions options;
    options.pictureDecoder = [this](const FileData& data) {
        return decodeBesideTheEventLoop(data, decodePicture_);
    };
    readingPhoto_ = true;
    const auto data = FileData::initWithContentsOfFile(path);
    record_ = PhotoRecord::initWithData(data, options);
    readingPhoto_ = false;
    if (!waitingRequests_.isEmpty())
        QTimer::singleShot(0, this, &KestavolinAppDelegate::takeWaitingRequests);
    // A file that shrank while it was read gave zeros in place of its bytes.
    if (data && data->changedWhileRead())
        record_.reset();
    if (!record_) {
        showUnreadableFileAlert();
        return data;
    }
    if (const auto failure = record_->failure())
        showAnalysisAlert(*failure);
    record_->setFileName(path);
    if (record_->haveExif())
        window_->setWindowTitle(QFileInfo(path).fileName());
    return data;
}

void KestavolinAppDelegate::showPhoto(LabelView& view) {
    view.setDisplaySettings(settings_.exifItemsStatus());
    view.setExifData(record_.get());
    view.repaint();
}

void KestavolinAppDelegate::openFile() {
    dialogs_.chooseFilesToOpen(window_.get(), openDialogMessage, openDialogNameFilters(), true,
                               [this](const QStringList& paths) {
                                   if (!window_->isVisible())
                                       redisplayWindow();
                                   openPhotographs(paths);
                               });
}

// Missing files and files of other kinds are each told once; the photographs among
// the paths are opened.
void KestavolinAppDelegate::applicationOpenFiles(const QStringList& paths) {
    QStringList photographs;
    bool missing = false;
    bool otherKinds = false;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (!file.exists())
            missing = true;
        else if (file.isDir() || !hasPhotoExtension(path))
            otherKinds = true;
        else
            photographs << path;
    }
    if (missing)
        showUnreadableFileAlert();
    if (otherKinds)
        showAlert(QStringLiteral("DropError"), QStringLiteral("OnlyTiffOrJpegOrPsdMessage"),
                  QStringLiteral("Ok"));
    if (photographs.isEmpty())
        return;
    pickupFilePaths_ = photographs;
    // Before start-up there is no label view yet: start-up opens the photographs at its end.
    if (!runActive_) {
        fileDropWhenAppStart_ = true;
        return;
    }
    if (!window_->isVisible())
        redisplayWindow();
    openPhotographs(photographs);
}

void KestavolinAppDelegate::takeHandedOverRequest(const QStringList& paths) {
    if (readingPhoto_) {
        afterReading([this, paths] { takeHandedOverRequest(paths); });
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

void KestavolinAppDelegate::afterReading(std::function<void()> step) {
    if (readingPhoto_)
        waitingRequests_.append(std::move(step));
    else
        step();
}

void KestavolinAppDelegate::takeWaitingRequests() {
    while (!readingPhoto_ && !waitingRequests_.isEmpty())
        waitingRequests_.takeFirst()();
}

// While the intake reads, a photograph opened alone joins its queue, so that the list
// takes the photographs in the order they were opened.
void KestavolinAppDelegate::openPhotographs(const QStringList& paths) {
    if (paths.size() == 1 && !intake_->isBusy() && !readingPhoto_) {
        const auto data = readPhoto(paths.first());
        // A photograph that is not listed still shows what it left on the label.
        if (!data || !listReadPhoto(*data))
            if (LabelView* view = labelViewOfMedium())
                showPhoto(*view);
        return;
    }
    QStringList names;
    std::vector<PhotoEntry> pending;
    for (const QString& path : paths) {
        names << QFileInfo(path).fileName();
        pending.push_back({.path = path});
    }
    addToList(std::move(pending), names);
}

bool KestavolinAppDelegate::listReadPhoto(const FileData& data) {
    if (!record_ || !record_->haveExif())
        return false;
    const QString path = record_->fileName();
    // A title typed before the first photograph was opened is that photograph's.
    const QString typed = photoList_->rowCount() == 0 ? titleName_ : QString();
    photoList_->append({.path = path,
                        .record = record_,
                        .thumbnail = PhotoIntake::thumbnailOf(*record_),
                        .title = intake_->startingTitle(data, typed)});
    const int row = photoList_->rowCount() - 1;
    window_->photoListPanel()->setCurrentRow(row);
    showEntry(row);
    return true;
}

void KestavolinAppDelegate::addToList(std::vector<PhotoEntry> pending, const QStringList& names) {
    if (readingPhoto_) {
        afterReading([this, pending, names]() mutable { addToList(std::move(pending), names); });
        return;
    }
    filler_->add(std::move(pending), names);
}

void KestavolinAppDelegate::showEntry(int row) {
    if (row < 0 || row >= photoList_->rowCount() || !photoList_->entry(row).record)
        return;
    const PhotoEntry& photo = photoList_->entry(row);
    record_ = photo.record;
    titleName_ = photo.title;
    window_->setTitle(titleName_);
    window_->setWindowTitle(QFileInfo(photo.path).fileName());
    LabelView* view = labelViewOfMedium();
    if (!view)
        return;
    const LabelOptions options = photoList_->labelOptions(row);
    view->setPhotographer(options.photographer);
    view->setTitle(titleName_.isEmpty() ? blankLabelText : titleName_);
    view->setDisplaySettings(options.displaySettings);
    view->setExifData(record_.get());
    if (options.lens)
        view->setUserLens(*options.lens);
    view->repaint();
}

int KestavolinAppDelegate::shownRow() const {
    for (int row = 0; record_ && row < photoList_->rowCount(); ++row)
        if (photoList_->entry(row).record == record_)
            return row;
    return -1;
}

// The list pane shows while it holds several photographs, so that one photograph alone
// looks as a label alone always did.
void KestavolinAppDelegate::listChanged() {
    const int count = photoList_->rowCount();
    window_->setPhotoListShown(count > 1);
    window_->setListActionsEnabled(count > 0);
}

void KestavolinAppDelegate::applyLabelDefaults() {
    LabelOptions defaults;
    defaults.medium = settings_.mediaTypeName();
    defaults.photographer = settings_.photographer();
    defaults.lens = chosenLens_;
    defaults.font = settings_.printFontName();
    defaults.displaySettings = settings_.exifItemsStatus();
    photoList_->setLabelDefaults(defaults);
}

// The window's visibility is not looked at: a drop can only come from a shown label.
void KestavolinAppDelegate::loadDroppedPhotos(const QStringList& paths) {
    QStringList photographs;
    for (const QString& path : paths)
        if (path.size() >= minimumDropPathLength && hasPhotoExtension(path))
            photographs << path;
    if (!photographs.isEmpty())
        openPhotographs(photographs);
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
                  QStringLiteral("Close"));
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
    const int answer = runAlertPanel(localizedString(QStringLiteral("lensDelCaution")),
                                     localizedString(QStringLiteral("lensDelMessage")),
                                     localizedString(QStringLiteral("OK")),
                                     localizedString(QStringLiteral("Cancel")), QString());
    if (answer != alertDefaultReturn)
        return;
    const QString name = window_->lensName();
    QStringList lenses = settings_.lensList();
    if (!lenses.contains(name)) {
        showAlert(QStringLiteral("lensNotDelete"), QStringLiteral("lensNotDeleteMsg"),
                  QStringLiteral("Close"));
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

// The entry shown keeps a lens of its own.
void KestavolinAppDelegate::setUserLensOnLabel(const QString& name) {
    chosenLens_ = name;
    applyLabelDefaults();
    const int row = shownRow();
    if (row >= 0 && photoList_->entry(row).lens)
        return;
    if (LabelView* view = labelViewOfMedium())
        view->setUserLens(name);
}

// A refused name puts the kept one back in the field, so that field and label agree.
void KestavolinAppDelegate::inputPhotographer(const QString& name) {
    if (name.isEmpty() || name.size() > maximumPhotographerLength) {
        window_->setPhotographer(settings_.photographer());
        return;
    }
    settings_.setPhotographer(name);
    settings_.save();
    applyLabelDefaults();
    const int row = shownRow();
    if (LabelView* view = labelViewOfMedium())
        view->setPhotographer(row >= 0 ? photoList_->labelOptions(row).photographer
                                       : settings_.photographer());
}

// An emptied field removes the title: the label returns to the blank a new label
// starts with. A title too long is refused and the field shows the kept one again.
void KestavolinAppDelegate::titleInput(const QString& title) {
    if (title.size() > maximumTitleLength) {
        window_->setTitle(titleName_);
        return;
    }
    titleName_ = title;
    photoList_->setTitle(shownRow(), title);
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
    runAlertPanel(localizedString(QStringLiteral("tapeLengthTitle")), message,
                  localizedString(QStringLiteral("Ok")), QString(), QString());

    QPrinter& printer = PrintSetup::sharedPrinter();
    PrintSetup::proposePageSetup(printer, labelSize);
    if (!dialogs_.runPrintDialog(printer, window_.get()))
        return;
    const QString documentName = record_ ? QFileInfo(record_->fileName()).fileName() : windowTitle;
    PrintSetup::JobSettings job = PrintSetup::jobSettings(printer, documentName);
    if (const QPageLayout* chosen = chosenPaperFor(printer.printerName()))
        job.chosenPaper = *chosen;
    const PrintSetup::Label label{labelSize,
                                  [view](QPainter& painter) { view->paintLabel(painter); }};
    submitLabels(job, {label}, {});
}

// Prints every label of the list as one job of one page per label, through the same
// dialogs and alerts as the label alone; the tape length of each label and their total
// are told once the copies are known.
void KestavolinAppDelegate::printAll() {
    if (!window_->isVisible() || !labelViewOfMedium())
        return;
    const ListLabels labels = layOutList(*photoList_);
    if (labels.layouts.empty())
        return;
    QPrinter& printer = PrintSetup::sharedPrinter();
    PrintSetup::proposePageSetup(printer, labels.layouts.front()->labelSize());
    if (!dialogs_.runPrintDialog(printer, window_.get()))
        return;
    PrintSetup::JobSettings job = PrintSetup::jobSettings(printer, windowTitle);
    if (const QPageLayout* chosen = chosenPaperFor(printer.printerName()))
        job.chosenPaper = *chosen;
    // A file holds each label once, whatever the copies.
    const int copies = job.outputFile.isEmpty() ? job.copies : 1;
    runAlertPanel(localizedString(QStringLiteral("tapeLengthTitle")),
                  QStringLiteral("%1\n\n%2")
                      .arg(localizedString(QStringLiteral("tapeSetMsg")),
                           tapeLengthsText(labels.lengths, copies)),
                  localizedString(QStringLiteral("Ok")), QString(), QString());
    QStringList names;
    for (const LabelLength& length : labels.lengths)
        names << length.name;
    submitLabels(job, labels.printable(), names);
}

void KestavolinAppDelegate::exportAllAsPdf() {
    const ListLabels labels = layOutList(*photoList_);
    if (labels.layouts.empty())
        return;
    const std::optional<QString> path =
        dialogs_.chooseFileToSave(window_.get(), localizedString(QStringLiteral("exportAllTitle")),
                                  QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (!path)
        return;
    PrintSetup::JobSettings job;
    job.outputFile = *path;
    job.documentName = QFileInfo(*path).completeBaseName();
    const PrintSetup::Submission submission = PrintSetup::printLabels(job, labels.printable());
    if (submission.failure != PrintSetup::Failure::None)
        showMessage(QStringLiteral("printFailedTitle"),
                    PrintSetup::failureMessage(submission, job));
}

void KestavolinAppDelegate::submitLabels(const PrintSetup::JobSettings& job,
                                         const std::vector<PrintSetup::Label>& labels,
                                         const QStringList& names) {
    const PrintSetup::Submission submission = PrintSetup::printLabels(job, labels);
    if (submission.failure != PrintSetup::Failure::None) {
        QString message = PrintSetup::failureMessage(submission, job);
        if (submission.label && *submission.label < std::size_t(names.size()))
            message = QStringLiteral("%1: %2").arg(names.at(qsizetype(*submission.label)), message);
        showMessage(QStringLiteral("printFailedTitle"), message);
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

// The sheet's photographs join the list in its order, each with its row's captions; the
// rows whose photograph cannot be read are told by their row numbers.
void KestavolinAppDelegate::importCaptionSheet() {
    dialogs_.chooseFilesToOpen(window_.get(), localizedString(QStringLiteral("importSheetTitle")),
                               {captionSheetFilter}, false, [this](const QStringList& paths) {
                                   if (paths.isEmpty())
                                       return;
                                   const auto read = CaptionSheet::read(paths.first());
                                   if (const QString* problem = std::get_if<QString>(&read)) {
                                       showMessage(QStringLiteral("sheetNotReadTitle"), *problem);
                                       return;
                                   }
                                   const auto& rows = std::get<std::vector<CaptionRow>>(read);
                                   QStringList names;
                                   for (const CaptionRow& row : rows)
                                       names << localizedString(QStringLiteral("sheetRowName"))
                                                    .arg(row.row)
                                                    .arg(QFileInfo(row.file).fileName());
                                   addToList(PhotoList::entriesFromSheet(rows), names);
                               });
}

void KestavolinAppDelegate::exportCaptionSheet() {
    if (photoList_->rowCount() == 0)
        return;
    const std::optional<QString> path = dialogs_.chooseFileToSave(
        window_.get(), localizedString(QStringLiteral("exportSheetTitle")), captionSheetFilter,
        QStringLiteral("csv"));
    if (!path)
        return;
    const QByteArray sheet =
        CaptionSheet::write(photoList_->captionRows(), QFileInfo(*path).absolutePath());
    const QString problem = WholeFileWriter::write(*path, sheet);
    if (!problem.isEmpty())
        showMessage(QStringLiteral("sheetNotWrittenTitle"),
                    QStringLiteral("%1\n\n%2").arg(*path, problem));
}

void KestavolinAppDelegate::printJobFailed(const QString& queue,
                                           const PrintJob::Progress& progress) {
    runAlertPanel(localizedString(QStringLiteral("printFailedTitle")),
                  PrintSetup::jobEndMessage(progress, queue), localizedString(QStringLiteral("Ok")),
                  QString(), QString());
}

void KestavolinAppDelegate::selectPreferences() {
    PreferencesDialog panel(window_.get());
    panel.setFontFamilyAndStyle(settings_.printFontFamilyName(), settings_.printFontStyleIndex());
    panel.setMediaType(settings_.mediaTypeName());
    panel.setExifItemState(settings_.exifItemsStatus());
    panel.setListOptions(settings_.isOn(SettingsFile::titlesFromPhotosKey),
                         settings_.isOn(SettingsFile::labelWithoutCameraDataKey));
    if (!dialogs_.runPreferences(panel))
        return;

    // A panel that could not place any font keeps the label font as it is.
    if (!panel.psFontName().isEmpty())
        settings_.setPrintFont(panel.fontFamilyName(), panel.psFontName(), panel.fontStyleIndex());
    settings_.setMediaName(panel.mediaType());
    settings_.takeExifItems(panel.exifItemState());
    settings_.setOn(SettingsFile::titlesFromPhotosKey, panel.titlesFromPhotos());
    settings_.setOn(SettingsFile::labelWithoutCameraDataKey, panel.labelWithoutCameraData());
    intake_->setAcceptWithoutCameraData(panel.labelWithoutCameraData());
    intake_->setTitlesFromPhotos(panel.titlesFromPhotos());
    applyLabelDefaults();

    if (LabelView* view = labelViewOfMedium()) {
        view->setDisplaySettings(panel.exifItemState());
        view->setFonts(settings_.printFontName());
        view->setPhotographer(settings_.photographer());
        if (record_ && record_->haveExif())
            view->setExifData(record_.get());
        view->setTitle(titleName_);
    }
    showEntry(shownRow());
    saveSettings();
}

void KestavolinAppDelegate::showAbout() {
    dialogs_.showAbout(
        window_.get(), localizedString(QStringLiteral("AboutTitle")),
        localizedString(QStringLiteral("AboutMsg")).arg(QStringLiteral(KESTAVOLIN_VERSION)));
}
