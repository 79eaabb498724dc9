// The complete program reads photographs' own titles through exiv2 (see LabelInputs.h).

#include "LabelInputs.h"

#include "photo/EmbeddedTitle.h"

namespace {

std::optional<QString> readOwnTitle(const QString& path) {
    return embeddedTitle(path);
}

const OwnTitleReaderRegistration registration{readOwnTitle};

} // namespace
