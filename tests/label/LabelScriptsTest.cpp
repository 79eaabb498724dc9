// Titles and photographers in scripts the label font may lack: each is measured with
// the faces it falls back to and drawn where it is measured, on both media, in images
// and in SVG files (drawn as they are read back).

#include "label/LabelFiles.h"
#include "label/RollLayout.h"
#include "label/TapeLayout.h"
#include "platform/FontCatalogue.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <tuple>

namespace {

constexpr int dpi = 288;
constexpr double pixelsPerPoint = dpi / 72.0;

struct Script {
    const char* name;
    const char* title;
    const char* photographer;
};

const Script scripts[] = {
    {"Japanese", "富士山の朝", "田中 愛子"},
    {"Greek", "Ακρόπολη", "Γιώργος Παππάς"},
};

void PrintTo(const Script& script, std::ostream* out) {
    *out << script.name;
}

std::unique_ptr<LabelLayout> layoutFor(const QString& medium) {
    if (medium == QStringLiteral("Roll 60"))
        return std::make_unique<RollLayout>();
    return std::make_unique<TapeLayout>();
}

// The label as a PNG file has it, or as an SVG file of it draws at the same resolution.
QImage drawn(LabelLayout& layout, const QString& format, int resolution = dpi) {
    if (format == QStringLiteral("PNG")) {
        Result<QImage> image = LabelFiles::renderImage(layout, resolution);
        EXPECT_TRUE(image.ok()) << image.failure().key.toStdString();
        return image ? *image : QImage();
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("label.svg"));
    EXPECT_TRUE(LabelFiles::writeSvg(layout, path).ok());
    QSvgRenderer svg(path);
    EXPECT_TRUE(svg.isValid());
    const QSizeF labelSize = layout.labelSize();
    QImage image(LabelFiles::pixelSizeAt(labelSize, resolution), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(), labelSize * resolution / 72.0));
    return image;
}

// The columns, in pixels, of the dark pixels in a band of the text's row between a
// tenth and six tenths of its size above the baseline: glyphs of every script have ink
// there, and neighbouring texts have none.
struct Ink {
    int pixels = 0;
    int left = -1;
    int right = -1;
};

Ink inkOf(const QImage& image, const PlacedText& placed, double labelHeight) {
    const double size = placed.text.font().pointSizeF();
    const double baseline = placed.lowerLeft.y() + placed.text.descent();
    const int top = qFloor((labelHeight - baseline - 0.6 * size) * pixelsPerPoint);
    const int bottom = qCeil((labelHeight - baseline - 0.1 * size) * pixelsPerPoint);
    // A little past the measured end, but short of the column beside it.
    const int left = qFloor(placed.lowerLeft.x() * pixelsPerPoint);
    const int right = qCeil((placed.lowerLeft.x() + placed.text.width() + 2) * pixelsPerPoint);
    Ink ink;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x) {
            if (qGray(image.pixel(x, y)) >= 128)
                continue;
            ++ink.pixels;
            ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
        }
    }
    return ink;
}

class LabelScriptsTest
    : public ::testing::TestWithParam<std::tuple<const char*, const char*, Script>> {};

