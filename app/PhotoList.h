#pragma once

#include "app/PhotoEntry.h"
#include "label/CaptionSheet.h"
#include "label/LabelOptions.h"

#include <QAbstractListModel>

#include <memory>
#include <optional>
#include <vector>

class LabelLayout;

// The photographs of an exhibition in the order they are labelled: the photographer's
// document. Each row is a PhotoEntry; the view shows its thumbnail, file name, title and
// the length of its label, which is measured with the window's label options (medium,
// font, display settings, photographer and lens) overridden by the entry's own captions,
// and whether the label had to shorten any of its texts.
class PhotoList : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        PathRole = Qt::UserRole + 1,
        TitleRole,
        PhotographerRole,
        LensRole,
        FailureRole,
        // True while the photograph is being read.
        BeingReadRole,
        // The label's length in points (double); 0 for a photograph that has no label.
        LabelWidthRole,
        // The notices of the texts the label shows shortened (QStringList); empty when
        // every text fits.
        ShortenedRole,
    };

    explicit PhotoList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                  const QModelIndex& destinationParent, int destinationChild) override;
    QHash<int, QByteArray> roleNames() const override;

    // Inserts the entries before row (rowCount() appends); entries without an id get a
    // new one. Answers the first inserted row.
    int insert(int row, std::vector<PhotoEntry> entries);
    int append(std::vector<PhotoEntry> entries) { return insert(rowCount(), std::move(entries)); }
    // Removes count rows from row on and gives them back as they were.
    std::vector<PhotoEntry> take(int row, int count);

    const PhotoEntry& entry(int row) const { return entries_.at(static_cast<std::size_t>(row)); }
    // The row of the entry with the id; -1 when it is no longer listed.
    int rowOf(quint64 id) const;

    // What reading the photograph of an entry found: its record and thumbnail, or why it
    // could not be read. A title read from the photograph is taken only while the
    // entry still has none.
    void setRead(quint64 id, PhotoEntry read);

    void setTitle(int row, const QString& title);
    // std::nullopt gives the row back the window's photographer or lens.
    void setPhotographer(int row, const std::optional<QString>& photographer);
    void setLens(int row, const std::optional<QString>& lens);

    // The window's label options; every label is measured again with them.
    void setLabelDefaults(const LabelOptions& defaults);
    const LabelOptions& labelDefaults() const { return defaults_; }
    // The options the row's label is made with: the window's, with the row's captions.
    LabelOptions labelOptions(int row) const;
    // The row's label laid out with those options; null for a photograph without one.
    std::unique_ptr<LabelLayout> labelLayout(int row) const;

    // The rows of a caption sheet of the list, in its order (empty captions left out).
    std::vector<CaptionRow> captionRows() const;
    // Entries to read for the rows of a caption sheet, captions filled in.
    static std::vector<PhotoEntry> entriesFromSheet(const std::vector<CaptionRow>& rows);
    // Entries to read for photographs given by their paths.
    static std::vector<PhotoEntry> entriesFor(const QStringList& paths);

signals:
    // Entries that still have to be read joined the list.
    void entriesToRead(const std::vector<PhotoEntry>& entries);

private:
    PhotoEntry& mutableEntry(int row) { return entries_.at(static_cast<std::size_t>(row)); }
    bool validRow(int row) const { return row >= 0 && row < rowCount(); }
    void measure(int row);
    // What the row's tooltip and description tell beside its path: why the photograph
    // cannot be read, or which texts its label shortens.
    QStringList notices(int row) const;
    void changed(int row, const QList<int>& roles);

    std::vector<PhotoEntry> entries_;
    // What measuring a row's label found.
    struct Measure {
        double width = 0.0;
        QStringList shortened;
    };
    // Parallel to entries_.
    std::vector<Measure> measures_;
    LabelOptions defaults_;
    quint64 lastId_ = 0;
};
