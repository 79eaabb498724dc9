#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

class LabelView;
class PhotoListPanel;
class Ruler;
class RollView;
class TapeView;

namespace Ui {
class MainWindow;
}

// The main window: the menus, the label preview, the lens box, the caption inputs and
// the print button, laid out and coloured as the interface file describes. It tells
// what the user asks for through its signals and shows what it is given through its
// setters. The window is resizable; the View menu zooms the label preview, and the
// tape length of the label is shown beside the print button. The splitter at the top
// holds the photo list, shown while it holds several photographs, and the preview.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Puts the label in the preview area (the window takes the view and the ruler) and
    // gives the window its starting size for the label's medium.
    void showTapeLabel(TapeView* view, Ruler* ruler);
    void showRollLabel(RollView* view);

    // The lens box: its list, the entry shown (an index outside the list shows none)
    // and the name it shows, typed or picked.
    void setLensNames(const QStringList& names);
    void selectLensAt(int index);
    QString lensName() const;

    void setPhotographer(const QString& name);
    void setTitle(const QString& title);
    void setPrintingEnabled(bool enabled);
    // The photo list pane, and whether it shows.
    PhotoListPanel* photoListPanel() const;
    void setPhotoListShown(bool shown);
    // Print All, Export All and Export Caption Sheet, which need a listed photograph.
    void setListActionsEnabled(bool enabled);

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
    // The field's text when the user finished editing it.
    void photographerEdited(const QString& name);
    void titleEdited(const QString& title);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyColours();
    void connectControls();
    void resizeContentTo(const QSize& size);
    // Shows the label's length and follows its changes, in the unit of the ruler.
    void followTapeLength(LabelView* view, bool metric);

    std::unique_ptr<Ui::MainWindow> ui_;
};
