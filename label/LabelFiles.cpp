#include "label/LabelFiles.h"

#include "label/LabelLayout.h"
#include "platform/WholeFileWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtMath>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cmath>

namespace LabelFiles {

namespace {

constexpr double pointsPerInch = 72.0;
constexpr double metresPerInch = 0.0254;
// Lengths this close to a whole number of pixels or points count as that number.
constexpr double roundingTolerance = 1e-6;

int wholeUnitsCovering(double length) {
    return static_cast<int>(std::ceil(length - roundingTolerance));
}

QSize pointsCovering(const QSizeF& size) {
    return QSize(wholeUnitsCovering(size.width()), wholeUnitsCovering(size.height()));
}

QString writeWhole(const QString& path, const QByteArray& bytes) {
    const QString reason = WholeFileWriter::write(path, bytes);
    return reason.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(path, reason);
}

void prepareForLabel(QPainter& painter, double scale) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
}

QPageLayout pageLayoutFor(const QSizeF& labelSize) {
    // Qt's PDF pages are whole points; the page is made large enough here and given
    // the label's exact size when the document is saved.
    return QPageLayout(QPageSize(QSizeF(pointsCovering(labelSize)), QPageSize::Point, QString(),
                                 QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF());
}

// Sets each page's MediaBox to its label's exact size. Qt draws from the top-left
// corner of its whole-point page, so the box keeps the top edge and the left edge.
QByteArray withExactPageSizes(const QByteArray& pdf, const std::vector<QSizeF>& sizes,
                              QString* error) {
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("label", pdf.constData(), static_cast<size_t>(pdf.size()));
        auto pages = QPDFPageDocumentHelper(document).getAllPages();
        if (pages.size() != sizes.size()) {
            *error = QStringLiteral("the PDF writer made %1 pages for %2 labels")
                         .arg(pages.size())
                         .arg(sizes.size());
            return QByteArray();
        }
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const QSizeF exact = sizes[i];
            const double top = pointsCovering(exact).height();
            pages[i].getObjectHandle().replaceKey(
                "/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                                 0, top - exact.height(), exact.width(), top)));
        }
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setDeterministicID(true);
        writer.write();
        const auto buffer = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()),
                          static_cast<qsizetype>(buffer->getSize()));
    } catch (const std::exception& failure) {
        *error = QString::fromLocal8Bit(failure.what());
        return QByteArray();
    }
}

// Qt names a font family that several foundries provide as "Family [Foundry]"; other
// programs know it by the family name alone.
QByteArray withPlainFontFamilies(const QByteArray& svg) {
    static const QRegularExpression foundry(
        QStringLiteral(R"((font-family="[^"\[]*?) \[[^\]"]*\]")"));
    return QString::fromUtf8(svg).replace(foundry, QStringLiteral("\\1\"")).toUtf8();
}

} // namespace

std::optional<Format> formatForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("pdf"))
        return Format::Pdf;
    if (suffix == QStringLiteral("png"))
        return Format::Png;
    if (suffix == QStringLiteral("svg"))
        return Format::Svg;
    return std::nullopt;
}

QString numberedPath(const QString& path, int index, int count) {
    if (count <= 1)
        return path;
    const QFileInfo file(path);
    const int digits = static_cast<int>(QString::number(count).size());
    const QString stem = file.completeBaseName() + QLatin1Char('-') +
                         QStringLiteral("%1").arg(index, digits, 10, QLatin1Char('0'));
    const QString name = file.suffix().isEmpty() ? stem : stem + QLatin1Char('.') + file.suffix();
    const QString folder = file.path();
    return folder == QStringLiteral(".") && !path.startsWith(QStringLiteral("./"))
               ? name
               : folder + QLatin1Char('/') + name;
}

QSize pixelSizeAt(const QSizeF& labelSize, int dpi) {
    const double scale = dpi / pointsPerInch;
    return QSize(wholeUnitsCovering(labelSize.width() * scale),
                 wholeUnitsCovering(labelSize.height() * scale));
}

