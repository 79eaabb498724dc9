#include "platform/Alert.h"

QString standardErrorLine(const AlertContent& alert) {
    QString line = QStringLiteral("%1: %2").arg(alert.title, alert.message);
    for (const QString& detail : alert.details)
        line += QStringLiteral("\n  ") + detail;
    return line;
}

int RecordingAlertPresenter::present(const AlertContent& alert) {
    alerts_.append(alert);
    return answer_;
}
