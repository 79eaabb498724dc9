#include "PrinterStream.h"

#include <algorithm>

namespace {

constexpr char escape = 0x1b;

// PackBits: a count byte n, then n + 1 literal bytes (n >= 0) or one byte repeated
// 1 - n times (n < 0).
bool unpackBits(const QByteArray& packed, QByteArray& out) {
    for (qsizetype i = 0; i < packed.size();) {
        const auto count = static_cast<signed char>(packed[i++]);
        if (count >= 0) {
            if (i + count + 1 > packed.size())
                return false;
            out += packed.mid(i, count + 1);
            i += count + 1;
        } else if (count != -128) {
            if (i >= packed.size())
                return false;
            out += QByteArray(1 - count, packed[i++]);
        }
    }
    return true;
}

std::vector<bool> dotsOf(const QByteArray& bytes) {
    std::vector<bool> dots;
    dots.reserve(bytes.size() * 8);
    for (const char byte : bytes) {
        for (int bit = 7; bit >= 0; --bit)
            dots.push_back((static_cast<unsigned char>(byte) >> bit) & 1);
    }
    return dots;
}

// What both printers' decoders share: the stream, the place in it, the page being
// decoded and the pages decoded, and the error that stops them.
class StreamDecoder {
public:
    explicit StreamDecoder(const QByteArray& stream) : data_(stream) {}
    virtual ~StreamDecoder() = default;

    PrinterStream run() {
        while (pos_ < data_.size() && result_.error.isEmpty())
            step();
        if (result_.error.isEmpty() && !page_.lines.empty())
            result_.error = QStringLiteral("raster lines after the last page");
        return result_;
    }

protected:
    virtual void step() = 0;

    unsigned char byte(qsizetype at) const { return static_cast<unsigned char>(data_[at]); }
    bool have(qsizetype count) {
        if (pos_ + count <= data_.size())
            return true;
        fail(QStringLiteral("stream ends inside a command"));
        return false;
    }
    void fail(const QString& what) {
        result_.error = QStringLiteral("%1 at byte %2").arg(what).arg(pos_);
    }
    void endPage() {
        result_.pages.push_back(page_);
        page_.lines.clear();
    }

    const QByteArray& data_;
    qsizetype pos_ = 0;
    PrintedPage page_;
    PrinterStream result_;
};

// The P-touch raster command set.
class PtouchDecoder : public StreamDecoder {
public:
    using StreamDecoder::StreamDecoder;

private:
    void step() override {
        const unsigned char command = byte(pos_);
        switch (command) {
        case 0x00: // the invalidate run that starts a job
            ++pos_;
            return;
        case escape:
            escapeCommand();
            return;
        case 'M':
            if (have(2)) {
                compressed_ = byte(pos_ + 1) == 0x02;
                pos_ += 2;
            }
            return;
        case 'G':
            rasterLine();
            return;
        case 'g':
            rawLine();
            return;
        case 'Z':
            page_.lines.emplace_back();
            ++pos_;
            return;
        case 0x0c: // print, more pages follow
        case 0x1a: // print and feed: the last page
            endPage();
            ++pos_;
            return;
        default:
            fail(QStringLiteral("unknown command 0x%1").arg(command, 2, 16, QLatin1Char('0')));
        }
    }

    void escapeCommand() {
        if (!have(2))
            return;
        if (byte(pos_ + 1) == '@') {
            pos_ += 2;
            return;
        }
        if (byte(pos_ + 1) != 'i' || !have(3)) {
            fail(QStringLiteral("unknown escape command"));
            return;
        }
        const unsigned char command = byte(pos_ + 2);
        switch (command) {
        case 'S': // status request
            pos_ += 3;
            return;
        case 'a': // command mode
        case 'A': // cut every n labels
        case 'R':
            pos_ += 4;
            return;
        case 'M':
            if (have(4)) {
                page_.autoCut = byte(pos_ + 3) & 0x40;
                page_.mirrored = byte(pos_ + 3) & 0x80;
            }
            pos_ += 4;
            return;
        case 'K':
            if (have(4))
                page_.chainPrinting = !(byte(pos_ + 3) & 0x08);
            pos_ += 4;
            return;
        case 'd':
            if (have(5))
                page_.marginDots = byte(pos_ + 3) | byte(pos_ + 4) << 8;
            pos_ += 5;
            return;
        case 'z':
            if (have(13)) {
                page_.mediaType = byte(pos_ + 4);
                page_.widthMillimetres = byte(pos_ + 5);
                page_.lengthMillimetres = byte(pos_ + 6);
                page_.declaredLines = byte(pos_ + 7) | byte(pos_ + 8) << 8 | byte(pos_ + 9) << 16 |
                                      std::uint32_t(byte(pos_ + 10)) << 24;
            }
            pos_ += 13;
            return;
        default:
            fail(
                QStringLiteral("unknown command ESC i 0x%1").arg(command, 2, 16, QLatin1Char('0')));
        }
    }

    // G n1 n2: a line of n1 + 256 n2 bytes, PackBits-compressed when so set.
    void rasterLine() {
        if (!have(3))
            return;
        const int length = byte(pos_ + 1) | byte(pos_ + 2) << 8;
        if (!have(3 + length))
            return;
        const QByteArray bytes = data_.mid(pos_ + 3, length);
        QByteArray line = bytes;
        if (compressed_) {
            line.clear();
            if (!unpackBits(bytes, line)) {
                fail(QStringLiteral("broken PackBits line"));
                return;
            }
        }
        page_.lines.push_back(dotsOf(line));
        pos_ += 3 + length;
    }

