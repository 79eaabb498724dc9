#include "pdf/PdfJoin.h"

#include "pdf/PdfFailures.h"

#include <QByteArray>
#include <QFileDevice>
#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

constexpr qint64 copyBlockBytes = 1 << 20;
// The end of a file, which holds where its cross-reference table starts.
constexpr qint64 tailBytes = 1024;
// A stream's dictionary ends within this many bytes of the start of its object.
constexpr qint64 dictionaryBytes = 64 * 1024;
// The cross-reference table is written in blocks of this size.
constexpr qsizetype tableBlockBytes = 64 * 1024;
// The writer names a font subset "Q" and five letters made from the number of the
// font's descriptor.
constexpr int subsetTagLetters = 5;
constexpr int lettersInTag = 26;

Result<QByteArray> readAt(QFileDevice& file, qint64 offset, qint64 length) {
    if (!file.seek(offset))
        return PdfFailures::ofDevice(file);
    QByteArray bytes = file.read(length);
    if (bytes.size() != length)
        return PdfFailures::ofDevice(file);
    return bytes;
}

Result<int> wholeNumber(const QString& text) {
    bool number = false;
    const int value = text.toInt(&number);
    if (!number || value < 0)
        return PdfFailures::unknownForm();
    return value;
}

// The words of a cross-reference table, one after the other.
class Words {
public:
    explicit Words(const QByteArray& text) : text_(text) {}
    QByteArray next() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
        const qsizetype start = at_;
        while (at_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
        return text_.mid(start, at_ - start);
    }
    QByteArray rest() const { return text_.mid(at_); }

private:
    const QByteArray& text_;
    qsizetype at_ = 0;
};

// One file to join: where each of its objects lies, which objects are the document's
// own (information, catalogue, page tree) and its pages in order.
struct Part {
    QFileDevice* file = nullptr;
    // By object number: where the object starts and ends, -1 when the number is unused.
    std::vector<qint64> starts;
    std::vector<qint64> ends;
    QByteArray trailer;
    int info = 0;
    int catalogue = 0;
    int pageTree = 0;
    std::vector<int> pages;
    // By object number: its number in the joined document, 0 when it has none.
    std::vector<int> renumbered;

    Result<QByteArray> object(int number) const {
        if (number <= 0 || number >= std::ssize(starts) || starts[number] < 0)
            return PdfFailures::unknownForm();
        return readAt(*file, starts[number], ends[number] - starts[number]);
    }
};

Result<int> referenceAfter(const QString& text, const QString& key) {
    const QRegularExpression reference(QRegularExpression::escape(key) +
                                       QStringLiteral(R"(\s+(\d+)\s+\d+\s+R)"));
    const auto found = reference.match(text);
    if (!found.hasMatch())
        return PdfFailures::unknownForm();
    return wholeNumber(found.captured(1));
}

// The number of the object the text of another refers to after the key.
Result<int> referenceIn(const Part& part, int object, const QString& key) {
    const Result<QByteArray> text = part.object(object);
    if (!text)
        return text.failure();
    return referenceAfter(QString::fromLatin1(*text), key);
}

Status readCrossReferences(Part& part) {
    QFileDevice& file = *part.file;
    const qint64 size = file.size();
    const qint64 tailLength = std::min(size, tailBytes);
    static const QRegularExpression tableStart(QStringLiteral(R"(startxref\s+(\d+)\s+%%EOF\s*$)"));
    const Result<QByteArray> tail = readAt(file, size - tailLength, tailLength);
    if (!tail)
        return tail.failure();
    const auto start = tableStart.match(QString::fromLatin1(*tail));
    if (!start.hasMatch())
        return PdfFailures::unknownForm();
    const qint64 tableOffset = start.captured(1).toLongLong();
    if (tableOffset <= 0 || tableOffset >= size)
        return PdfFailures::unknownForm();
    const Result<QByteArray> table = readAt(file, tableOffset, size - tableOffset);
    if (!table)
        return table.failure();
    Words words(*table);
    if (words.next() != "xref")
        return PdfFailures::unknownForm();
    for (QByteArray word = words.next(); word != "trailer"; word = words.next()) {
        const Result<int> first = wholeNumber(QString::fromLatin1(word));
        const Result<int> count = wholeNumber(QString::fromLatin1(words.next()));
        if (!first || !count || *count > table->size())
            return PdfFailures::unknownForm();
        if (std::ssize(part.starts) < *first + *count)
            part.starts.resize(static_cast<std::size_t>(*first + *count), -1);
        for (int number = *first; number < *first + *count; ++number) {
            const qint64 offset = words.next().toLongLong();
            words.next();
            const QByteArray kind = words.next();
            if (kind == "n" && offset > 0 && offset < tableOffset)
                part.starts[static_cast<std::size_t>(number)] = offset;
            else if (kind != "f")
                return PdfFailures::unknownForm();
        }
    }
    part.trailer = words.rest();
    // Each object ends where the next one in the file starts.
    std::vector<std::pair<qint64, int>> byOffset;
    for (int number = 0; number < std::ssize(part.starts); ++number)
        if (part.starts[number] >= 0)
            byOffset.emplace_back(part.starts[number], number);
    std::sort(byOffset.begin(), byOffset.end());
    part.ends.assign(part.starts.size(), -1);
    for (std::size_t index = 0; index < byOffset.size(); ++index)
        part.ends[static_cast<std::size_t>(byOffset[index].second)] =
            index + 1 < byOffset.size() ? byOffset[index + 1].first : tableOffset;
    return {};
}

