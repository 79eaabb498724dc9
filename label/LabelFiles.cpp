#include "label/LabelFiles.h"

#include "label/LabelLayout.h"
#include "pdf/PdfJoin.h"
#include "pdf/PdfPageBoxes.h"
#include "pdf/PdfToUnicode.h"
#include "platform/DraftFile.h"
#include "platform/WholeFileWriter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStringList>
#include <QSvgGenerator>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace LabelFiles {

namespace {

constexpr double pointsPerInch = 72.0;
constexpr double metresPerInch = 0.0254;
// Lengths this close to a whole number of pixels count as that number.
constexpr double roundingTolerance = 1e-6;

int wholePixelsCovering(double length) {
    return static_cast<int>(std::ceil(length - roundingTolerance));
}

void prepareForLabel(QPainter& painter, double scale) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
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

QString writePdf(const std::vector<LabelLayout*>& layouts, const QString& path) {
    PdfDocument pdf(path);
    if (const QString error = pdf.error(); !error.isEmpty())
        return error;
    for (LabelLayout* layout : layouts)
        pdf.addPage(*layout);
    return pdf.save();
}

struct PdfDocument::Part {
    explicit Part(const QString& path) : draft(path) {}

    // Makes the draft and its writer once; false when the draft cannot be made.
    bool open() {
        if (!pdf && !tried) {
            tried = true;
            if (draft.open()) {
                pdf = std::make_unique<QPdfWriter>(&draft.device());
                pdf->setResolution(pdfResolutionDpi);
                pdf->setCreator(QStringLiteral("Kestavolin"));
            }
        }
        return pdf != nullptr;
    }

    DraftFile draft;
    bool tried = false;
    std::unique_ptr<QPdfWriter> pdf;
    QPainter painter;
    std::vector<QSizeF> pageSizes;
    std::vector<qsizetype> positions;
    // Set once a page holds ideographs: the finished file's character maps are then
    // rewritten (see PdfToUnicode.h).
    bool needsIdeographMaps = false;
};

PdfDocument::PdfDocument(const QString& path, int parts) : path_(path) {
    for (int part = 0; part < std::max(parts, 1); ++part)
        parts_.push_back(std::make_unique<Part>(path));
    // The first part is made at once, so that error() tells whether drafts can be.
    parts_.front()->open();
}

PdfDocument::~PdfDocument() {
    endPainting();
}

void PdfDocument::endPainting() {
    for (const auto& part : parts_)
        if (part->painter.isActive())
            part->painter.end();
}

QString PdfDocument::error() const {
    for (const auto& part : parts_)
        if (part->tried && !part->pdf)
            return QStringLiteral("%1: no draft file can be made beside it: %2")
                .arg(path_, part->draft.errorString());
    return QString();
}

void PdfDocument::addPage(LabelLayout& layout) {
    addPage(layout, 0, pageCount());
}

void PdfDocument::addPage(LabelLayout& layout, int partIndex, qsizetype position) {
    Part& part = *parts_.at(static_cast<std::size_t>(partIndex));
    if (!part.open())
        return;
    const QSizeF labelSize = layout.labelSize();
    part.pdf->setPageLayout(PdfPageBoxes::wholePointLayout(labelSize));
    QPainter& painter = part.painter;
    if (part.pageSizes.empty()) {
        painter.begin(part.pdf.get());
        prepareForLabel(painter, pdfResolutionDpi / pointsPerInch);
    } else {
        part.pdf->newPage();
    }
    part.pageSizes.push_back(labelSize);
    part.positions.push_back(position);
    layout.draw(painter, labelSize, false);
    if (!part.needsIdeographMaps)
        part.needsIdeographMaps = mayShareGlyphsWithRadicals(textsOf(layout));
}

int PdfDocument::pageCount() const {
    std::size_t pages = 0;
    for (const auto& part : parts_)
        pages += part->pageSizes.size();
    return static_cast<int>(pages);
}

QString PdfDocument::finishParts(std::vector<Part*>& drawn) {
    endPainting();
    for (const auto& part : parts_) {
        if (part->pageSizes.empty())
            continue;
        QFileDevice& draft = part->draft.device();
        // A write the PDF writer could not make (a full disk) leaves its mark here.
        if (!draft.flush() || draft.error() != QFileDevice::NoError)
            return draft.errorString();
        if (const QString failure = PdfPageBoxes::fixPageBoxes(draft, part->pageSizes);
            !failure.isEmpty())
            return failure;
        drawn.push_back(part.get());
    }
    return QString();
}

namespace {

// The pages of the parts in the order of their positions.
std::vector<PdfJoin::PageSource>
pagesInOrder(const std::vector<std::vector<qsizetype>>& positions) {
    std::vector<std::pair<qsizetype, PdfJoin::PageSource>> placed;
    for (std::size_t part = 0; part < positions.size(); ++part)
        for (std::size_t page = 0; page < positions[part].size(); ++page)
            placed.push_back({positions[part][page], {part, page}});
    std::sort(placed.begin(), placed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<PdfJoin::PageSource> pages;
    for (const auto& [position, source] : placed)
        pages.push_back(source);
    return pages;
}

} // namespace

QString PdfDocument::save() {
    if (!error().isEmpty())
        return error();
    if (pageCount() == 0)
        return QStringLiteral("%1: no label to write").arg(path_);
    std::vector<Part*> drawn;
    if (const QString failure = finishParts(drawn); !failure.isEmpty())
        return QStringLiteral("%1: %2").arg(path_, failure);
    DraftFile* finished = &drawn.front()->draft;
    std::optional<DraftFile> joined;
    if (drawn.size() > 1) {
        joined.emplace(path_);
        if (!joined->open())
            return QStringLiteral("%1: %2").arg(path_, joined->errorString());
        std::vector<QFileDevice*> files;
        std::vector<std::vector<qsizetype>> positions;
        for (Part* part : drawn) {
            files.push_back(&part->draft.device());
            positions.push_back(part->positions);
        }
        if (const QString failure = PdfJoin::join(files, pagesInOrder(positions), joined->device());
            !failure.isEmpty())
            return QStringLiteral("%1: %2").arg(path_, failure);
        finished = &*joined;
    }
    const bool needsIdeographMaps = std::any_of(
        drawn.begin(), drawn.end(), [](const Part* part) { return part->needsIdeographMaps; });
    if (!needsIdeographMaps) {
        if (const QString failure = finished->publish(); !failure.isEmpty())
            return QStringLiteral("%1: %2").arg(path_, failure);
        return QString();
    }
    DraftFile mapped(path_);
    if (!mapped.open())
        return QStringLiteral("%1: %2").arg(path_, mapped.errorString());
    if (const QString failure = copyWithIdeographMaps(finished->device(), mapped.device());
        !failure.isEmpty())
        return QStringLiteral("%1: %2").arg(path_, failure);
    if (const QString failure = mapped.publish(); !failure.isEmpty())
        return QStringLiteral("%1: %2").arg(path_, failure);
    return QString();
}

} // namespace LabelFiles
