#include "app/LabelPageDialog.h"

#include "label/TapeLength.h"
#include "ui_LabelPageDialog.h"

#include <QPrinter>

LabelPageDialog::LabelPageDialog(QPrinter& printer, bool metric, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::LabelPageDialog>()), printer_(printer) {
    ui_->setupUi(this);
    const QPageLayout layout = printer.pageLayout();
    const QSizeF page = layout.pageSize().size(QPageSize::Point);
    ui_->pageSize->setText(QStringLiteral("%1 × %2").arg(labelLengthText(page.width(), metric),
                                                         labelLengthText(page.height(), metric)));
    const bool portrait = layout.orientation() == QPageLayout::Portrait;
    ui_->portrait->setChecked(portrait);
    ui_->landscape->setChecked(!portrait);
}

LabelPageDialog::~LabelPageDialog() = default;

void LabelPageDialog::accept() {
    printer_.setPageOrientation(ui_->portrait->isChecked() ? QPageLayout::Portrait
                                                           : QPageLayout::Landscape);
    QDialog::accept();
}
