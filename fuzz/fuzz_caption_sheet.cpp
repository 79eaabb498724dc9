// Feeds arbitrary bytes to the caption sheet reader. Whatever the bytes, it must answer
// rows or a reason, without crashing, hanging or leaking; the rows it answers, written
// as a sheet again and read back, must be the same rows (paths compared cleaned, as
// the written sheet names them relative to its folder).

#include "label/CaptionSheet.h"

#include <QDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const QString sheetFolder = QStringLiteral("/exhibition/sheets");

bool sameRow(const CaptionRow& a, const CaptionRow& b) {
    return QDir::cleanPath(a.file) == QDir::cleanPath(b.file) && a.title == b.title &&
           a.photographer == b.photographer && a.lens == b.lens;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parsed = CaptionSheet::parse(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), sheetFolder);
    if (!parsed) {
        if (parsed.failure().key.isEmpty())
            std::abort();
        return 0;
    }
    const auto& rows = *parsed;
    int previousRow = 1;
    for (const CaptionRow& row : rows) {
        if (row.file.isEmpty() || row.row <= previousRow)
            std::abort();
        previousRow = row.row;
    }
    const auto again = CaptionSheet::parse(CaptionSheet::write(rows, sheetFolder), sheetFolder);
    if (!again || again->size() != rows.size())
        std::abort();
    for (std::size_t index = 0; index < rows.size(); ++index)
        if (!sameRow(rows[index], (*again)[index]))
            std::abort();
    return 0;
}
