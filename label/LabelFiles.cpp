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
    layout.draw(painter, labelSize, false);
    return image;
}

QByteArray pngBytes(LabelLayout& layout, int dpi, QString* error) {
    const QImage image = renderImage(layout, dpi, error);
    if (image.isNull())
        return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        *error = QStringLiteral("the image could not be encoded as PNG");
        return QByteArray();
    }
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

QString writeFile(const QString& path, const QByteArray& bytes) {
    const QString reason = WholeFileWriter::write(path, bytes);
    return reason.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(path, reason);
}

QString writePng(LabelLayout& layout, const QString& path, int dpi) {
    QString error;
    const QByteArray bytes = pngBytes(layout, dpi, &error);
    if (bytes.isEmpty())
        return QStringLiteral("%1: %2").arg(path, error);
    return writeFile(path, bytes);
}

QString writeSvg(LabelLayout& layout, const QString& path) {
    return writeFile(path, svgBytes(layout));
}

} // namespace LabelFiles