Result<Part> readPart(QFileDevice& file) {
    Part part;
    part.file = &file;
    if (const Status read = readCrossReferences(part); !read)
        return read.failure();
    const QString trailer = QString::fromLatin1(part.trailer);
    const Result<int> info = referenceAfter(trailer, QStringLiteral("/Info"));
    const Result<int> catalogue = referenceAfter(trailer, QStringLiteral("/Root"));
    if (!info || !catalogue)
        return PdfFailures::unknownForm();
    part.info = *info;
    part.catalogue = *catalogue;
    const Result<int> pageTree = referenceIn(part, part.catalogue, QStringLiteral("/Pages"));
    if (!pageTree)
        return pageTree.failure();
    part.pageTree = *pageTree;
    const Result<QByteArray> tree = part.object(part.pageTree);
    if (!tree)
        return tree.failure();
    static const QRegularExpression kids(QStringLiteral(R"(/Kids\s*\[([^\]]*)\])"));
    const auto listed = kids.match(QString::fromLatin1(*tree));
    if (!listed.hasMatch())
        return PdfFailures::unknownForm();
    static const QRegularExpression reference(QStringLiteral(R"((\d+)\s+\d+\s+R)"));
    for (auto found = reference.globalMatch(listed.captured(1)); found.hasNext();) {
        const Result<int> page = wholeNumber(found.next().captured(1));
        if (!page)
            return page.failure();
        part.pages.push_back(*page);
    }
    return part;
}

Result<int> renumber(const Part& part, int number) {
    if (number <= 0 || number >= std::ssize(part.renumbered) || part.renumbered[number] == 0)
        return PdfFailures::unknownForm();
    return part.renumbered[static_cast<std::size_t>(number)];
}

// The new number of an object the text names by its old number.
Result<int> renumbered(const Part& part, const QString& number) {
    const Result<int> old = wholeNumber(number);
    if (!old)
        return old.failure();
    return renumber(part, *old);
}

// Where an object's stream data starts ("<< ... >> stream" and one line end), or -1
// when it has none.
qsizetype streamDataStart(const QByteArray& object) {
    static const QByteArray keyword("stream");
    for (qsizetype at = object.indexOf(keyword); at >= 0; at = object.indexOf(keyword, at + 1)) {
        qsizetype before = at;
        while (before > 0 && std::isspace(static_cast<unsigned char>(object[before - 1])))
            --before;
        if (before < 2 || object.mid(before - 2, 2) != ">>")
            continue;
        const qsizetype after = at + keyword.size();
        if (object.mid(after, 2) == "\r\n")
            return after + 2;
        if (object.mid(after, 1) == "\n")
            return after + 1;
    }
    return -1;
}

QString subsetTag(int descriptor) {
    QString tag(QLatin1Char('Q'));
    for (int letter = 0; letter < subsetTagLetters; ++letter, descriptor /= lettersInTag)
        tag += QLatin1Char(static_cast<char>('A' + descriptor % lettersInTag));
    return tag;
}

