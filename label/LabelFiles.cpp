#include "label/LabelFiles.h"

#include "label/LabelLayout.h"
#include "pdf/LabelDrawing.h"
#include "pdf/PdfPageBoxes.h"
#include "platform/FileNames.h"
#include "platform/WholeFileWriter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QStringList>
#include <QSvgGenerator>
#include <QtMath>

#include <cmath>
#include <optional>

namespace LabelFiles {

namespace {

constexpr double pointsPerInch = 72.0;
constexpr double metresPerInch = 0.0254;
// Lengths this close to a whole number of pixels count as that number.
constexpr double roundingTolerance = 1e-6;

int wholePixelsCovering(double length) {
    return static_cast<int>(std::ceil(length - roundingTolerance));
}

// Qt names a font family that several foundries provide as "Family [Foundry]"; other
// programs know it by the family name alone.
QByteArray withPlainFontFamilies(const QByteArray& svg) {
    static const QRegularExpression foundry(
        QStringLiteral(R"((font-family="[^"\[]*?) \[[^\]"]*\]")"));
    return QString::fromUtf8(svg).replace(foundry, QStringLiteral("\\1\"")).toUtf8();
}

// Every row of the label's texts, one a line. An SVG draws its texts as outlines, and
// carries the words in its description for programs that search or read files aloud.
QString textsOf(const LabelLayout& layout) {
    QStringList lines;
    for (const PlacedText& placed : layout.placedTexts())
        for (const QString& row : placed.text.rows())
            if (!row.trimmed().isEmpty())
                lines.append(row.trimmed());
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::optional<Format> formatForPath(const QString& path) {
    const QString suffix = FileNames::fileInfo(path).suffix().toLower();
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
    const QFileInfo file = FileNames::fileInfo(path);
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
    return QSize(wholePixelsCovering(labelSize.width() * scale),
                 wholePixelsCovering(labelSize.height() * scale));
}

Result<QImage> renderImage(LabelLayout& layout, int dpi) {
    if (dpi < minimumDpi || dpi > maximumDpi)
        return Failure{
            QStringLiteral("dpiOutOfRangeReason"),
            {QString::number(dpi), QString::number(minimumDpi), QString::number(maximumDpi)}};
    const QSizeF labelSize = layout.labelSize();
    const double scale = dpi / pointsPerInch;
    const double pixels = labelSize.width() * scale * labelSize.height() * scale;
    if (!(pixels <= maximumImagePixels))
        return Failure{QStringLiteral("imageTooLargeReason"),
                       {QString::number(labelSize.width()), QString::number(labelSize.height()),
                        QString::number(dpi), QString::number(maximumImagePixels, 'f', 0)}};
    QImage image(pixelSizeAt(labelSize, dpi), QImage::Format_RGB32);
    if (image.isNull())
        return Failure{QStringLiteral("imageNoMemoryReason"),
                       {QString::number(image.width()), QString::number(image.height())}};
    const int dotsPerMetre = qRound(dpi / metresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    prepareForLabel(painter, scale);
    layout.draw(painter, labelSize, false);
    return image;
}

Result<QByteArray> pngBytes(LabelLayout& layout, int dpi) {
    const Result<QImage> image = renderImage(layout, dpi);
    if (!image)
        return image.failure();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image->save(&buffer, "PNG"))
        return Failure{QStringLiteral("pngNotEncodedReason"), {}};
    return bytes;
}

QByteArray svgBytes(LabelLayout& layout) {
    const QSizeF labelSize = layout.labelSize();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(static_cast<int>(pointsPerInch));
    generator.setSize(PdfPageBoxes::pointsCovering(labelSize));
    generator.setViewBox(QRectF(QPointF(0, 0), labelSize));
    generator.setTitle(layout.medium());
    // Qt writes the description into the file as it is given.
    generator.setDescription(textsOf(layout).toHtmlEscaped());
    {
        QPainter painter(&generator);
        prepareForLabel(painter, 1.0);
        layout.draw(painter, labelSize, false);
    }
    return withPlainFontFamilies(bytes);
}

Status writeFile(const QString& path, const QByteArray& bytes) {
    const Status written = WholeFileWriter::write(path, bytes);
    return written ? written : fileFailure(path, written.failure());
}

Status writePng(LabelLayout& layout, const QString& path, int dpi) {
    const Result<QByteArray> bytes = pngBytes(layout, dpi);
    if (!bytes)
        return fileFailure(path, bytes.failure());
    return writeFile(path, *bytes);
}

Status writeSvg(LabelLayout& layout, const QString& path) {
    return writeFile(path, svgBytes(layout));
}

} // namespace LabelFiles
