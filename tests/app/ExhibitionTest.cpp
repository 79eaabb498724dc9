#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "app/PhotoIntake.h"
#include "app/PhotoList.h"
#include "app/PhotoListPanel.h"
#include "label/CaptionSheet.h"
#include "label/TapeLength.h"
#include "label/TapeView.h"
#include "platform/LocalizedText.h"
#include "preferences/PreferencesDialog.h"
#include "printing/PrintJobWatcher.h"

#include <exiv2/exiv2.hpp>

#include <gtest/gtest.h>

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUrl>

namespace {

class Exhibition : public testing::Test {
protected:
    // Hands the photographs to the application and waits until the list has them all.
    void open(const QStringList& paths) {
        app.applicationOpenFiles(paths);
        waitForIntake();
    }
    void waitForIntake() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !app.intake().isBusy(); }, 20000));
    }

    // The text of one page of a PDF file.
    static QString pageText(const QString& pdf, int page) {
        QProcess process;
        const QString number = QString::number(page);
        process.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf, "-"});
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    AppFixture fixture;
    KestavolinAppDelegate& app = fixture.startOn(QStringLiteral("Tape 18"));
    const PhotoList& list = app.photoList();
};

// Each photograph keeps the title typed for it; Print All tells every label's length
// and prints one page per photograph, which Export All writes alike.
TEST_F(Exhibition, ThreePhotographsWithThreeTitlesPrintAsOneJobAndExportAsOnePdf) {
    const QStringList names = {"harbour.jpg", "mill.jpg", "orchard.jpg"};
    const QStringList titles = {"Harbour at dawn", "Old mill", "Orchard in May"};
    QStringList paths;
    for (const QString& name : names)
        paths.append(fixture.samplePhoto(name));
    open(paths);
    ASSERT_EQ(list.rowCount(), 3);
    PhotoListPanel& panel = *app.window().photoListPanel();
    EXPECT_TRUE(panel.isVisible());
    for (int row = 2; row >= 0; --row) {
        panel.setCurrentRow(row);
        app.titleInput(titles[row]);
    }
    panel.setCurrentRow(1);
    EXPECT_EQ(app.titleName(), titles[1]);

    app.printAll();
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    const QString lengths = fixture.alerts.alerts().first().message;
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(
            lengths.contains(QStringLiteral("%1: %2 mm")
                                 .arg(names[row])
                                 .arg(tapeLengthMillimetres(
                                     list.index(row).data(PhotoList::LabelWidthRole).toDouble()))))
            << lengths.toStdString();
    const QList<QSizeF> printed = pdfPageSizes(fixture.dialogs.pdfPath);
    ASSERT_EQ(printed.size(), 3);
    for (int page = 1; page <= 3; ++page) {
        const QString text = pageText(fixture.dialogs.pdfPath, page);
        EXPECT_TRUE(text.contains(titles[page - 1])) << page << text.toStdString();
        EXPECT_FALSE(text.contains(titles[page % 3])) << page;
    }
    fixture.dialogs.saveAnswer = QDir(fixture.home()).filePath(QStringLiteral("show.pdf"));
    app.exportAllAsPdf();
    EXPECT_EQ(pdfPageSizes(*fixture.dialogs.saveAnswer), printed);
    EXPECT_EQ(fixture.alerts.alerts().size(), 1);
}

// Print All on a real queue, as one job the queue completes. The end-to-end print
// scripts run this on a queue of their own print scheduler and check its pages against
// the caption sheet they name.
TEST_F(Exhibition, AnImportedCaptionSheetPrintsAllAsOneCompletedJobOnAQueue) {
    const QString queue = qEnvironmentVariable("KESTAVOLIN_TEST_QUEUE");
    const QString sheet = qEnvironmentVariable("KESTAVOLIN_TEST_SHEET");
    if (queue.isEmpty() || sheet.isEmpty())
        GTEST_SKIP() << "run by tests/e2e/cups-print.sh and label-printers.sh on their queues";
    app.importCaptionSheet();
    fixture.dialogs.pendingOpenSeveral({sheet});
    waitForIntake();
    fixture.dialogs.queue = queue;
    app.printAll();
    // The watcher follows the job sent until the queue is done with it, and tells a job
    // the queue ended without printing it; the tape lengths are the one alert.
    const auto& alerts = fixture.alerts.alerts();
    ASSERT_TRUE(app.printJobs().following())
        << alerts.value(alerts.size() - 1).message.toStdString();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !app.printJobs().following(); }, 120000));
    EXPECT_EQ(alerts.size(), 1) << alerts.last().message.toStdString();
}

