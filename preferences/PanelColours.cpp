#include "preferences/PanelColours.h"

#include <QAbstractButton>
#include <QColor>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace {

const QColor panelFill = QColor::fromRgbF(0.4f, 0.4f, 0.4f, 1.0f);
const QColor captionGrey = QColor::fromRgbF(0.9f, 0.9f, 0.9f, 1.0f);
// A button face dark enough for the light caption to stay readable on it.
const QColor buttonFace = QColor::fromRgbF(0.3f, 0.3f, 0.3f, 1.0f);

} // namespace

void applyPanelColours(QWidget* panel) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, panelFill);
    palette.setColor(QPalette::WindowText, captionGrey);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);

    for (QPushButton* button : panel->findChildren<QPushButton*>()) {
        QPalette buttonPalette = button->palette();
        buttonPalette.setColor(QPalette::Button, buttonFace);
        buttonPalette.setColor(QPalette::ButtonText, captionGrey);
        button->setPalette(buttonPalette);
    }
}
