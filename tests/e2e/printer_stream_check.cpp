// Checks what a label printer's driver made of a label: decodes the printer stream a
// file:// queue wrote and compares each page with a rendering of its label at the
// driver's resolution: with one reference every page with it, with several page N
// with the Nth. Exits 0 when every check passes, 1 otherwise, printing what it found
// for each page.
//   printer_stream_check STREAM REFERENCE.png... --dpi N --width-mm W --band FIRST-LAST
//                        (--turned | --upright) [--scale S] [--line-tolerance T]
//                        [--pages N] [--decoded OUT.png]
//                        [--format ptouch|labelwriter] [--end-margin-dots M]
//                        [--page-lines N]
// A LabelWriter stream declares no medium (give --width-mm 0); its driver leaves M lines
// unsent at each end of the page it declares, whose length is checked instead: the
// label's and both margins on a continuous roll, N lines on a die-cut label.

#include "PrinterStream.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Profile = std::vector<double>;

constexpr double minimumCorrelation = 0.85;
constexpr double reversalMargin = 0.2;
constexpr double minimumPictureCorrelation = 0.6;

struct Expectation {
    int dpi = 0;
    int widthMillimetres = 0;
    int firstDot = 0;
    int lastDot = 0;
    bool turned = false;
    double scale = 1.0;
    int lineTolerance = 3;
    int pages = 1;
    int endMarginDots = 0;
    int pageLines = 0;
};

// How much ink each row (along) or column (across) of a picture holds.
Profile inkProfile(const QImage& image, bool alongRows) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    Profile profile(alongRows ? grey.height() : grey.width(), 0.0);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            profile[alongRows ? y : x] += (255 - row[x]) / 255.0;
    }
    return profile;
}

// Pearson correlation of the printed profile with the expected one placed at offset.
double correlationAt(const Profile& printed, const Profile& expected, int offset) {
    const auto n = static_cast<double>(printed.size());
    double sp = 0, se = 0, spp = 0, see = 0, spe = 0;
    for (std::size_t i = 0; i < printed.size(); ++i) {
        const long j = static_cast<long>(i) - offset;
        const double e = j >= 0 && j < static_cast<long>(expected.size()) ? expected[j] : 0.0;
        sp += printed[i];
        se += e;
        spp += printed[i] * printed[i];
        see += e * e;
        spe += printed[i] * e;
    }
    const double cov = spe - sp * se / n;
    const double var = (spp - sp * sp / n) * (see - se * se / n);
    return var > 0 ? cov / std::sqrt(var) : 0.0;
}

struct Match {
    int offset = 0;
    double correlation = -2;
};

Match bestMatch(const Profile& printed, const Profile& expected) {
    Match best;
    const int slack = static_cast<int>(printed.size()) - static_cast<int>(expected.size());
    for (int offset = std::min(0, slack) - 3; offset <= std::max(0, slack) + 3; ++offset) {
        const double r = correlationAt(printed, expected, offset);
        if (r > best.correlation)
            best = {offset, r};
    }
    return best;
}

