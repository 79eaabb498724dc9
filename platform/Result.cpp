#include "platform/Result.h"

#include "platform/LocalizedText.h"

QString Failure::text() const {
    return localizedText(key, arguments);
}
