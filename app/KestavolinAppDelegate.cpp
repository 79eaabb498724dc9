#include "app/KestavolinAppDelegate.h"

#include "app/ContentFrames.h"
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
#include "ui_MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QTimer>

namespace {

const QString windowTitle = QStringLiteral("Kestavolin");
const QString openDialogMessage = QStringLiteral("File Open");
// What a label's text holds before anything was put in.
const QString blankLabelText = QStringLiteral(" ");

QColor grey(double level) {
    return QColor::fromRgbF(level, level, level, 1.0);
}
const QColor windowFill = grey(0.32);
const QColor captionColour = grey(0.8);
// The print button: when it can be used, a blue face with a white title that stands
// out from the grey window; when it cannot, a grey face with a dim title.
const QString printButtonStyle =
    QStringLiteral("QPushButton { color: #ffffff; font-weight: bold; background-color: #2f6db3;"
                   " border: 1px solid #1b436f; border-radius: 4px; padding: 4px 12px; }"
                   "QPushButton:hover { background-color: #3a7cc6; }"
                   "QPushButton:pressed { background-color: #25588f; }"
                   "QPushButton:focus { border-color: #b0b0b0; }"
                   "QPushButton:disabled { color: #8c8c8c; font-weight: normal;"
                   " background-color: #5a5a5a; border-color: #444444; }");

void setTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

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
    : m_dialogs(dialogs), m_window(std::make_unique<MainWindow>()), m_settings(plistFilePath),
      m_printJobs(new PrintJobWatcher(this)), m_decodePicture(&Picture::initWithData) {
    connect(m_printJobs, &PrintJobWatcher::jobFailed, this, &KestavolinAppDelegate::printJobFailed);
    awakeFromNib();
}

KestavolinAppDelegate::~KestavolinAppDelegate() {
    NotificationCenter::defaultCenter().removeObserver(m_tapeDropObserver);
    NotificationCenter::defaultCenter().removeObserver(m_rollDropObserver);
}

// The window as the interface file describes it, coloured and connected; nothing is
// printable until start-up has decided the medium.
void KestavolinAppDelegate::awakeFromNib() {
    QWidget* content = m_window->contentView();
    setTextColour(content, QPalette::Window, windowFill);
    content->setAutoFillBackground(true);
    // Names differing only in letter case are different lenses.
    m_window->ui().lensName->completer()->setCaseSensitivity(Qt::CaseSensitive);
    connectInterface();
    enablePrintingForMedium();
}

// Every menu item and control of the main window and the action it sends.
void KestavolinAppDelegate::connectInterface() {
    Ui::MainWindow& ui = m_window->ui();
    connect(ui.actionOpen, &QAction::triggered, this, &KestavolinAppDelegate::openFile);
    connect(ui.actionNewWindow, &QAction::triggered, this, &KestavolinAppDelegate::newWindow);
    connect(ui.actionPageSetup, &QAction::triggered, this, &KestavolinAppDelegate::pageSetup);
    connect(ui.actionPrint, &QAction::triggered, this, &KestavolinAppDelegate::printTape);
    connect(ui.actionQuit, &QAction::triggered, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    connect(ui.actionDeleteLens, &QAction::triggered, this, &KestavolinAppDelegate::deleteLensName);
    connect(ui.actionPreferences, &QAction::triggered, this,
            &KestavolinAppDelegate::selectPreferences);
    connect(ui.actionAbout, &QAction::triggered, this, &KestavolinAppDelegate::showAbout);
    connect(ui.deleteLensButton, &QPushButton::clicked, this,
            &KestavolinAppDelegate::deleteLensName);
    connect(ui.printButton, &QPushButton::clicked, this, &KestavolinAppDelegate::printAction);
    // The application has this one window: closing it saves the settings and ends
    // the application.
    connect(m_window.get(), &MainWindow::closed, this,
            &KestavolinAppDelegate::applicationWillTerminate);
    connect(m_window.get(), &MainWindow::closed, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    // A name picked from the list, or typed and confirmed with Enter.
    connect(ui.lensName, &QComboBox::activated, this, &KestavolinAppDelegate::inputLensName);
    connect(ui.lensName->lineEdit(), &QLineEdit::returnPressed, this,
            &KestavolinAppDelegate::inputLensName);
    connect(ui.photographerBox, &QLineEdit::editingFinished, this,
            &KestavolinAppDelegate::inputPhotograper);
    connect(ui.titleMessageBox, &QLineEdit::editingFinished, this,
            &KestavolinAppDelegate::titleInput);
}

bool KestavolinAppDelegate::tapeMedium() const {
    return m_settings.mediaTypeName() == MediaTape18Key;
}

// Both labels print once start-up has made the view of the medium.
void KestavolinAppDelegate::enablePrintingForMedium() {
    const bool printable = labelViewOfMedium() != nullptr;
    Ui::MainWindow& ui = m_window->ui();
    ui.printButton->setEnabled(printable);
    ui.actionPrint->setEnabled(printable);
    ui.actionPageSetup->setEnabled(printable);
}

LabelView* KestavolinAppDelegate::labelViewOfMedium() const {
    if (tapeMedium())
        return m_tapeImageView;
    return m_tack66ImageView;
}

void KestavolinAppDelegate::applicationDidFinishLaunching() {
    m_settings = Settings(m_settings.plistFilePath());
    m_titleName.clear();
    m_runActive = true;
    applyCaptionColour();
    m_settings.load();
    reportSettingsSaveFailure();

    Ui::MainWindow& ui = m_window->ui();
    showLensList();
    selectDefaultLens();
    ui.photographerBox->setText(m_settings.photographer());

    QWidget* content = m_window->contentView();
    const int contentHeight = content->height();
    m_windowSizeRect = QRectF(content->geometry());
    m_selectAriaRect = frameForWidgetRect(ui.selectAria->geometry(), contentHeight);
    m_inputAriaRect = frameForWidgetRect(ui.inputAria->geometry(), contentHeight);
    m_printButtonRect = frameForWidgetRect(ui.printButton->geometry(), contentHeight);

    if (!m_settings.setMedia()) {
        const std::optional<QString> medium = m_dialogs.askForMedium();
        // The panel ends without a choice only when the application is being ended:
        // nothing is stored for the medium, so the next start asks again, and no label
        // is made for the few moments that remain.
        if (!medium)
            return;
        m_settings.chooseStartupMedium(*medium);
        // Stored at once: whatever happens later in this run, the next start has it.
        m_settings.save();
    }

    if (tapeMedium())
        createTapeViews();
    else
        createRollView();
    enablePrintingForMedium();

    if (m_fileDropWhenAppStart && m_pickupFilePath)
        loadPhotoIntoMediumView(*m_pickupFilePath);
    m_window->update();

    NotificationCenter& center = NotificationCenter::defaultCenter();
    m_tapeDropObserver =
        center.addObserver(dropItemTapeNotificaion, [this] { dragItemInTapeView(); });
    m_rollDropObserver =
        center.addObserver(dropItemRollNotificaion, [this] { dragItemInRollView(); });
}

void KestavolinAppDelegate::applyCaptionColour() {
    Ui::MainWindow& ui = m_window->ui();
    for (QWidget* caption :
         {static_cast<QWidget*>(ui.selectAria), static_cast<QWidget*>(ui.inputAria),
          static_cast<QWidget*>(ui.titleNameTitle), static_cast<QWidget*>(ui.lensTitle),
          static_cast<QWidget*>(ui.authorTitle)})
        setTextColour(caption, QPalette::WindowText, captionColour);
    ui.printButton->setStyleSheet(printButtonStyle);
}

void KestavolinAppDelegate::showLensList() {
    QComboBox* lensName = m_window->ui().lensName;
    lensName->clear();
    lensName->addItems(m_settings.lensList());
}

// The photograph's own lens when the list offers it, otherwise no selection.
void KestavolinAppDelegate::selectDefaultLens() {
    QComboBox* lensName = m_window->ui().lensName;
    int index = lensName->findText(SettingsFile::photographLensEntry);
    if (index < 0)
        index = lensName->findText(SettingsFile::photographLensEntry.toLower());
    lensName->setCurrentIndex(index);
}

void KestavolinAppDelegate::createTapeViews() {
    QWidget* content = m_window->contentView();
    m_tapeImageView = new TapeView(content);
    m_tapeImageView->setGeometry(widgetRectForFrame(tapeImageRect, content->height()));
    m_tapeImageView->setFonts(m_settings.printFontName());
    m_tapeImageView->show();
    m_tapeImageView->repaint();
    m_tapeImageView->setAuthor(m_settings.photographer());

    m_scale = new ScaleViewer(content);
    m_scale->setGeometry(widgetRectForFrame(scaleRect, content->height()));
    m_scale->show();
    m_scale->repaint();
}

// The roll label is taller: the content area grows and the controls keep their
// distance from its bottom edge.
void KestavolinAppDelegate::createRollView() {
    QWidget* content = m_window->contentView();
    const int grownHeight = int(m_windowSizeRect.height()) + roll60ExtraHeight;
    content->setFixedSize(int(m_windowSizeRect.width()), grownHeight);
    m_window->layout()->activate();

    m_tack66ImageView = new Tack66View(content);
    m_tack66ImageView->setGeometry(widgetRectForFrame(tapeImageRect164, grownHeight));
    m_tack66ImageView->setFonts(m_settings.printFontName());
    m_tack66ImageView->show();
    m_tack66ImageView->setAuthor(m_settings.photographer());
    m_tack66ImageView->repaint();

    Ui::MainWindow& ui = m_window->ui();
    ui.printButton->setGeometry(widgetRectForFrame(m_printButtonRect, grownHeight));
    ui.selectAria->setGeometry(widgetRectForFrame(m_selectAriaRect, grownHeight));
    ui.inputAria->setGeometry(widgetRectForFrame(m_inputAriaRect, grownHeight));
}

void KestavolinAppDelegate::applicationWillTerminate() {
    m_settings.save();
}

void KestavolinAppDelegate::saveSettings() {
    m_settings.save();
    reportSettingsSaveFailure();
}

// A settings file that could not be written is told in the window, with the reason.
void KestavolinAppDelegate::reportSettingsSaveFailure() {
    if (m_settings.saveError().isEmpty())
        return;
    runAlertPanel(localizedString(QStringLiteral("settingsNotSaved")),
                  localizedString(QStringLiteral("settingsNotSavedMsg")) + QStringLiteral("\n\n") +
                      m_settings.saveError(),
                  localizedString(QStringLiteral("Ok")), QString(), QString());
}

void KestavolinAppDelegate::newWindow() {
    if (!m_window->isVisible())
        redisplayWindow();
}

void KestavolinAppDelegate::redisplayWindow() {
    Ui::MainWindow& ui = m_window->ui();
    ui.titleMessageBox->setText(QString());
    ui.lensName->setCurrentIndex(0);
    m_window->setWindowTitle(windowTitle);
    if (LabelView* view = labelViewOfMedium()) {
        view->clearAllStr();
        view->setAuthor(m_settings.photographer());
    }
    m_kestavolin.reset();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

// A file too short to analyse (or gone) gives no record; the user is told, since the
// record shows no alert of its own for it.
void KestavolinAppDelegate::readPhoto(const QString& path) {
    AnalysisOptions options;
    options.pictureDecoder = [this](const FileData& data) {
        return decodeBesideTheEventLoop(data, m_decodePicture);
    };
    m_readingPhoto = true;
    const auto data = FileData::initWithContentsOfFile(path);
    m_kestavolin = Kestavolin::initWithData(data, options);
    m_readingPhoto = false;
    if (!m_waitingRequests.isEmpty())
        QTimer::singleShot(0, this, &KestavolinAppDelegate::takeWaitingRequests);
    // A file that shrank while it was read gave zeros in place of its bytes.
    if (data && data->changedWhileRead())
        m_kestavolin.reset();
    if (!m_kestavolin) {
        showUnreadableFileAlert();
        return;
    }
    if (const auto failure = m_kestavolin->failure())
        showAnalysisAlert(*failure);
    m_kestavolin->setFileName(path);
    if (m_kestavolin->haveExif())
        m_window->setWindowTitle(QFileInfo(path).fileName());
}

void KestavolinAppDelegate::showPhoto(LabelView& view) {
    view.setExifSetingDisplay(m_settings.exifItemsStatus());
    view.setExifData(m_kestavolin.get());
    view.repaint();
}

void KestavolinAppDelegate::loadPhotoIntoMediumView(const QString& path) {
    readPhoto(path);
    if (LabelView* view = labelViewOfMedium())
        showPhoto(*view);
}

void KestavolinAppDelegate::openFile() {
    m_dialogs.chooseFileToOpen(m_window.get(), openDialogMessage, openDialogNameFilters(),
                               [this](const QString& path) {
                                   if (!m_window->isVisible())
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
    m_pickupFilePath = path;
    // Before start-up there is no label view yet: start-up loads the photograph at its end.
    if (!m_runActive) {
        m_fileDropWhenAppStart = true;
        return;
    }
    if (!m_window->isVisible())
        redisplayWindow();
    loadPhotoIntoMediumView(path);
}

void KestavolinAppDelegate::takeHandedOverRequest(const QStringList& paths) {
    if (m_readingPhoto) {
        m_waitingRequests.append(paths);
        return;
    }
    if (!paths.isEmpty()) {
        applicationOpenFiles(paths);
        return;
    }
    newWindow();
    m_window->raise();
    m_window->activateWindow();
}

void KestavolinAppDelegate::takeWaitingRequests() {
    while (!m_readingPhoto && !m_waitingRequests.isEmpty())
        takeHandedOverRequest(m_waitingRequests.takeFirst());
}

void KestavolinAppDelegate::dragItemInTapeView() {
    loadDroppedPhoto(m_tapeImageView);
}

void KestavolinAppDelegate::dragItemInRollView() {
    loadDroppedPhoto(m_tack66ImageView);
}

// The window's visibility is not looked at: a drop can only come from a shown label.
void KestavolinAppDelegate::loadDroppedPhoto(LabelView* view) {
    if (!view)
        return;
    const QString path = view->dropFilePath();
    if (path.size() < minimumDropPathLength || !hasPhotoExtension(path))
        return;
    readPhoto(path);
    showPhoto(*view);
}

void KestavolinAppDelegate::inputLensName() {
    QComboBox* lensName = m_window->ui().lensName;
    const QString name = lensName->currentText();
    QStringList lenses = m_settings.lensList();
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
    m_settings.setLensList(lenses);
    showLensList();
    // Rebuilding the list must not change what the box shows.
    lensName->setCurrentIndex(lensName->findText(name));
    setUserLensOnLabel(name);
    saveSettings();
}

void KestavolinAppDelegate::deleteLensName() {
    if (!m_window->isVisible())
        return;
    const int answer = runAlertPanel(localizedString(QStringLiteral("lensDelCoution")),
                                     localizedString(QStringLiteral("lensDelMessage")),
                                     localizedString(QStringLiteral("OK")),
                                     localizedString(QStringLiteral("Cansel")), QString());
    if (answer != alertDefaultReturn)
        return;
    QComboBox* lensName = m_window->ui().lensName;
    const QString name = lensName->currentText();
    QStringList lenses = m_settings.lensList();
    if (!lenses.contains(name)) {
        showAlert(QStringLiteral("lensNotDelete"), QStringLiteral("lensNotDeleteMsg"),
                  QStringLiteral("Colse"));
        return;
    }
    // The photograph's own lens cannot be deleted, in any letter case.
    if (SettingsFile::namesPhotographLens(name))
        return;
    lenses.removeAll(name);
    m_settings.setLensList(lenses);
    showLensList();
    selectDefaultLens();
    setUserLensOnLabel(lensName->currentText());
    saveSettings();
}

void KestavolinAppDelegate::setUserLensOnLabel(const QString& name) {
    if (LabelView* view = labelViewOfMedium())
        view->setUserLens(name);
}

// A refused name puts the kept one back in the field, so that field and label agree.
void KestavolinAppDelegate::inputPhotograper() {
    QLineEdit* field = m_window->ui().photographerBox;
    const QString name = field->text();
    if (name.isEmpty() || name.size() > maximumPhotographerLength) {
        field->setText(m_settings.photographer());
        return;
    }
    m_settings.setPhotographer(name);
    m_settings.save();
    if (LabelView* view = labelViewOfMedium())
        view->setAuthor(m_settings.photographer());
}

// An emptied field removes the title: the label returns to the blank a new label
// starts with. A title too long is refused and the field shows the kept one again.
void KestavolinAppDelegate::titleInput() {
    QLineEdit* field = m_window->ui().titleMessageBox;
    const QString title = field->text();
    if (title.size() > maximumTitleLength) {
        field->setText(m_titleName);
        return;
    }
    m_titleName = title;
    if (LabelView* view = labelViewOfMedium())
        view->setTitle(m_titleName.isEmpty() ? blankLabelText : m_titleName);
}

void KestavolinAppDelegate::pageSetup() {
    LabelView* view = labelViewOfMedium();
    if (!m_window->isVisible() || !view)
        return;
    QPrinter& printer = PrintSetup::sharedPrinter();
    if (const QPageLayout* chosen = chosenPaperFor(printer.printerName()))
        printer.setPageLayout(*chosen);
    else
        PrintSetup::proposePageSetup(printer, view->layout().labelSize());
    if (m_dialogs.runPageSetup(printer, m_window.get()))
        m_chosenPaper = {printer.printerName(), printer.pageLayout()};
}

const QPageLayout* KestavolinAppDelegate::chosenPaperFor(const QString& queue) const {
    return m_chosenPaper && m_chosenPaper->first == queue ? &m_chosenPaper->second : nullptr;
}

// Prints the label of the medium: tells the tape length to set, lets the user choose
// the queue and the printer's own options, sends the label on the page the queue's
// driver needs and follows the job; every failure on the way is an alert.
void KestavolinAppDelegate::printTape() {
    LabelView* view = labelViewOfMedium();
    if (!m_window->isVisible() || !view)
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
    if (!m_dialogs.runPrintDialog(printer, m_window.get()))
        return;
    const QString documentName =
        m_kestavolin ? QFileInfo(m_kestavolin->fileName()).fileName() : windowTitle;
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
        m_printJobs->follow(job.queue, submission.jobId);
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

void KestavolinAppDelegate::printAction() {
    printTape();
}

void KestavolinAppDelegate::selectPreferences() {
    PreferencesKestavolin panel(m_window.get());
    panel.setFontFountStyle(m_settings.printFontFamilyName(), m_settings.printPontStyleIndex());
    panel.setMediaType(m_settings.mediaTypeName());
    panel.setExifItemState(m_settings.exifItemsStatus());
    if (!m_dialogs.runPreferences(panel))
        return;

    // A panel that could not place any font keeps the label font as it is.
    if (!panel.psFontName().isEmpty())
        m_settings.setPrintFont(panel.fontFamilyName(), panel.psFontName(), panel.fontStyleIndex());
    m_settings.setMediaName(panel.mediaType());
    m_settings.takeExifItems(panel.exifItemState());

    if (LabelView* view = labelViewOfMedium()) {
        view->setExifSetingDisplay(panel.exifItemState());
        view->setFonts(m_settings.printFontName());
        view->setAuthor(m_settings.photographer());
        if (m_kestavolin && m_kestavolin->haveExif())
            view->setExifData(m_kestavolin.get());
        view->setTitle(m_titleName);
    }
    saveSettings();
}

void KestavolinAppDelegate::showAbout() {
    m_dialogs.showAbout(
        m_window.get(), localizedString(QStringLiteral("AboutTitle")),
        localizedString(QStringLiteral("AboutMsg")).arg(QStringLiteral(KESTAVOLIN_VERSION)));
}
