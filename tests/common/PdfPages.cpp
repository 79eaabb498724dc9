#include "common/PdfPages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QByteArray runPoppler(const QString& tool, const QStringList& arguments, PdfPages& pages) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    pages.complaints += process.readAllStandardError();
    return process.readAllStandardOutput();
}

} // namespace

QList<QRectF> writtenPageBoxes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression box(
        QStringLiteral(R"(/MediaBox \[([\d.]+) ([\d.]+) ([\d.]+) ([\d.]+) *\])"));
    QList<QRectF> boxes;
    for (const QRegularExpressionMatch& found :
         box.globalMatch(QString::fromLatin1(file.readAll())))
        boxes << QRectF(QPointF(found.captured(1).toDouble(), found.captured(2).toDouble()),
                        QPointF(found.captured(3).toDouble(), found.captured(4).toDouble()));
    return boxes;
}

std::optional<PdfPages> readPdfPages(const QString& path) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        return std::nullopt;
    PdfPages pages;
    const QTemporaryDir folder;
    runPoppler(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"), path,
                folder.filePath(QStringLiteral("page"))},
               pages);
    // The page files' numbers are padded to the same width.
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files, QDir::Name)) {
        QFile page(folder.filePath(name));
        if (page.open(QIODevice::ReadOnly))
            pages.drawn.append(page.readAll());
    }
    const QString info =
        QString::fromUtf8(runPoppler(QStringLiteral("pdfinfo"),
                                     {QStringLiteral("-f"), QStringLiteral("1"),
                                      QStringLiteral("-l"), QStringLiteral("100000"), path},
                                     pages));
    static const QRegularExpression size(QStringLiteral(R"(^Page +\d+ size: .*$)"),
                                         QRegularExpression::MultilineOption);
    for (auto found = size.globalMatch(info); found.hasNext();)
        pages.sizes.append(found.next().captured());
    pages.text = QString::fromUtf8(
        runPoppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}, pages));
    return pages;
}
