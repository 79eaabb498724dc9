#pragma once

#include "app/PhotoEntry.h"

#include <QObject>
#include <QStringList>

#include <deque>
#include <vector>

class PhotoIntake;
class PhotoList;

// Fills the photo list through its intake. Each photograph is named for the one alert
// that tells, once a run ends, which of the run could not be read; a photograph given
// no title may take the title stored in its own metadata; the first readable
// photograph of a run is announced, so that the window shows it.
class ListFiller : public QObject {
    Q_OBJECT
public:
    ListFiller(PhotoList& list, PhotoIntake& intake, qsizetype maximumTitleLength,
               QObject* parent = nullptr);

    void setTitlesFromPhotos(bool on) { titlesFromPhotos_ = on; }
    // The given title, or when there is none and titles from photographs are on, the
    // photograph's own, cut to the longest title accepted.
    QString startingTitle(const QString& path, const QString& given) const;

    // Queues the entries behind those being read, each with its name.
    void add(std::vector<PhotoEntry> pending, const QStringList& names);

signals:
    void firstArrived(int row);

private:
    void arrived(int row);
    void runEnded();

    PhotoList& list_;
    PhotoIntake& intake_;
    const qsizetype maximumTitleLength_;
    bool titlesFromPhotos_ = false;
    // The names of the photographs still to arrive, in order, and what failed so far.
    std::deque<QString> arrivingNames_;
    QStringList failed_;
    bool announceNext_ = false;
};
