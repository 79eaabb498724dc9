#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class LabelPrinting;
class PreferencesDialog;
class QPrinter;
class QWidget;

// Shows the application's dialogs. The application uses the real dialogs; tests put a
// runner of their own in its place to answer them without a modal loop.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;

    // Offers existing files of the given name filters (one, or with `several` any
    // number) without blocking; chosen runs later with the paths when the user picked
    // some, and never when the user cancelled.
    virtual void chooseFilesToOpen(QWidget* parent, const QString& message,
                                   const QStringList& nameFilters, bool several,
                                   std::function<void(const QStringList& paths)> chosen) = 0;
    // Asks where to save a file of the name filter; the path with the suffix added when
    // the name has none, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFileToSave(QWidget* parent, const QString& message,
                                                    const QString& nameFilter,
                                                    const QString& suffix) = 0;
    // The medium panel; returns the medium name once the user confirmed, nothing when
    // the application is being ended while the panel is up. The panel chooses the medium
    // the printing suggests while it is up, until the user chooses.
    virtual std::optional<QString> askForMedium(const LabelPrinting& suggestions) = 0;
    // Runs the loaded preferences panel; true when the user confirmed.
    virtual bool runPreferences(PreferencesDialog& panel) = 0;
    // The page layout panel on the printer; true when the user confirmed.
    virtual bool runPageSetup(QPrinter& printer, QWidget* parent) = 0;
    // The print dialog on the printer; true when the user chose to print.
    virtual bool runPrintDialog(QPrinter& printer, QWidget* parent) = 0;
    // The about box: the application's name, version and licence.
    virtual void showAbout(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The dialogs themselves.
class ModalDialogRunner : public DialogRunner {
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
};
