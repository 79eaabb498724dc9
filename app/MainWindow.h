#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <optional>

class LabelLayout;
class LabelPreview;
class PhotoListPanel;
class QUndoStack;

namespace Ui {
class MainWindow;
}

// How the window was left: its place and size, the split between the photo list and
// the preview, and the zoom (none: Fit to Window).
struct WindowLayout {
    QByteArray geometry;
    QByteArray splitter;
    std::optional<double> zoom;
};

// What the caption fields show for the selected photograph.
struct CaptionFields {
    QString title;
    // The entry's own photographer; empty when it takes the default.
    QString photographer;
    // The default photographer, shown greyed while the field is empty.
    QString defaultPhotographer;
    // The lens the entry is labelled with.
    QString lens;
    // False while no readable photograph is selected: the fields are empty then.
    bool editable = false;
};

// The main window: the menus, the photo list, the label preview, the lens box, the
// caption fields and the print button, laid out and coloured as the interface file
// describes. It tells what the user asks for through its signals and shows what it is
// given through its setters. The splitter at the top holds the photo list, shown while
// it holds several photographs, and the preview; the tape length of the label is shown
// beside the print button.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The preview: a label (the window keeps it), or a message in its place.
    void showLabel(std::unique_ptr<LabelLayout> label);
    void showMessage(const QString& message);
    // The label shown; null while a message is shown.
    const LabelLayout* shownLabel() const;
    // Whether lengths are told in millimetres (otherwise inches), as the ruler measures.
    bool metric() const;

    // The lens box: its list, and the name it shows.
    void setLensNames(const QStringList& names);
    void showLensName(const QString& name);
    QString lensName() const;
    void setDeleteLensEnabled(bool enabled);

    void showCaptions(const CaptionFields& fields);
    void setPrintingEnabled(bool enabled);
    // The photo list pane, and whether it shows.
    PhotoListPanel* photoListPanel() const;
    void setPhotoListShown(bool shown);
    // Print All, Export All and Export Caption Sheet, which need a listed photograph.
    void setListActionsEnabled(bool enabled);
    // Edit > Undo and Redo take back and repeat the stack's edits.
    void setUndoStack(QUndoStack* stack);
    WindowLayout layoutState() const;
    // Puts the window as it was left; a first window is sized to the screen instead,
    // with the label fitted.
    void restoreLayout(const WindowLayout& layout);

    // A notice in the status line that does not take the focus.
    void showNotice(const QString& text);
    QString notice() const;

signals:
    void openRequested();
    void newWindowRequested();
    void pageSetupRequested();
    // From the menu item and from the print button.
    void printRequested();
    void printAllRequested();
    void exportAllRequested();
    void importSheetRequested();
    void exportSheetRequested();
    void quitRequested();
    // From the menu item and from the button beside the lens box.
    void deleteLensRequested();
    void preferencesRequested();
    void aboutRequested();
    // A name picked from the lens list, or typed and confirmed with Enter.
    void lensChosen(const QString& name);
    // The lens box shows another name (picked, typed or set).
    void shownLensChanged(const QString& name);
    // The fields' texts as the user types them.
    void titleEdited(const QString& title);
    void photographerEdited(const QString& name);
    // The user left a caption field: the next typing is another edit.
    void captionEditEnded();
    // Photograph files dropped on the preview.
    void photosDropped(const QStringList& paths);
    void closed();

protected:
    // The paint device's metric() stays reachable beside the ruler's unit.
    using QWidget::metric;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyColours();
    void connectControls();
    void showTapeLength(const QSizeF& labelSize);

    std::unique_ptr<Ui::MainWindow> ui_;
};
