#include "platform/PropertyList.h"

#include "platform/FileNames.h"
#include "platform/PropertyListNesting.h"
#include "platform/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <plist/plist.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

namespace {

// Settings files are a few kilobytes; anything near this is not one.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;
// Deeper nesting than this is refused rather than followed recursively.
constexpr int maxNesting = 64;
constexpr qint64 microsecondsPerMillisecond = 1000;

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

struct MallocDeleter {
    void operator()(char* p) const { std::free(p); }
};
using MallocString = std::unique_ptr<char, MallocDeleter>;

// Property-list dates count seconds from the start of 2001, UTC.
QDateTime referenceDate() {
    return QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
}

QString takeString(char* text) {
    MallocString owned(text);
    return owned ? QString::fromUtf8(owned.get()) : QString();
}

// The property-list library keeps text with its length but asserts, ending the
// program, when asked for text holding a zero character (an XML file with a raw zero
// byte, a binary list with U+0000 in UTF-16 text). Its XML writer emits such text
// whole, so a zero byte in the XML form finds every one before any text is read.
bool holdsZeroCharacter(plist_t root) {
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root, &xml, &length);
    const MallocString owned(xml);
    return owned && std::memchr(owned.get(), '\0', length) != nullptr;
}

Failure tooDeep() {
    return Failure{QStringLiteral("plistTooDeepReason"), {QString::number(maxNesting)}};
}

Failure reason(const char* key) {
    return Failure{QString::fromLatin1(key), {}};
}

bool toVariant(plist_t node, int depth, QVariant& out, std::optional<Failure>& failure) {
    if (depth > maxNesting) {
        failure = tooDeep();
        return false;
    }
    switch (plist_get_node_type(node)) {
    case PLIST_DICT: {
        QVariantMap map;
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(node, &iter);
        std::unique_ptr<void, decltype(&std::free)> ownedIter(iter, &std::free);
        for (;;) {
            char* key = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(node, iter, &key, &value);
            const QString name = takeString(key);
            if (!value)
                break;
            QVariant converted;
            if (!toVariant(value, depth + 1, converted, failure))
                return false;
            map.insert(name, converted);
        }
        out = map;
        return true;
    }
    case PLIST_ARRAY: {
        QVariantList list;
        const uint32_t size = plist_array_get_size(node);
        for (uint32_t i = 0; i < size; ++i) {
            QVariant converted;
            if (!toVariant(plist_array_get_item(node, i), depth + 1, converted, failure))
                return false;
            list.append(converted);
        }
        out = list;
        return true;
    }
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        out = value != 0;
        return true;
    }
    case PLIST_UINT: {
        // The library keeps every integer as 64 unsigned bits; negative numbers
        // come back in two's complement.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        out = static_cast<qint64>(value);
        return true;
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        out = value;
        return true;
    }
    case PLIST_STRING: {
        char* value = nullptr;
        plist_get_string_val(node, &value);
        out = takeString(value);
        return true;
    }
    case PLIST_DATA: {
        char* value = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &value, &length);
        MallocString owned(value);
        out = QByteArray(owned.get(), static_cast<qsizetype>(length));
        return true;
    }
    case PLIST_DATE: {
        int32_t seconds = 0;
        int32_t microseconds = 0;
        plist_get_date_val(node, &seconds, &microseconds);
        // The microseconds may carry the date past the whole seconds a list can hold;
        // such a date is taken as the nearest one it can, so that it is written again.
        constexpr qint64 millisecondsPerSecond = 1000;
        const qint64 milliseconds = std::clamp(
            qint64{seconds} * millisecondsPerSecond + microseconds / microsecondsPerMillisecond,
            qint64{std::numeric_limits<int32_t>::min()} * millisecondsPerSecond,
            qint64{std::numeric_limits<int32_t>::max()} * millisecondsPerSecond);
        out = referenceDate().addMSecs(milliseconds);
        return true;
    }
    default:
        failure = reason("plistUnknownKindReason");
        return false;
    }
}

plist_t fromVariant(const QVariant& value, int depth, std::optional<Failure>& failure,
                    const QString& where);

plist_t fromMap(const QVariantMap& map, int depth, std::optional<Failure>& failure,
                const QString& where) {
    PlistPtr dict(plist_new_dict());
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString path = where.isEmpty() ? it.key() : where + QLatin1Char('/') + it.key();
        plist_t item = fromVariant(it.value(), depth + 1, failure, path);
        if (!item)
            return nullptr;
        plist_dict_set_item(dict.get(), it.key().toUtf8().constData(), item);
    }
    return dict.release();
}

