#include "label/LabelOptions.h"

#include "label/RollLayout.h"
#include "label/TapeLayout.h"
#include "photo/LabelMedia.h"

std::unique_ptr<LabelLayout> makeLabelLayout(const LabelOptions& options) {
    std::unique_ptr<LabelLayout> layout;
    if (options.medium == LabelMedia::tape18Name)
        layout = std::make_unique<TapeLayout>();
    else
        layout = std::make_unique<RollLayout>();
    if (options.font)
        layout->setFonts(*options.font);
    layout->setPhotographer(options.photographer);
    if (options.title)
        layout->setTitle(*options.title);
    return layout;
}

void showPhotograph(LabelLayout& layout, const LabelOptions& options, const PhotoRecord* record) {
    layout.setDisplaySettings(options.displaySettings);
    layout.setExifData(record);
    if (options.lens)
        layout.setUserLens(*options.lens);
}
