#pragma once

#include "app/PhotoEntry.h"

#include <QImage>
#include <QList>
#include <QObject>

#include <memory>
#include <vector>

class PhotoList;
class PhotoRecord;
class QThread;

// Reads the photographs of listed entries off the event loop: one worker thread reads
// each file, analyses its metadata, decodes its picture and makes its thumbnail, one
// photograph after the other, and each entry of the list receives what was found on the
// event loop, in the order they were given. A photograph that cannot be analysed gets
// the reason. A photograph given no title may take the title stored in its own
// metadata, read on the worker thread with the rest of the photograph.
class PhotoIntake : public QObject {
    Q_OBJECT
public:
    // Thumbnails are at most this many pixels high.
    static constexpr int thumbnailHeight = 64;

    // The list's thumbnail of an analysed photograph; null without a picture.
    static QImage thumbnailOf(const PhotoRecord& record);

    // Titles taken from photographs are cut to maximumTitleLength.
    PhotoIntake(PhotoList& list, qsizetype maximumTitleLength, QObject* parent = nullptr);
    // Cancels what is left and waits for the photograph being read.
    ~PhotoIntake() override;

    // Photographs without camera data are labelled with their picture instead of failing.
    void setAcceptWithoutCameraData(bool accept);
    // Photographs given no title take the title stored in their own metadata.
    void setTitlesFromPhotos(bool on);

    // Queues the entries (id, path and title) behind those being read.
    void read(const std::vector<PhotoEntry>& entries);

    // True from read() until finished() (also while a cancelled run ends).
    bool isBusy() const;

public slots:
    // Drops every photograph not yet read.
    void cancel();

signals:
    // After each photograph: how many of this run were read, of how many.
    void progressChanged(int done, int total);
    // The queue is empty again; dropped holds the entries a cancel left unread.
    void finished(const QList<quint64>& dropped);

private:
    struct Queue;
    void startWorker();
    void deliver(quint64 id, PhotoEntry read);
    void workerEnded();

    PhotoList& list_;
    std::shared_ptr<Queue> queue_;
    std::unique_ptr<QThread> worker_;
    // Worker threads started whose end the event loop has not yet seen.
    int workers_ = 0;
    int done_ = 0;
    int total_ = 0;
    QList<quint64> dropped_;
};
