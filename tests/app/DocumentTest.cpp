// The photo list as the photographer's document: what is shown and edited for each
// entry, how unreadable photographs are told, and Undo.

#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "app/PhotoList.h"
#include "app/PhotoListPanel.h"
#include "label/CaptionSheet.h"
#include "label/LabelLayout.h"
#include "preferences/PreferencesDialog.h"

#include <exiv2/exiv2.hpp>

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <QUrl>

namespace {

class Document : public testing::Test {
protected:
    void SetUp() override { fixture.writeSettingsWithMedium(QStringLiteral("Tape 18")); }

    // A caption sheet in the folder "show" of the home folder, naming its photographs
    // there; those in `present` are copies of the sample photograph.
    QString sheet(const QByteArray& rows, const QStringList& present) {
        const QDir show(fixture.home() + QStringLiteral("/show"));
        show.mkpath(QStringLiteral("."));
        for (const QString& name : present)
            QFile::copy(fixture.samplePhoto(name), show.filePath(name));
        return fixture.fileWithBytes(QStringLiteral("show/captions.csv"), rows);
    }
    void importSheet(const QString& path) {
        fixture.dialogs.openAnswer = QStringList{path};
        fixture.trigger("actionImportSheet");
        ASSERT_TRUE(fixture.waitForReading());
    }
    QString data(int row, int role) const {
        return fixture.list().index(row, 0).data(role).toString();
    }
    double labelWidth() const { return fixture.label()->labelSize().width(); }
    QAction* undo() const { return fixture.action("actionUndo"); }
    QAction* redo() const { return fixture.action("actionRedo"); }

