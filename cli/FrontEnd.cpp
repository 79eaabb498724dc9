// The kestavolin-cli on the path. It links only the commands that need no GUI
// library (dump, info), so that they start as fast as a program linked with Qt Core
// alone, and hands every other request (render, print, the usage, the version,
// mistakes) to the complete program with the same arguments.

#include "Command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace {

// What a shell answers when a program cannot be run.
constexpr int exitCannotRun = 127;

// The complete program lies at a fixed place relative to this one, in the build
// folder as once installed.
std::filesystem::path completeProgram() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return self.parent_path() / KESTAVOLIN_COMPLETE_CLI;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2) {
        if (const CliCommand* command = findCommand(argv[1]))
            return command->run(std::vector<std::string>(argv + 2, argv + argc));
    }
    const std::string program = completeProgram().string();
    ::execv(program.c_str(), argv);
    std::fprintf(stderr, "kestavolin-cli: cannot run %s: %s\n", program.c_str(),
                 std::strerror(errno));
    return exitCannotRun;
}
