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

// The join stops by throwing the Failure that says why; it is caught where it began.
[[noreturn]] void failUnknownForm() {
    throw PdfFailures::unknownForm();
}

QByteArray readAt(QFileDevice& file, qint64 offset, qint64 length) {
    if (!file.seek(offset))
        throw PdfFailures::ofDevice(file);
    QByteArray bytes = file.read(length);
    if (bytes.size() != length)
        throw PdfFailures::ofDevice(file);
    return bytes;
}

int wholeNumber(const QString& text) {
    bool number = false;
    const int value = text.toInt(&number);
    if (!number || value < 0)
        failUnknownForm();
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

    QByteArray object(int number) const {
        if (number <= 0 || number >= std::ssize(starts) || starts[number] < 0)
            failUnknownForm();
        return readAt(*file, starts[number], ends[number] - starts[number]);
    }
};

int referenceAfter(const QString& text, const QString& key) {
    const QRegularExpression reference(QRegularExpression::escape(key) +
                                       QStringLiteral(R"(\s+(\d+)\s+\d+\s+R)"));
    const auto found = reference.match(text);
    if (!found.hasMatch())
        failUnknownForm();
    return wholeNumber(found.captured(1));
}

void readCrossReferences(Part& part) {
    QFileDevice& file = *part.file;
    const qint64 size = file.size();
    const qint64 tailLength = std::min(size, tailBytes);
    static const QRegularExpression tableStart(QStringLiteral(R"(startxref\s+(\d+)\s+%%EOF\s*$)"));
    const auto start =
        tableStart.match(QString::fromLatin1(readAt(file, size - tailLength, tailLength)));
    if (!start.hasMatch())
        failUnknownForm();
    const qint64 tableOffset = start.captured(1).toLongLong();
    if (tableOffset <= 0 || tableOffset >= size)
        failUnknownForm();
    const QByteArray table = readAt(file, tableOffset, size - tableOffset);
    Words words(table);
    if (words.next() != "xref")
        failUnknownForm();
    for (QByteArray word = words.next(); word != "trailer"; word = words.next()) {
        const int first = wholeNumber(QString::fromLatin1(word));
        const int count = wholeNumber(QString::fromLatin1(words.next()));
        if (count > table.size())
            failUnknownForm();
        if (std::ssize(part.starts) < first + count)
            part.starts.resize(static_cast<std::size_t>(first + count), -1);
        for (int number = first; number < first + count; ++number) {
            const qint64 offset = words.next().toLongLong();
            words.next();
            const QByteArray kind = words.next();
            if (kind == "n" && offset > 0 && offset < tableOffset)
                part.starts[static_cast<std::size_t>(number)] = offset;
            else if (kind != "f")
                failUnknownForm();
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
}

Part readPart(QFileDevice& file) {
    Part part;
    part.file = &file;
    readCrossReferences(part);
    const QString trailer = QString::fromLatin1(part.trailer);
    part.info = referenceAfter(trailer, QStringLiteral("/Info"));
    part.catalogue = referenceAfter(trailer, QStringLiteral("/Root"));
    part.pageTree =
        referenceAfter(QString::fromLatin1(part.object(part.catalogue)), QStringLiteral("/Pages"));
    static const QRegularExpression kids(QStringLiteral(R"(/Kids\s*\[([^\]]*)\])"));
    const auto listed = kids.match(QString::fromLatin1(part.object(part.pageTree)));
    if (!listed.hasMatch())
        failUnknownForm();
    static const QRegularExpression reference(QStringLiteral(R"((\d+)\s+\d+\s+R)"));
    for (auto found = reference.globalMatch(listed.captured(1)); found.hasNext();)
        part.pages.push_back(wholeNumber(found.next().captured(1)));
    return part;
}

int renumber(const Part& part, int number) {
    if (number <= 0 || number >= std::ssize(part.renumbered) || part.renumbered[number] == 0)
        failUnknownForm();
    return part.renumbered[static_cast<std::size_t>(number)];
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
QByteArray renumberedText(const QByteArray& head, const Part& part) {
    static const QRegularExpression opening(QStringLiteral(R"(^(\d+)(\s+\d+\s+obj))"));
    static const QRegularExpression referenceOrString(
        QStringLiteral(R"(\((?:[^\\()]|\\.)*\)|(?<![\d.])(\d+)(\s+\d+\s+R)\b)"));
    static const QRegularExpression tag(QStringLiteral(R"((/FontName\s*/)Q[A-Z]{5}\+)"));
    const QString text = QString::fromLatin1(head);
    const auto number = opening.match(text);
    if (!number.hasMatch())
        failUnknownForm();
    const int renumbered = renumber(part, wholeNumber(number.captured(1)));
    QString result = QString::number(renumbered) + number.captured(2);
    qsizetype copied = number.capturedEnd();
    for (auto found = referenceOrString.globalMatch(text, copied); found.hasNext();) {
        const auto reference = found.next();
        if (reference.capturedStart(1) < 0)
            continue;
        result += text.mid(copied, reference.capturedStart() - copied);
        result += QString::number(renumber(part, wholeNumber(reference.captured(1)))) +
                  reference.captured(2);
        copied = reference.capturedEnd();
    }
    result += text.mid(copied);
    result.replace(tag, QStringLiteral("\\1%1+").arg(subsetTag(renumbered)));
    return result.toLatin1();
}

// The target, and how many bytes have been written to it.
class Output {
public:
    explicit Output(QIODevice& device) : device_(device) {}
    void write(const QByteArray& bytes) {
        if (device_.write(bytes) != bytes.size())
            throw PdfFailures::ofDevice(device_);
        written_ += bytes.size();
    }
    qint64 written() const { return written_; }

private:
    QIODevice& device_;
    qint64 written_ = 0;
};

void copyObject(const Part& part, int number, Output& output) {
    const qint64 start = part.starts[static_cast<std::size_t>(number)];
    const qint64 length = part.ends[static_cast<std::size_t>(number)] - start;
    QByteArray text = readAt(*part.file, start, std::min(length, dictionaryBytes));
    qsizetype dataStart = streamDataStart(text);
    if (dataStart < 0 && text.size() < length) {
        text = part.object(number);
        dataStart = streamDataStart(text);
    }
    const qsizetype headLength = dataStart < 0 ? text.size() : dataStart;
    output.write(renumberedText(text.left(headLength), part));
    output.write(text.mid(headLength));
    for (qint64 at = start + text.size(); at < start + length; at += copyBlockBytes)
        output.write(readAt(*part.file, at, std::min(copyBlockBytes, start + length - at)));
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
QByteArray pageTree(const std::vector<Part>& parts, const std::vector<PdfJoin::PageSource>& pages) {
    QString kids = QStringLiteral("/Kids \n[\n");
    for (const PdfJoin::PageSource& page : pages) {
        const Part& part = parts[page.part];
        kids += QStringLiteral("%1 0 R\n").arg(renumber(part, part.pages[page.page]));
    }
    kids += QLatin1Char(']');
    static const QRegularExpression oldKids(QStringLiteral(R"(/Kids\s*\[[^\]]*\])"));
    static const QRegularExpression oldCount(QStringLiteral(R"(/Count\s+\d+)"));
    QString tree = QString::fromLatin1(parts.front().object(parts.front().pageTree));
    tree.replace(oldKids, kids);
    tree.replace(oldCount, QStringLiteral("/Count %1").arg(pages.size()));
    return tree.toLatin1();
}

void checkPages(const std::vector<Part>& parts, const std::vector<PdfJoin::PageSource>& pages) {
    std::vector<std::vector<bool>> taken;
    std::size_t total = 0;
    for (const Part& part : parts) {
        taken.emplace_back(part.pages.size(), false);
        total += part.pages.size();
    }
    for (const PdfJoin::PageSource& page : pages) {
        if (page.part >= parts.size() || page.page >= taken[page.part].size() ||
            taken[page.part][page.page])
            failUnknownForm();
        taken[page.part][page.page] = true;
    }
    if (pages.size() != total)
        failUnknownForm();
}

void writeJoined(std::vector<Part>& parts, const std::vector<PdfJoin::PageSource>& pages,
                 Output& output) {
    checkPages(parts, pages);
    const int objectCount = renumberParts(parts);
    std::vector<qint64> offsets(static_cast<std::size_t>(objectCount), -1);
    const Part& first = parts.front();
    const qint64 headerLength =
        *std::min_element(first.starts.begin() + 1, first.starts.end(),
                          [](qint64 a, qint64 b) { return a >= 0 && (b < 0 || a < b); });
    output.write(readAt(*first.file, 0, headerLength));
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const Part& part = parts[index];
        for (int number = 1; number < std::ssize(part.starts); ++number) {
            if (!copiedAsItIs(part, index, number))
                continue;
            offsets[static_cast<std::size_t>(renumber(part, number))] = output.written();
            copyObject(part, number, output);
        }
    }
    offsets[static_cast<std::size_t>(first.pageTree)] = output.written();
    output.write(pageTree(parts, pages));

    const qint64 tableOffset = output.written();
    QByteArray table = QStringLiteral("xref\n0 %1\n").arg(objectCount).toLatin1();
    for (const qint64 offset : offsets) {
        table +=
            offset < 0
                ? QByteArray("0000000000 65535 f \n")
                : QStringLiteral("%1 00000 n \n").arg(offset, 10, 10, QLatin1Char('0')).toLatin1();
        if (table.size() >= tableBlockBytes) {
            output.write(table);
            table.clear();
        }
    }
    static const QRegularExpression size(QStringLiteral(R"(/Size\s+\d+)"));
    QString trailer = QString::fromLatin1(first.trailer);
    trailer.replace(size, QStringLiteral("/Size %1").arg(objectCount));
    static const QRegularExpression tableStart(QStringLiteral(R"(startxref\s+\d+)"));
    trailer.replace(tableStart, QStringLiteral("startxref\n%1").arg(tableOffset));
    output.write(table + "trailer" + trailer.toLatin1());
}

} // namespace

namespace PdfJoin {

Status join(const std::vector<QFileDevice*>& parts, const std::vector<PageSource>& pages,
            QIODevice& target) {
    if (parts.empty())
        return PdfFailures::unknownForm();
    try {
        std::vector<Part> read;
        for (QFileDevice* part : parts)
            read.push_back(readPart(*part));
        Output output(target);
        writeJoined(read, pages, output);
    } catch (const Failure& failure) {
        return failure;
    }
    return {};
}

} // namespace PdfJoin
