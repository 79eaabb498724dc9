#pragma once

#include "printing/LabelPage.h"
#include "printing/PrinterReport.h"

#include <QSizeF>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

// A label printer recognised from what it reports over IPP (a driverless queue, a
// printer application) rather than from its driver, with the media a label may go on
// described as the PPD drivers' media are, so that the same rules choose the page.
struct IppLabelPrinter {
    // Tape for tape printers (each page cut from the loaded tape), Roll otherwise.
    QueueKind kind = QueueKind::Roll;
    // What the printer has loaded when it says; otherwise every size it takes.
    std::vector<QueueMedium> media;
    bool reportsLoaded = false;
};

// The label printer a report describes, or nothing when it describes another printer:
// a roll among its media sources, labels or continuous media among its media types,
// roll sizes among its media, or a label printer's make in its device id.
std::optional<IppLabelPrinter> ippLabelPrinter(const PrinterReport& report);

// The page for a label on the printer: on the medium that carries it whole (the
// narrowest, and for a tape label a continuous one first), else on the one that shrinks
// it least; the page size option is always the custom size, which queues and printers
// of every kind take. When no medium is wide enough, a printer that reported its loaded
// media refuses it as LoadedMediumTooNarrow.
std::variant<LabelPage, PageProblem> ippLabelPage(const IppLabelPrinter& printer, QSizeF labelSize);

// Which of the labels (their sizes) the printer's loaded media carry: the one label that
// fits, or of several the one whose shape is the printer's kind's (a tape label on a tape
// printer); nothing when the printer does not say what it has loaded, or none fits.
std::optional<std::size_t> loadedMediumFitting(const IppLabelPrinter& printer,
                                               const std::vector<QSizeF>& labelSizes);

// What a loaded medium is, as the user is told: "19 mm tape", "a 54 mm roll",
// "54 × 101 mm labels".
QString loadedMediumText(const QueueMedium& medium);
// What a label of that size needs on a printer of that kind: "18 mm tape", or a roll
// with the loaded one's margins whose printable band carries the label at the smallest
// scale: "a roll at least 56 mm wide".
QString neededMediumText(QueueKind kind, QSizeF labelSize, const QueueMedium& loaded);
