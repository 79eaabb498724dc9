#include "printing/PrinterReport.h"

#include <cups/cups.h>

#include <algorithm>

namespace {

// IPP gives lengths in hundredths of a millimetre.
double points(int hundredthsOfMillimetre) {
    return hundredthsOfMillimetre * 72.0 / 2540.0;
}

QStringList strings(ipp_t* response, const char* name) {
    QStringList values;
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i) {
        if (const char* value = ippGetString(attribute, i, nullptr))
            values << QString::fromUtf8(value);
    }
    return values;
}

QString string(ipp_t* response, const char* name) {
    return strings(response, name).value(0);
}

// The smallest margin of a printer's *-margin-supported, the one it prints closest to
// the edge with.
double smallestMargin(ipp_t* response, const char* name) {
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_INTEGER);
    int smallest = -1;
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i) {
        const int value = ippGetInteger(attribute, i);
        if (smallest < 0 || value < smallest)
            smallest = value;
    }
    return smallest < 0 ? 0 : points(smallest);
}

struct Margins {
    double left = 0, right = 0, top = 0, bottom = 0;
};

void setMargins(ReportedMedium& medium, const Margins& margins) {
    medium.left = margins.left;
    medium.right = margins.right;
    medium.top = margins.top;
    medium.bottom = margins.bottom;
}

// One dimension of a media-size collection: a number, or a range for rolls.
bool readDimension(ipp_t* size, const char* name, double& minimum, double& maximum) {
    ipp_attribute_t* attribute = ippFindAttribute(size, name, IPP_TAG_ZERO);
    if (!attribute)
        return false;
    if (ippGetValueTag(attribute) == IPP_TAG_RANGE) {
        int upper = 0;
        minimum = points(ippGetRange(attribute, 0, &upper));
        maximum = points(upper);
        return true;
    }
    if (ippGetValueTag(attribute) != IPP_TAG_INTEGER)
        return false;
    minimum = maximum = points(ippGetInteger(attribute, 0));
    return true;
}

// A media-col collection; a margin it leaves out is the printer's own.
bool readCollection(ipp_t* collection, const Margins& defaults, ReportedMedium& medium) {
    ipp_attribute_t* sizeAttribute =
        ippFindAttribute(collection, "media-size", IPP_TAG_BEGIN_COLLECTION);
    ipp_t* size = sizeAttribute ? ippGetCollection(sizeAttribute, 0) : nullptr;
    if (!size || !readDimension(size, "x-dimension", medium.minimumWidth, medium.width) ||
        !readDimension(size, "y-dimension", medium.minimumLength, medium.length))
        return false;
    setMargins(medium, defaults);
    const struct {
        const char* name;
        double ReportedMedium::*margin;
    } margins[] = {{"media-left-margin", &ReportedMedium::left},
                   {"media-right-margin", &ReportedMedium::right},
                   {"media-top-margin", &ReportedMedium::top},
                   {"media-bottom-margin", &ReportedMedium::bottom}};
    for (const auto& [name, margin] : margins) {
        if (ipp_attribute_t* value = ippFindAttribute(collection, name, IPP_TAG_INTEGER))
            medium.*margin = points(ippGetInteger(value, 0));
    }
    medium.name = string(collection, "media-size-name");
    medium.source = string(collection, "media-source");
    medium.type = string(collection, "media-type");
    return true;
}

std::vector<ReportedMedium> collections(ipp_t* response, const char* name,
                                        const Margins& defaults) {
    std::vector<ReportedMedium> media;
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_BEGIN_COLLECTION);
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i) {
        ReportedMedium medium;
        if (readCollection(ippGetCollection(attribute, i), defaults, medium))
            media.push_back(medium);
    }
    return media;
}

// Media named by keywords; a pair of "roll_min_" and "roll_max_" (or "custom_") names is
// one range.
std::vector<ReportedMedium> namedMedia(const QStringList& names, const Margins& defaults) {
    std::vector<ReportedMedium> media;
    ReportedMedium range;
    for (const QString& name : names) {
        ReportedMedium medium = mediumNamed(name);
        if (medium.width <= 0)
            continue;
        setMargins(medium, defaults);
        if (name.contains(QLatin1String("_min_"))) {
            range.minimumWidth = medium.width;
            range.minimumLength = medium.length;
        } else if (name.contains(QLatin1String("_max_"))) {
            range.name = name;
            range.width = medium.width;
            range.length = medium.length;
            setMargins(range, defaults);
        } else {
            media.push_back(medium);
        }
    }
    if (range.width > 0)
        media.push_back(range);
    return media;
}

} // namespace

const std::vector<const char*>& reportedAttributes() {
    static const std::vector<const char*> names = {
        "device-uri",
        "document-format-supported",
        "media-bottom-margin-supported",
        "media-col-database",
        "media-col-ready",
        "media-left-margin-supported",
        "media-ready",
        "media-right-margin-supported",
        "media-source-supported",
        "media-supported",
        "media-top-margin-supported",
        "media-type-supported",
        "printer-device-id",
        "printer-is-accepting-jobs",
        "printer-make-and-model",
        "printer-state",
        "printer-state-message",
        "printer-state-reasons",
        "pwg-raster-document-resolution-supported",
    };
    return names;
}

ReportedMedium mediumNamed(const QString& name) {
    ReportedMedium medium;
    const pwg_media_t* size = pwgMediaForPWG(name.toUtf8().constData());
    if (!size || size->width <= 0 || size->length <= 0)
        return medium;
    medium.name = name;
    medium.minimumWidth = medium.width = points(size->width);
    medium.minimumLength = medium.length = points(size->length);
    return medium;
}

PrinterReport printerReport(ipp_t* response) {
    PrinterReport report;
    if (!response)
        return report;
    const Margins defaults{smallestMargin(response, "media-left-margin-supported"),
                           smallestMargin(response, "media-right-margin-supported"),
                           smallestMargin(response, "media-top-margin-supported"),
                           smallestMargin(response, "media-bottom-margin-supported")};
    report.makeAndModel = string(response, "printer-make-and-model");
    report.deviceId = string(response, "printer-device-id");
    report.deviceUri = string(response, "device-uri");
    report.mediaSources = strings(response, "media-source-supported");
    report.mediaTypes = strings(response, "media-type-supported");
    report.mediaNames = strings(response, "media-supported");
    report.media = collections(response, "media-col-database", defaults);
    if (report.media.empty())
        report.media = namedMedia(report.mediaNames, defaults);
    report.loaded = collections(response, "media-col-ready", defaults);
    if (report.loaded.empty())
        report.loaded = namedMedia(strings(response, "media-ready"), defaults);
    report.documentFormats = strings(response, "document-format-supported");
    if (ipp_attribute_t* resolutions = ippFindAttribute(
            response, "pwg-raster-document-resolution-supported", IPP_TAG_RESOLUTION)) {
        for (int i = 0; i < ippGetCount(resolutions); ++i) {
            int vertical = 0;
            ipp_res_t units = IPP_RES_PER_INCH;
            const int horizontal = ippGetResolution(resolutions, i, &vertical, &units);
            if (units == IPP_RES_PER_INCH && horizontal == vertical)
                report.rasterResolutions.push_back(horizontal);
        }
    }
    if (ipp_attribute_t* state = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM))
        report.state = ippGetInteger(state, 0);
    report.stateReasons = strings(response, "printer-state-reasons");
    report.stateReasons.removeAll(QStringLiteral("none"));
    report.stateMessage = string(response, "printer-state-message");
    if (ipp_attribute_t* accepting =
            ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        report.acceptingJobs = ippGetBoolean(accepting, 0);
    return report;
}
