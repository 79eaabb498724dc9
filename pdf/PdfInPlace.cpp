#include "pdf/PdfInPlace.h"

#include "pdf/PdfCharacterMaps.h"
#include "pdf/PdfFailures.h"
#include "pdf/PdfPageBoxes.h"

#include <QByteArray>
#include <QFileDevice>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

constexpr qint64 blockBytes = 1 << 20;
// What follows a marker that the rewrite of its page box reads, and what precedes a
// character map's stream: a marker starting in one block is handled there.
constexpr qint64 lookAround = 128;

// Qt writes each page's box as "/MediaBox [0 0 W.000000 H.000000]", and each character
// map as an unfiltered stream of its own whose length is written directly.
const QByteArray boxMarker("/MediaBox [");
const QByteArray streamStart("stream\n");
const QByteArray mapMarker = streamStart + PdfCharacterMaps::mapStart;

class Finishing {
public:
    Finishing(QFileDevice& pdf, const std::vector<QSizeF>& pageSizes)
        : pdf_(pdf), pageSizes_(pageSizes) {}

    Status run() {
        for (base_ = 0;; base_ += blockBytes) {
            const auto block = read(base_, blockBytes + lookAround);
            if (!block)
                return block.failure();
            const bool last = block->size() <= blockBytes;
            std::array<qsizetype, 2> next{block->indexOf(boxMarker), block->indexOf(mapMarker)};
            while (true) {
                const bool box = next[0] >= 0 && (next[1] < 0 || next[0] < next[1]);
                const qsizetype at = box ? next[0] : next[1];
                if (at < 0 || (!last && at >= blockBytes))
                    break;
                const Status done = box ? fixBox(*block, at) : fixMap(base_ + at);
                if (!done)
                    return done;
                const QByteArray& marker = box ? boxMarker : mapMarker;
                next[box ? 0 : 1] = block->indexOf(marker, at + 1);
            }
            if (last)
                break;
        }
        if (page_ != pageSizes_.size())
            return PdfFailures::unknownForm();
        return {};
    }

private:
    Result<QByteArray> read(qint64 offset, qint64 length) {
        if (!pdf_.seek(offset))
            return PdfFailures::ofDevice(pdf_);
        QByteArray bytes = pdf_.read(length);
        if (bytes.size() < length && pdf_.error() != QFileDevice::NoError)
            return PdfFailures::ofDevice(pdf_);
        return bytes;
    }

    Status write(qint64 offset, const QByteArray& bytes) {
        if (!pdf_.seek(offset) || pdf_.write(bytes) != bytes.size())
            return PdfFailures::ofDevice(pdf_);
        return {};
    }

    Status fixBox(const QByteArray& block, qsizetype at) {
        const qsizetype start = at + boxMarker.size();
        const qsizetype end = block.indexOf(']', start);
        if (end < 0 || page_ >= pageSizes_.size())
            return PdfFailures::unknownForm();
        const auto fixed = PdfPageBoxes::exactBox(block.mid(start, end - start), pageSizes_[page_]);
        if (!fixed)
            return PdfFailures::unknownForm();
        ++page_;
        return write(base_ + start, *fixed);
    }

    // The map's length stands in the dictionary just before its stream.
    Status fixMap(qint64 offset) {
        static const QRegularExpression length(QStringLiteral(R"(/Length (\d+) >>\n$)"));
        const qint64 before = std::min(offset, lookAround);
        const auto head = read(offset - before, before);
        if (!head)
            return head.failure();
        const auto declared = length.match(QString::fromLatin1(*head));
        if (!declared.hasMatch())
            return PdfFailures::unknownForm();
        const qint64 start = offset + streamStart.size();
        const qint64 mapLength = declared.captured(1).toLongLong();
        const auto map = read(start, mapLength);
        if (!map)
            return map.failure();
        if (map->size() != mapLength)
            return PdfFailures::unknownForm();
        const QByteArray mapped = PdfCharacterMaps::withIdeographs(*map);
        return mapped == *map ? Status() : write(start, mapped);
    }

    QFileDevice& pdf_;
    const std::vector<QSizeF>& pageSizes_;
    std::size_t page_ = 0;
    // Where the block being searched starts in the file.
    qint64 base_ = 0;
};

} // namespace

namespace PdfInPlace {

Status finish(QFileDevice& pdf, const std::vector<QSizeF>& pageSizes) {
    return Finishing(pdf, pageSizes).run();
}

} // namespace PdfInPlace
