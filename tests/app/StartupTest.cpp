#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "app/TerminationSignals.h"
#include "label/LabelLayout.h"
#include "label/LabelPreview.h"
#include "platform/FontCatalogue.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
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
                     [&fixture] { fixture.app().saveAll(); });
    QApplication::exec();

    EXPECT_EQ(fixture.label(), nullptr);
    const QVariantMap stored = fixture.readSettings();
    EXPECT_TRUE(stored.contains("photographer")) << "the termination save ran";
    EXPECT_EQ(stored.value("mediaTypeName"), QVariant(QString()));

    // The next start asks again and stores the choice at once.
    fixture.dialogs.realMediaPanel = false;
    fixture.dialogs.medium = roll;
    fixture.start({fixture.samplePhoto(QStringLiteral("a.jpg"))});
    EXPECT_EQ(fixture.dialogs.mediumQuestions, 2);
    EXPECT_EQ(fixture.readSettings().value("mediaTypeName").toString(), roll);
    ASSERT_TRUE(fixture.waitForReading());
    ASSERT_NE(fixture.label(), nullptr);
    EXPECT_EQ(fixture.label()->medium(), roll);
}

// The settings live in the configuration folder; a file an older version kept in the
// documents folder is taken over once and left as it was; no documents folder is made.
TEST(Startup, SettingsLiveInTheConfigurationFolderAndAreTakenOverFromDocumentsOnce) {
    AppFixture fresh;
    fresh.start();
    EXPECT_TRUE(
        QFile::exists(fresh.home() + QStringLiteral("/.config/kestavolin/kestavolin.plist")));
    EXPECT_FALSE(QDir(fresh.home()).exists(QStringLiteral("Documents")));

    AppFixture upgraded;
    const QByteArray former = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">"
                              "<dict><key>mediaTypeName</key><string>Roll 60</string>"
                              "<key>photographer</key><string>Old Hand</string></dict></plist>\n";
    QDir(upgraded.home()).mkdir(QStringLiteral("Documents"));
    const QString formerPath =
        upgraded.fileWithBytes(QStringLiteral("Documents/kestavolin.plist"), former);
    upgraded.start();
    EXPECT_EQ(upgraded.dialogs.mediumQuestions, 0);
    EXPECT_EQ(upgraded.readSettings().value("photographer").toString(), QStringLiteral("Old Hand"));
    QFile kept(formerPath);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), former);
    // Once taken over, the new file is the one read.
    upgraded.writeSettings({{QStringLiteral("mediaTypeName"), tape},
                            {QStringLiteral("photographer"), QStringLiteral("New Hand")}});
    upgraded.start();
    EXPECT_EQ(upgraded.readSettings().value("photographer").toString(), QStringLiteral("New Hand"));
}

// A first window is sized to the screen with the label fitted; the next start puts the
// window, the list's width and the zoom back as they were left.
TEST(Startup, TheWindowOpensToTheScreenAndRemembersHowItWasLeft) {
    AppFixture fixture;
    fixture.startOn(tape, {fixture.samplePhoto(QStringLiteral("a.jpg"))});
    const QSize room = fixture.window().screen()->availableSize();
    EXPECT_GE(fixture.window().width(), std::min(room.width(), int(room.width() * 0.7)));
    EXPECT_LE(fixture.window().height(), room.height());
    const auto* preview = fixture.window().findChild<LabelPreview*>();
    EXPECT_TRUE(preview->fitsToWindow());
    fixture.trigger("actionActualSize");
    fixture.window().resize(900, 560);
    fixture.quit();

    fixture.start();
    EXPECT_EQ(fixture.window().size(), QSize(900, 560));
    preview = fixture.window().findChild<LabelPreview*>();
    EXPECT_FALSE(preview->fitsToWindow());
    EXPECT_DOUBLE_EQ(preview->zoom(), 1.0);
}

