#include "photo/AnalysisFailure.h"

#include "exiflistlib/exiflist.h"
#include "platform/LocalizedText.h"

#include <algorithm>
#include <array>

namespace {

constexpr const char* formatErrorTitle = "ErrorMessage";

constexpr const char* notReadableText = "not a JPEG, TIFF or PSD file with readable metadata";
constexpr const char* psdHeaderText = "unsupported or damaged Photoshop header";
constexpr const char* noPsdExifText = "no Exif resource in the Photoshop file";
constexpr const char* noJpegExifText = "no Exif segment before the image data";

// Every failure code of the reader, with what it is called.
constexpr std::array failures{
    AnalysisFailure{EXIFLIST_ERROR_FORMAT, formatErrorTitle, "FailedOpenMsg", notReadableText},
    AnalysisFailure{EXIFLIST_ERROR_PSD_NO_RESOURCES, formatErrorTitle, "NoExifMsg", noPsdExifText},
    AnalysisFailure{EXIFLIST_ERROR_IFD, "IfdError", "IfdErrorMessage",
                    "a metadata directory could not be read"},
    AnalysisFailure{EXIFLIST_ERROR_PSD_HEADER, formatErrorTitle, "NotPSDMsg", psdHeaderText},
    AnalysisFailure{EXIFLIST_ERROR_PSD_CHANNELS, formatErrorTitle, "FailPSDMsg", psdHeaderText},
    AnalysisFailure{EXIFLIST_ERROR_PSD_HEIGHT, formatErrorTitle, "FailPSDMsg", psdHeaderText},
    AnalysisFailure{EXIFLIST_ERROR_PSD_DEPTH, formatErrorTitle, "FailPSDMsg", psdHeaderText},
    AnalysisFailure{EXIFLIST_ERROR_PSD_COLOR_MODE, formatErrorTitle, "FailPSDMsg", psdHeaderText},
    AnalysisFailure{EXIFLIST_ERROR_PSD_COLOR_DATA, formatErrorTitle, "FailPSDMsg", psdHeaderText},
    AnalysisFailure{EXIFLIST_ERROR_PSD_NO_EXIF, formatErrorTitle, "FailPSDMsg", noPsdExifText},
    AnalysisFailure{EXIFLIST_ERROR_JPEG_SEGMENT_LENGTH, formatErrorTitle, "NotJpegMsg",
                    "a JPEG segment reaches past the end of the file"},
    AnalysisFailure{EXIFLIST_ERROR_JPEG_EXIF_NOT_FIRST, formatErrorTitle, "FailJpegMsg",
                    noJpegExifText},
    AnalysisFailure{EXIFLIST_ERROR_JPEG_NO_EXIF, formatErrorTitle, "FailJpegMsg", noJpegExifText},
};

} // namespace

AnalysisFailure analysisFailure(int code) {
    const auto row =
        std::find_if(failures.begin(), failures.end(),
                     [code](const AnalysisFailure& entry) { return entry.code == code; });
    if (row != failures.end())
        return *row;
    return {code, formatErrorTitle, "FailTiffMsg", notReadableText};
}

AlertContent analysisAlert(const AnalysisFailure& failure) {
    return {localizedString(QString::fromLatin1(failure.alertTitleKey)),
            localizedString(QString::fromLatin1(failure.alertMessageKey)),
            localizedString(QStringLiteral("Close")), QString(), QString()};
}
