#pragma once

#include <QObject>

class AlertPresenter;
class MainWindow;
class SettingsController;

// The lens list in the lens box: a new name typed there joins the list (while it has
// room) and is saved; Delete Lens removes the shown name after asking, and is not
// offered for the entry standing for the photograph's own lens. A name of the list,
// picked or just added, is chosen for the selected photograph.
class LensController : public QObject {
    Q_OBJECT

public:
    // A name can be added while the lens list holds at most this many entries.
    static constexpr qsizetype lensListAddLimit = 18;

    LensController(SettingsController& settings, MainWindow& window, AlertPresenter& alerts,
                   QObject* parent = nullptr);

    // Shows the settings' lens list in the lens box.
    void showLensList();

public slots:
    void takeLensName(const QString& name);
    void deleteShownLens();

signals:
    void lensChosen(const QString& name);

private:
    void followShownName();

    SettingsController& settings_;
    MainWindow& window_;
    AlertPresenter& alerts_;
};
