#include "app/PhotoList.h"
#include "app/PhotoIntake.h"
#include "app/PhotoListPanel.h"
#include "photo/PhotoRecord.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"

#include <exiv2/exiv2.hpp>

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString sample = QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg");

QStringList pathsOf(const PhotoList& list) {
    QStringList paths;
    for (int row = 0; row < list.rowCount(); ++row)
        paths.append(list.entry(row).path);
    return paths;
}

// A list of entries named a, b, c, ... that were never read.
void fill(PhotoList& list, const QString& names) {
    for (const QChar name : names)
        list.append({.path = name, .failure = QStringLiteral("unread")});
}

LabelOptions tape18() {
    LabelOptions options;
    options.medium = QStringLiteral("Tape 18");
    return options;
}

std::shared_ptr<PhotoRecord> analysedSample() {
    std::shared_ptr<PhotoRecord> record =
        PhotoRecord::initWithData(FileData::initWithContentsOfFile(sample));
    record->setFileName(sample);
    return record;
}

TEST(PhotoList, EachPhotographKeepsItsCaptionsAndTheWindowsOtherwise) {
    PhotoList list;
    LabelOptions window = tape18();
    window.photographer = QStringLiteral("Window");
    window.lens = QStringLiteral("Window lens");
    list.setLabelDefaults(window);
    list.append({.path = sample, .record = analysedSample()});
    list.append({.path = sample, .record = analysedSample(), .photographer = "Own"});
    const double plainLength = list.data(list.index(0), PhotoList::LabelWidthRole).toDouble();
    EXPECT_GT(plainLength, 30);

    QSignalSpy changed(&list, &PhotoList::dataChanged);
    EXPECT_TRUE(list.setData(list.index(0),
                             QStringLiteral("A much longer title for the first "
                                            "photograph of the show"),
                             Qt::EditRole));
    EXPECT_EQ(changed.size(), 1);
    EXPECT_GT(list.data(list.index(0), PhotoList::LabelWidthRole).toDouble(), plainLength);
    EXPECT_EQ(list.labelOptions(0).photographer, "Window");
    EXPECT_EQ(list.labelOptions(1).photographer, "Own");
    EXPECT_FALSE(list.labelOptions(1).title) << "no title of its own";

    list.setLens(1, QStringLiteral("Own lens"));
    list.setPhotographer(1, std::nullopt);
    EXPECT_EQ(list.labelOptions(1).lens, "Own lens");
    EXPECT_EQ(list.labelOptions(1).photographer, "Window");
    list.setTitle(0, QString());
    EXPECT_EQ(list.data(list.index(0), PhotoList::LabelWidthRole).toDouble(), plainLength);
}

class Intake : public testing::Test {
protected:
    void SetUp() override {
        useEmptyStringTable();
        ASSERT_TRUE(folder.isValid());
        list.setLabelDefaults(tape18());
    }
    QString copyOfSample(int number) const {
        const QString path = folder.filePath(QStringLiteral("photo-%1.jpg").arg(number));
        EXPECT_TRUE(QFile::copy(sample, path));
        return path;
    }
    QString damaged() const {
        QFile file(folder.filePath(QStringLiteral("damaged.jpg")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QByteArray(64, 'x')) == 64);
        return file.fileName();
    }
    QString jpegWithoutExif() const {
        const QString path = folder.filePath(QStringLiteral("scan.jpg"));
        QImage picture(120, 80, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        EXPECT_TRUE(picture.save(path, "JPEG"));
        return path;
    }
    // Runs the event loop until the intake has finished; whether it was cancelled.
    bool finish() {
        QSignalSpy finished(&intake, &PhotoIntake::finished);
        EXPECT_TRUE(finished.wait(60000));
        return finished.value(0).value(0).toBool();
    }

    QTemporaryDir folder;
    PhotoList list;
    // Titles taken from photographs are cut to 8 characters.
    PhotoIntake intake{list, 8};
};

TEST_F(Intake, FillsTheListInTheOrderGivenAndSaysWhyAFileFailed) {
    const QStringList paths{copyOfSample(1), damaged(), folder.filePath("missing.jpg"),
                            jpegWithoutExif(), copyOfSample(2)};
    QSignalSpy progress(&intake, &PhotoIntake::progressChanged);
    intake.add(paths);
    EXPECT_TRUE(intake.isBusy());
    EXPECT_FALSE(finish());
    EXPECT_EQ(pathsOf(list), paths);
    EXPECT_EQ(progress.last(), QVariantList({5, 5}));

    for (const int good : {0, 4}) {
        const PhotoEntry& entry = list.entry(good);
        ASSERT_TRUE(entry.record);
        EXPECT_TRUE(entry.failure.isEmpty());
        EXPECT_EQ(entry.thumbnail.height(), PhotoIntake::thumbnailHeight);
        EXPECT_EQ(entry.record->fileName(), entry.path);
        EXPECT_GT(list.data(list.index(good), PhotoList::LabelWidthRole).toDouble(), 0);
    }
    EXPECT_FALSE(list.entry(1).record);
    EXPECT_FALSE(list.entry(1).failure.isEmpty());
    EXPECT_EQ(list.entry(2).failure, "PhotoListUnreadable");
    EXPECT_FALSE(list.entry(3).record) << "no camera data, not accepted";
    EXPECT_FALSE(list.entry(3).failure.isEmpty());

    // Accepted, a photograph without camera data is listed with its picture.
    intake.setAcceptWithoutCameraData(true);
    intake.add(QStringList{paths[3], paths[1]});
    finish();
    EXPECT_FALSE(list.entry(6).record) << "not a picture either";
    ASSERT_TRUE(list.entry(5).record);
    EXPECT_TRUE(list.entry(5).record->withoutCameraData());
    EXPECT_EQ(list.entry(5).thumbnail.size(), QSize(96, 64));
}

// Taking photographs' own titles, the worker reads each with its photograph: the entry
// reaches the list with its title, cut to the longest accepted, with nothing left for
// the event loop to read. A given title stays.
TEST_F(Intake, APhotographsOwnTitleComesWithItsEntry) {
    const QString titled = copyOfSample(1);
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(titled).toStdString());
    image->readMetadata();
    image->iptcData()["Iptc.Application2.ObjectName"] = "Old mill by the river";
    image->writeMetadata();
    intake.setTitlesFromPhotos(true);
    intake.add({{.path = titled}, {.path = titled, .title = "Given"}});
    finish();
    EXPECT_EQ(list.entry(0).title, "Old mill") << "no list filler here to read it";
    EXPECT_EQ(list.entry(1).title, "Given");
}

