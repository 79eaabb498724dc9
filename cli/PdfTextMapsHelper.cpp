// kestavolin-cli-pdf-text-maps SOURCE TARGET: writes the PDF file SOURCE to TARGET
// with its character maps rewritten through qpdf (see PdfToUnicode.h), for render's
// program, which does not load qpdf itself. Why it failed goes to standard error.

#include "pdf/PdfToUnicode.h"

#include <QFile>

#include <cstdio>

namespace {

constexpr int exitRewritten = 0;
constexpr int exitFailed = 1;
constexpr int exitUsage = 2;

int fail(const QString& message) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    return exitFailed;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("Usage: kestavolin-cli-pdf-text-maps SOURCE TARGET\n", stderr);
        return exitUsage;
    }
    QFile source(QFile::decodeName(argv[1]));
    QFile target(QFile::decodeName(argv[2]));
    if (!source.open(QIODevice::ReadOnly))
        return fail(source.errorString());
    if (!target.open(QIODevice::WriteOnly))
        return fail(target.errorString());
    if (const QString failure = copyWithIdeographMaps(source, target); !failure.isEmpty())
        return fail(failure);
    return exitRewritten;
}
