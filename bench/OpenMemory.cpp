// Peak memory of opening one photograph as the application does (map the file,
// analyse it, decode its picture). Prints one line:
//   <file bytes> <resident KiB before opening> <peak resident KiB> <decoded pixel size>
// Run one process per file: the peak is the process's high-water mark.

#include "bench/ProcessMemory.h"
#include "label/LabelPictures.h"
#include "photo/PhotoRecord.h"
#include "pictures/Picture.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage: bench_open_memory FILE\n");
        return 2;
    }
    const auto strings = installStringTables();
    const long before = ProcessMemory::residentKib();
    const auto data = FileData::initWithContentsOfFile(QString::fromLocal8Bit(argv[1]));
    const auto record = PhotoRecord::initWithData(data, {.pictureBoxes = labelPictureBoxes()});
    if (!record || !record->haveExif() || !record->photoImage()) {
        std::fprintf(stderr, "bench_open_memory: %s could not be opened\n", argv[1]);
        return 1;
    }
    const QSize decoded = record->photoImage()->image().size();
    std::printf("%lld %ld %ld %dx%d\n", static_cast<long long>(data->length()), before,
                ProcessMemory::peakResidentKib(), decoded.width(), decoded.height());
    return 0;
}
