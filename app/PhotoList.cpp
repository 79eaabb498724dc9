#include "app/PhotoList.h"

#include "label/LabelLayout.h"
#include "label/TapeLength.h"
#include "photo/PhotoRecord.h"

#include <QFileInfo>

#include <algorithm>

PhotoList::PhotoList(QObject* parent) : QAbstractListModel(parent) {}

int PhotoList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant PhotoList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !validRow(index.row()))
        return {};
    const PhotoEntry& photo = entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QFileInfo(photo.path).fileName();
    case Qt::DecorationRole:
        return photo.thumbnail;
    case Qt::ToolTipRole:
        return photo.failure.isEmpty() ? photo.path
                                       : photo.path + QLatin1Char('\n') + photo.failure;
    case Qt::EditRole:
    case TitleRole:
        return photo.title;
    case PathRole:
        return photo.path;
    case PhotographerRole:
        return photo.photographer ? QVariant(*photo.photographer) : QVariant();
    case LensRole:
        return photo.lens ? QVariant(*photo.lens) : QVariant();
    case FailureRole:
        return photo.failure;
    case LabelWidthRole:
        return labelWidths_.at(static_cast<std::size_t>(index.row()));
    default:
        return {};
    }
}

bool PhotoList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !validRow(index.row()) || (role != Qt::EditRole && role != TitleRole))
        return false;
    setTitle(index.row(), value.toString());
    return true;
}

Qt::ItemFlags PhotoList::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractListModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsEditable | Qt::ItemNeverHasChildren : base;
}

bool PhotoList::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count <= 0 || row < 0 || row + count > rowCount())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    entries_.erase(entries_.begin() + row, entries_.begin() + row + count);
    labelWidths_.erase(labelWidths_.begin() + row, labelWidths_.begin() + row + count);
    endRemoveRows();
    return true;
}

bool PhotoList::moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                         const QModelIndex& destinationParent, int destinationChild) {
    if (sourceParent.isValid() || destinationParent.isValid() || count <= 0 || sourceRow < 0 ||
        sourceRow + count > rowCount() || destinationChild < 0 || destinationChild > rowCount() ||
        (destinationChild >= sourceRow && destinationChild <= sourceRow + count))
        return false;
    beginMoveRows(QModelIndex(), sourceRow, sourceRow + count - 1, QModelIndex(), destinationChild);
    const auto moveBlock = [&](auto& rows) {
        const auto first = rows.begin() + sourceRow;
        const auto last = first + count;
        if (destinationChild < sourceRow)
            std::rotate(rows.begin() + destinationChild, first, last);
        else
            std::rotate(first, last, rows.begin() + destinationChild);
    };
    moveBlock(entries_);
    moveBlock(labelWidths_);
    endMoveRows();
    return true;
}

QHash<int, QByteArray> PhotoList::roleNames() const {
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert({{PathRole, "path"},
                  {TitleRole, "title"},
                  {PhotographerRole, "photographer"},
                  {LensRole, "lens"},
                  {FailureRole, "failure"},
                  {LabelWidthRole, "labelWidth"}});
    return names;
}

void PhotoList::append(PhotoEntry photo) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    entries_.push_back(std::move(photo));
    labelWidths_.push_back(0);
    measure(row);
    endInsertRows();
}

void PhotoList::clear() {
    beginResetModel();
    entries_.clear();
    labelWidths_.clear();
    endResetModel();
}

void PhotoList::setTitle(int row, const QString& title) {
    if (!validRow(row) || entry(row).title == title)
        return;
    mutableEntry(row).title = title;
    changedCaptions(row);
}

void PhotoList::setPhotographer(int row, const std::optional<QString>& photographer) {
    if (!validRow(row) || entry(row).photographer == photographer)
        return;
    mutableEntry(row).photographer = photographer;
    changedCaptions(row);
}

void PhotoList::setLens(int row, const std::optional<QString>& lens) {
    if (!validRow(row) || entry(row).lens == lens)
        return;
    mutableEntry(row).lens = lens;
    changedCaptions(row);
}

void PhotoList::setLabelDefaults(const LabelOptions& defaults) {
    defaults_ = defaults;
    for (int row = 0; row < rowCount(); ++row)
        measure(row);
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {LabelWidthRole});
}

LabelOptions PhotoList::labelOptions(int row) const {
    LabelOptions options = defaults_;
    const PhotoEntry& photo = entry(row);
    if (!photo.title.isEmpty())
        options.title = photo.title;
    if (photo.photographer)
        options.photographer = *photo.photographer;
    if (photo.lens)
        options.lens = photo.lens;
    return options;
}

std::vector<CaptionRow> PhotoList::captionRows() const {
    std::vector<CaptionRow> rows;
    for (const PhotoEntry& photo : entries_) {
        CaptionRow row;
        row.row = static_cast<int>(rows.size()) + 2;
        row.file = photo.path;
        if (!photo.title.isEmpty())
            row.title = photo.title;
        row.photographer = photo.photographer;
        row.lens = photo.lens;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<PhotoEntry> PhotoList::entriesFromSheet(const std::vector<CaptionRow>& rows) {
    std::vector<PhotoEntry> pending;
    for (const CaptionRow& row : rows)
        pending.push_back({.path = row.file,
                           .title = row.title.value_or(QString()),
                           .photographer = row.photographer,
                           .lens = row.lens});
    return pending;
}

std::unique_ptr<LabelLayout> PhotoList::labelLayout(int row) const {
    const PhotoEntry& photo = entry(row);
    if (!photo.record)
        return nullptr;
    const LabelOptions options = labelOptions(row);
    std::unique_ptr<LabelLayout> layout = makeLabelLayout(options);
    showPhotograph(*layout, options, photo.record.get());
    return layout;
}

void PhotoList::measure(int row) {
    const std::unique_ptr<LabelLayout> layout = labelLayout(row);
    labelWidths_.at(static_cast<std::size_t>(row)) = layout ? layout->labelSize().width() : 0.0;
}

void PhotoList::changedCaptions(int row) {
    measure(row);
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed,
                     {Qt::EditRole, TitleRole, PhotographerRole, LensRole, LabelWidthRole});
}