TEST_P(LabelScriptsTest, TitleAndPhotographerAreMeasuredAndDrawnWhereMeasured) {
    const auto& [medium, format, script] = GetParam();
    const auto layout = layoutFor(QString::fromLatin1(medium));
    layout->setTitle(QString::fromUtf8(script.title));
    layout->setPhotographer(QString::fromUtf8(script.photographer));
    const QImage image = drawn(*layout, QString::fromLatin1(format));
    ASSERT_FALSE(image.isNull());

    int checked = 0;
    for (const PlacedText& placed : layout->placedTexts()) {
        if (placed.field != QStringLiteral("titleString") &&
            placed.field != QStringLiteral("authorString"))
            continue;
        ++checked;
        SCOPED_TRACE(placed.field.toStdString());
        const double width = placed.text.width();
        const int characters = static_cast<int>(placed.text.string().size());
        // Even the narrowest of these scripts' letters is a quarter of an em wide; a
        // text measured without its glyphs comes out far narrower or empty.
        EXPECT_GT(width, 0.25 * placed.text.font().pointSizeF() * characters);

        EXPECT_EQ(FontCatalogue::charactersWithoutGlyph(placed.text.string(), placed.text.font())
                      .toStdString(),
                  "");

        const Ink ink = inkOf(image, placed, layout->labelSize().height());
        EXPECT_GT(ink.pixels, characters * 4) << "too little ink where the text is";
        const double start = placed.lowerLeft.x() * pixelsPerPoint;
        const double end = (placed.lowerLeft.x() + width) * pixelsPerPoint;
        EXPECT_LT(ink.left, start + 0.15 * (end - start)) << "drawn from where it starts";
        EXPECT_GT(ink.right, start + 0.85 * (end - start)) << "drawn to its measured end";
    }
    EXPECT_EQ(checked, 2);
}

std::string caseName(const ::testing::TestParamInfo<LabelScriptsTest::ParamType>& info) {
    const auto& [medium, format, script] = info.param;
    return QString::fromLatin1(medium).remove(QLatin1Char(' ')).toStdString() + format +
           script.name;
}

INSTANTIATE_TEST_SUITE_P(MediaFormatsAndScripts, LabelScriptsTest,
                         ::testing::Combine(::testing::Values("Tape 18", "Roll 60"),
                                            ::testing::Values("PNG", "SVG"),
                                            ::testing::ValuesIn(scripts)),
                         caseName);

// The tails of the title's g, j, p, q and y stop short of the "Photographer" caption
// below it, which stands on a clear band: in each column of the caption, the white
// between the caption's highest ink and the title's lowest, at 600 dpi.
TEST(TapeCaptions, TheTitlesTailsStayClearOfTheCaptionBelow) {
    constexpr int fine = 600;
    constexpr double perPoint = fine / 72.0;
    const auto inked = [](const QImage& image, int x, int y) {
        return qGray(image.pixel(x, y)) < 224;
    };
    for (const char* font : {"Helvetica", "DejaVuSerif", "NotoSerifCJKjp-Regular"}) {
        for (const QString format : {"PNG", "SVG"}) {
            SCOPED_TRACE(std::string(font) + " " + format.toStdString());
            TapeLayout titled;
            TapeLayout untitled;
            for (TapeLayout* tape : {&titled, &untitled}) {
                tape->setFonts(QString::fromLatin1(font));
                tape->setPhotographer(QStringLiteral("Photographer"));
            }
            titled.setTitle(QStringLiteral("Foggy jungle, Ipanema"));
            const QImage withTitle = drawn(titled, format, fine);
            const QImage captionAlone = drawn(untitled, format, fine);
            // Between the title's baseline and the caption's only the caption has ink
            // in the label without a title.
            const auto placed = untitled.placedTexts();
            const auto baselineRow = [&](const QString& field) {
                for (const PlacedText& text : placed)
                    if (text.field == field)
                        return qRound((43 - text.lowerLeft.y() - text.text.descent()) * perPoint);
                return 0;
            };
            const int from = baselineRow("titleString");
            const int to = baselineRow("indexAuthorString");
            int columns = 0;
            int narrowest = fine;
            for (int x = 0; x < captionAlone.width(); ++x) {
                int captionTop = from;
                while (captionTop < to && !inked(captionAlone, x, captionTop))
                    ++captionTop;
                if (captionTop == to)
                    continue;
                ++columns;
                int gap = 0;
                while (captionTop - gap - 1 >= 0 && !inked(withTitle, x, captionTop - gap - 1))
                    ++gap;
                narrowest = std::min(narrowest, gap);
            }
            EXPECT_GT(columns, 200) << "the caption was found";
            EXPECT_GE(narrowest, 2) << "pixels of white at least, at " << fine << " dpi";
        }
    }
}

} // namespace
