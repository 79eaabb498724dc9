#include "app/PhotoList.h"

#include "label/LabelLayout.h"
#include "photo/PhotoRecord.h"
#include "platform/LocalizedText.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// What measuring a row's label changes.
const QList<int> measuredRoles = {PhotoList::LabelWidthRole, PhotoList::ShortenedRole,
                                  Qt::ToolTipRole, Qt::AccessibleDescriptionRole};

} // namespace

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
        return (QStringList{photo.path} + notices(index.row())).join(QLatin1Char('\n'));
    case Qt::AccessibleTextRole:
        return photo.title.isEmpty()
                   ? QFileInfo(photo.path).fileName()
                   : QStringLiteral("%1, %2").arg(QFileInfo(photo.path).fileName(), photo.title);
    case Qt::AccessibleDescriptionRole:
        return photo.beingRead() ? localizedString(QStringLiteral("PhotoListReading"))
                                 : notices(index.row()).join(QLatin1Char(' '));
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
    case BeingReadRole:
        return photo.beingRead();
    case LabelWidthRole:
        return measures_.at(static_cast<std::size_t>(index.row())).width;
    case ShortenedRole:
        return measures_.at(static_cast<std::size_t>(index.row())).shortened;
    default:
        return {};
    }
}

Qt::ItemFlags PhotoList::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractListModel::flags(index);
    return index.isValid() ? base | Qt::ItemNeverHasChildren : base;
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
    moveBlock(measures_);
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
                  {BeingReadRole, "beingRead"},
                  {LabelWidthRole, "labelWidth"},
                  {ShortenedRole, "shortened"}});
    return names;
}

int PhotoList::insert(int row, std::vector<PhotoEntry> entries) {
    row = std::clamp(row, 0, rowCount());
    if (entries.empty())
        return row;
    std::vector<PhotoEntry> toRead;
    for (PhotoEntry& photo : entries) {
        if (photo.id == 0)
            photo.id = ++lastId_;
        if (photo.beingRead())
            toRead.push_back(photo);
    }
    const int count = static_cast<int>(entries.size());
    beginInsertRows(QModelIndex(), row, row + count - 1);
    entries_.insert(entries_.begin() + row, std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
    measures_.insert(measures_.begin() + row, static_cast<std::size_t>(count), Measure{});
    for (int inserted = row; inserted < row + count; ++inserted)
        measure(inserted);
    endInsertRows();
    if (!toRead.empty())
        emit entriesToRead(toRead);
    return row;
}

std::vector<PhotoEntry> PhotoList::take(int row, int count) {
    if (count <= 0 || row < 0 || row + count > rowCount())
        return {};
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    const auto first = entries_.begin() + row;
    std::vector<PhotoEntry> taken(std::make_move_iterator(first),
                                  std::make_move_iterator(first + count));
    entries_.erase(first, first + count);
    measures_.erase(measures_.begin() + row, measures_.begin() + row + count);
    endRemoveRows();
    return taken;
}

int PhotoList::rowOf(quint64 id) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [id](const PhotoEntry& photo) { return photo.id == id; });
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

void PhotoList::setRead(quint64 id, PhotoEntry read) {
    const int row = rowOf(id);
    if (row < 0)
        return;
    PhotoEntry& photo = mutableEntry(row);
    photo.record = std::move(read.record);
    photo.failure = read.failure;
    photo.thumbnail = read.thumbnail;
    if (photo.title.isEmpty())
        photo.title = read.title;
    changed(row, {Qt::DisplayRole, Qt::DecorationRole, Qt::ToolTipRole, TitleRole, FailureRole,
                  BeingReadRole});
}

void PhotoList::setTitle(int row, const QString& title) {
    if (!validRow(row) || entry(row).title == title)
        return;
    mutableEntry(row).title = title;
    changed(row, {TitleRole, Qt::AccessibleTextRole});
}

void PhotoList::setPhotographer(int row, const std::optional<QString>& photographer) {
    if (!validRow(row) || entry(row).photographer == photographer)
        return;
    mutableEntry(row).photographer = photographer;
    changed(row, {PhotographerRole});
}

void PhotoList::setLens(int row, const std::optional<QString>& lens) {
    if (!validRow(row) || entry(row).lens == lens)
        return;
    mutableEntry(row).lens = lens;
    changed(row, {LensRole});
}

void PhotoList::setLabelDefaults(const LabelOptions& defaults) {
    defaults_ = defaults;
    for (int row = 0; row < rowCount(); ++row)
        measure(row);
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), measuredRoles);
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

std::unique_ptr<LabelLayout> PhotoList::labelLayout(int row) const {
    const PhotoEntry& photo = entry(row);
    if (!photo.record)
        return nullptr;
    const LabelOptions options = labelOptions(row);
    std::unique_ptr<LabelLayout> layout = makeLabelLayout(options);
    showPhotograph(*layout, options, photo.record.get());
    return layout;
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
    std::vector<PhotoEntry> entries;
    for (const CaptionRow& row : rows)
        entries.push_back({.path = row.file,
                           .title = row.title.value_or(QString()),
                           .photographer = row.photographer,
                           .lens = row.lens});
    return entries;
}

std::vector<PhotoEntry> PhotoList::entriesFor(const QStringList& paths) {
    std::vector<PhotoEntry> entries;
    for (const QString& path : paths)
        entries.push_back({.path = path});
    return entries;
}

void PhotoList::measure(int row) {
    Measure& measure = measures_.at(static_cast<std::size_t>(row));
    measure = {};
    const std::unique_ptr<LabelLayout> layout = labelLayout(row);
    if (!layout)
        return;
    measure.width = layout->labelSize().width();
    const QString name = QFileInfo(entry(row).path).fileName();
    for (const ShortenedText& text : layout->shortenedTexts())
        measure.shortened << shortenedTextNotice(name, text);
}

QStringList PhotoList::notices(int row) const {
    const PhotoEntry& photo = entry(row);
    if (!photo.failure.isEmpty())
        return {photo.failure};
    return measures_.at(static_cast<std::size_t>(row)).shortened;
}

void PhotoList::changed(int row, const QList<int>& roles) {
    measure(row);
    const QModelIndex at = index(row);
    emit dataChanged(at, at, roles + measuredRoles);
}
