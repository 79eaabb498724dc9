#pragma once

#include "pdf/LabelDrawing.h"
#include "platform/Result.h"

#include <QString>

#include <memory>
#include <vector>

// The one writer of labels' PDF files (Export All, kestavolin-cli render; print jobs,
// whose pages are the printer's, are written by printing/PrintSetup): a document of
// one page per label, each page exactly its label's size, whose text reads as the
// labels' texts (ideographs, not the radicals that share their glyphs; see
// PdfCharacterMaps.h). Each page goes to a draft file beside the output as soon as the
// next one starts, so memory stays flat however many labels a document holds. Several
// threads can draw one document at once, each into a part (a draft) of its own.
// Saving finishes every part in place (exact page boxes, character maps), joins the
// parts' pages in their order and puts the document in the output's place, whole or
// not at all. The document must be saved or destroyed while the threads that drew its
// parts still run: the faces a part embeds belong to the thread that loaded them.
class LabelDocument {
public:
    // parts: how many threads may add pages at once.
    explicit LabelDocument(const QString& path, int parts = 1);
    ~LabelDocument();
    LabelDocument(const LabelDocument&) = delete;
    LabelDocument& operator=(const LabelDocument&) = delete;

    // Fails when a draft cannot be made beside the output; no page is then kept.
    Status status() const;
    // Adds the label as the last page.
    void addPage(const LabelDrawing& label);
    // Draws the label into a part as the page at position among all pages: pages come
    // out in increasing position. Different parts may be drawn at the same time, each
    // by one thread at a time.
    void addPage(const LabelDrawing& label, int part, qsizetype position);
    // The pages added so far (not while parts are being drawn).
    int pageCount() const;
    Status save();

private:
    struct Part;
    // Ends every part's painting: the parts' files are then complete.
    void endPainting();
    // The parts that hold pages, each finished in place.
    Result<std::vector<Part*>> finishedParts();
    // The finished parts as one draft: the only one, or the parts joined into a new one.
    Status publish(const std::vector<Part*>& drawn);
    QString path_;
    std::vector<std::unique_ptr<Part>> parts_;
};

// The labels in their order as one document at path: what Export All writes.
Status writeLabelDocument(const QString& path, const std::vector<LabelDrawing>& labels);
