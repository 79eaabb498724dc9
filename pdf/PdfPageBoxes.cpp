#include "pdf/PdfPageBoxes.h"

#include <QPageSize>
#include <QRegularExpression>
#include <QString>

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

// Qt draws from the page's top-left corner, so the exact box [0 top-height width top]
// keeps the whole-point page's top and left edges; it is padded with spaces to the
// written box's length.
std::optional<QByteArray> exactBox(const QByteArray& written, const QSizeF& exact) {
    static const QRegularExpression wholePointBox(
        QStringLiteral(R"(^0 0 (\d+)\.000000 (\d+)\.000000$)"));
    const auto box = wholePointBox.match(QString::fromLatin1(written));
    const QSize whole = pointsCovering(exact);
    if (!box.hasMatch() || box.captured(1).toInt() != whole.width() ||
        box.captured(2).toInt() != whole.height())
        return std::nullopt;
    QByteArray fixed = QStringLiteral("0 %1 %2 %3")
                           .arg(std::max(0.0, whole.height() - exact.height()), 0, 'f', 6)
                           .arg(exact.width(), 0, 'f', 6)
                           .arg(whole.height())
                           .toLatin1();
    if (fixed.size() > written.size())
        return std::nullopt;
    return fixed.append(QByteArray(written.size() - fixed.size(), ' '));
}

} // namespace PdfPageBoxes
