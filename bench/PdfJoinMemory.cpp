// Peak memory of joining PDF parts made by Qt's PDF writer into one document, with
// the project's own join (pdf/PdfJoin) and with qpdf, and of qpdf reading and writing
// back every object of one document (what rewriting its character maps through qpdf
// costs). One process per measurement; prints one line:
//   <peak resident KiB> <resident KiB before the work>
// Usage: bench_pdf_join own OUT PAGES PART...   (each part holds PAGES pages)
//        bench_pdf_join qpdf OUT PART...
//        bench_pdf_join qpdf-copy OUT IN

#include "bench/ProcessMemory.h"
#include "pdf/PdfJoin.h"

#include <QCoreApplication>
#include <QFile>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The parts' pages in order, part after part, as PdfJoin joins them.
bool joinOwn(const QString& output, std::size_t pagesPerPart, const QStringList& parts) {
    std::vector<std::unique_ptr<QFile>> files;
    std::vector<QFileDevice*> devices;
    std::vector<PdfJoin::PageSource> pages;
    for (const QString& path : parts) {
        files.push_back(std::make_unique<QFile>(path));
        if (!files.back()->open(QIODevice::ReadOnly))
            return false;
        devices.push_back(files.back().get());
    }
    for (std::size_t part = 0; part < devices.size(); ++part)
        for (std::size_t page = 0; page < pagesPerPart; ++page)
            pages.push_back({part, page});
    QFile target(output);
    return target.open(QIODevice::WriteOnly) && PdfJoin::join(devices, pages, target).ok();
}

void joinWithQpdf(const QString& output, const QStringList& parts) {
    QPDF joined;
    joined.emptyPDF();
    QPDFPageDocumentHelper pages(joined);
    // The parts must stay open until the joined document is written.
    std::vector<std::unique_ptr<QPDF>> inputs;
    for (const QString& path : parts) {
        inputs.push_back(std::make_unique<QPDF>());
        inputs.back()->processFile(QFile::encodeName(path).constData());
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(*inputs.back()).getAllPages())
            pages.addPage(page, false);
    }
    QPDFWriter writer(joined, QFile::encodeName(output).constData());
    writer.write();
}

void copyWithQpdf(const QString& output, const QString& input) {
    QPDF document;
    document.processFile(QFile::encodeName(input).constData());
    for (QPDFObjectHandle object : document.getAllObjects())
        object.isDictionary();
    QPDFWriter writer(document, QFile::encodeName(output).constData());
    writer.write();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.size() < 3) {
        std::fputs("usage: bench_pdf_join own OUT PAGES PART... | qpdf OUT PART... | "
                   "qpdf-copy OUT IN\n",
                   stderr);
        return 2;
    }
    const QString mode = arguments[0];
    const QString output = arguments[1];
    const QStringList inputs = arguments.mid(2);
    const long before = ProcessMemory::residentKib();
    try {
        if (mode == QStringLiteral("own")) {
            if (!joinOwn(output, inputs.front().toULong(), inputs.mid(1))) {
                std::fputs("bench_pdf_join: the parts could not be joined\n", stderr);
                return 1;
            }
        } else if (mode == QStringLiteral("qpdf")) {
            joinWithQpdf(output, inputs);
        } else if (mode == QStringLiteral("qpdf-copy")) {
            copyWithQpdf(output, inputs.front());
        } else {
            return 2;
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_pdf_join: %s\n", failure.what());
        return 1;
    }
    std::printf("%ld %ld\n", ProcessMemory::peakResidentKib(), before);
    return 0;
}
