// Open to label: from the path of a 24-megapixel JPEG to its Tape 18 label drawn into
// an image (read, analyse, decode the thumbnail, lay out, draw), against the plain
// decoder getting the same file's pixels at an eighth of their size.

#include "bench/GeneratedPhotos.h"
#include "bench/RatioReporter.h"
#include "cli/LabelOptionsReader.h"
#include "label/LabelFiles.h"
#include "label/LabelLayout.h"
#include "label/LabelPictures.h"
#include "photo/DefaultExifItems.h"
#include "photo/LabelMedia.h"
#include "photo/PhotoRecord.h"
#include "pictures/Picture.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr QSize photographSize(6000, 4000);

LabelOptions tapeOptions() {
    LabelOptions options;
    options.medium = LabelMedia::tape18Name;
    options.title = QStringLiteral("Harbour at dawn");
    options.photographer = localizedString(QStringLiteral("Photographer"));
    options.displaySettings = defaultExifItemsStatus();
    return options;
}

void openToLabel(benchmark::State& state, const QString& path) {
    const LabelOptions options = tapeOptions();
    for (auto _ : state) {
        const auto data = FileData::initWithContentsOfFile(path);
        auto record = PhotoRecord::initWithData(data, {.pictureBoxes = labelPictureBoxes()});
        if (!record || !record->haveExif()) {
            state.SkipWithError("the photograph could not be analysed");
            return;
        }
        record->setFileName(path);
        const auto layout = makeLabelLayout(options);
        showPhotograph(*layout, options, record.get());
        const Result<QImage> label = LabelFiles::renderImage(*layout, LabelFiles::defaultPngDpi);
        if (!label) {
            state.SkipWithError(qUtf8Printable(label.failure().text()));
            return;
        }
    }
}

// The picture alone, as the analysis decodes it: where the pipeline's time goes.
void decodePicture(benchmark::State& state, const QString& path) {
    for (auto _ : state) {
        const auto data = FileData::initWithContentsOfFile(path);
        benchmark::DoNotOptimize(decodeLabelPicture(*data));
    }
}

void djpegEighth(benchmark::State& state, const QString& path) {
    const QByteArray file = QFile::encodeName(path);
    char program[] = "djpeg";
    char scale[] = "-scale";
    char eighth[] = "1/8";
    char outfile[] = "-outfile";
    char nowhere[] = "/dev/null";
    char* argv[] = {program, scale, eighth, outfile, nowhere, const_cast<char*>(file.constData()),
                    nullptr};
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("djpeg did not run (install libjpeg-turbo-progs)");
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const auto strings = installStringTables();
    benchmark::Initialize(&argc, argv);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("photograph-24mp.jpg"));
    QFile file(path);
    const QByteArray jpeg =
        GeneratedPhotos::jpegWithExif(GeneratedPhotos::syntheticImage(photographSize, 1), 1);
    if (jpeg.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
        std::fprintf(stderr, "bench_pipeline: cannot write the generated photograph\n");
        return 1;
    }
    file.close();
    std::printf("Photograph: %dx%d JPEG with Exif, %.1f MB\n", photographSize.width(),
                photographSize.height(), static_cast<double>(jpeg.size()) / 1e6);

    benchmark::RegisterBenchmark("floor/djpeg -scale 1/8", djpegEighth, path)->UseRealTime();
    benchmark::RegisterBenchmark("pipeline/open-to-label", openToLabel, path)->UseRealTime();
    benchmark::RegisterBenchmark("pipeline/picture decode only", decodePicture, path)
        ->UseRealTime();

    RatioReporter reporter(RatioReporter::Clock::WallClock);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printComparison(reporter, "Open to label against the decode floor (24 MP JPEG)", "photograph",
                    "floor/djpeg -scale 1/8",
                    {"pipeline/open-to-label", "pipeline/picture decode only"});
    benchmark::Shutdown();
    return 0;
}
