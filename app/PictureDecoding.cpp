#include "app/PictureDecoding.h"

#include <QEventLoop>
#include <QThread>

std::shared_ptr<Picture> decodeBesideTheEventLoop(const FileData& data,
                                                  const PictureDecoder& decode) {
    std::shared_ptr<Picture> picture;
    const std::unique_ptr<QThread> worker(QThread::create([&] { picture = decode(data); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // The loop also ends when the application is ending; the picture is still awaited.
    worker->wait();
    return picture;
}