    // g 0x00 n: a line of n raw bytes.
    void rawLine() {
        if (!have(3))
            return;
        const int length = byte(pos_ + 2);
        if (!have(3 + length))
            return;
        page_.lines.push_back(dotsOf(data_.mid(pos_ + 3, length)));
        pos_ += 3 + length;
    }

    bool compressed_ = false;
};

// The LabelWriter command set: ESC commands of fixed lengths, SYN and ETB lines.
class LabelWriterDecoder : public StreamDecoder {
public:
    explicit LabelWriterDecoder(const QByteArray& stream) : StreamDecoder(stream) {
        page_.reversedRows = false;
    }

private:
    static constexpr char syn = 0x16;
    static constexpr char etb = 0x17;

    // A line starts with the dot tab's blank bytes; a fed line is blank throughout.
    std::vector<bool> dotTab() const { return std::vector<bool>(std::size_t(dotTab_) * 8); }
    std::vector<bool> blankLine() const {
        return std::vector<bool>(std::size_t(dotTab_ + bytesPerLine_) * 8);
    }

    void step() override {
        switch (data_[pos_]) {
        case escape:
            escapeCommand();
            return;
        case syn:
            rawLine();
            return;
        case etb:
            compressedLine();
            return;
        case 0x0c: // form feed: the end of a label
            endPage();
            ++pos_;
            return;
        default:
            fail(QStringLiteral("unknown command 0x%1").arg(byte(pos_), 2, 16, QLatin1Char('0')));
        }
    }

    void escapeCommand() {
        if (!have(2))
            return;
        const char command = data_[pos_ + 1];
        switch (command) {
        case escape: // the run of ESC bytes that flushes a command in progress
            ++pos_;
            return;
        case '@': // reset
        case '*': // defaults
        case 'A': // status
        case 'c': // densities
        case 'd':
        case 'e':
        case 'g':
        case 'h': // text and barcode quality
        case 'i':
            pos_ += 2;
            return;
        case 'E': // form feed
        case 'G': // short form feed
            endPage();
            pos_ += 2;
            return;
        case 'B':
            if (have(3))
                dotTab_ = byte(pos_ + 2);
            pos_ += 3;
            return;
        case 'D':
            if (have(3))
                bytesPerLine_ = byte(pos_ + 2);
            pos_ += 3;
            return;
        case 'q': // roll: an ASCII digit
            pos_ += 3;
            return;
        case 'L':
            if (have(4))
                page_.declaredLines = std::uint32_t(byte(pos_ + 2)) << 8 | byte(pos_ + 3);
            pos_ += 4;
            return;
        case 'Q': // top of form
            pos_ += 4;
            return;
        case 'f': // feed: ESC f 1 n skips n lines
            if (have(4)) {
                for (int line = 0; line < byte(pos_ + 3); ++line)
                    page_.lines.push_back(blankLine());
            }
            pos_ += 4;
            return;
        default:
            fail(QStringLiteral("unknown command ESC %1").arg(QLatin1Char(command)));
        }
    }

    void rawLine() {
        if (!have(1 + bytesPerLine_))
            return;
        std::vector<bool> line = dotTab();
        const std::vector<bool> dots = dotsOf(data_.mid(pos_ + 1, bytesPerLine_));
        line.insert(line.end(), dots.begin(), dots.end());
        page_.lines.push_back(std::move(line));
        pos_ += 1 + bytesPerLine_;
    }

    // Each byte gives a run: bit 7 black or white, bits 0 to 6 the run's length less one;
    // the runs fill the ESC D length exactly.
    void compressedLine() {
        std::vector<bool> line = dotTab();
        const std::size_t wanted = line.size() + std::size_t(bytesPerLine_) * 8;
        qsizetype at = pos_ + 1;
        while (line.size() < wanted) {
            if (at >= data_.size()) {
                fail(QStringLiteral("stream ends inside a compressed line"));
                return;
            }
            const unsigned char run = byte(at++);
            line.insert(line.end(), std::size_t(run & 0x7f) + 1, (run & 0x80) != 0);
        }
        if (line.size() != wanted) {
            fail(QStringLiteral("compressed line longer than the ESC D length"));
            return;
        }
        page_.lines.push_back(std::move(line));
        pos_ = at;
    }

    int bytesPerLine_ = 0;
    int dotTab_ = 0;
};

} // namespace

PrinterStream decodePtouchStream(const QByteArray& stream) {
    return PtouchDecoder(stream).run();
}

PrinterStream decodeLabelWriterStream(const QByteArray& stream) {
    return LabelWriterDecoder(stream).run();
}

QImage pageImage(const PrintedPage& page) {
    std::size_t width = 0;
    for (const auto& line : page.lines)
        width = std::max(width, line.size());
    QImage image(static_cast<int>(width), static_cast<int>(page.lines.size()),
                 QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < image.height(); ++y) {
        const auto& line = page.lines[y];
        for (std::size_t dot = 0; dot < line.size(); ++dot) {
            if (line[dot])
                image.setPixel(static_cast<int>(page.reversedRows ? width - 1 - dot : dot), y,
                               qRgb(0, 0, 0));
        }
    }
    return image;
}
