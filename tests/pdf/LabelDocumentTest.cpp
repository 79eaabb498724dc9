#include "common/PdfPages.h"
#include "common/QStringPrinter.h"

#include "pdf/LabelDocument.h"
#include "pdf/PdfInPlace.h"
#include "pdf/PdfJoin.h"
#include "pdf/PdfPageBoxes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A label of size that writes text 12 points high in the font family, a point from
// its left edge (the painter's units are points whatever its device).
LabelDrawing labelWithText(QSizeF size, const QString& text,
                           const QString& family = QStringLiteral("Nimbus Sans")) {
    return {size, [size, text, family](QPainter& painter) {
                painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
                QFont font(family);
                font.setPixelSize(12);
                painter.setFont(font);
                painter.drawText(QPointF(1, size.height() - 2), text);
            }};
}

QString pdfTitle(const QString& path) {
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished(30000);
    static const QRegularExpression title(QStringLiteral(R"(^Title:\s*(.*)$)"),
                                          QRegularExpression::MultilineOption);
    return title.match(QString::fromUtf8(pdfinfo.readAllStandardOutput())).captured(1);
}

class LabelDocumentTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString out(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder;
};

// Each page is exactly its label, fractional lengths included, and its text reads as
// written: ideographs that share a glyph with a radical, in a run of glyphs and alone
// in their face, come out as the ideographs.
TEST_F(LabelDocumentTest, PagesAreTheLabelsExactlyAndTheirTextReadsAsWritten) {
    const QString serif = QStringLiteral("Noto Serif CJK JP");
    if (!QFontInfo(QFont(serif)).family().contains(QStringLiteral("CJK")))
        GTEST_SKIP() << "the CJK faces are not installed";
    const QSizeF tape(348.2072754, 43);
    const QSizeF roll(170, 170);
    const QString path = out("show.pdf");
    ASSERT_TRUE(writeLabelDocument(path, {labelWithText(tape, QStringLiteral("富士山の朝"),
                                                        QStringLiteral("Noto Sans CJK JP")),
                                          labelWithText(roll, QStringLiteral("山"), serif)})
                    .ok());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"show.pdf"})
        << "the draft is gone";
    const QList<QRectF> boxes = writtenPageBoxes(path);
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_NEAR(boxes[0].width(), tape.width(), 1e-5);
    EXPECT_NEAR(boxes[0].height(), tape.height(), 1e-5);
    EXPECT_EQ(boxes[1].size(), roll);

    const auto pages = readPdfPages(path);
    if (!pages)
        GTEST_SKIP() << "poppler's tools are not installed";
    EXPECT_EQ(pages->complaints, QByteArray());
    EXPECT_TRUE(pages->text.contains(QStringLiteral("富士山の朝"))) << pages->text.toStdString();
    EXPECT_EQ(pages->text.section(QChar(u'\f'), 1, 1).trimmed(), QStringLiteral("山"));
    EXPECT_EQ(pdfTitle(path), QStringLiteral("show"));
}

TEST_F(LabelDocumentTest, PartsDrawnAtOnceAreJoinedInTheOrderOfTheirPages) {
    // Pages into three parts as three threads would draw them, at positions with gaps
    // (labels that failed), against the same pages into one part.
    LabelDocument joined(out("joined.pdf"), 3);
    LabelDocument one(out("one.pdf"));
    const std::tuple<const char*, QSizeF, int> pages[] = {{"First", QSizeF(120.5, 43), 2},
                                                          {"Second", QSizeF(170, 170), 0},
                                                          {"Third", QSizeF(200, 43), 2},
                                                          {"Fourth", QSizeF(90.25, 43), 1},
                                                          {"Fifth", QSizeF(170, 170), 0}};
    for (int page = 0; page < std::ssize(pages); ++page) {
        const auto& [text, size, part] = pages[page];
        const LabelDrawing label = labelWithText(size, QString::fromLatin1(text));
        joined.addPage(label, part, 3 * page);
        one.addPage(label);
    }
    ASSERT_EQ(joined.pageCount(), 5);
    ASSERT_TRUE(joined.save().ok());
    ASSERT_TRUE(one.save().ok());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"joined.pdf", "one.pdf"}))
        << "no draft is left behind";

    const auto joinedPages = readPdfPages(out("joined.pdf"));
    if (!joinedPages)
        GTEST_SKIP() << "poppler's tools are not installed";
    const auto onePages = readPdfPages(out("one.pdf"));
    EXPECT_EQ(joinedPages->complaints, QByteArray());
    ASSERT_EQ(joinedPages->drawn.size(), 5);
    EXPECT_TRUE(joinedPages->drawn == onePages->drawn);
    EXPECT_EQ(joinedPages->sizes, onePages->sizes);
    EXPECT_EQ(joinedPages->text, onePages->text);
    QStringList texts = joinedPages->text.split(QChar(u'\f'));
    texts.replaceInStrings(QRegularExpression(QStringLiteral("\\s")), QString());
    EXPECT_EQ(texts.mid(0, 5), QStringList({"First", "Second", "Third", "Fourth", "Fifth"}));
}

