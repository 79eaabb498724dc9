#include "LabelCommandSupport.h"

#include "photo/Kestavolin.h"
#include "platform/FileData.h"

#include <QGuiApplication>

void chooseOffscreenWithoutDisplay() {
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

std::variant<std::unique_ptr<Kestavolin>, QString> openPhotograph(const QString& path) {
    return openPhotograph(path, {FileData::initWithContentsOfFile(path), std::nullopt});
}

std::variant<std::unique_ptr<Kestavolin>, QString> openPhotograph(const QString& path,
                                                                  const PhotographFile& file) {
    if (!file.data)
        return QStringLiteral("%1: cannot be read").arg(path);
    AnalysisOptions options;
    if (file.picture)
        options.pictureDecoder = [&](const FileData&) { return *file.picture; };
    auto record = Kestavolin::initWithData(file.data, options);
    if (!record)
        return QStringLiteral("%1: too short to be a photograph").arg(path);
    if (!record->haveExif())
        return QStringLiteral("%1: its metadata could not be read").arg(path);
    record->setFileName(path);
    return record;
}
