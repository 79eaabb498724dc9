#include "printing/IppLabelPrinter.h"

#include "platform/LocalizedText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pointsPerMillimetre = 72.0 / 25.4;
// No die-cut label is a metre long: a medium that long is a continuous roll.
constexpr double continuousLength = 1000 * pointsPerMillimetre;
// The widest tape cassettes are 36 mm.
constexpr double widestTape = 36.5 * pointsPerMillimetre;

// Words in a printer's make, model or device id that name a label printer, and the
// label printers' command sets among those a device id lists.
const char* const labelPrinterMakes[] = {"labelwriter", "labelmanager", "labelpoint",
                                         "p-touch",     "ptouch",       "zebra"};
const char* const labelCommandSets[] = {"zpl", "epl", "epl2", "cpcl", "tspl"};
// Tape cassettes come in these widths, which printers give in inches (0.5 in for 12 mm).
const int tapeWidths[] = {6, 9, 12, 18, 19, 24, 36};

bool anyContains(const QStringList& values, const std::initializer_list<const char*>& words) {
    return std::any_of(values.begin(), values.end(), [&](const QString& value) {
        return std::any_of(words.begin(), words.end(),
                           [&](const char* word) { return value.contains(QLatin1String(word)); });
    });
}

bool isLabelPrinter(const PrinterReport& report) {
    if (anyContains(report.mediaSources, {"roll"}) ||
        anyContains(report.mediaTypes, {"labels", "continuous"}) ||
        anyContains(report.mediaNames, {"roll_", "continuous", "tape"}))
        return true;
    const QString maker = (report.makeAndModel + u' ' + report.deviceId).toLower();
    if (std::any_of(std::begin(labelPrinterMakes), std::end(labelPrinterMakes),
                    [&](const char* make) { return maker.contains(QLatin1String(make)); }))
        return true;
    for (const QString& field : report.deviceId.toLower().split(u';')) {
        const qsizetype colon = field.indexOf(u':');
        const QString key = field.left(colon).trimmed();
        if (key != QLatin1String("cmd") && key != QLatin1String("command set"))
            continue;
        for (const QString& command : field.mid(colon + 1).split(u',')) {
            if (std::any_of(
                    std::begin(labelCommandSets), std::end(labelCommandSets),
                    [&](const char* set) { return command.trimmed() == QLatin1String(set); }))
                return true;
        }
    }
    return false;
}

QueueKind kindOf(const PrinterReport& report) {
    const bool namedTape =
        anyContains(report.mediaNames, {"tape"}) ||
        anyContains({report.makeAndModel.toLower()}, {"labelmanager", "p-touch"});
    const bool narrow = std::all_of(report.media.begin(), report.media.end(),
                                    [](const ReportedMedium& m) { return m.width <= widestTape; });
    return namedTape || (narrow && !report.media.empty()) ? QueueKind::Tape : QueueKind::Roll;
}

// The longest page the printer takes of any medium: a roll range's, when it gives one.
double longestPage(const PrinterReport& report) {
    double longest = 0;
    for (const ReportedMedium& medium : report.media)
        longest = std::max(longest, medium.length);
    return longest;
}

QueueMedium labelMedium(const ReportedMedium& reported, QueueKind kind, double tapeLength) {
    QueueMedium medium;
    medium.kind = kind;
    medium.width = reported.width;
    medium.printableLeft = reported.left;
    medium.printableRight = reported.width - reported.right;
    medium.endMargin = std::max(reported.top, reported.bottom);
    medium.source = reported.source;
    // A tape is cut to each page's length, whatever length its size names; a roll is
    // continuous when its length is a range or as long as a roll is.
    medium.customLength = kind == QueueKind::Tape || reported.minimumLength < reported.length ||
                          reported.length >= continuousLength ||
                          reported.name.contains(QLatin1String("continuous")) ||
                          reported.type.contains(QLatin1String("continuous"));
    medium.maximumLength =
        kind == QueueKind::Tape ? std::max(tapeLength, reported.length) : reported.length;
    medium.sizeName = reported.name.isEmpty()
                          ? customPageSizeOption(QSizeF(reported.width, reported.length))
                          : reported.name;
    return medium;
}

int wholeMillimetres(double points) {
    return static_cast<int>(std::lround(points / pointsPerMillimetre));
}

// A tape's width as its cassette names it: the nearest of the usual widths, when one
// is close.
int tapeMillimetres(double points) {
    const double millimetres = points / pointsPerMillimetre;
    const int* nearest =
        std::min_element(std::begin(tapeWidths), std::end(tapeWidths), [&](int a, int b) {
            return std::abs(a - millimetres) < std::abs(b - millimetres);
        });
    return std::abs(*nearest - millimetres) <= tapeWidthToleranceMillimetres
               ? *nearest
               : wholeMillimetres(points);
}

} // namespace

