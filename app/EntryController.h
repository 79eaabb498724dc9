#pragma once

#include <QObject>

class MainWindow;
class PhotoList;
class QUndoStack;

// Shows the entry the user selected in the photo list: its label in the preview (or,
// for a photograph still being read or that cannot be read, a message saying so), its
// captions in the fields and its file name in the window title. What is typed in the
// fields, and the lens chosen, edit that entry alone, as edits Edit > Undo takes back.
// Without a photograph the preview says what to do and nothing can be printed.
class EntryController : public QObject {
    Q_OBJECT

public:
    EntryController(PhotoList& list, QUndoStack& edits, MainWindow& window,
                    QObject* parent = nullptr);

    // The row whose entry is shown, -1 when none is.
    int currentRow() const;
    // Makes the row the selected one.
    void select(int row);

public slots:
    void editTitle(const QString& title);
    void editPhotographer(const QString& name);
    void chooseLens(const QString& name);

private:
    void show();
    // The row shown when it holds a readable photograph, otherwise -1.
    int readableRow() const;
    void showCurrentIfChanged(int first, int last);

    PhotoList& list_;
    QUndoStack& edits_;
    MainWindow& window_;
    // Typing sessions: edits of one session merge into one undo step.
    int session_ = 0;
};
