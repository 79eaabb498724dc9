#include "platform/Alert.h"

#include <QMessageBox>
#include <QPushButton>

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

int MessageBoxAlertPresenter::present(const AlertContent& alert) {
    QMessageBox box(QMessageBox::Warning, alert.title, alert.message);
    // An alert always has a default button; an empty title gets the standard one.
    QPushButton* defaultButton = alert.defaultButton.isEmpty()
                                     ? box.addButton(QMessageBox::Ok)
                                     : box.addButton(alert.defaultButton, QMessageBox::AcceptRole);
    QPushButton* alternateButton =
        alert.alternateButton.isEmpty()
            ? nullptr
            : box.addButton(alert.alternateButton, QMessageBox::RejectRole);
    QPushButton* otherButton = alert.otherButton.isEmpty()
                                   ? nullptr
                                   : box.addButton(alert.otherButton, QMessageBox::ActionRole);
    box.setDefaultButton(defaultButton);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == alternateButton)
        return alertAlternateReturn;
    if (clicked && clicked == otherButton)
        return alertOtherReturn;
    return alertDefaultReturn;
}

int StandardErrorAlertPresenter::present(const AlertContent& alert) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(alert.title), qUtf8Printable(alert.message));
    return alertDefaultReturn;
}

int RecordingAlertPresenter::present(const AlertContent& alert) {
    alerts_.append(alert);
    return answer_;
}
