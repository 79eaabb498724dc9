#include "preferences/PaperSize.h"

#include "photo/ConstStrings.h"
#include "preferences/PanelColours.h"
#include "ui_PaperSize.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

namespace {

constexpr int rollItemIndex = 1;

} // namespace

PaperSize::PaperSize(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PaperSize>()), mediaName_(MediaTape18Key) {
    ui_->setupUi(this);
    okButton()->setObjectName("okButton");
    // Without a close button the only way out is a choice.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    applyPanelColours(this);
}

PaperSize::~PaperSize() = default;

std::unique_ptr<PaperSize> PaperSize::initPaperSize(QWidget* parent) {
    auto panel = std::make_unique<PaperSize>(parent);
    panel->exec();
    return panel;
}

QComboBox* PaperSize::mediaSelectButton() const {
    return ui_->mediaSelectButton;
}

QPushButton* PaperSize::okButton() const {
    return ui_->buttonBox->button(QDialogButtonBox::Ok);
}

void PaperSize::accept() {
    mediaName_ =
        ui_->mediaSelectButton->currentIndex() == rollItemIndex ? MediaRoll60Key : MediaTape18Key;
    QDialog::accept();
}

void PaperSize::reject() {}
