// kestavolin-cli render: the label of each photograph, laid out and drawn exactly as
// the application's label view draws it, written to PDF, PNG or SVG files.

#include "Command.h"
#include "LabelCommandSupport.h"
#include "LabelInputs.h"

#include "cli/LabelOptionsReader.h"
#include "label/LabelFiles.h"
#include "label/LabelLayout.h"
#include "label/LabelPictures.h"
#include "label/PrintableLabel.h"
#include "pdf/LabelDocument.h"
#include "photo/PhotoRecord.h"
#include "pictures/Picture.h"
#include "platform/FileData.h"
#include "platform/FileNames.h"
#include "platform/FontCatalogue.h"
#include "platform/LocalizedText.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFontDatabase>
#include <QImageWriter>
#include <QJsonDocument>
#include <QJsonObject>

#include <QThread>
#include <QThreadPool>

#include <cstdio>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <mutex>
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
         QStringLiteral("Prepare up to N labels at once (default: one per processor core)."),
         QStringLiteral("N")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Photographs (none with --captions)."),
                                 QStringLiteral("FILE..."));
}

Status readRequest(const QCommandLineParser& parser, RenderRequest& request) {
    if (!parser.isSet(QStringLiteral("output")))
        return Failure{QStringLiteral("cliNoOutputMsg"), {}};
    request.output = parser.value(QStringLiteral("output"));
    // Files are written through Qt, which can only make names valid in the file
    // system's encoding.
    if (FileNames::toNative(request.output) != QFile::encodeName(request.output))
        return Failure{QStringLiteral("cliOutputNameEncodingMsg"), {request.output}};
    const auto format = LabelFiles::formatForPath(request.output);
    if (!format)
        return Failure{QStringLiteral("cliOutputFormatMsg"), {request.output}};
    request.format = *format;
    if (parser.isSet(QStringLiteral("dpi"))) {
        bool number = false;
        request.dpi = parser.value(QStringLiteral("dpi")).toInt(&number);
        if (!number || request.dpi < LabelFiles::minimumDpi || request.dpi > LabelFiles::maximumDpi)
            return Failure{
                QStringLiteral("cliDpiRangeMsg"),
                {QString::number(LabelFiles::minimumDpi), QString::number(LabelFiles::maximumDpi)}};
    }
    request.layoutJson = parser.isSet(QStringLiteral("layout-json"));
    request.jobs = QThread::idealThreadCount();
    if (parser.isSet(QStringLiteral("jobs"))) {
        bool number = false;
        request.jobs = parser.value(QStringLiteral("jobs")).toInt(&number);
        if (!number || request.jobs < 1 || request.jobs > maximumJobs)
            return Failure{QStringLiteral("cliJobsRangeMsg"), {QString::number(maximumJobs)}};
    }
    Result<std::vector<LabelInput>> inputs = LabelInputs::read(parser);
    if (!inputs)
        return inputs.failure();
    request.inputs = std::move(inputs).value();
    request.paths = LabelInputs::paths(request.inputs);
    return {};
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

// A photograph's own title is read with a library that is not safe to share between
// threads, so the threads preparing labels take turns at it.
std::mutex titleTurn;

// Reads a photograph and decodes its picture once its metadata is known to be
// readable, or when it is labelled without camera data: the analysis would not use
// the picture otherwise, and a file without metadata must not cost what decoding its
// picture takes.
PhotographFile readPhotograph(const LabelInput& input) {
    PhotographFile file{FileData::initWithContentsOfFile(input.path), std::nullopt,
                        input.withoutCameraData};
    if (!file.data || file.data->length() < PhotoRecord::minimumLength)
        return file;
    const bool pictureUsed =
        input.withoutCameraData || PhotoRecord::hasReadableMetadata(*file.data);
    if (pictureUsed)
        file.picture = decodeLabelPicture(*file.data);
    return file;
}

// Names the characters of each text that no installed face can draw. They come out
// blank; the label is still written as the application would print it.
QStringList charactersWithoutGlyph(const QString& path, const LabelLayout& layout) {
    QStringList warnings;
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
        warnings.append(QStringLiteral("kestavolin-cli render: ") +
                        localizedText(QStringLiteral("cliNoGlyphWarning"),
                                      {path, missing, codes.join(QLatin1Char(' ')), placed.field}));
    }
    return warnings;
}

