#include "AppTestSupport.h"
#include "common/PdfPages.h"

#include "app/LabelPageDialog.h"
#include "app/MainWindow.h"
#include "app/PhotoList.h"
#include "label/LabelLayout.h"
#include "label/TapeLength.h"
#include "platform/LocalizedText.h"
#include "printing/LabelPrinting.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class Printing : public testing::Test {
protected:
    // The text of one page of a PDF file.
    static QString pageText(const QString& pdf, int page) {
        QProcess process;
        const QString number = QString::number(page);
        process.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf, "-"});
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    QStringList photographs(const QStringList& names) const {
        QStringList paths;
        for (const QString& name : names)
            paths << fixture.samplePhoto(name);
        return paths;
    }

    AppFixture fixture;
};

TEST_F(Printing, EachLabelPrintsToAChosenFileOnAPageOfExactlyItsSize) {
    for (const QString& medium : {QStringLiteral("Tape 18"), QStringLiteral("Roll 60")}) {
        SCOPED_TRACE(medium.toStdString());
        fixture.startOn(medium, photographs({QStringLiteral("print.jpg")}));
        ASSERT_TRUE(fixture.waitForReading());
        fixture.alerts.clear();
        const QSizeF label = fixture.label()->labelSize();
        EXPECT_TRUE(fixture.action("actionPageSetup")->isEnabled());
        fixture.window().findChild<QPushButton*>("printButton")->click();
        ASSERT_TRUE(fixture.waitForPrinting());

        ASSERT_EQ(fixture.alerts.alerts().size(), 1);
        const AlertContent& alert = fixture.alerts.alerts()[0];
        EXPECT_EQ(alert.title, QStringLiteral("tapeLengthTitle"));
        EXPECT_EQ(alert.message,
                  QStringLiteral("tapeSetMsg\n\n%1")
                      .arg(labelLengthText(label.width(), fixture.window().metric())));
        // The dialog shows the label's own page; so does the page set-up, in portrait
        // and without margins.
        ASSERT_TRUE(fixture.dialogs.printDialogShown);
        EXPECT_EQ(fixture.dialogs.printDialogShown->fullRect(QPageLayout::Point).size(), label);
        fixture.trigger("actionPageSetup");
        ASSERT_TRUE(fixture.waitForPrinting());
        EXPECT_EQ(fixture.dialogs.pageSetupShown->fullRect(QPageLayout::Point).size(), label);
        EXPECT_EQ(fixture.dialogs.pageSetupShown->orientation(), QPageLayout::Portrait);
        EXPECT_EQ(fixture.dialogs.pageSetupShown->margins(), QMarginsF());
        const QList<QSizeF> pages = pdfPageSizes(fixture.dialogs.pdfPath);
        ASSERT_EQ(pages.size(), 1);
        EXPECT_NEAR(pages[0].width(), label.width(), 1e-5);
        EXPECT_NEAR(pages[0].height(), label.height(), 1e-5);
        QFile::remove(fixture.dialogs.pdfPath);
        fixture.quit();
        QFile::remove(fixture.paths().listFile);
    }
}

// The page set-up shows the label's page alone, in the window's unit; confirming it
// keeps that page and sets the orientation chosen.
TEST(LabelPageSetup, ShowsTheLabelsPageAndKeepsIt) {
    for (const bool metric : {true, false}) {
        QPrinter printer(QPrinter::HighResolution);
        const QPageSize label(QSizeF(51, 170), QPageSize::Point, QString(), QPageSize::ExactMatch);
        printer.setPageLayout(
            QPageLayout(label, QPageLayout::Portrait, QMarginsF(), QPageLayout::Point));
        LabelPageDialog dialog(printer, metric);
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("pageSize"))->text(),
                  metric ? QStringLiteral("18 mm × 60 mm") : QStringLiteral("0.71 in × 2.37 in"));
        dialog.findChild<QRadioButton*>(QStringLiteral("landscape"))->setChecked(true);
        dialog.accept();
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        const QSizeF page = printer.pageLayout().pageSize().size(QPageSize::Point);
        EXPECT_NEAR(page.width(), 51, 0.5);
        EXPECT_NEAR(page.height(), 170, 0.5);
    }
}

