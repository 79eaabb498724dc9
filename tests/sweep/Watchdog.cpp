#include "Watchdog.h"

#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(std::chrono::milliseconds limit) : limit_(limit), thread_([this] { watch(); }) {}

Watchdog::~Watchdog() {
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
    }
    changed_.notify_one();
    thread_.join();
}

void Watchdog::start(const std::string& name) {
    {
        const std::lock_guard lock(mutex_);
        current_ = name;
        deadline_ = std::chrono::steady_clock::now() + limit_;
        timing_ = true;
    }
    changed_.notify_one();
}

void Watchdog::stop() {
    const std::lock_guard lock(mutex_);
    timing_ = false;
}

void Watchdog::watch() {
    std::unique_lock lock(mutex_);
    while (!finished_) {
        if (!timing_) {
            changed_.wait(lock);
            continue;
        }
        const auto deadline = deadline_;
        if (changed_.wait_until(lock, deadline) == std::cv_status::timeout && timing_ &&
            deadline_ == deadline) {
            std::fprintf(stderr, "%s: took longer than %lld ms\n", current_.c_str(),
                         static_cast<long long>(limit_.count()));
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        }
    }
}
