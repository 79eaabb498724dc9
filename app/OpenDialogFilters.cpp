#include "app/OpenDialogFilters.h"

#include "photo/PhotoFileTypes.h"
#include "platform/LocalizedText.h"

QStringList openDialogNameFilters() {
    // The open dialog matches names case-sensitively, so both spellings are offered.
    QStringList patterns;
    for (const QString& extension : photoFileExtensions())
        patterns << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
    return {QStringLiteral("%1 (%2)").arg(localizedString(QStringLiteral("Photographs")),
                                          patterns.join(u' '))};
}
