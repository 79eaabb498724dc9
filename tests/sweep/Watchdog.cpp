#include "Watchdog.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// The message for the current item, written before its alarm is set: the handler may
// only write it and end the process.
char message[1024];
std::size_t messageLength = 0;

extern "C" void timedOut(int) {
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, message, messageLength);
    ::_exit(EXIT_FAILURE);
}

} // namespace

Watchdog::Watchdog(std::chrono::seconds limit) : limit_(limit) {
    std::signal(SIGALRM, timedOut);
}

Watchdog::~Watchdog() {
    ::alarm(0);
    std::signal(SIGALRM, SIG_DFL);
}

void Watchdog::start(const std::string& name) {
    ::alarm(0);
    const std::string text = name + ": took longer than " + std::to_string(limit_.count()) + " s\n";
    messageLength = std::min(text.size(), sizeof message);
    std::memcpy(message, text.data(), messageLength);
    ::alarm(static_cast<unsigned>(limit_.count()));
}

void Watchdog::stop() {
    ::alarm(0);
}
