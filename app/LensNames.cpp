#include "app/LensNames.h"

#include <algorithm>

bool isBlankLensName(const QString& name) {
    return std::all_of(name.cbegin(), name.cend(), [](QChar character) {
        return character == u'\t' || character.category() == QChar::Separator_Space;
    });
}
