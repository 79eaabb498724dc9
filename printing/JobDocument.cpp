#include "printing/JobDocument.h"

#include "pdf/PdfInPlace.h"
#include "pdf/PdfPageBoxes.h"

#include <QFileDevice>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <cups/raster.h>

#include <cmath>
#include <memory>

namespace {

// The resolution of the PDF's drawing coordinates.
constexpr int pdfResolutionDpi = 1200;

// Draws the page's label on a painter whose units are dots at dpi, the page's upper
// left corner at the origin.
void drawPage(QPainter& painter, const JobPages::Page& page,
              const std::vector<JobDocument::Label>& labels, int dpi) {
    painter.save();
    painter.scale(dpi / 72.0, dpi / 72.0);
    painter.setTransform(page.page.labelToPage, true);
    painter.setClipRect(QRectF(QPointF(0, 0), labels[page.label].size));
    labels[page.label].draw(painter);
    painter.restore();
}

int hundredthsOfMillimetre(double points) {
    return static_cast<int>(std::lround(points * 2540.0 / 72.0));
}

struct RasterClose {
    void operator()(cups_raster_t* raster) const { cupsRasterClose(raster); }
};

} // namespace

namespace JobDocument {

Status writePdf(QFileDevice& file, const std::vector<JobPages::Page>& pages,
                const std::vector<Label>& labels, const QString& title) {
    QPdfWriter pdf(&file);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Kestavolin"));
    pdf.setResolution(pdfResolutionDpi);
    QPainter painter;
    std::vector<QSizeF> sizes;
    for (const JobPages::Page& page : pages) {
        pdf.setPageLayout(PdfPageBoxes::wholePointLayout(page.page.size));
        if (sizes.empty()) {
            if (!painter.begin(&pdf))
                return systemFailure(file.errorString());
            painter.setRenderHint(QPainter::Antialiasing);
        } else {
            pdf.newPage();
        }
        sizes.push_back(page.page.size);
        drawPage(painter, page, labels, pdfResolutionDpi);
    }
    if (!painter.end() || !file.flush())
        return systemFailure(file.errorString());
    return PdfInPlace::finish(file, sizes);
}

Status writeRaster(QFileDevice& file, const QString& format,
                   const std::vector<JobPages::Page>& pages, const std::vector<Label>& labels,
                   int dpi) {
    const std::unique_ptr<cups_raster_t, RasterClose> raster(
        cupsRasterOpen(file.handle(), format == appleRasterFormat ? CUPS_RASTER_WRITE_APPLE
                                                                  : CUPS_RASTER_WRITE_PWG));
    if (!raster)
        return systemFailure(QString::fromUtf8(cupsRasterErrorString()));
    for (const JobPages::Page& page : pages) {
        cups_page_header2_t header;
        pwg_media_t* media = pwgMediaForSize(hundredthsOfMillimetre(page.page.size.width()),
                                             hundredthsOfMillimetre(page.page.size.height()));
        if (!media ||
            !cupsRasterInitPWGHeader(&header, media, "sgray_8", dpi, dpi, "one-sided", nullptr) ||
            !cupsRasterWriteHeader2(raster.get(), &header))
            return systemFailure(QString::fromUtf8(cupsRasterErrorString()));
        QImage image(static_cast<int>(header.cupsWidth), static_cast<int>(header.cupsHeight),
                     QImage::Format_Grayscale8);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawPage(painter, page, labels, dpi);
        painter.end();
        for (int y = 0; y < image.height(); ++y) {
            if (cupsRasterWritePixels(raster.get(), const_cast<uchar*>(image.constScanLine(y)),
                                      header.cupsBytesPerLine) < header.cupsBytesPerLine)
                return systemFailure(file.errorString());
        }
    }
    return {};
}

} // namespace JobDocument
