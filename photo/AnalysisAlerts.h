#pragma once

#include <QString>

// The string-table keys of the alert shown when a photograph cannot be analysed.
struct AnalysisAlertKeys {
    QString title;
    QString message;
};

// The alert for a file that cannot be read as a photograph at all: missing, empty,
// too short for any container, or of no known container.
AnalysisAlertKeys alertForUnreadableFile();

// The alert for a container-detection result other than success.
AnalysisAlertKeys alertForFormatResult(int result);

// The alert when the directories could not be read: the result code of the
// directory reading, with no table array or with EXIFLIST_ERROR_IFD.
AnalysisAlertKeys alertForDirectoryResult(int result);

// Every alert has this one button.
inline const QString analysisAlertButtonKey = QStringLiteral("Colse");
