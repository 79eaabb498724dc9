#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QSize>
#include <QSizeF>

#include <optional>

// Pages of exact, fractional sizes in PDF files made with Qt's PDF writer, whose pages
// are whole points: each page is begun with a layout large enough for it, and once the
// document is finished its page boxes are given the exact sizes in place (see
// PdfInPlace.h).
namespace PdfPageBoxes {

// The whole points that cover size points in each direction.
QSize pointsCovering(const QSizeF& size);

// The whole-point page layout that holds a page of size points.
QPageLayout wholePointLayout(const QSizeF& size);

// The box of a page of exact size as it replaces the box Qt wrote for it ("0 0
// W.000000 H.000000", the text between the brackets of /MediaBox), in exactly as many
// bytes; nothing when the written box is of another form or size.
std::optional<QByteArray> exactBox(const QByteArray& written, const QSizeF& exact);

} // namespace PdfPageBoxes