TEST_F(Intake, CancelKeepsWhatWasReadInOrderAndDropsTheRest) {
    // Enough photographs that the worker cannot read them all before the event loop,
    // however busy the machine, hears of the first.
    QStringList paths;
    for (int number = 0; number < 2000; ++number)
        paths.append(copyOfSample(number));
    // Cancelled as the first photograph arrives.
    const auto cancelling =
        QObject::connect(&intake, &PhotoIntake::progressChanged, &intake,
                         [this](int done) { done == 1 ? intake.cancel() : void(); });
    intake.add(paths);
    EXPECT_TRUE(finish());
    EXPECT_GE(list.rowCount(), 1);
    EXPECT_LT(list.rowCount(), paths.size());
    EXPECT_EQ(pathsOf(list), paths.first(list.rowCount()));

    QObject::disconnect(cancelling);
    intake.add(QStringList{paths.last()});
    EXPECT_FALSE(finish()) << "a later run starts afresh";
    EXPECT_EQ(list.entry(list.rowCount() - 1).path, paths.last());
}

// The panel's buttons move, remove and clear entries and tell the window; the list
// refuses edits past its end.
TEST(PhotoListPanel, ButtonsEditTheListAndTellTheWindow) {
    PhotoList list;
    fill(list, "abcd");
    PhotoListPanel panel;
    panel.setList(&list);
    const auto button = [&panel](const char* name) {
        return panel.findChild<QToolButton*>(QString::fromLatin1(name));
    };
    QSignalSpy current(&panel, &PhotoListPanel::currentEntryChanged);
    QSignalSpy removed(&panel, &PhotoListPanel::entriesRemoved);
    QSignalSpy moved(&panel, &PhotoListPanel::entryMoved);
    EXPECT_FALSE(button("moveUpButton")->isEnabled());

    panel.setCurrentRow(1);
    EXPECT_EQ(current.last(), QVariantList({1}));
    button("moveDownButton")->click();
    EXPECT_EQ(pathsOf(list), QStringList({"a", "c", "b", "d"}));
    EXPECT_EQ(moved.last(), QVariantList({1, 2}));
    EXPECT_EQ(panel.currentRow(), 2);
    button("moveUpButton")->click();
    button("moveUpButton")->click();
    EXPECT_EQ(pathsOf(list), QStringList({"b", "a", "c", "d"}));
    EXPECT_FALSE(button("moveUpButton")->isEnabled());

    button("removeButton")->click();
    EXPECT_EQ(pathsOf(list), QStringList({"a", "c", "d"}));
    EXPECT_EQ(removed.size(), 1);
    EXPECT_FALSE(list.moveRow({}, 0, {}, 4)) << "past the end";
    EXPECT_FALSE(list.removeRows(2, 2)) << "past the end";
    EXPECT_EQ(list.data(list.index(0), PhotoList::LabelWidthRole).toDouble(), 0.0)
        << "no label unread";
    button("clearButton")->click();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(removed.size(), 2);
    EXPECT_FALSE(button("clearButton")->isEnabled());
}

} // namespace
