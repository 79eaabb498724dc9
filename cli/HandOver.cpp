#include "HandOver.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

// What a shell answers when a program cannot be run.
constexpr int exitCannotRun = 127;

} // namespace

bool programBeside(const char* relativePath, char (&path)[PATH_MAX]) {
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    path[length > 0 ? length : 0] = '\0';
    const char* slash = std::strrchr(path, '/');
    const std::size_t folder = slash ? static_cast<std::size_t>(slash - path) + 1 : 0;
    const int written = std::snprintf(path + folder, sizeof path - folder, "%s", relativePath);
    return written >= 0 && static_cast<std::size_t>(written) < sizeof path - folder;
}

int handOver(const char* relativePath, char** argv) {
    char program[PATH_MAX];
    if (programBeside(relativePath, program)) {
        argv[0] = program;
        ::execv(program, argv);
    } else {
        errno = ENAMETOOLONG;
    }
    std::fprintf(stderr, "kestavolin-cli: cannot run %s: %s\n", program, std::strerror(errno));
    return exitCannotRun;
}
