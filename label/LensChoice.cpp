#include "label/LensChoice.h"

#include "photo/ConstStrings.h"
#include "photo/SettingsFile.h"

using namespace ExifItemRules;

void LensChoice::takePhotograph(const ShownItems& items) {
    lensMaker_ = items.isPresent(lensMaker) ? items.value(lensMaker) : QString();
    photographLensModel_ = items.isPresent(lensModel) ? items.value(lensModel) : QString();
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
        if (SettingsFile::isItemOn(settings, lensMaker))
            appendItem(text, lensMaker_, separator);
        if (SettingsFile::isItemOn(settings, lensModel))
            appendItem(text, photographLensModel_, separator);
    } else if (SettingsFile::isItemOn(settings, lensModel) && isShownUserLens(pickedLens_)) {
        text += pickedLens_;
    }
    return text;
}