QImage renderImage(LabelLayout& layout, int dpi, QString* error) {
    if (dpi < minimumDpi || dpi > maximumDpi) {
        *error = QStringLiteral("a resolution of %1 dpi is outside %2 to %3")
                     .arg(dpi)
                     .arg(minimumDpi)
                     .arg(maximumDpi);
        return QImage();
    }
    const QSizeF labelSize = layout.labelSize();
    const double scale = dpi / pointsPerInch;
    const double pixels = labelSize.width() * scale * labelSize.height() * scale;
    if (!(pixels <= maximumImagePixels)) {
        *error = QStringLiteral("a %1 by %2 point label at %3 dpi needs more than %4 pixels")
                     .arg(labelSize.width())
                     .arg(labelSize.height())
                     .arg(dpi)
                     .arg(maximumImagePixels, 0, 'f', 0);
        return QImage();
    }
    QImage image(pixelSizeAt(labelSize, dpi), QImage::Format_RGB32);
    if (image.isNull()) {
        *error = QStringLiteral("no memory for a %1 by %2 pixel image")
                     .arg(image.width())
                     .arg(image.height());
        return QImage();
    }
    const int dotsPerMetre = qRound(dpi / metresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    prepareForLabel(painter, scale);
    layout.drawRect(painter, labelSize, false);
    return image;
}

QString writePng(LabelLayout& layout, const QString& path, int dpi) {
    QString error;
    const QImage image = renderImage(layout, dpi, &error);
    if (image.isNull())
        return QStringLiteral("%1: %2").arg(path, error);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QStringLiteral("%1: the image could not be encoded as PNG").arg(path);
    return writeWhole(path, bytes);
}

QString writeSvg(LabelLayout& layout, const QString& path) {
    const QSizeF labelSize = layout.labelSize();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(static_cast<int>(pointsPerInch));
    generator.setSize(pointsCovering(labelSize));
    generator.setViewBox(QRectF(QPointF(0, 0), labelSize));
    generator.setTitle(layout.medium());
    {
        QPainter painter(&generator);
        prepareForLabel(painter, 1.0);
        layout.drawRect(painter, labelSize, false);
    }
    return writeWhole(path, withPlainFontFamilies(bytes));
}

struct PdfDocument::Writer {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QPdfWriter pdf{&buffer};
    QPainter painter;
};

PdfDocument::PdfDocument() : writer_(std::make_unique<Writer>()) {
    writer_->buffer.open(QIODevice::WriteOnly);
    writer_->pdf.setResolution(pdfResolutionDpi);
    writer_->pdf.setCreator(QStringLiteral("Kestavolin"));
}

PdfDocument::~PdfDocument() {
    if (writer_->painter.isActive())
        writer_->painter.end();
}

void PdfDocument::addPage(LabelLayout& layout) {
    const QSizeF labelSize = layout.labelSize();
    writer_->pdf.setPageLayout(pageLayoutFor(labelSize));
    QPainter& painter = writer_->painter;
    if (pageSizes_.empty()) {
        painter.begin(&writer_->pdf);
        prepareForLabel(painter, pdfResolutionDpi / pointsPerInch);
    } else {
        writer_->pdf.newPage();
    }
    pageSizes_.push_back(labelSize);
    layout.drawRect(painter, labelSize, false);
}

QString PdfDocument::save(const QString& path) {
    if (pageSizes_.empty())
        return QStringLiteral("%1: no label to write").arg(path);
    if (writer_->painter.isActive())
        writer_->painter.end();
    QString error;
    const QByteArray exact = withExactPageSizes(writer_->bytes, pageSizes_, &error);
    if (exact.isEmpty())
        return QStringLiteral("%1: %2").arg(path, error);
    return writeWhole(path, exact);
}

} // namespace LabelFiles
