#include "app/ListLabels.h"

#include "app/PhotoList.h"
#include "label/PrintableLabel.h"

#include <QFileInfo>

std::vector<PrintSetup::Label> ListLabels::printable() const {
    std::vector<PrintSetup::Label> labels;
    for (const std::unique_ptr<LabelLayout>& layout : layouts)
        labels.push_back(printableLabel(*layout));
    return labels;
}

ListLabels layOutList(const PhotoList& list) {
    ListLabels labels;
    for (int row = 0; row < list.rowCount(); ++row) {
        std::unique_ptr<LabelLayout> layout = list.labelLayout(row);
        if (!layout)
            continue;
        labels.lengths.push_back(
            {QFileInfo(list.entry(row).path).fileName(), layout->labelSize().width()});
        labels.layouts.push_back(std::move(layout));
    }
    return labels;
}
