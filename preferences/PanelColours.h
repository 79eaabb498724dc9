#pragma once

class QWidget;

// Both panels are drawn on a mid grey with light grey captions: box titles, text
// fields, check box and button titles. Input fields keep the style's own colours.
void applyPanelColours(QWidget* panel);
