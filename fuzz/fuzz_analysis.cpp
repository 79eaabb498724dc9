// Feeds arbitrary bytes through the photo analysis: container detection, the
// directory tables, the tag copies and every value rule. Whatever the bytes, the
// analysis must give photo information without a failure, or a failure and no photo
// information; fewer bytes than a photograph can hold give no record.

#include "photo/PhotoRecord.h"
#include "platform/FileData.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = FileData::fromByteArray(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const auto record = PhotoRecord::initWithData(bytes, {.decodePicture = false});
    if (!record) {
        if (size >= static_cast<std::size_t>(PhotoRecord::minimumLength))
            std::abort();
        return 0;
    }
    const bool oneOutcome = record->haveExif()
                                ? !record->failure()
                                : record->info().isEmpty() && record->failure().has_value();
    if (!oneOutcome)
        std::abort();
    return 0;
}