// A cancelled dialog prints nothing; paper picked in the page set-up holds for a file
// and for ordinary printers, whichever queue the page set-up was shown for, and the page
// set-up opens on it again; a file that cannot be written is an alert; a closed window
// prints nothing and shows no dialog.
TEST_F(Printing, ThePrintDialogAndPageSetupDecideWhatIsPrinted) {
    fixture.startOn(QStringLiteral("Tape 18"), photographs({QStringLiteral("p.jpg")}));
    ASSERT_TRUE(fixture.waitForReading());
    fixture.dialogs.confirmPrint = false;
    fixture.trigger("actionPrint");
    ASSERT_TRUE(fixture.waitForPrinting());
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
    EXPECT_FALSE(QFile::exists(fixture.dialogs.pdfPath));

    fixture.dialogs.confirmPrint = true;
    fixture.dialogs.pageSetupChoice = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                  QMarginsF(20, 30, 20, 30), QPageLayout::Point);
    fixture.trigger("actionPageSetup");
    ASSERT_TRUE(fixture.waitForPrinting());
    fixture.dialogs.pageSetupChoice.reset();
    fixture.trigger("actionPageSetup");
    ASSERT_TRUE(fixture.waitForPrinting());
    EXPECT_EQ(fixture.dialogs.pageSetupShown->pageSize().id(), QPageSize::A4);
    fixture.trigger("actionPrint");
    ASSERT_TRUE(fixture.waitForPrinting());
    EXPECT_EQ(pdfPageSizes(fixture.dialogs.pdfPath), QList<QSizeF>{QSizeF(595, 842)});

    fixture.alerts.clear();
    fixture.dialogs.pdfPath = fixture.home() + QStringLiteral("/no/such/folder/label.pdf");
    fixture.trigger("actionPrint");
    ASSERT_TRUE(fixture.waitForPrinting());
    ASSERT_EQ(fixture.alerts.alerts().size(), 2);
    EXPECT_EQ(fixture.alerts.alerts()[1].title, QStringLiteral("printFailedTitle"));
    EXPECT_TRUE(
        fixture.alerts.alerts()[1].message.startsWith(QStringLiteral("printNotWrittenMsg")));

    fixture.alerts.clear();
    fixture.dialogs.printDialogShown.reset();
    fixture.dialogs.pageSetupShown.reset();
    fixture.window().close();
    fixture.trigger("actionPrint");
    fixture.trigger("actionPageSetup");
    EXPECT_FALSE(fixture.app().printing().busy());
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
    EXPECT_FALSE(fixture.dialogs.printDialogShown);
    EXPECT_FALSE(fixture.dialogs.pageSetupShown);
}