// A document that cannot be written says why and leaves what was at its path alone.
TEST_F(LabelDocumentTest, FailuresNameTheFileAndLeaveTheOldOneAlone) {
    const QString path = out("labels.pdf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the previous labels");
    old.close();
    const Status empty = writeLabelDocument(path, {});
    ASSERT_FALSE(empty);
    EXPECT_EQ(empty.failure(), (Failure{QStringLiteral("pdfNoLabelsMsg"), {path}}));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the previous labels");

    const QString nowhere = out("missing/labels.pdf");
    LabelDocument document(nowhere);
    ASSERT_FALSE(document.status());
    EXPECT_EQ(document.status().failure().key, QStringLiteral("pdfNoDraftMsg"));
    EXPECT_EQ(document.status().failure().arguments.value(0), nowhere);
    document.addPage(labelWithText(QSizeF(100, 43), QStringLiteral("Lost")));
    EXPECT_EQ(document.save().failure(), document.status().failure());
}

// A file is finished in place only when it is as Qt's writer left it for these pages;
// each page then keeps its top left corner.
TEST_F(LabelDocumentTest, FinishingInPlaceRefusesPagesItDidNotExpect) {
    const QSizeF first(100.5, 42.5);
    const QSizeF second(170, 170);
    int drafts = 0;
    // A fresh draft of the two pages, as Qt's writer leaves it.
    const auto draft = [&](QFile& file) {
        file.setFileName(out("draft-%1.pdf").arg(++drafts));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        {
            QPdfWriter pdf(&file);
            pdf.setPageLayout(PdfPageBoxes::wholePointLayout(first));
            QPainter painter(&pdf);
            pdf.setPageLayout(PdfPageBoxes::wholePointLayout(second));
            pdf.newPage();
        }
        ASSERT_TRUE(file.flush());
    };
    const Failure unknown{QStringLiteral("pdfUnknownFormMsg"), {}};
    for (const std::vector<QSizeF>& sizes :
         {std::vector<QSizeF>{first}, std::vector<QSizeF>{first, QSizeF(160, 170)},
          std::vector<QSizeF>{first, second, second}}) {
        QFile file;
        draft(file);
        EXPECT_EQ(PdfInPlace::finish(file, sizes).failure(), unknown) << sizes.size();
    }
    QFile file;
    draft(file);
    ASSERT_TRUE(PdfInPlace::finish(file, {first, second}).ok());
    EXPECT_EQ(writtenPageBoxes(file.fileName()),
              QList<QRectF>({QRectF(QPointF(0, 0.5), first), QRectF(QPointF(0, 0), second)}));
}

} // namespace

// Joining stops with the reason at the first thing that is not as Qt's writer makes
// it: a part that is no PDF, one cut short, a page listed twice; the same part whole
// joins.
TEST_F(LabelDocumentTest, JoiningRefusesPartsItCannotReadAndPagesListedTwice) {
    QFile written(out("part.pdf"));
    ASSERT_TRUE(written.open(QIODevice::ReadWrite));
    {
        QPdfWriter pdf(&written);
        pdf.setPageLayout(PdfPageBoxes::wholePointLayout(QSizeF(100, 43)));
        QPainter painter(&pdf);
        pdf.newPage();
    }
    ASSERT_TRUE(written.flush());
    ASSERT_TRUE(written.seek(0));
    const QByteArray whole = written.readAll();
    const auto partOf = [this](const char* name, const QByteArray& bytes) {
        auto file = std::make_unique<QFile>(out(name));
        EXPECT_TRUE(file->open(QIODevice::ReadWrite));
        file->write(bytes);
        EXPECT_TRUE(file->flush());
        return file;
    };
    const auto join = [](QFileDevice& part, const std::vector<PdfJoin::PageSource>& pages) {
        QBuffer target;
        target.open(QIODevice::WriteOnly);
        const Status joined = PdfJoin::join({&part}, pages, target);
        return std::make_pair(joined, target.data());
    };
    const Failure unknown{QStringLiteral("pdfUnknownFormMsg"), {}};
    const auto garbage = partOf("garbage.pdf", "%PDF-1.4 not a document");
    EXPECT_EQ(join(*garbage, {{0, 0}}).first.failure(), unknown);
    const auto cut = partOf("cut.pdf", whole.left(whole.size() - 40));
    EXPECT_EQ(join(*cut, {{0, 0}, {0, 1}}).first.failure(), unknown);
    EXPECT_EQ(join(written, {{0, 0}, {0, 0}}).first.failure(), unknown);
    const auto [joined, bytes] = join(written, {{0, 1}, {0, 0}});
    EXPECT_TRUE(joined.ok());
    EXPECT_TRUE(bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF"));
}
