#include "app/SingleInstance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <future>

namespace {

TEST(SingleInstance, ALaterLaunchHandsItsFilesToTheRunningInstance) {
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("socket"));
    SingleInstance running(name);
    ASSERT_TRUE(running.listen());
    QSignalSpy requests(&running, &SingleInstance::openRequested);

    // The later launch blocks until acknowledged, so it runs beside the event loop.
    auto handOver = [&name](QStringList paths) {
        return std::async(std::launch::async,
                          [name, paths] { return SingleInstance(name).handOver(paths); });
    };
    auto withFile = handOver({QStringLiteral("relative/photo.jpg")});
    ASSERT_TRUE(requests.wait(5000));
    EXPECT_TRUE(withFile.get());
    EXPECT_EQ(requests.at(0).at(0).toStringList(),
              QStringList{QDir::current().absoluteFilePath(QStringLiteral("relative/photo.jpg"))});

    auto showOnly = handOver({});
    ASSERT_TRUE(requests.wait(5000));
    EXPECT_TRUE(showOnly.get());
    EXPECT_TRUE(requests.at(1).at(0).toStringList().isEmpty());
}

TEST(SingleInstance, WithoutARunningInstanceNothingIsHandedOverAndAStaleSocketIsReplaced) {
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("socket"));
    EXPECT_FALSE(SingleInstance(name).handOver({QStringLiteral("a.jpg")}));
    // What an instance that died leaves behind.
    QFile leftover(name);
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    SingleInstance next(name);
    EXPECT_TRUE(next.listen());
}

} // namespace
