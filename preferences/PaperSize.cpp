#include "preferences/PaperSize.h"

#include "photo/ConstStrings.h"
#include "preferences/PanelColours.h"
#include "ui_PaperSize.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

namespace {

constexpr int panelStopCode = 128;
constexpr int rollItemIndex = 1;

} // namespace

PaperSize::PaperSize(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PaperSize>()), m_mediaName(MediaTape18Key) {
    m_ui->setupUi(this);
    okButton()->setObjectName("okButton");
    // Without a close button the only way out is a choice.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &PaperSize::confirmed);
    applyPanelColours(this);
}

PaperSize::~PaperSize() = default;

std::unique_ptr<PaperSize> PaperSize::initPaperSize(QWidget* parent) {
    auto panel = std::make_unique<PaperSize>(parent);
    panel->exec();
    return panel;
}

QComboBox* PaperSize::mediaSelectButton() const {
    return m_ui->mediaSelectButton;
}

QPushButton* PaperSize::okButton() const {
    return m_ui->buttonBox->button(QDialogButtonBox::Ok);
}

void PaperSize::confirmed() {
    m_mediaName =
        m_ui->mediaSelectButton->currentIndex() == rollItemIndex ? MediaRoll60Key : MediaTape18Key;
    m_chosen = true;
    done(panelStopCode);
}

void PaperSize::reject() {}