// One photograph's label, made on any thread and reported later in input order: the
// lines for standard error, the label drawn for its output file and its description.
// A PDF page is drawn into the document as the label is made.
struct PreparedLabel {
    QStringList messages;
    // Why the photograph has no label; none when it has one.
    std::optional<Failure> failure;
    // The PNG or SVG file's bytes, or why they could not be made.
    Result<QByteArray> fileBytes = QByteArray();
    QJsonObject description;
};

// Reads, analyses, lays out and draws one photograph's label on any thread, several
// at once; only the reading of a photograph's own title takes turns (titleTurn).
PreparedLabel prepareLabel(const RenderRequest& request, const LabelInput& input,
                           const std::function<void(LabelLayout&)>& drawPdfPage) {
    PreparedLabel label;
    const PhotographFile file = readPhotograph(input);
    Result<std::unique_ptr<PhotoRecord>> opened =
        openPhotographQuietly(input.path, file, label.messages);
    LabelOptions options;
    if (opened) {
        const std::lock_guard taking(titleTurn);
        options = input.options();
    }
    if (!opened) {
        label.failure = opened.failure();
        return label;
    }
    // The layout keeps the photo record it shows.
    const auto record = std::move(opened).value();
    const auto madeLayout = makeLabelLayout(options);
    LabelLayout& layout = *madeLayout;
    showPhotograph(layout, options, record.get());
    label.messages.append(charactersWithoutGlyph(input.path, layout));
    label.messages.append(shortenedTextWarnings("render", input.name(), layout));
    if (request.layoutJson)
        label.description = layoutDescription(layout);
    if (request.format == LabelFiles::Format::Pdf)
        drawPdfPage(layout);
    else if (request.format == LabelFiles::Format::Png)
        label.fileBytes = LabelFiles::pngBytes(layout, request.dpi);
    else if (request.format == LabelFiles::Format::Svg)
        label.fileBytes = LabelFiles::svgBytes(layout);
    return label;
}

// Prepares the labels on `jobs` threads and hands them over in input order. At most
// `jobs` photographs are being read at once, which bounds the memory their pictures
// take, and at most twice as many labels are made ahead of the one being reported, so
// that no thread waits for the reports to catch up; with one job each is prepared when
// it is taken. The threads live as long as the batch, so each keeps the fonts it has
// loaded for the next label; each draws its PDF pages into a part of the document of
// its own.
class LabelsAhead {
public:
    LabelsAhead(const RenderRequest& request, QThreadPool& threads, LabelDocument* pdf)
        : request_(request), pdf_(pdf), threads_(threads) {
        threads_.setMaxThreadCount(request.jobs);
        threads_.setExpiryTimeout(-1);
    }

    // Starts preparing the labels from index on, as far ahead as allowed, on the job
    // threads; with one job nothing is prepared ahead.
    void launchFrom(qsizetype index) {
        if (request_.jobs <= 1)
            return;
        const qsizetype ahead = 2 * request_.jobs;
        while (launched_ < std::ssize(request_.inputs) && launched_ < index + ahead) {
            auto task = std::make_shared<std::packaged_task<PreparedLabel()>>(
                [this, launched = launched_] { return prepare(launched); });
            pending_.push_back(task->get_future());
            threads_.start([task] { (*task)(); });
            ++launched_;
        }
    }

