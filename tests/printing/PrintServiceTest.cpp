#include "printing/PrintService.h"
#include "platform/LocalizedText.h"
#include "printing/PrintSetup.h"

#include "common/PrintServices.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

template <typename T> struct Answered {
    std::optional<T> value;
    qint64 afterMilliseconds = 0;
};

TEST(PrintService, APrintServiceThatNeverAnswersIsToldInTimeAndNeverHoldsTheEventLoop) {
    SilentPrintService silent;
    ScopedPrintService scope(silent.address());
    auto service = std::make_unique<PrintService>();
    StallMeter stalls;
    QElapsedTimer clock;
    clock.start();

    Answered<PrintService::Availability> probe;
    QObject::connect(service.get(), &PrintService::probed,
                     [&](int, PrintService::Availability availability, const QString& address) {
                         probe = {availability, clock.elapsed()};
                         EXPECT_EQ(address, silent.address());
                     });
    service->probe();
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.value.has_value(); }, 10000));
    EXPECT_EQ(*probe.value, PrintService::Availability::NotAnswering);
    EXPECT_GE(probe.afterMilliseconds, PrintService::probeMilliseconds - 100);
    EXPECT_LT(probe.afterMilliseconds, PrintService::probeMilliseconds + 2000);
    EXPECT_LT(stalls.longestMilliseconds(), 100);

    // A request under way when the service goes (the application quits) ends at once.
    service->lookUp(QStringLiteral("LW"));
    QTest::qWait(300);
    clock.restart();
    service.reset();
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(PrintService, WithoutAPrintServiceEveryRequestIsAnsweredAtOnce) {
    ScopedPrintService scope(absentPrintService());
    PrintService service;
    std::optional<PrintService::Availability> availability;
    std::optional<QueueLookup> lookup;
    QObject::connect(
        &service, &PrintService::probed,
        [&](int, PrintService::Availability answer, const QString&) { availability = answer; });
    QObject::connect(&service, &PrintService::lookedUp,
                     [&](int, const QueueLookup& answer) { lookup = answer; });
    QElapsedTimer clock;
    clock.start();
    service.probe();
    const int request = service.lookUp(QStringLiteral("LW"));
    EXPECT_EQ(request, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lookup.has_value(); }, 5000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(availability, PrintService::Availability::NotRunning);
    EXPECT_EQ(lookup->failure, LookupFailure::Unreachable);
    EXPECT_FALSE(lookup->queue);
}

// The command line's print: nothing is drawn or sent, and the user is told which print
// service did not answer, within the deadline given.
TEST(PrintLabel, APrintServiceAwayOrSilentIsToldAndNothingIsSent) {
    const auto strings = installStringTables(QLocale(QLocale::English));
    SilentPrintService silent;
    struct Case {
        QString address;
        PrintSetup::Failure failure;
        const char* message;
    } cases[] = {
        {absentPrintService(), PrintSetup::Failure::ServiceUnreachable, "cannot be reached"},
        {silent.address(), PrintSetup::Failure::ServiceNotAnswering, "does not answer"},
    };
    for (const Case& c : cases) {
        ScopedPrintService scope(c.address);
        PrintSetup::JobSettings job;
        job.queue = QStringLiteral("LW");
        bool drawn = false;
        QElapsedTimer clock;
        clock.start();
        const auto submission = PrintSetup::printLabels(
            job, {{QSizeF(100, 43), [&](QPainter&) { drawn = true; }}}, QDeadlineTimer(1000));
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_EQ(submission.failure, c.failure) << qPrintable(c.address);
        EXPECT_TRUE(submission.jobIds.empty());
        EXPECT_FALSE(drawn);
        const QString message = PrintSetup::failureMessage(submission, job);
        EXPECT_TRUE(message.contains(QLatin1String(c.message))) << qPrintable(message);
        EXPECT_TRUE(message.contains(c.address)) << qPrintable(message);
        EXPECT_TRUE(message.contains(QStringLiteral("“LW”"))) << qPrintable(message);
    }
}

} // namespace