std::optional<IppLabelPrinter> ippLabelPrinter(const PrinterReport& report) {
    if (!isLabelPrinter(report))
        return std::nullopt;
    IppLabelPrinter printer;
    printer.kind = kindOf(report);
    printer.reportsLoaded = !report.loaded.empty();
    const double tapeLength = longestPage(report);
    for (const ReportedMedium& reported : printer.reportsLoaded ? report.loaded : report.media) {
        if (reported.width > 0 && reported.length > 0)
            printer.media.push_back(labelMedium(reported, printer.kind, tapeLength));
    }
    return printer;
}

std::variant<LabelPage, PageProblem> ippLabelPage(const IppLabelPrinter& printer,
                                                  QSizeF labelSize) {
    const bool turned = labelSize.width() > labelSize.height();
    std::vector<const QueueMedium*> order;
    for (const QueueMedium& medium : printer.media)
        order.push_back(&medium);
    // A tape label runs along a continuous medium rather than across a die-cut one.
    std::stable_sort(order.begin(), order.end(),
                     [turned](const QueueMedium* a, const QueueMedium* b) {
                         if (turned && a->customLength != b->customLength)
                             return a->customLength;
                         return a->width < b->width;
                     });
    std::optional<LabelPage> best;
    std::optional<PageProblem> problem;
    for (const QueueMedium* medium : order) {
        auto page = labelPage(*medium, labelSize);
        if (LabelPage* fits = std::get_if<LabelPage>(&page)) {
            if (!best || fits->scale > best->scale)
                best = std::move(*fits);
            if (best->scale >= 1.0)
                break;
        } else if (!problem || *problem == PageProblem::NoLabelMedium) {
            // A medium wide enough tells more about why the label cannot go.
            problem = std::get<PageProblem>(page);
        }
    }
    if (best) {
        best->pageSizeOption = customPageSizeOption(best->size);
        return *best;
    }
    const PageProblem found = problem.value_or(PageProblem::NoLabelMedium);
    if (printer.reportsLoaded &&
        (found == PageProblem::NoLabelMedium || found == PageProblem::LabelTooWide))
        return PageProblem::LoadedMediumTooNarrow;
    return found;
}

std::optional<std::size_t> loadedMediumFitting(const IppLabelPrinter& printer,
                                               const std::vector<QSizeF>& labelSizes) {
    if (!printer.reportsLoaded)
        return std::nullopt;
    std::vector<std::size_t> fitting;
    for (std::size_t i = 0; i < labelSizes.size(); ++i) {
        if (std::holds_alternative<LabelPage>(ippLabelPage(printer, labelSizes[i])))
            fitting.push_back(i);
    }
    if (fitting.size() <= 1)
        return fitting.empty() ? std::nullopt : std::optional(fitting.front());
    const auto shaped = std::find_if(fitting.begin(), fitting.end(), [&](std::size_t i) {
        const bool tapeLabel = labelSizes[i].width() > labelSizes[i].height();
        return tapeLabel == (printer.kind == QueueKind::Tape);
    });
    return shaped != fitting.end() ? *shaped : fitting.front();
}

QString loadedMediumText(const QueueMedium& medium) {
    if (medium.kind == QueueKind::Tape)
        return localizedText(QStringLiteral("mediumTape"),
                             {QString::number(tapeMillimetres(medium.width))});
    const int width = wholeMillimetres(medium.width);
    if (medium.customLength)
        return localizedText(QStringLiteral("mediumRoll"), {QString::number(width)});
    return localizedText(
        QStringLiteral("mediumLabels"),
        {QString::number(width), QString::number(wholeMillimetres(medium.maximumLength))});
}

QString neededMediumText(QueueKind kind, QSizeF labelSize, const QueueMedium& loaded) {
    const bool turned = labelSize.width() > labelSize.height();
    if (kind == QueueKind::Tape) {
        return localizedText(
            QStringLiteral("mediumTape"),
            {QString::number(turned ? labelTapeMillimetres : labelRollMillimetres)});
    }
    // Wide enough that its printable band carries the label at the smallest scale.
    const double across = turned ? labelSize.height() : labelSize.width();
    const double margins = loaded.printableLeft + (loaded.width - loaded.printableRight);
    return localizedText(
        QStringLiteral("mediumRollAtLeast"),
        {QString::number(static_cast<int>(
            std::ceil((across * minimumPrintScale + margins) / pointsPerMillimetre - 0.05)))});
}
