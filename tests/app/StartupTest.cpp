#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "label/TapeLength.h"
#include "app/TerminationSignals.h"
#include "label/ScaleViewer.h"
#include "label/Tack66View.h"
#include "label/TapeView.h"
#include "photo/Kestavolin.h"
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
#include <QRegularExpression>
#include <QTimer>

namespace {

const QString tape = QStringLiteral("Tape 18");
const QString roll = QStringLiteral("Roll 60");

TEST(Startup, FirstStartAsksForTheMediumBeforeAnyLabelAndWritesTheDefaults) {
    AppFixture fixture;
    bool labelExistedWhileAsking = true;
    fixture.dialogs.medium = roll;
    fixture.dialogs.whileAskingForMedium = [&] {
        labelExistedWhileAsking =
            fixture.app().tapeImageView() != nullptr || fixture.app().tack66ImageView() != nullptr;
    };
    KestavolinAppDelegate& app = fixture.start();

    EXPECT_EQ(fixture.dialogs.mediumQuestions, 1);
    EXPECT_FALSE(labelExistedWhileAsking);
    // The choice is stored at once, whatever happens later in the run.
    const QVariantMap stored = fixture.readSettings();
    EXPECT_EQ(stored.value("mediaTypeName").toString(), roll);
    EXPECT_EQ(stored.value("photographer").toString(), QStringLiteral("Photographer"));
    EXPECT_EQ(stored.value("lensList").toList(), QVariantList{QStringLiteral("Exif")});
    EXPECT_EQ(stored.value("exifItem").toMap().size(), 17);
    EXPECT_EQ(stored.value("fontStyleIndex").toLongLong(), 0);
    EXPECT_EQ(app.settings().mediaTypeName(), roll);
}

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

    EXPECT_EQ(fixture.dialogs.mediumQuestions, 1);
    EXPECT_EQ(fixture.app().tapeImageView(), nullptr);
    EXPECT_EQ(fixture.app().tack66ImageView(), nullptr);
    const QVariantMap stored = fixture.readSettings();
    EXPECT_TRUE(stored.contains("photographer")) << "the termination save ran";
    EXPECT_EQ(stored.value("mediaTypeName"), QVariant(QString()));

    // The next start asks again.
    fixture.dialogs.realMediaPanel = false;
    fixture.dialogs.medium = roll;
    KestavolinAppDelegate& app = fixture.start();
    EXPECT_EQ(fixture.dialogs.mediumQuestions, 2);
    EXPECT_EQ(app.settings().mediaTypeName(), roll);
}

// The window starts at the size designed for the medium: the roll label is taller.
TEST(Startup, EachMediumShowsItsLabelInAWindowOfItsSize) {
    AppFixture rollFixture;
    rollFixture.writeSettingsWithMedium(roll);
    AppFixture tapeFixture;
    tapeFixture.writeSettingsWithMedium(tape);
    KestavolinAppDelegate& tapeApp = tapeFixture.start();
    KestavolinAppDelegate& rollApp = rollFixture.start();

    EXPECT_EQ(rollFixture.dialogs.mediumQuestions + tapeFixture.dialogs.mediumQuestions, 0);
    ASSERT_NE(rollApp.tack66ImageView(), nullptr);
    EXPECT_EQ(rollApp.tapeImageView(), nullptr);
    EXPECT_EQ(rollApp.scale(), nullptr);
    ASSERT_NE(tapeApp.tapeImageView(), nullptr);
    ASSERT_NE(tapeApp.scale(), nullptr);
    EXPECT_EQ(tapeApp.tack66ImageView(), nullptr);
    EXPECT_EQ(rollApp.window().height() - tapeApp.window().height(), 97);
    QCoreApplication::processEvents();
    EXPECT_TRUE(tapeApp.tapeImageView()->isVisible());
    EXPECT_TRUE(rollApp.tack66ImageView()->isVisible());
    // The ruler lies above the tape label, as long as it at least.
    EXPECT_LT(tapeApp.scale()->geometry().bottom(), tapeApp.tapeImageView()->geometry().top());
    EXPECT_GE(tapeApp.scale()->width(), tapeApp.tapeImageView()->width());
    // The tape length beside the print button follows the label.
    const auto* length = tapeApp.window().findChild<QLabel*>("tapeLengthLabel");
    tapeApp.titleInput(QString(60, u'T'));
    EXPECT_EQ(length->text(), tapeLengthText(tapeApp.tapeImageView()->tapeSize().width(),
                                             tapeApp.scale()->metric()));
    EXPECT_TRUE(tapeApp.window().findChild<QPushButton*>("printButton")->isEnabled());
    EXPECT_EQ(tapeApp.window().findChild<QLineEdit*>("photographerBox")->text(),
              QStringLiteral("Ann Example"));
    EXPECT_EQ(tapeApp.window().lensName(), QStringLiteral("Exif"));
}

