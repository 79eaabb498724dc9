#include "printing/LabelPage.h"
#include "common/PdfPages.h"
#include "platform/LocalizedText.h"
#include "printing/JobPages.h"
#include "printing/PrintSetup.h"
#include "printing/QueueMedium.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// The medium of a queue whose PPD has the parts the medium is read from: the
// driver's name, the page sizes with their printable areas, and custom sizes when
// maximumLength is given.
QueueMedium mediumOf(const QString& driver,
                     const QList<std::tuple<QString, double, double, QString>>& sizes,
                     double maximumLength = 0,
                     const QString& hwMargins = QStringLiteral("0 0 0 0")) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("queue.ppd"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    QTextStream ppd(&file);
    ppd << "*PPD-Adobe: \"4.3\"\n*NickName: \"Test " << driver << "\"\n"
        << "*cupsFilter: \"application/vnd.cups-raster 0 " << driver << "\"\n"
        << "*HWMargins: " << hwMargins << "\n";
    if (maximumLength > 0) {
        ppd << "*VariablePaperSize: True\n*CustomPageSize True: \"pop pop pop\"\n*End\n"
            << "*ParamCustomPageSize Width: 1 points 36 1000\n"
            << "*ParamCustomPageSize Height: 2 points 36 " << maximumLength << "\n"
            << "*ParamCustomPageSize Orientation: 3 int 0 0\n"
            << "*ParamCustomPageSize WidthOffset: 4 points 0 0\n"
            << "*ParamCustomPageSize HeightOffset: 5 points 0 0\n";
    }
    ppd << "*OpenUI *PageSize: PickOne\n*DefaultPageSize: " << std::get<0>(sizes.first()) << "\n";
    for (const auto& [name, width, length, area] : sizes)
        ppd << "*PageSize " << name << ": \"<</PageSize[" << width << " " << length
            << "]>>setpagedevice\"\n";
    ppd << "*CloseUI: *PageSize\n";
    for (const auto& [name, width, length, area] : sizes) {
        ppd << "*ImageableArea " << name << ": \"" << area << "\"\n";
        ppd << "*PaperDimension " << name << ": \"" << width << " " << length << "\"\n";
    }
    ppd.flush();
    file.close();
    return queueMediumFromPpd(path);
}

// The media of an 18 mm tape printer and a 62 mm roll printer, as their drivers'
// PPDs describe them.
QueueMedium tape18() {
    return mediumOf(QStringLiteral("ptouch-pt"),
                    {{"tz-12", 34, 284, "0 0 34 284"},
                     {"hs-18", 50, 284, "0 0 50 284"},
                     {"tz-18", 51, 284, "0 0 51 284"},
                     {"tz-24", 68, 284, "0 0 68 284"}},
                    100000);
}

QueueMedium roll62() {
    return mediumOf(QStringLiteral("ptouch-ql"),
                    {{"29mm", 82, 284, "4.32 8.40 77.68 275.60"},
                     {"62mm", 176, 284, "4.32 8.40 171.68 275.60"}},
                    100000, QStringLiteral("4.32 8.40 4.32 8.4"));
}

// A tape printer's description gives its 18 mm tape, of any length up to the custom
// size's limit.
TEST(LabelPage, ATapeLabelIsTurnedToReadAlongATapeWideEnoughPortraitPage) {
    const QueueMedium tape = tape18();
    EXPECT_EQ(tape.kind, QueueKind::Tape);
    EXPECT_EQ(tape.sizeName, QStringLiteral("tz-18"));
    EXPECT_EQ(tape.printableRight - tape.printableLeft, 51);
    EXPECT_TRUE(tape.customLength);
    EXPECT_EQ(tape.maximumLength, 100000);
    const auto result = labelPage(tape, QSizeF(348.2, 43));
    ASSERT_TRUE(std::holds_alternative<LabelPage>(result));
    const LabelPage& page = std::get<LabelPage>(result);
    // The length is rounded up to whole points: the filters truncate custom sizes.
    EXPECT_EQ(page.size, QSizeF(51, 349));
    EXPECT_EQ(page.pageSizeOption, QStringLiteral("Custom.51x349"));
    EXPECT_TRUE(page.keepOrientation);
    EXPECT_EQ(page.scale, 1.0);
    // The label's start leaves the printer first; its top lies on the page's right,
    // centred across the tape.
    EXPECT_EQ(page.labelToPage.map(QPointF(0, 0)), QPointF(47, 0));
    EXPECT_EQ(page.labelToPage.map(QPointF(0, 43)), QPointF(4, 0));
    EXPECT_EQ(page.labelToPage.map(QPointF(348.2, 43)), QPointF(4, 348.2));
}

