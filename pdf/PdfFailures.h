#pragma once

#include "platform/Result.h"

#include <QIODevice>

// Why a PDF file could not be finished, for the parts of the PDF code that read and
// rewrite what Qt's PDF writer wrote.
namespace PdfFailures {

// The file is not as Qt's PDF writer makes it, so it cannot be finished in place or
// joined.
inline Failure unknownForm() {
    return Failure{QStringLiteral("pdfUnknownFormMsg"), {}};
}

// Reading or writing a file failed; the system's own words say why.
inline Failure ofSystem(const QString& systemWords) {
    return Failure{QStringLiteral("pdfFileErrorMsg"), {systemWords}};
}
inline Failure ofDevice(const QIODevice& device) {
    return ofSystem(device.errorString());
}

} // namespace PdfFailures
