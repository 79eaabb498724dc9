// The application's alert presenter, apart from the other presenters so that programs
// without widgets (the command line's info) need not load the widget library.

#include "platform/Alert.h"

#include "ui_AlertDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

// The details list shows this many lines before it scrolls, and the dialog is never
// wider than this share of the screen.
constexpr int visibleDetailLines = 12;
constexpr double largestScreenShare = 0.9;
constexpr int messageWidth = 480;

QPushButton* addButton(QDialogButtonBox& buttons, const QString& text,
                       QDialogButtonBox::ButtonRole role) {
    return text.isEmpty() ? nullptr : buttons.addButton(text, role);
}

} // namespace

int DialogAlertPresenter::present(const AlertContent& alert) {
    QDialog dialog(parent_ ? parent_ : QApplication::activeWindow());
    Ui::AlertDialog ui;
    ui.setupUi(&dialog);
    dialog.setWindowTitle(alert.title);
    const int iconSide = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    ui.icon->setPixmap(
        dialog.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSide, iconSide));
    QFont heading = ui.title->font();
    heading.setBold(true);
    ui.title->setFont(heading);
    ui.title->setText(alert.title);
    ui.message->setText(alert.message);
    ui.message->setMinimumWidth(messageWidth);
    ui.message->setHidden(alert.message.isEmpty());
    ui.details->setPlainText(alert.details.join(QLatin1Char('\n')));
    ui.details->setHidden(alert.details.isEmpty());
    // Room for the details' lines up to a limit, each wrapped once; more scroll.
    const int lines = std::min(2 * int(alert.details.size()), visibleDetailLines);
    ui.details->setMinimumHeight(ui.details->fontMetrics().lineSpacing() * (lines + 1) +
                                 2 * ui.details->frameWidth());

    // An alert always has a default button; an empty title gets the standard one.
    QPushButton* defaultButton =
        alert.defaultButton.isEmpty()
            ? ui.buttons->addButton(QDialogButtonBox::Ok)
            : ui.buttons->addButton(alert.defaultButton, QDialogButtonBox::AcceptRole);
    QPushButton* alternateButton =
        addButton(*ui.buttons, alert.alternateButton, QDialogButtonBox::RejectRole);
    QPushButton* otherButton =
        addButton(*ui.buttons, alert.otherButton, QDialogButtonBox::ActionRole);
    defaultButton->setDefault(true);
    int answer = alertDefaultReturn;
    QObject::connect(ui.buttons, &QDialogButtonBox::clicked, &dialog,
                     [&](QAbstractButton* clicked) {
                         if (clicked == alternateButton)
                             answer = alertAlternateReturn;
                         else if (clicked == otherButton)
                             answer = alertOtherReturn;
                         dialog.done(QDialog::Accepted);
                     });

    const QScreen* screen = dialog.screen();
    const QSize room = (QSizeF(screen->availableSize()) * largestScreenShare).toSize();
    dialog.setMaximumSize(room);
    dialog.adjustSize();
    dialog.exec();
    // Escape and the window's close button answer as the alternate button would, or as
    // the default one when there is none.
    if (dialog.result() == QDialog::Rejected && alternateButton)
        return alertAlternateReturn;
    return answer;
}
