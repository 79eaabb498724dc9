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

std::variant<std::unique_ptr<PhotoRecord>, QString> openPhotograph(const QString& path,
                                                                   bool withoutCameraData) {
    return openPhotograph(
        path, {FileData::initWithContentsOfFile(path), std::nullopt, withoutCameraData});
}

namespace {

// The photo record of a file; why its metadata could not be read, and a picture
// refused for its memory, are told through `note`.
std::variant<std::unique_ptr<PhotoRecord>, QString>
analyse(const QString& path, const PhotographFile& file,
        const std::function<void(const QString&)>& note) {
    if (!file.data)
        return QStringLiteral("%1: cannot be read").arg(path);
    AnalysisOptions options{.acceptWithoutCameraData = file.withoutCameraData,
                            .pictureBoxes = labelPictureBoxes()};
    if (file.picture)
        options.pictureDecoder = [&](const FileData&) { return *file.picture; };
    auto record = PhotoRecord::initWithData(file.data, options);
    if (file.data->changedWhileRead())
        return QStringLiteral("%1: the file changed while it was read").arg(path);
    if (!record)
        return QStringLiteral("%1: too short to be a photograph").arg(path);
    if (!record->haveExif()) {
        if (const auto& failure = record->failure())
            note(standardErrorLine(analysisAlert(*failure)));
        return QStringLiteral("%1: its metadata could not be read").arg(path);
    }
    if (!record->photoImage()) {
        const QString refusal = Picture::refusalReason(*file.data, labelPictureBoxes());
        if (!refusal.isEmpty())
            note(QStringLiteral("kestavolin-cli: %1: the label is made without its picture: %2")
                     .arg(path, refusal));
    }
    record->setFileName(path);
    return record;
}

} // namespace

std::variant<std::unique_ptr<PhotoRecord>, QString> openPhotograph(const QString& path,
                                                                   const PhotographFile& file) {
    return analyse(path, file,
                   [](const QString& line) { std::fprintf(stderr, "%s\n", qUtf8Printable(line)); });
}

std::variant<std::unique_ptr<PhotoRecord>, QString>
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
    if (parser.isSet(QStringLiteral("no-translations")))
        useEmptyStringTable();
    else
        installStringTables();

    if (const auto error = command.readRequest(parser))
        return usageError(command, *error);
    return command.run();
}
