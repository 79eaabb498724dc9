#include "AppTestSupport.h"

#include "label/TapeLength.h"

#include "app/MainWindow.h"
#include "label/TapeView.h"
#include "platform/LocalizedText.h"
#include "printing/PrintSetup.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPushButton>

namespace {

class Printing : public testing::Test {
protected:
    AppFixture fixture;
};

TEST_F(Printing, EachLabelPrintsToAChosenFileOnAPageOfExactlyItsSize) {
    for (const QString& medium : {QStringLiteral("Tape 18"), QStringLiteral("Roll 60")}) {
        KestavolinAppDelegate& app = fixture.startOn(medium);
        fixture.alerts.clear();
        app.applicationOpenFiles({fixture.samplePhoto(QStringLiteral("print.jpg"))});
        const QSizeF label = app.tapeView() ? app.tapeView()->tapeSize() : QSizeF(170, 170);
        // Printing is offered for both media once started.
        EXPECT_TRUE(app.window().findChild<QAction*>("actionPrint")->isEnabled());
        EXPECT_TRUE(app.window().findChild<QAction*>("actionPageSetup")->isEnabled());
        app.window().findChild<QPushButton*>("printButton")->click();

        ASSERT_EQ(fixture.alerts.alerts().size(), 1) << qPrintable(medium);
        const AlertContent& alert = fixture.alerts.alerts()[0];
        EXPECT_EQ(alert.title, QStringLiteral("tapeLengthTitle"));
        EXPECT_EQ(alert.message,
                  QStringLiteral("tapeSetMsg\n\n %1 mm").arg(tapeLengthMillimetres(label.width())));
        // The dialog shows the label's own page.
        ASSERT_TRUE(fixture.dialogs.printDialogShown);
        EXPECT_EQ(fixture.dialogs.printDialogShown->fullRect(QPageLayout::Point).size(), label);
        // So does the page set-up, in portrait and without margins.
        app.pageSetup();
        EXPECT_EQ(fixture.dialogs.pageSetupShown->fullRect(QPageLayout::Point).size(), label);
        EXPECT_EQ(fixture.dialogs.pageSetupShown->orientation(), QPageLayout::Portrait);
        EXPECT_EQ(fixture.dialogs.pageSetupShown->margins(), QMarginsF());
        const QList<QSizeF> pages = pdfPageSizes(fixture.dialogs.pdfPath);
        ASSERT_EQ(pages.size(), 1) << qPrintable(medium);
        EXPECT_NEAR(pages[0].width(), label.width(), 1e-5);
        EXPECT_NEAR(pages[0].height(), label.height(), 1e-5);
        QFile::remove(fixture.dialogs.pdfPath);
    }
}

// A cancelled dialog prints nothing; paper picked in the page set-up holds for
// ordinary printers and the page set-up opens on it again; a file that cannot be
// written is an alert; a closed window prints nothing and shows no dialog.
TEST_F(Printing, ThePrintDialogAndPageSetupDecideWhatIsPrinted) {
    KestavolinAppDelegate& tape = fixture.startOn(QStringLiteral("Tape 18"));
    fixture.dialogs.confirmPrint = false;
    tape.printTape();
    EXPECT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_FALSE(QFile::exists(fixture.dialogs.pdfPath));

    fixture.dialogs.confirmPrint = true;
    fixture.dialogs.pageSetupChoice = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                  QMarginsF(20, 30, 20, 30), QPageLayout::Point);
    tape.pageSetup();
    fixture.dialogs.pageSetupChoice.reset();
    tape.pageSetup();
    EXPECT_EQ(fixture.dialogs.pageSetupShown->pageSize().id(), QPageSize::A4);
    tape.printTape();
    EXPECT_EQ(pdfPageSizes(fixture.dialogs.pdfPath), QList<QSizeF>{QSizeF(595, 842)});

    fixture.alerts.clear();
    fixture.dialogs.pdfPath = fixture.home() + QStringLiteral("/no/such/folder/label.pdf");
    tape.printTape();
    ASSERT_EQ(fixture.alerts.alerts().size(), 2);
    EXPECT_EQ(fixture.alerts.alerts()[1].title, QStringLiteral("printFailedTitle"));
    EXPECT_TRUE(
        fixture.alerts.alerts()[1].message.startsWith(QStringLiteral("printNotWrittenMsg")));

    fixture.alerts.clear();
    fixture.dialogs.printDialogShown.reset();
    fixture.dialogs.pageSetupShown.reset();
    tape.window().close();
    tape.printTape();
    tape.pageSetup();
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
    EXPECT_FALSE(fixture.dialogs.printDialogShown);
    EXPECT_FALSE(fixture.dialogs.pageSetupShown);
}

} // namespace
