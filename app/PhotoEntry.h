#pragma once

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

class PhotoRecord;

// One photograph of the photo list: where it is, what its analysis made of it (or why
// there is none), its thumbnail and its own captions. A photographer or lens left
// unset takes the window's.
struct PhotoEntry {
    QString path{};
    // Null when the photograph could not be analysed; `failure` then says why.
    std::shared_ptr<PhotoRecord> record{};
    QString failure{};
    QImage thumbnail{};
    QString title{};
    std::optional<QString> photographer{};
    std::optional<QString> lens{};
};
