#pragma once

#include "pdf/LabelDrawing.h"
#include "platform/Result.h"
#include "printing/JobPages.h"

#include <QSizeF>
#include <QString>

#include <functional>
#include <vector>

class QFileDevice;
class QPainter;

// The document a job's pages are sent as: a PDF for queues of the print service with a
// driver (and printers that take PDF), a raster of the printer's resolution for
// driverless queues and printers of a URI that take raster documents, which each page
// reaches at its own size. Each page carries its label as labelToPage puts
// it, clipped to the label.
namespace JobDocument {

// A label: its size in points and its drawing (the same the PDF files take).
using Label = LabelDrawing;

inline const QString pdfFormat = QStringLiteral("application/pdf");
inline const QString pwgRasterFormat = QStringLiteral("image/pwg-raster");
inline const QString appleRasterFormat = QStringLiteral("image/urf");

// Writes each page of its own exact size; fails with the reason when the file could not
// be written.
Status writePdf(QFileDevice& file, const std::vector<JobPages::Page>& pages,
                const std::vector<Label>& labels, const QString& title);

// Writes each page, of its own size, as 8-bit grey raster lines at dpi dots per inch,
// in the raster format given (PWG or Apple raster).
Status writeRaster(QFileDevice& file, const QString& format,
                   const std::vector<JobPages::Page>& pages, const std::vector<Label>& labels,
                   int dpi);

} // namespace JobDocument
