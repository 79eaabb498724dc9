#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "label/TapeView.h"
#include "photo/PhotoRecord.h"
#include "preferences/PreferencesDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace {

bool labelShows(KestavolinAppDelegate& app, const QString& text) {
    for (const PlacedText& placed : app.tapeView()->layout().placedTexts()) {
        if (placed.text.string().contains(text))
            return true;
    }
    return false;
}

class Inputs : public testing::Test {
protected:
    void SetUp() override { app = &fixture.startOn(QStringLiteral("Tape 18")); }

    // Types a lens name into the combo box and confirms it.
    void enterLens(const QString& name) {
        lensBox()->setEditText(name);
        app->inputLensName(name);
    }
    QStringList storedLenses() const {
        return fixture.readSettings().value(QStringLiteral("lensList")).toStringList();
    }
    void fillLensList(int entries) {
        for (int i = app->settings().lensList().size(); i < entries; ++i)
            enterLens(QStringLiteral("Lens %1").arg(i));
    }
    QComboBox* lensBox() { return app->window().findChild<QComboBox*>("lensName"); }
    QLineEdit* photographerBox() { return app->window().findChild<QLineEdit*>("photographerBox"); }

    AppFixture fixture;
    KestavolinAppDelegate* app = nullptr;
};

// Known and blank names change nothing; a new one typed into the window's box and
// confirmed with Enter is added once (a second Enter adds nothing) and saved as typed.
TEST_F(Inputs, NewLensNamesAreAddedOnceAndSavedExactlyAsTyped) {
    QFile::remove(fixture.settingsPath());
    for (const QString& unchanged :
         {QStringLiteral("Exif"), QStringLiteral(" \t\u00a0 "), QString()})
        enterLens(unchanged);
    EXPECT_FALSE(QFile::exists(fixture.settingsPath()));
    enterLens(QStringLiteral("  Macro 100  "));
    QLineEdit* edit = lensBox()->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("exif")); // another letter case is another lens
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Return);
    const QStringList expected{QStringLiteral("Exif"), QStringLiteral("  Macro 100  "),
                               QStringLiteral("exif")};
    EXPECT_EQ(app->settings().lensList(), expected);
    EXPECT_EQ(storedLenses(), expected);
    EXPECT_EQ(lensBox()->count(), 3);
    EXPECT_EQ(lensBox()->currentText(), QStringLiteral("exif"));
}

TEST_F(Inputs, TheListTakesNineteenEntriesAndThenRefuses) {
    fillLensList(19);
    EXPECT_EQ(app->settings().lensList().size(), 19);
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
    enterLens(QStringLiteral("One too many"));
    EXPECT_EQ(app->settings().lensList().size(), 19);
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts()[0].title, QStringLiteral("lensOverFlow"));
    EXPECT_EQ(fixture.alerts.alerts()[0].message, QStringLiteral("lensOverMsg"));
}

TEST_F(Inputs, DeletingAConfirmedNameRemovesEveryCopyAndSelectsExif) {
    fixture.writeSettings({{QStringLiteral("lensList"),
                            QVariantList{QStringLiteral("Exif"), QStringLiteral("Zoom"),
                                         QStringLiteral("Prime"), QStringLiteral("Zoom")}},
                           {QStringLiteral("mediaTypeName"), QStringLiteral("Tape 18")}});
    app = &fixture.start();
    lensBox()->setEditText(QStringLiteral("Zoom"));
    app->deleteLensName();
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts()[0].title, QStringLiteral("lensDelCaution"));
    const QStringList expected{QStringLiteral("Exif"), QStringLiteral("Prime")};
    EXPECT_EQ(app->settings().lensList(), expected);
    EXPECT_EQ(storedLenses(), expected);
    EXPECT_EQ(lensBox()->currentText(), QStringLiteral("Exif"));
}

