#include "app/SingleInstance.h"
#include "platform/FileNames.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <future>

namespace {

using Launch = SingleInstance::Launch;

// A later launch hands its files, or none, to the running instance as absolute paths;
// a name from an old archive, not valid in UTF-8, arrives as the same text a launch of
// its own would have made of it.
TEST(SingleInstance, ALaterLaunchHandsItsFilesToTheRunningInstance) {
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("socket"));
    SingleInstance running(name);
    ASSERT_EQ(running.start({}), Launch::Running);
    QSignalSpy requests(&running, &SingleInstance::openRequested);
    const QByteArray latin1 = "/photos/caf\xe9 \xe9t\xe9.jpg";
    const std::pair<QByteArrayList, QStringList> launches[] = {
        {{"relative/./photo.jpg"},
         {QDir::current().absoluteFilePath(QStringLiteral("relative/photo.jpg"))}},
        {{latin1, "/photos/\xe5\xaf\x8c\xe5\xa3\xab.jpg"},
         {decodedPath(latin1), QStringLiteral("/photos/富士.jpg")}},
        {{}, {}},
    };
    for (const auto& [arguments, paths] : launches) {
        // The later launch blocks until acknowledged, so it runs beside the event loop.
        // Named again: clang before 16 cannot capture a structured binding.
        const QByteArrayList& launched = arguments;
        auto launch = std::async(std::launch::async, [&name, &launched] {
            return SingleInstance(name).start(launched);
        });
        ASSERT_TRUE(requests.wait(5000));
        EXPECT_EQ(launch.get(), Launch::HandedOver);
        EXPECT_EQ(requests.takeLast().at(0).toStringList(), paths);
    }
    // The name that is no UTF-8 still names the same file.
    EXPECT_EQ(FileNames::toNative(decodedPath(latin1)), latin1);
}

} // namespace
