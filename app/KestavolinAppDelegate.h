#pragma once

#include "app/PictureDecoding.h"
#include "app/Settings.h"

#include "platform/NotificationCenter.h"
#include "platform/PrintJob.h"

#include <QObject>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

class DialogRunner;
class Kestavolin;
class LabelView;
class MainWindow;
class PrintJobWatcher;
class ScaleViewer;
class Tack66View;
class TapeView;

// The application's controller: loads the settings and lays out the main window for
// the medium at start-up, takes photographs in from the open dialog, the desktop and
// drops, keeps the lens list and the caption inputs, prints the label, applies
// confirmed preferences and saves the settings when the application ends.
class KestavolinAppDelegate : public QObject {
    Q_OBJECT

public:
    // Extra height of the content area for the roll label, which is taller than the tape.
    static constexpr int roll60ExtraHeight = 97;
    // Longest photographer name and title the inputs accept, in UTF-16 code units.
    static constexpr qsizetype maximumPhotographerLength = 139;
    static constexpr qsizetype maximumTitleLength = 400;
    // A name can be added while the lens list holds at most this many entries.
    static constexpr qsizetype lensListAddLimit = 18;
    // Shortest dropped path that is looked at ("a.jpg" is five characters).
    static constexpr qsizetype minimumDropPathLength = 5;

    // Label, ruler and roll label frames in the content area, from its lower-left corner.
    static inline const QRectF tapeImageRect{20, 170, 238, 43};
    static inline const QRectF scaleRect{20, 220, 680, 30};
    static inline const QRectF tapeImageRect164{40, 170, 170, 170};

    // Loads the main interface. The settings file is the one in the user's home folder
    // unless another path is given.
    explicit KestavolinAppDelegate(DialogRunner& dialogs,
                                   const QString& plistFilePath = Settings::defaultPlistFilePath());
    ~KestavolinAppDelegate() override;

    MainWindow& window() const { return *m_window; }
    const Settings& settings() const { return m_settings; }
    const Kestavolin* kestavolin() const { return m_kestavolin.get(); }
    TapeView* tapeImageView() const { return m_tapeImageView; }
    Tack66View* tack66ImageView() const { return m_tack66ImageView; }
    ScaleViewer* scale() const { return m_scale; }
    const QString& titleName() const { return m_titleName; }
    bool runActive() const { return m_runActive; }

    // The decoder of the photographs' pictures, run beside the event loop.
    void decodePicturesWith(PictureDecoder decode) { m_decodePicture = std::move(decode); }

public slots:
    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    void applicationOpenFiles(const QStringList& paths);
    // A request handed over by a later launch: its files, or without any, the window.
    void takeHandedOverRequest(const QStringList& paths);

    void newWindow();
    void redisplayWindow();
    void openFile();
    void dragItemInTapeView();
    void dragItemInRollView();

    void inputLensName();
    void deleteLensName();
    void inputPhotograper();
    void titleInput();

    void pageSetup();
    // Prints the label of the medium, the tape or the roll label.
    void printTape();
    void printAction();
    void printJobFailed(const QString& queue, const PrintJob::Progress& progress);

    void selectPreferences();
    void showAbout();

private:
    void awakeFromNib();
    void saveSettings();
    void reportSettingsSaveFailure();
    void connectInterface();
    void applyCaptionColour();
    void showLensList();
    void selectDefaultLens();
    void createTapeViews();
    void createRollView();
    void enablePrintingForMedium();
    bool tapeMedium() const;
    // The load sequence: the file becomes the current photo record, then the label
    // view of the medium shows it.
    void readPhoto(const QString& path);
    void showPhoto(LabelView& view);
    void loadPhotoIntoMediumView(const QString& path);
    void loadDroppedPhoto(LabelView* view);
    void takeWaitingRequests();
    void setUserLensOnLabel(const QString& name);
    // The paper the user confirmed in the page set-up for that queue, if any.
    const QPageLayout* chosenPaperFor(const QString& queue) const;
    // tapeImageView for the tape medium, otherwise tack66ImageView; null before start-up.
    LabelView* labelViewOfMedium() const;

    DialogRunner& m_dialogs;
    std::unique_ptr<MainWindow> m_window;
    Settings m_settings;
    QString m_titleName;
    std::unique_ptr<Kestavolin> m_kestavolin;
    TapeView* m_tapeImageView = nullptr;
    Tack66View* m_tack66ImageView = nullptr;
    ScaleViewer* m_scale = nullptr;
    PrintJobWatcher* m_printJobs;
    std::optional<std::pair<QString, QPageLayout>> m_chosenPaper;

    QRectF m_windowSizeRect;
    QRectF m_selectAriaRect;
    QRectF m_inputAriaRect;
    QRectF m_printButtonRect;

    bool m_runActive = false;
    bool m_fileDropWhenAppStart = false;
    std::optional<QString> m_pickupFilePath;

    PictureDecoder m_decodePicture;
    // Requests handed over while a photograph is read wait for it to be shown.
    bool m_readingPhoto = false;
    QList<QStringList> m_waitingRequests;

    NotificationCenter::Token m_tapeDropObserver = 0;
    NotificationCenter::Token m_rollDropObserver = 0;
};