TEST_F(Inputs, DeletionIsRefusedCancelledOrSilentAsTheNameRequires) {
    enterLens(QStringLiteral("Zoom"));

    fixture.alerts.setAnswer(alertAlternateReturn);
    app->deleteLensName();
    EXPECT_EQ(app->settings().lensList().size(), 2);

    fixture.alerts.setAnswer(alertDefaultReturn);
    fixture.alerts.clear();
    lensBox()->setEditText(QStringLiteral("Not listed"));
    app->deleteLensName();
    ASSERT_EQ(fixture.alerts.alerts().size(), 2);
    EXPECT_EQ(fixture.alerts.alerts()[1].title, QStringLiteral("lensNotDelete"));

    fixture.alerts.clear();
    lensBox()->setEditText(QStringLiteral("Exif"));
    app->deleteLensName();
    EXPECT_EQ(fixture.alerts.alerts().size(), 1); // the confirmation only
    EXPECT_TRUE(app->settings().lensList().contains(QStringLiteral("Exif")));

    fixture.alerts.clear();
    app->window().close();
    lensBox()->setEditText(QStringLiteral("Zoom"));
    app->deleteLensName();
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
    EXPECT_EQ(app->settings().lensList().size(), 2);
}

// A photographer's name of up to 139 characters is taken and saved at once; a longer
// or empty one keeps the name, and an emptied field confirmed with Enter shows it
// again. A title of up to 400 characters is taken, never stored, and an emptied
// title field removes it from the label.
TEST_F(Inputs, PhotographerAndTitleHaveTheirLimits) {
    const double width = app->tapeView()->tapeSize().width();
    for (const QString& refused : {QString(140, u'p'), QString()}) {
        app->inputPhotographer(refused);
        EXPECT_EQ(app->settings().photographer(), QStringLiteral("Ann Example"));
    }
    photographerBox()->clear();
    QTest::keyClick(photographerBox(), Qt::Key_Return);
    EXPECT_EQ(photographerBox()->text(), QStringLiteral("Ann Example"));
    EXPECT_TRUE(labelShows(*app, QStringLiteral("Ann Example")));
    app->inputPhotographer(QString(139, u'p'));
    EXPECT_EQ(fixture.readSettings().value("photographer").toString(), QString(139, u'p'));
    const double longerWidth = app->tapeView()->tapeSize().width();
    EXPECT_GT(longerWidth, width);

    app->titleInput(QString(401, u't'));
    EXPECT_EQ(app->titleName(), QString());
    app->titleInput(QString(400, u't'));
    EXPECT_EQ(app->titleName(), QString(400, u't'));
    app->titleInput(QString());
    EXPECT_FALSE(labelShows(*app, QStringLiteral("ttt")));
    EXPECT_EQ(app->tapeView()->tapeSize().width(), longerWidth);
    app->applicationWillTerminate();
    EXPECT_FALSE(fixture.readSettings().contains(QStringLiteral("title")));
}

// Cancelled preferences change and write nothing; confirmed ones are applied and
// saved, but the medium waits for a restart.
TEST_F(Inputs, ConfirmedPreferencesAreAppliedAndSavedButTheMediumWaitsForARestart) {
    app->applicationOpenFiles({fixture.samplePhoto(QStringLiteral("p.jpg"))});
    ASSERT_TRUE(labelShows(*app, QStringLiteral("Canon")));
    QFile::remove(fixture.settingsPath());
    fixture.dialogs.preferencesChoice = [](PreferencesDialog& panel) {
        panel.mediaTypeButton()->setCurrentIndex(1);
        panel.selectMedia();
        panel.checkBoxForItem(QStringLiteral("Maker"))->setChecked(false);
        panel.checkBoxForItem(QStringLiteral("Model"))->setChecked(false);
    };
    fixture.dialogs.confirmPreferences = false;
    app->selectPreferences();
    EXPECT_FALSE(QFile::exists(fixture.settingsPath()));
    EXPECT_TRUE(labelShows(*app, QStringLiteral("Canon")));

    fixture.dialogs.confirmPreferences = true;
    app->selectPreferences();
    EXPECT_EQ(fixture.dialogs.preferencesMediumShown, QStringLiteral("Tape 18"));
    const QVariantMap stored = fixture.readSettings();
    EXPECT_EQ(stored.value("mediaTypeName").toString(), QStringLiteral("Roll 60"));
    EXPECT_FALSE(stored.value("exifItem").toMap().value("Maker").toBool());
    ASSERT_NE(app->tapeView(), nullptr);
    EXPECT_FALSE(labelShows(*app, QStringLiteral("Canon")));
    // The font the panel showed is a real one, never an empty name.
    EXPECT_FALSE(stored.value("fontName").toString().isEmpty());

    // Opened again, the panel is given the medium in effect.
    fixture.dialogs.preferencesChoice = nullptr;
    app->selectPreferences();
    EXPECT_EQ(fixture.dialogs.preferencesMediumShown, QStringLiteral("Tape 18"));
}

} // namespace
