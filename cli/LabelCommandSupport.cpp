#include "LabelCommandSupport.h"

#include "CommandArguments.h"
#include "HandOver.h"
#include "LabelInputs.h"

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

QString usage(const LabelCommand& command) {
    return QStringLiteral("Usage: kestavolin-cli %1").arg(QLatin1String(command.usageLine));
}

int usageError(const LabelCommand& command, const QString& message) {
    std::fprintf(stderr, "kestavolin-cli %s: %s\n%s\n", command.name, qUtf8Printable(message),
                 qUtf8Printable(usage(command)));
    return labelCommandUsageExit;
}

// Qt's help starts with a usage line of its own, which names neither the command nor
// the options it cannot do without; the command's usage line takes its place.
QString helpText(const LabelCommand& command, const QCommandLineParser& parser) {
    const QString text = parser.helpText();
    return usage(command) + text.mid(text.indexOf(u'\n'));
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
        std::fputs(qUtf8Printable(helpText(command, parser)), stdout);
        return 0;
    }
    if (LabelInputs::asksForOwnTitles(parser) && !LabelInputs::readsOwnTitles()) {
        std::vector<char*> argv{nullptr, const_cast<char*>(command.name)};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        return handOver(KESTAVOLIN_COMPLETE_CLI_NAME, argv.data());
    }
    const auto strings =
        parser.isSet(QStringLiteral("no-translations")) ? nullptr : installStringTables();

    if (const Status read = command.readRequest(parser); !read)
        return usageError(command, read.failure().text());
    return command.run();
}