    AppFixture fixture;
};

// An entry whose photograph cannot be read shows no label, says why and takes no
// typing; the other entries keep what was typed for them.
TEST_F(Document, AnUnreadableEntryShowsWhyAndTypingReachesNoOtherEntry) {
    fixture.start();
    importSheet(sheet("file,title\r\na.jpg,\r\nb.jpg,Bee\r\nc.jpg,\r\nmissing.jpg,Lost\r\n",
                      {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg")}));
    fixture.select(2);
    fixture.typeTitle(QStringLiteral("Sea"));
    fixture.select(3);
    EXPECT_EQ(fixture.label(), nullptr);
    EXPECT_EQ(fixture.window().windowTitle(), QStringLiteral("missing.jpg"));
    EXPECT_FALSE(fixture.titleField()->isEnabled());
    EXPECT_TRUE(fixture.titleField()->text().isEmpty());
    EXPECT_FALSE(fixture.action("actionPrint")->isEnabled());
    emit fixture.window().titleEdited(QStringLiteral("Typed nowhere"));
    emit fixture.window().photographerEdited(QStringLiteral("Nobody"));
    fixture.dialogs.saveAnswer = fixture.home() + QStringLiteral("/show/out.csv");
    fixture.trigger("actionExportSheet");
    const auto rows = CaptionSheet::read(*fixture.dialogs.saveAnswer).value();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1].title, QStringLiteral("Bee"));
    EXPECT_EQ(rows[2].title, QStringLiteral("Sea"));
    EXPECT_EQ(rows[3].title, QStringLiteral("Lost"));
    EXPECT_FALSE(rows[3].photographer);
}

// The fields show the selected entry's own captions and edit that entry alone; the
// default photographer shows greyed in the field of an entry without its own.
TEST_F(Document, EachEntrysOwnCaptionsAreShownAndEdited) {
    fixture.start();
    importSheet(sheet("file,title,photographer,lens\r\na.jpg,Dawn,Kim,Macro 100\r\nb.jpg,,,\r\n",
                      {QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}));
    fixture.select(0);
    EXPECT_EQ(fixture.titleField()->text(), QStringLiteral("Dawn"));
    EXPECT_EQ(fixture.photographerField()->text(), QStringLiteral("Kim"));
    EXPECT_EQ(fixture.lensBox()->currentText(), QStringLiteral("Macro 100"));
    EXPECT_TRUE(fixture.labelTexts().contains(QStringLiteral("Kim")));
    fixture.photographerField()->selectAll();
    fixture.typePhotographer(QStringLiteral("Lee"));
    EXPECT_TRUE(fixture.labelTexts().contains(QStringLiteral("Lee")));
    EXPECT_EQ(fixture.list().index(0, 0).data(PhotoList::PhotographerRole).toString(),
              QStringLiteral("Lee"));

    fixture.select(1);
    EXPECT_TRUE(fixture.photographerField()->text().isEmpty());
    EXPECT_EQ(fixture.photographerField()->placeholderText(), QStringLiteral("Ann Example"));
    EXPECT_TRUE(fixture.labelTexts().contains(QStringLiteral("Ann Example")));
    EXPECT_EQ(fixture.lensBox()->currentText(), QStringLiteral("Exif"));
    EXPECT_FALSE(fixture.list().index(1, 0).data(PhotoList::PhotographerRole).isValid());
    // Emptying an entry's own photographer gives it back the default.
    fixture.select(0);
    fixture.photographerField()->selectAll();
    QTest::keyClick(fixture.photographerField(), Qt::Key_Delete);
    EXPECT_TRUE(fixture.labelTexts().contains(QStringLiteral("Ann Example")));
}

// The label and the list follow each key typed, from the photograph already read.
TEST_F(Document, TheLabelAndTheListFollowTheTyping) {
    const QString photo = fixture.samplePhoto(QStringLiteral("harbour.jpg"));
    fixture.start({photo});
    ASSERT_TRUE(fixture.waitForReading());
    QFile::remove(photo);
    const double before = labelWidth();
    fixture.typeTitle(QStringLiteral("Harb"));
    EXPECT_TRUE(fixture.labelTexts().contains(QStringLiteral("Harb")));
    EXPECT_EQ(data(0, PhotoList::TitleRole), QStringLiteral("Harb"));
    fixture.typeTitle(QStringLiteral("our at dawn"));
    EXPECT_TRUE(fixture.labelTexts().contains(QStringLiteral("Harbour at dawn")));
    EXPECT_GT(labelWidth(), before);
    EXPECT_DOUBLE_EQ(fixture.list().index(0, 0).data(PhotoList::LabelWidthRole).toDouble(),
                     labelWidth());
}

// Edit > Undo takes back typing (one step per field and visit), removals, moves and
// clearing the list; Redo repeats them.
TEST_F(Document, UndoTakesBackCaptionsRemovalsMovesAndClearing) {
    fixture.start({fixture.samplePhoto(QStringLiteral("a.jpg")),
                   fixture.samplePhoto(QStringLiteral("b.jpg")),
                   fixture.samplePhoto(QStringLiteral("c.jpg"))});
    ASSERT_TRUE(fixture.waitForReading());
    EXPECT_FALSE(undo()->isEnabled());
    fixture.select(0);
    fixture.typeTitle(QStringLiteral("Dawn"));
    fixture.typePhotographer(QStringLiteral("Kim"));
    undo()->trigger();
    EXPECT_FALSE(fixture.list().index(0, 0).data(PhotoList::PhotographerRole).isValid());
    EXPECT_EQ(data(0, PhotoList::TitleRole), QStringLiteral("Dawn"));
    undo()->trigger();
    EXPECT_TRUE(data(0, PhotoList::TitleRole).isEmpty());
    EXPECT_TRUE(fixture.titleField()->text().isEmpty());
    redo()->trigger();
    EXPECT_EQ(fixture.titleField()->text(), QStringLiteral("Dawn"));

    auto* panel = fixture.window().photoListPanel();
    panel->findChild<QToolButton*>(QStringLiteral("moveDownButton"))->click();
    EXPECT_EQ(data(1, Qt::DisplayRole), QStringLiteral("a.jpg"));
    panel->findChild<QToolButton*>(QStringLiteral("removeButton"))->click();
    EXPECT_EQ(fixture.list().rowCount(), 2);
    panel->findChild<QToolButton*>(QStringLiteral("clearButton"))->click();
    EXPECT_EQ(fixture.list().rowCount(), 0);
    EXPECT_EQ(fixture.label(), nullptr);
    undo()->trigger();
    undo()->trigger();
    ASSERT_EQ(fixture.list().rowCount(), 3);
    EXPECT_EQ(data(1, PhotoList::TitleRole), QStringLiteral("Dawn"));
    undo()->trigger();
    EXPECT_EQ(data(0, Qt::DisplayRole), QStringLiteral("a.jpg"));
    EXPECT_EQ(data(0, PhotoList::TitleRole), QStringLiteral("Dawn"));
    EXPECT_TRUE(undo()->text().contains(QStringLiteral("editTitleUndo")));
}

// Open, drops, later launches and sheets follow one rule: every file given joins the
// list, and once the reading ends one alert names each that cannot be read, with the
// reason. They stay in the list, marked, with their captions.
TEST_F(Document, EveryUnreadableFileIsNamedWithItsReasonInOneAlert) {
    fixture.start();
    const QStringList files = {
        fixture.samplePhoto(QStringLiteral("good.jpg")),
        fixture.fileWithBytes(QStringLiteral("noise.jpg"), QByteArray(5000, '\x5a')),
        fixture.home() + QStringLiteral("/missing.jpg"),
        fixture.fileWithBytes(QStringLiteral("notes.txt"), "notes")};
    fixture.dialogs.openAnswer = files;
    fixture.trigger("actionOpen");
    ASSERT_TRUE(fixture.waitForReading());
    ASSERT_EQ(fixture.list().rowCount(), 4);
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    const AlertContent told = fixture.alerts.alerts().first();
    EXPECT_EQ(told.title, QStringLiteral("listNotReadTitle"));
    ASSERT_EQ(told.details.size(), 3);
    EXPECT_EQ(told.details[0], QStringLiteral("noise.jpg: ") + data(1, PhotoList::FailureRole));
    EXPECT_EQ(told.details[1], QStringLiteral("missing.jpg: photoMissing"));
    EXPECT_EQ(told.details[2], QStringLiteral("notes.txt: OnlyTiffOrJpegOrPsdMessage"));
    EXPECT_FALSE(data(1, PhotoList::FailureRole).isEmpty());

    fixture.alerts.clear();
    fixture.app().takeHandedOverRequest({files[2]});
    ASSERT_TRUE(fixture.waitForReading());
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts().first().details,
              QStringList{QStringLiteral("missing.jpg: photoMissing")});

    fixture.alerts.clear();
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(files[0]), QUrl::fromLocalFile(files[1])});
    emit fixture.window().photosDropped({files[0], files[1]});
    ASSERT_TRUE(fixture.waitForReading());
    EXPECT_EQ(fixture.list().rowCount(), 7);
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts().first().details.size(), 1);
}

