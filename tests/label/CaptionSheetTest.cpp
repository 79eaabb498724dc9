#include "label/CaptionSheet.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::vector<CaptionRow> rowsOf(const QByteArray& sheet, const QString& folder = "/show") {
    auto parsed = CaptionSheet::parse(sheet, folder);
    if (const QString* error = std::get_if<QString>(&parsed)) {
        ADD_FAILURE() << qPrintable(*error);
        return {};
    }
    return std::get<std::vector<CaptionRow>>(parsed);
}

QString errorOf(const QByteArray& sheet) {
    auto parsed = CaptionSheet::parse(sheet, "/show");
    return std::holds_alternative<QString>(parsed) ? std::get<QString>(parsed) : QString();
}

TEST(CaptionSheet, ReadsColumnsInAnyOrderWithQuotingAndEitherLineEnd) {
    const QByteArray sheet = "\xEF\xBB\xBFLens,Ignored,File,TITLE,photographer\r\n"
                             "\"50 mm, f/1.4\",x,a.jpg,\"The \"\"old\"\" harbour\",Ann\r\n"
                             "\n"
                             ",,/abs/b.tif,\"two\nlines\",\n"
                             "z,, sub/c.psd ,富士山の朝 설악산 Ακρόπολη";
    const auto rows = rowsOf(sheet);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].row, 2);
    EXPECT_EQ(rows[0].file, QStringLiteral("/show/a.jpg"));
    EXPECT_EQ(rows[0].title, QStringLiteral("The \"old\" harbour"));
    EXPECT_EQ(rows[0].photographer, QStringLiteral("Ann"));
    EXPECT_EQ(rows[0].lens, QStringLiteral("50 mm, f/1.4"));
    // Blank lines are skipped but keep their place in the numbering.
    EXPECT_EQ(rows[1].row, 4);
    EXPECT_EQ(rows[1].file, QStringLiteral("/abs/b.tif"));
    EXPECT_EQ(rows[1].title, QStringLiteral("two\nlines"));
    EXPECT_FALSE(rows[1].photographer);
    EXPECT_FALSE(rows[1].lens);
    // A short row lacks its last cells; the last row needs no line end; a typed path
    // loses its edge spaces.
    EXPECT_EQ(rows[2].file, QStringLiteral("/show/sub/c.psd"));
    EXPECT_EQ(rows[2].lens, QStringLiteral("z"));
    EXPECT_EQ(rows[2].title, QStringLiteral("富士山の朝 설악산 Ακρόπολη")) << "in every script";
    EXPECT_FALSE(rows[2].photographer);
    EXPECT_EQ(rowsOf("file\n:r.jpg\n./:s.jpg\n").at(1).file, QStringLiteral("/show/:s.jpg"));
    EXPECT_EQ(rowsOf("file\n:r.jpg\n").at(0).file, QStringLiteral("/show/:r.jpg"));
}

TEST(CaptionSheet, SheetsThatCannotBeReadSayWhy) {
    EXPECT_TRUE(errorOf("").contains("header"));
    EXPECT_TRUE(errorOf("title,lens\nx,y\n").contains("\"file\""));
    EXPECT_TRUE(errorOf("file,title\na.jpg,\"open\n").contains("row 2"));
    EXPECT_TRUE(errorOf("file,title\n,alone\n").contains("row 2"));
    EXPECT_TRUE(errorOf("file\n\xff\xfe.jpg\n").contains("UTF-8"));
    EXPECT_FALSE(std::holds_alternative<std::vector<CaptionRow>>(
        CaptionSheet::read(QStringLiteral("/no/such/sheet.csv"))));
}

TEST(CaptionSheet, WrittenSheetsReadBackTheSame) {
    QTemporaryDir folder;
    const std::vector<CaptionRow> rows{
        {2, folder.filePath("in/a.jpg"), QStringLiteral("Title, with \"quotes\""),
         QStringLiteral("Ann"), std::nullopt},
        {3, QStringLiteral("/elsewhere/b.jpg "), QStringLiteral("line\r\nbreak"), std::nullopt,
         QStringLiteral(" spaced ")},
        // Not a resource of the program but a photograph of the sheet's folder.
        {4, folder.path() + "/:r", std::nullopt, std::nullopt, std::nullopt},
    };
    const QByteArray sheet = CaptionSheet::write(rows, folder.path());
    EXPECT_TRUE(sheet.startsWith("file,title,photographer,lens\r\nin/a.jpg,"));
    EXPECT_TRUE(sheet.endsWith("\r\n./:r,,,\r\n"));
    const auto back = rowsOf(sheet, folder.path());
    ASSERT_EQ(back.size(), 3u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(back[i].file, rows[i].file);
        EXPECT_EQ(back[i].title, rows[i].title);
        EXPECT_EQ(back[i].photographer, rows[i].photographer);
        EXPECT_EQ(back[i].lens, rows[i].lens);
    }
}

} // namespace