// Each photograph keeps the title typed for it; Print All tells the count and the
// total, each label's length in the list below, and prints one page per photograph,
// which Export All writes alike. An unreadable entry is named before either starts.
TEST_F(Printing, PrintAllAndExportAllMakeOnePagePerReadablePhotographAndNameTheRest) {
    const QStringList names = {"harbour.jpg", "mill.jpg", "orchard.jpg"};
    const QStringList titles = {"Harbour at dawn", "Old mill", "Orchard in May"};
    fixture.startOn(QStringLiteral("Tape 18"),
                    photographs(names) + QStringList{fixture.home() + QStringLiteral("/lost.jpg")});
    ASSERT_TRUE(fixture.waitForReading());
    for (int row = 2; row >= 0; --row) {
        fixture.select(row);
        fixture.typeTitle(titles[row]);
    }
    fixture.alerts.clear();
    fixture.alerts.setAnswer(alertAlternateReturn);
    fixture.trigger("actionPrintAll");
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts()[0].title, QStringLiteral("printAllLeavesOutTitle"));
    EXPECT_EQ(fixture.alerts.alerts()[0].details,
              QStringList{QStringLiteral("lost.jpg: photoMissing")});
    EXPECT_EQ(fixture.dialogs.printDialogsShown, 0) << "the user stopped";

    fixture.alerts.clear();
    fixture.alerts.setAnswer(alertDefaultReturn);
    fixture.trigger("actionPrintAll");
    ASSERT_TRUE(fixture.waitForPrinting());
    ASSERT_EQ(fixture.alerts.alerts().size(), 2);
    const AlertContent lengths = fixture.alerts.alerts()[1];
    EXPECT_EQ(lengths.title, QStringLiteral("tapeLengthTitle"));
    EXPECT_TRUE(lengths.message.contains(QStringLiteral("tapeCountTotalMsg")))
        << lengths.message.toStdString();
    ASSERT_EQ(lengths.details.size(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(lengths.details[row],
                  QStringLiteral("%1: %2").arg(
                      names[row],
                      labelLengthText(
                          fixture.list().index(row, 0).data(PhotoList::LabelWidthRole).toDouble(),
                          fixture.window().metric())));
    const QList<QSizeF> printed = pdfPageSizes(fixture.dialogs.pdfPath);
    ASSERT_EQ(printed.size(), 3);
    for (int page = 1; page <= 3; ++page) {
        const QString text = pageText(fixture.dialogs.pdfPath, page);
        EXPECT_TRUE(text.contains(titles[page - 1])) << page << text.toStdString();
        EXPECT_FALSE(text.contains(titles[page % 3])) << page;
    }

    fixture.alerts.clear();
    fixture.dialogs.saveAnswer = QDir(fixture.home()).filePath(QStringLiteral("show.pdf"));
    fixture.trigger("actionExportAllPdf");
    EXPECT_EQ(fixture.alerts.alerts().size(), 1) << "the entry left out";
    EXPECT_EQ(fixture.dialogs.saveMessage, QStringLiteral("exportAllTitle (3)"));
    EXPECT_EQ(pdfPageSizes(*fixture.dialogs.saveAnswer), printed);
}

// A Roll 60 label that has no room for a text shows it shortened: its entry says so,
// and every print or export tells which texts before it starts, letting the user stop.
TEST_F(Printing, TextsShownShortenedAreMarkedAndToldBeforeAnythingIsMade) {
    fixture.startOn(QStringLiteral("Roll 60"), photographs({"long.jpg", "short.jpg"}));
    ASSERT_TRUE(fixture.waitForReading());
    fixture.select(0);
    fixture.typeTitle(QStringLiteral("The harbour at dawn, seen from the old lighthouse above "
                                     "the bay on the last morning of a long and windy summer"));
    const auto shortened = [this](int row) {
        return fixture.list().index(row, 0).data(PhotoList::ShortenedRole).toStringList();
    };
    ASSERT_EQ(shortened(0).size(), 1);
    EXPECT_TRUE(shortened(0)[0].contains(QStringLiteral("long.jpg, fieldTitle")))
        << shortened(0)[0].toStdString();
    EXPECT_TRUE(
        fixture.list().index(0, 0).data(Qt::ToolTipRole).toString().contains(shortened(0)[0]));
    EXPECT_TRUE(shortened(1).isEmpty());

    const auto alertTitles = [this] {
        QStringList titles;
        for (const AlertContent& alert : fixture.alerts.alerts())
            titles << alert.title;
        return titles;
    };
    fixture.alerts.clear();
    fixture.alerts.setAnswer(alertAlternateReturn);
    fixture.window().findChild<QPushButton*>("printButton")->click();
    fixture.trigger("actionPrintAll");
    fixture.dialogs.saveAnswer = QDir(fixture.home()).filePath(QStringLiteral("show.pdf"));
    fixture.trigger("actionExportAllPdf");
    EXPECT_EQ(alertTitles(), QStringList(3, QStringLiteral("textsShortenedTitle")));
    EXPECT_EQ(fixture.alerts.alerts()[0].details, shortened(0));
    EXPECT_EQ(fixture.dialogs.printDialogsShown, 0) << "the user stopped";
    EXPECT_TRUE(fixture.dialogs.saveMessage.isEmpty()) << "the user stopped";

    fixture.select(1);
    fixture.alerts.clear();
    fixture.alerts.setAnswer(alertDefaultReturn);
    fixture.window().findChild<QPushButton*>("printButton")->click();
    ASSERT_TRUE(fixture.waitForPrinting());
    EXPECT_FALSE(alertTitles().contains(QStringLiteral("textsShortenedTitle")));
    fixture.alerts.clear();
    fixture.trigger("actionPrintAll");
    ASSERT_TRUE(fixture.waitForPrinting());
    EXPECT_EQ(alertTitles().value(0), QStringLiteral("textsShortenedTitle"));
    EXPECT_EQ(pdfPageSizes(fixture.dialogs.pdfPath).size(), 2);
}

// Export All writes the document that kestavolin-cli render writes for the same
// labels: the same pages, page sizes and text, with ideographs that share a glyph with
// a radical ("士", "山") read as the ideographs.
TEST_F(Printing, ExportAllWritesTheDocumentRenderWritesForTheSameSheet) {
    const QDir show(fixture.home() + QStringLiteral("/show"));
    ASSERT_TRUE(show.mkpath(QStringLiteral(".")));
    for (const char* name : {"dawn.jpg", "dusk.jpg", "mill.jpg"})
        QFile::copy(fixture.samplePhoto(name), show.filePath(name));
    const QString sheet = fixture.fileWithBytes(QStringLiteral("show/captions.csv"),
                                                "file,title,photographer\r\n"
                                                "dawn.jpg,\xE5\xAF\x8C\xE5\xA3\xAB\xE5\xB1\xB1,\r\n"
                                                "dusk.jpg,Old mill,\xE5\xB1\xB1\r\n"
                                                "mill.jpg,Harbour at dawn,Kim\r\n");
    fixture.startOn(QStringLiteral("Tape 18"));
    fixture.dialogs.openAnswer = QStringList{sheet};
    fixture.trigger("actionImportSheet");
    ASSERT_TRUE(fixture.waitForReading());
    ASSERT_EQ(fixture.list().rowCount(), 3);
    fixture.alerts.clear();
    fixture.dialogs.saveAnswer = show.filePath(QStringLiteral("exported.pdf"));
    fixture.trigger("actionExportAllPdf");
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());

    // The same labels from the command line: the window's settings, and the lens its
    // entries take when none is chosen (the photograph's own).
    const QString rendered = show.filePath(QStringLiteral("rendered.pdf"));
    QProcess render;
    render.start(QStringLiteral(KESTAVOLIN_CLI_BINARY),
                 {"render", "--jobs", "2", "--no-translations", "--settings",
                  fixture.paths().settingsFile, "--lens", "Exif", "--captions", sheet, "-o",
                  rendered});
    ASSERT_TRUE(render.waitForFinished(60000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();

    const auto exportedPages = readPdfPages(*fixture.dialogs.saveAnswer);
    if (!exportedPages)
        GTEST_SKIP() << "poppler's tools are not installed";
    const auto renderedPages = readPdfPages(rendered);
    ASSERT_EQ(exportedPages->drawn.size(), 3);
    EXPECT_EQ(exportedPages->sizes, renderedPages->sizes);
    EXPECT_EQ(exportedPages->text.toStdString(), renderedPages->text.toStdString());
    EXPECT_TRUE(exportedPages->drawn == renderedPages->drawn);
    for (const char* ideographs : {"\xE5\xAF\x8C\xE5\xA3\xAB\xE5\xB1\xB1\n", "\n\xE5\xB1\xB1\n"})
        EXPECT_TRUE(exportedPages->text.contains(QString::fromUtf8(ideographs)))
            << exportedPages->text.toStdString();
}

// Print All on a real queue, as one job the queue completes (one per label length on a
// driverless printer). The end-to-end print scripts run this on a queue of their own
// print scheduler, in the medium they name (KESTAVOLIN_TEST_MEDIUM, Tape 18 unless
// given), and check its pages against the caption sheet they name.
TEST(Exhibition, AnImportedCaptionSheetPrintsAllAsOneCompletedJobOnAQueue) {
    const QString queue = qEnvironmentVariable("KESTAVOLIN_TEST_QUEUE");
    const QString sheet = qEnvironmentVariable("KESTAVOLIN_TEST_SHEET");
    if (queue.isEmpty() || sheet.isEmpty())
        GTEST_SKIP() << "run by the end-to-end print scripts on their queues";
    AppFixture fixture;
    fixture.startOn(qEnvironmentVariable("KESTAVOLIN_TEST_MEDIUM", QStringLiteral("Tape 18")));
    fixture.dialogs.openAnswer = QStringList{sheet};
    fixture.trigger("actionImportSheet");
    ASSERT_TRUE(fixture.waitForReading());
    fixture.dialogs.queue = queue;
    fixture.trigger("actionPrintAll");
    ASSERT_TRUE(fixture.waitForPrinting());
    // The jobs are followed until the queue is done with them, which the window tells;
    // texts a Roll 60 label shortens, the tape lengths and a label shrunk to the
    // printer's width are the only alerts.
    const auto& alerts = fixture.alerts.alerts();
    const PrintService& service = fixture.app().printing().service();
    ASSERT_TRUE(service.following()) << alerts.value(alerts.size() - 1).message.toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&service] { return !service.following(); }, 120000));
    EXPECT_TRUE(fixture.window().notice().startsWith(QStringLiteral("printJobDone")))
        << fixture.window().notice().toStdString();
    for (const AlertContent& alert : alerts)
        EXPECT_NE(alert.title, QStringLiteral("printFailedTitle")) << alert.message.toStdString();
    const auto lengths = std::find_if(alerts.begin(), alerts.end(), [](const AlertContent& alert) {
        return alert.title != QStringLiteral("textsShortenedTitle");
    });
    ASSERT_NE(lengths, alerts.end());
    EXPECT_EQ(lengths->title, QStringLiteral("tapeLengthTitle"));
}