    PreparedLabel take(qsizetype index) {
        if (request_.jobs <= 1)
            return prepare(index);
        launchFrom(index);
        PreparedLabel label = pending_.front().get();
        pending_.pop_front();
        return label;
    }

private:
    PreparedLabel prepare(qsizetype index) {
        return prepareLabel(request_, request_.inputs.at(static_cast<std::size_t>(index)),
                            [this, index](LabelLayout& layout) {
                                pdf_->addPage(printableLabel(layout), partOfThisThread(), index);
                            });
    }

    // The part of the PDF document the calling thread draws into, one per thread.
    int partOfThisThread() {
        const std::lock_guard taking(partsTurn_);
        return partOfThread_.try_emplace(QThread::currentThread(), partOfThread_.size())
            .first->second;
    }

    const RenderRequest& request_;
    LabelDocument* pdf_;
    std::mutex partsTurn_;
    std::map<QThread*, int> partOfThread_;
    qsizetype launched_ = 0;
    std::deque<std::future<PreparedLabel>> pending_;
    QThreadPool& threads_;
};

// Loads the font database (fontconfig's configuration and the installed faces) and
// Qt's image plug-ins, which laying out, drawing and writing every label needs: on
// this thread while the job threads read and decode the first photographs.
void loadWhatDrawingNeeds() {
    QFontDatabase::families();
    QImageWriter::supportedImageFormats();
}

void printLayoutJson(const QString& path, const QJsonObject& description) {
    QJsonObject line{{QStringLiteral("file"), path}};
    for (auto entry = description.begin(); entry != description.end(); ++entry)
        line.insert(entry.key(), entry.value());
    std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
}

// Writes a prepared label's PNG or SVG file (a PDF page is already drawn); a failure
// names the file.
Status writeLabel(const RenderRequest& request, const PreparedLabel& label, qsizetype index) {
    if (request.format == LabelFiles::Format::Pdf)
        return {};
    const QString path = LabelFiles::numberedPath(request.output, static_cast<int>(index) + 1,
                                                  static_cast<int>(request.paths.size()));
    if (!label.fileBytes)
        return fileFailure(path, label.fileBytes.failure());
    return LabelFiles::writeFile(path, *label.fileBytes);
}

int render(const RenderRequest& request) {
    // The threads outlive the document whose parts they draw.
    QThreadPool threads;
    std::optional<LabelDocument> pdf;
    if (request.format == LabelFiles::Format::Pdf) {
        pdf.emplace(request.output, request.jobs);
        if (const Status made = pdf->status(); !made) {
            std::fprintf(stderr, "kestavolin-cli render: %s\n",
                         qUtf8Printable(made.failure().text()));
            return exitSomeFailed;
        }
    }
    ProgressBar progress(request.paths.size());
    LabelsAhead labels(request, threads, pdf ? &*pdf : nullptr);
    labels.launchFrom(0);
    loadWhatDrawingNeeds();
    bool allRendered = true;
    for (qsizetype index = 0; index < request.paths.size(); ++index) {
        const LabelInput& input = request.inputs.at(static_cast<std::size_t>(index));
        PreparedLabel label = labels.take(index);
        progress.clear();
        for (const QString& message : label.messages)
            std::fprintf(stderr, "%s\n", qUtf8Printable(message));
        std::optional<Failure> failure = label.failure;
        if (!failure) {
            if (const Status written = writeLabel(request, label, index); !written)
                failure = written.failure();
            if (request.layoutJson)
                printLayoutJson(input.path, label.description);
        }
        if (failure) {
            allRendered = false;
            const QString error = input.withRow(failure->text());
            std::fprintf(stderr, "kestavolin-cli render: %s\n", qUtf8Printable(error));
            if (request.layoutJson)
                printLayoutJson(input.path, {{QStringLiteral("error"), error}});
        }
        progress.show(index + 1);
    }
    if (pdf && pdf->pageCount() > 0) {
        if (const Status saved = pdf->save(); !saved) {
            std::fprintf(stderr, "kestavolin-cli render: %s\n",
                         qUtf8Printable(saved.failure().text()));
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
