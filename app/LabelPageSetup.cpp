#include "app/LabelPageSetup.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPageLayout>
#include <QPageSetupDialog>

// The dialog's widgets are found by the names the toolkit gives them; a toolkit that
// names them otherwise leaves its dialog as it is.
void keepToLabelPage(QPageSetupDialog& dialog, bool metric) {
    if (auto* pages = dialog.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"))) {
        const QSignalBlocker quiet(pages);
        const int current = pages->currentIndex();
        for (int index = pages->count() - 1; index >= 0; --index)
            if (index != current)
                pages->removeItem(index);
        pages->setEnabled(false);
    }
    for (const char* side : {"pageWidth", "pageHeight"})
        if (auto* length = dialog.findChild<QDoubleSpinBox*>(QLatin1String(side)))
            length->setEnabled(false);
    if (auto* units = dialog.findChild<QComboBox*>(QStringLiteral("unitCombo"))) {
        const QPageLayout::Unit unit = metric ? QPageLayout::Millimeter : QPageLayout::Inch;
        const int index = units->findData(QVariant::fromValue(unit));
        if (index >= 0)
            units->setCurrentIndex(index);
    }
}
