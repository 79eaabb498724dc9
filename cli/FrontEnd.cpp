// The kestavolin-cli on the path. It runs no command itself and loads no library but
// the C library, so that it hands each request at once to the program that runs it,
// and that program loads only what the request needs: dump and info one linked with
// Qt Core only, render one that draws labels without the printing libraries or
// exiv2, every other request (print, the usage, the version, mistakes) the complete
// program. The arguments go on unchanged, byte for byte.

#include "HandOver.h"

#include <cstring>

namespace {

const char* programFor(const char* command) {
    if (std::strcmp(command, "dump") == 0 || std::strcmp(command, "info") == 0)
        return KESTAVOLIN_METADATA_CLI;
    if (std::strcmp(command, "render") == 0)
        return KESTAVOLIN_RENDER_CLI;
    return KESTAVOLIN_COMPLETE_CLI;
}

} // namespace

int main(int argc, char** argv) {
    return handOver(programFor(argc > 1 ? argv[1] : ""), argv);
}
