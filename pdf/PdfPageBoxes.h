#pragma once

#include <QPageLayout>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <vector>

class QFileDevice;

// Pages of exact, fractional sizes in PDF files made with Qt's PDF writer, whose pages
// are whole points: each page is begun with a layout large enough for it, and once the
// document is finished its page boxes are given the exact sizes in place.
namespace PdfPageBoxes {

// The whole points that cover size points in each direction.
QSize pointsCovering(const QSizeF& size);

// The whole-point page layout that holds a page of size points.
QPageLayout wholePointLayout(const QSizeF& size);

// Rewrites the finished PDF's page boxes, in page order, as the exact sizes; empty on
// success, else why the file is not as Qt's writer makes it.
QString fixPageBoxes(QFileDevice& pdf, const std::vector<QSizeF>& sizes);

} // namespace PdfPageBoxes
