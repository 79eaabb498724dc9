// Metadata analysis per photograph: the photo analysis (reader and value rules, no
// picture) against two peer libraries reading the same thirty tags from the same
// bytes in memory, with a copy of each file as the floor.

#include "bench/BenchCorpus.h"
#include "bench/PeerReaders.h"
#include "bench/RatioReporter.h"
#include "photo/PhotoRecord.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Generated photographs when the samples are missing: enough to average over, of a
// common camera size.
constexpr int generatedCount = 16;
constexpr QSize generatedSize(3000, 2000);

// The corpus' bytes as the analysis takes them, without a copy.
using FileDataList = std::vector<std::shared_ptr<const FileData>>;

void analyseEveryFile(benchmark::State& state, const FileDataList& files) {
    for (auto _ : state) {
        for (const auto& data : files) {
            PhotoRecord record(AnalysisOptions{.decodePicture = false});
            benchmark::DoNotOptimize(record.dataAnalysisWithData(*data));
            benchmark::DoNotOptimize(record.info().isEmpty());
        }
    }
    setItemsPerIteration(state, static_cast<double>(files.size()));
}

template <int (*read)(const unsigned char*, std::size_t)>
void peerReadsEveryFile(benchmark::State& state, const BenchCorpus& corpus) {
    for (auto _ : state) {
        for (const auto& file : corpus.files)
            benchmark::DoNotOptimize(
                read(reinterpret_cast<const unsigned char*>(file.bytes.constData()),
                     static_cast<std::size_t>(file.bytes.size())));
    }
    setItemsPerIteration(state, static_cast<double>(corpus.files.size()));
}

void copyEveryFile(benchmark::State& state, const BenchCorpus& corpus) {
    std::vector<char> target(
        static_cast<std::size_t>(std::max_element(corpus.files.begin(), corpus.files.end(),
                                                  [](const auto& a, const auto& b) {
                                                      return a.bytes.size() < b.bytes.size();
                                                  })
                                     ->bytes.size()));
    for (auto _ : state) {
        for (const auto& file : corpus.files) {
            std::memcpy(target.data(), file.bytes.constData(),
                        static_cast<std::size_t>(file.bytes.size()));
            benchmark::ClobberMemory();
        }
    }
    setItemsPerIteration(state, static_cast<double>(corpus.files.size()));
}

// How many files each reader finds tags in, to show they all read the same corpus.
void printCoverage(const BenchCorpus& corpus, const FileDataList& files) {
    int analysed = 0, exiv2 = 0, libexif = 0;
    for (std::size_t index = 0; index < corpus.files.size(); ++index) {
        PhotoRecord record(AnalysisOptions{.decodePicture = false});
        analysed += record.dataAnalysisWithData(*files[index]) ? 1 : 0;
        const auto* bytes =
            reinterpret_cast<const unsigned char*>(corpus.files[index].bytes.constData());
        const auto length = static_cast<std::size_t>(corpus.files[index].bytes.size());
        exiv2 += PeerReaders::readWithExiv2(bytes, length) > 0 ? 1 : 0;
        libexif += PeerReaders::readWithLibexif(bytes, length) > 0 ? 1 : 0;
    }
    std::printf("Corpus: %zu files, %.1f MB, %s. Files with tags: analysis %d, exiv2 %d, "
                "libexif %d.\n",
                corpus.files.size(), static_cast<double>(corpus.totalBytes()) / 1e6,
                qUtf8Printable(corpus.origin), analysed, exiv2, libexif);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const auto strings = installStringTables();
    PeerReaders::silencePeerWarnings();
    benchmark::Initialize(&argc, argv);

    const BenchCorpus corpus = jpegCorpus(generatedCount, generatedSize);
    if (corpus.files.empty()) {
        std::fprintf(stderr, "bench_analysis: no photographs to measure\n");
        return 1;
    }
    FileDataList files;
    for (const auto& file : corpus.files)
        files.push_back(FileData::fromByteArray(
            QByteArray::fromRawData(file.bytes.constData(), file.bytes.size())));
    printCoverage(corpus, files);

    benchmark::RegisterBenchmark("analysis/kestavolin", analyseEveryFile, files);
    benchmark::RegisterBenchmark("analysis/exiv2", peerReadsEveryFile<PeerReaders::readWithExiv2>,
                                 corpus);
    benchmark::RegisterBenchmark("analysis/libexif",
                                 peerReadsEveryFile<PeerReaders::readWithLibexif>, corpus);
    benchmark::RegisterBenchmark("analysis/memcpy", copyEveryFile, corpus);

    RatioReporter reporter(RatioReporter::Clock::Processor);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printComparison(
        reporter, "Metadata analysis per photograph (" + corpus.origin.toStdString() + ")", "file",
        "analysis/kestavolin", {"analysis/exiv2", "analysis/libexif", "analysis/memcpy"});
    benchmark::Shutdown();
    return 0;
}
