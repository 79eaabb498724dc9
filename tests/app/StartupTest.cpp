#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "app/TerminationSignals.h"
#include "label/RollView.h"
#include "label/Ruler.h"
#include "label/TapeLength.h"
#include "label/TapeView.h"
#include "photo/PhotoRecord.h"
#include "platform/FontCatalogue.h"
#include "platform/LocalizedText.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QString tape = QStringLiteral("Tape 18");
const QString roll = QStringLiteral("Roll 60");

// A termination signal or logout while the first start's media panel is up: the panel
// ends without a choice, and nothing is stored for the medium.
TEST(Startup, EndingTheApplicationDuringTheMediaPanelStoresNoMedium) {
    AppFixture fixture;
    fixture.dialogs.realMediaPanel = true;
    const TerminationSignals termination;
    // As the application does: start-up runs in the event loop, and the request comes
    // while the panel's own loop runs.
    QTimer::singleShot(0, [&fixture] { fixture.start(); });
    QTimer::singleShot(0, &termination, &TerminationSignals::terminationRequested);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &termination,
                     [&fixture] { fixture.app().applicationWillTerminate(); });
    QApplication::exec();

    EXPECT_EQ(fixture.app().tapeView(), nullptr);
    const QVariantMap stored = fixture.readSettings();
    EXPECT_TRUE(stored.contains("photographer")) << "the termination save ran";
    EXPECT_EQ(stored.value("mediaTypeName"), QVariant(QString()));

    // The next start asks again, before any label exists, and stores the choice at
    // once, whatever happens later in the run.
    fixture.dialogs.realMediaPanel = false;
    fixture.dialogs.medium = roll;
    bool labelExistedWhileAsking = true;
    fixture.dialogs.whileAskingForMedium = [&] {
        labelExistedWhileAsking =
            fixture.app().tapeView() != nullptr || fixture.app().rollView() != nullptr;
    };
    KestavolinAppDelegate& app = fixture.start();
    EXPECT_EQ(fixture.dialogs.mediumQuestions, 2);
    EXPECT_FALSE(labelExistedWhileAsking);
    EXPECT_EQ(fixture.readSettings().value("mediaTypeName").toString(), roll);
    EXPECT_NE(app.rollView(), nullptr);
}

// The window starts at the size designed for the medium: the roll label is taller.
TEST(Startup, EachMediumShowsItsLabelInAWindowOfItsSize) {
    AppFixture rollFixture;
    AppFixture tapeFixture;
    KestavolinAppDelegate& tapeApp = tapeFixture.startOn(tape);
    KestavolinAppDelegate& rollApp = rollFixture.startOn(roll);

    EXPECT_EQ(rollFixture.dialogs.mediumQuestions + tapeFixture.dialogs.mediumQuestions, 0);
    ASSERT_NE(rollApp.rollView(), nullptr);
    EXPECT_EQ(rollApp.scale(), nullptr);
    ASSERT_NE(tapeApp.tapeView(), nullptr);
    ASSERT_NE(tapeApp.scale(), nullptr);
    EXPECT_EQ(rollApp.window().height() - tapeApp.window().height(), 97);
    QCoreApplication::processEvents();
    EXPECT_TRUE(tapeApp.tapeView()->isVisible());
    EXPECT_TRUE(rollApp.rollView()->isVisible());
    // The ruler lies above the tape label, as long as it at least.
    EXPECT_LT(tapeApp.scale()->geometry().bottom(), tapeApp.tapeView()->geometry().top());
    EXPECT_GE(tapeApp.scale()->width(), tapeApp.tapeView()->width());
    // The tape length beside the print button follows the label.
    const auto* length = tapeApp.window().findChild<QLabel*>("tapeLengthLabel");
    tapeApp.titleInput(QString(60, u'T'));
    EXPECT_EQ(length->text(),
              tapeLengthText(tapeApp.tapeView()->tapeSize().width(), tapeApp.scale()->metric()));
    EXPECT_TRUE(tapeApp.window().findChild<QPushButton*>("printButton")->isEnabled());
    EXPECT_EQ(tapeApp.window().findChild<QLineEdit*>("photographerBox")->text(),
              QStringLiteral("Ann Example"));
    EXPECT_EQ(tapeApp.window().lensName(), QStringLiteral("Exif"));
}

// A hand-edited lens list without "Exif" and with an entry that is no name shows its
// names and selects nothing.
TEST(Startup, AHandEditedLensListSelectsNothingWithoutExif) {
    AppFixture fixture;
    fixture.writeSettings(
        {{QStringLiteral("lensList"),
          QVariantList{QStringLiteral("Zoom"), qint64(3), QStringLiteral("Macro 100")}},
         {QStringLiteral("mediaTypeName"), tape}});
    KestavolinAppDelegate& app = fixture.start();
    const auto* lenses = app.window().findChild<QComboBox*>("lensName");
    EXPECT_EQ(lenses->count(), 2);
    EXPECT_EQ(lenses->currentIndex(), -1);
}