// Photographs without camera data are labelled when the preference is on, however
// they arrive: alone or with others, opened, handed over or named at start.
TEST_F(Document, PhotographsWithoutCameraDataFollowThePreferenceHoweverTheyArrive) {
    fixture.start();
    const QString scan = QDir(fixture.home()).filePath(QStringLiteral("scan.jpg"));
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(scan, "JPEG"));
    fixture.app().takeHandedOverRequest({scan});
    ASSERT_TRUE(fixture.waitForReading());
    EXPECT_EQ(fixture.label(), nullptr);
    EXPECT_EQ(fixture.alerts.alerts().size(), 1);

    fixture.dialogs.preferencesChoice = [](PreferencesDialog& panel) {
        EXPECT_FALSE(panel.labelWithoutCameraData());
        panel.setListOptions(false, true);
    };
    fixture.trigger("actionPreferences");
    EXPECT_EQ(fixture.readSettings().value("labelWithoutCameraData"), true);
    fixture.app().takeHandedOverRequest({scan});
    ASSERT_TRUE(fixture.waitForReading());
    ASSERT_NE(fixture.label(), nullptr);
    EXPECT_TRUE(fixture.labelTexts().contains(QStringLiteral("scan.jpg")));
    fixture.dialogs.openAnswer = QStringList{scan};
    fixture.trigger("actionOpen");
    ASSERT_TRUE(fixture.waitForReading());
    EXPECT_NE(fixture.label(), nullptr);
    fixture.start({scan});
    ASSERT_TRUE(fixture.waitForReading());
    EXPECT_NE(fixture.label(), nullptr);
    EXPECT_EQ(fixture.alerts.alerts().size(), 1);
}

// A photograph given no title takes its own when that preference is on; a typed title
// stays the photograph's.
TEST_F(Document, PhotographsOwnTitlesAreTakenWhenChosen) {
    fixture.start();
    const QString titled = fixture.samplePhoto(QStringLiteral("titled.jpg"));
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(titled).toStdString());
    image->readMetadata();
    image->iptcData()["Iptc.Application2.ObjectName"] = "Old mill";
    image->writeMetadata();
    fixture.app().takeHandedOverRequest({titled});
    ASSERT_TRUE(fixture.waitForReading());
    EXPECT_TRUE(fixture.titleField()->text().isEmpty());

    fixture.dialogs.preferencesChoice = [](PreferencesDialog& panel) {
        panel.setListOptions(true, false);
    };
    fixture.trigger("actionPreferences");
    fixture.app().takeHandedOverRequest({titled});
    ASSERT_TRUE(fixture.waitForReading());
    EXPECT_EQ(fixture.titleField()->text(), QStringLiteral("Old mill"));
    fixture.titleField()->selectAll();
    fixture.typeTitle(QStringLiteral("Mill, winter"));
    EXPECT_EQ(data(1, PhotoList::TitleRole), QStringLiteral("Mill, winter"));
}

} // namespace
