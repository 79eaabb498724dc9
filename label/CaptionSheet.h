#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// A caption sheet: a CSV table that gives each photograph of a show its own title,
// photographer and lens. UTF-8 with or without a byte order mark, UTF-16 with one, or
// Shift_JIS as Windows writes it (CP932, read when the bytes are not UTF-8); CRLF or LF
// line ends, RFC 4180 quoting; a header row names the columns "file" (required),
// "title", "photographer" and "lens" in any order and letter case; other columns are
// ignored. The program writes sheets in UTF-8.
struct CaptionRow {
    // The row's number in the sheet, the header being row 1, as a spreadsheet counts.
    int row = 0;
    // The photograph, resolved against the sheet's folder when the cell is relative.
    QString file;
    // Empty cells are absent: the label then takes the option or setting of its own.
    std::optional<QString> title;
    std::optional<QString> photographer;
    std::optional<QString> lens;
};

namespace CaptionSheet {

// The rows of a sheet's bytes, relative paths resolved against folder; or what is
// wrong with the sheet, naming the row.
Result<std::vector<CaptionRow>> parse(const QByteArray& bytes, const QString& folder);

// The rows of the sheet file at path; a failure names the sheet.
Result<std::vector<CaptionRow>> read(const QString& path);

// A sheet of the rows (header file,title,photographer,lens; CRLF line ends, cells
// quoted where they need it), file paths inside folder written relative to it.
QByteArray write(const std::vector<CaptionRow>& rows, const QString& folder);

} // namespace CaptionSheet
