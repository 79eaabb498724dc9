#include "label/CaptionSheet.h"

#include "platform/FileNames.h"
#include "platform/TextDecoding.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>

namespace {

const QString fileColumn = QStringLiteral("file");
const QString titleColumn = QStringLiteral("title");
const QString photographerColumn = QStringLiteral("photographer");
const QString lensColumn = QStringLiteral("lens");

// A record's cells, and for each whether it was quoted (its text is then taken as it
// stands, edge spaces included).
struct Record {
    QStringList cells;
    QList<bool> quoted;
};

// The records of a sheet's text, and the row (as the sheet numbers them, from 1) that
// its end falls in.
struct Table {
    std::vector<Record> records;
    // The text ends inside a quoted cell.
    bool openQuote = false;
    int endRow = 1;
};

// Splits RFC 4180 text into records of cells. A quoted cell may hold commas, doubled
// quotes and line ends; a record ends at CRLF, LF or the end of the text.
Table records(const QString& text) {
    Table table;
    Record record;
    QString cell;
    bool quoted = false;
    bool cellWasQuoted = false;
    auto endCell = [&] {
        record.cells << cell;
        record.quoted << cellWasQuoted;
        cell.clear();
        cellWasQuoted = false;
    };
    auto endRecord = [&] {
        endCell();
        table.records.push_back(record);
        record = Record();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                cell += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                cell += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u'"' && cell.isEmpty() && !cellWasQuoted) {
            quoted = true;
            cellWasQuoted = true;
        } else if (c == u',') {
            endCell();
        } else if (c == u'\n') {
            endRecord();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            // The LF ends the record.
        } else {
            cell += c;
        }
    }
    table.openQuote = quoted;
    const bool atRecordStart = cell.isEmpty() && record.cells.isEmpty() && !cellWasQuoted;
    if (!quoted && !atRecordStart)
        endRecord();
    table.endRow = static_cast<int>(table.records.size()) + (quoted || atRecordStart ? 1 : 0);
    return table;
}

Failure rowFailure(const char* key, int row) {
    return Failure{QString::fromLatin1(key), {QString::number(row)}};
}

// The sheet's text. A byte order mark tells UTF-8 or UTF-16; without one the sheet is
// UTF-8 when its bytes are valid UTF-8, else Shift_JIS as Windows writes it (CP932),
// the encoding spreadsheet programs in Japan save sheets in.
Result<QString> sheetText(const QByteArray& bytes) {
    const std::pair<QByteArrayView, const char*> marked[] = {
        {"\xEF\xBB\xBF", "UTF-8"}, {"\xFF\xFE", "UTF-16LE"}, {"\xFE\xFF", "UTF-16BE"}};
    std::optional<DecodedText> failed;
    for (const auto& [mark, encoding] : marked) {
        if (!bytes.startsWith(mark))
            continue;
        DecodedText decoded = decodeText(QByteArrayView(bytes).sliced(mark.size()), encoding);
        if (decoded.complete)
            return decoded.text;
        failed = std::move(decoded);
        break;
    }
    if (!failed) {
        DecodedText utf8 = decodeText(bytes, "UTF-8");
        if (utf8.complete)
            return utf8.text;
        DecodedText shiftJis = decodeText(bytes, "CP932");
        if (shiftJis.complete)
            return shiftJis.text;
        // The row named is where the sheet stops being text in the encoding that
        // reads the further into it.
        failed = utf8.decodedBytes >= shiftJis.decodedBytes ? utf8 : shiftJis;
    }
    return rowFailure("sheetNotTextMsg", records(failed->text).endRow);
}

bool blank(const Record& record) {
    return record.cells.size() == 1 && record.cells.first().trimmed().isEmpty();
}

// A photograph's path: as quoted, or without the edge spaces of a hand-typed cell.
QString pathCell(const Record& record, int column) {
    const QString cell = record.cells.value(column);
    return record.quoted.value(column) ? cell : cell.trimmed();
}

// A relative path names a file in the sheet's folder, whatever its first character
// (Qt's file classes would take a leading ':' for a resource of the program).
QString resolved(const QString& path, const QString& folder) {
    if (path.startsWith(u'/'))
        return path;
    QString inFolder = path;
    while (inFolder.startsWith(QStringLiteral("./")))
        inFolder.remove(0, 2);
    return folder.endsWith(u'/') ? folder + inFolder : folder + u'/' + inFolder;
}

std::optional<QString> cellOrNothing(const Record& record, int column) {
    if (column < 0 || column >= record.cells.size() || record.cells[column].isEmpty())
        return std::nullopt;
    return record.cells[column];
}

// Quotes a cell when it holds a comma, a quote, a line end or edge spaces.
QString csvCell(const QString& text) {
    const bool needsQuotes = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') ||
                             text.contains(u'\r') || text != text.trimmed();
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

namespace CaptionSheet {

Result<std::vector<CaptionRow>> parse(const QByteArray& bytes, const QString& folder) {
    const Result<QString> text = sheetText(bytes);
    if (!text)
        return text.failure();
    const Table table = records(*text);
    if (table.openQuote)
        return rowFailure("sheetQuoteNotClosedMsg", table.endRow);
    constexpr int headerRow = 1;
    if (table.records.empty() || blank(table.records.front()))
        return rowFailure("sheetNoHeaderMsg", headerRow);

    QStringList header = table.records.front().cells;
    for (QString& name : header)
        name = name.trimmed().toLower();
    const auto column = [&header](const QString& name) {
        return static_cast<int>(header.indexOf(name));
    };
    const int file = column(fileColumn);
    if (file < 0)
        return rowFailure("sheetNoFileColumnMsg", headerRow);
    const std::array<int, 3> captions{column(titleColumn), column(photographerColumn),
                                      column(lensColumn)};

    std::vector<CaptionRow> rows;
    for (std::size_t i = 1; i < table.records.size(); ++i) {
        const Record& record = table.records[i];
        if (blank(record))
            continue;
        const int rowNumber = static_cast<int>(i) + 1;
        const QString path = pathCell(record, file);
        if (path.isEmpty())
            return rowFailure("sheetNoFileMsg", rowNumber);
        rows.push_back({rowNumber, resolved(path, folder), cellOrNothing(record, captions[0]),
                        cellOrNothing(record, captions[1]), cellOrNothing(record, captions[2])});
    }
    return rows;
}

Result<std::vector<CaptionRow>> read(const QString& path) {
    QFile file(FileNames::plainFilePath(path));
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("sheetNotReadMsg"), {path, file.errorString()}};
    auto rows = parse(file.readAll(), FileNames::fileInfo(path).absolutePath());
    if (!rows)
        return Failure{QStringLiteral("sheetNotReadMsg"), {path, rows.failure().text()}};
    return rows;
}

QByteArray write(const std::vector<CaptionRow>& rows, const QString& folder) {
    const QDir base(folder);
    QString text = QStringList{fileColumn, titleColumn, photographerColumn, lensColumn}.join(u',');
    text += QStringLiteral("\r\n");
    for (const CaptionRow& row : rows) {
        const QString file =
            row.file.startsWith(u'/') ? row.file : FileNames::fileInfo(row.file).absoluteFilePath();
        QString path = base.relativeFilePath(file);
        if (path.startsWith(QStringLiteral("../")))
            path = file;
        else if (path.startsWith(u':'))
            path = FileNames::plainFilePath(path);
        text += QStringList{csvCell(path), csvCell(row.title.value_or(QString())),
                            csvCell(row.photographer.value_or(QString())),
                            csvCell(row.lens.value_or(QString()))}
                    .join(u',');
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

} // namespace CaptionSheet
