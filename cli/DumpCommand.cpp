// kestavolin-cli dump: prints the directory tables the metadata reader finds in
// photograph files.

#include "Command.h"

#include "exiflistlib/exiflist.h"
#include "platform/MappingGuard.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int exitFailure = 2;

const char usageText[] =
    "Usage: kestavolin-cli dump [--detailed] FILE...\n"
    "\n"
    "Prints the 0th, Exif and GPS directories that the metadata reader finds in each\n"
    "JPEG, TIFF or PSD file, one line per tag it keeps.\n"
    "\n"
    "Options:\n"
    "  --detailed  show tag number, field type and count before each tag name\n"
    "  -h, --help  show this help and exit\n"
    "\n"
    "Exit status: 0 when every file was read, 2 when a file could not be read or its\n"
    "metadata could not be located or parsed (stderr names the file and the reader's\n"
    "code).\n";

// The bytes of a whole file, mapped read-only for as long as the object lives.
class MappedFile {
public:
    explicit MappedFile(const std::string& path) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            error_ = errno;
            return;
        }
        struct stat info = {};
        if (::fstat(fd, &info) != 0) {
            error_ = errno;
        } else if (S_ISDIR(info.st_mode)) {
            error_ = EISDIR;
        } else if (!S_ISREG(info.st_mode)) {
            error_ = EINVAL;
        } else if (info.st_size > 0) {
            void* mapped =
                ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (mapped == MAP_FAILED) {
                error_ = errno;
            } else {
                bytes_ = static_cast<const unsigned char*>(mapped);
                length_ = info.st_size;
                guard_ = std::make_unique<MappingGuard>(mapped, static_cast<size_t>(length_));
            }
        }
        ::close(fd);
    }
    ~MappedFile() {
        guard_.reset();
        if (bytes_ != nullptr)
            ::munmap(const_cast<unsigned char*>(bytes_), static_cast<size_t>(length_));
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    int error() const { return error_; }
    const unsigned char* bytes() const { return bytes_; }
    int64_t length() const { return length_; }
    // True once the file was found shorter than when it was mapped (its missing bytes
    // read as zeros rather than ending the process).
    bool changedWhileRead() const { return guard_ && guard_->faulted(); }

private:
    const unsigned char* bytes_ = nullptr;
    int64_t length_ = 0;
    int error_ = 0;
    std::unique_ptr<MappingGuard> guard_;
};

const char* describeResult(int code) {
    switch (code) {
    case EXIFLIST_ERROR_IFD:
        return "a metadata directory could not be read";
    case EXIFLIST_ERROR_JPEG_SEGMENT_LENGTH:
        return "a JPEG segment reaches past the end of the file";
    case EXIFLIST_ERROR_JPEG_EXIF_NOT_FIRST:
    case EXIFLIST_ERROR_JPEG_NO_EXIF:
        return "no Exif segment before the image data";
    case EXIFLIST_ERROR_PSD_NO_RESOURCES:
    case EXIFLIST_ERROR_PSD_NO_EXIF:
        return "no Exif resource in the Photoshop file";
    case EXIFLIST_ERROR_PSD_HEADER:
    case EXIFLIST_ERROR_PSD_CHANNELS:
    case EXIFLIST_ERROR_PSD_HEIGHT:
    case EXIFLIST_ERROR_PSD_DEPTH:
    case EXIFLIST_ERROR_PSD_COLOR_MODE:
    case EXIFLIST_ERROR_PSD_COLOR_DATA:
        return "unsupported or damaged Photoshop header";
    default:
        return "not a JPEG, TIFF or PSD file with readable metadata";
    }
}

void reportFailure(const std::string& path, int code) {
    std::fprintf(stderr, "kestavolin-cli dump: %s: %s (code %d)\n", path.c_str(),
                 describeResult(code), code);
}

// Dumps one file's tables; false when the file or its metadata could not be read.
bool dumpFile(const std::string& path, int mode) {
    const MappedFile file(path);
    if (file.error() != 0) {
        std::fprintf(stderr, "kestavolin-cli dump: %s: cannot read: %s\n", path.c_str(),
                     std::strerror(file.error()));
        return false;
    }
    FileStrm strm;
    setFileStrm(&strm, file.bytes(), file.length());
    const int detection = selectFileFormat(&strm);
    if (detection != EXIFLIST_SUCCESS) {
        reportFailure(path, detection);
        return false;
    }
    int result = 0;
    ExifIfdTable** tables = generateUsefulIfdTableArray(&strm, &result);
    dumpIfdTableArray(tables, mode);
    freeIfdTableArray(tables);
    std::fflush(stdout);
    if (file.changedWhileRead()) {
        std::fprintf(stderr, "kestavolin-cli dump: %s: the file changed while it was read\n",
                     path.c_str());
        return false;
    }
    if (result == EXIFLIST_ERROR_IFD) {
        reportFailure(path, result);
        return false;
    }
    return true;
}

int runDump(const std::vector<std::string>& args) {
    int mode = EXIFLIST_DUMP_SHORT;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--detailed") {
            mode = EXIFLIST_DUMP_DETAILED;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(usageText, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "kestavolin-cli dump: unknown option '%s'\n%s", arg.c_str(),
                         usageText);
            return exitFailure;
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "kestavolin-cli dump: no file given\n%s", usageText);
        return exitFailure;
    }
    bool allRead = true;
    for (const std::string& path : files) {
        if (files.size() > 1)
            std::printf("\n== %s ==\n", path.c_str());
        allRead = dumpFile(path, mode) && allRead;
    }
    return allRead ? 0 : exitFailure;
}

const CommandRegistration registration{
    {"dump", "dump [--detailed] FILE...  print the metadata directories of photographs", runDump}};

} // namespace
