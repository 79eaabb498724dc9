#pragma once

#include <QString>
#include <QStringList>

#include <vector>

typedef struct _ipp_s ipp_t;

// One medium a printer describes (a size it takes or one it has loaded), in points.
// A range (a roll of any width or length within limits) has different minimum and
// maximum; a fixed size has them equal.
struct ReportedMedium {
    // The PWG media name, when the printer gave one ("oe_continuous-label_2.125x3600in").
    QString name;
    double minimumWidth = 0;
    double width = 0;
    double minimumLength = 0;
    double length = 0;
    // What the printer cannot print on at each edge.
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
    QString source;
    QString type;
};

// What a printer or a print queue tells about itself in answer to Get-Printer-Attributes.
struct PrinterReport {
    QString makeAndModel;
    QString deviceId;
    // The device a print queue sends its jobs to (a printer's own URI for driverless
    // queues); empty for a printer.
    QString deviceUri;
    QStringList mediaSources;
    QStringList mediaTypes;
    QStringList mediaNames;
    // Every size the printer takes (media-col-database, else media-supported).
    std::vector<ReportedMedium> media;
    // What it has loaded (media-col-ready, else media-ready); empty when it does not say.
    std::vector<ReportedMedium> loaded;
    QStringList documentFormats;
    // The resolutions its raster documents take, in dots per inch (the first preferred).
    std::vector<int> rasterResolutions;
    int state = 0;
    QStringList stateReasons;
    QString stateMessage;
    bool acceptingJobs = true;
};

// The attributes a report is made of, for the request.
const std::vector<const char*>& reportedAttributes();

// Reads the report from a Get-Printer-Attributes response.
PrinterReport printerReport(ipp_t* response);

// The size a self-describing PWG media name gives ("na_index-4x6_4x6in", "roll_max_2x3600in"),
// or nothing for a name without one.
ReportedMedium mediumNamed(const QString& name);
