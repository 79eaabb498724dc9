// Photo analyses at once: the same analyses of the same photographs (reader and value
// rules, no picture) on one thread, on two threads of one process, on two threads
// that take turns at the analysis (as render's jobs did while the reader kept
// process-wide state), and in two processes at once, each doing half (what the
// machine itself allows: the processes share nothing).
// Usage: bench_parallel_analysis [ROUNDS]
// The four are timed in turn, ROUNDS times (default 9); prints the medians of their
// wall-clock times and their speed-ups over one thread as a table.

#include "bench/BenchCorpus.h"
#include "photo/PhotoRecord.h"
#include "platform/FileData.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int workers = 2;
// One thread analyses the corpus this long in each round.
constexpr double roundSeconds = 0.5;
// Without the samples: enough generated photographs to average over, of a common
// camera size.
constexpr int generatedCount = 16;
constexpr QSize generatedSize(3000, 2000);

using FileDataList = std::vector<std::shared_ptr<const FileData>>;
using Clock = std::chrono::steady_clock;

// Analyses every photograph `passes` times, starting at the worker's own photograph so
// that workers are on different photographs at the same moment; `turn`, when given,
// is held for each analysis.
void analyse(const FileDataList& files, int passes, int worker, std::mutex* turn) {
    for (int pass = 0; pass < passes; ++pass)
        for (std::size_t step = 0; step < files.size(); ++step) {
            const FileData& data = *files[(step + std::size_t(worker)) % files.size()];
            std::unique_lock<std::mutex> taking;
            if (turn != nullptr)
                taking = std::unique_lock(*turn);
            PhotoRecord record(AnalysisOptions{.decodePicture = false});
            benchmark::DoNotOptimize(record.analyseMetadata(data));
            benchmark::DoNotOptimize(record.info().isEmpty());
        }
}

double secondsOf(const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void onThreads(const FileDataList& files, int passes, std::mutex* turn) {
    std::vector<std::jthread> threads;
    for (int worker = 0; worker < workers; ++worker)
        threads.emplace_back(analyse, std::cref(files), passes / workers, worker, turn);
}

void inProcesses(const FileDataList& files, int passes) {
    std::vector<pid_t> children;
    for (int worker = 0; worker < workers; ++worker) {
        const pid_t child = ::fork();
        if (child == 0) {
            analyse(files, passes / workers, worker, nullptr);
            ::_exit(EXIT_SUCCESS);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != EXIT_SUCCESS)
            std::abort();
    }
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const BenchCorpus corpus = jpegCorpus(generatedCount, generatedSize);
    FileDataList files;
    for (const auto& file : corpus.files)
        files.push_back(FileData::fromByteArray(
            QByteArray::fromRawData(file.bytes.constData(), file.bytes.size())));
    if (files.empty()) {
        std::fputs("bench_parallel_analysis: no photographs to measure\n", stderr);
        return 1;
    }
    const double onePass = secondsOf([&] { analyse(files, 1, 0, nullptr); });
    const int passes = workers * std::max(1, int(std::lround(roundSeconds / onePass / workers)));

    struct Way {
        const char* name;
        std::function<void()> work;
        std::vector<double> seconds;
    };
    std::mutex turn;
    Way ways[] = {
        {"one thread", [&] { analyse(files, passes, 0, nullptr); }, {}},
        {"two threads", [&] { onThreads(files, passes, nullptr); }, {}},
        {"two threads taking turns", [&] { onThreads(files, passes, &turn); }, {}},
        {"two processes, each on half (the machine's ceiling)",
         [&] { inProcesses(files, passes); },
         {}},
    };
    for (Way& way : ways)
        way.work(); // warm-up, not counted
    for (int round = 0; round < rounds; ++round)
        for (Way& way : ways)
            way.seconds.push_back(secondsOf(way.work));

    std::printf("%zu photographs (%s), each analysed %d times per round; medians of %d "
                "rounds taken in turn\n\n",
                files.size(), qUtf8Printable(corpus.origin), passes, rounds);
    std::puts("| analyses | wall-clock time | speed-up over one thread |");
    std::puts("|---|---:|---:|");
    const double alone = median(ways[0].seconds);
    for (const Way& way : ways)
        std::printf("| %s | %.3f s | %.2f |\n", way.name, median(way.seconds),
                    alone / median(way.seconds));
    return 0;
}
