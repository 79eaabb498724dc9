#pragma once

#include <string>
#include <vector>

// kestavolin-cli is several programs, so that each request loads only the libraries it
// needs (see CMakeLists.txt). A program hands work it does not do itself to another,
// which lies at a fixed place relative to it, in the build folder as once installed.

// The path of the program at `relativePath` from the folder of the running one.
std::string programBeside(const char* relativePath);

// Runs the program at `relativePath` in place of this one with `arguments` after its
// name. Returns only when it cannot be run: the exit status to end with, after
// telling why on standard error.
int handOver(const char* relativePath, const std::vector<std::string>& arguments);
