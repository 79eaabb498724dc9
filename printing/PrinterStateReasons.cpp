#include "printing/PrinterStateReasons.h"

#include "platform/LocalizedText.h"

namespace {

// Each reason that stops a job and the string table key of its words.
const struct {
    const char* reason;
    const char* key;
} knownReasons[] = {
    {"media-empty", "printerMediaEmpty"}, {"media-needed", "printerMediaNeeded"},
    {"media-jam", "printerMediaJam"},     {"cover-open", "printerCoverOpen"},
    {"offline", "printerOffline"},        {"paused", "printerPaused"},
    {"stopped", "printerStopped"},
};

QString withoutSeverity(QString reason) {
    for (const char* suffix : {"-error", "-warning", "-report"}) {
        if (reason.endsWith(QLatin1String(suffix)))
            return reason.chopped(static_cast<qsizetype>(qstrlen(suffix)));
    }
    return reason;
}

} // namespace

namespace PrinterStateReasons {

QStringList stopping(const QStringList& reasons) {
    QStringList found;
    for (const QString& reason : reasons) {
        const QString bare = withoutSeverity(reason);
        for (const auto& known : knownReasons) {
            if (bare == QLatin1String(known.reason) && !found.contains(bare))
                found << bare;
        }
    }
    return found;
}

QString describe(const QStringList& stoppingReasons) {
    QStringList words;
    for (const QString& reason : stoppingReasons) {
        for (const auto& known : knownReasons) {
            if (reason == QLatin1String(known.reason))
                words << localizedString(QLatin1String(known.key));
        }
    }
    return words.join(localizedString(QStringLiteral("listSeparator")));
}

QString notice(const QString& printer, int jobId, const QString& documentName,
               const QStringList& stoppingReasons) {
    return localizedText(
        QStringLiteral("printerNoticeMsg"),
        {printer, describe(stoppingReasons), QString::number(jobId), documentName});
}

} // namespace PrinterStateReasons
