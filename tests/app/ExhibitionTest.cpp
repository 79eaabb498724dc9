#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "app/PhotoIntake.h"
#include "app/PhotoList.h"
#include "app/PhotoListPanel.h"
#include "label/CaptionSheet.h"
#include "label/TapeView.h"
#include "photo/Kestavolin.h"
#include "platform/LocalizedText.h"
#include "preferences/PreferencesKestavolin.h"

#include <exiv2/exiv2.hpp>

#include <gtest/gtest.h>

#include <QAbstractItemView>
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
    void SetUp() override { fixture.writeSettingsWithMedium(QStringLiteral("Tape 18")); }

    // Waits until the list has taken in every photograph given to it.
    void waitForIntake(KestavolinAppDelegate& app) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !app.intake().isBusy(); }, 20000));
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
};

TEST_F(Exhibition, ThreePhotographsWithThreeTitlesPrintAsOneJobAndExportAsOnePdf) {
    KestavolinAppDelegate& app = fixture.start();
    const QStringList paths = {fixture.samplePhoto(QStringLiteral("harbour.jpg")),
                               fixture.samplePhoto(QStringLiteral("mill.jpg")),
                               fixture.samplePhoto(QStringLiteral("orchard.jpg"))};
    const QStringList titles = {QStringLiteral("Harbour at dawn"), QStringLiteral("Old mill"),
                                QStringLiteral("Orchard in May")};
    app.applicationOpenFiles(paths);
    waitForIntake(app);
    const PhotoList& list = app.photoList();
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_TRUE(app.window().photoListPanel()->isVisible());
    // The first photograph of the run is shown; each keeps the title typed for it.
    EXPECT_EQ(app.kestavolin()->fileName(), paths[0]);
    PhotoListPanel& panel = *app.window().photoListPanel();
    for (int row = 2; row >= 0; --row) {
        panel.setCurrentRow(row);
        app.titleInput(titles[row]);
    }
    panel.setCurrentRow(1);
    EXPECT_EQ(app.titleName(), titles[1]);
    EXPECT_EQ(app.kestavolin()->fileName(), paths[1]);
    // A title edited in the list itself reaches the label it shows.
    const QString edited = QStringLiteral("Mill by night");
    QAbstractItemModel* shownList = panel.findChild<QAbstractItemView*>()->model();
    ASSERT_TRUE(shownList->setData(shownList->index(1, 0), edited, Qt::EditRole));
    EXPECT_EQ(app.titleName(), edited);
    app.titleInput(titles[1]);

    app.printAll();
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    const QString lengths = fixture.alerts.alerts().first().message;
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(
            lengths.contains(QStringLiteral("%1: %2 mm")
                                 .arg(QFileInfo(paths[row]).fileName())
                                 .arg(list.index(row).data(PhotoList::LabelLengthRole).toInt())))
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
    EXPECT_TRUE(pageText(*fixture.dialogs.saveAnswer, 2).contains(titles[1]));
    EXPECT_EQ(fixture.alerts.alerts().size(), 1);

    // A longer photographer name in the window lengthens every label of the list.
    app.inputPhotograper(QStringLiteral("A photographer whose name runs far along the tape"));
    for (int row = 0; row < 3; ++row)
        EXPECT_GT(list.index(row).data(PhotoList::LabelLengthRole).toInt(),
                  printed[row].width() / 2.835 + 1)
            << row;
}

