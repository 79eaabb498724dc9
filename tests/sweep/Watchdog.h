#pragma once

#include <chrono>
#include <string>

// Ends the process with a message naming the item when one item of work takes longer
// than the limit: a hang cannot be interrupted from inside, and waiting for the test
// runner's timeout would not say which file hung. It runs on the process's alarm
// signal, so one watchdog at a time.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // Starts the clock for the named item (ending the previous one).
    void start(const std::string& name);
    // Ends the current item.
    void stop();

private:
    std::chrono::seconds limit_;
};
