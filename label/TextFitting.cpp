#include "label/TextFitting.h"

#include "platform/FontCatalogue.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

namespace TextFitting {

namespace {

// How far the glyphs of a row reach right of where it starts, in points.
qreal inkReach(const QString& row, const QFont& font) {
    return FontCatalogue::textOutline(row, font).boundingRect().right();
}

QString withoutTrailingSpaces(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

// The positions between the characters of the text as a reader sees them (a letter
// with its accents, a pair of surrogates), from the first after the start to the end.
QList<qsizetype> characterEnds(const QString& text) {
    QList<qsizetype> ends;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype end = characters.toNextBoundary(); end > 0; end = characters.toNextBoundary())
        ends.append(end);
    return ends;
}

// The positions of the spaces in the text that follow something else.
QList<qsizetype> spaceStarts(const QString& text) {
    QList<qsizetype> starts;
    for (qsizetype at = 1; at < text.size(); ++at)
        if (text.at(at).isSpace() && !text.at(at - 1).isSpace())
            starts.append(at);
    return starts;
}

// The last of the ends (in increasing order) at which the text made of it fits room;
// -1 at none. Advances grow with the text, so the search runs on them; the ink, which
// may reach a little beyond the advance, is then checked from there back.
template <typename TextAt>
qsizetype lastFitting(const QList<qsizetype>& ends, const TextAt& textAt, const QFont& font,
                      qreal room) {
    qsizetype low = 0;
    qsizetype high = ends.size();
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (FontCatalogue::textWidth(textAt(ends.at(middle)), font) <= room)
            low = middle + 1;
        else
            high = middle;
    }
    qsizetype last = low - 1;
    while (last >= 0 && !fits(textAt(ends.at(last)), font, room))
        --last;
    return last;
}

bool allFit(const QStringList& rows, const QFont& font, qreal room) {
    return std::all_of(rows.begin(), rows.end(),
                       [&](const QString& row) { return fits(row, font, room); });
}

// The longest start of the row, followed by an ellipsis, that fits.
QString shortenedToFit(const QString& row, const QFont& font, qreal room) {
    const auto shortened = [&row](qsizetype end) {
        return withoutTrailingSpaces(row.left(end)) + ellipsis;
    };
    const QList<qsizetype> ends = characterEnds(row);
    const qsizetype last = lastFitting(ends, shortened, font, room);
    return shortened(last < 0 ? 0 : ends.at(last));
}

} // namespace

qreal reach(const QString& row, const QFont& font) {
    if (row.isEmpty())
        return 0;
    return std::max(FontCatalogue::textWidth(row, font), inkReach(row, font));
}

bool fits(const QString& row, const QFont& font, qreal room) {
    const qreal advance = FontCatalogue::textWidth(row, font);
    if (advance > room)
        return false;
    // Glyphs reach past the advance by less than the size, so the ink needs measuring
    // only near the end of the room.
    return advance + font.pointSizeF() <= room || inkReach(row, font) <= room;
}

Fitted fit(const QStringList& rows, const QFont& font, qreal room) {
    Fitted fitted{font, rows, QList<bool>(rows.size(), false)};
    if (allFit(rows, font, room))
        return fitted;
    // Widths grow with the size, so the size that fits is found from the widest row,
    // then stepped down while rounding leaves a row too wide.
    qreal widestRow = 0;
    for (const QString& row : rows)
        widestRow = std::max(widestRow, reach(row, font));
    const qreal steps = font.pointSizeF() * sizeStepsPerPoint;
    const auto smallest = static_cast<int>(std::ceil(steps * smallestScale - 1e-9));
    auto fitting = static_cast<int>(std::floor(steps * room / widestRow));
    const auto setSize = [&] {
        fitted.font.setPointSizeF(static_cast<qreal>(std::max(fitting, smallest)) /
                                  sizeStepsPerPoint);
    };
    setSize();
    while (fitting > smallest && !allFit(rows, fitted.font, room)) {
        --fitting;
        setSize();
    }
    for (qsizetype index = 0; index < rows.size(); ++index) {
        if (fits(rows.at(index), fitted.font, room))
            continue;
        fitted.rows[index] = shortenedToFit(rows.at(index), fitted.font, room);
        fitted.shortened[index] = true;
    }
    return fitted;
}

qsizetype longestFittingStart(const QString& text, const QFont& font, qreal room, bool atSpace) {
    const auto start = [&text](qsizetype end) { return withoutTrailingSpaces(text.left(end)); };
    if (atSpace) {
        const QList<qsizetype> starts = spaceStarts(text);
        if (const qsizetype last = lastFitting(starts, start, font, room); last >= 0)
            return starts.at(last);
    }
    const QList<qsizetype> ends = characterEnds(text);
    const qsizetype last = lastFitting(ends, start, font, room);
    return last < 0 ? 0 : ends.at(last);
}

} // namespace TextFitting
