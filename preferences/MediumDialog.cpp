#include "preferences/MediumDialog.h"

#include "photo/ConstStrings.h"
#include "preferences/PanelColours.h"
#include "ui_MediumDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

namespace {

constexpr int rollItemIndex = 1;

} // namespace

MediumDialog::MediumDialog(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::MediumDialog>()), mediaName_(MediaTape18Key) {
    ui_->setupUi(this);
    okButton()->setObjectName("okButton");
    // Without a close button the only way out is a choice.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    applyPanelColours(this);
}

MediumDialog::~MediumDialog() = default;

std::unique_ptr<MediumDialog> MediumDialog::run(QWidget* parent) {
    auto panel = std::make_unique<MediumDialog>(parent);
    panel->exec();
    return panel;
}

QComboBox* MediumDialog::mediumBox() const {
    return ui_->mediumBox;
}

QPushButton* MediumDialog::okButton() const {
    return ui_->buttonBox->button(QDialogButtonBox::Ok);
}

void MediumDialog::accept() {
    mediaName_ = ui_->mediumBox->currentIndex() == rollItemIndex ? MediaRoll60Key : MediaTape18Key;
    QDialog::accept();
}

void MediumDialog::reject() {}
