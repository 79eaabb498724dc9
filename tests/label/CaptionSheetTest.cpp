#include "label/CaptionSheet.h"

#include "common/QStringPrinter.h"
#include "platform/LocalizedText.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iconv.h>

namespace {

std::vector<CaptionRow> rowsOf(const QByteArray& sheet, const QString& folder = "/show") {
    auto parsed = CaptionSheet::parse(sheet, folder);
    if (!parsed) {
        ADD_FAILURE() << qPrintable(parsed.failure().key);
        return {};
    }
    return *parsed;
}

Failure failureOf(const QByteArray& sheet) {
    auto parsed = CaptionSheet::parse(sheet, "/show");
    return parsed ? Failure{} : parsed.failure();
}

// The text in another encoding, written by the C library's converter.
QByteArray encoded(const QString& text, const char* encoding) {
    const iconv_t converter = iconv_open(encoding, "UTF-8");
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1)) << encoding;
    QByteArray utf8 = text.toUtf8();
    QByteArray out(utf8.size() * 4, '\0');
    char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    char* to = out.data();
    std::size_t outLeft = out.size();
    EXPECT_NE(iconv(converter, &in, &inLeft, &to, &outLeft), static_cast<std::size_t>(-1));
    iconv_close(converter);
    out.truncate(to - out.data());
    return out;
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

// As spreadsheet programs save sheets: UTF-8 with or without a byte order mark, UTF-16
// with one, and in Japan Shift_JIS as Windows writes it (CP932), whose signs and
// half-width kana other Shift_JIS variants lack.
TEST(CaptionSheet, ReadsTheEncodingsSpreadsheetProgramsSave) {
    const QString sheet = QStringLiteral("file,title,photographer\r\n"
                                         "富士山.jpg,富士山の朝～①,田中 愛子\r\n"
                                         "b.jpg,ﾃｽﾄ ﾊﾟﾀｰﾝ,髙橋 一郎\r\n");
    const QByteArray shiftJis = encoded(sheet, "CP932");
    ASSERT_TRUE(shiftJis.contains("\x95\x78\x8E\x6D\x8E\x52")) << "富士山 in Shift_JIS";
    QByteArray utf16le = encoded(sheet, "UTF-16LE");
    QByteArray utf16be = encoded(sheet, "UTF-16BE");
    const QByteArray sheets[] = {sheet.toUtf8(), "\xEF\xBB\xBF" + sheet.toUtf8(),
                                 "\xFF\xFE" + utf16le, "\xFE\xFF" + utf16be, shiftJis};
    for (const QByteArray& bytes : sheets) {
        const auto rows = rowsOf(bytes);
        ASSERT_EQ(rows.size(), 2u) << bytes.left(8).toHex().toStdString();
        EXPECT_EQ(rows[0].file, QStringLiteral("/show/富士山.jpg"));
        EXPECT_EQ(rows[0].title, QStringLiteral("富士山の朝～①"));
        EXPECT_EQ(rows[0].photographer, QStringLiteral("田中 愛子"));
        EXPECT_EQ(rows[1].title, QStringLiteral("ﾃｽﾄ ﾊﾟﾀｰﾝ"));
        EXPECT_EQ(rows[1].photographer, QStringLiteral("髙橋 一郎"));
    }
}

// Each failure names the row, in both languages; a sheet in no encoding it may have
// names the row where it stops being text.
TEST(CaptionSheet, SheetsThatCannotBeReadSayWhyAndWhere) {
    EXPECT_EQ(failureOf(""), (Failure{"sheetNoHeaderMsg", {"1"}}));
    EXPECT_EQ(failureOf("title,lens\nx,y\n"), (Failure{"sheetNoFileColumnMsg", {"1"}}));
    EXPECT_EQ(failureOf("file,title\na.jpg,\"open\n"), (Failure{"sheetQuoteNotClosedMsg", {"2"}}));
    EXPECT_EQ(failureOf("file,title\n,alone\n"), (Failure{"sheetNoFileMsg", {"2"}}));
    EXPECT_EQ(failureOf("file,title\na.jpg,\"two\nlines\"\n\x80.jpg\n"),
              (Failure{"sheetNotTextMsg", {"3"}}));
    // The row is where the sheet stops being text in the encoding that reads further.
    EXPECT_EQ(failureOf("file\n" + encoded("富士山.jpg\n", "CP932") + "\x80.jpg\n"),
              (Failure{"sheetNotTextMsg", {"3"}}));
    EXPECT_EQ(failureOf("file\n\xE5\xAF\x8C.jpg\nb.jpg\n\xFF.jpg\n"),
              (Failure{"sheetNotTextMsg", {"4"}}));
    EXPECT_EQ(failureOf("\xFF\xFE" + encoded("file\na.jpg\n", "UTF-16LE") +
                        QByteArray("\x00\xD8z\x00", 4)),
              (Failure{"sheetNotTextMsg", {"3"}}))
        << "a lone surrogate";
    EXPECT_EQ(failureOf("\xEF\xBB\xBF"
                        "file\n\xFF.jpg\n"),
              (Failure{"sheetNotTextMsg", {"2"}}));

    const auto missing = CaptionSheet::read(QStringLiteral("/no/such/sheet.csv"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure().key, "sheetNotReadMsg");
    auto strings = installStringTables(QLocale(QLocale::English));
    ASSERT_TRUE(strings);
    EXPECT_EQ(missing.failure().text(),
              "The caption sheet “/no/such/sheet.csv” cannot be read. No such file or directory");
    strings = installStringTables(QLocale(QLocale::Japanese));
    ASSERT_TRUE(strings);
    EXPECT_EQ(failureOf("file,title\n,alone\n").text(),
              "2 行目に写真のファイルがありません（「file」の列が空です）。");
}

TEST(CaptionSheet, WrittenSheetsReadBackTheSame) {
    QTemporaryDir folder;
    const std::vector<CaptionRow> rows{
        {2, folder.filePath("in/a.jpg"), QStringLiteral("Title, with \"quotes\""),
         QStringLiteral("田中 愛子"), std::nullopt},
        {3, QStringLiteral("/elsewhere/b.jpg "), QStringLiteral("line\r\nbreak"), std::nullopt,
         QStringLiteral(" spaced ")},
        // Not a resource of the program but a photograph of the sheet's folder.
        {4, folder.path() + "/:r", std::nullopt, std::nullopt, std::nullopt},
    };
    const QByteArray sheet = CaptionSheet::write(rows, folder.path());
    EXPECT_TRUE(sheet.startsWith("file,title,photographer,lens\r\nin/a.jpg,"));
    EXPECT_TRUE(sheet.contains(QByteArray("田中 愛子"))) << "written in UTF-8";
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