// First and last index holding ink.
std::pair<int, int> inkExtent(const Profile& profile, double threshold) {
    int first = -1, last = -1;
    for (int i = 0; i < static_cast<int>(profile.size()); ++i) {
        if (profile[i] > threshold) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return {first, last};
}

// Pearson correlation of the page's ink with the picture's, the picture's upper left at
// (x, y) on the page, both averaged over blocks of 4 by 4 dots so that dithering counts
// as the grey it stands for.
double pictureCorrelation(const QImage& page, const QImage& picture, int x, int y) {
    constexpr int block = 4;
    const QImage a = page.convertToFormat(QImage::Format_Grayscale8);
    const QImage b = picture.convertToFormat(QImage::Format_Grayscale8);
    double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    int n = 0;
    for (int by = 0; by + block <= b.height(); by += block) {
        for (int bx = 0; bx + block <= b.width(); bx += block) {
            double inkA = 0, inkB = 0;
            for (int dy = 0; dy < block; ++dy) {
                for (int dx = 0; dx < block; ++dx) {
                    const int px = x + bx + dx, py = y + by + dy;
                    if (px >= 0 && py >= 0 && px < a.width() && py < a.height())
                        inkA += (255 - a.constScanLine(py)[px]) / 255.0;
                    inkB += (255 - b.constScanLine(by + dy)[bx + dx]) / 255.0;
                }
            }
            sa += inkA;
            sb += inkB;
            saa += inkA * inkA;
            sbb += inkB * inkB;
            sab += inkA * inkB;
            ++n;
        }
    }
    const double cov = sab - sa * sb / n;
    const double var = (saa - sa * sa / n) * (sbb - sb * sb / n);
    return var > 0 ? cov / std::sqrt(var) : 0.0;
}

bool checkPage(int number, const PrintedPage& page, const QImage& label, const Expectation& want) {
    bool ok = true;
    auto fail = [&](const QString& what) {
        std::printf("  FAIL: %s\n", qUtf8Printable(what));
        ok = false;
    };
    const QImage printed = pageImage(page);
    // The label as it should lie on the page: turned a quarter clockwise when it reads
    // along the tape, shrunk when it had to be.
    QImage expected = want.turned ? label.transformed(QTransform().rotate(90)) : label;
    if (want.scale < 1.0)
        expected = expected.scaled(std::lround(expected.width() * want.scale),
                                   std::lround(expected.height() * want.scale),
                                   Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    const Profile printedAlong = inkProfile(printed, true);
    const Profile printedAcross = inkProfile(printed, false);
    const Profile expectedAlong = inkProfile(expected, true);
    const Profile expectedAcross = inkProfile(expected, false);
    const Match along = bestMatch(printedAlong, expectedAlong);
    const Match across = bestMatch(printedAcross, expectedAcross);
    const Match alongReversed =
        bestMatch(printedAlong, Profile(expectedAlong.rbegin(), expectedAlong.rend()));
    const Match acrossReversed =
        bestMatch(printedAcross, Profile(expectedAcross.rbegin(), expectedAcross.rend()));
    const auto [firstDot, lastDot] = inkExtent(printedAcross, 0.5);
    const auto [firstLine, lastLine] = inkExtent(printedAlong, 0.5);
    const auto [expectedFirstLine, expectedLastLine] = inkExtent(expectedAlong, 0.5);
    const auto [expectedFirstDot, expectedLastDot] = inkExtent(expectedAcross, 0.5);

    // The whole picture where the profiles place it, against its mirror image across the
    // medium where that would lie.
    const double picture = pictureCorrelation(printed, expected, across.offset, along.offset);
    const double mirror = pictureCorrelation(printed, expected.mirrored(true, false),
                                             acrossReversed.offset, along.offset);

    std::printf("page %d: %d mm tape, %zu lines (label %d), %d dots across, ink on dots %d-%d, "
                "along r=%.3f (reversed %.3f), across r=%.3f (reversed %.3f), picture r=%.3f "
                "(mirrored %.3f)\n",
                number, page.widthMillimetres, page.lines.size(), expected.height(),
                printed.width(), firstDot, lastDot, along.correlation, alongReversed.correlation,
                across.correlation, acrossReversed.correlation, picture, mirror);

    if (page.widthMillimetres != want.widthMillimetres)
        fail(QStringLiteral("%1 mm declared, %2 mm wanted")
                 .arg(page.widthMillimetres)
                 .arg(want.widthMillimetres));
    if (want.endMarginDots > 0) {
        // The page is the label and both end margins, in whole points, or the die-cut
        // label's own.
        const int pageLines =
            want.pageLines > 0 ? want.pageLines : expected.height() + 2 * want.endMarginDots;
        const int wholePoint = (want.dpi + 71) / 72;
        if (std::abs(static_cast<int>(page.declaredLines) - pageLines) >
            want.lineTolerance + wholePoint)
            fail(QStringLiteral("a page of %1 lines declared for a label and margins of %2")
                     .arg(page.declaredLines)
                     .arg(pageLines));
        if (page.lines.size() + want.endMarginDots > page.declaredLines)
            fail(QStringLiteral("%1 raster lines past the declared page").arg(page.lines.size()));
    } else if (std::abs(static_cast<int>(page.lines.size()) - expected.height()) >
               want.lineTolerance) {
        fail(QStringLiteral("%1 raster lines for a label of %2")
                 .arg(page.lines.size())
                 .arg(expected.height()));
    }
    // Models whose stream declares no medium (width 0 wanted) declare no line count either.
    if (want.widthMillimetres != 0 && page.declaredLines != page.lines.size())
        fail(QStringLiteral("%1 lines declared, %2 sent")
                 .arg(page.declaredLines)
                 .arg(page.lines.size()));
    if (firstDot < want.firstDot || lastDot > want.lastDot)
        fail(QStringLiteral("ink on dots %1-%2, outside the printable band %3-%4")
                 .arg(firstDot)
                 .arg(lastDot)
                 .arg(want.firstDot)
                 .arg(want.lastDot));
    // Dithering and shrinking blur the profiles a little; a reversed (mirrored or wrongly
    // turned) picture correlates far worse.
    if (along.correlation < minimumCorrelation ||
        along.correlation - alongReversed.correlation < reversalMargin)
        fail(QStringLiteral("the picture along the tape is not the label's"));
    if (across.correlation < minimumCorrelation || picture < minimumPictureCorrelation ||
        picture - mirror < reversalMargin)
        fail(QStringLiteral("the picture across the tape is not the label's (mirrored or turned)"));
    // Not scaled and not clipped: the ink spans what the label's ink spans.
    if (std::abs((lastLine - firstLine) - (expectedLastLine - expectedFirstLine)) > 3)
        fail(QStringLiteral("ink spans %1 lines, the label's %2")
                 .arg(lastLine - firstLine)
                 .arg(expectedLastLine - expectedFirstLine));
    if (std::abs((lastDot - firstDot) - (expectedLastDot - expectedFirstDot)) > 3)
        fail(QStringLiteral("ink spans %1 dots across, the label's %2")
                 .arg(lastDot - firstDot)
                 .arg(expectedLastDot - expectedFirstDot));
    // Centred across the printable band.
    const double bandCentre = (want.firstDot + want.lastDot) / 2.0;
    const double labelCentre = across.offset + (expected.width() - 1) / 2.0;
    if (std::abs(labelCentre - bandCentre) > 3)
        fail(QStringLiteral("the label's centre is at dot %1, the band's at %2")
                 .arg(labelCentre)
                 .arg(bandCentre));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument("STREAM", "What the driver wrote.");
    parser.addPositionalArgument("REFERENCE",
                                 "The label rendered at the driver's resolution, or one per page.",
                                 "REFERENCE...");
    parser.addOptions(
        {{"dpi", "Driver resolution.", "N"},
         {"width-mm", "Tape or roll width the page must declare.", "W"},
         {"band", "Printable dots across.", "FIRST-LAST"},
         {"turned", "The label reads along the tape."},
         {"upright", "The label stands upright across the roll."},
         {"scale", "Expected printed scale.", "S", "1"},
         {"line-tolerance", "Raster lines the length may differ by.", "T", "3"},
         {"pages", "Pages expected.", "N", "1"},
         {"decoded", "Write the decoded first page here.", "PNG"},
         {"format", "The printer's command set: ptouch or labelwriter.", "NAME", "ptouch"},
         {"end-margin-dots", "Lines the driver leaves unsent at each end.", "M", "0"},
         {"page-lines", "Lines of the die-cut label each page is.", "N", "0"}});
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    const QStringList band = parser.value("band").split('-');
    if (files.size() < 2 || band.size() != 2 || parser.isSet("turned") == parser.isSet("upright")) {
        std::fprintf(stderr, "%s", qUtf8Printable(parser.helpText()));
        return 2;
    }
    Expectation want;
    want.dpi = parser.value("dpi").toInt();
    want.widthMillimetres = parser.value("width-mm").toInt();
    want.firstDot = band[0].toInt();
    want.lastDot = band[1].toInt();
    want.turned = parser.isSet("turned");
    want.scale = parser.value("scale").toDouble();
    want.lineTolerance = parser.value("line-tolerance").toInt();
    want.pages = parser.value("pages").toInt();
    want.endMarginDots = parser.value("end-margin-dots").toInt();
    want.pageLines = parser.value("page-lines").toInt();
    const QString format = parser.value("format");
    if (format != QLatin1String("ptouch") && format != QLatin1String("labelwriter")) {
        std::fprintf(stderr, "unknown format %s\n", qUtf8Printable(format));
        return 2;
    }

    QFile streamFile(files[0]);
    if (!streamFile.open(QIODevice::ReadOnly)) {
        std::printf("FAIL: cannot read %s\n", qUtf8Printable(files[0]));
        return 1;
    }
    const QByteArray bytes = streamFile.readAll();
    const PrinterStream stream = format == QLatin1String("labelwriter")
                                     ? decodeLabelWriterStream(bytes)
                                     : decodePtouchStream(bytes);
    std::vector<QImage> labels;
    for (const QString& reference : files.mid(1)) {
        labels.emplace_back(reference);
        if (labels.back().isNull()) {
            std::printf("FAIL: no reference image %s\n", qUtf8Printable(reference));
            return 1;
        }
    }
    if (!stream.error.isEmpty()) {
        std::printf("FAIL: %s\n", qUtf8Printable(stream.error));
        return 1;
    }
    if (static_cast<int>(stream.pages.size()) != want.pages ||
        (labels.size() > 1 && labels.size() != stream.pages.size())) {
        std::printf("FAIL: %zu pages, %d wanted, %zu references\n", stream.pages.size(), want.pages,
                    labels.size());
        return 1;
    }
    if (parser.isSet("decoded"))
        pageImage(stream.pages.front()).save(parser.value("decoded"));
    bool ok = true;
    for (std::size_t i = 0; i < stream.pages.size(); ++i)
        ok = checkPage(static_cast<int>(i) + 1, stream.pages[i],
                       labels.size() > 1 ? labels[i] : labels.front(), want) &&
             ok;
    return ok ? 0 : 1;
}
