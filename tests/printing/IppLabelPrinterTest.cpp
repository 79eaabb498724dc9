#include "printing/IppLabelPrinter.h"
#include "platform/LocalizedText.h"
#include "printing/PrinterReport.h"
#include "printing/PrinterStateReasons.h"

#include <cups/cups.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr double pointsPerMillimetre = 72.0 / 25.4;

// A size in hundredths of a millimetre, as IPP gives it; a range when upper is set.
struct Dimension {
    int value = 0;
    int upper = 0;
};

struct MediaCol {
    const char* name = nullptr;
    Dimension x, y;
    int left = -1, right = -1, top = -1, bottom = -1;
    const char* source = nullptr;
    const char* type = nullptr;
};

// Get-Printer-Attributes answers built the way printers and queues send them.
class Answer {
public:
    Answer() : ipp_(ippNew(), ippDelete) {}
    Answer& keywords(const char* name, std::initializer_list<const char*> values) {
        std::vector<const char*> list(values);
        ippAddStrings(ipp_.get(), IPP_TAG_PRINTER, IPP_TAG_KEYWORD, name, int(list.size()), nullptr,
                      list.data());
        return *this;
    }
    Answer& text(const char* name, const char* value) {
        ippAddString(ipp_.get(), IPP_TAG_PRINTER, IPP_TAG_TEXT, name, nullptr, value);
        return *this;
    }
    Answer& integer(const char* name, int value) {
        ippAddInteger(ipp_.get(), IPP_TAG_PRINTER, IPP_TAG_INTEGER, name, value);
        return *this;
    }
    Answer& collections(const char* name, std::initializer_list<MediaCol> media) {
        ipp_attribute_t* attribute = nullptr;
        for (const MediaCol& medium : media) {
            ipp_t* collection = mediaCol(medium);
            if (!attribute)
                attribute = ippAddCollection(ipp_.get(), IPP_TAG_PRINTER, name, collection);
            else
                ippSetCollection(ipp_.get(), &attribute, ippGetCount(attribute), collection);
            ippDelete(collection);
        }
        return *this;
    }
    PrinterReport report() const { return printerReport(ipp_.get()); }

private:
    static void dimension(ipp_t* size, const char* name, Dimension value) {
        if (value.upper)
            ippAddRange(size, IPP_TAG_ZERO, name, value.value, value.upper);
        else
            ippAddInteger(size, IPP_TAG_ZERO, IPP_TAG_INTEGER, name, value.value);
    }
    static ipp_t* mediaCol(const MediaCol& medium) {
        ipp_t* collection = ippNew();
        ipp_t* size = ippNew();
        dimension(size, "x-dimension", medium.x);
        dimension(size, "y-dimension", medium.y);
        ippAddCollection(collection, IPP_TAG_ZERO, "media-size", size);
        ippDelete(size);
        const std::pair<const char*, int> margins[] = {{"media-left-margin", medium.left},
                                                       {"media-right-margin", medium.right},
                                                       {"media-top-margin", medium.top},
                                                       {"media-bottom-margin", medium.bottom}};
        for (const auto& [name, value] : margins) {
            if (value >= 0)
                ippAddInteger(collection, IPP_TAG_ZERO, IPP_TAG_INTEGER, name, value);
        }
        for (const auto& [name, value] :
             {std::pair{"media-size-name", medium.name}, std::pair{"media-source", medium.source},
              std::pair{"media-type", medium.type}}) {
            if (value)
                ippAddString(collection, IPP_TAG_ZERO, IPP_TAG_KEYWORD, name, nullptr, value);
        }
        return collection;
    }
    std::unique_ptr<ipp_t, void (*)(ipp_t*)> ipp_;
};

// A roll label printer as a printer application describes it: die-cut labels and a
// continuous roll in its database, a range of roll sizes, 1 mm side and 5.25 mm end
// margins, and optionally what it has loaded.
Answer labelWriter(std::initializer_list<MediaCol> loaded) {
    Answer answer;
    answer.keywords("media-source-supported", {"main-roll", "auto"})
        .keywords("media-type-supported", {"labels"})
        .text("printer-make-and-model", "DYMO LabelWriter 450")
        .collections("media-col-database",
                     {{"oe_address-label_1.25x3.5in", {3175}, {8890}, 100, 100, 525, 525},
                      {"oe_continuous-label_2.125x3600in", {5397}, {9144000}, 100, 100, 525, 525},
                      {nullptr, {635, 5873}, {635, 9144000}, 100, 100, 525, 525}});
    if (loaded.size() > 0)
        answer.collections("media-col-ready", loaded);
    return answer;
}

