#pragma once

#include <QString>
#include <QVariantMap>

#include <memory>
#include <optional>

class PhotoRecord;
class LabelLayout;

// What a label is made of besides the photograph: medium, title, photographer, lens,
// font and the Exif item display settings.
struct LabelOptions {
    QString medium;
    std::optional<QString> title;
    QString photographer;
    std::optional<QString> lens;
    std::optional<QString> font;
    QVariantMap displaySettings;
};

// A label of the options' medium, font, photographer and title, as the application
// prepares its label view before a photograph arrives.
std::unique_ptr<LabelLayout> makeLabelLayout(const LabelOptions& options);

// Hands the label the display settings and the photograph, then the lens, in the
// order the application calls them.
void showPhotograph(LabelLayout& layout, const LabelOptions& options, const PhotoRecord* record);
