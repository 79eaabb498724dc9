// Every sample photograph and a few thousand damaged variants go through the photo
// analysis and both label layouts, each within a time limit: each must give a
// dictionary or exactly one alert, and nothing may crash or hang (the asan build
// adds memory errors, leaks and undefined behaviour to that).

#include "Mutations.h"
#include "Watchdog.h"
#include "common/SampleFolder.h"

#include "cli/LabelOptionsReader.h"
#include "label/LabelFiles.h"
#include "label/LabelLayout.h"
#include "photo/ConstStrings.h"
#include "photo/DefaultExifItems.h"
#include "photo/Kestavolin.h"
#include "platform/Alert.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLoggingCategory>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace {

constexpr int mutationCount = 3000;
constexpr quint32 mutationSeed = 0x5EED;
// Samples larger than this are swept whole but not mutated: damage to pixel data
// far into a large file tells nothing new and costs decoding time.
constexpr qsizetype largestMutationBase = 1024 * 1024;
constexpr auto perFileLimit = std::chrono::seconds(20);
// Labels are drawn coarsely: the drawing code runs all the same.
constexpr int sweepDpi = 36;

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

// The small files kept with the sources: the test photograph, the fuzz seeds and the
// fuzz findings.
std::vector<SweepFile> trackedFiles() {
    std::vector<SweepFile> files =
        filesUnder(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR), QStringLiteral("data/"));
    for (const QString& target :
         {QStringLiteral("reader"), QStringLiteral("psd"), QStringLiteral("analysis")}) {
        auto seeds = filesUnder(QStringLiteral(KESTAVOLIN_FUZZ_SEEDS_DIR "/") + target,
                                QStringLiteral("seeds/%1/").arg(target));
        files.insert(files.end(), seeds.begin(), seeds.end());
    }
    return files;
}

class Sweep {
public:
    Sweep() : watchdog_(perFileLimit), recording_(alerts_) {
        useEmptyStringTable();
        // The image plug-ins complain about every damaged file; the counts say enough.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    }

    void run(const std::vector<SweepFile>& files) {
        for (const SweepFile& file : files)
            runOne(file);
    }

    void printCounts(const char* title) const {
        std::printf("%s: %d files, %d dictionaries, %d refused as too short; alerts by code:",
                    title, files_, dictionaries_, refused_);
        for (const auto& [code, count] : alertsByCode_)
            std::printf(" %d (%d)", code, count);
        std::printf("\n");
        std::fflush(stdout);
    }

private:
    void runOne(const SweepFile& file) {
        SCOPED_TRACE(qUtf8Printable(file.name));
        alerts_.clear();
        watchdog_.start(file.name.toStdString());

        const auto record = Kestavolin::initWithData(FileData::fromByteArray(file.bytes));
        classify(file, record.get());
        for (const QString& medium : {MediaTape18Key, MediaRoll60Key})
            layOut(medium, record.get());
        EXPECT_TRUE(alerts_.alerts().isEmpty()) << "the label layout raised an alert";

        watchdog_.stop();
        ++files_;
    }

    void classify(const SweepFile& file, const Kestavolin* record) {
        if (record == nullptr) {
            EXPECT_LT(file.bytes.size(), Kestavolin::minimumLength);
            ++refused_;
        } else if (record->haveExif()) {
            EXPECT_FALSE(record->failure());
            ++dictionaries_;
        } else {
            ASSERT_TRUE(record->failure());
            EXPECT_TRUE(record->exifData().isEmpty());
            EXPECT_EQ(record->photoImage(), nullptr);
            ++alertsByCode_[record->failure()->code];
        }
        EXPECT_TRUE(alerts_.alerts().isEmpty()) << "the analysis raised an alert itself";
    }

    static void layOut(const QString& medium, const Kestavolin* record) {
        LabelOptions options;
        options.medium = medium;
        options.title = QStringLiteral("Sweep");
        options.photographer = QStringLiteral("Photographer");
        options.displaySettings = defaultExifItemsStatus();
        const auto layout = makeLabelLayout(options);
        showPhotograph(*layout, options, record);
        EXPECT_FALSE(layout->placedTexts().empty());
        QString error;
        const QImage image = LabelFiles::renderImage(*layout, sweepDpi, &error);
        EXPECT_TRUE(!image.isNull() || !error.isEmpty());
    }

    Watchdog watchdog_;
    RecordingAlertPresenter alerts_;
    ScopedAlertPresenter recording_;
    int files_ = 0;
    int dictionaries_ = 0;
    int refused_ = 0;
    std::map<int, int> alertsByCode_;
};

TEST(BadFileSweep, EverySampleGivesADictionaryOrOneFailure) {
    const QString samples = QString::fromStdString(sampleFolder().string());
    if (samples.isEmpty())
        GTEST_SKIP() << "no sample photographs";
    const std::vector<SweepFile> files = filesUnder(samples, QStringLiteral("samples/"));
    ASSERT_FALSE(files.empty());
    Sweep sweep;
    sweep.run(files);
    sweep.printCounts("Sample files");
}

TEST(BadFileSweep, EveryMutationGivesADictionaryOrOneFailure) {
    std::vector<SweepFile> bases = trackedFiles();
    const QString samples = QString::fromStdString(sampleFolder().string());
    if (!samples.isEmpty()) {
        for (SweepFile& sample : filesUnder(samples, QStringLiteral("samples/"))) {
            if (sample.bytes.size() <= largestMutationBase)
                bases.push_back(std::move(sample));
        }
    }
    std::erase_if(
        bases, [](const SweepFile& file) { return file.bytes.size() < Kestavolin::minimumLength; });
    ASSERT_FALSE(bases.empty());
    const std::vector<SweepFile> damaged =
        mutations(bases, mutationCount, mutationSeed, Kestavolin::minimumLength);
    ASSERT_EQ(damaged.size(), static_cast<std::size_t>(mutationCount));
    Sweep sweep;
    sweep.run(damaged);
    std::printf("Mutations of %zu files, seed 0x%X\n", bases.size(), mutationSeed);
    sweep.printCounts("Mutations");
}

} // namespace
