#include "pdf/PdfPageBoxes.h"

#include <QByteArray>
#include <QFileDevice>
#include <QPageSize>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// Lengths this close to a whole number of points count as that number.
constexpr double roundingTolerance = 1e-6;

int wholePoints(double length) {
    return static_cast<int>(std::ceil(length - roundingTolerance));
}

} // namespace

namespace PdfPageBoxes {

QSize pointsCovering(const QSizeF& size) {
    return QSize(wholePoints(size.width()), wholePoints(size.height()));
}

QPageLayout wholePointLayout(const QSizeF& size) {
    return QPageLayout(
        QPageSize(QSizeF(pointsCovering(size)), QPageSize::Point, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF());
}

// Qt's PDF writer gives each page the box "/MediaBox [0 0 W.000000 H.000000]" of its
// whole-point size, in page order. Each is rewritten in place as the page's exact
// box [0 top-height width top] (Qt draws from the page's top-left corner, so the box
// keeps the top and left edges) in the same number of bytes, padded with spaces, so
// no other byte of the file moves and its cross-reference table stays true. The file
// is read a block at a time: memory does not grow with the number of pages.
QString fixPageBoxes(QFileDevice& draft, const std::vector<QSizeF>& sizes) {
    static const QByteArray marker("/MediaBox [");
    static const QRegularExpression wholePointBox(
        QStringLiteral(R"(^0 0 (\d+)\.000000 (\d+)\.000000$)"));
    constexpr qint64 blockBytes = 1 << 20;
    constexpr qint64 longestBox = 128; // a box starting in a block ends within this
    std::size_t page = 0;
    for (qint64 base = 0;; base += blockBytes) {
        if (!draft.seek(base))
            return draft.errorString();
        const QByteArray block = draft.read(blockBytes + longestBox);
        const bool last = block.size() <= blockBytes;
        for (qsizetype at = block.indexOf(marker); at >= 0 && (last || at < blockBytes);
             at = block.indexOf(marker, at + 1)) {
            const qsizetype start = at + marker.size();
            const qsizetype end = block.indexOf(']', start);
            const auto box =
                end < 0 ? QRegularExpressionMatch()
                        : wholePointBox.match(QString::fromLatin1(block.mid(start, end - start)));
            if (!box.hasMatch() || page >= sizes.size())
                return QStringLiteral("the PDF writer wrote page boxes of an unknown form");
            const QSizeF exact = sizes[page];
            const QSize whole = pointsCovering(exact);
            if (box.captured(1).toInt() != whole.width() ||
                box.captured(2).toInt() != whole.height())
                return QStringLiteral("the PDF writer gave page %1 a size of its own")
                    .arg(page + 1);
            QByteArray fixed = QStringLiteral("0 %1 %2 %3")
                                   .arg(std::max(0.0, whole.height() - exact.height()), 0, 'f', 6)
                                   .arg(exact.width(), 0, 'f', 6)
                                   .arg(whole.height())
                                   .toLatin1();
            const qsizetype length = end - start;
            if (fixed.size() > length)
                return QStringLiteral("page %1's exact box does not fit in place").arg(page + 1);
            fixed.append(QByteArray(length - fixed.size(), ' '));
            if (!draft.seek(base + start) || draft.write(fixed) != fixed.size())
                return draft.errorString();
            ++page;
        }
        if (last)
            break;
    }
    if (page != sizes.size())
        return QStringLiteral("the PDF writer made %1 pages for %2 labels")
            .arg(page)
            .arg(sizes.size());
    return QString();
}

} // namespace PdfPageBoxes
