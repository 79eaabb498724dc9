// The application as real processes: later launches handing requests to a running
// instance, where a launch keeps its settings, and the photo list surviving a killed
// program.

#include "AppTestSupport.h"

#include "app/PhotoList.h"
#include "app/SingleInstance.h"
#include "platform/LocalizedText.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <csignal>

namespace {

using Launch = SingleInstance::Launch;

// A launch of the application (or of this test program in a role of its own) on the
// home folder, its configuration and state folders in it, reaching the instances of
// the runtime folder.
class Launcher {
public:
    Launcher(const QString& runtime, const QString& home, const QString& language,
             const QString& program = QStringLiteral(KESTAVOLIN_APP_BINARY)) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        environment.insert(QStringLiteral("XDG_STATE_HOME"),
                           home + QStringLiteral("/.local/state"));
        environment.insert(QStringLiteral("LANGUAGE"), language);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("CUPS_SERVER"),
                           home + QStringLiteral("/no-print-service"));
        process.setProcessEnvironment(environment);
        process.setProgram(program);
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
    void signal(int number) { ::kill(static_cast<pid_t>(process.processId()), number); }
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

class HandOver : public testing::Test {
protected:
    QTemporaryDir runtime;
    AppFixture fixture;
    Launcher later{runtime.path(), fixture.home(), QStringLiteral("en")};
};

// Later launches hand their files to the running instance and end; the instance tells
// each damaged file, in the user's language, once its launch has ended, and keeps
// running.
TEST_F(HandOver, DamagedFilesFromLaterLaunchesAreEachToldAndTheInstanceKeepsRunning) {
    DismissedAlerts alerts;
    fixture.writeSettingsWithMedium(QStringLiteral("Tape 18"));
    Application app(fixture.dialogs, alerts, fixture.paths());
    app.start({});
    SingleInstance instance(socketIn(runtime));
    ASSERT_EQ(instance.start({}), Launch::Running);
    QObject::connect(&instance, &SingleInstance::openRequested, &app,
                     &Application::takeHandedOverRequest);
    for (const QString& language : {QStringLiteral("ja"), QStringLiteral("en")}) {
        SCOPED_TRACE(language.toStdString());
        const auto strings = installStringTables(QLocale(language));
        Launcher launcher(runtime.path(), fixture.home(), language);
        alerts.shown.clear();
        constexpr int launches = 4;
        for (int i = 0; i < launches; ++i) {
            // Random bytes named as a photograph, and every other one a picture type the
            // application does not take.
            const QString name = QStringLiteral("r%1.%2").arg(i).arg(i % 2 ? "png" : "jpg");
            launcher.launch({fixture.fileWithBytes(name, randomBytes(5 * 1024))});
            ASSERT_TRUE(launcher.endedWithin(10000)) << i;
            EXPECT_EQ(launcher.process.exitCode(), 0);
            ASSERT_TRUE(QTest::qWaitFor([&] { return alerts.shown.size() == i + 1; }, 5000)) << i;
            EXPECT_EQ(alerts.shown.last().title,
                      localizedString(QStringLiteral("listNotReadTitle")));
            EXPECT_TRUE(alerts.shown.last().details.value(0).startsWith(name));
        }
    }
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
    fixture.writeSettingsWithMedium(QStringLiteral("Tape 18"));
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

// The settings file as the program itself writes it, on a home without a documents
// folder (the first start, ended during its question) and on a home holding only the
// file of an older version.
TEST(SettingsPlace, TheProgramKeepsItsSettingsInTheConfigurationFolder) {
    QTemporaryDir runtime;
    QTemporaryDir fresh;
    const QString settings = QStringLiteral("/.config/kestavolin/kestavolin.plist");
    Launcher first(runtime.path(), fresh.path(), QStringLiteral("en"));
    first.launch({});
    ASSERT_TRUE(first.process.waitForStarted());
    QTest::qWait(1500); // the first start's question is up
    first.signal(SIGTERM);
    ASSERT_TRUE(first.endedWithin(10000));
    EXPECT_TRUE(QFile::exists(fresh.path() + settings));
    EXPECT_FALSE(QDir(fresh.path()).exists(QStringLiteral("Documents")));

    QTemporaryDir upgraded;
    QDir(upgraded.path()).mkdir(QStringLiteral("Documents"));
    const QByteArray former = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">"
                              "<dict><key>mediaTypeName</key><string>Roll 60</string>"
                              "<key>photographer</key><string>Old Hand</string></dict></plist>\n";
    QFile formerFile(upgraded.path() + QStringLiteral("/Documents/kestavolin.plist"));
    ASSERT_TRUE(formerFile.open(QIODevice::WriteOnly));
    formerFile.write(former);
    formerFile.close();
    Launcher next(runtime.path(), upgraded.path(), QStringLiteral("en"));
    next.launch({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(upgraded.path() + settings); }, 10000));
    next.signal(SIGTERM);
    ASSERT_TRUE(next.endedWithin(10000));
    QFile taken(upgraded.path() + settings);
    ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
    const QByteArray written = taken.readAll();
    EXPECT_TRUE(written.contains("Old Hand"));
    EXPECT_TRUE(written.contains("Roll 60"));
    ASSERT_TRUE(formerFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(formerFile.readAll(), former);
}

// The role of the program killed below: it starts on the home named, types a title for
// each photograph of the list, says so, then types into the last and waits to be
// killed.
TEST(ListSurvival, TypeTitlesUntilKilled) {
    const QString home = qEnvironmentVariable("KESTAVOLIN_TYPING_HOME");
    if (home.isEmpty())
        GTEST_SKIP() << "a role of ListSurvival.TitlesTypedSurviveAKilledProgram";
    AppFixture fixture(home);
    fixture.start();
    ASSERT_TRUE(fixture.waitForReading());
    for (int row = 0; row < fixture.list().rowCount(); ++row) {
        fixture.select(row);
        fixture.typeTitle(QStringLiteral("Title %1").arg(row));
        QTest::qWait(2 * 200);
    }
    QFile(home + QStringLiteral("/typed")).open(QIODevice::WriteOnly);
    fixture.typeTitle(QStringLiteral(" and more"));
    QTest::qWait(60000);
}

// The list (paths, order, each one's own captions) comes back after a program killed
// outright, with every edit but the one being typed.
TEST(ListSurvival, TitlesTypedSurviveAKilledProgram) {
    QTemporaryDir home;
    {
        AppFixture setUp(home.path());
        setUp.writeSettingsWithMedium(QStringLiteral("Tape 18"));
        setUp.start({setUp.samplePhoto(QStringLiteral("b.jpg")),
                     setUp.samplePhoto(QStringLiteral("a.jpg"))});
        ASSERT_TRUE(setUp.waitForReading());
        setUp.quit();
    }
    QTemporaryDir runtime;
    Launcher typing(runtime.path(), home.path(), QStringLiteral("en"),
                    QCoreApplication::applicationFilePath());
    QProcessEnvironment environment = typing.process.processEnvironment();
    environment.insert(QStringLiteral("KESTAVOLIN_TYPING_HOME"), home.path());
    typing.process.setProcessEnvironment(environment);
    typing.launch({QStringLiteral("--gtest_filter=ListSurvival.TypeTitlesUntilKilled")});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QFile::exists(home.path() + QStringLiteral("/typed")); }, 20000))
        << typing.process.readAll().toStdString();
    typing.process.kill();
    ASSERT_TRUE(typing.endedWithin(5000));

    AppFixture after(home.path());
    after.start();
    ASSERT_TRUE(after.waitForReading());
    ASSERT_EQ(after.list().rowCount(), 2);
    EXPECT_EQ(after.list().index(0, 0).data().toString(), QStringLiteral("b.jpg"));
    EXPECT_EQ(after.list().index(0, 0).data(PhotoList::TitleRole).toString(),
              QStringLiteral("Title 0"));
    EXPECT_TRUE(after.list()
                    .index(1, 0)
                    .data(PhotoList::TitleRole)
                    .toString()
                    .startsWith(QStringLiteral("Title 1")));
}

} // namespace