plist_t fromVariant(const QVariant& value, int depth, std::optional<Failure>& failure,
                    const QString& where) {
    if (depth > maxNesting) {
        failure = tooDeep();
        return nullptr;
    }
    switch (value.typeId()) {
    case QMetaType::QVariantMap:
        return fromMap(value.toMap(), depth, failure, where);
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        PlistPtr array(plist_new_array());
        const QVariantList list = value.toList();
        for (qsizetype i = 0; i < list.size(); ++i) {
            plist_t item =
                fromVariant(list[i], depth + 1, failure, where + QStringLiteral("[%1]").arg(i));
            if (!item)
                return nullptr;
            plist_array_append_item(array.get(), item);
        }
        return array.release();
    }
    case QMetaType::QString:
        return plist_new_string(value.toString().toUtf8().constData());
    case QMetaType::Bool:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return plist_new_uint(static_cast<uint64_t>(value.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
        return plist_new_uint(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return plist_new_real(value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return plist_new_data(bytes.constData(), static_cast<uint64_t>(bytes.size()));
    }
    case QMetaType::QDateTime: {
        const qint64 ms = referenceDate().msecsTo(value.toDateTime());
        const qint64 seconds = ms / 1000;
        if (seconds < std::numeric_limits<int32_t>::min() ||
            seconds > std::numeric_limits<int32_t>::max()) {
            failure = Failure{QStringLiteral("plistDateOutOfRangeReason"), {where}};
            return nullptr;
        }
        return plist_new_date(static_cast<int32_t>(seconds),
                              static_cast<int32_t>((ms % 1000) * microsecondsPerMillisecond));
    }
    default:
        failure = Failure{QStringLiteral("plistNoFormReason"),
                          {where, QString::fromLatin1(value.typeName())}};
        return nullptr;
    }
}

} // namespace

namespace PropertyList {

Result<QVariant> readData(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return reason("plistEmptyReason");
    if (bytes.size() > maxFileSize)
        return reason("plistTooLargeReason");
    // One level more than the conversion below allows, so that it decides the limit.
    if (!PropertyListNesting::withinDepth(bytes, maxNesting + 1))
        return tooDeep();
    plist_t root = nullptr;
    plist_from_memory(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
    PlistPtr owned(root);
    if (!root)
        return reason("plistNotListReason");
    if (holdsZeroCharacter(root))
        return reason("plistZeroCharacterReason");
    QVariant value;
    std::optional<Failure> failure;
    if (!toVariant(root, 0, value, failure))
        return *failure;
    return value;
}

Result<QVariant> readFile(const QString& path) {
    const auto notRead = [&path](const Failure& why) {
        return Failure{QStringLiteral("fileNotReadMsg"), {path, why.text()}};
    };
    QFile file(FileNames::plainFilePath(path));
    if (FileNames::fileInfo(path).isDir())
        return notRead(reason("fileIsFolderReason"));
    if (!file.open(QIODevice::ReadOnly))
        return notRead(systemFailure(file.errorString()));
    if (file.size() > maxFileSize)
        return notRead(reason("plistTooLargeReason"));
    Result<QVariant> read = readData(file.readAll());
    if (!read)
        return notRead(read.failure());
    return read;
}

Result<QByteArray> toXml(const QVariantMap& map) {
    std::optional<Failure> failure;
    PlistPtr root(fromMap(map, 0, failure, QString()));
    if (!root)
        return *failure;
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    MallocString owned(xml);
    if (!xml)
        return reason("plistNotFormattedReason");
    return QByteArray(xml, static_cast<qsizetype>(length));
}

Status writeXmlFile(const QString& path, const QVariantMap& map) {
    const Result<QByteArray> xml = toXml(map);
    const Status written = xml ? WholeFileWriter::write(path, *xml) : Status(xml.failure());
    if (!written)
        return Failure{QStringLiteral("fileNotWrittenMsg"), {path, written.failure().text()}};
    return {};
}

bool ensureParentFolder(const QString& path) {
    const QString folder = FileNames::fileInfo(path).absolutePath();
    return QDir().mkpath(folder) && QFileInfo(folder).isDir();
}

} // namespace PropertyList
