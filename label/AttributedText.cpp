#include "label/AttributedText.h"

#include "platform/FontCatalogue.h"

#include <QRegularExpression>

AttributedText::AttributedText(QString string, QFont font)
    : string_(std::move(string)), font_(std::move(font)) {}

void AttributedText::assign(const QString& string, const QFont& font) {
    string_ = string;
    setAttributes(font);
}

void AttributedText::setAttributes(const QFont& font) {
    font_ = font;
    fixedRowHeight_.reset();
}

QStringList rowsOf(const QString& text) {
    static const QRegularExpression rowBreak(QStringLiteral("\r\n|\r|\n|\u2028|\u2029"));
    return text.split(rowBreak);
}

QStringList AttributedText::rows() const {
    return rowsOf(string_);
}

float AttributedText::width() const {
    RunningMaximum widest;
    for (const QString& row : rows())
        widest.consider(static_cast<float>(FontCatalogue::textWidth(row, font_)));
    return widest.value();
}

qreal AttributedText::rowHeight() const {
    if (fixedRowHeight_)
        return *fixedRowHeight_;
    return FontCatalogue::metricsInPoints(font_).lineSpacing();
}

qreal AttributedText::descent() const {
    return FontCatalogue::metricsInPoints(font_).descent();
}

QList<qreal> AttributedText::baselines(qreal bottom) const {
    const qsizetype count = rows().size();
    QList<qreal> heights;
    for (qsizetype row = 0; row < count; ++row)
        heights.append(bottom + static_cast<qreal>(count - 1 - row) * rowHeight() + descent());
    return heights;
}

QRectF AttributedText::inkAt(const QPointF& lowerLeft) const {
    const QStringList lines = rows();
    const QList<qreal> heights = baselines(lowerLeft.y());
    QRectF ink;
    for (qsizetype row = 0; row < lines.size(); ++row) {
        // The outline has its baseline at 0 and y downwards.
        const QRectF glyphs = FontCatalogue::textOutline(lines.at(row), font_).boundingRect();
        if (!glyphs.isEmpty())
            ink |= QRectF(lowerLeft.x() + glyphs.left(), heights.at(row) - glyphs.bottom(),
                          glyphs.width(), glyphs.height());
    }
    return ink;
}
