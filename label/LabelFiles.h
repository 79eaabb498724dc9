#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class LabelLayout;

// Labels written to files: PDF (one page per label, each exactly the label's size,
// text as text with its fonts embedded), PNG at a chosen resolution, and SVG (texts as
// outlines, so that it needs no font; their words in its description). Every file is
// drawn by the same code as the preview.
namespace LabelFiles {

enum class Format { Pdf, Png, Svg };

inline constexpr int defaultPngDpi = 300;
inline constexpr int minimumDpi = 1;
inline constexpr int maximumDpi = 9600;
// The most pixels a PNG may have; a label of several thousand characters at a high
// resolution would otherwise ask for gigabytes.
inline constexpr double maximumImagePixels = 250'000'000.0;
// The resolution of PDF drawing coordinates; pictures keep their decoded pixels.
inline constexpr int pdfResolutionDpi = 1200;

// The format the file name's extension asks for (in any letter case).
std::optional<Format> formatForPath(const QString& path);

// "out.png" as the index-th (1-based) of count files: "out-1.png" ... "out-12.png",
// zero-padded to the width of count; the path itself when count is 1.
QString numberedPath(const QString& path, int index, int count);

// The pixel size of a label drawn at dpi, rounded up to whole pixels.
QSize pixelSizeAt(const QSizeF& labelSize, int dpi);

// The label drawn into an image at dpi (which the image records). A null image and
// a message when dpi is out of range or the image would be too large.
QImage renderImage(LabelLayout& layout, int dpi, QString* error);

// The bytes of the label's PNG file at dpi; empty, with a message, when it cannot be
// made.
QByteArray pngBytes(LabelLayout& layout, int dpi, QString* error);
// The bytes of the label's SVG file.
QByteArray svgBytes(LabelLayout& layout);

// Each returns an empty string on success, else a message naming the file and cause.
// Files are written whole or not at all.
QString writeFile(const QString& path, const QByteArray& bytes);
QString writePng(LabelLayout& layout, const QString& path, int dpi);
QString writeSvg(LabelLayout& layout, const QString& path);
// One PDF of the labels in their order, one page each of exactly its label's size
// (the document of PdfDocument, for labels already laid out).
QString writePdf(const std::vector<LabelLayout*>& layouts, const QString& path);

// A PDF of one page per label added. Each page goes to a draft file beside the
// output as soon as the next one starts, so memory stays flat however many labels a
// document holds; saving gives every page its exact size while copying the draft to
// the output, which appears whole or not at all. Several threads can draw one
// document at once, each into a part (a draft) of its own; saving joins the parts'
// pages in their order. The document must be saved or destroyed while the threads
// that drew its parts still run: the faces a part embeds belong to the thread that
// loaded them.
class PdfDocument {
public:
    // parts: how many threads may add pages at once.
    explicit PdfDocument(const QString& path, int parts = 1);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Empty while pages can be added, else why the draft could not be made.
    QString error() const;
    // Adds the label as the last page.
    void addPage(LabelLayout& layout);
    // Draws the label into a part as the page at position among all pages: pages come
    // out in increasing position. Different parts may be drawn at the same time, each
    // by one thread at a time.
    void addPage(LabelLayout& layout, int part, qsizetype position);
    // The pages added so far (not while parts are being drawn).
    int pageCount() const;
    QString save();

private:
    struct Part;
    // Ends every part's painting: the parts' files are then complete.
    void endPainting();
    // The parts that hold pages, each ended with its pages' exact sizes; empty on
    // success, else why not.
    QString finishParts(std::vector<Part*>& drawn);
    QString path_;
    std::vector<std::unique_ptr<Part>> parts_;
};

} // namespace LabelFiles
