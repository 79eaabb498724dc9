// Every sample photograph and a few thousand damaged variants go through the photo
// analysis and both label layouts, each within a time limit: each must give a
// dictionary or the failure that tells why not, and nothing may crash or hang (the
// asan build adds memory errors, leaks and undefined behaviour to that).

#include "Mutations.h"
#include "common/SampleFolder.h"

#include "cli/LabelOptionsReader.h"
#include "label/LabelFiles.h"
#include "label/LabelLayout.h"
#include "label/LabelPictures.h"
#include "photo/DefaultExifItems.h"
#include "photo/LabelMedia.h"
#include "photo/PhotoRecord.h"
#include "platform/FileData.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLoggingCategory>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <unistd.h>

namespace {

constexpr int mutationCount = 3000;
constexpr quint32 mutationSeed = 0x5EED;
// Samples larger than this are swept whole but not mutated: damage to pixel data
// far into a large file tells nothing new and costs decoding time.
constexpr qsizetype largestMutationBase = 1024 * 1024;
constexpr unsigned perFileSeconds = 20;
// Labels are drawn coarsely: the drawing code runs all the same.
constexpr int sweepDpi = 36;

// A hang cannot be interrupted from inside, and the test runner's timeout would not
// say which file hung: the alarm's handler writes the message for the current file,
// prepared beforehand, and ends the process.
char hangMessage[1024];
std::size_t hangMessageLength = 0;

extern "C" void timedOut(int) {
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, hangMessage, hangMessageLength);
    ::_exit(EXIT_FAILURE);
}

void startClock(const QString& name) {
    const QByteArray text =
        QStringLiteral("%1: took longer than %2 s\n").arg(name).arg(perFileSeconds).toUtf8();
    hangMessageLength = std::min(static_cast<std::size_t>(text.size()), sizeof hangMessage);
    std::memcpy(hangMessage, text.constData(), hangMessageLength);
    ::alarm(perFileSeconds);
}

std::vector<SweepFile> filesUnder(const QString& folder, const QString& prefix) {
    std::vector<SweepFile> files;
    QDirIterator found(folder, QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext()) {
        QFile file(found.next());
        if (file.open(QIODevice::ReadOnly))
            files.push_back(
                {prefix + QDir(folder).relativeFilePath(file.fileName()), file.readAll()});
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    return files;
}

std::vector<SweepFile> sampleFiles() {
    const QString samples = QString::fromStdString(sampleFolder().string());
    return samples.isEmpty() ? std::vector<SweepFile>{}
                             : filesUnder(samples, QStringLiteral("samples/"));
}

// The small files kept with the sources: the test photograph, the fuzz seeds and the
// fuzz findings.
std::vector<SweepFile> trackedFiles() {
    std::vector<SweepFile> files =
        filesUnder(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR), QStringLiteral("data/"));
    for (const char* target : {"reader", "psd", "analysis"}) {
        auto seeds = filesUnder(QStringLiteral(KESTAVOLIN_FUZZ_SEEDS_DIR "/") + target,
                                QStringLiteral("seeds/%1/").arg(target));
        files.insert(files.end(), seeds.begin(), seeds.end());
    }
    return files;
}

class Sweep {
public:
    Sweep() {
        // The image plug-ins complain about every damaged file; the counts say enough.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
        std::signal(SIGALRM, timedOut);
    }
    ~Sweep() {
        ::alarm(0);
        std::signal(SIGALRM, SIG_DFL);
    }

    void run(const std::vector<SweepFile>& files, const char* title) {
        for (const SweepFile& file : files)
            runOne(file);
        std::printf("%s: %zu files, %d dictionaries, %d refused as too short; alerts by code:",
                    title, files.size(), dictionaries_, refused_);
        for (const auto& [code, count] : alertsByCode_)
            std::printf(" %d (%d)", code, count);
        std::printf("\n");
        std::fflush(stdout);
    }

private:
    void runOne(const SweepFile& file) {
        SCOPED_TRACE(qUtf8Printable(file.name));
        startClock(file.name);
        const auto record = PhotoRecord::initWithData(FileData::fromByteArray(file.bytes),
                                                      {.pictureBoxes = labelPictureBoxes()});
        classify(file, record.get());
        for (const QString& medium : {LabelMedia::tape18Name, LabelMedia::roll60Name})
            layOut(medium, record.get());
        ::alarm(0);
    }

    void classify(const SweepFile& file, const PhotoRecord* record) {
        if (record == nullptr) {
            EXPECT_LT(file.bytes.size(), PhotoRecord::minimumLength);
            ++refused_;
        } else if (record->haveExif()) {
            EXPECT_FALSE(record->failure());
            ++dictionaries_;
        } else {
            ASSERT_TRUE(record->failure());
            EXPECT_TRUE(record->info().isEmpty());
            EXPECT_EQ(record->photoImage(), nullptr);
            ++alertsByCode_[record->failure()->code];
        }
    }

    static void layOut(const QString& medium, const PhotoRecord* record) {
        LabelOptions options;
        options.medium = medium;
        options.title = QStringLiteral("Sweep");
        options.photographer = QStringLiteral("Photographer");
        options.displaySettings = defaultExifItemsStatus();
        const auto layout = makeLabelLayout(options);
        showPhotograph(*layout, options, record);
        EXPECT_FALSE(layout->placedTexts().empty());
        const Result<QImage> image = LabelFiles::renderImage(*layout, sweepDpi);
        EXPECT_TRUE(!image || !image->isNull());
    }

    int dictionaries_ = 0;
    int refused_ = 0;
    std::map<int, int> alertsByCode_;
};

TEST(BadFileSweep, EverySampleGivesADictionaryOrOneFailure) {
    const std::vector<SweepFile> files = sampleFiles();
    if (files.empty())
        GTEST_SKIP() << "no sample photographs";
    Sweep().run(files, "Sample files");
}

TEST(BadFileSweep, EveryMutationGivesADictionaryOrOneFailure) {
    std::vector<SweepFile> bases = trackedFiles();
    for (SweepFile& sample : sampleFiles()) {
        if (sample.bytes.size() <= largestMutationBase)
            bases.push_back(std::move(sample));
    }
    std::erase_if(bases, [](const SweepFile& file) {
        return file.bytes.size() < PhotoRecord::minimumLength;
    });
    ASSERT_FALSE(bases.empty());
    const std::vector<SweepFile> damaged =
        mutations(bases, mutationCount, mutationSeed, PhotoRecord::minimumLength);
    ASSERT_EQ(damaged.size(), static_cast<std::size_t>(mutationCount));
    // Only setting a field to the value it holds leaves a base as it was; truncation
    // leaves what the analysis takes.
    int unchanged = 0;
    for (std::size_t index = 0; index < damaged.size(); ++index) {
        unchanged += damaged[index].bytes == bases[index % bases.size()].bytes ? 1 : 0;
        EXPECT_GE(damaged[index].bytes.size(), PhotoRecord::minimumLength);
    }
    EXPECT_LT(unchanged, mutationCount / 10);
    std::printf("Mutations of %zu files, seed 0x%X\n", bases.size(), mutationSeed);
    Sweep().run(damaged, "Mutations");
}

} // namespace
