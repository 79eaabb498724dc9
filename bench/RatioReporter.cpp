#include "bench/RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0)
            continue;
        const double seconds =
            clock_ == Clock::WallClock ? run.real_accumulated_time : run.cpu_accumulated_time;
        double perIteration = seconds / static_cast<double>(run.iterations);
        if (const auto items = run.counters.find("items");
            items != run.counters.end() && items->second.value > 0)
            perIteration /= items->second.value;
        secondsPerItem_[run.run_name.function_name] = perIteration;
    }
}

double RatioReporter::secondsPerItem(const std::string& name) const {
    const auto found = secondsPerItem_.find(name);
    return found == secondsPerItem_.end() ? -1.0 : found->second;
}

std::string formatSeconds(double seconds) {
    char text[32];
    if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.2f µs", seconds * 1e6);
    else if (seconds < 1.0)
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

void printComparison(const RatioReporter& reporter, const std::string& title,
                     const std::string& itemName, const std::string& subject,
                     const std::vector<std::string>& others) {
    const double subjectSeconds = reporter.secondsPerItem(subject);
    std::printf("\n%s\n\n| benchmark | time per %s | ratio to %s |\n|---|---:|---:|\n",
                title.c_str(), itemName.c_str(), subject.c_str());
    std::vector<std::string> rows{subject};
    rows.insert(rows.end(), others.begin(), others.end());
    for (const std::string& name : rows) {
        const double seconds = reporter.secondsPerItem(name);
        if (seconds < 0) {
            std::printf("| %s | not run | |\n", name.c_str());
            continue;
        }
        std::printf("| %s | %s | %.2f |\n", name.c_str(), formatSeconds(seconds).c_str(),
                    subjectSeconds > 0 ? seconds / subjectSeconds : 0.0);
    }
    std::fflush(stdout);
}
