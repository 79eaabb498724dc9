#pragma once

#include <climits>

// kestavolin-cli is several programs, so that each request loads only the libraries it
// needs (see CMakeLists.txt). A program hands work it does not do itself to another,
// which lies at a fixed place relative to it, in the build folder as once installed.
// None of this needs the C++ library's runtime, so that the front end loads nothing
// but the C library.

// The path of the program at `relativePath` from the folder of the running one, in
// `path`; false when it is longer than a path may be.
bool programBeside(const char* relativePath, char (&path)[PATH_MAX]);

// Runs the program at `relativePath` in place of this one with the arguments after
// argv[0] (which it replaces; the list ends with a null). Returns only when it cannot
// be run: the exit status to end with, after telling why on standard error.
int handOver(const char* relativePath, char** argv);
