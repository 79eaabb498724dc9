#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

// The photographs a benchmark runs over, held in memory so that every reader under
// test gets the very same bytes.
struct BenchCorpus {
    struct File {
        QString name;
        QByteArray bytes;
    };
    QString origin; // where the files came from, for the report
    std::vector<File> files;

    qint64 totalBytes() const;
};

// The folder of the sample photographs: KESTAVOLIN_SAMPLES_DIR from the environment
// when set, else the samples folder next to the source tree.
QString benchSamplesDir();

// Every JPEG under the samples' jpeg folder when it exists; otherwise
// generatedCount generated photographs of generatedSize.
BenchCorpus jpegCorpus(int generatedCount, QSize generatedSize);
