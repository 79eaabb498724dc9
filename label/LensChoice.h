#pragma once

#include "label/ExifItemRules.h"

#include <QString>
#include <QVariantMap>

// The lens part of a label's camera texts, the same on both labels: the lens maker and
// model kept from the last photograph, the lens name the user picked, and which of the
// two the label shows (the photograph's own lens until a name other than "Exif" is
// picked).
class LensChoice {
public:
    // A new photograph: keeps its lens maker and model (empty when it has none) and,
    // while the photograph's own lens is shown, forgets the picked name.
    void takePhotograph(const ExifItemRules::ShownItems& items);
    // The user picked an accepted lens name.
    void pick(const QString& lensName);
    // Forgets every kept name.
    void clear();

    // The lens text under the display settings: with the photograph's own lens, the lens
    // maker and model whose items are on, each that is not empty followed by the
    // separator; with a picked lens, its name alone when the model item is on and the
    // name is long enough to show.
    QString text(const QVariantMap& settings, const QString& separator) const;

    bool showsPhotographLens() const { return showsPhotographLens_; }
    const QString& photographLensModel() const { return photographLensModel_; }
    const QString& pickedLens() const { return pickedLens_; }

private:
    QString lensMaker_;
    QString photographLensModel_;
    QString pickedLens_;
    bool showsPhotographLens_ = true;
};
