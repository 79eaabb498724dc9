#include "preferences/MediumDialog.h"

#include "photo/LabelMedia.h"
#include "preferences/PanelColours.h"
#include "ui_MediumDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

namespace {

constexpr int rollItemIndex = 1;

} // namespace

MediumDialog::MediumDialog(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::MediumDialog>()),
      mediaName_(LabelMedia::tape18Name) {
    ui_->setupUi(this);
    okButton()->setObjectName("okButton");
    // Without a close button the only way out is a choice.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->mediumBox, &QComboBox::activated, this, [this] { userChose_ = true; });
    applyPanelColours(this);
}

MediumDialog::~MediumDialog() = default;

std::unique_ptr<MediumDialog> MediumDialog::run(QWidget* parent,
                                                const std::function<void(MediumDialog&)>& prepare) {
    auto panel = std::make_unique<MediumDialog>(parent);
    if (prepare)
        prepare(*panel);
    panel->exec();
    return panel;
}

void MediumDialog::suggest(const QString& medium) {
    if (!userChose_)
        ui_->mediumBox->setCurrentIndex(medium == LabelMedia::roll60Name ? rollItemIndex : 0);
}

QComboBox* MediumDialog::mediumBox() const {
    return ui_->mediumBox;
}

QPushButton* MediumDialog::okButton() const {
    return ui_->buttonBox->button(QDialogButtonBox::Ok);
}

void MediumDialog::accept() {
    mediaName_ = ui_->mediumBox->currentIndex() == rollItemIndex ? LabelMedia::roll60Name
                                                                 : LabelMedia::tape18Name;
    QDialog::accept();
}

void MediumDialog::reject() {}
