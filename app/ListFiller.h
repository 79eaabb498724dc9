#pragma once

#include "app/PhotoEntry.h"

#include <QObject>
#include <QStringList>

#include <deque>
#include <vector>

class PhotoIntake;
class PhotoList;

// Fills the photo list through its intake. Each photograph is named for the one alert
// that tells, once a run ends, which of the run could not be read; the first readable
// photograph of a run is announced, so that the window shows it.
class ListFiller : public QObject {
    Q_OBJECT
public:
    ListFiller(PhotoList& list, PhotoIntake& intake, QObject* parent = nullptr);

    // Queues the entries behind those being read, each with its name.
    void add(std::vector<PhotoEntry> pending, const QStringList& names);

signals:
    void firstArrived(int row);

private:
    void arrived(int row);
    void runEnded();

    PhotoList& list_;
    PhotoIntake& intake_;
    // The names of the photographs still to arrive, in order, and what failed so far.
    std::deque<QString> arrivingNames_;
    QStringList failed_;
    bool announceNext_ = false;
};