struct MediumEntryCase {
    QVariant stored;
    bool asks;
};

class StoredMedium : public testing::TestWithParam<MediumEntryCase> {};

TEST_P(StoredMedium, OnlyAnExactMediumNameSkipsThePanel) {
    AppFixture fixture;
    QVariantMap settings{{QStringLiteral("photographer"), QStringLiteral("A")}};
    if (GetParam().stored.isValid())
        settings.insert(QStringLiteral("mediaTypeName"), GetParam().stored);
    fixture.writeSettings(settings);
    fixture.dialogs.medium = roll;
    KestavolinAppDelegate& app = fixture.start();
    EXPECT_EQ(fixture.dialogs.mediumQuestions, GetParam().asks ? 1 : 0);
    if (GetParam().asks) {
        EXPECT_NE(app.tack66ImageView(), nullptr);
        // The medium chosen in the panel is stored at once.
        EXPECT_EQ(fixture.readSettings().value("mediaTypeName").toString(), roll);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, StoredMedium,
                         testing::Values(MediumEntryCase{QStringLiteral("Tape 18"), false},
                                         MediumEntryCase{QStringLiteral("Roll 60"), false},
                                         MediumEntryCase{QStringLiteral("tape 18"), true},
                                         MediumEntryCase{QString(""), true},
                                         MediumEntryCase{QVariant(qint64(18)), true},
                                         MediumEntryCase{QVariant(), true}));

TEST(Startup, EntriesOfTheWrongTypeAreReplacedAndHandEditedListsDoNotCrash) {
    AppFixture fixture;
    fixture.writeSettings(
        {{QStringLiteral("photographer"), qint64(7)},
         {QStringLiteral("lensList"),
          QVariantList{QStringLiteral("Exif"), qint64(3), QStringLiteral("Macro 100")}},
         {QStringLiteral("exifItem"),
          QVariantMap{{QStringLiteral("Maker"), false},
                      {QStringLiteral("Model"), QStringLiteral("yes")}}},
         {QStringLiteral("fontFamilyName"), QStringLiteral("Other")},
         {QStringLiteral("fontStyleIndex"), qint64(2)},
         {QStringLiteral("mediaTypeName"), tape}});
    KestavolinAppDelegate& app = fixture.start();

    EXPECT_EQ(app.settings().photographer(), QStringLiteral("Photographer"));
    EXPECT_EQ(app.settings().lensList(),
              (QStringList{QStringLiteral("Exif"), QStringLiteral("Macro 100")}));
    EXPECT_EQ(app.window().findChild<QComboBox*>("lensName")->count(), 2);
    EXPECT_EQ(app.settings().exifItemsStatus(),
              (QVariantMap{{QStringLiteral("Maker"), false}, {QStringLiteral("Model"), false}}));
    const QVariantMap stored = fixture.readSettings();
    EXPECT_EQ(stored.value("fontStyleIndex").toLongLong(), 0);
    EXPECT_NE(stored.value("fontFamilyName").toString(), QStringLiteral("Other"));
}

TEST(Startup, ALensListWithoutExifSelectsNothing) {
    AppFixture fixture;
    fixture.writeSettings({{QStringLiteral("lensList"), QVariantList{QStringLiteral("Zoom")}},
                           {QStringLiteral("mediaTypeName"), tape}});
    KestavolinAppDelegate& app = fixture.start();
    EXPECT_EQ(app.window().findChild<QComboBox*>("lensName")->currentIndex(), -1);
    EXPECT_EQ(app.settings().lensList(), QStringList{QStringLiteral("Zoom")});
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
    for (const PlacedText& placed : app.tapeImageView()->layout().placedTexts()) {
        const QFontInfo font(placed.text.font());
        EXPECT_EQ(font.family(), QStringLiteral("DejaVu Sans"));
        EXPECT_EQ(font.styleName(), QStringLiteral("Bold")) << placed.field.toStdString();
    }
}

// The application has one window: closing it saves the settings and ends the
// application's event loop.
TEST(Window, ClosingTheWindowSavesTheSettingsAndQuits) {
    AppFixture fixture;
    fixture.writeSettingsWithMedium(tape);
    KestavolinAppDelegate& app = fixture.start();
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
    EXPECT_NE(app.tapeImageView(), nullptr);
    // The user is told in the window, once for the start-up and again for a change.
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts()[0].title, QStringLiteral("settingsNotSaved"));
    EXPECT_TRUE(
        fixture.alerts.alerts()[0].message.startsWith(QStringLiteral("settingsNotSavedMsg")));
    EXPECT_TRUE(fixture.alerts.alerts()[0].message.contains(fixture.settingsPath()));
    app.inputLensName(QStringLiteral("Zoom 24-70"));
    EXPECT_EQ(fixture.alerts.alerts().size(), 2);
}

