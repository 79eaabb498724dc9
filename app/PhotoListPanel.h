#pragma once

#include <QWidget>

#include <memory>

class PhotoList;

namespace Ui {
class PhotoListPanel;
}

// The photo list beside the label: each entry with its thumbnail, file name, title
// and label length; buttons that ask to remove the selected entries, move the current
// one up or down and clear the list; and, while photographs are being read, a progress
// bar with a Cancel button. The panel shows the list; its edits are the controller's.
class PhotoListPanel : public QWidget {
    Q_OBJECT
public:
    explicit PhotoListPanel(QWidget* parent = nullptr);
    ~PhotoListPanel() override;

    // The list shown; the panel does not own it.
    void setList(PhotoList* list);
    // Remove, Move Up, Move Down and Clear List, for the window's menu as well.
    QList<QAction*> editActions() const;
    // The current entry's row, -1 when there is none.
    int currentRow() const;
    void setCurrentRow(int row);

public slots:
    // Shows the progress bar at done of total, until hideProgress().
    void showProgress(int done, int total);
    void hideProgress();

signals:
    // The entry whose label is to be shown changed; -1 when none is current.
    void currentEntryChanged(int row);
    // The user asked to remove the selected rows, to move the current row one place
    // (step -1 up, 1 down), or to clear the list.
    void removeRequested(const QList<int>& rows);
    void moveRequested(int row, int step);
    void clearRequested();
    // The user asked to stop reading photographs.
    void cancelRequested();

private:
    void updateButtons();

    std::unique_ptr<Ui::PhotoListPanel> ui_;
    PhotoList* list_ = nullptr;
};
