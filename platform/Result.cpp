#include "platform/Result.h"

#include "platform/LocalizedText.h"

QString Failure::text() const {
    return localizedText(key, arguments);
}

Failure fileFailure(const QString& path, const Failure& cause) {
    return Failure{QStringLiteral("fileFailureMsg"), {path, cause.text()}};
}

Failure systemFailure(const QString& words) {
    return Failure{QStringLiteral("systemReason"), {words}};
}
