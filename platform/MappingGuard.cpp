#include "platform/MappingGuard.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstdint>
#include <mutex>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// Mappings watched at once; each open photograph needs one (a batch reads a few ahead).
constexpr std::size_t slotCount = 512;

// One watched mapping. The signal handler reads the slots without locks, so every
// field is a lock-free atomic and a slot is published by its begin address last.
struct Slot {
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> faulted{false};
};

std::array<Slot, slotCount> slots;
struct sigaction previousAction = {};

// Only async-signal-safe calls here: mmap and sigaction are system calls.
void onBusError(int signal, siginfo_t* info, void* context) {
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (Slot& slot : slots) {
        const std::uintptr_t begin = slot.begin.load(std::memory_order_acquire);
        const std::uintptr_t end = slot.end.load(std::memory_order_acquire);
        if (begin == 0 || address < begin || address >= end)
            continue;
        const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        const std::uintptr_t page = address & ~(pageSize - 1);
        if (::mmap(reinterpret_cast<void*>(page), end - page, PROT_READ,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) == MAP_FAILED)
            break;
        slot.faulted.store(true, std::memory_order_release);
        return;
    }
    // Not a watched mapping: the fault is handled as it would have been without us.
    if (previousAction.sa_flags & SA_SIGINFO) {
        previousAction.sa_sigaction(signal, info, context);
        return;
    }
    if (previousAction.sa_handler != SIG_DFL && previousAction.sa_handler != SIG_IGN) {
        previousAction.sa_handler(signal);
        return;
    }
    ::signal(SIGBUS, SIG_DFL); // the faulting read runs again and ends the process
}

void installHandler() {
    struct sigaction action = {};
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previousAction);
}

std::mutex claimMutex;

} // namespace

MappingGuard::MappingGuard(const void* begin, std::size_t length) {
    static std::once_flag installed;
    std::call_once(installed, installHandler);
    if (begin == nullptr || length == 0)
        return;
    const std::lock_guard lock(claimMutex);
    for (std::size_t index = 0; index < slots.size(); ++index) {
        Slot& slot = slots[index];
        if (slot.begin.load(std::memory_order_relaxed) != 0)
            continue;
        const auto first = reinterpret_cast<std::uintptr_t>(begin);
        slot.faulted.store(false, std::memory_order_relaxed);
        slot.end.store(first + length, std::memory_order_release);
        slot.begin.store(first, std::memory_order_release);
        slot_ = static_cast<int>(index);
        return;
    }
}

MappingGuard::~MappingGuard() {
    if (slot_ < 0)
        return;
    const std::lock_guard lock(claimMutex);
    slots[static_cast<std::size_t>(slot_)].begin.store(0, std::memory_order_release);
}

bool MappingGuard::faulted() const {
    return slot_ >= 0 &&
           slots[static_cast<std::size_t>(slot_)].faulted.load(std::memory_order_acquire);
}
