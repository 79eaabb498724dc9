#pragma once

#include <QWidget>

#include <memory>

class PhotoList;

namespace Ui {
class PhotoListPanel;
}

// The photo list beside the label: each entry with its thumbnail, file name, title
// and label length; buttons to remove the selected entries, move the current one up
// or down and clear the list; and, while photographs are being added, a progress bar
// with a Cancel button.
class PhotoListPanel : public QWidget {
    Q_OBJECT
public:
    explicit PhotoListPanel(QWidget* parent = nullptr);
    ~PhotoListPanel() override;

    // The list shown and edited; the panel does not own it.
    void setList(PhotoList* list);
    // The current entry's row, -1 when there is none.
    int currentRow() const;
    void setCurrentRow(int row);

public slots:
    // Shows the progress bar at done of total; it hides itself once done reaches total.
    void showProgress(int done, int total);
    void hideProgress();

signals:
    // The entry whose label is to be shown changed; -1 when none is current.
    void currentEntryChanged(int row);
    // Entries were removed (also by clearing the list).
    void entriesRemoved();
    // The current entry moved to another place in the list.
    void entryMoved(int from, int to);
    // The user asked to stop adding photographs.
    void cancelRequested();

private:
    void removeSelected();
    void moveCurrent(int step);
    void clearList();
    void updateButtons();

    std::unique_ptr<Ui::PhotoListPanel> ui_;
    PhotoList* list_ = nullptr;
};
