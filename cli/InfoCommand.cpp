// kestavolin-cli info: the photo information of each file, computed by the application's
// own analysis without decoding the picture.

#include "Command.h"
#include "CommandArguments.h"

#include "photo/PhotoRecord.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

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

// Why a file gave no photo information: the alert texts of the analysis's failure, with the
// reader code that chose them, or (no code) the reason no record could be made.
struct InfoFailure {
    std::optional<int> code;
    QString title;
    QString message;
};

struct FileInfo {
    QString path;
    // The photo information's items by name.
    QJsonObject entries;
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
        info.failure =
            InfoFailure{std::nullopt, localizedString(QStringLiteral("infoNotReadTitle")),
                        localizedString(QStringLiteral("infoNotReadMsg"))};
        return info;
    }
    const auto record = PhotoRecord::initWithMetadata(data);
    if (!record) {
        info.failure =
            InfoFailure{std::nullopt, localizedString(QStringLiteral("infoNotPhotoTitle")),
                        localizedText(QStringLiteral("infoTooShortMsg"),
                                      {QString::number(PhotoRecord::minimumLength)})};
    } else if (data->changedWhileRead()) {
        info.failure =
            InfoFailure{std::nullopt, localizedString(QStringLiteral("infoChangedTitle")),
                        localizedString(QStringLiteral("infoChangedMsg"))};
    } else if (const auto& failure = record->failure()) {
        const AlertContent alert = analysisAlert(*failure);
        info.failure = InfoFailure{failure->code, alert.title, alert.message};
    } else {
        info.entries = record->info().toJson();
    }
    return info;
}

// Items are texts, except the boolean "skipMaker" and the number "Flash".
QString textValue(const QJsonValue& value) {
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isDouble())
        return QString::number(value.toInt());
    return value.toString();
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
    return info.entries;
}

void printText(const FileInfo& info, bool& printedBefore) {
    if (info.failure) {
        std::fprintf(stderr, "%s: %s: %s\n", qUtf8Printable(info.path),
                     qUtf8Printable(info.failure->title), qUtf8Printable(info.failure->message));
        return;
    }
    std::printf("%s%s\n", printedBefore ? "\n" : "", qUtf8Printable(info.path));
    printedBefore = true;
    for (auto entry = info.entries.constBegin(); entry != info.entries.constEnd(); ++entry)
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
