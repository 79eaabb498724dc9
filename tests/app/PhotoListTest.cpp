#include "app/PhotoList.h"
#include "app/ListEdits.h"
#include "app/PhotoIntake.h"
#include "app/PhotoListPanel.h"
#include "photo/PhotoRecord.h"
#include "platform/FileData.h"

#include <exiv2/exiv2.hpp>

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

const QString sample = QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg");

QStringList pathsOf(const PhotoList& list) {
    QStringList paths;
    for (int row = 0; row < list.rowCount(); ++row)
        paths.append(list.entry(row).path);
    return paths;
}

// Entries named a, b, c, ... that could not be read.
std::vector<PhotoEntry> unread(const QString& names) {
    std::vector<PhotoEntry> entries;
    for (const QChar name : names)
        entries.push_back({.path = name, .failure = QStringLiteral("unread")});
    return entries;
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
    list.append({{.path = sample, .record = analysedSample()},
                 {.path = sample, .record = analysedSample(), .photographer = "Own"}});
    const double plainLength = list.data(list.index(0), PhotoList::LabelWidthRole).toDouble();
    EXPECT_GT(plainLength, 30);

    QSignalSpy changed(&list, &PhotoList::dataChanged);
    list.setTitle(0, QStringLiteral("A much longer title for the first photograph of the show"));
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

// Undone and redone in any order, edits find their entries by id wherever the entries
// moved, and removed entries return to their places with what they held.
TEST(ListEdits, UndoAndRedoFindTheirEntriesWhereverTheyMoved) {
    PhotoList list;
    list.append(unread("abcd"));
    QUndoStack edits;
    const quint64 c = list.entry(2).id;
    edits.push(new ListEdits::EditCaption(list, c, ListEdits::Caption::Title, "Sea", 1));
    edits.push(new ListEdits::EditCaption(list, c, ListEdits::Caption::Title, "Sea view", 1));
    EXPECT_EQ(edits.count(), 1) << "typing in one session is one edit";
    edits.push(new ListEdits::MoveEntry(list, c, -1));
    edits.push(new ListEdits::RemoveEntries(list, {list.entry(0).id, list.entry(3).id}, "Remove"));
    EXPECT_EQ(pathsOf(list), QStringList({"c", "b"}));
    list.append(unread("e"));
    edits.push(new ListEdits::EditCaption(list, c, ListEdits::Caption::Lens, "Macro", 2));
    edits.undo();
    edits.undo();
    EXPECT_EQ(pathsOf(list), QStringList({"a", "c", "b", "d", "e"}));
    edits.undo();
    edits.undo();
    EXPECT_EQ(pathsOf(list), QStringList({"a", "b", "c", "d", "e"}));
    EXPECT_TRUE(list.entry(2).title.isEmpty());
    while (edits.canRedo())
        edits.redo();
    EXPECT_EQ(pathsOf(list), QStringList({"c", "b", "e"}));
    EXPECT_EQ(list.entry(0).title, "Sea view");
    EXPECT_EQ(list.entry(0).lens, "Macro");
}

class Intake : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        list.setLabelDefaults(tape18());
        QObject::connect(&list, &PhotoList::entriesToRead, &intake, &PhotoIntake::read);
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
    // Runs the event loop until the intake has finished; the entries a cancel dropped.
    QList<quint64> finish() {
        QSignalSpy finished(&intake, &PhotoIntake::finished);
        EXPECT_TRUE(finished.wait(60000));
        return finished.value(0).value(0).value<QList<quint64>>();
    }

    QTemporaryDir folder;
    PhotoList list;
    // Titles taken from photographs are cut to 8 characters.
    PhotoIntake intake{list, 8};
};

// Entries are listed at once and read afterwards, each in place, in the order given;
// one that cannot be read says why.
TEST_F(Intake, ReadsEachEntryInPlaceAndSaysWhyAFileFailed) {
    const QStringList paths{copyOfSample(1), damaged(), folder.filePath("missing.jpg"),
                            jpegWithoutExif(), copyOfSample(2)};
    QSignalSpy progress(&intake, &PhotoIntake::progressChanged);
    list.append(PhotoList::entriesFor(paths));
    EXPECT_EQ(pathsOf(list), paths);
    EXPECT_TRUE(list.entry(4).beingRead());
    EXPECT_TRUE(intake.isBusy());
    EXPECT_TRUE(finish().isEmpty());
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
    EXPECT_EQ(list.entry(2).failure, "photoMissing");
    EXPECT_FALSE(list.entry(3).record) << "no camera data, not accepted";
    EXPECT_FALSE(list.entry(3).failure.isEmpty());

    // Accepted, a photograph without camera data is labelled from its picture.
    intake.setAcceptWithoutCameraData(true);
    list.append(PhotoList::entriesFor({paths[3], paths[1]}));
    finish();
    EXPECT_FALSE(list.entry(6).record) << "not a picture either";
    ASSERT_TRUE(list.entry(5).record);
    EXPECT_TRUE(list.entry(5).record->withoutCameraData());
    EXPECT_EQ(list.entry(5).thumbnail.size(), QSize(96, 64));
}

