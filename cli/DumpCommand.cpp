// kestavolin-cli dump: prints the directory tables the metadata reader finds in
// photograph files.

#include "Command.h"
#include "CommandArguments.h"

#include "exiflistlib/exiflist.h"
#include "photo/AnalysisFailure.h"
#include "platform/FileData.h"
#include "platform/FileNames.h"

#include <QCommandLineParser>

#include <cstdio>
#include <memory>

namespace {

constexpr int exitRead = 0;
constexpr int exitNotRead = 1;
constexpr int exitUsage = 2;

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
    "Exit status: 0 when every file was read, 1 when a file could not be read or its\n"
    "metadata could not be located or parsed (stderr names the file and the reader's\n"
    "code), 2 for a usage error.\n";

void reportFailure(const QByteArray& path, int code) {
    std::fprintf(stderr, "kestavolin-cli dump: %s: %s (code %d)\n", path.constData(),
                 analysisFailure(code).description, code);
}

// Dumps one file's tables; false when the file or its metadata could not be read.
bool dumpFile(const QString& path, int mode) {
    const QByteArray shownPath = FileNames::toNative(path);
    const std::shared_ptr<const FileData> file = FileData::initWithContentsOfFile(path);
    if (!file) {
        std::fprintf(stderr,
                     "kestavolin-cli dump: %s: cannot read: it does not exist, is not a regular "
                     "file or cannot be read\n",
                     shownPath.constData());
        return false;
    }
    ExifReaderContext reader;
    setExifReaderContext(&reader, file->bytes(), file->length());
    const int detection = selectFileFormat(&reader);
    if (detection != EXIFLIST_SUCCESS) {
        reportFailure(shownPath, detection);
        return false;
    }
    int result = 0;
    ExifIfdTable** tables = generateUsefulIfdTableArray(&reader, &result);
    dumpIfdTableArray(tables, mode);
    freeIfdTableArray(tables);
    std::fflush(stdout);
    if (file->changedWhileRead()) {
        std::fprintf(stderr, "kestavolin-cli dump: %s: the file changed while it was read\n",
                     shownPath.constData());
        return false;
    }
    if (result == EXIFLIST_ERROR_IFD) {
        reportFailure(shownPath, result);
        return false;
    }
    return true;
}

int runDump(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    parser.addOptions({{{QStringLiteral("h"), QStringLiteral("help")}, QString()},
                       {QStringLiteral("detailed"), QString()}});
    if (!parser.parse(commandArguments("dump", args))) {
        std::fprintf(stderr, "kestavolin-cli dump: %s\n%s", qUtf8Printable(parser.errorText()),
                     usageText);
        return exitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(usageText, stdout);
        return exitRead;
    }
    const int mode =
        parser.isSet(QStringLiteral("detailed")) ? EXIFLIST_DUMP_DETAILED : EXIFLIST_DUMP_SHORT;
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        std::fprintf(stderr, "kestavolin-cli dump: no file given\n%s", usageText);
        return exitUsage;
    }
    bool allRead = true;
    for (const QString& path : files) {
        if (files.size() > 1)
            std::printf("\n== %s ==\n", FileNames::toNative(path).constData());
        allRead = dumpFile(path, mode) && allRead;
    }
    return allRead ? exitRead : exitNotRead;
}

const CommandRegistration registration{
    {"dump", "dump [--detailed] FILE...  print the metadata directories of photographs", runDump}};

} // namespace
