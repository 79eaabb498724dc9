// The Roll 60 square never grows: each text fits its place, set smaller down to 70% of
// its size and then shortened with an ellipsis, measured with every installed label
// font; nothing is drawn outside the inner frame, and each shortened text is told.

#include "LabelFixtures.h"

#include "common/QStringPrinter.h"
#include "label/RollLayout.h"
#include "label/TextFitting.h"
#include "platform/FontCatalogue.h"
#include "platform/LocalizedText.h"

#include <gtest/gtest.h>

namespace {

constexpr qreal titleSize = 14;
constexpr qreal photographerSize = 12;
constexpr qreal exifSize = 9;
// A text starts 2 points inside the inner frame and ends no nearer to it.
constexpr qreal room = 170 - 2 * 8 - 2 * 2;

using Item = PhotoInfo::Item;

// Texts far too long for any place of the square.
PhotoInfo longInfo() {
    PhotoInfo info = cameraInfo();
    info.maker = "sanyo electric co.,ltd.";
    info.model = "Model Name Of A Camera Whose Maker Liked Long Names Very Much Indeed";
    info.lensMaker = "Schneider Kreuznach";
    info.lensModel = "Super Angulon Macro LS 120mm f/4.0 with a very long name of its own, "
                     "longer than the two lines it may take on the label";
    info.focalLength = "18.0-55.0 mm ";
    info.focalLengthIn35mmFormat = "( 27-83 mm) ";
    info.exposureProgram = "Aperture priority with a long word after it";
    info.dateTimeOriginal =
        "2008:05:30 15:56:01 and a long note written after it, and another one after that";
    return info;
}

const QString longPath =
    QStringLiteral("/photos/IMG_20240101_123456_a_long_file_name_from_a_phone_camera.jpg");
const QString longTitle =
    QStringLiteral("The long title of a photograph that runs far past the frame of its label");
// Japanese and Latin, with descenders early enough to be shown.
const QString mixedTitle =
    QStringLiteral("富士山の朝 Foggy jungle, Ipanema, with a caption that runs past the frame");
const QString mixedPhotographer =
    QStringLiteral("田中 愛子 and Gregory Pygmalion-Jay with their friends from the harbour");

// The ink of a placed text, each row at its baseline, in label coordinates (y upwards).
QRectF inkOf(const PlacedText& placed) {
    const QStringList rows = placed.text.rows();
    QRectF ink;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const qreal baseline = placed.lowerLeft.y() +
                               static_cast<qreal>(rows.size() - 1 - row) * placed.text.rowHeight() +
                               placed.text.descent();
        const QRectF glyphs = FontCatalogue::textOutline(rows.at(row), placed.text.font())
                                  .boundingRect(); // y downwards from the baseline
        if (glyphs.isEmpty())
            continue;
        ink |= QRectF(placed.lowerLeft.x() + glyphs.left(), baseline - glyphs.bottom(),
                      glyphs.width(), glyphs.height());
    }
    return ink;
}

qreal nominalSize(const QString& field) {
    if (field == QStringLiteral("titleString"))
        return titleSize;
    return field == QStringLiteral("authorString") ? photographerSize : exifSize;
}

class RollFitting : public ::testing::Test {
protected:
    void show(const PhotoInfo& info, const QString& path = longPath) {
        record = recordWith(info, path, QSizeF(3000, 2000));
        roll.setDisplaySettings(everyItemOn());
        roll.setExifData(record.get());
    }
    PlacedText placed(const QString& field) const {
        for (const PlacedText& text : roll.placedTexts())
            if (text.field == field)
                return text;
        ADD_FAILURE() << "no field " << qPrintable(field);
        return {};
    }

    RollLayout roll;
    std::unique_ptr<PhotoRecord> record;
};

