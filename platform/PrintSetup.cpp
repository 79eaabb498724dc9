#include "platform/PrintSetup.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

#include <cmath>
#include <memory>

namespace {

// The print engine key under which Qt's system print engine keeps raw job options, as
// a flat list of name, value, name, value...
const auto rawJobOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);
const QString pageSizeOption = QStringLiteral("PageSize");
// Paper the page set-up proposes is this much wider than the label's whole points.
constexpr int pageSetupExtraWidth = 2;

QPageSize pointPageSize(QSizeF size) {
    return QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch);
}

// Qt's page sizes are portrait descriptions, so a landscape page is given with its
// sides swapped and the orientation turns it back.
QPageLayout landscapeLayout(QSizeF size) {
    return QPageLayout(pointPageSize(size.transposed()), QPageLayout::Landscape, QMarginsF(),
                       QPageLayout::Point);
}

// The queue is told the exact size as its own custom page size; the generic media
// option Qt sends as well gets rounded down and rotated by some drivers.
void setQueuePageSize(QPrinter& printer, QSizeF size) {
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return;
    QStringList options = printer.printEngine()->property(rawJobOptionsKey).toStringList();
    const QString value =
        QStringLiteral("Custom.%1x%2").arg(size.width(), 0, 'g', 10).arg(size.height(), 0, 'g', 10);
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        if (options[i] == pageSizeOption) {
            options[i + 1] = value;
            printer.printEngine()->setProperty(rawJobOptionsKey, options);
            return;
        }
    }
    options << pageSizeOption << value;
    printer.printEngine()->setProperty(rawJobOptionsKey, options);
}

} // namespace

namespace PrintSetup {

QPrinter& sharedPrinter() {
    static const std::unique_ptr<QPrinter> printer =
        std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

void proposePageSetup(QPrinter& printer, QSizeF labelSize) {
    const QSizeF paper(std::trunc(labelSize.width()) + pageSetupExtraWidth, labelSize.height());
    printer.setPageLayout(
        QPageLayout(pointPageSize(paper), QPageLayout::Portrait, QMarginsF(), QPageLayout::Point));
}

void setLabelPage(QPrinter& printer, QSizeF labelSize) {
    printer.setFullPage(true);
    printer.setPageLayout(landscapeLayout(labelSize));
    setQueuePageSize(printer, labelSize);
}

bool printPage(QPrinter& printer, QSizeF labelSize, const std::function<void(QPainter&)>& draw) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const qreal pixelsPerPoint = printer.resolution() / 72.0;
    const QRectF page = printer.pageLayout().fullRect(QPageLayout::Point);
    painter.scale(pixelsPerPoint, pixelsPerPoint);
    painter.translate(0, (page.height() - labelSize.height()) / 2);
    draw(painter);
    return painter.end();
}

} // namespace PrintSetup
