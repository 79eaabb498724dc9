#include "HandOver.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace {

// What a shell answers when a program cannot be run.
constexpr int exitCannotRun = 127;

} // namespace

std::string programBeside(const char* relativePath) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (self.parent_path() / relativePath).string();
}

int handOver(const char* relativePath, const std::vector<std::string>& arguments) {
    const std::string program = programBeside(relativePath);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    std::fprintf(stderr, "kestavolin-cli: cannot run %s: %s\n", program.c_str(),
                 std::strerror(errno));
    return exitCannotRun;
}
