#include "printing/QueueMedium.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <memory>

// The PPD interface is the only place where these drivers describe their tape sizes
// and margins; CUPS marks it deprecated in favour of IPP attributes, which do not say
// which driver a queue uses.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>

namespace {

constexpr double pointsPerMillimetre = 72.0 / 25.4;

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PpdFile = std::unique_ptr<ppd_file_t, PpdCloser>;

// The label printer drivers Linux distributions ship, recognised by the filter or
// the driver name their PPDs give, with what each does with a page.
struct DriverMarker {
    const char* marker;
    QueueKind kind;
};
constexpr DriverMarker driverMarkers[] = {
    {"ptouch-pt", QueueKind::Tape},     {"ptouch-ql", QueueKind::Roll},
    {"raster2dymolm", QueueKind::Tape}, {"raster2dymolw", QueueKind::Roll},
    {"rastertoptch", QueueKind::Tape},
};

// Everything in the PPD that names its driver: the filters, the Foomatic driver and
// the IEEE 1284 device id's DRV field.
QByteArray driverDescription(ppd_file_t* ppd) {
    QByteArray text;
    for (int i = 0; i < ppd->num_filters; ++i)
        text += QByteArray(ppd->filters[i]) + ' ';
    for (const char* name : {"cupsFilter2", "FoomaticIDs", "1284DeviceID", "NickName"}) {
        for (ppd_attr_t* attr = ppdFindAttr(ppd, name, nullptr); attr;
             attr = ppdFindNextAttr(ppd, name, nullptr)) {
            text += QByteArray(attr->value ? attr->value : "") + ' ';
        }
    }
    return text;
}

QueueKind kindOf(ppd_file_t* ppd) {
    const QByteArray description = driverDescription(ppd);
    // The specific markers come first: the P-touch filter serves tape and roll models.
    for (const DriverMarker& driver : driverMarkers) {
        if (description.contains(driver.marker))
            return driver.kind;
    }
    return QueueKind::Other;
}

double maximumMediaWidth(ppd_file_t* ppd) {
    ppd_attr_t* attr = ppdFindAttr(ppd, "MaxMediaWidth", nullptr);
    if (!attr || !attr->value)
        return 0;
    return QByteArray(attr->value).trimmed().replace('"', "").toDouble();
}

// The fixed size a medium's page takes: the one whose width is closest to the
// tape's for tape printers; for roll printers the widest (the longest of those).
const ppd_size_t* mediumSize(ppd_file_t* ppd, QueueKind kind) {
    const ppd_size_t* best = nullptr;
    const double tape = labelTapeMillimetres * pointsPerMillimetre;
    const double tolerance = tapeWidthToleranceMillimetres * pointsPerMillimetre;
    for (int i = 0; i < ppd->num_sizes; ++i) {
        const ppd_size_t* size = &ppd->sizes[i];
        if (QByteArray(size->name).startsWith("Custom") || size->width <= 0)
            continue;
        if (kind == QueueKind::Tape) {
            if (std::abs(size->width - tape) > tolerance)
                continue;
            const double distance = std::abs(size->width - tape);
            const double bestDistance = best ? std::abs(best->width - tape) : 0;
            // Of two sizes for the same tape, the longer (a continuous one) takes more.
            if (!best || distance < bestDistance ||
                (distance == bestDistance && size->length > best->length))
                best = size;
        } else if (!best || size->width > best->width ||
                   (size->width == best->width && size->length > best->length)) {
            best = size;
        }
    }
    return best;
}

} // namespace

QueueMedium queueMediumFromPpd(const QString& ppdPath) {
    QueueMedium medium;
    const PpdFile ppd(ppdOpenFile(QFile::encodeName(ppdPath).constData()));
    if (!ppd)
        return medium;
    medium.kind = kindOf(ppd.get());
    if (medium.kind == QueueKind::Other)
        return medium;

    const ppd_size_t* size = mediumSize(ppd.get(), medium.kind);
    if (!size)
        return medium;
    medium.sizeName = QString::fromUtf8(size->name);
    medium.width = size->width;
    medium.printableLeft = size->left;
    medium.printableRight = size->right;
    // A head narrower than the page prints the middle of it.
    if (const double head = maximumMediaWidth(ppd.get()); head > 0 && head < medium.width) {
        medium.printableLeft = std::max(medium.printableLeft, (medium.width - head) / 2);
        medium.printableRight = std::min(medium.printableRight, (medium.width + head) / 2);
    }

    ppd_size_t shortest{};
    ppd_size_t longest{};
    if (ppd->variable_sizes && ppdPageSizeLimits(ppd.get(), &shortest, &longest) &&
        medium.width >= shortest.width && medium.width <= longest.width) {
        medium.customLength = true;
        medium.maximumLength = longest.length;
        // Custom pages keep the margins the driver declares for them (HWMargins:
        // left, bottom, right, top).
        medium.endMargin = std::max(ppd->custom_margins[1], ppd->custom_margins[3]);
    } else {
        medium.maximumLength = size->length;
        medium.endMargin = std::max<double>(size->bottom, size->length - size->top);
    }
    return medium;
}

#pragma GCC diagnostic pop
