#include "AppTestSupport.h"
#include "common/HostileJpeg.h"

#include "app/MainWindow.h"
#include "label/RollView.h"
#include "label/TapeView.h"
#include "photo/PhotoRecord.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

class Intake : public testing::Test {
protected:
    AppFixture fixture;
};

// An open request loads the photograph into the label and reshows a closed window; so
// does the open dialog, which offers the photograph types in either letter case. A
// picture too large to decode leaves the label without it.
TEST_F(Intake, OpenRequestsAndTheOpenDialogLoadThePhotographIntoTheLabel) {
    KestavolinAppDelegate& app = fixture.startOn(QStringLiteral("Tape 18"));
    const QString path = fixture.samplePhoto(QStringLiteral("PHOTO.JPG"));
    const double emptyWidth = app.tapeView()->tapeSize().width();
    app.applicationOpenFiles({path});
    ASSERT_NE(app.record(), nullptr);
    EXPECT_EQ(app.record()->fileName(), path);
    EXPECT_NE(app.tapeView()->thumbnail(), nullptr);
    EXPECT_GT(app.tapeView()->tapeSize().width(), emptyWidth);
    app.window().close();
    app.applicationOpenFiles({fixture.samplePhoto(QStringLiteral("c.tif.jpg"))});
    EXPECT_TRUE(app.window().isVisible());
    EXPECT_TRUE(app.record()->fileName().endsWith(QStringLiteral("c.tif.jpg")));

    app.openFile();
    ASSERT_TRUE(fixture.dialogs.pendingOpen);
    EXPECT_EQ(fixture.dialogs.openMessage, QStringLiteral("File Open"));
    for (const char* pattern : {"*.jpg", "*.JPG", "*.jpeg", "*.tif", "*.TIFF", "*.psd", "*.PSD"})
        EXPECT_TRUE(fixture.dialogs.openFilters.join(' ').contains(QLatin1String(pattern)))
            << pattern;
    app.window().close();
    fixture.dialogs.pendingOpen(fixture.samplePhoto(QStringLiteral("chosen.jpg")));
    EXPECT_TRUE(app.window().isVisible());
    EXPECT_TRUE(app.record()->fileName().endsWith(QStringLiteral("chosen.jpg")));

    app.applicationOpenFiles(
        {fixture.fileWithBytes(QStringLiteral("hostile.jpg"), HostileJpeg::makeWithExif())});
    EXPECT_TRUE(app.record()->haveExif());
    EXPECT_EQ(app.record()->photoImage(), nullptr) << "refused from its header";
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
}

// A request of no file is ignored; each other refused request is
// announced by its alert and leaves the label as it was. Missing, empty and too short
// files are not silently ignored, and neither is a file the desktop hands over.
TEST_F(Intake, RequestsThatAreNotAPhotographAreRefusedWithTheirAlert) {
    KestavolinAppDelegate& app = fixture.startOn(QStringLiteral("Tape 18"));
    app.applicationOpenFiles({fixture.samplePhoto(QStringLiteral("first.jpg"))});
    const QSizeF shown = app.tapeView()->tapeSize();
    app.applicationOpenFiles({});
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
    const QString dropError = QStringLiteral("DropError/OnlyTiffOrJpegOrPsdMessage/Ok");
    const QString openError = QStringLiteral("ErrorMessage/FailedOpenMsg/Close");
    const std::pair<QString, QString> refused[] = {
        {fixture.home(), dropError},
        {fixture.fileWithBytes(QStringLiteral("picture.png"), "png"), dropError},
        {fixture.fileWithBytes(QStringLiteral("short.jpg"), "1234567"), openError},
        {fixture.fileWithBytes(QStringLiteral("empty.jpg"), ""), openError},
        {QDir(fixture.home()).filePath(QStringLiteral("missing.jpg")), openError},
    };
    for (const auto& [path, alert] : refused) {
        fixture.alerts.clear();
        app.applicationOpenFiles({path});
        ASSERT_EQ(fixture.alerts.alerts().size(), 1) << path.toStdString();
        const AlertContent& shownAlert = fixture.alerts.alerts().first();
        EXPECT_EQ(shownAlert.title + '/' + shownAlert.message + '/' + shownAlert.defaultButton +
                      shownAlert.alternateButton,
                  alert)
            << path.toStdString();
        EXPECT_EQ(app.tapeView()->tapeSize(), shown);
    }
    app.takeHandedOverRequest({QDir(fixture.home()).filePath(QStringLiteral("gone.tif"))});
    EXPECT_EQ(fixture.alerts.alerts().size(), 2);

    // A file that is no photograph gives a record holding its failure, and one alert.
    fixture.alerts.clear();
    app.applicationOpenFiles(
        {fixture.fileWithBytes(QStringLiteral("notes.jpg"), "these are notes, not a photograph")});
    ASSERT_NE(app.record(), nullptr);
    EXPECT_FALSE(app.record()->haveExif());
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts().first().message, QStringLiteral("FailedOpenMsg"));
}

TEST_F(Intake, APhotographHandedOverDuringStartUpIsShownWhenStartUpEnds) {
    fixture.writeSettingsWithMedium(QStringLiteral("Tape 18"));
    KestavolinAppDelegate& app = fixture.start(false);
    const QString path = fixture.samplePhoto(QStringLiteral("early.jpeg"));
    app.applicationOpenFiles({path});
    EXPECT_EQ(app.record(), nullptr);
    app.applicationDidFinishLaunching();
    ASSERT_NE(app.record(), nullptr);
    EXPECT_NE(app.tapeView()->thumbnail(), nullptr);
}

// A photograph dropped on the label of either medium is loaded into it.
TEST(IntakeDrop, APhotographDroppedOnTheLabelIsLoaded) {
    for (const char* medium : {"Tape 18", "Roll 60"}) {
        AppFixture fixture;
        KestavolinAppDelegate& app = fixture.startOn(QString::fromLatin1(medium));
        LabelView* view = app.tapeView();
        if (!view)
            view = app.rollView();
        const QString path = fixture.samplePhoto(QStringLiteral("dropped.JPEG"));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &drop);
        ASSERT_NE(app.record(), nullptr) << medium;
        EXPECT_EQ(app.record()->fileName(), path);
    }
}

} // namespace
