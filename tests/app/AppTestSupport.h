#pragma once

#include "app/DialogRunner.h"
#include "app/KestavolinAppDelegate.h"
#include "platform/Alert.h"

#include <QByteArray>
#include <QPageLayout>
#include <QTemporaryDir>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

// Answers every dialog of the controller at once, as a user would, and remembers what
// each was shown.
class ScriptedDialogRunner : public DialogRunner {
public:
    void chooseFilesToOpen(QWidget* parent, const QString& message, const QStringList& nameFilters,
                           bool several,
                           std::function<void(const QStringList& paths)> chosen) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const QString& message,
                                            const QString& nameFilter,
                                            const QString& suffix) override;
    std::optional<QString> askForMedium() override;
    bool runPreferences(PreferencesDialog& panel) override;
    bool runPageSetup(QPrinter& printer, QWidget* parent) override;
    bool runPrintDialog(QPrinter& printer, QWidget* parent) override;
    void showAbout(QWidget* parent, const QString& title, const QString& text) override;

    // Media panel: the answer, and a check run while the panel is up; or the real
    // panel, run modally.
    std::optional<QString> medium = QStringLiteral("Tape 18");
    std::function<void()> whileAskingForMedium;
    int mediumQuestions = 0;
    bool realMediaPanel = false;

    // Preferences: what the user does in the panel before OK (or Cancel).
    std::function<void(PreferencesDialog&)> preferencesChoice;
    bool confirmPreferences = true;
    int preferencesShown = 0;
    QString preferencesMediumShown;

    // Open dialog: the pending answer, to be given later with answerOpenDialog.
    std::function<void(const QString&)> pendingOpen;
    std::function<void(const QStringList&)> pendingOpenSeveral;
    bool openOffersSeveral = false;
    // Save dialog: the path the user gives (nothing: cancelled) and the filter shown.
    std::optional<QString> saveAnswer;
    QString saveFilter;
    QStringList openFilters;
    QString openMessage;

    // Page set-up and print dialog: the layout each was shown, and the answer. A
    // confirmed print dialog sends the job to the print queue named queue, or when
    // none is named to pdfPath.
    std::optional<QPageLayout> pageSetupShown;
    // The paper the user picks in the page set-up, when any.
    std::optional<QPageLayout> pageSetupChoice;
    std::optional<QPageLayout> printDialogShown;
    bool confirmPrint = true;
    QString queue;
    QString pdfPath;
};

// A controller on a fresh home folder, with alerts recorded and keys as texts.
class AppFixture {
public:
    AppFixture();
    ~AppFixture();

    QString home() const { return m_home.path(); }
    QString settingsPath() const;
    void writeSettings(const QVariantMap& settings) const;
    QVariantMap readSettings() const;
    // A settings file holding a valid medium and nothing else of note.
    void writeSettingsWithMedium(const QString& medium) const;
    // Starts on such a settings file.
    KestavolinAppDelegate& startOn(const QString& medium);

    // Creates the controller, shows the window (as the application does) and, unless
    // told otherwise, runs start-up.
    KestavolinAppDelegate& start(bool finishLaunching = true);
    KestavolinAppDelegate& app() { return *m_app; }

    // A copy of the bundled sample photograph under the given name in the home folder.
    QString samplePhoto(const QString& name) const;
    QString fileWithBytes(const QString& name, const QByteArray& bytes) const;

    ScriptedDialogRunner dialogs;
    RecordingAlertPresenter alerts;

private:
    QTemporaryDir m_home;
    QByteArray m_previousHome;
    std::unique_ptr<ScopedAlertPresenter> m_alertScope;
    std::unique_ptr<KestavolinAppDelegate> m_app;
};

// The page boxes of a PDF file as (width, height) in points, in page order.
QList<QSizeF> pdfPageSizes(const QString& path);