// Taking photographs' own titles, the worker reads each with its photograph, cut to the
// longest accepted; a given title, or one typed while it was read, stays.
TEST_F(Intake, APhotographsOwnTitleComesWithItsEntryUnlessItHasOne) {
    const QString titled = copyOfSample(1);
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(titled).toStdString());
    image->readMetadata();
    image->iptcData()["Iptc.Application2.ObjectName"] = "Old mill by the river";
    image->writeMetadata();
    intake.setTitlesFromPhotos(true);
    list.append({{.path = titled}, {.path = titled, .title = "Given"}, {.path = titled}});
    list.setTitle(2, QStringLiteral("Typed"));
    finish();
    EXPECT_EQ(list.entry(0).title, "Old mill");
    EXPECT_EQ(list.entry(1).title, "Given");
    EXPECT_EQ(list.entry(2).title, "Typed");
}

// A cancel leaves the entries read as they are and names those left unread; a later
// run starts afresh.
TEST_F(Intake, CancelNamesTheEntriesLeftUnread) {
    // Enough photographs that the worker cannot read them all before the event loop,
    // however busy the machine, hears of the first.
    QStringList paths;
    for (int number = 0; number < 2000; ++number)
        paths.append(copyOfSample(number));
    const auto cancelling =
        QObject::connect(&intake, &PhotoIntake::progressChanged, &intake,
                         [this](int done) { done == 1 ? intake.cancel() : void(); });
    list.append(PhotoList::entriesFor(paths));
    const QList<quint64> dropped = finish();
    ASSERT_FALSE(dropped.isEmpty());
    ASSERT_LT(dropped.size(), paths.size());
    const int firstDropped = list.rowOf(dropped.first());
    EXPECT_TRUE(list.entry(firstDropped).beingRead());
    EXPECT_TRUE(list.entry(firstDropped - 1).readable());
    EXPECT_EQ(list.rowOf(dropped.last()), paths.size() - 1);

    QObject::disconnect(cancelling);
    list.append(PhotoList::entriesFor({paths.last()}));
    EXPECT_TRUE(finish().isEmpty()) << "a later run starts afresh";
    EXPECT_TRUE(list.entry(list.rowCount() - 1).readable());
}

// The panel's buttons ask for the edits of the current and selected entries.
TEST(PhotoListPanel, ButtonsAskForTheirEdits) {
    PhotoList list;
    list.append(unread("abcd"));
    PhotoListPanel panel;
    panel.setList(&list);
    const auto button = [&panel](const char* name) {
        return panel.findChild<QToolButton*>(QString::fromLatin1(name));
    };
    QSignalSpy current(&panel, &PhotoListPanel::currentEntryChanged);
    QSignalSpy removal(&panel, &PhotoListPanel::removeRequested);
    QSignalSpy moves(&panel, &PhotoListPanel::moveRequested);
    QSignalSpy clearing(&panel, &PhotoListPanel::clearRequested);
    EXPECT_FALSE(button("moveUpButton")->isEnabled());

    panel.setCurrentRow(1);
    EXPECT_EQ(current.last(), QVariantList({1}));
    button("moveDownButton")->click();
    button("moveUpButton")->click();
    EXPECT_EQ(moves.at(0), QVariantList({1, 1}));
    EXPECT_EQ(moves.at(1), QVariantList({1, -1}));
    button("removeButton")->click();
    EXPECT_EQ(removal.last().at(0).value<QList<int>>(), QList<int>{1});
    button("clearButton")->click();
    EXPECT_EQ(clearing.size(), 1);
    EXPECT_EQ(pathsOf(list), QStringList({"a", "b", "c", "d"})) << "the panel edits nothing";
    EXPECT_FALSE(list.moveRow({}, 0, {}, 5)) << "past the end";
    EXPECT_TRUE(list.take(2, 3).empty()) << "past the end";
}

} // namespace
