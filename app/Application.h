#pragma once

#include "app/AppPaths.h"

#include <QObject>
#include <QStringList>
#include <QUndoStack>

#include <memory>

class AlertPresenter;
class DialogRunner;
class EntryController;
class LabelPrinting;
class LensController;
class ListAutosave;
class MainWindow;
class PhotoIntake;
class PhotoList;
class PhotoListController;
class PrintController;
class SettingsController;

// The application: its one window, the photo list it edits and the controllers that
// answer the window, each with one job, wired together here. Dialogs and alerts go
// through the runner and presenter given, so that tests can answer them.
class Application : public QObject {
    Q_OBJECT

public:
    // Longest title the inputs accept, in UTF-16 code units (photographs' own titles
    // are cut to it as well).
    static constexpr qsizetype maximumTitleLength = 400;

    Application(DialogRunner& dialogs, AlertPresenter& alerts,
                const AppPaths& paths = AppPaths::standard());
    ~Application() override;

    MainWindow& window() const { return *window_; }
    // Printing from the window: its steps and the jobs it follows.
    const LabelPrinting& printing() const;

    // Start-up: the settings and, at the first start, the medium; then the list kept from
    // the last run, and the photographs named (added to its end). False when the
    // application is being ended during the first start's question.
    bool start(const QStringList& photographs);
    // Photographs handed over by a later launch (none: show the window).
    void takeHandedOverRequest(const QStringList& paths);
    // Saves the settings and the list before the application ends.
    void saveAll();

private:
    void connectWindow();
    void restoreList();
    void tellFailure(const QString& titleKey, const struct Failure& failure);

    DialogRunner& dialogs_;
    AlertPresenter& alerts_;
    AppPaths paths_;
    // Each part after those it uses, so that it goes first.
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<PhotoList> list_;
    QUndoStack edits_;
    std::unique_ptr<PhotoIntake> intake_;
    std::unique_ptr<SettingsController> settings_;
    std::unique_ptr<EntryController> entries_;
    std::unique_ptr<LensController> lenses_;
    std::unique_ptr<PhotoListController> photos_;
    std::unique_ptr<PrintController> printing_;
    std::unique_ptr<ListAutosave> autosave_;
    bool started_ = false;
    // Requests handed over before start-up ended wait for it.
    QStringList waiting_;
};
