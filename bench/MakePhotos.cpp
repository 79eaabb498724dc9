// Writes generated photographs for the whole-program benchmarks in scripts/bench:
//   bench_make_photos jpeg FOLDER COUNT WIDTH HEIGHT   COUNT JPEGs photo-NNN.jpg
//   bench_make_photos tiff FILE WIDTH HEIGHT           one uncompressed RGB TIFF
// Files that already exist are kept, so repeated runs reuse them.

#include "bench/GeneratedPhotos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {

int usage() {
    std::fprintf(stderr, "Usage: bench_make_photos jpeg FOLDER COUNT WIDTH HEIGHT\n"
                         "       bench_make_photos tiff FILE WIDTH HEIGHT\n");
    return 2;
}

int makeJpegs(const QString& folder, int count, QSize size) {
    if (!QDir().mkpath(folder))
        return 1;
    for (int index = 0; index < count; ++index) {
        const QString path = QDir(folder).filePath(
            QStringLiteral("photo-%1.jpg").arg(index, 3, 10, QLatin1Char('0')));
        if (QFile::exists(path))
            continue;
        const QByteArray jpeg =
            GeneratedPhotos::jpegWithExif(GeneratedPhotos::syntheticImage(size, index), index);
        QFile file(path);
        if (jpeg.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
            std::fprintf(stderr, "bench_make_photos: cannot write %s\n", qUtf8Printable(path));
            QFile::remove(path);
            return 1;
        }
    }
    return 0;
}

int makeTiff(const QString& path, QSize size) {
    if (QFile::exists(path))
        return 0;
    const QString error =
        GeneratedPhotos::writeTiffWithExif(GeneratedPhotos::syntheticImage(size, 0), path);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "bench_make_photos: %s: %s\n", qUtf8Printable(path),
                     qUtf8Printable(error));
        QFile::remove(path);
        return 1;
    }
    return 0;
}

int positive(const char* text) {
    const int value = std::atoi(text);
    return value > 0 ? value : 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() == 6 && args[1] == QStringLiteral("jpeg")) {
        const int count = positive(argv[3]);
        const QSize size(positive(argv[4]), positive(argv[5]));
        if (count == 0 || size.isEmpty())
            return usage();
        return makeJpegs(args[2], count, size);
    }
    if (args.size() == 5 && args[1] == QStringLiteral("tiff")) {
        const QSize size(positive(argv[3]), positive(argv[4]));
        if (size.isEmpty())
            return usage();
        return makeTiff(args[2], size);
    }
    return usage();
}
