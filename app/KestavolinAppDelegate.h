#pragma once

#include "app/PictureDecoding.h"
#include "app/Settings.h"

#include "printing/PrintJob.h"
#include "printing/PrintSetup.h"

#include <QObject>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class DialogRunner;
class FileData;
class PhotoRecord;
class LabelView;
class ListFiller;
class MainWindow;
class PhotoIntake;
class PhotoList;
struct PhotoEntry;
class PrintJobWatcher;
class Ruler;
class RollView;
class TapeView;

// The application's controller: loads the settings and lays out the main window for
// the medium at start-up, takes photographs in from the open dialog, the desktop,
// drops and caption sheets into the photo list, shows the label of the selected one,
// keeps the lens list and the caption inputs, prints the label or every label of the
// list, applies confirmed preferences and saves the settings when the application
// ends. One photograph opened while the list is idle is read at once, as a label
// alone always was; several, and any opened while the list is filling, are read by
// the list's intake.
class KestavolinAppDelegate : public QObject {
    Q_OBJECT

public:
    // Longest photographer name and title the inputs accept, in UTF-16 code units.
    static constexpr qsizetype maximumPhotographerLength = 139;
    static constexpr qsizetype maximumTitleLength = 400;
    // A name can be added while the lens list holds at most this many entries.
    static constexpr qsizetype lensListAddLimit = 18;
    // Shortest dropped path that is looked at ("a.jpg" is five characters).
    static constexpr qsizetype minimumDropPathLength = 5;

    // Loads the main interface. The settings file is the one in the user's home folder
    // unless another path is given.
    explicit KestavolinAppDelegate(DialogRunner& dialogs,
                                   const QString& plistFilePath = Settings::defaultPlistFilePath());
    ~KestavolinAppDelegate() override;

    MainWindow& window() const { return *window_; }
    const Settings& settings() const { return settings_; }
    const PhotoRecord* record() const { return record_.get(); }
    const PhotoList& photoList() const { return *photoList_; }
    const PhotoIntake& intake() const { return *intake_; }
    const PrintJobWatcher& printJobs() const { return *printJobs_; }
    TapeView* tapeView() const { return tapeView_; }
    RollView* rollView() const { return rollView_; }
    Ruler* scale() const { return scale_; }
    const QString& titleName() const { return titleName_; }
    bool runActive() const { return runActive_; }

    // The decoder of the photographs' pictures, run beside the event loop.
    void decodePicturesWith(PictureDecoder decode) { decodePicture_ = std::move(decode); }

public slots:
    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    void applicationOpenFiles(const QStringList& paths);
    // A request handed over by a later launch: its files, or without any, the window.
    void takeHandedOverRequest(const QStringList& paths);

    void newWindow();
    void redisplayWindow();
    void openFile();
    // Photographs dropped on the label of the medium.
    void loadDroppedPhotos(const QStringList& paths);

    void inputLensName(const QString& name);
    void deleteLensName();
    void inputPhotographer(const QString& name);
    void titleInput(const QString& title);

    void pageSetup();
    // Prints the label of the medium, the tape or the roll label.
    void printTape();
    // Every label of the list as one job, and as one PDF file.
    void printAll();
    void exportAllAsPdf();
    void importCaptionSheet();
    void exportCaptionSheet();
    void printJobFailed(const QString& queue, const PrintJob::Progress& progress);

    void selectPreferences();
    void showAbout();

private:
    void saveSettings();
    void reportSettingsSaveFailure();
    void connectInterface();
    void showLensList();
    void selectDefaultLens();
    void createTapeViews();
    void createRollView();
    void enablePrintingForMedium();
    bool tapeMedium() const;
    // The load sequence: the file becomes the current photo record, then the label
    // view of the medium shows it. Gives the bytes read (null when none could be).
    std::shared_ptr<const FileData> readPhoto(const QString& path);
    void showPhoto(LabelView& view);
    void takeWaitingRequests();
    // Runs the step now, or once the photograph being read is shown.
    void afterReading(std::function<void()> step);
    void openPhotographs(const QStringList& paths);
    // Lists the photograph just read alone (its bytes in data) and shows it through its
    // entry; false when it could not be analysed and so is not listed.
    bool listReadPhoto(const FileData& data);
    // Queues entries for the intake, each named in the alert should it fail.
    void addToList(std::vector<PhotoEntry> pending, const QStringList& names);
    // The row's label in the view, with the row's captions.
    void showEntry(int row);
    // The row of the list the label shows, -1 when it shows none of them.
    int shownRow() const;
    void listChanged();
    // The window's label options for every entry of the list.
    void applyLabelDefaults();
    // Sends the labels and tells every failure on the way; names name the labels.
    void submitLabels(const PrintSetup::JobSettings& job,
                      const std::vector<PrintSetup::Label>& labels, const QStringList& names);
    void setUserLensOnLabel(const QString& name);
    // The paper the user confirmed in the page set-up for that queue, if any.
    const QPageLayout* chosenPaperFor(const QString& queue) const;
    // tapeView for the tape medium, otherwise rollView; null before start-up.
    LabelView* labelViewOfMedium() const;

    DialogRunner& dialogs_;
    std::unique_ptr<MainWindow> window_;
    Settings settings_;
    QString titleName_;
    std::shared_ptr<PhotoRecord> record_;
    PhotoList* photoList_;
    PhotoIntake* intake_;
    ListFiller* filler_;
    // The lens last picked in the window, for every entry without its own.
    std::optional<QString> chosenLens_;
    TapeView* tapeView_ = nullptr;
    RollView* rollView_ = nullptr;
    Ruler* scale_ = nullptr;
    PrintJobWatcher* printJobs_;
    std::optional<std::pair<QString, QPageLayout>> chosenPaper_;

    bool runActive_ = false;
    bool fileDropWhenAppStart_ = false;
    QStringList pickupFilePaths_;

    PictureDecoder decodePicture_;
    // Requests handed over while a photograph is read wait for it to be shown.
    bool readingPhoto_ = false;
    QList<std::function<void()>> waitingRequests_;
};