const MediaCol continuous54{"oe_continuous-label_2.125x3600in",
                            {5397},
                            {9144000},
                            100,
                            100,
                            525,
                            525,
                            "main-roll",
                            "labels"};
const MediaCol continuous102{
    "oe_continuous-label_4x3600in", {10160}, {9144000}, 100, 100, 525, 525, "main-roll"};
const MediaCol address{"oe_address-label_1.25x3.5in", {3175}, {8890}, 100, 100, 525, 525};

// A tape printer: tape sizes by width and cut length, and a range of tape widths.
Answer labelManager(const char* loaded) {
    Answer answer;
    answer.keywords("media-source-supported", {"main-roll"})
        .keywords("media-supported",
                  {"oe_medium-1in-tape_0.5x1in", "oe_wider-1in-tape_0.75x1in",
                   "oe_wide-2in-tape_1x2in", "roll_max_1x3600in", "roll_min_0.25x1in"})
        .integer("media-left-margin-supported", 1)
        .integer("media-right-margin-supported", 1)
        .integer("media-top-margin-supported", 1)
        .integer("media-bottom-margin-supported", 1);
    if (loaded)
        answer.keywords("media-ready", {loaded});
    return answer;
}

const QSizeF tapeLabel(348.2, 43);
const QSizeF rollLabel(170, 170);

class IppLabelPrinterTest : public testing::Test {
protected:
    const std::unique_ptr<QTranslator> strings = installStringTables(QLocale(QLocale::English));
};

TEST_F(IppLabelPrinterTest, TheReportReadsSizesRangesMarginsAndLoadedMedia) {
    const PrinterReport lw = labelWriter({continuous54}).report();
    ASSERT_EQ(lw.media.size(), 3u);
    EXPECT_NEAR(lw.media[1].width, 5397 * 72 / 2540.0, 1e-9);
    EXPECT_NEAR(lw.media[1].left, 100 * 72 / 2540.0, 1e-9);
    EXPECT_NEAR(lw.media[1].top, 525 * 72 / 2540.0, 1e-9);
    // A range keeps both ends.
    EXPECT_NEAR(lw.media[2].minimumWidth, 18.0, 0.01);
    EXPECT_NEAR(lw.media[2].width, 5873 * 72 / 2540.0, 1e-9);
    ASSERT_EQ(lw.loaded.size(), 1u);
    EXPECT_EQ(lw.loaded[0].source, QStringLiteral("main-roll"));

    // Keywords: sizes from the names, a roll_min/roll_max pair as one range, margins from
    // the *-margin-supported attributes, the loaded medium from media-ready.
    const PrinterReport lm = labelManager("oe_wider-1in-tape_0.75x1in").report();
    ASSERT_EQ(lm.media.size(), 4u);
    EXPECT_NEAR(lm.media[3].minimumWidth, 18.0, 0.01);
    EXPECT_NEAR(lm.media[3].width, 72.0, 0.01);
    EXPECT_NEAR(lm.media[3].length, 3600 * 72.0, 0.01);
    ASSERT_EQ(lm.loaded.size(), 1u);
    EXPECT_NEAR(lm.loaded[0].width, 54.0, 0.01);
    EXPECT_NEAR(lm.loaded[0].left, 72 / 2540.0, 1e-9);
}

// Which printers are label printers, and of which kind.
TEST_F(IppLabelPrinterTest, LabelPrintersAreRecognisedFromWhatTheyReport) {
    struct Case {
        const char* what;
        PrinterReport report;
        std::optional<QueueKind> kind;
    };
    Answer office;
    office.keywords("media-source-supported", {"tray-1", "manual"})
        .keywords("media-type-supported", {"stationery", "photographic"})
        .keywords("media-supported",
                  {"iso_a4_210x297mm", "custom_min_3x5in", "custom_max_8.5x14in"})
        .text("printer-make-and-model", "Office Jet 9000");
    Answer byType;
    byType.keywords("media-type-supported", {"labels-continuous"})
        .keywords("media-supported", {"om_62mm_62x100mm"});
    Answer byMaker;
    byMaker.text("printer-device-id", "MFG:Zebra;MDL:ZD420;CMD:ZPL;")
        .keywords("media-supported", {"na_index-4x6_4x6in"});
    const Case cases[] = {
        {"an office printer", office.report(), std::nullopt},
        {"a roll source", labelWriter({}).report(), QueueKind::Roll},
        {"tape sizes", labelManager(nullptr).report(), QueueKind::Tape},
        {"a labels media type", byType.report(), QueueKind::Roll},
        {"a label printer's command set", byMaker.report(), QueueKind::Roll},
    };
    for (const Case& c : cases) {
        const auto printer = ippLabelPrinter(c.report);
        ASSERT_EQ(printer.has_value(), c.kind.has_value()) << c.what;
        if (printer) {
            EXPECT_EQ(printer->kind, *c.kind) << c.what;
        }
    }
}

