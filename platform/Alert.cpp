#include "platform/Alert.h"

#include <cstdio>

namespace {

AlertPresenter& standardErrorPresenter() {
    static StandardErrorAlertPresenter presenter;
    return presenter;
}

AlertPresenter* currentPresenter = &standardErrorPresenter();

} // namespace

int runAlertPanel(const QString& title, const QString& message, const QString& defaultButton,
                  const QString& alternateButton, const QString& otherButton) {
    return currentPresenter->present({title, message, defaultButton, alternateButton, otherButton});
}

AlertPresenter* installAlertPresenter(AlertPresenter* presenter) {
    AlertPresenter* previous = currentPresenter;
    currentPresenter = presenter ? presenter : &standardErrorPresenter();
    return previous;
}

ScopedAlertPresenter::ScopedAlertPresenter(AlertPresenter& presenter)
    : previous_(installAlertPresenter(&presenter)) {}

ScopedAlertPresenter::~ScopedAlertPresenter() {
    installAlertPresenter(previous_);
}

QString standardErrorLine(const AlertContent& alert) {
    QString line = QStringLiteral("%1: %2").arg(alert.title, alert.message);
    for (const QString& detail : alert.details)
        line += QStringLiteral("\n  ") + detail;
    return line;
}

int StandardErrorAlertPresenter::present(const AlertContent& alert) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(standardErrorLine(alert)));
    return alertDefaultReturn;
}

int RecordingAlertPresenter::present(const AlertContent& alert) {
    alerts_.append(alert);
    return answer_;
}
