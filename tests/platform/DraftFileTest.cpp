#include "platform/DraftFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DraftFile, TakesTheTargetsPlaceOnlyWhenPublishedAndLeavesNothingOtherwise) {
    QTemporaryDir dir;
    const QString target = dir.filePath("labels.pdf");
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old labels");
    }
    {
        DraftFile abandoned(target);
        ASSERT_TRUE(abandoned.open());
        abandoned.device().write("half written");
    }
    EXPECT_EQ(contentsOf(target), "old labels");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"labels.pdf"});

    DraftFile draft(target);
    ASSERT_TRUE(draft.open());
    draft.device().write("new labels");
    EXPECT_EQ(contentsOf(target), "old labels") << "untouched while the draft is written";
    ASSERT_TRUE(draft.publish());
    EXPECT_EQ(contentsOf(target), "new labels");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"labels.pdf"});
}

TEST(DraftFile, AMissingFolderIsReported) {
    QTemporaryDir dir;
    DraftFile draft(dir.filePath("missing/labels.pdf"));
    const Status opened = draft.open();
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.failure().key, "systemReason");
    EXPECT_FALSE(opened.failure().text().isEmpty()) << "the system's reason";
}

} // namespace
