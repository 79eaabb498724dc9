#pragma once

#include "platform/Result.h"

#include <cstddef>
#include <vector>

class QFileDevice;
class QIODevice;

// One document made of PDF files that Qt's PDF writer made, so that several threads
// can each draw a share of the pages into a file of their own. The files' objects
// are copied a block at a time with only their numbers and the numbers they refer
// to changed: memory does not grow with the size of the documents.
namespace PdfJoin {

// Where a page of the joined document comes from: the index of its file among the
// parts and its place among that file's pages.
struct PageSource {
    std::size_t part = 0;
    std::size_t page = 0;
};

// Writes to target the pages in the given order (each page of every part exactly
// once) as one document with the first part's document information.
Status join(const std::vector<QFileDevice*>& parts, const std::vector<PageSource>& pages,
            QIODevice& target);

} // namespace PdfJoin
