#include "app/PhotoFileTypes.h"

#include "platform/LocalizedText.h"

#include <QFileInfo>

namespace {

const QStringList acceptedExtensions{"tif", "tiff", "jpg", "jpeg", "psd"};
// The open dialog matches names case-sensitively, so both spellings are offered.
const QStringList openDialogExtensions{"jpg", "JPG",  "jpeg", "JPEG", "tif",
                                       "TIF", "tiff", "TIFF", "psd",  "PSD"};

} // namespace

bool hasPhotoExtension(const QString& path) {
    return acceptedExtensions.contains(QFileInfo(path).suffix().toLower());
}

QStringList openDialogNameFilters() {
    QStringList patterns;
    for (const QString& extension : openDialogExtensions)
        patterns.append(QStringLiteral("*.") + extension);
    return {QStringLiteral("%1 (%2)").arg(localizedString(QStringLiteral("Photographs")),
                                          patterns.join(u' '))};
}
