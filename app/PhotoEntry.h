#pragma once

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

class PhotoRecord;

// One photograph of the photo list: where it is, what its analysis made of it (or why
// there is none), its thumbnail and its own captions. A photographer or lens left
// unset takes the window's default. An entry is listed at once and read afterwards:
// until then it has neither record nor failure.
struct PhotoEntry {
    // Given by the list when the entry joins it, and kept while it stays (also through
    // an undone removal), so that a reading or an edit finds its entry wherever it moved.
    quint64 id = 0;
    QString path{};
    // Null until the photograph was read, and when it could not be analysed; `failure`
    // then says why.
    std::shared_ptr<PhotoRecord> record{};
    QString failure{};
    QImage thumbnail{};
    QString title{};
    std::optional<QString> photographer{};
    std::optional<QString> lens{};

    bool readable() const { return record != nullptr; }
    bool beingRead() const { return !record && failure.isEmpty(); }
};
