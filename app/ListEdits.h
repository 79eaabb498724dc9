#pragma once

#include <QUndoCommand>

#include <optional>
#include <vector>

#include "app/PhotoEntry.h"

class PhotoList;

// The photographer's edits of the photo list, as Edit > Undo takes them back and Redo
// repeats them. Each finds its entries by their ids, wherever they have moved since.
namespace ListEdits {

enum class Caption { Title, Photographer, Lens };

// A caption of one entry set; nullopt gives a photographer or lens back to the default.
// Typing in one field is one edit until the user leaves the field or picks another
// entry: edits of the same entry, caption and typing session merge.
class EditCaption : public QUndoCommand {
public:
    EditCaption(PhotoList& list, quint64 entry, Caption caption, std::optional<QString> value,
                int session);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    void set(const std::optional<QString>& value);

    PhotoList& list_;
    quint64 entry_;
    Caption caption_;
    std::optional<QString> before_;
    std::optional<QString> after_;
    int session_;
};

// Entries taken out of the list (Remove, Clear List, or the photographs a cancelled
// reading left unread); undone, they return to their places.
class RemoveEntries : public QUndoCommand {
public:
    RemoveEntries(PhotoList& list, std::vector<quint64> entries, const QString& text);

    void undo() override;
    void redo() override;

private:
    PhotoList& list_;
    std::vector<quint64> ids_;
    // The removed entries with the rows they stood at, top to bottom.
    std::vector<std::pair<int, PhotoEntry>> removed_;
};

// One entry moved up or down by one place.
class MoveEntry : public QUndoCommand {
public:
    MoveEntry(PhotoList& list, quint64 entry, int step);

    void undo() override;
    void redo() override;

private:
    void move(int step);

    PhotoList& list_;
    quint64 entry_;
    int step_;
};

} // namespace ListEdits
