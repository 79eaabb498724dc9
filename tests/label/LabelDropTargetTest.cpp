#include "label/DropPrompt.h"
#include "label/LabelView.h"
#include "label/TapeLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class LabelDropTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"photo.jpg", "PHOTO2.JPG", "scan.TiFf", "old.jpe", "shot.png"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("album.jpg")));
        tape.setLabel(std::make_unique<TapeLayout>());
        QObject::connect(&tape, &LabelView::photosDropped,
                         [this](const QStringList& paths) { tapeDrops.append(paths); });
        QObject::connect(&prompt, &DropPrompt::photosDropped,
                         [this](const QStringList& paths) { promptDrops.append(paths); });
    }

    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    static std::unique_ptr<QMimeData> dragOf(const QStringList& paths) {
        auto mime = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        mime->setUrls(urls);
        return mime;
    }

    static bool enter(QWidget& view, const QMimeData& mime) {
        QDragEnterEvent event(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
        return event.isAccepted();
    }

    static bool drop(QWidget& view, const QMimeData& mime) {
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
        return event.isAccepted();
    }

    static void leave(QWidget& view) {
        QDragLeaveEvent event;
        QCoreApplication::sendEvent(&view, &event);
    }

    QTemporaryDir folder;
    LabelView tape;
    DropPrompt prompt;
    QStringList tapeDrops;
    QStringList promptDrops;
};

TEST_F(LabelDropTargetTest, AcceptsExistingPhotographFilesInAnyLetterCase) {
    const std::pair<QStringList, bool> drags[] = {{{path("PHOTO2.JPG")}, true},
                                                  {{path("shot.png"), path("scan.TiFf")}, true},
                                                  {{path("album.jpg"), path("shot.png")}, false},
                                                  {{path("album.jpg")}, false},
                                                  {{path("missing.jpg")}, false},
                                                  {{path("old.jpe")}, false},
                                                  {{path("shot.png")}, false},
                                                  {{}, false}};
    for (const auto& [paths, accepted] : drags)
        EXPECT_EQ(LabelDropTarget::acceptableObject(dragOf(paths).get()), accepted)
            << paths.join(QLatin1Char(' ')).toStdString();
    QMimeData text;
    text.setText(path("photo.jpg"));
    EXPECT_FALSE(LabelDropTarget::acceptableObject(&text)) << "a text is not a file name";
}

// A refused drag neither highlights nor signals; entering highlights and leaving
// restores; each drop signals its path from the label or the prompt it landed on.
TEST_F(LabelDropTargetTest, LabelAndPromptHighlightWhileDraggedAndSignalEachDrop) {
    const auto two = dragOf({path("album.jpg"), path("shot.png")});
    EXPECT_FALSE(enter(tape, *two));
    EXPECT_FALSE(tape.dragging());
    EXPECT_FALSE(drop(tape, *two));

    const auto first = dragOf({path("PHOTO2.JPG")});
    EXPECT_TRUE(enter(tape, *first));
    EXPECT_EQ(tape.grab().toImage().pixel(2, 2), dragHighlightColour.rgb());
    leave(tape);
    EXPECT_FALSE(tape.dragging());
    EXPECT_EQ(tape.grab().toImage().pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_TRUE(tapeDrops.isEmpty());

    ASSERT_TRUE(enter(tape, *first));
    EXPECT_TRUE(drop(tape, *first));
    EXPECT_FALSE(tape.dragging());
    const auto second = dragOf({path("photo.jpg")});
    ASSERT_TRUE(enter(prompt, *second));
    EXPECT_TRUE(prompt.dragging());
    EXPECT_TRUE(drop(prompt, *second));
    EXPECT_EQ(tapeDrops, QStringList{path("PHOTO2.JPG")});
    EXPECT_EQ(promptDrops, QStringList{path("photo.jpg")});
    // Of several files, the photographs are given, in their order.
    const auto several = dragOf({path("scan.TiFf"), path("shot.png"), path("photo.jpg")});
    ASSERT_TRUE(enter(prompt, *several));
    EXPECT_TRUE(drop(prompt, *several));
    EXPECT_EQ(promptDrops, (QStringList{path("photo.jpg"), path("scan.TiFf"), path("photo.jpg")}));
}

} // namespace
