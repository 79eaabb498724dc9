#pragma once

#include "app/Settings.h"

#include <QObject>

class AlertPresenter;
class DialogRunner;
class LabelPrinting;
class MainWindow;
class PhotoIntake;
class PhotoList;

// Start-up and the settings: reads the settings file (taking it over from where older
// versions kept it, the first time), asks for the label medium at the first start,
// gives the photo list the window's defaults (medium, photographer, lens, font, items
// shown) and the intake its options, applies the preferences the user confirms, and
// saves the settings, telling the user when they cannot be saved.
class SettingsController : public QObject {
    Q_OBJECT

public:
    // formerPath: where older versions kept the settings; read once when path holds
    // none yet, and left as it is.
    SettingsController(const QString& path, const QString& formerPath, PhotoList& list,
                       PhotoIntake& intake, MainWindow& window, DialogRunner& dialogs,
                       AlertPresenter& alerts, QObject* parent = nullptr);

    // Loads the settings and, at the first start, asks for the medium, the question
    // opening on the medium the default printer has loaded when the printing finds it.
    // False when the application is being ended while it asks: nothing is stored for the
    // medium then.
    bool start(LabelPrinting& printing);

    const Settings& settings() const { return settings_; }
    // A changed lens list, saved at once.
    void setLensList(const QStringList& names);
    // Writes the settings file; a failure is told once, until a save succeeds again.
    void save();

public slots:
    void editPreferences();

signals:
    // The lens list changed through the preferences' defaults or a start-up.
    void lensListChanged();

private:
    void adoptFormerFile();
    void applyDefaults();

    Settings settings_;
    QString formerPath_;
    PhotoList& list_;
    PhotoIntake& intake_;
    MainWindow& window_;
    DialogRunner& dialogs_;
    AlertPresenter& alerts_;
    bool saveFailureTold_ = false;
};
