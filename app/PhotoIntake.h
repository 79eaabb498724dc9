#pragma once

#include "app/PhotoEntry.h"

#include <QImage>
#include <QObject>

#include <memory>
#include <vector>

class FileData;
class PhotoRecord;
class PhotoList;
class QThread;

// Reads photographs into a photo list off the event loop: one worker thread reads each
// file, analyses its metadata, decodes its picture and makes its thumbnail, one
// photograph after the other, and the list receives the entries on the event loop in
// the order they were given. A photograph that cannot be analysed becomes an entry
// that says why. A photograph given no title may take the title stored in its own
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

    // Photographs without camera data are listed with their picture instead of failing.
    void setAcceptWithoutCameraData(bool accept);
    // Photographs given no title take the title stored in their own metadata.
    void setTitlesFromPhotos(bool on);
    // The title a photograph read elsewhere (its bytes in data) starts with, by the
    // intake's rule: the given title, or when there is none and titles from photographs
    // are on, the photograph's own. For a photograph opened alone.
    QString startingTitle(const FileData& data, const QString& given) const;

    // Queues the entries (path and captions filled in) behind those being read.
    void add(std::vector<PhotoEntry> pending);
    void add(const QStringList& paths);

    // True from add() until finished() (also while a cancelled run ends).
    bool isBusy() const;

public slots:
    // Drops every photograph not yet read; those read stay in the list.
    void cancel();

signals:
    // After each photograph: how many of this run are in the list, of how many.
    void progressChanged(int done, int total);
    // The queue is empty again; cancelled when cancel() ended it.
    void finished(bool cancelled);

private:
    struct Queue;
    void startWorker();
    void deliver(PhotoEntry entry);
    void workerEnded();

    PhotoList& list_;
    std::shared_ptr<Queue> queue_;
    std::unique_ptr<QThread> worker_;
    // Worker threads started whose end the event loop has not yet seen.
    int workers_ = 0;
    int done_ = 0;
    int total_ = 0;
    bool cancelled_ = false;
};
