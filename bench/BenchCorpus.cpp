#include "bench/BenchCorpus.h"

#include "bench/GeneratedPhotos.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <algorithm>

qint64 BenchCorpus::totalBytes() const {
    qint64 total = 0;
    for (const File& file : files)
        total += file.bytes.size();
    return total;
}

QString benchSamplesDir() {
    const QString fromEnvironment = qEnvironmentVariable("KESTAVOLIN_SAMPLES_DIR");
    return fromEnvironment.isEmpty() ? QStringLiteral(KESTAVOLIN_SAMPLES_DIR) : fromEnvironment;
}

BenchCorpus jpegCorpus(int generatedCount, QSize generatedSize) {
    BenchCorpus corpus;
    const QString jpegDir = benchSamplesDir() + QStringLiteral("/jpeg");
    if (QDir(jpegDir).exists()) {
        QDirIterator found(jpegDir, {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (found.hasNext()) {
            QFile file(found.next());
            if (file.open(QIODevice::ReadOnly))
                corpus.files.push_back(
                    {QDir(jpegDir).relativeFilePath(file.fileName()), file.readAll()});
        }
        std::sort(corpus.files.begin(), corpus.files.end(),
                  [](const auto& a, const auto& b) { return a.name < b.name; });
        corpus.origin = QStringLiteral("sample photographs (jpeg/)");
        return corpus;
    }
    for (int seed = 0; seed < generatedCount; ++seed) {
        const QImage image = GeneratedPhotos::syntheticImage(generatedSize, seed);
        corpus.files.push_back({QStringLiteral("generated-%1.jpg").arg(seed),
                                GeneratedPhotos::jpegWithExif(image, seed)});
    }
    corpus.origin = QStringLiteral("generated %1x%2 photographs")
                        .arg(generatedSize.width())
                        .arg(generatedSize.height());
    return corpus;
}
