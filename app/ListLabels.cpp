#include "app/ListLabels.h"

#include "app/PhotoList.h"
#include "label/PrintableLabel.h"
#include "platform/LocalizedText.h"

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
        const PhotoEntry& entry = list.entry(row);
        const QString name = QFileInfo(entry.path).fileName();
        std::unique_ptr<LabelLayout> layout = list.labelLayout(row);
        if (!layout) {
            labels.leftOut << QStringLiteral("%1: %2").arg(
                name, entry.beingRead() ? localizedString(QStringLiteral("PhotoListReading"))
                                        : entry.failure);
            continue;
        }
        labels.lengths.push_back({name, layout->labelSize().width()});
        for (const ShortenedText& text : layout->shortenedTexts())
            labels.shortened << shortenedTextNotice(name, text);
        labels.layouts.push_back(std::move(layout));
    }
    return labels;
}
