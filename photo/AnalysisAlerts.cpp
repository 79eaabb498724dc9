#include "photo/AnalysisAlerts.h"

#include "exiflistlib/exiflist.h"

namespace {

const QString formatErrorTitle = QStringLiteral("ErrorMassage");

// A TIFF-level refusal; the reader has no name of its own for it.
constexpr int notTiffResult = -100;

// Detection codes fall in bands: -201 ... -299 are PSD structure failures, -301
// and below JPEG failures.
constexpr int lastPsdFailure = -299;
constexpr int firstJpegFailure = -301;

} // namespace

AnalysisAlertKeys alertForUnreadableFile() {
    return {formatErrorTitle, QStringLiteral("FailedOpenMsg")};
}

AnalysisAlertKeys alertForFormatResult(int result) {
    switch (result) {
    case EXIFLIST_ERROR_FORMAT:
        return alertForUnreadableFile();
    case EXIFLIST_ERROR_PSD_NO_RESOURCES:
        return {formatErrorTitle, QStringLiteral("NoExifMsg")};
    case notTiffResult:
        return {formatErrorTitle, QStringLiteral("NotTiffMsg")};
    case EXIFLIST_ERROR_PSD_HEADER:
        return {formatErrorTitle, QStringLiteral("NotPSDMsg")};
    case EXIFLIST_ERROR_JPEG_SEGMENT_LENGTH:
        return {formatErrorTitle, QStringLiteral("NotJpegMsg")};
    default:
        break;
    }
    if (result <= firstJpegFailure)
        return {formatErrorTitle, QStringLiteral("FailJpegMsg")};
    if (result >= lastPsdFailure && result < EXIFLIST_ERROR_PSD_HEADER)
        return {formatErrorTitle, QStringLiteral("FailPSDMsg")};
    return {formatErrorTitle, QStringLiteral("FailTiffMsg")};
}

AnalysisAlertKeys alertForDirectoryResult(int result) {
    if (result == EXIFLIST_ERROR_IFD)
        return {QStringLiteral("IfdError"), QStringLiteral("IfdErrorMassage")};
    return {QStringLiteral("ExifError"), QStringLiteral("FailExifMassage")};
}