// A sheet's rows fill the list beside it; the row naming a missing photograph is
// reported by its number and written back with the rest.
TEST_F(Exhibition, ACaptionSheetFillsTheListReportsItsUnreadableRowAndIsWrittenBack) {
    installStringTables(QLocale(QLocale::English));
    const QDir show(fixture.home() + QStringLiteral("/show"));
    ASSERT_TRUE(show.mkpath(QStringLiteral(".")));
    for (const char* name : {"dawn.jpg", "dusk.jpg"})
        QFile::copy(fixture.samplePhoto(name), show.filePath(name));
    const QString sheet = fixture.fileWithBytes(
        QStringLiteral("show/captions.csv"),
        "file,title,photographer\r\ndawn.jpg,Dawn,\r\nmissing.jpg,Lost,\r\ndusk.jpg,Dusk,Kim\r\n");
    app.importCaptionSheet();
    ASSERT_TRUE(fixture.dialogs.pendingOpenSeveral);
    fixture.dialogs.pendingOpenSeveral({sheet});
    waitForIntake();
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.entry(0).path, show.filePath("dawn.jpg"));
    EXPECT_EQ(list.entry(1).record, nullptr);
    EXPECT_EQ(list.entry(2).photographer, QStringLiteral("Kim"));
    EXPECT_EQ(app.titleName(), QStringLiteral("Dawn"));
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    const QString told = fixture.alerts.alerts().first().message;
    EXPECT_TRUE(told.contains(QStringLiteral("Row 3 (missing.jpg)"))) << told.toStdString();
    EXPECT_FALSE(told.contains(QStringLiteral("Row 2"))) << told.toStdString();

    fixture.dialogs.saveAnswer = show.filePath(QStringLiteral("out.csv"));
    app.exportCaptionSheet();
    const auto rows =
        std::get<std::vector<CaptionRow>>(CaptionSheet::read(*fixture.dialogs.saveAnswer));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].file, show.filePath("dawn.jpg"));
    EXPECT_EQ(rows[1].title, QStringLiteral("Lost"));
    EXPECT_EQ(rows[2].photographer, QStringLiteral("Kim"));
    useEmptyStringTable();
}

// Taking a photograph's own title and labelling pictures without camera data are
// both off until chosen in the preferences, and then hold for dropped files too.
TEST_F(Exhibition, PhotographsOwnTitlesAndPhotographsWithoutCameraDataAreOptIn) {
    const QString titled = fixture.samplePhoto(QStringLiteral("titled.jpg"));
    QFile::setPermissions(titled, QFile::ReadOwner | QFile::WriteOwner);
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(titled).toStdString());
    image->readMetadata();
    image->iptcData()["Iptc.Application2.ObjectName"] = "Old mill";
    image->writeMetadata();
    const QString scan = QDir(fixture.home()).filePath(QStringLiteral("scan.jpg"));
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(scan, "JPEG"));

    open({titled, scan});
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_TRUE(list.entry(0).title.isEmpty());
    EXPECT_EQ(list.entry(1).record, nullptr);
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts().first().title, QStringLiteral("listNotReadTitle"));

    fixture.dialogs.preferencesChoice = [](PreferencesDialog& panel) {
        EXPECT_FALSE(panel.titlesFromPhotos());
        EXPECT_FALSE(panel.labelWithoutCameraData());
        panel.setListOptions(true, true);
    };
    app.selectPreferences();
    EXPECT_EQ(fixture.readSettings().value("titlesFromPhotos"), true);
    EXPECT_EQ(fixture.readSettings().value("labelWithoutCameraData"), true);

    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(titled),
                     QUrl::fromLocalFile(fixture.fileWithBytes(QStringLiteral("n.txt"), "notes")),
                     QUrl::fromLocalFile(scan)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(app.tapeView(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(app.tapeView(), &drop);
    waitForIntake();
    ASSERT_EQ(list.rowCount(), 4);
    EXPECT_EQ(list.entry(2).title, QStringLiteral("Old mill"));
    EXPECT_GT(list.index(3).data(PhotoList::LabelWidthRole).toDouble(), 0.0);
    EXPECT_EQ(fixture.alerts.alerts().size(), 1);
    // A photograph opened alone takes its title too, and a typed one stays its own.
    app.applicationOpenFiles({titled});
    EXPECT_EQ(app.titleName(), QStringLiteral("Old mill"));
    app.titleInput(QStringLiteral("Mill, winter"));
    EXPECT_EQ(list.entry(4).title, QStringLiteral("Mill, winter"));
}

} // namespace
