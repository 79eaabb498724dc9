#pragma once

#include "app/PhotoEntry.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <vector>

class AlertPresenter;
class DialogRunner;
class EntryController;
class MainWindow;
class PhotoIntake;
class PhotoList;
class QUndoStack;

// Brings photographs into the photo list whichever way they come (the open dialog, the
// desktop and later launches, drops, caption sheets, the list kept from the last run):
// each joins the list at once and is read by the intake; once a run of reading ends,
// one alert names every photograph of it that cannot be read, with the reason. Those
// stay in the list, marked, and keep their captions. Remove, Move Up/Down and Clear
// List are edits Edit > Undo takes back; so is a cancelled reading, which takes the
// photographs not yet read out of the list. The list is written out as a caption sheet
// on request.
class PhotoListController : public QObject {
    Q_OBJECT

public:
    PhotoListController(PhotoList& list, PhotoIntake& intake, QUndoStack& edits,
                        EntryController& entries, MainWindow& window, DialogRunner& dialogs,
                        AlertPresenter& alerts, QObject* parent = nullptr);

    // Adds the photographs at the paths to the end of the list.
    void add(const QStringList& paths);
    // Adds the entries (captions filled in), each named by its name in the alert.
    void add(std::vector<PhotoEntry> entries, const QStringList& names);

public slots:
    void openPhotographs();
    void importCaptionSheet();
    void exportCaptionSheet();

private:
    void listChanged();
    void runEnded(const QList<quint64>& dropped);
    void remove(const QList<int>& rows, const QString& textKey);
    void move(int row, int step);

    PhotoList& list_;
    PhotoIntake& intake_;
    QUndoStack& edits_;
    EntryController& entries_;
    MainWindow& window_;
    DialogRunner& dialogs_;
    AlertPresenter& alerts_;
    // The entries read in this run, in order, and the names they are told by.
    QList<quint64> run_;
    QHash<quint64, QString> names_;
};
