#pragma once

#include "platform/Result.h"

#include <QSizeF>

#include <vector>

class QFileDevice;

// A PDF file as Qt's PDF writer left it, finished where labels need otherwise, in
// place: each change takes exactly the bytes of what it replaces, so no other byte
// moves and the file's cross-reference table stays true. The file is read a block at
// a time: memory does not grow with the number of pages.
namespace PdfInPlace {

// Gives the pages, in page order, their exact sizes (see PdfPageBoxes.h) and every
// font's character map its ideographs (see PdfCharacterMaps.h). Fails when the file
// is not as Qt's writer makes it or cannot be read or written.
Status finish(QFileDevice& pdf, const std::vector<QSizeF>& pageSizes);

} // namespace PdfInPlace
