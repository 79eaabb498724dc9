#include "photo/PhotoFileTypes.h"

#include "platform/FileNames.h"

namespace {

QString pathExtension(const QString& path) {
    const QString name = FileNames::fileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot + 1) : QString();
}

} // namespace

const QStringList& photoFileExtensions() {
    static const QStringList extensions{QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                        QStringLiteral("tif"), QStringLiteral("tiff"),
                                        QStringLiteral("psd")};
    return extensions;
}

bool hasPhotoExtension(const QString& path) {
    return photoFileExtensions().contains(pathExtension(path).toLower());
}
