#include "AppTestSupport.h"

#include "app/TapeLength.h"

#include "app/MainWindow.h"
#include "label/TapeView.h"
#include "platform/PrintSetup.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

TEST(TapeLength, IsTruncatedSoThatItIsNeverOverstated) {
    EXPECT_EQ(tapeLengthMillimetres(238.0), 83);
    EXPECT_EQ(tapeLengthMillimetres(100.0), 35);
    EXPECT_EQ(tapeLengthMillimetres(283.46456692913387), 99);
    EXPECT_EQ(tapeLengthMillimetres(0.0), 0);
}

class Printing : public testing::Test {
protected:
    KestavolinAppDelegate& startWith(const QString& medium) {
        fixture.writeSettingsWithMedium(medium);
        return fixture.start();
    }

    AppFixture fixture;
};

TEST_F(Printing, TheTapeLabelPrintsOnAPageOfExactlyItsSize) {
    KestavolinAppDelegate& app = startWith(QStringLiteral("Tape 18"));
    app.applicationOpenFiles({fixture.samplePhoto(QStringLiteral("print.jpg"))});
    const QSizeF label = app.tapeImageView()->tapeSize();
    app.printTape();

    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    const AlertContent& alert = fixture.alerts.alerts()[0];
    EXPECT_EQ(alert.title, QStringLiteral("tapeLengthMassage"));
    EXPECT_EQ(alert.message,
              QStringLiteral("tapeSetMsg\n\n %1 mm").arg(tapeLengthMillimetres(label.width())));
    EXPECT_EQ(alert.defaultButton, QStringLiteral("Ok"));

    ASSERT_TRUE(fixture.dialogs.printDialogShown);
    const QPageLayout& shown = *fixture.dialogs.printDialogShown;
    EXPECT_EQ(shown.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(shown.fullRect(QPageLayout::Point).size(), label);
    EXPECT_EQ(shown.margins(), QMarginsF());

    // Qt's PDF output gives page boxes in whole points.
    const QList<QSizeF> pages = pdfPageSizes(fixture.dialogs.pdfPath);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].width(), std::round(label.width()));
    EXPECT_EQ(pages[0].height(), 43);
}

TEST_F(Printing, PageSetupProposesTheWholePointWidthPlusTwoInPortrait) {
    KestavolinAppDelegate& app = startWith(QStringLiteral("Tape 18"));
    const QSizeF label = app.tapeImageView()->tapeSize();
    app.pageSetup();
    ASSERT_TRUE(fixture.dialogs.pageSetupShown);
    const QPageLayout& shown = *fixture.dialogs.pageSetupShown;
    EXPECT_EQ(shown.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(shown.fullRect(QPageLayout::Point).size(),
              QSizeF(std::trunc(label.width()) + 2, label.height()));
}

TEST_F(Printing, ACancelledPrintDialogPrintsNothing) {
    KestavolinAppDelegate& app = startWith(QStringLiteral("Tape 18"));
    fixture.dialogs.confirmPrint = false;
    app.printAction();
    EXPECT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_FALSE(QFile::exists(fixture.dialogs.pdfPath));
}

TEST_F(Printing, NothingHappensForTheRollOrAClosedWindow) {
    KestavolinAppDelegate& roll = startWith(QStringLiteral("Roll 60"));
    roll.printTape();
    roll.pageSetup();
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
    EXPECT_FALSE(fixture.dialogs.printDialogShown);
    EXPECT_FALSE(fixture.dialogs.pageSetupShown);

    KestavolinAppDelegate& tape = startWith(QStringLiteral("Tape 18"));
    tape.window().close();
    tape.printTape();
    tape.pageSetup();
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
    EXPECT_FALSE(fixture.dialogs.printDialogShown);
    EXPECT_FALSE(fixture.dialogs.pageSetupShown);
}

TEST(PrintSetup, TheLabelSitsAtTheLeftAndInTheMiddleOfATallerPage) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QTemporaryDir folder;
    printer.setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
    PrintSetup::setLabelPage(printer, QSizeF(200, 60));
    QTransform drawnWith;
    ASSERT_TRUE(PrintSetup::printPage(printer, QSizeF(200, 43),
                                      [&](QPainter& painter) { drawnWith = painter.transform(); }));
    const qreal pixelsPerPoint = printer.resolution() / 72.0;
    const QPointF origin = drawnWith.map(QPointF(0, 0)) / pixelsPerPoint;
    EXPECT_DOUBLE_EQ(origin.x(), 0);
    EXPECT_DOUBLE_EQ(origin.y(), (60 - 43) / 2.0);
    EXPECT_EQ(pdfPageSizes(printer.outputFileName()), QList<QSizeF>{QSizeF(200, 60)});
}

} // namespace