// An object's text before its stream data with its own number and every number it
// refers to changed (literal strings, which may hold anything, are left alone). A font
// subset's tag is made again from the descriptor's new number, so that no two subsets
// in the joined document share a name.
Result<QByteArray> renumberedText(const QByteArray& head, const Part& part) {
    static const QRegularExpression opening(QStringLiteral(R"(^(\d+)(\s+\d+\s+obj))"));
    static const QRegularExpression referenceOrString(
        QStringLiteral(R"(\((?:[^\\()]|\\.)*\)|(?<![\d.])(\d+)(\s+\d+\s+R)\b)"));
    static const QRegularExpression tag(QStringLiteral(R"((/FontName\s*/)Q[A-Z]{5}\+)"));
    const QString text = QString::fromLatin1(head);
    const auto number = opening.match(text);
    if (!number.hasMatch())
        return PdfFailures::unknownForm();
    const Result<int> own = renumbered(part, number.captured(1));
    if (!own)
        return own.failure();
    QString result = QString::number(*own) + number.captured(2);
    qsizetype copied = number.capturedEnd();
    for (auto found = referenceOrString.globalMatch(text, copied); found.hasNext();) {
        const auto reference = found.next();
        if (reference.capturedStart(1) < 0)
            continue;
        const Result<int> other = renumbered(part, reference.captured(1));
        if (!other)
            return other.failure();
        result += text.mid(copied, reference.capturedStart() - copied);
        result += QString::number(*other) + reference.captured(2);
        copied = reference.capturedEnd();
    }
    result += text.mid(copied);
    result.replace(tag, QStringLiteral("\\1%1+").arg(subsetTag(*own)));
    return result.toLatin1();
}

// The target, and how many bytes have been written to it.
class Output {
public:
    explicit Output(QIODevice& device) : device_(device) {}
    Status write(const QByteArray& bytes) {
        if (device_.write(bytes) != bytes.size())
            return PdfFailures::ofDevice(device_);
        written_ += bytes.size();
        return {};
    }
    // Writes what was read, or fails as the reading did.
    Status write(const Result<QByteArray>& bytes) {
        return bytes ? write(*bytes) : Status(bytes.failure());
    }
    qint64 written() const { return written_; }

private:
    QIODevice& device_;
    qint64 written_ = 0;
};

Status copyObject(const Part& part, int number, Output& output) {
    const qint64 start = part.starts[static_cast<std::size_t>(number)];
    const qint64 length = part.ends[static_cast<std::size_t>(number)] - start;
    Result<QByteArray> text = readAt(*part.file, start, std::min(length, dictionaryBytes));
    if (text && streamDataStart(*text) < 0 && text->size() < length)
        text = part.object(number);
    if (!text)
        return text.failure();
    const qsizetype dataStart = streamDataStart(*text);
    const qsizetype headLength = dataStart < 0 ? text->size() : dataStart;
    Status written = output.write(renumberedText(text->left(headLength), part));
    if (written)
        written = output.write(text->mid(headLength));
    for (qint64 at = start + text->size(); written && at < start + length; at += copyBlockBytes)
        written =
            output.write(readAt(*part.file, at, std::min(copyBlockBytes, start + length - at)));
    return written;
}

// Numbers every part's objects in the joined document: the first part's keep theirs;
// the others follow, without their document information, catalogue and page tree,
// whose places the first part's take.
int renumberParts(std::vector<Part>& parts) {
    const Part& first = parts.front();
    int next = static_cast<int>(first.starts.size());
    for (std::size_t index = 0; index < parts.size(); ++index) {
        Part& part = parts[index];
        part.renumbered.assign(part.starts.size(), 0);
        for (int number = 1; number < std::ssize(part.starts); ++number) {
            if (part.starts[number] < 0)
                continue;
            int& renumbered = part.renumbered[static_cast<std::size_t>(number)];
            if (index == 0)
                renumbered = number;
            else if (number == part.info)
                renumbered = first.info;
            else if (number == part.catalogue)
                renumbered = first.catalogue;
            else if (number == part.pageTree)
                renumbered = first.pageTree;
            else
                renumbered = next++;
        }
    }
    return next;
}

bool copiedAsItIs(const Part& part, std::size_t index, int number) {
    if (part.starts[static_cast<std::size_t>(number)] < 0 || number == part.pageTree)
        return false;
    return index == 0 || (number != part.info && number != part.catalogue);
}