// With nothing open the window says what to do; nothing can be printed or exported.
TEST(Startup, AnEmptyWindowSaysWhatToDoAndOffersNothingToPrint) {
    AppFixture fixture;
    fixture.startOn(tape);
    EXPECT_EQ(fixture.label(), nullptr);
    const auto* preview = fixture.window().findChild<QWidget*>(QStringLiteral("labelPreview"));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(fixture.window().windowTitle(), QStringLiteral("Kestavolin"));
    for (const char* action : {"actionPrint", "actionPageSetup", "actionPrintAll",
                               "actionExportAllPdf", "actionExportSheet"})
        EXPECT_FALSE(fixture.action(action)->isEnabled()) << action;
    EXPECT_FALSE(fixture.window().findChild<QPushButton*>("printButton")->isEnabled());
    EXPECT_FALSE(fixture.titleField()->isEnabled());
    EXPECT_FALSE(fixture.photographerField()->isEnabled());
}

// A hand-edited lens list without "Exif" and with an entry that is no name shows its
// names; a photograph opened then has no lens chosen.
TEST(Startup, AHandEditedLensListChoosesNoLensWithoutExif) {
    AppFixture fixture;
    fixture.writeSettings(
        {{QStringLiteral("lensList"),
          QVariantList{QStringLiteral("Zoom"), qint64(3), QStringLiteral("Macro 100")}},
         {QStringLiteral("mediaTypeName"), tape}});
    fixture.start({fixture.samplePhoto(QStringLiteral("a.jpg"))});
    ASSERT_TRUE(fixture.waitForReading());
    EXPECT_EQ(fixture.lensBox()->count(), 2);
    EXPECT_EQ(fixture.lensBox()->currentIndex(), -1);
}

TEST(Startup, TheLabelStartsInTheFontChosenInThePreferences) {
    if (!FontCatalogue::availableFonts().contains(QStringLiteral("DejaVuSans-Bold")))
        GTEST_SKIP() << "DejaVu Sans Bold is not installed";
    AppFixture fixture;
    fixture.writeSettings({{QStringLiteral("mediaTypeName"), tape},
                           {QStringLiteral("fontFamilyName"), QStringLiteral("DejaVu Sans")},
                           {QStringLiteral("fontName"), QStringLiteral("DejaVuSans-Bold")},
                           {QStringLiteral("fontStyleIndex"), 1}});
    fixture.start({fixture.samplePhoto(QStringLiteral("a.jpg"))});
    ASSERT_TRUE(fixture.waitForReading());
    ASSERT_NE(fixture.label(), nullptr);
    for (const PlacedText& placed : fixture.label()->placedTexts()) {
        const QFontInfo font(placed.text.font());
        EXPECT_EQ(font.family(), QStringLiteral("DejaVu Sans"));
        EXPECT_EQ(font.styleName(), QStringLiteral("Bold")) << placed.field.toStdString();
    }
}

// The application has one window: closing it ends the application's event loop, and
// the application saves on its way out.
TEST(Startup, ClosingTheWindowEndsTheApplication) {
    AppFixture fixture;
    fixture.startOn(tape);
    QTimer::singleShot(0, &fixture.window(), &QWidget::close);
    // Fails the test instead of hanging when the loop is not ended.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(Startup, SettingsThatCannotBeSavedAreKeptInMemoryAndTold) {
    AppFixture fixture;
    // A file where the configuration folder should be: nothing can be saved.
    fixture.fileWithBytes(QStringLiteral(".config"), "not a folder");
    fixture.start({fixture.samplePhoto(QStringLiteral("a.jpg"))});
    ASSERT_TRUE(fixture.waitForReading());
    EXPECT_FALSE(QFile::exists(fixture.paths().settingsFile));
    EXPECT_NE(fixture.label(), nullptr);
    // Told once, until a save succeeds again.
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts()[0].title, QStringLiteral("settingsNotSaved"));
    EXPECT_TRUE(fixture.alerts.alerts()[0].message.contains(fixture.paths().settingsFile));
    fixture.lensBox()->setEditText(QStringLiteral("Zoom 24-70"));
    emit fixture.window().lensChosen(QStringLiteral("Zoom 24-70"));
    EXPECT_EQ(fixture.lensBox()->count(), 2);
    EXPECT_EQ(fixture.alerts.alerts().size(), 1);
}

} // namespace
