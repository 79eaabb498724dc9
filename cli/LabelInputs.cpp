#include "LabelInputs.h"

#include "label/CaptionSheet.h"
#include "photo/EmbeddedTitle.h"

#include <QCommandLineParser>

namespace {

const QString captionsOption = QStringLiteral("captions");
const QString titlesFromPhotosOption = QStringLiteral("titles-from-photos");
const QString withoutCameraDataOption = QStringLiteral("without-camera-data");

} // namespace

QString LabelInput::name() const {
    return sheetRow > 0 ? QStringLiteral("row %1 (%2)").arg(sheetRow).arg(path) : path;
}

LabelOptions LabelInput::options() const {
    LabelOptions options = label;
    if (!options.title && titleFromPhoto)
        options.title = embeddedTitle(path);
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

std::variant<std::vector<LabelInput>, QString>
read(const QCommandLineParser& parser, const QStringList& files, const LabelOptions& label) {
    const bool titleFromPhoto = parser.isSet(titlesFromPhotosOption);
    const bool withoutCameraData = parser.isSet(withoutCameraDataOption);
    std::vector<LabelInput> inputs;
    if (!parser.isSet(captionsOption)) {
        if (files.isEmpty())
            return QStringLiteral("no photograph given");
        for (const QString& path : files)
            inputs.push_back({path, 0, label, titleFromPhoto, withoutCameraData});
        return inputs;
    }
    if (!files.isEmpty())
        return QStringLiteral("give photographs either as files or in a caption sheet, not both");
    const auto sheet = CaptionSheet::read(parser.value(captionsOption));
    if (!sheet)
        return sheet.failure().text();
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
        return QStringLiteral("the caption sheet lists no photograph");
    return inputs;
}

QStringList paths(const std::vector<LabelInput>& inputs) {
    QStringList result;
    for (const LabelInput& input : inputs)
        result.append(input.path);
    return result;
}

} // namespace LabelInputs
