#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Reports like the console reporter and keeps the real time per item of each
// benchmark, so that the program can print its comparison table at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Processor time suits work done inside this process, even on a busy machine;
    // wall-clock time is needed where other processes do the work.
    enum class Clock { Processor, WallClock };
    explicit RatioReporter(Clock clock) : clock_(clock) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per item of the named benchmark: its time per iteration divided by
    // its "items" counter when it has one. Negative when it did not run.
    double secondsPerItem(const std::string& name) const;

private:
    Clock clock_;
    std::map<std::string, double> secondsPerItem_;
};

// Names an item count for a benchmark's report and the ratio table.
inline void setItemsPerIteration(benchmark::State& state, double items) {
    state.counters["items"] = items;
}

// Prints a Markdown table: each benchmark's time per item and how many times slower
// it is than the subject (the subject's own row says 1.00).
void printComparison(const RatioReporter& reporter, const std::string& title,
                     const std::string& itemName, const std::string& subject,
                     const std::vector<std::string>& others);

// A time in seconds as text in a fitting unit ("12.3 µs", "4.56 ms").
std::string formatSeconds(double seconds);