// The first part's page tree listing the joined document's pages.
Result<QByteArray> pageTree(const std::vector<Part>& parts,
                            const std::vector<PdfJoin::PageSource>& pages) {
    QString kids = QStringLiteral("/Kids \n[\n");
    for (const PdfJoin::PageSource& page : pages) {
        const Part& part = parts[page.part];
        const Result<int> number = renumber(part, part.pages[page.page]);
        if (!number)
            return number.failure();
        kids += QStringLiteral("%1 0 R\n").arg(*number);
    }
    kids += QLatin1Char(']');
    static const QRegularExpression oldKids(QStringLiteral(R"(/Kids\s*\[[^\]]*\])"));
    static const QRegularExpression oldCount(QStringLiteral(R"(/Count\s+\d+)"));
    const Result<QByteArray> firstTree = parts.front().object(parts.front().pageTree);
    if (!firstTree)
        return firstTree.failure();
    QString tree = QString::fromLatin1(*firstTree);
    tree.replace(oldKids, kids);
    tree.replace(oldCount, QStringLiteral("/Count %1").arg(pages.size()));
    return tree.toLatin1();
}

Status checkPages(const std::vector<Part>& parts, const std::vector<PdfJoin::PageSource>& pages) {
    std::vector<std::vector<bool>> taken;
    std::size_t total = 0;
    for (const Part& part : parts) {
        taken.emplace_back(part.pages.size(), false);
        total += part.pages.size();
    }
    for (const PdfJoin::PageSource& page : pages) {
        if (page.part >= parts.size() || page.page >= taken[page.part].size() ||
            taken[page.part][page.page])
            return PdfFailures::unknownForm();
        taken[page.part][page.page] = true;
    }
    if (pages.size() != total)
        return PdfFailures::unknownForm();
    return {};
}

// The objects of every part, each renumbered, in the parts' order; the offsets they
// were written at go to their new numbers' places.
Status copyObjects(const std::vector<Part>& parts, Output& output, std::vector<qint64>& offsets) {
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const Part& part = parts[index];
        for (int number = 1; number < std::ssize(part.starts); ++number) {
            if (!copiedAsItIs(part, index, number))
                continue;
            const Result<int> renumbered = renumber(part, number);
            if (!renumbered)
                return renumbered.failure();
            offsets[static_cast<std::size_t>(*renumbered)] = output.written();
            if (const Status copied = copyObject(part, number, output); !copied)
                return copied;
        }
    }
    return {};
}

Status writeJoined(std::vector<Part>& parts, const std::vector<PdfJoin::PageSource>& pages,
                   Output& output) {
    if (const Status checked = checkPages(parts, pages); !checked)
        return checked;
    const int objectCount = renumberParts(parts);
    std::vector<qint64> offsets(static_cast<std::size_t>(objectCount), -1);
    const Part& first = parts.front();
    const qint64 headerLength =
        *std::min_element(first.starts.begin() + 1, first.starts.end(),
                          [](qint64 a, qint64 b) { return a >= 0 && (b < 0 || a < b); });
    if (const Status written = output.write(readAt(*first.file, 0, headerLength)); !written)
        return written;
    if (const Status copied = copyObjects(parts, output, offsets); !copied)
        return copied;
    offsets[static_cast<std::size_t>(first.pageTree)] = output.written();
    if (const Status written = output.write(pageTree(parts, pages)); !written)
        return written;

    const qint64 tableOffset = output.written();
    QByteArray table = QStringLiteral("xref\n0 %1\n").arg(objectCount).toLatin1();
    for (const qint64 offset : offsets) {
        table +=
            offset < 0
                ? QByteArray("0000000000 65535 f \n")
                : QStringLiteral("%1 00000 n \n").arg(offset, 10, 10, QLatin1Char('0')).toLatin1();
        if (table.size() >= tableBlockBytes) {
            if (const Status written = output.write(table); !written)
                return written;
            table.clear();
        }
    }
    static const QRegularExpression size(QStringLiteral(R"(/Size\s+\d+)"));
    QString trailer = QString::fromLatin1(first.trailer);
    trailer.replace(size, QStringLiteral("/Size %1").arg(objectCount));
    static const QRegularExpression tableStart(QStringLiteral(R"(startxref\s+\d+)"));
    trailer.replace(tableStart, QStringLiteral("startxref\n%1").arg(tableOffset));
    return output.write(table + "trailer" + trailer.toLatin1());
}

} // namespace

namespace PdfJoin {

Status join(const std::vector<QFileDevice*>& parts, const std::vector<PageSource>& pages,
            QIODevice& target) {
    if (parts.empty())
        return PdfFailures::unknownForm();
    std::vector<Part> read;
    for (QFileDevice* part : parts) {
        Result<Part> one = readPart(*part);
        if (!one)
            return one.failure();
        read.push_back(std::move(one).value());
    }
    Output output(target);
    return writeJoined(read, pages, output);
}

} // namespace PdfJoin