// Every face a user can choose as the label font, with Latin and Japanese texts.
TEST_F(RollFitting, EveryTextStaysInsideTheInnerFrameInEveryInstalledFont) {
    const QRectF inside = RollLayout::innerFrame().adjusted(0.1, 0.1, -0.1, -0.1);
    int families = 0;
    for (const QString& family : FontCatalogue::availableFontFamilies()) {
        const auto members = FontCatalogue::availableMembersOfFontFamily(family);
        if (members.empty())
            continue;
        ++families;
        {
            SCOPED_TRACE(qPrintable(family));
            roll.setFonts(members.front().postScriptName);
            roll.setTitle(mixedTitle);
            roll.setPhotographer(mixedPhotographer);
            show(longInfo());
            QStringList shortenedFields;
            for (const ShortenedText& text : roll.shortenedTexts()) {
                shortenedFields << text.field;
                EXPECT_TRUE(text.shownText.endsWith(TextFitting::ellipsis));
                EXPECT_TRUE(text.fullText.startsWith(text.shownText.chopped(1).trimmed()))
                    << qPrintable(text.fullText + " / " + text.shownText);
            }
            shortenedFields.removeDuplicates();
            // A symbol face draws no letters, and falls back to no face that does.
            if (FontCatalogue::charactersWithoutGlyph(mixedTitle, roll.titleText().font())
                    .isEmpty()) {
                EXPECT_EQ(shortenedFields.join(' '), "titleString authorString exifData exifInst "
                                                     "exifLens2 fileNameStr dateTime");
            }
            for (const PlacedText& text : roll.placedTexts()) {
                SCOPED_TRACE(qPrintable(text.field + ": " + text.text.string()));
                EXPECT_LE(text.lowerLeft.x() + text.text.width(), inside.right());
                const QRectF ink = inkOf(text);
                if (ink.isNull())
                    continue; // no installed face draws it (a symbol font)
                EXPECT_GE(ink.left(), inside.left());
                EXPECT_LE(ink.right(), inside.right());
                EXPECT_GE(ink.top(), inside.top());
                EXPECT_LE(ink.bottom(), inside.bottom());
                EXPECT_GE(text.text.font().pointSizeF(),
                          nominalSize(text.field) * TextFitting::smallestScale - 1e-9);
            }
        }
    }
    EXPECT_GE(families, 10) << "DejaVu, the URW faces and Noto CJK are installed";
}

// Short texts keep their size; a text a little too wide is set smaller but whole; one
// far too wide is set at 70% and shortened, and told.
TEST_F(RollFitting, TextsAreSetSmallerBeforeTheyAreShortened) {
    show(cameraInfo(), QStringLiteral("/photos/IMG_20240101_123456_x.jpg"));
    roll.setTitle(QStringLiteral("Harbour at dawn"));
    EXPECT_TRUE(roll.shortenedTexts().empty());
    for (const PlacedText& text : roll.placedTexts())
        EXPECT_EQ(text.text.font().pointSizeF(), nominalSize(text.field)) << qPrintable(text.field);
    EXPECT_EQ(roll.exposureBlock().rows(),
              QStringList({"35.0 mm ( 56 mm) ", "F/7.1 1/160s", "ISO100  +1/3", "Program",
                           "Pattern", "AWB"}));
    EXPECT_EQ(roll.exposureBlock().rowHeight(), RollLayout::exposureRowHeight);
    EXPECT_EQ(roll.fileNameLine().string(), "IMG_20240101_123456_x.jpg") << "not cut at 19";

    QString aLittleTooWide = QStringLiteral("Harbour");
    const QFont titleFont = roll.titleText().font();
    while (TextFitting::reach(aLittleTooWide, titleFont) <= room * 1.1)
        aLittleTooWide += QStringLiteral(" at dawn");
    ASSERT_LT(TextFitting::reach(aLittleTooWide, titleFont), room / TextFitting::smallestScale);
    roll.setTitle(aLittleTooWide);
    EXPECT_EQ(placed("titleString").text.string(), aLittleTooWide);
    EXPECT_LT(placed("titleString").text.font().pointSizeF(), titleSize);
    EXPECT_GT(placed("titleString").text.font().pointSizeF(),
              titleSize * TextFitting::smallestScale);
    EXPECT_TRUE(roll.shortenedTexts().empty());

    roll.setTitle(longTitle);
    const PlacedText title = placed("titleString");
    EXPECT_DOUBLE_EQ(title.text.font().pointSizeF(), titleSize * TextFitting::smallestScale);
    EXPECT_TRUE(title.text.string().endsWith(QStringLiteral("…")));
    EXPECT_EQ(roll.titleText().string(), longTitle) << "the title itself is kept whole";
    ASSERT_EQ(roll.shortenedTexts().size(), 1u);
    EXPECT_EQ(roll.shortenedTexts().front(),
              (ShortenedText{"titleString", longTitle, title.text.string()}));
    // Texts from the photograph are fitted alike, not cut to a count of characters.
    QVariantMap fromPhotograph = itemsOn({Item::ImageDescription});
    fromPhotograph.insert(QStringLiteral("SignType"), QStringLiteral("artist"));
    roll.setDisplaySettings(fromPhotograph);
    record->info() = {.imageDescription = "A description of the view",
                      .artist = "Somebody With A Long Name"};
    roll.setExifData(record.get());
    EXPECT_EQ(placed("titleString").text.string(), "A description of the view");
    EXPECT_EQ(placed("authorString").text.string(), "Somebody With A Long Name");
}

