// kestavolin-cli info: the photo information dictionary of each file, computed by the
// application's own analysis without decoding the picture.

#include "Command.h"
#include "CommandArguments.h"

#include "photo/PhotoRecord.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaType>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

constexpr auto usageLine = "info [--json] [--no-translations] FILE...";
constexpr int exitAnalysed = 0;
constexpr int exitNotAnalysed = 1;
constexpr int exitUsage = 2;

struct InfoOptions {
    bool json = false;
    bool noTranslations = false;
    QStringList paths;
};

// Why a file gave no dictionary: the alert texts of the analysis's failure, with the
// reader code that chose them, or (no code) the reason no record could be made.
struct InfoFailure {
    std::optional<int> code;
    QString title;
    QString message;
};

struct FileInfo {
    QString path;
    QVariantMap dictionary;
    std::optional<InfoFailure> failure;
};

// The options, or none when no file is named (unless help is asked for).
std::optional<InfoOptions> parseArguments(QCommandLineParser& parser) {
    if (parser.isSet(QStringLiteral("help")))
        return InfoOptions{};
    InfoOptions options{parser.isSet(QStringLiteral("json")),
                        parser.isSet(QStringLiteral("no-translations")),
                        parser.positionalArguments()};
    if (options.paths.isEmpty())
        return std::nullopt;
    return options;
}

FileInfo analyseFile(const QString& path) {
    FileInfo info{path, {}, std::nullopt};
    const std::shared_ptr<const FileData> data = FileData::initWithContentsOfFile(path);
    if (!data) {
        info.failure = InfoFailure{
            std::nullopt, QStringLiteral("Cannot read the file"),
            QStringLiteral("It does not exist, is not a regular file or cannot be read.")};
        return info;
    }
    const auto record = PhotoRecord::initWithMetadata(data);
    if (!record) {
        info.failure = InfoFailure{
            std::nullopt, QStringLiteral("Not a photograph"),
            QStringLiteral("The file is shorter than %1 bytes.").arg(PhotoRecord::minimumLength)};
    } else if (data->changedWhileRead()) {
        info.failure =
            InfoFailure{std::nullopt, QStringLiteral("The file changed while it was read"),
                        QStringLiteral("It became shorter; read it again once it is "
                                       "complete.")};
    } else if (const auto& failure = record->failure()) {
        const AlertContent alert = analysisAlert(*failure);
        info.failure = InfoFailure{failure->code, alert.title, alert.message};
    } else {
        info.dictionary = record->exifData();
    }
    return info;
}

// Dictionary values are texts, except the boolean "skipMaker" and the number "Flash".
QJsonValue jsonValue(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::UShort:
        return value.toInt();
    default:
        return value.toString();
    }
}

QString textValue(const QVariant& value) {
    return value.metaType().id() == QMetaType::Bool
               ? (value.toBool() ? QStringLiteral("true") : QStringLiteral("false"))
               : value.toString();
}

QJsonObject jsonEntry(const FileInfo& info) {
    if (info.failure) {
        const InfoFailure& failure = *info.failure;
        return {{QStringLiteral("error"),
                 QJsonObject{{QStringLiteral("code"),
                              failure.code ? QJsonValue(*failure.code) : QJsonValue()},
                             {QStringLiteral("title"), failure.title},
                             {QStringLiteral("message"), failure.message}}}};
    }
    QJsonObject dictionary;
    for (auto entry = info.dictionary.cbegin(); entry != info.dictionary.cend(); ++entry)
        dictionary.insert(entry.key(), jsonValue(entry.value()));
    return dictionary;
}

void printText(const FileInfo& info, bool& printedBefore) {
    if (info.failure) {
        std::fprintf(stderr, "%s: %s: %s\n", qUtf8Printable(info.path),
                     qUtf8Printable(info.failure->title), qUtf8Printable(info.failure->message));
        return;
    }
    std::printf("%s%s\n", printedBefore ? "\n" : "", qUtf8Printable(info.path));
    printedBefore = true;
    for (auto entry = info.dictionary.cbegin(); entry != info.dictionary.cend(); ++entry)
        std::printf("  %s: %s\n", qUtf8Printable(entry.key()),
                    qUtf8Printable(textValue(entry.value())));
}

int runInfo(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    parser.addOptions({{{QStringLiteral("h"), QStringLiteral("help")}, QString()},
                       {QStringLiteral("json"), QString()},
                       {QStringLiteral("no-translations"), QString()}});
    const auto options =
        parser.parse(commandArguments("info", args)) ? parseArguments(parser) : std::nullopt;
    if (!options) {
        std::fprintf(stderr, "Usage: kestavolin-cli %s\n", usageLine);
        return exitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::printf("Usage: kestavolin-cli %s\n\n"
                    "Prints the photo information of each file as the application reads it.\n"
                    "  --json             one JSON object mapping each file to its entries\n"
                    "  --no-translations  show localised words as their keys\n",
                    usageLine);
        return exitAnalysed;
    }
    // String tables are installed into an application object.
    std::unique_ptr<QCoreApplication> application;
    int argc = 1;
    char name[] = "kestavolin-cli";
    char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        application = std::make_unique<QCoreApplication>(argc, argv);
    const auto strings = options->noTranslations ? nullptr : installStringTables();

    bool allAnalysed = true;
    bool printedBefore = false;
    QJsonObject report;
    for (const QString& path : options->paths) {
        const FileInfo info = analyseFile(path);
        allAnalysed = allAnalysed && !info.failure;
        if (options->json)
            report.insert(path, jsonEntry(info));
        else
            printText(info, printedBefore);
    }
    if (options->json)
        std::fputs(QJsonDocument(report).toJson(QJsonDocument::Indented).constData(), stdout);
    return allAnalysed ? exitAnalysed : exitNotAnalysed;
}

const CommandRegistration registration{{"info", usageLine, runInfo}};

} // namespace
