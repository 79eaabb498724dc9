#pragma once

class QDialog;
class QScrollArea;

// Opens the panel as large as its contents want, but never beyond the room its screen
// offers: what does not fit scrolls, and the buttons below the scroll area stay in
// reach on small screens and at large scale factors.
void fitPanelToScreen(QDialog& panel, const QScrollArea& contents);
