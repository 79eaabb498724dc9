// The application's alert presenter, apart from the other presenters so that programs
// without widgets (the command line's info) need not load the widget library.

#include "platform/Alert.h"

#include <QMessageBox>
#include <QPushButton>

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
