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

int handOver(const char* relativePath, const std::vector<std::string>& arguments) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string program = (self.parent_path() / relativePath).string();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    std::fprintf(stderr, "kestavolin-cli: cannot run %s: %s\n", program.c_str(),
                 std::strerror(errno));
    return exitCannotRun;
}
