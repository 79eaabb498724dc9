#include "platform/FileNames.h"

#include <QFile>

namespace FileNames {

namespace {

// The stand-in for byte b (0x80 to 0xFF) is standInBase + b.
constexpr char16_t standInBase = 0xDC00;
constexpr char16_t firstStandIn = standInBase + 0x80;
constexpr char16_t lastStandIn = standInBase + 0xFF;

// A low surrogate in the stand-in range is a stand-in unless it completes a pair.
bool isStandInAt(const QString& name, qsizetype i) {
    const char16_t c = name.at(i).unicode();
    return c >= firstStandIn && c <= lastStandIn && (i == 0 || !name.at(i - 1).isHighSurrogate());
}

// The length of the valid UTF-8 sequence at bytes[0], or 0 when it is not one.
qsizetype utf8SequenceLength(const unsigned char* bytes, qsizetype available) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (available < length || bytes[1] < low || bytes[1] > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (bytes[i] < 0x80 || bytes[i] > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

QString fromNative(const QByteArray& name) {
    const QString decoded = QFile::decodeName(name);
    if (QFile::encodeName(decoded) == name)
        return decoded;
    // Not valid in the file system's encoding (UTF-8 here): keep the bytes that are.
    QString text;
    const auto* bytes = reinterpret_cast<const unsigned char*>(name.constData());
    qsizetype at = 0;
    while (at < name.size()) {
        const qsizetype length = utf8SequenceLength(bytes + at, name.size() - at);
        if (length == 0) {
            text.append(QChar(static_cast<char16_t>(standInBase + bytes[at])));
            ++at;
        } else {
            text.append(QString::fromUtf8(name.constData() + at, length));
            at += length;
        }
    }
    return text;
}

QByteArray toNative(const QString& name) {
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isStandInAt(name, i))
            continue;
        bytes.append(QFile::encodeName(name.mid(runStart, i - runStart)));
        if (i < name.size())
            bytes.append(static_cast<char>(name.at(i).unicode() - standInBase));
        runStart = i + 1;
    }
    return bytes;
}

QString plainFilePath(const QString& path) {
    return path.startsWith(QLatin1Char(':')) ? QStringLiteral("./") + path : path;
}

QFileInfo fileInfo(const QString& path) {
    return QFileInfo(plainFilePath(path));
}

} // namespace FileNames
