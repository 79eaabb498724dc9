// kestavolin-cli render: the label of each photograph, laid out and drawn exactly as
// the application's label view draws it, written to PDF, PNG or SVG files.

#include "Command.h"
#include "LabelCommandSupport.h"
#include "LabelInputs.h"

#include "label/LabelFiles.h"
#include "label/LabelLayout.h"
#include "label/LabelOptions.h"
#include "photo/Kestavolin.h"
#include "platform/FileData.h"
#include "platform/FileNames.h"
#include "platform/FontCatalogue.h"
#include "platform/Picture.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <QThread>

#include <cstdio>
#include <deque>
#include <future>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

constexpr auto usageLine = "render [OPTIONS] FILE... -o OUT   (OUT: .pdf, .png or .svg)";
constexpr int exitRendered = 0;
constexpr int exitSomeFailed = 1;
constexpr int progressBarWidth = 30;
constexpr int maximumJobs = 256;

struct RenderRequest {
    std::vector<LabelInput> inputs;
    QStringList paths;
    QString output;
    LabelFiles::Format format = LabelFiles::Format::Pdf;
    int dpi = LabelFiles::defaultPngDpi;
    bool layoutJson = false;
    int jobs = 1;
};

void addRenderOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Renders the label of each photograph as the application draws it."));
    parser.addHelpOption();
    LabelOptionsReader::addOptions(parser);
    LabelInputs::addOptions(parser);
    parser.addOptions({
        {{QStringLiteral("o"), QStringLiteral("output")},
         QStringLiteral("Output file; its extension chooses the format (.pdf: one page per "
                        "photograph; .png and .svg: one file each, numbered when several)."),
         QStringLiteral("OUT")},
        {QStringLiteral("dpi"),
         QStringLiteral("Resolution of PNG files (default %1).").arg(LabelFiles::defaultPngDpi),
         QStringLiteral("N")},
        {QStringLiteral("layout-json"),
         QStringLiteral("Also print each label's texts, positions and widths as JSON, one "
                        "object per line.")},
        {QStringLiteral("no-translations"), QStringLiteral("Show localised texts as their keys.")},
        {{QStringLiteral("j"), QStringLiteral("jobs")},
         QStringLiteral("Decode up to N pictures at once (default: one per processor core)."),
         QStringLiteral("N")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Photographs (none with --captions)."),
                                 QStringLiteral("FILE..."));
}

std::optional<QString> readRequest(const QCommandLineParser& parser, RenderRequest& request) {
    if (!parser.isSet(QStringLiteral("output")))
        return QStringLiteral("no output file given (-o OUT)");
    request.output = parser.value(QStringLiteral("output"));
    // Files are written through Qt, which can only make names valid in the file
    // system's encoding.
    if (FileNames::toNative(request.output) != QFile::encodeName(request.output))
        return QStringLiteral("'%1': the output name is not valid in the file system's encoding")
            .arg(request.output);
    const auto format = LabelFiles::formatForPath(request.output);
    if (!format)
        return QStringLiteral("'%1': the output must end in .pdf, .png or .svg")
            .arg(request.output);
    request.format = *format;
    if (parser.isSet(QStringLiteral("dpi"))) {
        bool number = false;
        request.dpi = parser.value(QStringLiteral("dpi")).toInt(&number);
        if (!number || request.dpi < LabelFiles::minimumDpi || request.dpi > LabelFiles::maximumDpi)
            return QStringLiteral("--dpi takes a whole number from %1 to %2")
                .arg(LabelFiles::minimumDpi)
                .arg(LabelFiles::maximumDpi);
    }
    request.layoutJson = parser.isSet(QStringLiteral("layout-json"));
    request.jobs = QThread::idealThreadCount();
    if (parser.isSet(QStringLiteral("jobs"))) {
        bool number = false;
        request.jobs = parser.value(QStringLiteral("jobs")).toInt(&number);
        if (!number || request.jobs < 1 || request.jobs > maximumJobs)
            return QStringLiteral("--jobs takes a whole number from 1 to %1").arg(maximumJobs);
    }
    auto label = LabelOptionsReader::read(parser);
    if (const QString* error = std::get_if<QString>(&label))
        return *error;
    auto inputs =
        LabelInputs::read(parser, parser.positionalArguments(), std::get<LabelOptions>(label));
    if (const QString* error = std::get_if<QString>(&inputs))
        return *error;
    request.inputs = std::get<std::vector<LabelInput>>(std::move(inputs));
    request.paths = LabelInputs::paths(request.inputs);
    return std::nullopt;
}

// A bar on standard error that a batch redraws after each photograph, shown only
// when standard error is a terminal.
class ProgressBar {
public:
    explicit ProgressBar(qsizetype total)
        : total_(total), shown_(total > 1 && isatty(STDERR_FILENO)) {}

    // Clears the bar so that a message can take the line.
    void clear() {
        if (shown_)
            std::fputs("\r\033[K", stderr);
    }
    void show(qsizetype done) {
        if (!shown_)
            return;
        const auto filled = static_cast<int>(done * progressBarWidth / total_);
        std::fprintf(stderr, "\r[%.*s%*s] %lld/%lld", filled, "##############################",
                     progressBarWidth - filled, "", static_cast<long long>(done),
                     static_cast<long long>(total_));
        if (done == total_)
            std::fputc('\n', stderr);
        std::fflush(stderr);
    }

private:
    qsizetype total_;
    bool shown_;
};

// Reads the next photographs and decodes their pictures on other threads while the
// current one is analysed and drawn. Files are taken in input order and the analysis
// still decides whether a picture is used, so the output is the same as with one job.
// At most `jobs` files are read ahead, which bounds the memory their pictures take.
class DecodeAhead {
public:
    DecodeAhead(const QStringList& paths, int jobs) : paths_(paths), jobs_(jobs) {}

    PhotographFile take(qsizetype index) {
        if (jobs_ <= 1)
            return {FileData::initWithContentsOfFile(paths_.at(index)), std::nullopt};
        while (launched_ < paths_.size() && launched_ <= index + jobs_) {
            pending_.push_back(std::async(std::launch::async, decode, paths_.at(launched_)));
            ++launched_;
        }
        PhotographFile file = pending_.front().get();
        pending_.pop_front();
        return file;
    }

private:
    // A picture is decoded only once the metadata is known to be readable: the
    // analysis would not use it otherwise, and a file without metadata must not cost
    // what decoding its picture takes.
    static PhotographFile decode(const QString& path) {
        PhotographFile file{FileData::initWithContentsOfFile(path), std::nullopt};
        if (file.data && file.data->length() >= Kestavolin::minimumLength &&
            Kestavolin::hasReadableMetadata(*file.data))
            file.picture = Picture::initWithData(*file.data);
        return file;
    }

    const QStringList& paths_;
    int jobs_;
    qsizetype launched_ = 0;
    std::deque<std::future<PhotographFile>> pending_;
};

void printLayoutJson(const QString& path, const QJsonObject& description) {
    QJsonObject line{{QStringLiteral("file"), path}};
    for (auto entry = description.begin(); entry != description.end(); ++entry)
        line.insert(entry.key(), entry.value());
    std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
}

// Characters no installed face can draw come out blank. The label is still written
// as the application would print it, and each text that loses characters is named.
void warnOfCharactersWithoutGlyph(const QString& path, const LabelLayout& layout) {
    for (const PlacedText& placed : layout.placedTexts()) {
        const QString missing =
            FontCatalogue::charactersWithoutGlyph(placed.text.string(), placed.text.font());
        if (missing.isEmpty())
            continue;
        QStringList codes;
        for (const char32_t code : missing.toUcs4())
            codes.append(QStringLiteral("U+%1")
                             .arg(static_cast<uint>(code), 4, 16, QLatin1Char('0'))
                             .toUpper());
        std::fprintf(stderr,
                     "kestavolin-cli render: %s: no installed font draws \"%s\" (%s) of %s; "
                     "they are left blank\n",
                     qUtf8Printable(path), qUtf8Printable(missing),
                     qUtf8Printable(codes.join(QLatin1Char(' '))), qUtf8Printable(placed.field));
    }
}

QString writeSingleFile(const RenderRequest& request, LabelLayout& layout, qsizetype index) {
    const QString path = LabelFiles::numberedPath(request.output, static_cast<int>(index) + 1,
                                                  static_cast<int>(request.paths.size()));
    if (request.format == LabelFiles::Format::Png)
        return LabelFiles::writePng(layout, path, request.dpi);
    return LabelFiles::writeSvg(layout, path);
}

int render(const RenderRequest& request) {
    std::optional<LabelFiles::PdfDocument> pdf;
    if (request.format == LabelFiles::Format::Pdf) {
        pdf.emplace(request.output);
        if (const QString error = pdf->error(); !error.isEmpty()) {
            std::fprintf(stderr, "kestavolin-cli render: %s\n", qUtf8Printable(error));
            return exitSomeFailed;
        }
    }
    ProgressBar progress(request.paths.size());
    DecodeAhead files(request.paths, request.jobs);
    bool allRendered = true;
    for (qsizetype index = 0; index < request.paths.size(); ++index) {
        const LabelInput& input = request.inputs.at(static_cast<std::size_t>(index));
        const QString& path = input.path;
        progress.clear();
        auto opened = openPhotograph(path, files.take(index));
        QString error;
        if (const QString* failure = std::get_if<QString>(&opened)) {
            error = *failure;
        } else {
            const auto record = std::get<std::unique_ptr<Kestavolin>>(std::move(opened));
            const LabelOptions options = input.options();
            const auto layout = makeLabelLayout(options);
            showPhotograph(*layout, options, record.get());
            warnOfCharactersWithoutGlyph(path, *layout);
            if (pdf)
                pdf->addPage(*layout);
            else
                error = writeSingleFile(request, *layout, index);
            if (request.layoutJson)
                printLayoutJson(path, layoutDescription(*layout));
        }
        if (!error.isEmpty()) {
            allRendered = false;
            if (input.sheetRow > 0)
                error = QStringLiteral("row %1: %2").arg(input.sheetRow).arg(error);
            progress.clear();
            std::fprintf(stderr, "kestavolin-cli render: %s\n", qUtf8Printable(error));
            if (request.layoutJson)
                printLayoutJson(path, {{QStringLiteral("error"), error}});
        }
        progress.show(index + 1);
    }
    if (pdf && pdf->pageCount() > 0) {
        const QString error = pdf->save();
        if (!error.isEmpty()) {
            std::fprintf(stderr, "kestavolin-cli render: %s\n", qUtf8Printable(error));
            return exitSomeFailed;
        }
    }
    return allRendered ? exitRendered : exitSomeFailed;
}

int runRender(const std::vector<std::string>& args) {
    RenderRequest request;
    return runLabelCommand(
        {"render", usageLine, addRenderOptions,
         [&request](const QCommandLineParser& parser) { return readRequest(parser, request); },
         [&request] { return render(request); }},
        args);
}

const CommandRegistration registration{{"render", usageLine, runRender}};

} // namespace