// The page of each medium with the rules of the PPD drivers, on what the printer has
// loaded when it says and on what it takes otherwise.
TEST_F(IppLabelPrinterTest, EachMediumGetsThePageThePrinterCanPrint) {
    struct Case {
        const char* what;
        PrinterReport report;
        QSizeF label;
        std::variant<QSizeF, PageProblem> page;
        double scale = 1.0;
    };
    const double endMargins = 2 * 525 * 72 / 2540.0;
    const Case cases[] = {
        {"a tape label along a 54 mm roll", labelWriter({continuous54}).report(), tapeLabel,
         QSizeF(152.99, std::ceil(348.2 + endMargins))},
        {"a roll label on a 54 mm roll", labelWriter({continuous54}).report(), rollLabel,
         PageProblem::LoadedMediumTooNarrow},
        {"a roll label on a 102 mm roll", labelWriter({continuous102}).report(), rollLabel,
         QSizeF(288, std::ceil(170 + endMargins))},
        {"a tape label longer than the loaded die-cut label", labelWriter({address}).report(),
         tapeLabel, PageProblem::LabelTooLong},
        {"a short tape label on the loaded die-cut label", labelWriter({address}).report(),
         QSizeF(200, 43), QSizeF(90, 252)},
        // Twin rolls: the label goes on the one that carries it.
        {"a roll label with a wide roll among two loaded",
         labelWriter({continuous54, continuous102}).report(), rollLabel,
         QSizeF(288, std::ceil(170 + endMargins))},
        // Nothing loaded said: the narrowest continuous medium that carries it.
        {"a tape label on a printer that does not say", labelWriter({}).report(), tapeLabel,
         QSizeF(152.99, std::ceil(348.2 + endMargins))},
        // The roll label shrinks to the widest roll's band, 56.7 mm of 58.7 mm.
        {"a roll label on a printer that does not say", labelWriter({}).report(), rollLabel,
         QSizeF(5873 * 72 / 2540.0, std::ceil(170 * (5673 * 72 / 2540.0 / 170) + endMargins)),
         5673 * 72 / 2540.0 / 170},
        {"a tape label on 19 mm tape", labelManager("oe_wider-1in-tape_0.75x1in").report(),
         tapeLabel, QSizeF(54, 349)},
        {"a tape label on 12 mm tape", labelManager("oe_medium-1in-tape_0.5x1in").report(),
         tapeLabel, PageProblem::LoadedMediumTooNarrow},
    };
    for (const Case& c : cases) {
        const auto printer = ippLabelPrinter(c.report);
        ASSERT_TRUE(printer) << c.what;
        const auto page = ippLabelPage(*printer, c.label);
        if (const PageProblem* problem = std::get_if<PageProblem>(&c.page)) {
            ASSERT_TRUE(std::holds_alternative<PageProblem>(page)) << c.what;
            EXPECT_EQ(std::get<PageProblem>(page), *problem) << c.what;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<LabelPage>(page)) << c.what;
        const LabelPage& got = std::get<LabelPage>(page);
        const QSizeF want = std::get<QSizeF>(c.page);
        EXPECT_NEAR(got.size.width(), want.width(), 0.01) << c.what;
        EXPECT_NEAR(got.size.height(), want.height(), 0.01) << c.what;
        EXPECT_NEAR(got.scale, c.scale, 1e-9) << c.what;
        // Queues and printers of every kind take the custom size.
        EXPECT_EQ(got.pageSizeOption, customPageSizeOption(got.size)) << c.what;
        // The label lies inside the printable band, centred across it.
        const QRectF placed = got.labelToPage.mapRect(QRectF(QPointF(), c.label));
        EXPECT_GE(placed.left(), got.medium.printableLeft - 1e-6) << c.what;
        EXPECT_LE(placed.right(), got.medium.printableRight + 1e-6) << c.what;
        EXPECT_NEAR(placed.center().x(), (got.medium.printableLeft + got.medium.printableRight) / 2,
                    1e-6)
            << c.what;
        EXPECT_GE(placed.top(), got.medium.endMargin - 1e-6) << c.what;
    }
}