// A roll printer's description gives its widest roll with the driver's margins.
TEST(LabelPage, ARollLabelStandsUprightAndShrinksToThePrintableWidth) {
    const QueueMedium roll = roll62();
    EXPECT_EQ(roll.kind, QueueKind::Roll);
    EXPECT_EQ(roll.sizeName, QStringLiteral("62mm"));
    EXPECT_NEAR(roll.endMargin, 8.4, 1e-4);
    const auto result = labelPage(roll, QSizeF(170, 170));
    ASSERT_TRUE(std::holds_alternative<LabelPage>(result));
    const LabelPage& page = std::get<LabelPage>(result);
    EXPECT_NEAR(page.scale, 167.36 / 170, 1e-4);
    EXPECT_EQ(printedPercent(page.scale), 98);
    EXPECT_EQ(page.size, QSizeF(176, 185));
    const QPointF topLeft = page.labelToPage.map(QPointF(0, 0));
    const QPointF bottomRight = page.labelToPage.map(QPointF(170, 170));
    EXPECT_NEAR(topLeft.x(), 4.32, 1e-4);
    EXPECT_NEAR(topLeft.y(), 8.4, 1e-4);
    EXPECT_NEAR(bottomRight.x(), 171.68, 1e-4);
    EXPECT_LE(bottomRight.y() + 8.4, page.size.height());
}

TEST(LabelPage, LabelsThatCannotGoAreRefusedAndStopTheirJob) {
    QueueMedium noTape = tape18();
    noTape.sizeName.clear();
    EXPECT_EQ(std::get<PageProblem>(labelPage(noTape, QSizeF(300, 43))),
              PageProblem::NoLabelMedium);

    QueueMedium fixed = tape18();
    fixed.customLength = false;
    fixed.maximumLength = 284;
    EXPECT_EQ(std::get<PageProblem>(labelPage(fixed, QSizeF(300, 43))), PageProblem::LabelTooLong);
    // A label that fits a fixed page takes the whole page.
    EXPECT_EQ(std::get<LabelPage>(labelPage(fixed, QSizeF(200, 43))).pageSizeOption,
              QStringLiteral("tz-18"));

    // The roll label on 18 mm tape would print at a quarter of its size.
    EXPECT_EQ(std::get<PageProblem>(labelPage(tape18(), QSizeF(170, 170))),
              PageProblem::LabelTooWide);

    // In a job, the first label that cannot go stops it and is named.
    const auto planned = JobPages::plan({QSizeF(200, 43), QSizeF(300, 43), QSizeF(400, 43)}, 1,
                                        [&](QSizeF size) { return labelPage(fixed, size); });
    const auto& unprintable = std::get<JobPages::Unprintable>(planned);
    EXPECT_EQ(unprintable.label, 1u);
    EXPECT_EQ(unprintable.problem, PageProblem::LabelTooLong);
}