// A print service that takes connections and never answers: Print… and Page Setup…
// tell so within the probe's deadline, no dialog that would wait for it is shown, the
// event loop never stalls, and quitting while a request waits ends at once.
TEST_F(Printing, APrintServiceThatNeverAnswersNeverFreezesTheWindow) {
    SilentPrintService silent;
    ScopedPrintService frozen(silent.address());
    fixture.startOn(QStringLiteral("Tape 18"), photographs({QStringLiteral("frozen.jpg")}));
    ASSERT_TRUE(fixture.waitForReading());
    StallMeter stalls;
    for (const char* action : {"actionPrint", "actionPageSetup"}) {
        fixture.alerts.clear();
        QElapsedTimer clock;
        clock.start();
        fixture.trigger(action);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !fixture.alerts.alerts().isEmpty(); },
                                    PrintService::probeMilliseconds + 3000))
            << action;
        EXPECT_LT(clock.elapsed(), PrintService::probeMilliseconds + 1500);
        const AlertContent& alert = fixture.alerts.alerts().first();
        EXPECT_EQ(alert.title, QStringLiteral("printFailedTitle"));
        EXPECT_TRUE(alert.message.startsWith(QStringLiteral("printServiceSilentMsg")));
        ASSERT_TRUE(fixture.waitForPrinting());
    }
    EXPECT_EQ(fixture.dialogs.printDialogsShown, 0);
    EXPECT_FALSE(fixture.dialogs.pageSetupShown);
    EXPECT_LT(stalls.longestMilliseconds(), 100);

    fixture.trigger("actionPrint");
    QTest::qWait(500);
    ASSERT_TRUE(fixture.app().printing().busy());
    QElapsedTimer clock;
    clock.start();
    fixture.quit();
    EXPECT_LT(clock.elapsed(), 1000);
}

} // namespace
