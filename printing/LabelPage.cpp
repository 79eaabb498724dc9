#include "printing/LabelPage.h"

#include <algorithm>
#include <cmath>

namespace {

// Page sizes go to the queue as text; whole numbers stay whole.
QString pointsText(double points) {
    return QString::number(points, 'g', 10);
}

LabelPage exactPage(QSizeF labelSize) {
    LabelPage page;
    page.size = labelSize;
    page.pageSizeOption = customPageSizeOption(labelSize);
    return page;
}

} // namespace

std::variant<LabelPage, PageProblem> labelPage(const QueueMedium& medium, QSizeF labelSize) {
    if (medium.kind == QueueKind::Other)
        return exactPage(labelSize);
    if (medium.sizeName.isEmpty())
        return PageProblem::NoLabelMedium;

    const bool turned = labelSize.width() > labelSize.height();
    const double along = turned ? labelSize.width() : labelSize.height();
    const double across = turned ? labelSize.height() : labelSize.width();
    const double band = medium.printableRight - medium.printableLeft;
    const double scale = std::min(1.0, band / across);
    if (scale < minimumPrintScale)
        return PageProblem::LabelTooWide;

    // The filters truncate custom sizes to whole points, so the length is rounded up.
    const double printedLength = along * scale;
    double length = std::ceil(printedLength + 2 * medium.endMargin - 1e-9);
    if (length > medium.maximumLength)
        return PageProblem::LabelTooLong;
    if (!medium.customLength)
        length = medium.maximumLength;

    LabelPage page;
    page.medium = medium;
    page.scale = scale;
    page.size = QSizeF(medium.width, length);
    page.pageSizeOption = medium.customLength ? customPageSizeOption(page.size) : medium.sizeName;
    page.keepOrientation = true;
    const double centre = (medium.printableLeft + medium.printableRight) / 2;
    const double printedAcross = across * scale;
    if (turned) {
        // Label x runs down the page, label y from the page's right towards its left.
        page.labelToPage =
            QTransform(0, scale, -scale, 0, centre + printedAcross / 2, medium.endMargin);
    } else {
        page.labelToPage =
            QTransform(scale, 0, 0, scale, centre - printedAcross / 2, medium.endMargin);
    }
    return page;
}

QString customPageSizeOption(QSizeF size) {
    return QStringLiteral("Custom.%1x%2").arg(pointsText(size.width()), pointsText(size.height()));
}

int printedPercent(double scale) {
    return static_cast<int>(std::floor(scale * 100 + 1e-9));
}