// Other drivers, and descriptions that cannot be read, make ordinary queues.
TEST(LabelPage, OrdinaryQueuesGetAPageOfExactlyTheLabelsSize) {
    const QueueMedium office =
        mediumOf(QStringLiteral("rastertopclx"), {{"A4", 595, 842, "18 36 577 806"}});
    EXPECT_EQ(office.kind, QueueKind::Other);
    EXPECT_EQ(queueMediumFromPpd(QStringLiteral("/nonexistent/missing.ppd")).kind,
              QueueKind::Other);
    const LabelPage page = std::get<LabelPage>(labelPage(office, QSizeF(348.2072754, 43)));
    EXPECT_EQ(page.size, QSizeF(348.2072754, 43));
    EXPECT_EQ(page.pageSizeOption, QStringLiteral("Custom.348.2072754x43"));
    EXPECT_TRUE(page.labelToPage.isIdentity());
    EXPECT_FALSE(page.keepOrientation);
}

TEST(JobPages, EachLabelGetsAPageAsLongAsItselfAndEachCopyRepeatsTheSet) {
    const auto onTape = [](QSizeF size) { return labelPage(tape18(), size); };
    const auto planned =
        JobPages::plan({QSizeF(348.2, 43), QSizeF(120, 43), QSizeF(600.5, 43)}, 2, onTape);
    const auto& pages = std::get<std::vector<JobPages::Page>>(planned);
    ASSERT_EQ(pages.size(), 6u);
    const double lengths[] = {349, 120, 601};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].label, i % 3);
        EXPECT_EQ(pages[i].page.size, QSizeF(51, lengths[i % 3]));
    }
    EXPECT_EQ(JobPages::smallestScale(pages), 1.0);
    EXPECT_TRUE(JobPages::sizesDiffer(pages));

    const auto onRoll = [](QSizeF size) { return labelPage(roll62(), size); };
    const auto shrunk = std::get<std::vector<JobPages::Page>>(
        JobPages::plan({QSizeF(170, 170), QSizeF(170, 170)}, 1, onRoll));
    EXPECT_NEAR(JobPages::smallestScale(shrunk), 167.36 / 170, 1e-4);
    EXPECT_FALSE(JobPages::sizesDiffer(shrunk));
}

TEST(PrintLabel, SeveralLabelsGoToAFileInOrderOnePageEachOfItsOwnExactSize) {
    QTemporaryDir folder;
    PrintSetup::JobSettings job;
    job.outputFile = folder.filePath(QStringLiteral("labels.pdf"));
    // Copies are the print queue's business; the file holds each label once.
    job.copies = 2;
    QList<int> drawn;
    QTransform drawnWith;
    std::vector<PrintSetup::Label> labels;
    for (const QSizeF size : {QSizeF(348.2072754, 43), QSizeF(120, 43), QSizeF(170, 170)}) {
        const int index = static_cast<int>(labels.size());
        labels.push_back({size, [&drawn, &drawnWith, index](QPainter& painter) {
                              drawn << index;
                              drawnWith = painter.transform();
                          }});
    }
    const auto submission = PrintSetup::printToFile(job, labels);
    ASSERT_EQ(submission.failure, PrintSetup::Failure::None) << qPrintable(submission.detail);
    EXPECT_EQ(drawn, QList<int>({0, 1, 2}));
    // Points to the PDF's 1200 dpi drawing units, the label at the page's corner.
    EXPECT_EQ(drawnWith.map(QPointF(0, 0)), QPointF(0, 0));
    EXPECT_DOUBLE_EQ(drawnWith.map(QPointF(72, 0)).x(), 1200);
    const QList<QRectF> boxes = writtenPageBoxes(job.outputFile);
    ASSERT_EQ(boxes.size(), 3);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QSizeF want = labels[static_cast<std::size_t>(i)].size;
        EXPECT_NEAR(boxes[i].width(), want.width(), 1e-5) << i;
        EXPECT_NEAR(boxes[i].height(), want.height(), 1e-5) << i;
    }

    // An empty list is no job, and says so.
    const auto strings = installStringTables(QLocale(QLocale::English));
    const auto nothing = PrintSetup::printToFile(job, {});
    EXPECT_EQ(nothing.failure, PrintSetup::Failure::NoLabels);
    EXPECT_TRUE(
        PrintSetup::failureMessage(nothing, job).startsWith(QStringLiteral("There is no label")));
}

} // namespace
