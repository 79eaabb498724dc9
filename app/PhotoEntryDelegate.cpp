#include "app/PhotoEntryDelegate.h"

#include "app/PhotoIntake.h"
#include "app/PhotoList.h"
#include "label/RulerLayout.h"
#include "label/TapeLength.h"
#include "platform/LocalizedText.h"

#include <QApplication>
#include <QPainter>

namespace {

constexpr int padding = 4;
constexpr int thumbnailColumn = PhotoIntake::thumbnailHeight;

// The rectangle of the two text lines: right of the thumbnail column, centred on it.
QRect textArea(const QRect& item, int lineHeight) {
    const QRect right =
        item.adjusted(padding + thumbnailColumn + padding, padding, -padding, -padding);
    return {right.left(), right.center().y() - lineHeight, right.width(), 2 * lineHeight};
}

QString secondLine(const QModelIndex& index, bool metric) {
    if (index.data(PhotoList::BeingReadRole).toBool())
        return localizedString(QStringLiteral("PhotoListReading"));
    const QString failure = index.data(PhotoList::FailureRole).toString();
    if (!failure.isEmpty())
        return failure;
    QString title = index.data(PhotoList::TitleRole).toString();
    if (title.isEmpty())
        title = localizedString(QStringLiteral("PhotoListNoTitle"));
    const QString line = localizedText(
        QStringLiteral("PhotoListTitleAndLength"),
        {title, labelLengthText(index.data(PhotoList::LabelWidthRole).toDouble(), metric)});
    if (index.data(PhotoList::ShortenedRole).toStringList().isEmpty())
        return line;
    return localizedText(QStringLiteral("PhotoListShortened"), {line});
}

} // namespace

PhotoEntryDelegate::PhotoEntryDelegate(QObject* parent)
    : QStyledItemDelegate(parent), metric_(RulerLayout::systemUsesMetric()) {}

void PhotoEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    // The frame, selection and hover only, each across the whole row; the entry's own
    // parts are drawn below.
    item.text.clear();
    item.icon = QIcon();
    item.features &= ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration);
    item.showDecorationSelected = true;
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    painter->save();
    const QImage thumbnail = qvariant_cast<QImage>(index.data(Qt::DecorationRole));
    const QRect column(option.rect.left() + padding, option.rect.top() + padding, thumbnailColumn,
                       thumbnailColumn);
    // A photograph that cannot be read is marked where its thumbnail would be.
    if (!index.data(PhotoList::FailureRole).toString().isEmpty()) {
        const int side = thumbnailColumn / 2;
        QRect mark(0, 0, side, side);
        mark.moveCenter(column.center());
        style->standardIcon(QStyle::SP_MessageBoxWarning, &item, item.widget).paint(painter, mark);
    } else if (!thumbnail.isNull()) {
        const QSize shown =
            thumbnail.size().scaled(thumbnailColumn, thumbnailColumn, Qt::KeepAspectRatio);
        QRect target(QPoint(), shown);
        target.moveCenter(column.center());
        painter->drawImage(target, thumbnail);
    }
    // A label that shows some of its texts shortened is marked on the thumbnail's corner.
    if (!index.data(PhotoList::ShortenedRole).toStringList().isEmpty()) {
        const int side = thumbnailColumn / 3;
        const QRect mark(column.right() - side + 1, column.bottom() - side + 1, side, side);
        style->standardIcon(QStyle::SP_MessageBoxInformation, &item, item.widget)
            .paint(painter, mark);
    }

    const bool selected = option.state & QStyle::State_Selected;
    const int lineHeight = option.fontMetrics.height();
    const QRect text = textArea(option.rect, lineHeight);
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QString fileName = index.data(Qt::DisplayRole).toString();
    painter->drawText(QRect(text.topLeft(), QSize(text.width(), lineHeight)), Qt::AlignLeft,
                      QFontMetrics(bold).elidedText(fileName, Qt::ElideMiddle, text.width()));
    painter->setFont(option.font);
    if (!selected)
        painter->setPen(option.palette.color(QPalette::PlaceholderText));
    painter->drawText(
        QRect(text.left(), text.top() + lineHeight, text.width(), lineHeight), Qt::AlignLeft,
        option.fontMetrics.elidedText(secondLine(index, metric_), Qt::ElideRight, text.width()));
    painter->restore();
}

QSize PhotoEntryDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    const int lines = 2 * option.fontMetrics.height();
    return {thumbnailColumn * 3, std::max(thumbnailColumn, lines) + 2 * padding};
}
