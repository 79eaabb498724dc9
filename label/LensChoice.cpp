#include "label/LensChoice.h"

#include "photo/SettingsFile.h"

using namespace ExifItemRules;
using Item = PhotoInfo::Item;

void LensChoice::takePhotograph(const ShownItems& items) {
    lensMaker_ = items.isPresent(Item::LensMaker) ? items.value(Item::LensMaker) : QString();
    photographLensModel_ =
        items.isPresent(Item::LensModel) ? items.value(Item::LensModel) : QString();
    if (showsPhotographLens_)
        pickedLens_.clear();
}

void LensChoice::pick(const QString& lensName) {
    pickedLens_ = lensName;
    showsPhotographLens_ = SettingsFile::namesPhotographLens(lensName);
}

void LensChoice::clear() {
    lensMaker_.clear();
    photographLensModel_.clear();
    pickedLens_.clear();
}

QString LensChoice::text(const QVariantMap& settings, const QString& separator) const {
    QString text;
    if (showsPhotographLens_) {
        if (SettingsFile::isItemOn(settings, Item::LensMaker))
            appendItem(text, lensMaker_, separator);
        if (SettingsFile::isItemOn(settings, Item::LensModel))
            appendItem(text, photographLensModel_, separator);
    } else if (SettingsFile::isItemOn(settings, Item::LensModel) && isShownUserLens(pickedLens_)) {
        text += pickedLens_;
    }
    return text;
}
