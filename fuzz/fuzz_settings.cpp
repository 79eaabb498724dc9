// Feeds arbitrary bytes to the settings-file loader as the settings file: the
// property-list reader, the type checks of every entry and the saves the loader
// makes. Whatever the file held, the loader must leave a settings file that reads
// back with the entries it holds in memory.

#include "app/Settings.h"
#include "photo/SettingsFile.h"
#include "platform/PropertyList.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <tuple>

namespace {

void ignoreMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

const QString& settingsPath() {
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("Documents/kestavolin.plist"));
    return path;
}

} // namespace

// The font catalogue's first query makes fontconfig build its configuration, which
// it keeps for the life of the process without a pointer the leak checker can see.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(ignoreMessages);
    PropertyList::ensureParentFolder(settingsPath());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::ignore = PropertyList::readData(bytes);

    QFile file(settingsPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    Settings settings(settingsPath());
    settings.load();

    // The loader saves what it took over; the file must read back as a dictionary
    // holding the application's own entries unchanged.
    const Result<QVariant> saved = PropertyList::readFile(settingsPath());
    if (!saved)
        std::abort();
    const QVariantMap stored = saved->toMap();
    for (const QString& key :
         {SettingsFile::photographerKey, SettingsFile::lensListKey, SettingsFile::exifItemKey,
          SettingsFile::fontNameKey, SettingsFile::mediaTypeNameKey}) {
        if (stored.value(key) != settings.preferences().value(key))
            std::abort();
    }
    return 0;
}
