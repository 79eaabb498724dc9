#pragma once

#include "printing/QueueMedium.h"

#include <QSizeF>
#include <QString>
#include <QTransform>

#include <variant>

// The page one label is printed on and where the label lies on it.
struct LabelPage {
    // The page in points, portrait: on a label printer as wide as the medium and as
    // long as the label plus the driver's end margins.
    QSizeF size;
    // Maps label coordinates (points, origin at the label's upper-left corner, y
    // downwards) to page coordinates (the same, on the page).
    QTransform labelToPage;
    // The label's printed size against its own, 1 when it is printed whole.
    double scale = 1.0;
    // The page size the queue is asked for: its own size name or "Custom.WxH".
    QString pageSizeOption;
    // True when the driver must take the page as it is, without turning it.
    bool keepOrientation = false;
    // The label printer's medium the page is made for; kind Other on other queues.
    QueueMedium medium;
};

// Why a label cannot be printed on a queue's medium.
enum class PageProblem {
    NoLabelMedium,         // no tape or roll at least as wide as the label across it
    LabelTooLong,          // longer than the longest page the driver takes
    LabelTooWide,          // it would have to shrink below minimumPrintScale to fit across
    LoadedMediumTooNarrow, // the printer says what it has loaded, and none is wide enough
};

// A label is shrunk to fit the printable band across a roll, but not below this.
inline constexpr double minimumPrintScale = 0.9;

// The page for a label of labelSize points on the medium. A label wider than high
// (a tape label) is turned a quarter clockwise so that it reads along the medium, its
// start leaving the printer first; a square one stays upright. Either is centred on
// the printable band and shrunk uniformly when the band is narrower than it. Other
// queues get a page of exactly the label's size with the label on it as it is.
std::variant<LabelPage, PageProblem> labelPage(const QueueMedium& medium, QSizeF labelSize);

// The page size option a queue is asked for a page of that size in points:
// "Custom.51x349", "Custom.348.2072754x43".
QString customPageSizeOption(QSizeF size);

// The label's printed size in whole percent, rounded down: 98 for a scale of 0.9845.
int printedPercent(double scale);
