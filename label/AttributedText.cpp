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

QStringList AttributedText::rows() const {
    static const QRegularExpression rowBreak(QStringLiteral("\r\n|\r|\n|\u2028|\u2029"));
    return string_.split(rowBreak);
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
