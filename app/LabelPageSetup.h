#pragma once

class QPageSetupDialog;

// Keeps the toolkit's page set-up dialog to the page the label is printed on: the paper
// sizes of office printers (Letter, A4, ...) and a custom size mean nothing on label
// media, so the printer's current page (the label's, or the page the queue's driver
// prints it on) is the only one offered, with its orientation and margins left to the
// user, in the window's unit.
void keepToLabelPage(QPageSetupDialog& dialog, bool metric);
