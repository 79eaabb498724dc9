#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "label/LabelLayout.h"
#include "preferences/PreferencesDialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace {

// The window of a tape medium with one photograph open.
class Lenses : public testing::Test {
protected:
    void SetUp() override {
        fixture.startOn(QStringLiteral("Tape 18"), {fixture.samplePhoto(QStringLiteral("p.jpg"))});
        ASSERT_TRUE(fixture.waitForReading());
    }

    // Types a lens name into the lens box and confirms it with Enter.
    void enterLens(const QString& name) const {
        QLineEdit* edit = fixture.lensBox()->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, name);
        QTest::keyClick(fixture.lensBox(), Qt::Key_Return);
    }
    QStringList storedLenses() const {
        return fixture.readSettings().value(QStringLiteral("lensList")).toStringList();
    }
    QStringList shownLenses() const {
        QStringList names;
        for (int item = 0; item < fixture.lensBox()->count(); ++item)
            names << fixture.lensBox()->itemText(item);
        return names;
    }

    AppFixture fixture;
};

// Known and blank names change the list not; a new one typed into the lens box and
// confirmed with Enter is added once (a second Enter adds nothing), saved as typed and
// chosen for the photograph.
TEST_F(Lenses, NewLensNamesAreAddedOnceSavedExactlyAsTypedAndChosen) {
    for (const QString& unchanged : {QStringLiteral(" \t\u00a0 "), QString()})
        enterLens(unchanged);
    EXPECT_EQ(storedLenses(), QStringList{QStringLiteral("Exif")});
    enterLens(QStringLiteral("  Macro 100  "));
    enterLens(QStringLiteral("exif")); // another letter case is another lens
    QTest::keyClick(fixture.lensBox()->lineEdit(), Qt::Key_Return);
    const QStringList expected{QStringLiteral("Exif"), QStringLiteral("  Macro 100  "),
                               QStringLiteral("exif")};
    EXPECT_EQ(storedLenses(), expected);
    EXPECT_EQ(shownLenses(), expected);
    EXPECT_EQ(fixture.lensBox()->currentText(), QStringLiteral("exif"));
    enterLens(QStringLiteral("  Macro 100  "));
    EXPECT_TRUE(fixture.labelTexts().contains(QStringLiteral("  Macro 100  ")));
}

TEST_F(Lenses, TheListTakesNineteenEntriesAndThenRefuses) {
    for (int lens = 1; lens < 19; ++lens)
        enterLens(QStringLiteral("Lens %1").arg(lens));
    EXPECT_EQ(storedLenses().size(), 19);
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
    enterLens(QStringLiteral("One too many"));
    EXPECT_EQ(storedLenses().size(), 19);
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts()[0].title, QStringLiteral("lensOverFlow"));
}

// Delete Lens names the lens it asks about, removes every copy of a confirmed name,
// does nothing when cancelled or while the window is closed, and is not offered for
// the photograph's own lens.
TEST_F(Lenses, DeleteLensAsksNamingTheLensAndIsNotOfferedForExif) {
    QAction* deleteLens = fixture.action("actionDeleteLens");
    EXPECT_FALSE(deleteLens->isEnabled()) << "the photograph's own lens is shown";
    enterLens(QStringLiteral("Zoom"));
    enterLens(QStringLiteral("Prime"));
    enterLens(QStringLiteral("Zoom"));
    ASSERT_TRUE(deleteLens->isEnabled());

    fixture.alerts.setAnswer(alertAlternateReturn);
    deleteLens->trigger();
    EXPECT_EQ(storedLenses().size(), 3);
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts()[0].title, QStringLiteral("lensDelCaution"));
    EXPECT_TRUE(fixture.alerts.alerts()[0].message.contains(QStringLiteral("Zoom")));

    fixture.alerts.setAnswer(alertDefaultReturn);
    deleteLens->trigger();
    EXPECT_EQ(storedLenses(), (QStringList{QStringLiteral("Exif"), QStringLiteral("Prime")}));
    EXPECT_FALSE(deleteLens->isEnabled()) << "the name shown is no longer listed";

    fixture.window().close();
    enterLens(QStringLiteral("Prime"));
    fixture.alerts.clear();
    deleteLens->trigger();
    EXPECT_TRUE(fixture.alerts.alerts().isEmpty());
    EXPECT_EQ(storedLenses().size(), 2);
}

// Cancelled preferences change and write nothing; confirmed ones apply at once, the
// medium too, and are saved.
TEST_F(Lenses, ConfirmedPreferencesApplyAtOnceAndAreSaved) {
    ASSERT_TRUE(fixture.labelTexts().contains(QStringLiteral("Canon")));
    QFile::remove(fixture.paths().settingsFile);
    fixture.dialogs.preferencesChoice = [](PreferencesDialog& panel) {
        panel.mediaTypeButton()->setCurrentIndex(1);
        panel.selectMedia();
        panel.checkBoxForItem(PhotoInfo::Item::Maker)->setChecked(false);
        panel.checkBoxForItem(PhotoInfo::Item::Model)->setChecked(false);
    };
    fixture.dialogs.confirmPreferences = false;
    fixture.trigger("actionPreferences");
    EXPECT_FALSE(QFile::exists(fixture.paths().settingsFile));
    EXPECT_TRUE(fixture.labelTexts().contains(QStringLiteral("Canon")));

    fixture.dialogs.confirmPreferences = true;
    fixture.trigger("actionPreferences");
    const QVariantMap stored = fixture.readSettings();
    EXPECT_EQ(stored.value("mediaTypeName").toString(), QStringLiteral("Roll 60"));
    EXPECT_FALSE(stored.value("exifItem").toMap().value("Maker").toBool());
    ASSERT_NE(fixture.label(), nullptr);
    EXPECT_EQ(fixture.label()->medium(), QStringLiteral("Roll 60"));
    EXPECT_FALSE(fixture.labelTexts().contains(QStringLiteral("Canon")));
    // The font the panel showed is a real one, never an empty name.
    EXPECT_FALSE(stored.value("fontName").toString().isEmpty());
    // Opened again, the panel is given the medium in effect.
    fixture.dialogs.preferencesChoice = [](PreferencesDialog& panel) {
        EXPECT_EQ(panel.mediaType(), QStringLiteral("Roll 60"));
    };
    fixture.trigger("actionPreferences");
}

// The default photographer and lens are set in the preferences and reach every
// photograph without its own.
TEST_F(Lenses, TheDefaultPhotographerAndLensAreSetInThePreferences) {
    enterLens(QStringLiteral("Macro 100"));
    fixture.select(0);
    fixture.dialogs.preferencesChoice = [](PreferencesDialog& panel) {
        panel.findChild<QLineEdit*>(QStringLiteral("defaultPhotographerBox"))
            ->setText(QStringLiteral("Kim Doe"));
        panel.findChild<QComboBox*>(QStringLiteral("defaultLensBox"))->setCurrentIndex(0);
    };
    fixture.trigger("actionPreferences");
    EXPECT_EQ(fixture.readSettings().value("photographer").toString(), QStringLiteral("Kim Doe"));
    EXPECT_EQ(fixture.readSettings().value("defaultLens").toString(), QStringLiteral("Exif"));
    EXPECT_TRUE(fixture.labelTexts().contains(QStringLiteral("Kim Doe")));
    EXPECT_EQ(fixture.photographerField()->text(), QString());
    EXPECT_EQ(fixture.photographerField()->placeholderText(), QStringLiteral("Kim Doe"));
}

} // namespace
