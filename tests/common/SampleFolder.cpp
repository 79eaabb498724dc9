#include "common/SampleFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

std::filesystem::path sampleFolder(const std::filesystem::path& inside) {
    std::filesystem::path folder = std::filesystem::path(KESTAVOLIN_SAMPLES_DIR) / inside;
    if (std::filesystem::is_directory(folder))
        return folder;
    const char* required = std::getenv("KESTAVOLIN_REQUIRE_SAMPLES");
    if (required != nullptr && std::string_view(required) == "1")
        ADD_FAILURE() << "no sample photographs at " << folder
                      << " and KESTAVOLIN_REQUIRE_SAMPLES=1 requires them";
    return {};
}