TEST(Window, NewWindowReshowsAClosedWindowInACleanState) {
    AppFixture fixture;
    fixture.writeSettingsWithMedium(tape);
    KestavolinAppDelegate& app = fixture.start();
    QLineEdit* titleBox = app.window().findChild<QLineEdit*>("titleMessageBox");
    app.applicationOpenFiles({fixture.samplePhoto(QStringLiteral("photo.jpg"))});
    ASSERT_NE(app.kestavolin(), nullptr);
    titleBox->setText(QStringLiteral("Harbour"));
    app.titleInput(titleBox->text());

    app.newWindow(); // visible: nothing happens
    EXPECT_NE(app.kestavolin(), nullptr);
    EXPECT_EQ(titleBox->text(), QStringLiteral("Harbour"));

    app.window().close();
    EXPECT_FALSE(app.window().isVisible());
    app.newWindow();
    EXPECT_TRUE(app.window().isVisible());
    EXPECT_EQ(titleBox->text(), QString());
    EXPECT_EQ(app.window().lensName(), QStringLiteral("Exif"));
    EXPECT_EQ(app.window().windowTitle(), QStringLiteral("Kestavolin"));
    EXPECT_EQ(app.kestavolin(), nullptr);
    EXPECT_EQ(app.tapeImageView()->printImage(), nullptr);
    // The title member survives for the next preferences confirmation.
    EXPECT_EQ(app.titleName(), QStringLiteral("Harbour"));
}

} // namespace

namespace {

// The mean colour of the button as drawn.
QColor meanColour(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    double red = 0, green = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            red += pixel.redF();
            green += pixel.greenF();
            blue += pixel.blueF();
        }
    }
    const double pixels = double(image.width()) * image.height();
    return QColor::fromRgbF(float(red / pixels), float(green / pixels), float(blue / pixels));
}

// An enabled print button must not look like the disabled one: a coloured face
// against the grey window, clearly apart from the grey disabled face.
TEST(Window, TheEnabledPrintButtonLooksUsable) {
    AppFixture fixture;
    fixture.writeSettingsWithMedium(tape);
    KestavolinAppDelegate& app = fixture.start();
    QPushButton* button = app.window().findChild<QPushButton*>("printButton");
    ASSERT_TRUE(button->isEnabled());
    const QColor enabled = meanColour(*button);
    button->setEnabled(false);
    const QColor disabled = meanColour(*button);
    EXPECT_GT(enabled.hsvSaturationF(), 0.3f);
    EXPECT_LT(disabled.hsvSaturationF(), 0.1f);
}

TEST(Window, TheWindowTitleNamesTheOpenedPhotograph) {
    AppFixture fixture;
    fixture.writeSettingsWithMedium(tape);
    KestavolinAppDelegate& app = fixture.start();
    app.applicationOpenFiles({fixture.samplePhoto(QStringLiteral("Harbour.JPG"))});
    EXPECT_EQ(app.window().windowTitle(), QStringLiteral("Harbour.JPG"));
    // A file that could not be analysed leaves the label, and so the title, as it was.
    app.applicationOpenFiles(
        {fixture.fileWithBytes(QStringLiteral("bad.jpg"), QByteArray(64, 'x'))});
    EXPECT_EQ(app.window().windowTitle(), QStringLiteral("Harbour.JPG"));
    app.window().close();
    app.newWindow();
    EXPECT_EQ(app.window().windowTitle(), QStringLiteral("Kestavolin"));
}

TEST(Window, HelpAboutShowsTheVersionAndTheLicence) {
    AppFixture fixture;
    fixture.writeSettingsWithMedium(tape);
    KestavolinAppDelegate& app = fixture.start();
    ASSERT_TRUE(installStringTables(QLocale(QLocale::English)));
    app.window().findChild<QAction*>("actionAbout")->trigger();
    useEmptyStringTable();
    ASSERT_EQ(fixture.dialogs.aboutShown.size(), 1);
    const QString about = fixture.dialogs.aboutShown.first();
    EXPECT_TRUE(about.startsWith(QStringLiteral("About Kestavolin\n")));
    EXPECT_TRUE(
        about.contains(QRegularExpression(QStringLiteral("Kestavolin \\d+\\.\\d+\\.\\d+"))));
    EXPECT_TRUE(about.contains(QStringLiteral("Licence")));
}

} // namespace
