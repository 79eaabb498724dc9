#include "label/CaptionSheet.h"

#include "platform/FileNames.h"

#include <QDir>
#include <QFile>
#include <QStringConverter>
#include <QStringList>

#include <array>

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

// Splits RFC 4180 text into records of cells. A quoted cell may hold commas, doubled
// quotes and line ends; a record ends at CRLF, LF or the end of the text.
std::variant<std::vector<Record>, QString> records(const QString& text) {
    std::vector<Record> result;
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
        result.push_back(record);
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
    if (quoted)
        return QStringLiteral("row %1: a quoted cell is not closed").arg(result.size() + 1);
    if (!cell.isEmpty() || !record.cells.isEmpty() || cellWasQuoted)
        endRecord();
    return result;
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

std::variant<std::vector<CaptionRow>, QString> parse(const QByteArray& bytes,
                                                     const QString& folder) {
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return QStringLiteral("the sheet is not UTF-8 text");
    auto split = records(text.startsWith(QChar(0xfeff)) ? text.mid(1) : text);
    if (const QString* error = std::get_if<QString>(&split))
        return *error;
    const std::vector<Record>& table = std::get<std::vector<Record>>(split);
    if (table.empty() || blank(table.front()))
        return QStringLiteral("the sheet has no header row");

    QStringList header = table.front().cells;
    for (QString& name : header)
        name = name.trimmed().toLower();
    const auto column = [&header](const QString& name) {
        return static_cast<int>(header.indexOf(name));
    };
    const int file = column(fileColumn);
    if (file < 0)
        return QStringLiteral("the header row has no \"file\" column");
    const std::array<int, 3> captions{column(titleColumn), column(photographerColumn),
                                      column(lensColumn)};

    std::vector<CaptionRow> rows;
    for (std::size_t i = 1; i < table.size(); ++i) {
        const Record& record = table[i];
        if (blank(record))
            continue;
        const int rowNumber = static_cast<int>(i) + 1;
        const QString path = pathCell(record, file);
        if (path.isEmpty())
            return QStringLiteral("row %1: no file given").arg(rowNumber);
        rows.push_back({rowNumber, resolved(path, folder), cellOrNothing(record, captions[0]),
                        cellOrNothing(record, captions[1]), cellOrNothing(record, captions[2])});
    }
    return rows;
}

std::variant<std::vector<CaptionRow>, QString> read(const QString& path) {
    QFile file(FileNames::plainFilePath(path));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read the caption sheet %1: %2").arg(path, file.errorString());
    return parse(file.readAll(), FileNames::fileInfo(path).absolutePath());
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