TEST(Startup, TheLabelStartsInTheFontChosenInThePreferences) {
    if (!FontCatalogue::availableFonts().contains(QStringLiteral("DejaVuSans-Bold")))
        GTEST_SKIP() << "DejaVu Sans Bold is not installed";
    AppFixture fixture;
    fixture.writeSettings({{QStringLiteral("mediaTypeName"), tape},
                           {QStringLiteral("fontFamilyName"), QStringLiteral("DejaVu Sans")},
                           {QStringLiteral("fontName"), QStringLiteral("DejaVuSans-Bold")},
                           {QStringLiteral("fontStyleIndex"), 1}});
    KestavolinAppDelegate& app = fixture.start();
    EXPECT_EQ(app.settings().printFontName(), QStringLiteral("DejaVuSans-Bold"));
    for (const PlacedText& placed : app.tapeView()->layout().placedTexts()) {
        const QFontInfo font(placed.text.font());
        EXPECT_EQ(font.family(), QStringLiteral("DejaVu Sans"));
        EXPECT_EQ(font.styleName(), QStringLiteral("Bold")) << placed.field.toStdString();
    }
}

// The window of an application started on the tape.
class Window : public testing::Test {
protected:
    AppFixture fixture;
    KestavolinAppDelegate& app = fixture.startOn(tape);
};

// The application has one window: closing it saves the settings and ends the
// application's event loop.
TEST_F(Window, ClosingTheWindowSavesTheSettingsAndQuits) {
    QFile::remove(fixture.settingsPath());
    QTimer::singleShot(0, &app.window(), &QWidget::close);
    // Fails the test instead of hanging when the loop is not ended.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(fixture.readSettings().value("mediaTypeName").toString(), tape);
}

TEST(Startup, AnUnwritableDocumentsFolderKeepsTheSettingsInMemory) {
    AppFixture fixture;
    // A file where the documents folder should be: nothing can be saved.
    fixture.fileWithBytes(QStringLiteral("Documents"), "not a folder");
    KestavolinAppDelegate& app = fixture.start();
    EXPECT_FALSE(QFile::exists(fixture.settingsPath()));
    EXPECT_EQ(app.settings().lensList(), QStringList{QStringLiteral("Exif")});
    EXPECT_NE(app.tapeView(), nullptr);
    // The user is told in the window, once for the start-up and again for a change.
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts()[0].title, QStringLiteral("settingsNotSaved"));
    EXPECT_TRUE(
        fixture.alerts.alerts()[0].message.startsWith(QStringLiteral("settingsNotSavedMsg")));
    EXPECT_TRUE(fixture.alerts.alerts()[0].message.contains(fixture.settingsPath()));
    app.inputLensName(QStringLiteral("Zoom 24-70"));
    EXPECT_EQ(fixture.alerts.alerts().size(), 2);
}

// The title names the opened photograph; a file that could not be analysed leaves the
// label, and so the title, as it was. A new window reshows a closed one in a clean state.
TEST_F(Window, NewWindowReshowsAClosedWindowInACleanState) {
    QLineEdit* titleBox = app.window().findChild<QLineEdit*>("titleMessageBox");
    app.applicationOpenFiles({fixture.samplePhoto(QStringLiteral("Harbour.JPG"))});
    app.applicationOpenFiles(
        {fixture.fileWithBytes(QStringLiteral("bad.jpg"), QByteArray(64, 'x'))});
    EXPECT_EQ(app.window().windowTitle(), QStringLiteral("Harbour.JPG"));
    titleBox->setText(QStringLiteral("Harbour"));
    app.titleInput(titleBox->text());
    app.newWindow(); // visible: nothing happens
    EXPECT_EQ(titleBox->text(), QStringLiteral("Harbour"));

    app.window().close();
    app.newWindow();
    EXPECT_TRUE(app.window().isVisible());
    EXPECT_EQ(titleBox->text(), QString());
    EXPECT_EQ(app.window().lensName(), QStringLiteral("Exif"));
    EXPECT_EQ(app.window().windowTitle(), QStringLiteral("Kestavolin"));
    EXPECT_EQ(app.record(), nullptr);
    EXPECT_EQ(app.tapeView()->thumbnail(), nullptr);
    // The title member survives for the next preferences confirmation.
    EXPECT_EQ(app.titleName(), QStringLiteral("Harbour"));
}

} // namespace
