// kestavolin-cli print: the Tape 18 label of a photograph sent to a print queue on a
// page exactly the label's size, as the application prints it, without a window.
// Standard output gets the tape length to set on the printer.

#include "Command.h"
#include "LabelCommandSupport.h"

#include "app/TapeLength.h"
#include "label/LabelLayout.h"
#include "label/LabelOptions.h"
#include "photo/ConstStrings.h"
#include "photo/Kestavolin.h"
#include "platform/PrintSetup.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>
#include <optional>

namespace {

constexpr auto usageLine = "print [OPTIONS] FILE --printer NAME";
constexpr int exitPrinted = 0;
constexpr int exitFailed = 1;

struct PrintRequest {
    LabelOptions label;
    QString path;
    QString printer;
};

void addPrintOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Prints the Tape 18 label of a photograph on a page of exactly the "
                       "label's size and writes the tape length to set on the printer."));
    parser.addHelpOption();
    LabelOptionsReader::addOptions(parser);
    parser.addOptions({
        {QStringLiteral("printer"), QStringLiteral("The print queue."), QStringLiteral("NAME")},
        {QStringLiteral("no-translations"), QStringLiteral("Show localised texts as their keys.")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A photograph."));
}

std::optional<QString> readRequest(const QCommandLineParser& parser, PrintRequest& request) {
    const QStringList paths = parser.positionalArguments();
    if (paths.size() != 1)
        return QStringLiteral("give exactly one photograph");
    request.path = paths.first();
    if (!parser.isSet(QStringLiteral("printer")))
        return QStringLiteral("no print queue given (--printer NAME)");
    request.printer = parser.value(QStringLiteral("printer"));
    auto label = LabelOptionsReader::read(parser);
    if (const QString* error = std::get_if<QString>(&label))
        return *error;
    request.label = std::get<LabelOptions>(std::move(label));
    if (request.label.medium != MediaTape18Key)
        return QStringLiteral("only the %1 label is printed").arg(MediaTape18Key);
    return std::nullopt;
}

int fail(const QString& message) {
    std::fprintf(stderr, "kestavolin-cli print: %s\n", qUtf8Printable(message));
    return exitFailed;
}

int print(const PrintRequest& request) {
    if (!QPrinterInfo::availablePrinterNames().contains(request.printer))
        return fail(QStringLiteral("no print queue named '%1'").arg(request.printer));
    auto opened = openPhotograph(request.path);
    if (const QString* failure = std::get_if<QString>(&opened))
        return fail(*failure);
    const auto record = std::get<std::unique_ptr<Kestavolin>>(std::move(opened));
    const auto layout = makeLabelLayout(request.label);
    showPhotograph(*layout, request.label, record.get());

    const QSizeF labelSize = layout->labelSize();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(request.printer);
    printer.setDocName(QFileInfo(request.path).fileName());
    PrintSetup::setLabelPage(printer, labelSize);
    const bool printed = PrintSetup::printPage(printer, labelSize, [&](QPainter& painter) {
        layout->drawRect(painter, labelSize, false);
    });
    if (!printed)
        return fail(QStringLiteral("the job could not be sent to '%1'").arg(request.printer));
    std::printf("%d mm\n", tapeLengthMillimetres(labelSize.width()));
    return exitPrinted;
}

int runPrint(const std::vector<std::string>& args) {
    PrintRequest request;
    return runLabelCommand(
        {"print", usageLine, addPrintOptions,
         [&request](const QCommandLineParser& parser) { return readRequest(parser, request); },
         [&request] { return print(request); }},
        args);
}

const CommandRegistration registration{{"print", usageLine, runPrint}};

} // namespace
