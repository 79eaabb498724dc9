// How long the event loop stalls while photographs are added to the photo list.
// Usage: bench_list_intake [--titles-from-photos] FILE...
// (scripts/bench gives it 200 generated JPEGs; with --titles-from-photos each
// photograph given no title also takes the one in its own metadata, as the window
// does when that preference is on.)
// A timer asks for a tick every millisecond; the longest gap between two ticks while
// the intake runs is the longest time the window could not repaint or take input.
// The same timer first runs for a second with nothing to do: its longest gap is what
// the machine itself costs the event loop (the floor of the measurement).
// Prints: <photographs> <total ms> <longest stall ms> <ticks> <idle longest gap ms>

#include "app/Application.h"
#include "app/PhotoIntake.h"
#include "app/PhotoList.h"
#include "label/LabelLayout.h"
#include "platform/LocalizedText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList paths = application.arguments().mid(1);
    const bool titlesFromPhotos = paths.removeAll(QStringLiteral("--titles-from-photos")) > 0;
    if (paths.isEmpty()) {
        std::fputs("usage: bench_list_intake [--titles-from-photos] FILE...\n", stderr);
        return 2;
    }
    const auto strings = installStringTables();

    PhotoList list;
    LabelOptions tape18;
    tape18.medium = QStringLiteral("Tape 18");
    list.setLabelDefaults(tape18);
    PhotoIntake intake(list, Application::maximumTitleLength);
    intake.setTitlesFromPhotos(titlesFromPhotos);
    // The window shows its empty label before any photograph is added, so the fonts
    // are loaded before the measurement starts.
    makeLabelLayout(tape18);

    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestStall = 0;
    int ticks = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestStall = std::max(longestStall, now - lastTick);
        lastTick = now;
        ++ticks;
    });
    const auto restartTicks = [&] {
        clock.start();
        lastTick = 0;
        longestStall = 0;
        ticks = 0;
    };

    restartTicks();
    ticker.start();
    QTimer::singleShot(1000, &application, &QApplication::quit);
    application.exec();
    const qint64 idleStall = longestStall;

    QObject::connect(&intake, &PhotoIntake::finished, &application, &QApplication::quit);
    restartTicks();
    QObject::connect(&list, &PhotoList::entriesToRead, &intake, &PhotoIntake::read);
    list.append(PhotoList::entriesFor(paths));
    application.exec();
    const qint64 total = clock.nsecsElapsed();
    longestStall = std::max(longestStall, total - lastTick);

    std::printf("%lld %.1f %.1f %d %.1f\n", static_cast<long long>(list.rowCount()), total / 1e6,
                longestStall / 1e6, ticks, idleStall / 1e6);
    return list.rowCount() == paths.size() ? 0 : 1;
}
