#include "label/LabelOptions.h"

#include "label/Tack66Layout.h"
#include "label/TapeLayout.h"
#include "photo/ConstStrings.h"

std::unique_ptr<LabelLayout> makeLabelLayout(const LabelOptions& options) {
    std::unique_ptr<LabelLayout> layout;
    if (options.medium == MediaTape18Key)
        layout = std::make_unique<TapeLayout>();
    else
        layout = std::make_unique<Tack66Layout>();
    if (options.font)
        layout->setFonts(*options.font);
    layout->setAuthor(options.photographer);
    if (options.title)
        layout->setTitle(*options.title);
    return layout;
}

void showPhotograph(LabelLayout& layout, const LabelOptions& options, const Kestavolin* record) {
    layout.setExifSetingDisplay(options.displaySettings);
    layout.setExifData(record);
    if (options.lens)
        layout.setUserLens(*options.lens);
}
