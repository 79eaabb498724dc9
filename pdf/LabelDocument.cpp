#include "pdf/LabelDocument.h"

#include "pdf/PdfFailures.h"
#include "pdf/PdfInPlace.h"
#include "pdf/PdfJoin.h"
#include "pdf/PdfPageBoxes.h"
#include "platform/DraftFile.h"
#include "platform/FileNames.h"

#include <QPdfWriter>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr double pointsPerInch = 72.0;
// The resolution of PDF drawing coordinates; pictures keep their decoded pixels.
constexpr int pdfResolutionDpi = 1200;

Failure notWritten(const QString& path, const Failure& why) {
    return Failure{QStringLiteral("pdfNotWrittenMsg"), {path, why.text()}};
}

Failure noDraft(const QString& path, const Failure& why) {
    return Failure{QStringLiteral("pdfNoDraftMsg"), {path, why.text()}};
}

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

struct LabelDocument::Part {
    explicit Part(const QString& path)
        : draft(path), title(FileNames::fileInfo(path).completeBaseName()) {}

    // Makes the draft and its writer once; false when the draft cannot be made.
    bool open() {
        if (!pdf && !opened) {
            opened = draft.open();
            if (*opened) {
                pdf = std::make_unique<QPdfWriter>(&draft.device());
                pdf->setResolution(pdfResolutionDpi);
                pdf->setCreator(QStringLiteral("Kestavolin"));
                pdf->setTitle(title);
            }
        }
        return pdf != nullptr;
    }

    DraftFile draft;
    QString title;
    // Whether the draft was made, once it was tried.
    std::optional<Status> opened;
    std::unique_ptr<QPdfWriter> pdf;
    QPainter painter;
    std::vector<QSizeF> pageSizes;
    std::vector<qsizetype> positions;
};

LabelDocument::LabelDocument(const QString& path, int parts) : path_(path) {
    for (int part = 0; part < std::max(parts, 1); ++part)
        parts_.push_back(std::make_unique<Part>(path));
    // The first part is made at once, so that status() tells whether drafts can be.
    parts_.front()->open();
}

LabelDocument::~LabelDocument() {
    endPainting();
}

void LabelDocument::endPainting() {
    for (const auto& part : parts_)
        if (part->painter.isActive())
            part->painter.end();
}

Status LabelDocument::status() const {
    for (const auto& part : parts_)
        if (part->opened && !*part->opened)
            return noDraft(path_, part->opened->failure());
    return {};
}

void LabelDocument::addPage(const LabelDrawing& label) {
    addPage(label, 0, pageCount());
}

void LabelDocument::addPage(const LabelDrawing& label, int partIndex, qsizetype position) {
    Part& part = *parts_.at(static_cast<std::size_t>(partIndex));
    if (!part.open())
        return;
    part.pdf->setPageLayout(PdfPageBoxes::wholePointLayout(label.size));
    QPainter& painter = part.painter;
    if (part.pageSizes.empty()) {
        painter.begin(part.pdf.get());
        prepareForLabel(painter, pdfResolutionDpi / pointsPerInch);
    } else {
        part.pdf->newPage();
    }
    part.pageSizes.push_back(label.size);
    part.positions.push_back(position);
    label.draw(painter);
}

int LabelDocument::pageCount() const {
    std::size_t pages = 0;
    for (const auto& part : parts_)
        pages += part->pageSizes.size();
    return static_cast<int>(pages);
}

Result<std::vector<LabelDocument::Part*>> LabelDocument::finishedParts() {
    endPainting();
    std::vector<Part*> drawn;
    for (const auto& part : parts_) {
        if (part->pageSizes.empty())
            continue;
        QFileDevice& draft = part->draft.device();
        // A write the PDF writer could not make (a full disk) leaves its mark here.
        if (!draft.flush() || draft.error() != QFileDevice::NoError)
            return PdfFailures::ofDevice(draft);
        if (const Status finished = PdfInPlace::finish(draft, part->pageSizes); !finished)
            return finished.failure();
        drawn.push_back(part.get());
    }
    return drawn;
}

Status LabelDocument::publish(const std::vector<Part*>& drawn) {
    DraftFile* finished = &drawn.front()->draft;
    std::optional<DraftFile> joined;
    if (drawn.size() > 1) {
        joined.emplace(path_);
        if (const Status opened = joined->open(); !opened)
            return noDraft(path_, opened.failure());
        std::vector<QFileDevice*> files;
        std::vector<std::vector<qsizetype>> positions;
        for (Part* part : drawn) {
            files.push_back(&part->draft.device());
            positions.push_back(part->positions);
        }
        if (const Status done = PdfJoin::join(files, pagesInOrder(positions), joined->device());
            !done)
            return notWritten(path_, done.failure());
        finished = &*joined;
    }
    if (const Status published = finished->publish(); !published)
        return notWritten(path_, PdfFailures::ofSystem(published.failure().text()));
    return {};
}

Status LabelDocument::save() {
    if (const Status made = status(); !made)
        return made;
    if (pageCount() == 0)
        return Failure{QStringLiteral("pdfNoLabelsMsg"), {path_}};
    const auto drawn = finishedParts();
    if (!drawn)
        return notWritten(path_, drawn.failure());
    return publish(*drawn);
}

Status writeLabelDocument(const QString& path, const std::vector<LabelDrawing>& labels) {
    LabelDocument document(path);
    if (const Status made = document.status(); !made)
        return made;
    for (const LabelDrawing& label : labels)
        document.addPage(label);
    return document.save();
}
