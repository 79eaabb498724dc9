#pragma once

#include "app/AppPaths.h"
#include "app/Application.h"
#include "app/DialogRunner.h"
#include "platform/Alert.h"

#include "common/PrintServices.h"

#include <QByteArray>
#include <QPageLayout>
#include <QTemporaryDir>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

class LabelLayout;
class MainWindow;
class QAbstractItemModel;
class QComboBox;
class QLineEdit;

// Answers every dialog of the application at once, as a user would, and remembers what
// each was shown.
class ScriptedDialogRunner : public DialogRunner {
public:
    void chooseFilesToOpen(QWidget* parent, const QString& message, const QStringList& nameFilters,
                           bool several,
                           std::function<void(const QStringList& paths)> chosen) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const QString& message,
                                            const QString& nameFilter,
                                            const QString& suffix) override;
    std::optional<QString> askForMedium(const LabelPrinting& suggestions) override;
    bool runPreferences(PreferencesDialog& panel) override;
    bool runPageSetup(QPrinter& printer, QWidget* parent) override;
    bool runPrintDialog(QPrinter& printer, QWidget* parent) override;
    void showAbout(QWidget* parent, const QString& title, const QString& text) override;

    // Media panel: the answer, and a check run while the panel is up (given what suggests
    // the medium); or the real panel, run modally.
    std::optional<QString> medium = QStringLiteral("Tape 18");
    std::function<void(const LabelPrinting&)> whileAskingForMedium;
    int mediumQuestions = 0;
    bool realMediaPanel = false;

    // Preferences: what the user does in the panel before OK (or Cancel).
    std::function<void(PreferencesDialog&)> preferencesChoice;
    bool confirmPreferences = true;
    int preferencesShown = 0;

    // Open dialogs: the paths the user picks (nothing: cancelled) and what was offered.
    std::optional<QStringList> openAnswer;
    QStringList openFilters;
    QString openMessage;
    bool openOffersSeveral = false;
    // Save dialog: the path the user gives (nothing: cancelled) and what was offered.
    std::optional<QString> saveAnswer;
    QString saveFilter;
    QString saveMessage;

    // Page set-up and print dialog: the layout each was shown, and the answer. A
    // confirmed print dialog sends the job to the print queue named queue, or when
    // none is named to pdfPath.
    std::optional<QPageLayout> pageSetupShown;
    // The paper the user picks in the page set-up, when any.
    std::optional<QPageLayout> pageSetupChoice;
    std::optional<QPageLayout> printDialogShown;
    int printDialogsShown = 0;
    bool confirmPrint = true;
    QString queue;
    QString pdfPath;
};

// The application on a fresh home folder (its own configuration and state folders),
// with dialogs scripted, alerts recorded and keys as texts. Tests act on the window as
// a user does and read what the window shows.
class AppFixture {
public:
    // A fresh home folder, or the one given (which the fixture leaves in place).
    explicit AppFixture(const QString& home = QString());
    ~AppFixture();

    QString home() const { return home_; }
    AppPaths paths() const;
    void writeSettings(const QVariantMap& settings) const;
    QVariantMap readSettings() const;
    // A settings file holding a valid medium and nothing else of note.
    void writeSettingsWithMedium(const QString& medium) const;

    // Creates the application, shows its window (as the application does) and runs
    // start-up with the photographs named.
    Application& start(const QStringList& photographs = {});
    // The same on a settings file of the medium.
    Application& startOn(const QString& medium, const QStringList& photographs = {});
    // Ends the application as Quit does, saving what it saves.
    void quit();
    Application& app() { return *app_; }

    // A copy of the bundled sample photograph under the given name in the home folder.
    QString samplePhoto(const QString& name) const;
    QString fileWithBytes(const QString& name, const QByteArray& bytes) const;

    // The window and what it shows.
    MainWindow& window() const;
    const QAbstractItemModel& list() const;
    const LabelLayout* label() const;
    QLineEdit* titleField() const;
    QLineEdit* photographerField() const;
    QComboBox* lensBox() const;
    QAction* action(const char* name) const;
    // The texts of the label's placed texts, joined.
    QString labelTexts() const;

    // Waits until no listed photograph is being read.
    bool waitForReading() const;
    // Waits until the print or page set-up under way is done with (dialogs shown, jobs
    // sent or refused); false when it took longer than the print service's deadlines.
    bool waitForPrinting() const;
    void select(int row) const;
    void typeTitle(const QString& text) const;
    void typePhotographer(const QString& text) const;
    void trigger(const char* actionName) const;

    ScriptedDialogRunner dialogs;
    RecordingAlertPresenter alerts;

private:
    QTemporaryDir freshHome_;
    QString home_;
    QList<std::pair<const char*, QByteArray>> environment_;
    std::unique_ptr<ScopedPrintService> printService_;
    std::unique_ptr<Application> app_;
};

// The page boxes of a PDF file as (width, height) in points, in page order.
QList<QSizeF> pdfPageSizes(const QString& path);
