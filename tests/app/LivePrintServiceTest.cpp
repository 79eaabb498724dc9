// The window on a print service that changes under it: the end-to-end script
// tests/e2e/driverless-printers.sh runs these on its private scheduler and printer
// application, and acts on the service when a test tells it (through files in the folder
// KESTAVOLIN_TEST_HANDSHAKE): restarts the scheduler, deletes the queue, lets the printer
// go on. Without the script's environment they are skipped.

#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "printing/LabelPrinting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>

namespace {

constexpr int jobMilliseconds = 120000;

class OnAPrintService : public testing::Test {
protected:
    void SetUp() override {
        queue_ = qEnvironmentVariable("KESTAVOLIN_TEST_QUEUE");
        handshake_ = qEnvironmentVariable("KESTAVOLIN_TEST_HANDSHAKE");
        if (queue_.isEmpty() || handshake_.isEmpty())
            GTEST_SKIP() << "run by tests/e2e/driverless-printers.sh on its print service";
    }

    // Prints the label of the sample photograph on the queue, follows its job, and tells
    // the script it was sent.
    void printAndTell() {
        fixture.startOn(QStringLiteral("Tape 18"),
                        {fixture.samplePhoto(QStringLiteral("live.jpg"))});
        ASSERT_TRUE(fixture.waitForReading());
        fixture.dialogs.queue = queue_;
        const PrintService& service = fixture.app().printing().service();
        QObject::connect(&service, &PrintService::jobEnded,
                         [this](const QString&, int, const QString&,
                                const PrintJob::Progress& progress) { ended_ = progress; });
        fixture.trigger("actionPrint");
        ASSERT_TRUE(fixture.waitForPrinting());
        EXPECT_TRUE(service.following());
        const QString tapeLengths = fixture.alerts.alerts().value(0).title;
        EXPECT_EQ(tapeLengths, QStringLiteral("tapeLengthTitle"));
        tell(QStringLiteral("printed"));
    }

    void tell(const QString& what) {
        QFile file(QDir(handshake_).filePath(what));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }

    bool failureTold() const {
        for (const AlertContent& alert : fixture.alerts.alerts()) {
            if (alert.title == QStringLiteral("printFailedTitle"))
                return true;
        }
        return false;
    }

    AppFixture fixture;
    QString queue_;
    QString handshake_;
    std::optional<PrintJob::Progress> ended_;
};

// The scheduler goes away and comes back while the job waits in it: the job is still
// followed, and once printed it ends without an alert.
TEST_F(OnAPrintService, AJobIsFollowedAcrossARestartOfTheScheduler) {
    printAndTell();
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended_.has_value(); }, jobMilliseconds));
    EXPECT_EQ(ended_->state, PrintJob::State::Completed) << qPrintable(ended_->message);
    EXPECT_FALSE(failureTold());
}

// The queue is deleted while its job waits: the user is told, with the queue's name.
TEST_F(OnAPrintService, AQueueDeletedWhileItsJobWaitsIsTold) {
    printAndTell();
    ASSERT_TRUE(QTest::qWaitFor([this] { return failureTold(); }, jobMilliseconds));
    const AlertContent& alert = fixture.alerts.alerts().last();
    EXPECT_TRUE(alert.message.startsWith(QStringLiteral("printJobQueueGoneMsg")))
        << qPrintable(alert.message);
    ASSERT_TRUE(ended_);
    EXPECT_TRUE(ended_->queueGone);
}

// The printer reports it cannot go on (out of media): the window tells it in the status
// line, not in an alert, until the printer goes on; then it tells the job printed.
TEST_F(OnAPrintService, WhatKeepsThePrinterFromPrintingIsANoticeNotAnAlert) {
    printAndTell();
    const MainWindow& window = fixture.window();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.notice().isEmpty(); }, jobMilliseconds));
    EXPECT_TRUE(window.notice().startsWith(QStringLiteral("printerNoticeMsg")))
        << qPrintable(window.notice());
    EXPECT_EQ(fixture.alerts.alerts().size(), 1);
    tell(QStringLiteral("seen"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended_.has_value(); }, jobMilliseconds));
    EXPECT_TRUE(window.notice().startsWith(QStringLiteral("printJobDone")))
        << qPrintable(window.notice());
    EXPECT_EQ(ended_->state, PrintJob::State::Completed);
    EXPECT_FALSE(failureTold());
}

// At the first start the medium question opens on the medium the default queue's
// printer has loaded (KESTAVOLIN_TEST_LOADED_MEDIUM).
TEST_F(OnAPrintService, TheFirstStartQuestionOpensOnTheMediumTheDefaultPrinterHasLoaded) {
    const QString expected = qEnvironmentVariable("KESTAVOLIN_TEST_LOADED_MEDIUM");
    if (expected.isEmpty())
        GTEST_SKIP() << "the script names the medium loaded";
    std::optional<QString> suggested;
    fixture.dialogs.whileAskingForMedium = [&suggested](const LabelPrinting& printing) {
        QObject::connect(&printing, &LabelPrinting::mediumSuggested,
                         [&suggested](const QString& medium) { suggested = medium; });
        EXPECT_TRUE(QTest::qWaitFor([&suggested] { return suggested.has_value(); },
                                    PrintService::lookupMilliseconds));
    };
    fixture.start();
    EXPECT_EQ(fixture.dialogs.mediumQuestions, 1);
    EXPECT_EQ(suggested.value_or(QString()), expected);
}

} // namespace
