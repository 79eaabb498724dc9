#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

// A text with the attributes a label draws it with: its font and, for a block of
// several rows, an optional fixed row height. Widths are the widths of single lines
// in points, kept as 32-bit floats as the label arithmetic uses them.
class AttributedText {
public:
    AttributedText() = default;
    AttributedText(QString string, QFont font);

    const QString& string() const { return string_; }
    const QFont& font() const { return font_; }
    std::optional<qreal> fixedRowHeight() const { return fixedRowHeight_; }

    // Replaces the whole text and sets the font over it; any row height goes, as a
    // fresh set of attributes replaces the earlier ones.
    void assign(const QString& string, const QFont& font);
    // Sets the font over the whole text, replacing every earlier attribute.
    void setAttributes(const QFont& font);
    // Gives every row exactly this height (minimum and maximum line height alike).
    void setFixedRowHeight(qreal height) { fixedRowHeight_ = height; }

    // The rows of the text: it is split at carriage returns and line feeds.
    QStringList rows() const;
    // The width of the widest row, in points.
    float width() const;
    // The height of one row: the fixed row height when there is one, else the font's
    // line spacing.
    qreal rowHeight() const;
    // The distance from the bottom of a row's line box up to its baseline.
    qreal descent() const;
    // The height of each row's baseline, first row first, for a block whose lower edge
    // is at bottom (y upwards).
    QList<qreal> baselines(qreal bottom) const;
    // The rectangle the glyphs cover when the lower-left corner of the block is at the
    // point (y upwards); empty when nothing is drawn.
    QRectF inkAt(const QPointF& lowerLeft) const;

private:
    QString string_;
    QFont font_;
    std::optional<qreal> fixedRowHeight_;
};

// The rows of a text: it is split at carriage returns and line feeds.
QStringList rowsOf(const QString& text);

// Keeps the widest of several widths. A width replaces the running value only when
// it is strictly wider, and every width is a 32-bit float.
class RunningMaximum {
public:
    void consider(float width) {
        if (width > value_)
            value_ = width;
    }
    float value() const { return value_; }

private:
    float value_ = 0.0f;
};
