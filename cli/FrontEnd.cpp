// The kestavolin-cli on the path. It runs no command itself and loads no library but
// C++'s own, so that it hands each request at once to the program that runs it, and
// that program loads only what the request needs: dump and info one linked with Qt
// Core only, render one that draws labels without the printing libraries, exiv2 or
// qpdf, every other request (print, the usage, the version, mistakes) the complete
// program. The arguments go on unchanged, byte for byte.

#include "HandOver.h"

#include <string>
#include <vector>

namespace {

const char* programFor(const std::string& command) {
    if (command == "dump" || command == "info")
        return KESTAVOLIN_METADATA_CLI;
    if (command == "render")
        return KESTAVOLIN_RENDER_CLI;
    return KESTAVOLIN_COMPLETE_CLI;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return handOver(programFor(arguments.empty() ? std::string() : arguments.front()), arguments);
}
