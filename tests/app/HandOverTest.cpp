// Later launches of the real application handing requests to a running instance.

#include "AppTestSupport.h"

#include "app/SingleInstance.h"
#include "label/TapeView.h"
#include "photo/PhotoRecord.h"
#include "pictures/Picture.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <future>

namespace {

using Launch = SingleInstance::Launch;

// Answers each alert after a moment of its own event loop, as a modal panel the user
// dismisses does: meanwhile the launch that handed the file over reads its answer and
// goes away.
class DismissedAlerts : public AlertPresenter {
public:
    int present(const AlertContent& alert) override {
        shown.append(alert);
        QEventLoop panel;
        QTimer::singleShot(300, &panel, &QEventLoop::quit);
        panel.exec();
        return alertDefaultReturn;
    }
    QVector<AlertContent> shown;
};

// A launch of the application with the given arguments, reaching the instances of
// the runtime folder and writing nothing outside the home folder.
class Launcher {
public:
    Launcher(const QString& runtime, const QString& home, const QString& language) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("LANGUAGE"), language);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProgram(QStringLiteral(KESTAVOLIN_APP_BINARY));
    }
    ~Launcher() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    void launch(const QStringList& arguments) {
        process.setArguments(arguments);
        process.start();
    }
    // Waits while the event loop runs, so that the running instance can answer.
    bool endedWithin(int milliseconds) {
        return QTest::qWaitFor([this] { return process.state() == QProcess::NotRunning; },
                               milliseconds);
    }
    QProcess process;
};

QByteArray randomBytes(qsizetype words) {
    QByteArray bytes(words * 4, Qt::Uninitialized);
    QRandomGenerator(20261207).fillRange(reinterpret_cast<quint32*>(bytes.data()), words);
    return bytes;
}
QString socketIn(const QTemporaryDir& runtime) {
    return QDir(runtime.path()).filePath("kestavolin.socket");
}

// Starts the running instance and has it hand each request to the application.
void handRequestsTo(SingleInstance& instance, KestavolinAppDelegate& app) {
    ASSERT_EQ(instance.start({}), Launch::Running);
    QObject::connect(&instance, &SingleInstance::openRequested, &app,
                     &KestavolinAppDelegate::takeHandedOverRequest);
}

// A later launch beside a running instance whose home holds a chosen medium.
class HandOver : public testing::Test {
protected:
    void SetUp() override { fixture.writeSettingsWithMedium(QStringLiteral("Tape 18")); }

    QTemporaryDir runtime;
    AppFixture fixture;
    Launcher later{runtime.path(), fixture.home(), QStringLiteral("en")};
};

// The running instance shows the alert of each damaged file after the launch that
// handed it over has ended, and keeps running; in each language.
TEST_F(HandOver, DamagedFilesFromLaterLaunchesEachGiveAnAlertAndTheInstanceKeepsRunning) {
    DismissedAlerts alerts;
    const ScopedAlertPresenter presenter(alerts);
    KestavolinAppDelegate& app = fixture.start();
    SingleInstance instance(socketIn(runtime));
    handRequestsTo(instance, app);
    for (const QString& language : {QStringLiteral("ja"), QStringLiteral("en")}) {
        SCOPED_TRACE(language.toStdString());
        installStringTables(QLocale(language));
        Launcher launcher(runtime.path(), fixture.home(), language);
        alerts.shown.clear();
        constexpr int launches = 10;
        for (int i = 0; i < launches; ++i) {
            // Random bytes named as a photograph, and every other one a picture type the
            // application does not take.
            const QString name = QStringLiteral("r%1.%2").arg(i).arg(i % 2 ? "png" : "jpg");
            launcher.launch({fixture.fileWithBytes(name, randomBytes(5 * 1024))});
            ASSERT_TRUE(launcher.endedWithin(10000)) << i;
            EXPECT_EQ(launcher.process.exitCode(), 0);
            ASSERT_TRUE(QTest::qWaitFor([&] { return alerts.shown.size() == i + 1; }, 5000)) << i;
            // The socket is gone by now; the event loop goes on without it.
            QTest::qWait(50);
        }
        for (int i = 0; i < launches; ++i)
            EXPECT_EQ(alerts.shown.at(i).title,
                      localizedString(QLatin1String(i % 2 ? "DropError" : "ErrorMessage")));
        useEmptyStringTable();
    }
    EXPECT_FALSE(app.record() && app.record()->haveExif());
}

// The running instance is busy longer than a launch used to wait: the launch waits
// for it and ends once its request was taken, instead of becoming a second instance.
TEST_F(HandOver, ABusyInstanceIsWaitedForAndNeverReplaced) {
    SingleInstance running(socketIn(runtime));
    ASSERT_EQ(running.start({}), Launch::Running);
    QSignalSpy requests(&running, &SingleInstance::openRequested);
    const QString photo = fixture.samplePhoto(QStringLiteral("busy.jpg"));
    later.launch({photo});
    ASSERT_TRUE(later.process.waitForStarted());
    QThread::sleep(8); // no event loop runs: the instance is busy
    ASSERT_TRUE(later.endedWithin(10000));
    EXPECT_EQ(later.process.exitCode(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return requests.size() == 1; }, 2000));
    EXPECT_EQ(requests.at(0).at(0).toStringList(), QStringList{photo});
    EXPECT_TRUE(running.listening());
}

// An instance killed outright leaves its socket and lock behind; the next launch
// becomes the running instance in its place.
TEST_F(HandOver, AKilledInstanceIsReplaced) {
    const QString socketName = socketIn(runtime);
    later.launch({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socketName); }, 10000));
    later.process.kill();
    ASSERT_TRUE(later.endedWithin(5000));
    ASSERT_TRUE(QFile::exists(socketName + QStringLiteral(".lock")));

    SingleInstance next(socketName);
    EXPECT_EQ(next.start({}, 2000), Launch::Running);
    EXPECT_TRUE(next.listening());
}

// While a photograph's picture decodes, a later launch is answered at once and its
// photograph follows when the first one is shown.
TEST_F(HandOver, TheRunningInstanceAnswersWhileItDecodesAPicture) {
    KestavolinAppDelegate& app = fixture.start();
    SingleInstance instance(socketIn(runtime));
    handRequestsTo(instance, app);

    // The decode lasts until the later launch has ended (or a bound has passed).
    std::promise<void> launchEnded;
    std::shared_future<void> ended = launchEnded.get_future().share();
    bool answeredDuringDecode = false;
    app.decodePicturesWith([ended, &answeredDuringDecode](const FileData& data) {
        answeredDuringDecode =
            ended.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
        return Picture::initWithData(data);
    });
    const QString first = fixture.samplePhoto(QStringLiteral("first.jpg"));
    const QString second = fixture.samplePhoto(QStringLiteral("second.jpg"));
    QTimer::singleShot(0, [&] { later.launch({second}); });
    const QObject untilTheTestEnds;
    QObject::connect(&later.process, &QProcess::finished, &untilTheTestEnds,
                     [&] { launchEnded.set_value(); });

    app.applicationOpenFiles({first});
    EXPECT_TRUE(answeredDuringDecode);
    EXPECT_EQ(later.process.exitCode(), 0);
    ASSERT_NE(app.record(), nullptr);
    EXPECT_EQ(app.record()->fileName(), first);
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.record()->fileName() == second; }, 5000));
    EXPECT_NE(app.tapeView()->thumbnail(), nullptr);
}

} // namespace
