// render's program starts without qpdf: the character maps of a PDF that needs them
// rewritten (see PdfToUnicode.h) are rewritten by kestavolin-cli-pdf-text-maps, which
// lies beside it and links qpdf. It reopens the two files through this process's
// descriptors and tells why it failed on its standard error.

#include "HandOver.h"

#include "pdf/PdfToUnicode.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDevice>
#include <QProcess>

namespace {

QString openedFile(const QFileDevice& file) {
    return QStringLiteral("/proc/%1/fd/%2")
        .arg(QCoreApplication::applicationPid())
        .arg(file.handle());
}

} // namespace

QString copyWithIdeographMaps(QFileDevice& source, QFileDevice& target) {
    if (!source.flush() || !target.flush())
        return source.errorString();
    char path[PATH_MAX];
    if (!programBeside(KESTAVOLIN_PDF_TEXT_MAPS_NAME, path))
        return QStringLiteral("the path of %1 is too long").arg(KESTAVOLIN_PDF_TEXT_MAPS_NAME);
    const QString program = QFile::decodeName(path);
    QProcess helper;
    helper.start(program, {openedFile(source), openedFile(target)});
    if (!helper.waitForFinished(-1) || helper.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("%1: %2").arg(program, helper.errorString());
    if (helper.exitCode() != 0)
        return QString::fromUtf8(helper.readAllStandardError()).trimmed();
    return QString();
}
