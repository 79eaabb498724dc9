#include "app/PhotoIntake.h"

#include "app/PhotoList.h"
#include "label/LabelPictures.h"
#include "photo/EmbeddedTitle.h"
#include "photo/PhotoFileTypes.h"
#include "photo/PhotoRecord.h"
#include "pictures/Picture.h"
#include "platform/FileData.h"
#include "platform/FileNames.h"
#include "platform/LocalizedText.h"
#include "platform/Result.h"

#include <QFileInfo>
#include <QThread>

#include <deque>
#include <mutex>

namespace {

// How photographs are read, as chosen on the event loop.
struct ReadOptions {
    bool acceptWithoutCameraData = false;
    bool titlesFromPhotos = false;
    qsizetype maximumTitleLength = 0;
};

// The given title, or when there is none and titles from photographs are on, the
// photograph's own, read from the bytes already read and cut to the longest title
// accepted.
QString givenOrOwnTitle(const QString& given, const ReadOptions& options, const FileData& data) {
    if (!given.isEmpty() || !options.titlesFromPhotos)
        return given;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data.bytes()),
                                                     static_cast<qsizetype>(data.length()));
    return embeddedTitle(bytes).value_or(QString()).left(options.maximumTitleLength);
}

} // namespace

// What the worker shares with the event loop: the photographs still to read, how to
// read them and whether to stop. `running` is true while a worker thread takes from
// the queue.
struct PhotoIntake::Queue {
    std::mutex mutex;
    std::deque<PhotoEntry> pending;
    bool cancelled = false;
    bool running = false;
    ReadOptions options;
};

namespace {

// Whether the file at the path is read as a photograph at all: it fails when the file
// is missing, a folder, or of another kind than the photographs taken in.
Status readAsPhotograph(const QString& path) {
    const QFileInfo file = FileNames::fileInfo(path);
    if (!file.exists())
        return Failure{QStringLiteral("photoMissing"), {}};
    if (file.isDir())
        return Failure{QStringLiteral("photoIsFolder"), {}};
    if (!hasPhotoExtension(path))
        return Failure{QStringLiteral("OnlyTiffOrJpegOrPsdMessage"), {}};
    return {};
}

// Why a photograph read from `data` has no usable record, in the user's language.
QString failureOf(const std::shared_ptr<const FileData>& data, const PhotoRecord* record) {
    if (!data)
        return localizedString(QStringLiteral("PhotoListUnreadable"));
    if (data->changedWhileRead())
        return localizedString(QStringLiteral("PhotoListChanged"));
    if (record && !record->haveExif() && record->failure())
        return analysisAlert(*record->failure()).message;
    return localizedString(QStringLiteral("FailedOpenMsg"));
}

// Fills in the entry's record, thumbnail and own title, or its failure. Runs on the
// worker thread.
void readEntry(PhotoEntry& entry, const ReadOptions& options) {
    if (const Status read = readAsPhotograph(entry.path); !read) {
        entry.failure = read.failure().text();
        return;
    }
    const std::shared_ptr<const FileData> data = FileData::initWithContentsOfFile(entry.path);
    std::shared_ptr<PhotoRecord> record;
    if (data)
        record = PhotoRecord::initWithData(
            data, AnalysisOptions{.acceptWithoutCameraData = options.acceptWithoutCameraData,
                                  .pictureBoxes = labelPictureBoxes()});
    QString title;
    if (record && record->haveExif())
        title = givenOrOwnTitle(entry.title, options, *data);
    if (!record || !record->haveExif() || data->changedWhileRead()) {
        entry.failure = failureOf(data, record.get());
        return;
    }
    entry.title = title;
    record->setFileName(entry.path);
    entry.thumbnail = PhotoIntake::thumbnailOf(*record);
    entry.record = std::move(record);
}

} // namespace

QImage PhotoIntake::thumbnailOf(const PhotoRecord& record) {
    const std::shared_ptr<Picture>& picture = record.photoImage();
    if (!picture)
        return {};
    const QImage& image = picture->image();
    return image.height() > thumbnailHeight
               ? image.scaledToHeight(thumbnailHeight, Qt::SmoothTransformation)
               : image;
}

PhotoIntake::PhotoIntake(PhotoList& list, qsizetype maximumTitleLength, QObject* parent)
    : QObject(parent), list_(list), queue_(std::make_shared<Queue>()) {
    queue_->options.maximumTitleLength = maximumTitleLength;
}

PhotoIntake::~PhotoIntake() {
    cancel();
    if (worker_)
        worker_->wait();
}

void PhotoIntake::setAcceptWithoutCameraData(bool accept) {
    const std::lock_guard lock(queue_->mutex);
    queue_->options.acceptWithoutCameraData = accept;
}

void PhotoIntake::setTitlesFromPhotos(bool on) {
    const std::lock_guard lock(queue_->mutex);
    queue_->options.titlesFromPhotos = on;
}

void PhotoIntake::read(const std::vector<PhotoEntry>& entries) {
    if (entries.empty())
        return;
    if (!isBusy()) {
        done_ = 0;
        total_ = 0;
        dropped_.clear();
    }
    total_ += static_cast<int>(entries.size());
    bool start = false;
    {
        const std::lock_guard lock(queue_->mutex);
        queue_->cancelled = false;
        for (const PhotoEntry& entry : entries)
            queue_->pending.push_back({.id = entry.id, .path = entry.path, .title = entry.title});
        start = !queue_->running;
        queue_->running = true;
    }
    emit progressChanged(done_, total_);
    if (start)
        startWorker();
}

bool PhotoIntake::isBusy() const {
    return workers_ > 0;
}

void PhotoIntake::cancel() {
    const std::lock_guard lock(queue_->mutex);
    queue_->cancelled = true;
    for (const PhotoEntry& entry : queue_->pending)
        dropped_.append(entry.id);
    queue_->pending.clear();
}

void PhotoIntake::startWorker() {
    // A worker that has just left its loop is ending; let it end before the next.
    if (worker_)
        worker_->wait();
    ++workers_;
    worker_.reset(QThread::create([this, queue = queue_] {
        for (;;) {
            PhotoEntry entry;
            ReadOptions options;
            {
                const std::lock_guard lock(queue->mutex);
                if (queue->pending.empty() || queue->cancelled) {
                    queue->running = false;
                    break;
                }
                entry = std::move(queue->pending.front());
                queue->pending.pop_front();
                options = queue->options;
            }
            readEntry(entry, options);
            QMetaObject::invokeMethod(
                this,
                [this, id = entry.id, read = std::move(entry)]() mutable {
                    deliver(id, std::move(read));
                },
                Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(this, &PhotoIntake::workerEnded, Qt::QueuedConnection);
    }));
    worker_->start();
}

void PhotoIntake::deliver(quint64 id, PhotoEntry read) {
    list_.setRead(id, std::move(read));
    ++done_;
    emit progressChanged(done_, total_);
}

void PhotoIntake::workerEnded() {
    // A later worker may have taken over the queue; the run ends with the last one.
    if (--workers_ == 0)
        emit finished(std::exchange(dropped_, {}));
}
