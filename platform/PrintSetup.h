#pragma once

#include <QSizeF>

#include <functional>

class QPainter;
class QPrinter;

// The printer set-up the whole application shares (printer, its options and the page
// layout) and the one way a label reaches paper. A label printer's paper is the label
// itself, so the page is made exactly the label's size, without margins.
namespace PrintSetup {

// The shared printer set-up; created on first use and kept for the whole run.
QPrinter& sharedPrinter();

// What the page set-up proposes for a label of labelSize points: paper of the whole
// points of the width plus 2 by the height, portrait, no margins.
void proposePageSetup(QPrinter& printer, QSizeF labelSize);

// The page a label of labelSize points (width × height) prints on: exactly that size,
// landscape, no margins. On a system print queue the size also goes to the queue as a
// custom page size, because the queue's own media handling shrinks or rotates it.
void setLabelPage(QPrinter& printer, QSizeF labelSize);

// Prints one page: draw receives a painter whose units are points with the origin at
// the page's upper-left corner, offset so that a label of labelSize points sits at the
// left edge and in the middle of the page's height. False when the printer could not
// be started (no such queue, unwritable output file).
bool printPage(QPrinter& printer, QSizeF labelSize, const std::function<void(QPainter&)>& draw);

} // namespace PrintSetup
