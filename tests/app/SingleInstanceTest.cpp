#include "app/SingleInstance.h"
#include "platform/FileNames.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <future>

namespace {

using Launch = SingleInstance::Launch;

TEST(SingleInstance, ALaterLaunchHandsItsFilesToTheRunningInstance) {
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("socket"));
    SingleInstance running(name);
    ASSERT_EQ(running.start({}), Launch::Running);
    ASSERT_TRUE(running.listening());
    QSignalSpy requests(&running, &SingleInstance::openRequested);

    // The later launch blocks until acknowledged, so it runs beside the event loop.
    auto handOver = [&name](QByteArrayList paths) {
        return std::async(std::launch::async,
                          [name, paths] { return SingleInstance(name).start(paths); });
    };
    auto withFile = handOver({"relative/./photo.jpg"});
    ASSERT_TRUE(requests.wait(5000));
    EXPECT_EQ(withFile.get(), Launch::HandedOver);
    EXPECT_EQ(requests.at(0).at(0).toStringList(),
              QStringList{QDir::current().absoluteFilePath(QStringLiteral("relative/photo.jpg"))});

    auto showOnly = handOver({});
    ASSERT_TRUE(requests.wait(5000));
    EXPECT_EQ(showOnly.get(), Launch::HandedOver);
    EXPECT_TRUE(requests.at(1).at(0).toStringList().isEmpty());
}

// A name from an old archive, not valid in UTF-8, reaches the running instance as the
// same text a launch of its own would have made of it.
TEST(SingleInstance, PathsAreDecodedWithTheFileSystemEncodingOnBothSides) {
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("socket"));
    SingleInstance running(name);
    ASSERT_EQ(running.start({}), Launch::Running);
    QSignalSpy requests(&running, &SingleInstance::openRequested);
    const QByteArray latin1 = "/photos/caf\xe9 \xe9t\xe9.jpg";
    const QByteArray utf8 = "/photos/\xe5\xaf\x8c\xe5\xa3\xab.jpg";
    auto launch = std::async(std::launch::async, [name, latin1, utf8] {
        return SingleInstance(name).start({latin1, utf8});
    });
    ASSERT_TRUE(requests.wait(5000));
    EXPECT_EQ(launch.get(), Launch::HandedOver);
    const QStringList paths = requests.at(0).at(0).toStringList();
    EXPECT_EQ(paths, (QStringList{decodedPath(latin1), QStringLiteral("/photos/富士.jpg")}));
    // The name that is no UTF-8 still names the same file.
    EXPECT_EQ(FileNames::toNative(paths.at(0)), latin1);
}

// A launch that connects, sends its request a moment later and goes away as soon as
// it is answered, while the running instance shows a panel for the request.
TEST(SingleInstance, ARequestMayOpenAPanelWhileTheLaunchThatSentItGoesAway) {
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("socket"));
    SingleInstance running(name);
    ASSERT_EQ(running.start({}), Launch::Running);
    int panels = 0;
    QObject::connect(&running, &SingleInstance::openRequested, [&panels] {
        ++panels;
        QEventLoop panel;
        QTimer::singleShot(300, &panel, &QEventLoop::quit);
        panel.exec();
        // What a panel's own clean-up may do on its way out.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    for (int i = 0; i < 3; ++i) {
        auto launch = std::async(std::launch::async, [name] {
            QLocalSocket socket;
            socket.connectToServer(name);
            if (!socket.waitForConnected(1000))
                return false;
            QThread::msleep(100);
            QByteArray request;
            QDataStream out(&request, QIODevice::WriteOnly);
            out << QByteArrayList{"/photos/r.jpg"};
            socket.write(request);
            return socket.waitForReadyRead(5000) && socket.read(1) == "k";
        });
        ASSERT_TRUE(QTest::qWaitFor([&] { return panels == i + 1; }, 5000));
        EXPECT_TRUE(launch.get());
    }
    QTest::qWait(100);
}

TEST(SingleInstance, WithoutARunningInstanceTheLaunchRunsAndReplacesAStaleSocket) {
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("socket"));
    // What an instance that died leaves behind.
    QFile leftover(name);
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    SingleInstance next(name);
    EXPECT_EQ(next.start({"a.jpg"}, 0), Launch::Running);
    EXPECT_TRUE(next.listening());
}

} // namespace