// A lens text too long for its line goes on in the second, broken at a space; too
// long for both, the second line is fitted like any text and the whole lens told.
TEST_F(RollFitting, TheLensTextGoesOnInTheSecondLine) {
    roll.setDisplaySettings(itemsOn({Item::LensMaker, Item::LensModel}));
    record = recordWith(cameraInfo(), longPath, QSizeF(300, 200));
    roll.setExifData(record.get());
    EXPECT_EQ(roll.lensFirstLine().string(), "Canon EF-S 17-85mm ");
    EXPECT_EQ(roll.lensSecondLine().string(), " ");
    // A chosen lens shows no lens maker and no trailing space.
    roll.setUserLens(QStringLiteral("Exif"));
    EXPECT_EQ(roll.lensFirstLine().string(), "EF-S 17-85mm");
    roll.setUserLens(QStringLiteral("Z"));
    EXPECT_EQ(roll.lensFirstLine().string(), "");

    const QString twoLines =
        QStringLiteral("Schneider Kreuznach Super Angulon Macro LS 120mm f/4.0");
    roll.setUserLens(twoLines);
    const QString first = roll.lensFirstLine().string();
    EXPECT_TRUE(twoLines.startsWith(first + ' '));
    EXPECT_EQ(first + ' ' + roll.lensSecondLine().string(), twoLines);
    EXPECT_GT(TextFitting::reach(first + " Macro", roll.lensFirstLine().font()), room)
        << "the first line takes as many words as fit";
    EXPECT_TRUE(roll.shortenedTexts().empty());

    const QString threeLines = (twoLines + ' ').repeated(3).trimmed();
    roll.setUserLens(threeLines);
    ASSERT_EQ(roll.shortenedTexts().size(), 1u);
    const ShortenedText lens = roll.shortenedTexts().front();
    EXPECT_EQ(lens.field, "exifLens2");
    EXPECT_EQ(lens.fullText, threeLines);
    EXPECT_EQ(lens.shownText, roll.lensFirstLine().string() + ' ' + roll.lensSecondLine().string());
    EXPECT_TRUE(lens.shownText.endsWith(QStringLiteral("…")));

    const QString oneWord(80, QLatin1Char('W'));
    roll.setUserLens(oneWord);
    EXPECT_TRUE(oneWord.startsWith(roll.lensFirstLine().string()));
    EXPECT_LE(TextFitting::reach(roll.lensFirstLine().string(), roll.lensFirstLine().font()), room);
}

TEST_F(RollFitting, ShortenedTextsAreToldNamingThePhotographAndTheField) {
    const ShortenedText lens{"exifLens2", "Long lens name", "Long lens…"};
    auto strings = installStringTables(QLocale(QLocale::English));
    ASSERT_TRUE(strings);
    EXPECT_EQ(shortenedTextNotice("a.jpg", lens),
              "a.jpg: the lens “Long lens name” does not fit the label and is shown as “Long "
              "lens…”.");
    strings = installStringTables(QLocale(QLocale::Japanese));
    ASSERT_TRUE(strings);
    EXPECT_EQ(shortenedTextNotice("a.jpg", {"titleString", "長い題名", "長い…"}),
              "a.jpg：タイトル「長い題名」はラベルに収まらないため「長い…」と表示します。");
}

} // namespace
