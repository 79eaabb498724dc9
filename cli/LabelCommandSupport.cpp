#include "LabelCommandSupport.h"

#include "CommandArguments.h"

#include "label/LabelLayout.h"
#include "label/LabelPictures.h"
#include "photo/PhotoRecord.h"
#include "pictures/Picture.h"
#include "platform/Alert.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <unistd.h>

namespace {

int usageError(const LabelCommand& command, const QString& message) {
    std::fprintf(stderr, "kestavolin-cli %s: %s\nUsage: kestavolin-cli %s\n", command.name,
                 qUtf8Printable(message), command.usageLine);
    return labelCommandUsageExit;
}

// Qt wants a private runtime folder and warns on every run when the session has none
// (a root shell, a service, CI). Give it the folder it would fall back to, quietly.
void provideRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder =
        QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(getuid());
    if (QDir().mkpath(folder) &&
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

} // namespace

void chooseOffscreenWithoutDisplay() {
    provideRuntimeFolder();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

std::unique_ptr<QGuiApplication> makeGuiApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "kestavolin-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

Result<std::unique_ptr<PhotoRecord>> openPhotograph(const QString& path, bool withoutCameraData) {
    return openPhotograph(
        path, {FileData::initWithContentsOfFile(path), std::nullopt, withoutCameraData});
}

namespace {

// The photo record of a file; why its metadata could not be read, and a picture
// refused for its memory, are told through `note`.
Result<std::unique_ptr<PhotoRecord>> analyse(const QString& path, const PhotographFile& file,
                                             const std::function<void(const QString&)>& note) {
    if (!file.data)
        return Failure{QStringLiteral("cliNotReadMsg"), {path}};
    AnalysisOptions options{.acceptWithoutCameraData = file.withoutCameraData,
                            .pictureBoxes = labelPictureBoxes()};
    if (file.picture)
        options.pictureDecoder = [&](const FileData&) { return *file.picture; };
    auto record = PhotoRecord::initWithData(file.data, options);
    if (file.data->changedWhileRead())
        return Failure{QStringLiteral("cliChangedWhileReadMsg"), {path}};
    if (!record)
        return Failure{QStringLiteral("cliTooShortMsg"), {path}};
    if (!record->haveExif()) {
        if (const auto& failure = record->failure())
            note(standardErrorLine(analysisAlert(*failure)));
        return Failure{QStringLiteral("cliMetadataNotReadMsg"), {path}};
    }
    if (!record->photoImage()) {
        const Status decodable = Picture::withinDecodeMemory(*file.data, labelPictureBoxes());
        if (!decodable)
            note(QStringLiteral("kestavolin-cli: ") +
                 localizedText(QStringLiteral("cliWithoutPictureWarning"),
                               {path, decodable.failure().text()}));
    }
    record->setFileName(path);
    return record;
}

} // namespace

Result<std::unique_ptr<PhotoRecord>> openPhotograph(const QString& path,
                                                    const PhotographFile& file) {
    return analyse(path, file,
                   [](const QString& line) { std::fprintf(stderr, "%s\n", qUtf8Printable(line)); });
}

Result<std::unique_ptr<PhotoRecord>>
openPhotographQuietly(const QString& path, const PhotographFile& file, QStringList& messages) {
    return analyse(path, file, [&messages](const QString& line) { messages.append(line); });
}

QStringList shortenedTextWarnings(const char* command, const QString& photograph,
                                  const LabelLayout& layout) {
    QStringList warnings;
    for (const ShortenedText& text : layout.shortenedTexts())
        warnings.append(QStringLiteral("kestavolin-cli %1: %2")
                            .arg(QLatin1String(command), shortenedTextNotice(photograph, text)));
    return warnings;
}

int runLabelCommand(const LabelCommand& command, const std::vector<std::string>& args) {
    chooseOffscreenWithoutDisplay();
    const std::unique_ptr<QGuiApplication> application = makeGuiApplication();

    QCommandLineParser parser;
    command.addOptions(parser);
    if (!parser.parse(commandArguments(command.name, args)))
        return usageError(command, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    const auto strings =
        parser.isSet(QStringLiteral("no-translations")) ? nullptr : installStringTables();

    if (const Status read = command.readRequest(parser); !read)
        return usageError(command, read.failure().text());
    return command.run();
}