TEST_F(IppLabelPrinterTest, ALabelIsShrunkToTheBandDownToTheLimitAndRefusedBelowIt) {
    // A 62 mm roll whose printer leaves 3 mm at each side: the roll label prints at 93%.
    const MediaCol roll62{"roll_current_62x3600mm", {6200}, {360000}, 300, 300, 100, 100};
    const auto shrunk = ippLabelPrinter(labelWriter({roll62}).report());
    const LabelPage page = std::get<LabelPage>(ippLabelPage(*shrunk, rollLabel));
    EXPECT_NEAR(page.scale, (62 - 6) * pointsPerMillimetre / 170, 1e-3);
    // With 4.5 mm at each side it would be 88%: refused, as the loaded roll is too narrow.
    const MediaCol roll62Wide{"roll_current_62x3600mm", {6200}, {360000}, 450, 450, 100, 100};
    const auto refused = ippLabelPrinter(labelWriter({roll62Wide}).report());
    EXPECT_EQ(std::get<PageProblem>(ippLabelPage(*refused, rollLabel)),
              PageProblem::LoadedMediumTooNarrow);
}

// At the first start the medium question opens on the medium the default printer has
// loaded: the one label that fits, or of both the one of the printer's kind.
TEST_F(IppLabelPrinterTest, TheMediumThePrinterHasLoadedIsFound) {
    const MediaCol shipping{"oe_shipping-label_2.3125x4in", {5873}, {10160}, 100, 100, 525, 525};
    const std::vector<QSizeF> labels = {QSizeF(340, 43), rollLabel};
    struct Case {
        const char* what;
        PrinterReport report;
        std::optional<std::size_t> medium;
    } cases[] = {
        {"a 54 mm roll", labelWriter({continuous54}).report(), 0},
        {"4 inch shipping labels", labelWriter({shipping}).report(), 1},
        {"a 102 mm roll", labelWriter({continuous102}).report(), 1},
        {"19 mm tape", labelManager("oe_wider-1in-tape_0.75x1in").report(), 0},
        {"12 mm tape", labelManager("oe_medium-1in-tape_0.5x1in").report(), std::nullopt},
        {"nothing said", labelWriter({}).report(), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loadedMediumFitting(*ippLabelPrinter(c.report), labels), c.medium) << c.what;
}

TEST_F(IppLabelPrinterTest, LoadedAndNeededMediaAreToldInTheUsersWords) {
    QueueMedium tape;
    tape.kind = QueueKind::Tape;
    tape.width = 12.7 * pointsPerMillimetre;
    tape.customLength = true;
    EXPECT_EQ(loadedMediumText(tape), QStringLiteral("12 mm tape"));
    tape.width = 19.05 * pointsPerMillimetre;
    EXPECT_EQ(loadedMediumText(tape), QStringLiteral("19 mm tape"));
    QueueMedium roll;
    roll.kind = QueueKind::Roll;
    roll.width = 53.97 * pointsPerMillimetre;
    roll.customLength = true;
    EXPECT_EQ(loadedMediumText(roll), QStringLiteral("a 54 mm roll"));
    roll.customLength = false;
    roll.maximumLength = 88.9 * pointsPerMillimetre;
    EXPECT_EQ(loadedMediumText(roll), QStringLiteral("54 × 89 mm labels"));

    EXPECT_EQ(neededMediumText(QueueKind::Tape, tapeLabel, tape), QStringLiteral("18 mm tape"));
    // A band of 90% of the label, and the roll's 1 mm margins.
    roll.printableLeft = pointsPerMillimetre;
    roll.printableRight = roll.width - pointsPerMillimetre;
    EXPECT_EQ(neededMediumText(QueueKind::Roll, rollLabel, roll),
              QStringLiteral("a roll at least 56 mm wide"));
    EXPECT_EQ(neededMediumText(QueueKind::Roll, tapeLabel, roll),
              QStringLiteral("a roll at least 16 mm wide"));
}

TEST_F(IppLabelPrinterTest, OnlyTheReasonsThatStopAJobAreTold) {
    const QStringList stopping = PrinterStateReasons::stopping(
        {"media-empty-error", "toner-low-warning", "paused", "media-empty-warning", "none"});
    EXPECT_EQ(stopping, QStringList({"media-empty", "paused"}));
    EXPECT_EQ(PrinterStateReasons::describe(stopping), QStringLiteral("out of media, paused"));
    EXPECT_EQ(
        PrinterStateReasons::notice(QStringLiteral("LW"), 12, QStringLiteral("a.jpg"),
                                    {QStringLiteral("cover-open")}),
        QStringLiteral("Printer “LW”: cover open. Job 12 (a.jpg) waits until this is seen to."));
    EXPECT_TRUE(PrinterStateReasons::stopping({"connecting-to-device", "none"}).isEmpty());
}

} // namespace
