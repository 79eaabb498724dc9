#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Texts fitted into the room a label has for them, measured with the fonts they are
// drawn in. A text wider than its room is first set smaller, down to smallestScale of
// its size, and then, still too wide, shortened with an ellipsis.
namespace TextFitting {

// The smallest a text is set, as a share of its own size.
inline constexpr qreal smallestScale = 0.7;
// Sizes are set in tenths of a point.
inline constexpr int sizeStepsPerPoint = 10;
inline const QString ellipsis = QStringLiteral("\u2026");

// How far a row reaches right of where it starts, in points: its advance, or its ink
// where a glyph reaches beyond its advance.
qreal reach(const QString& row, const QFont& font);
// Whether the row reaches no further than room, measuring its ink only where it may
// matter.
bool fits(const QString& row, const QFont& font, qreal room);

// The rows of a text drawn in one font, as they fit: the font, maybe smaller, and each
// row, maybe shortened.
struct Fitted {
    QFont font;
    QStringList rows;
    // For each row, whether it had to be shortened.
    QList<bool> shortened;
};

// Fits the rows into room points.
Fitted fit(const QStringList& rows, const QFont& font, qreal room);

// The length of the longest start of text that reaches no further than room in font,
// ending between two characters as a reader sees them; with atSpace, the longest that
// ends before a space, when there is one.
qsizetype longestFittingStart(const QString& text, const QFont& font, qreal room, bool atSpace);

} // namespace TextFitting