TEST_F(Exhibition, ACaptionSheetFillsTheListReportsItsUnreadableRowAndIsWrittenBack) {
    KestavolinAppDelegate& app = fixture.start();
    installStringTables(QLocale(QLocale::English));
    const QDir show(fixture.home() + QStringLiteral("/show"));
    ASSERT_TRUE(show.mkpath(QStringLiteral(".")));
    QFile::copy(fixture.samplePhoto(QStringLiteral("dawn.jpg")), show.filePath("dawn.jpg"));
    QFile::copy(fixture.samplePhoto(QStringLiteral("dusk.jpg")), show.filePath("dusk.jpg"));
    const QString sheet =
        fixture.fileWithBytes(QStringLiteral("show/captions.csv"), "file,title,photographer\r\n"
                                                                   "dawn.jpg,Dawn,\r\n"
                                                                   "missing.jpg,Lost,\r\n"
                                                                   "dusk.jpg,Dusk,Kim Example\r\n");
    app.importCaptionSheet();
    ASSERT_TRUE(fixture.dialogs.pendingOpenSeveral);
    EXPECT_FALSE(fixture.dialogs.openOffersSeveral);
    fixture.dialogs.pendingOpenSeveral({sheet});
    waitForIntake(app);

    const PhotoList& list = app.photoList();
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.entry(0).path, show.filePath("dawn.jpg"));
    EXPECT_EQ(list.entry(0).title, QStringLiteral("Dawn"));
    EXPECT_EQ(list.entry(1).record, nullptr);
    EXPECT_EQ(list.entry(2).photographer, QStringLiteral("Kim Example"));
    EXPECT_EQ(app.titleName(), QStringLiteral("Dawn"));
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    const QString told = fixture.alerts.alerts().first().message;
    EXPECT_TRUE(told.contains(QStringLiteral("Row 3 (missing.jpg)"))) << told.toStdString();
    EXPECT_FALSE(told.contains(QStringLiteral("Row 2"))) << told.toStdString();

    fixture.dialogs.saveAnswer = show.filePath(QStringLiteral("out.csv"));
    app.exportCaptionSheet();
    QFile written(*fixture.dialogs.saveAnswer);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.contains("dusk.jpg,Dusk,Kim Example")) << bytes.toStdString();
    const auto rows = std::get<std::vector<CaptionRow>>(CaptionSheet::read(written.fileName()));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].file, show.filePath("dawn.jpg"));
    EXPECT_EQ(rows[1].title, QStringLiteral("Lost"));
    useEmptyStringTable();
}

// A copy of the sample whose IPTC object name is the title, and a picture without Exif.
QString titledPhoto(const AppFixture& fixture, const char* title) {
    const QString path = fixture.samplePhoto(QStringLiteral("titled.jpg"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    image->iptcData()["Iptc.Application2.ObjectName"] = title;
    image->writeMetadata();
    return path;
}

QString scanWithoutCameraData(const AppFixture& fixture, const QString& name) {
    const QString path = QDir(fixture.home()).filePath(name);
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    EXPECT_TRUE(picture.save(path, "JPEG"));
    return path;
}

TEST_F(Exhibition, PhotographsOwnTitlesAndPhotographsWithoutCameraDataAreOptIn) {
    KestavolinAppDelegate& app = fixture.start();
    const QString titled = titledPhoto(fixture, "Old mill");
    // Off by default: the photograph's title is not taken, the scan is not labelled.
    app.applicationOpenFiles({titled, scanWithoutCameraData(fixture, QStringLiteral("a.jpg"))});
    waitForIntake(app);
    ASSERT_EQ(app.photoList().rowCount(), 2);
    EXPECT_TRUE(app.photoList().entry(0).title.isEmpty());
    EXPECT_EQ(app.photoList().entry(1).record, nullptr);
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts().first().title, QStringLiteral("listNotReadTitle"));

    fixture.dialogs.preferencesChoice = [](PreferencesKestavolin& panel) {
        EXPECT_FALSE(panel.titlesFromPhotos());
        EXPECT_FALSE(panel.labelWithoutCameraData());
        panel.setListOptions(true, true);
    };
    app.selectPreferences();
    EXPECT_EQ(fixture.readSettings().value("titlesFromPhotos"), true);
    EXPECT_EQ(fixture.readSettings().value("labelWithoutCameraData"), true);

    // Several files dropped on the label: the photographs among them join the list.
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(titled),
                     QUrl::fromLocalFile(fixture.fileWithBytes(QStringLiteral("n.txt"), "notes")),
                     QUrl::fromLocalFile(scanWithoutCameraData(fixture, QStringLiteral("b.jpg")))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(app.tapeImageView(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(app.tapeImageView(), &drop);
    waitForIntake(app);
    ASSERT_EQ(app.photoList().rowCount(), 4);
    EXPECT_EQ(app.photoList().entry(2).title, QStringLiteral("Old mill"));
    EXPECT_NE(app.photoList().entry(3).record, nullptr);
    EXPECT_GT(app.photoList().index(3).data(PhotoList::LabelLengthRole).toInt(), 0);
    EXPECT_EQ(fixture.alerts.alerts().size(), 1);
    // A photograph opened alone takes its title too, and a typed one stays its own.
    app.applicationOpenFiles({titled});
    EXPECT_EQ(app.titleName(), QStringLiteral("Old mill"));
    app.titleInput(QStringLiteral("Mill, winter"));
    EXPECT_EQ(app.photoList().entry(4).title, QStringLiteral("Mill, winter"));
}

} // namespace
