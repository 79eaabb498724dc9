#pragma once

#include "app/PhotoEntry.h"
#include "label/CaptionSheet.h"
#include "label/LabelOptions.h"

#include <QAbstractListModel>

class LabelLayout;

#include <memory>
#include <vector>

// The photographs of an exhibition in the order they are labelled. Each row is a
// PhotoEntry; the view shows its thumbnail, file name, title and the length of its
// label, which is measured with the window's label options (medium, font, display
// settings, photographer and lens) overridden by the entry's own captions.
class PhotoList : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        PathRole = Qt::UserRole + 1,
        TitleRole,
        PhotographerRole,
        LensRole,
        FailureRole,
        // The label's length in points (double); 0 for a photograph that has no label.
        LabelWidthRole,
    };

    explicit PhotoList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The title is edited in place (Qt::EditRole or TitleRole).
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                  const QModelIndex& destinationParent, int destinationChild) override;
    QHash<int, QByteArray> roleNames() const override;

    void append(PhotoEntry entry);
    void clear();
    const PhotoEntry& entry(int row) const { return entries_.at(static_cast<std::size_t>(row)); }

    void setTitle(int row, const QString& title);
    // std::nullopt gives the row back the window's photographer or lens.
    void setPhotographer(int row, const std::optional<QString>& photographer);
    void setLens(int row, const std::optional<QString>& lens);

    // The window's label options; every label is measured again with them.
    void setLabelDefaults(const LabelOptions& defaults);
    // The options the row's label is made with: the window's, with the row's captions.
    LabelOptions labelOptions(int row) const;
    // The row's label laid out with those options; null for a photograph without one.
    std::unique_ptr<LabelLayout> labelLayout(int row) const;

    // The rows of a caption sheet of the list, in its order (empty captions left out).
    std::vector<CaptionRow> captionRows() const;
    // Entries to read for the rows of a caption sheet, captions filled in.
    static std::vector<PhotoEntry> entriesFromSheet(const std::vector<CaptionRow>& rows);

private:
    PhotoEntry& mutableEntry(int row) { return entries_.at(static_cast<std::size_t>(row)); }
    bool validRow(int row) const { return row >= 0 && row < rowCount(); }
    void measure(int row);
    void changedCaptions(int row);

    std::vector<PhotoEntry> entries_;
    // Parallel to entries_: the label length of each row in millimetres.
    std::vector<double> labelWidths_;
    LabelOptions defaults_;
};
