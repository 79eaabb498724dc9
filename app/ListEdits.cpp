#include "app/ListEdits.h"

#include "app/PhotoList.h"
#include "platform/LocalizedText.h"

#include <algorithm>

namespace ListEdits {

namespace {

// The QUndoCommand id under which caption edits merge.
constexpr int captionEditId = 1;

QString captionText(Caption caption) {
    switch (caption) {
    case Caption::Title:
        return localizedString(QStringLiteral("editTitleUndo"));
    case Caption::Photographer:
        return localizedString(QStringLiteral("editPhotographerUndo"));
    case Caption::Lens:
        return localizedString(QStringLiteral("chooseLensUndo"));
    }
    return {};
}

std::optional<QString> captionOf(const PhotoEntry& entry, Caption caption) {
    switch (caption) {
    case Caption::Title:
        return entry.title;
    case Caption::Photographer:
        return entry.photographer;
    case Caption::Lens:
        return entry.lens;
    }
    return {};
}

} // namespace

EditCaption::EditCaption(PhotoList& list, quint64 entry, Caption caption,
                         std::optional<QString> value, int session)
    : QUndoCommand(captionText(caption)), list_(list), entry_(entry), caption_(caption),
      after_(std::move(value)), session_(session) {
    const int row = list_.rowOf(entry_);
    if (row >= 0)
        before_ = captionOf(list_.entry(row), caption_);
}

void EditCaption::undo() {
    set(before_);
}

void EditCaption::redo() {
    set(after_);
}

void EditCaption::set(const std::optional<QString>& value) {
    const int row = list_.rowOf(entry_);
    if (row < 0)
        return;
    switch (caption_) {
    case Caption::Title:
        list_.setTitle(row, value.value_or(QString()));
        break;
    case Caption::Photographer:
        list_.setPhotographer(row, value);
        break;
    case Caption::Lens:
        list_.setLens(row, value);
        break;
    }
}

int EditCaption::id() const {
    return captionEditId;
}

bool EditCaption::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const EditCaption*>(other);
    if (next->entry_ != entry_ || next->caption_ != caption_ || next->session_ != session_)
        return false;
    after_ = next->after_;
    return true;
}

RemoveEntries::RemoveEntries(PhotoList& list, std::vector<quint64> entries, const QString& text)
    : QUndoCommand(text), list_(list), ids_(std::move(entries)) {}

// From the bottom up, so that the rows still to remove keep their numbers.
void RemoveEntries::redo() {
    std::vector<int> rows;
    for (const quint64 id : ids_)
        if (const int row = list_.rowOf(id); row >= 0)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end(), std::greater<>());
    removed_.clear();
    for (const int row : rows)
        removed_.emplace_back(row, std::move(list_.take(row, 1).front()));
    std::reverse(removed_.begin(), removed_.end());
}

// From the top down, each to the row it stood at.
void RemoveEntries::undo() {
    for (auto& [row, entry] : removed_)
        list_.insert(row, {entry});
    removed_.clear();
}

MoveEntry::MoveEntry(PhotoList& list, quint64 entry, int step)
    : QUndoCommand(localizedString(QStringLiteral("moveUndo"))), list_(list), entry_(entry),
      step_(step) {}

void MoveEntry::undo() {
    move(-step_);
}

void MoveEntry::redo() {
    move(step_);
}

void MoveEntry::move(int step) {
    const int from = list_.rowOf(entry_);
    const int to = from + step;
    if (from < 0 || to < 0 || to >= list_.rowCount())
        return;
    // moveRows names the row the moved one goes before.
    list_.moveRow(QModelIndex(), from, QModelIndex(), step > 0 ? to + 1 : to);
}

} // namespace ListEdits
