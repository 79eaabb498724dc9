#pragma once

#include <QStyledItemDelegate>

// Draws a photo list entry on two lines beside its thumbnail: the file name, then the
// title and the label's length, or that the photograph is being read, or why it could
// not be read.
class PhotoEntryDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Lengths are told in millimetres or inches as the user's locale measures.
    explicit PhotoEntryDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    bool metric_;
};
