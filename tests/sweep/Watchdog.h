#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Ends the process with a message naming the item when one item of work takes longer
// than the limit: a hang cannot be interrupted from inside, and waiting for the test
// runner's timeout would not say which file hung.
class Watchdog {
public:
    explicit Watchdog(std::chrono::milliseconds limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // Starts the clock for the named item (ending the previous one).
    void start(const std::string& name);
    // Ends the current item.
    void stop();

private:
    void watch();

    std::chrono::milliseconds limit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string current_;
    std::chrono::steady_clock::time_point deadline_;
    bool timing_ = false;
    bool finished_ = false;
    std::thread thread_;
};
