#include "LabelInputs.h"

#include "label/CaptionSheet.h"
#include "platform/LocalizedText.h"

#include <QCommandLineParser>

namespace {

const QString captionsOption = QStringLiteral("captions");
const QString titlesFromPhotosOption = QStringLiteral("titles-from-photos");
const QString withoutCameraDataOption = QStringLiteral("without-camera-data");

OwnTitleReader& ownTitleReader() {
    static OwnTitleReader reader = nullptr;
    return reader;
}

} // namespace

OwnTitleReaderRegistration::OwnTitleReaderRegistration(OwnTitleReader reader) {
    ownTitleReader() = reader;
}

QString LabelInput::name() const {
    return sheetRow > 0
               ? localizedText(QStringLiteral("cliSheetRowName"), {QString::number(sheetRow), path})
               : path;
}

QString LabelInput::withRow(const QString& message) const {
    return sheetRow > 0 ? localizedText(QStringLiteral("cliSheetRowFailure"),
                                        {QString::number(sheetRow), message})
                        : message;
}

LabelOptions LabelInput::options() const {
    LabelOptions options = label;
    if (!options.title && titleFromPhoto)
        options.title = ownTitleReader()(path);
    return options;
}

namespace LabelInputs {

void addOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {captionsOption,
         QStringLiteral("Label the photographs of this caption sheet (CSV with the columns "
                        "file, title, photographer, lens), one label per row in its order; "
                        "an empty cell takes the option's value."),
         QStringLiteral("SHEET")},
        {titlesFromPhotosOption,
         QStringLiteral("A photograph given no title takes its own: its XMP title, else its "
                        "IPTC object name, else its Exif image description.")},
        {withoutCameraDataOption,
         QStringLiteral("A photograph without camera data (a film scan, an export) is "
                        "labelled with its picture, file name, title and photographer instead "
                        "of failing.")},
    });
}

bool asksForOwnTitles(const QCommandLineParser& parser) {
    return parser.isSet(titlesFromPhotosOption);
}

bool readsOwnTitles() {
    return ownTitleReader() != nullptr;
}

Result<std::vector<LabelInput>> read(const QCommandLineParser& parser) {
    const Result<LabelOptions> options = LabelOptionsReader::read(parser);
    if (!options)
        return options.failure();
    const LabelOptions& label = *options;
    const QStringList files = parser.positionalArguments();
    const bool titleFromPhoto = parser.isSet(titlesFromPhotosOption);
    const bool withoutCameraData = parser.isSet(withoutCameraDataOption);
    std::vector<LabelInput> inputs;
    if (!parser.isSet(captionsOption)) {
        if (files.isEmpty())
            return Failure{QStringLiteral("cliNoPhotographMsg"), {}};
        for (const QString& path : files)
            inputs.push_back({path, 0, label, titleFromPhoto, withoutCameraData});
        return inputs;
    }
    if (!files.isEmpty())
        return Failure{QStringLiteral("cliFilesAndSheetMsg"), {}};
    const auto sheet = CaptionSheet::read(parser.value(captionsOption));
    if (!sheet)
        return sheet.failure();
    for (const CaptionRow& row : *sheet) {
        LabelInput input{row.file, row.row, label, titleFromPhoto, withoutCameraData};
        if (row.title)
            input.label.title = row.title;
        if (row.photographer)
            input.label.photographer = *row.photographer;
        if (row.lens)
            input.label.lens = row.lens;
        inputs.push_back(std::move(input));
    }
    if (inputs.empty())
        return Failure{QStringLiteral("cliEmptySheetMsg"), {}};
    return inputs;
}

QStringList paths(const std::vector<LabelInput>& inputs) {
    QStringList result;
    for (const LabelInput& input : inputs)
        result.append(input.path);
    return result;
}

} // namespace LabelInputs
