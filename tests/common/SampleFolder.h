#pragma once

#include <filesystem>

// The folder of sample photographs beside the repository, or a folder inside it such as
// "jpeg/orientation"; an empty path when it is missing, and the caller skips. Where
// KESTAVOLIN_REQUIRE_SAMPLES=1 is set, as in continuous integration, a missing folder
// also fails the calling test, so a corpus test cannot pass there by skipping.
std::filesystem::path sampleFolder(const std::filesystem::path& inside = {});
