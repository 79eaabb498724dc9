// Reads of different photographs running at the same moment on several threads each
// keep to their own photograph.

#include "ReaderHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <latch>
#include <thread>

using namespace fixture;

namespace {

// What one read of a photograph gives: the result code and every table as the
// detailed dump prints it.
struct ReadOutcome {
    int result = 0;
    std::string dump;
    bool operator==(const ReadOutcome&) const = default;
};

ReadOutcome read(const Bytes& photograph) {
    ReadOutcome outcome;
    const TableArray tables = readTables(photograph, outcome.result);
    outcome.dump = dumpArrayToString(tables.get(), EXIFLIST_DUMP_DETAILED);
    return outcome;
}

// The photographs the analysis is fuzzed from: JPEG, TIFF in both byte orders and
// PSD from several cameras and programs, each with its TIFF structure at another
// offset, and some that fail at different steps.
std::vector<Bytes> seedPhotographs() {
    std::vector<Bytes> photographs;
    for (const auto& entry :
         std::filesystem::directory_iterator(KESTAVOLIN_FUZZ_SEEDS_DIR "/analysis")) {
        std::ifstream file(entry.path(), std::ios::binary);
        photographs.emplace_back(std::istreambuf_iterator<char>(file),
                                 std::istreambuf_iterator<char>());
    }
    return photographs;
}

TEST(ConcurrentReads, EachReadGivesWhatItGivesAlone) {
    const std::vector<Bytes> photographs = seedPhotographs();
    std::vector<ReadOutcome> alone;
    alone.reserve(photographs.size());
    for (const Bytes& photograph : photographs)
        alone.push_back(read(photograph));
    ASSERT_GE(photographs.size(), 10U);
    // result: the number of tables read, or a failure code
    ASSERT_GE(std::count_if(alone.begin(), alone.end(),
                            [](const ReadOutcome& outcome) { return outcome.result > 0; }),
              10);

    // Each thread goes through the photographs starting at another one, so that the
    // threads mostly read different photographs at the same moment.
    constexpr std::size_t threadCount = 3;
    constexpr int rounds = 2000;
    std::latch start(threadCount);
    std::atomic<int> differing = 0;
    const auto readInTurn = [&](std::size_t first) {
        start.arrive_and_wait();
        for (int round = 0; round < rounds; ++round)
            for (std::size_t step = 0; step < photographs.size(); ++step) {
                const std::size_t index = (first + step) % photographs.size();
                if (read(photographs[index]) != alone[index])
                    ++differing;
            }
    };
    std::vector<std::jthread> threads;
    for (std::size_t thread = 0; thread < threadCount; ++thread)
        threads.emplace_back(readInTurn, thread);
    threads.clear();
    EXPECT_EQ(differing, 0);
}

} // namespace
