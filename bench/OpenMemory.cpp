// Peak memory of opening one photograph as the application does (map the file,
// analyse it, decode its picture). Prints one line:
//   <file bytes> <resident KiB before opening> <peak resident KiB> <decoded pixel size>
// Run one process per file: the peak is the process's high-water mark.

#include "photo/PhotoRecord.h"
#include "pictures/Picture.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <sys/resource.h>

namespace {

// The resident set of the process now, from /proc (KiB), or -1.
long residentKib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

long peakResidentKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage: bench_open_memory FILE\n");
        return 2;
    }
    installStringTables();
    const long before = residentKib();
    const auto data = FileData::initWithContentsOfFile(QString::fromLocal8Bit(argv[1]));
    const auto record = PhotoRecord::initWithData(data);
    if (!record || !record->haveExif() || !record->photoImage()) {
        std::fprintf(stderr, "bench_open_memory: %s could not be opened\n", argv[1]);
        return 1;
    }
    const QSize decoded = record->photoImage()->image().size();
    std::printf("%lld %ld %ld %dx%d\n", static_cast<long long>(data->length()), before,
                peakResidentKib(), decoded.width(), decoded.height());
    return 0;
}
